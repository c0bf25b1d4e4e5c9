#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>

class QPainter;

// A report laid out on paper of one size: for each page, what to draw where. Positions are in
// units of a tenth of a point from the top left of the printable area, so the same pages
// draw alike on the screen, a printer and a PDF.
class ReportPages
{
public:
    static constexpr double unitsPerPoint = 10;
    static constexpr double unitsPerInch = 72 * unitsPerPoint;

    enum class Style : quint8 {
        Title, Company, HeaderInfo, SectionHeading,
        Heading1, Heading2, Heading3, Heading4, Heading5,
        ColumnHeader, Body, Note, Total, BarLabel, PageNumber,
        Count
    };

    struct Item
    {
        enum class Kind : quint8 { Text, Box };
        Kind kind = Kind::Text;
        Style style = Style::Body;
        Qt::Alignment align = Qt::AlignLeft;
        QRectF rect;
        QString text;
        QColor color = Qt::black;
    };
    using Page = QList<Item>;

    QPageLayout layout;
    QList<Page> pages;

    int count() const { return int(pages.size()); }
    // Draws one page; the painter's origin is the top left of the printable area and its
    // scale turns these units into the device's pixels (see scaleFor).
    void paint(QPainter &painter, int page) const;
    static double scaleFor(int deviceDpi) { return deviceDpi / unitsPerInch; }

    // The texts of a page, top to bottom, one per line.
    QString text(int page) const;

    // The font of a style, sized in these units.
    static const QFont &font(Style style);
};
