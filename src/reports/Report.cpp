#include "Report.h"

#include "reports/ReportComposer.h"

#include <QDir>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

Report::Report(ReportRequest request, ReportDefinition definition, QList<ReportTable> tables, QDate date)
    : m_request(std::move(request)), m_definition(std::move(definition)), m_tables(std::move(tables)), m_date(date)
{
}

QString Report::parameter(const QString &name) const
{
    const qsizetype index = m_definition.parameters.indexOf(name);
    return index < 0 ? QString() : m_request.parameters.value(index);
}

const ReportPages *Report::pages(const QPageLayout &layout, const ReportProgress &progress) const
{
    if (m_pages && m_pages->layout == layout)
        return &*m_pages;
    m_pages.reset();
    std::optional<ReportPages> composed = ReportComposer(*this, layout).compose(progress);
    if (!composed)
        return nullptr;
    m_pages = std::move(composed);
    return &*m_pages;
}

bool Report::paint(QPagedPaintDevice &device, int first, int last, const ReportProgress &progress) const
{
    const ReportPages *laidOut = pages(device.pageLayout());
    if (!laidOut)
        return false;
    first = first < 1 ? 1 : first;
    last = last < 1 || last > laidOut->count() ? laidOut->count() : last;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scale = ReportPages::scaleFor(device.logicalDpiX());
    for (int page = first; page <= last; ++page) {
        if (page != first && !device.newPage())
            return false;
        painter.save();
        painter.scale(scale, scale);
        laidOut->paint(painter, page - 1);
        painter.restore();
        if (progress && !progress(page - first + 1, last - first + 1))
            return false;
    }
    return painter.end();
}

bool Report::writePdf(const QString &path, const QPageLayout &layout, QString *error) const
{
    const QString shown = QDir::toNativeSeparators(path);
    // Written beside the target and renamed over it at the end: a failure leaves an earlier
    // file of that name as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("The PDF file %1 cannot be written: %2").arg(shown, file.errorString());
        return false;
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(layout);
        writer.setTitle(title());
        writer.setCreator(QStringLiteral("Veltrix CMMi Assessment Tool"));
        painted = paint(writer);
    }
    if (!painted) {
        file.cancelWriting();
        *error = QStringLiteral("The PDF file %1 cannot be written: the pages could not be drawn.").arg(shown);
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("The PDF file %1 cannot be written: %2").arg(shown, file.errorString());
        return false;
    }
    return true;
}

QPageLayout Report::defaultPageLayout() const
{
    const QPageSize size(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
    return QPageLayout(size, m_definition.orientation, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}
