#include "ReportEngine.h"

#include "reports/ReportReader.h"

#include <QDir>
#include <QSet>

std::unique_ptr<Report> ReportEngine::generate(const ReportRequest &request, QString *error)
{
    std::optional<ReportDefinition> definition = ReportDefinition::load(request.reportFile, error);
    if (!definition)
        return nullptr;
    const QString fileName = QDir::toNativeSeparators(request.reportFile);
    if (definition->parameters.size() != request.parameters.size()) {
        *error = QStringLiteral("The report file %1 takes %2 value(s) (%3) but is given %4.")
                     .arg(fileName)
                     .arg(definition->parameters.size())
                     .arg(definition->parameters.join(QStringLiteral(", ")))
                     .arg(request.parameters.size());
        return nullptr;
    }
    std::optional<QList<ReportTable>> tables = ReportReader::read(*definition, request, error);
    if (!tables || !check(*definition, *tables, fileName, error))
        return nullptr;
    return std::make_unique<Report>(request, std::move(*definition), std::move(*tables));
}

// A name in a text or setting that the query does not return is a fault of the file, found
// here rather than as an empty space on page 200.
bool ReportEngine::check(const ReportDefinition &definition, const QList<ReportTable> &tables, const QString &fileName,
                         QString *error)
{
    for (int i = 0; i < definition.sections.size(); ++i) {
        const ReportDefinition::Section &section = definition.sections[i];
        const QSet<QString> columns(tables[i].columns.cbegin(), tables[i].columns.cend());
        for (const QString &field : ReportDefinition::fieldsUsed(section)) {
            if (!columns.contains(field)) {
                *error = QStringLiteral("The report file %1 is not valid: its query returns no column \"%2\".").arg(fileName, field);
                return false;
            }
        }
        QSet<QString> known = columns;
        for (const QString &p : definition.parameters)
            known.insert(p);
        const auto checkTexts = [&](const QStringList &texts, const ReportDefinition::Totals *totals) {
            QSet<QString> names = known;
            if (totals) {
                for (const ReportDefinition::Summary &s : totals->summaries)
                    names.insert(s.name);
            }
            for (const QString &text : texts) {
                for (const QString &name : ReportDefinition::placeholders(text)) {
                    if (!names.contains(name)) {
                        *error = QStringLiteral("The report file %1 is not valid: \"{%2}\" in \"%3\" names no column, "
                                                "summary or parameter.").arg(fileName, name, text);
                        return false;
                    }
                }
            }
            return true;
        };
        const auto totalsTexts = [](const ReportDefinition::Totals &t) {
            QStringList texts = t.lines;
            if (t.chart) {
                texts << t.chart->title;
                for (const ReportDefinition::Bar &b : t.chart->bars)
                    texts << b.label;
            }
            return texts;
        };
        if (!checkTexts({section.heading, section.noRows}, nullptr) || !checkTexts(totalsTexts(section.footer), &section.footer))
            return false;
        for (const ReportDefinition::Group &g : section.groups) {
            if (!checkTexts(QStringList{g.header, g.label, g.emptyText} + totalsTexts(g.footer), &g.footer))
                return false;
        }
    }
    return true;
}
