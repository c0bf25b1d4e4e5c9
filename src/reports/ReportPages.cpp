#include "ReportPages.h"

#include <QPainter>

#include <array>
#include <optional>

namespace {

struct StyleFace
{
    double points;
    bool bold;
    bool italic;
};

constexpr std::array<StyleFace, size_t(ReportPages::Style::Count)> faces = {{
    {15, true, false},   // Title
    {10, true, false},   // Company
    {9, false, false},   // HeaderInfo
    {13, true, false},   // SectionHeading
    {13, true, false},   // Heading1
    {11.5, true, false}, // Heading2
    {10, true, false},   // Heading3
    {9.5, false, false}, // Heading4
    {9, false, false},   // Heading5
    {8.5, true, false},  // ColumnHeader
    {9, false, false},   // Body
    {9, false, true},    // Note
    {9, true, false},    // Total
    {8.5, false, false}, // BarLabel
    {8, false, false},   // PageNumber
}};

std::array<QFont, size_t(ReportPages::Style::Count)> makeFonts()
{
    std::array<QFont, size_t(ReportPages::Style::Count)> fonts;
    for (size_t i = 0; i < fonts.size(); ++i) {
        // One face whatever the desktop's settings, so the screen, the printer, an export
        // and the command line break the pages alike.
        QFont font;
        font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        font.setStyleHint(QFont::SansSerif);
        // Pixel sizes in layout units: text is measured and drawn at the same size, ten times
        // larger than on paper, where hinting no longer changes the widths.
        font.setPixelSize(qRound(faces[i].points * ReportPages::unitsPerPoint));
        font.setBold(faces[i].bold);
        font.setItalic(faces[i].italic);
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setKerning(true);
        fonts[i] = font;
    }
    return fonts;
}

} // namespace

const QFont &ReportPages::font(Style style)
{
    static const auto fonts = makeFonts();
    return fonts[size_t(style)];
}

void ReportPages::paint(QPainter &painter, int page) const
{
    if (page < 0 || page >= pages.size())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    std::optional<Style> current;
    for (const Item &item : pages[page]) {
        switch (item.kind) {
        case Item::Kind::Text:
            if (current != item.style) {
                painter.setFont(font(item.style));
                current = item.style;
            }
            painter.setPen(item.color);
            painter.drawText(item.rect, int(item.align | Qt::AlignTop | Qt::TextSingleLine), item.text);
            break;
        case Item::Kind::Box:
            painter.fillRect(item.rect, item.color);
            break;
        }
    }
    painter.restore();
}

QString ReportPages::text(int page) const
{
    QStringList lines;
    if (page >= 0 && page < pages.size()) {
        for (const Item &item : pages[page]) {
            if (item.kind == Item::Kind::Text)
                lines << item.text;
        }
    }
    return lines.join(QLatin1Char('\n'));
}
