#include "ReportDefinition.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

// Walks the JSON tree, remembering where it is so a fault can be named precisely.
class Reader
{
public:
    QString fault;

    bool failed() const { return !fault.isEmpty(); }

    void fail(const QString &where, const QString &what)
    {
        if (fault.isEmpty())
            fault = where.isEmpty() ? what : where + QStringLiteral(": ") + what;
    }

    // Unknown keys are refused: a misspelt "heder" would otherwise vanish without a word.
    void allowOnly(const QJsonObject &object, const QString &where, QStringList keys)
    {
        keys << QStringLiteral("comment");
        for (const QString &key : object.keys()) {
            if (!keys.contains(key))
                fail(where, QStringLiteral("unknown entry \"%1\"").arg(key));
        }
    }

    QString text(const QJsonObject &object, const QString &key, const QString &where, bool required = false)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() || value.isNull()) {
            if (required)
                fail(where, QStringLiteral("\"%1\" is missing").arg(key));
            return {};
        }
        if (!value.isString()) {
            fail(where, QStringLiteral("\"%1\" must be a text").arg(key));
            return {};
        }
        return value.toString();
    }

    // A text, or a list of texts joined by line breaks (long queries read better so).
    QString lines(const QJsonObject &object, const QString &key, const QString &where, bool required = false)
    {
        const QJsonValue value = object.value(key);
        if (value.isArray())
            return textList(value, where + QLatin1Char('.') + key).join(QLatin1Char('\n'));
        return text(object, key, where, required);
    }

    QStringList textList(const QJsonValue &value, const QString &where)
    {
        QStringList result;
        if (value.isUndefined() || value.isNull())
            return result;
        if (value.isString())
            return {value.toString()};
        if (!value.isArray()) {
            fail(where, QStringLiteral("must be a text or a list of texts"));
            return result;
        }
        for (const QJsonValue &item : value.toArray()) {
            if (!item.isString()) {
                fail(where, QStringLiteral("must hold texts only"));
                return result;
            }
            result << item.toString();
        }
        return result;
    }

    bool flag(const QJsonObject &object, const QString &key, const QString &where)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return false;
        if (!value.isBool())
            fail(where, QStringLiteral("\"%1\" must be true or false").arg(key));
        return value.toBool();
    }

    QList<QJsonObject> objects(const QJsonObject &object, const QString &key, const QString &where)
    {
        QList<QJsonObject> result;
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return result;
        if (!value.isArray()) {
            fail(where, QStringLiteral("\"%1\" must be a list").arg(key));
            return result;
        }
        for (const QJsonValue &item : value.toArray()) {
            if (!item.isObject()) {
                fail(where, QStringLiteral("every entry of \"%1\" must be an object").arg(key));
                return result;
            }
            result << item.toObject();
        }
        return result;
    }

    ReportDefinition::Totals totals(const QJsonObject &object, const QString &where)
    {
        ReportDefinition::Totals totals;
        allowOnly(object, where, {QStringLiteral("lines"), QStringLiteral("summaries"), QStringLiteral("chart")});
        totals.lines = textList(object.value(QStringLiteral("lines")), where + QStringLiteral(".lines"));

        int index = 0;
        for (const QJsonObject &s : objects(object, QStringLiteral("summaries"), where)) {
            const QString at = QStringLiteral("%1.summaries[%2]").arg(where).arg(index++);
            allowOnly(s, at, {QStringLiteral("name"), QStringLiteral("function"), QStringLiteral("field"), QStringLiteral("value")});
            ReportDefinition::Summary summary;
            summary.name = text(s, QStringLiteral("name"), at, true);
            const QString function = text(s, QStringLiteral("function"), at, true);
            summary.field = text(s, QStringLiteral("field"), at);
            summary.value = text(s, QStringLiteral("value"), at);
            if (function == QLatin1String("count"))
                summary.function = ReportDefinition::Function::Count;
            else if (function == QLatin1String("countValue"))
                summary.function = ReportDefinition::Function::CountValue;
            else if (function == QLatin1String("percentage"))
                summary.function = ReportDefinition::Function::Percentage;
            else if (!failed())
                fail(at, QStringLiteral("\"function\" must be count, countValue or percentage"));
            if (summary.function != ReportDefinition::Function::Count && summary.field.isEmpty())
                fail(at, QStringLiteral("\"field\" is missing"));
            for (const ReportDefinition::Summary &other : totals.summaries) {
                if (other.name == summary.name)
                    fail(at, QStringLiteral("the name \"%1\" is used twice").arg(summary.name));
            }
            totals.summaries << summary;
        }

        const QJsonValue chartValue = object.value(QStringLiteral("chart"));
        if (chartValue.isObject()) {
            const QJsonObject c = chartValue.toObject();
            const QString at = where + QStringLiteral(".chart");
            allowOnly(c, at, {QStringLiteral("title"), QStringLiteral("bars")});
            ReportDefinition::Chart chart;
            chart.title = text(c, QStringLiteral("title"), at);
            int barIndex = 0;
            for (const QJsonObject &b : objects(c, QStringLiteral("bars"), at)) {
                const QString barAt = QStringLiteral("%1.bars[%2]").arg(at).arg(barIndex++);
                allowOnly(b, barAt, {QStringLiteral("label"), QStringLiteral("summary"), QStringLiteral("color")});
                ReportDefinition::Bar bar{text(b, QStringLiteral("label"), barAt), text(b, QStringLiteral("summary"), barAt, true),
                                          text(b, QStringLiteral("color"), barAt)};
                const bool known = std::any_of(totals.summaries.cbegin(), totals.summaries.cend(),
                                               [&](const ReportDefinition::Summary &s) { return s.name == bar.summary; });
                if (!known && !bar.summary.isEmpty())
                    fail(barAt, QStringLiteral("there is no summary \"%1\"").arg(bar.summary));
                if (!bar.color.isEmpty() && !QRegularExpression(QStringLiteral("^#[0-9A-Fa-f]{6}$")).match(bar.color).hasMatch())
                    fail(barAt, QStringLiteral("\"color\" must be written #RRGGBB"));
                chart.bars << bar;
            }
            if (chart.bars.isEmpty())
                fail(at, QStringLiteral("a chart needs at least one bar"));
            totals.chart = chart;
        } else if (!chartValue.isUndefined()) {
            fail(where, QStringLiteral("\"chart\" must be an object"));
        }
        return totals;
    }

    ReportDefinition::Section section(const QJsonObject &object, const QString &where, const QString &sharedQuery)
    {
        ReportDefinition::Section section;
        allowOnly(object, where,
                  {QStringLiteral("query"), QStringLiteral("heading"), QStringLiteral("newPage"), QStringLiteral("groups"),
                   QStringLiteral("detailsWhen"), QStringLiteral("columns"), QStringLiteral("columnTitles"),
                   QStringLiteral("footer"), QStringLiteral("noRows"),
                   // entries of the report itself when it has a single section
                   QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("title"), QStringLiteral("orientation"),
                   QStringLiteral("parameters"), QStringLiteral("sections")});
        section.query = lines(object, QStringLiteral("query"), where);
        if (section.query.trimmed().isEmpty())
            section.query = sharedQuery;
        if (section.query.trimmed().isEmpty())
            fail(where, QStringLiteral("\"query\" is missing"));
        section.heading = text(object, QStringLiteral("heading"), where);
        section.newPage = flag(object, QStringLiteral("newPage"), where);
        section.detailsWhen = text(object, QStringLiteral("detailsWhen"), where);
        section.noRows = text(object, QStringLiteral("noRows"), where);

        const QList<QJsonObject> groups = objects(object, QStringLiteral("groups"), where);
        if (groups.size() > ReportDefinition::maxGroups)
            fail(where, QStringLiteral("at most %1 group levels, not %2").arg(ReportDefinition::maxGroups).arg(groups.size()));
        int index = 0;
        for (const QJsonObject &g : groups) {
            const QString at = QStringLiteral("%1.groups[%2]").arg(where).arg(index++);
            allowOnly(g, at, {QStringLiteral("field"), QStringLiteral("header"), QStringLiteral("label"), QStringLiteral("emptyText"),
                              QStringLiteral("newPage"), QStringLiteral("hideEmpty"), QStringLiteral("footer")});
            ReportDefinition::Group group;
            group.field = text(g, QStringLiteral("field"), at, true);
            group.header = text(g, QStringLiteral("header"), at);
            if (group.header.isNull())
                group.header = QLatin1Char('{') + group.field + QLatin1Char('}');
            group.label = text(g, QStringLiteral("label"), at);
            if (group.label.isNull())
                group.label = QLatin1Char('{') + group.field + QLatin1Char('}');
            group.emptyText = text(g, QStringLiteral("emptyText"), at);
            group.newPage = flag(g, QStringLiteral("newPage"), at);
            group.hideEmpty = flag(g, QStringLiteral("hideEmpty"), at);
            group.footer = totals(g.value(QStringLiteral("footer")).toObject(), at + QStringLiteral(".footer"));
            section.groups << group;
        }

        index = 0;
        for (const QJsonObject &c : objects(object, QStringLiteral("columns"), where)) {
            const QString at = QStringLiteral("%1.columns[%2]").arg(where).arg(index++);
            allowOnly(c, at, {QStringLiteral("field"), QStringLiteral("title"), QStringLiteral("width"), QStringLiteral("align"),
                              QStringLiteral("emptyText"), QStringLiteral("bars")});
            ReportDefinition::Column column;
            const bool bar = c.contains(QStringLiteral("bars"));
            column.field = text(c, QStringLiteral("field"), at, !bar);
            int part = 0;
            for (const QJsonObject &b : bar ? objects(c, QStringLiteral("bars"), at) : QList<QJsonObject>()) {
                const QString in = QStringLiteral("%1.bars[%2]").arg(at).arg(part++);
                allowOnly(b, in, {QStringLiteral("field"), QStringLiteral("label"), QStringLiteral("color")});
                column.segments << ReportDefinition::Segment{text(b, QStringLiteral("field"), in, true),
                                                             text(b, QStringLiteral("label"), in), text(b, QStringLiteral("color"), in)};
            }
            column.title = text(c, QStringLiteral("title"), at);
            column.emptyText = text(c, QStringLiteral("emptyText"), at);
            const QJsonValue width = c.value(QStringLiteral("width"));
            if (!width.isUndefined()) {
                column.width = width.toDouble(-1);
                if (column.width <= 0)
                    fail(at, QStringLiteral("\"width\" must be a number above 0"));
            }
            const QString align = text(c, QStringLiteral("align"), at);
            if (align == QLatin1String("right"))
                column.align = Qt::AlignRight;
            else if (align == QLatin1String("center"))
                column.align = Qt::AlignHCenter;
            else if (!align.isEmpty() && align != QLatin1String("left"))
                fail(at, QStringLiteral("\"align\" must be left, center or right"));
            section.columns << column;
        }
        const QString titles = text(object, QStringLiteral("columnTitles"), where);
        section.columnTitlesPerPage = titles == QLatin1String("page");
        if (!titles.isEmpty() && titles != QLatin1String("page") && titles != QLatin1String("group"))
            fail(where, QStringLiteral("\"columnTitles\" must be group or page"));
        section.footer = totals(object.value(QStringLiteral("footer")).toObject(), where + QStringLiteral(".footer"));
        return section;
    }
};

int lineOf(const QByteArray &text, int offset)
{
    return int(text.left(offset).count('\n')) + 1;
}

} // namespace

std::optional<ReportDefinition> ReportDefinition::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        *error = QStringLiteral("The report file %1 is missing.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("The report file %1 cannot be read: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    return parse(file.readAll(), QDir::toNativeSeparators(path), error);
}

std::optional<ReportDefinition> ReportDefinition::parse(const QByteArray &text, const QString &fileName, QString *error)
{
    const auto refuse = [&](const QString &why) {
        *error = QStringLiteral("The report file %1 %2").arg(fileName, why);
        return std::nullopt;
    };
    // Report files of other programs (the Crystal Reports ones among them) are binary.
    if (text.left(4096).contains('\0'))
        return refuse(QStringLiteral("is not a report definition of this program: it is a binary file, perhaps a report "
                                     "made with another program."));

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refuse(QStringLiteral("is not valid: %1 at line %2.").arg(parseError.errorString()).arg(lineOf(text, parseError.offset)));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != QLatin1String(formatName))
        return refuse(QStringLiteral("is not a report definition of this program (it has no \"format\": \"%1\").")
                          .arg(QLatin1String(formatName)));
    const int version = root.value(QStringLiteral("version")).toInt(0);
    if (version > formatVersion)
        return refuse(QStringLiteral("was written for a newer version of this program (format version %1).").arg(version));
    if (version < 1)
        return refuse(QStringLiteral("is not valid: \"version\" must be 1."));

    Reader reader;
    ReportDefinition definition;
    definition.title = reader.text(root, QStringLiteral("title"), QString(), true);
    const QString orientation = reader.text(root, QStringLiteral("orientation"), QString());
    if (orientation == QLatin1String("landscape"))
        definition.orientation = QPageLayout::Landscape;
    else if (!orientation.isEmpty() && orientation != QLatin1String("portrait"))
        reader.fail(QString(), QStringLiteral("\"orientation\" must be portrait or landscape"));
    definition.parameters = reader.textList(root.value(QStringLiteral("parameters")), QStringLiteral("parameters"));
    for (const QString &name : definition.parameters) {
        if (!QRegularExpression(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$")).match(name).hasMatch())
            reader.fail(QStringLiteral("parameters"), QStringLiteral("\"%1\" is not a usable name").arg(name));
    }

    if (root.contains(QStringLiteral("sections"))) {
        const QString shared = reader.lines(root, QStringLiteral("query"), QString());
        int index = 0;
        for (const QJsonObject &s : reader.objects(root, QStringLiteral("sections"), QString()))
            definition.sections << reader.section(s, QStringLiteral("sections[%1]").arg(index++), shared);
        if (definition.sections.isEmpty())
            reader.fail(QString(), QStringLiteral("\"sections\" is empty"));
    } else {
        definition.sections << reader.section(root, QString(), QString());
    }

    if (reader.failed())
        return refuse(QStringLiteral("is not valid: %1.").arg(reader.fault));
    return definition;
}

QStringList ReportDefinition::placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("\\{([A-Za-z_][A-Za-z0-9_]*)\\}"));
    QStringList names;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

QStringList ReportDefinition::fieldsUsed(const Section &section)
{
    QSet<QString> fields;
    const auto addTotals = [&](const Totals &totals) {
        for (const Summary &s : totals.summaries) {
            if (!s.field.isEmpty())
                fields.insert(s.field);
        }
    };
    for (const Group &g : section.groups) {
        fields.insert(g.field);
        addTotals(g.footer);
    }
    for (const Column &c : section.columns) {
        if (!c.field.isEmpty())
            fields.insert(c.field);
        for (const Segment &segment : c.segments)
            fields.insert(segment.field);
    }
    if (!section.detailsWhen.isEmpty())
        fields.insert(section.detailsWhen);
    addTotals(section.footer);
    QStringList result(fields.cbegin(), fields.cend());
    result.sort();
    return result;
}
