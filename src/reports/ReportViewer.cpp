#include "ReportViewer.h"

#include "reports/Report.h"
#include "widgets/BusyCursor.h"
#include "widgets/FileDialogs.h"
#include "widgets/Messages.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// The folder the last export went to, offered again for the next one.
QString lastExportFolder;

} // namespace

ReportViewer::ReportViewer(QWidget *parent)
    : QWidget(parent), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("RptView"));
    // The preview only draws; printing uses a printer of its own chosen in the print dialog.
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setAccessibleName(QStringLiteral("Report pages"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &ReportViewer::paintRequested);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &ReportViewer::updateControls);

    toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("viewerToolBar"));
    toolBar->setIconSize(QSize(24, 24));
    const QString images = QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/");
    actFirstPage = makeAction(QStringLiteral("actFirstPage"), QStringLiteral("First Page"), images + QStringLiteral("go-first-24.png"),
                              QKeySequence(Qt::CTRL | Qt::Key_Home));
    actPreviousPage = makeAction(QStringLiteral("actPreviousPage"), QStringLiteral("Previous Page"),
                                 images + QStringLiteral("go-previous-24.png"), QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    pageNumber = new QSpinBox(this);
    pageNumber->setObjectName(QStringLiteral("pageNumber"));
    pageNumber->setAccessibleName(QStringLiteral("Page"));
    pageNumber->setKeyboardTracking(false);
    pageNumber->setRange(0, 0);
    pageTotal = new QLabel(this);
    pageTotal->setObjectName(QStringLiteral("pageTotal"));
    auto *pageLabel = new QLabel(QStringLiteral("&Page"), this);
    pageLabel->setBuddy(pageNumber);
    toolBar->addWidget(pageLabel);
    toolBar->addWidget(pageNumber);
    toolBar->addWidget(pageTotal);
    actNextPage = makeAction(QStringLiteral("actNextPage"), QStringLiteral("Next Page"), images + QStringLiteral("go-next-24.png"),
                             QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    actLastPage = makeAction(QStringLiteral("actLastPage"), QStringLiteral("Last Page"), images + QStringLiteral("go-last-24.png"),
                             QKeySequence(Qt::CTRL | Qt::Key_End));
    toolBar->addSeparator();
    actZoomOut = makeAction(QStringLiteral("actZoomOut"), QStringLiteral("Zoom Out"), images + QStringLiteral("zoom-out-24.png"),
                            QKeySequence::ZoomOut);
    zoomText = new QLabel(this);
    zoomText->setObjectName(QStringLiteral("zoomText"));
    zoomText->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000%")));
    zoomText->setAlignment(Qt::AlignCenter);
    toolBar->addWidget(zoomText);
    actZoomIn = makeAction(QStringLiteral("actZoomIn"), QStringLiteral("Zoom In"), images + QStringLiteral("zoom-in-24.png"),
                           QKeySequence::ZoomIn);
    actFitWidth = makeAction(QStringLiteral("actFitWidth"), QStringLiteral("Fit Width"), images + QStringLiteral("zoom-fit-width-24.png"),
                             QKeySequence(Qt::CTRL | Qt::Key_1));
    actFitPage = makeAction(QStringLiteral("actFitPage"), QStringLiteral("Fit Page"), images + QStringLiteral("zoom-fit-page-24.png"),
                            QKeySequence(Qt::CTRL | Qt::Key_2));
    toolBar->addSeparator();
    actPrint = makeAction(QStringLiteral("actPrint"), QStringLiteral("Print..."), images + QStringLiteral("printer-24.png"),
                          QKeySequence::Print);
    actExportPdf = makeAction(QStringLiteral("actExportPdf"), QStringLiteral("Export to PDF..."), QString(), QKeySequence::SaveAs);
    for (QAction *action : {actPrint, actExportPdf}) {
        if (auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }

    connect(actFirstPage, &QAction::triggered, this, [this] { goToPage(1); });
    connect(actPreviousPage, &QAction::triggered, this, [this] { goToPage(currentPage() - 1); });
    connect(actNextPage, &QAction::triggered, this, [this] { goToPage(currentPage() + 1); });
    connect(actLastPage, &QAction::triggered, this, [this] { goToPage(pageCount()); });
    connect(pageNumber, &QSpinBox::valueChanged, this, [this](int page) { goToPage(page); });
    connect(actZoomIn, &QAction::triggered, this, [this] { m_preview->zoomIn(1.25); updateControls(); });
    connect(actZoomOut, &QAction::triggered, this, [this] { m_preview->zoomOut(1.25); updateControls(); });
    connect(actFitWidth, &QAction::triggered, this, [this] { m_preview->fitToWidth(); updateControls(); });
    connect(actFitPage, &QAction::triggered, this, [this] { m_preview->fitInView(); updateControls(); });
    connect(actPrint, &QAction::triggered, this, &ReportViewer::print);
    connect(actExportPdf, &QAction::triggered, this, &ReportViewer::exportPdf);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_top = new QHBoxLayout;
    m_top->setContentsMargins(0, 0, 6, 0);
    m_top->addWidget(toolBar, 1);
    layout->addLayout(m_top);
    layout->addWidget(m_preview, 1);
    setFocusProxy(m_preview);
    updateControls();
}

ReportViewer::~ReportViewer() = default;

void ReportViewer::addCornerWidget(QWidget *widget)
{
    m_top->addWidget(widget, 0, Qt::AlignVCenter);
}

QAction *ReportViewer::makeAction(const QString &name, const QString &text, const QString &icon, const QKeySequence &key)
{
    QAction *action = toolBar->addAction(text);
    action->setObjectName(name);
    if (!icon.isEmpty())
        action->setIcon(QIcon(icon));
    action->setShortcut(key);
    // Only while the viewer has the keyboard: other screens keep their own keys.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setToolTip(key.isEmpty() ? QString(text).remove(QStringLiteral("..."))
                                     : QStringLiteral("%1 (%2)").arg(QString(text).remove(QStringLiteral("...")),
                                                                      key.toString(QKeySequence::NativeText)));
    QWidget::addAction(action);
    return action;
}

bool ReportViewer::setReport(const Report *report, const ReportProgress &progress)
{
    m_report = report;
    if (!report) {
        clear();
        return true;
    }
    // Half of the bar for the layout, half for drawing the pages.
    const ReportProgress layoutProgress = progress ? ReportProgress([&](int done, int total) {
        return progress(total > 0 ? 50 * done / total : 0, 100);
    }) : ReportProgress();
    m_printer->setPageLayout(report->defaultPageLayout());
    m_printer->setDocName(report->title());
    if (!report->pages(m_printer->pageLayout(), layoutProgress)) {
        clear();
        return false;
    }
    m_paintProgress = progress ? ReportProgress([progress](int done, int total) {
        return progress(50 + (total > 0 ? 50 * done / total : 0), 100);
    }) : ReportProgress();
    m_painted = true;
    m_preview->updatePreview();
    m_paintProgress = {};
    if (!m_painted) {
        clear();
        return false;
    }
    m_preview->fitToWidth();
    m_preview->setCurrentPage(1);
    updateControls();
    return true;
}

void ReportViewer::clear()
{
    m_report = nullptr;
    m_preview->updatePreview();
    updateControls();
}

void ReportViewer::paintRequested(QPrinter *printer)
{
    if (m_report)
        m_painted = m_report->paint(*printer, 0, 0, m_paintProgress);
}

int ReportViewer::pageCount() const
{
    return m_report ? m_preview->pageCount() : 0;
}

int ReportViewer::currentPage() const
{
    return m_report ? m_preview->currentPage() : 0;
}

void ReportViewer::goToPage(int page)
{
    if (!m_report || pageCount() == 0)
        return;
    page = std::clamp(page, 1, pageCount());
    m_preview->setCurrentPage(page);
    // The preview moves only when the page changes; the first page opens at its top.
    if (page == 1) {
        if (auto *view = m_preview->findChild<QGraphicsView *>()) {
            view->verticalScrollBar()->setValue(view->verticalScrollBar()->minimum());
            view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->minimum());
        }
    }
    updateControls();
}

double ReportViewer::zoomFactor() const
{
    return m_preview->zoomFactor();
}

void ReportViewer::updateControls()
{
    const int count = pageCount();
    const int current = currentPage();
    {
        const QSignalBlocker quiet(pageNumber);
        pageNumber->setRange(count > 0 ? 1 : 0, count);
        pageNumber->setValue(current);
    }
    pageNumber->setEnabled(count > 0);
    pageTotal->setText(QStringLiteral(" of %1 ").arg(count));
    actFirstPage->setEnabled(current > 1);
    actPreviousPage->setEnabled(current > 1);
    actNextPage->setEnabled(current < count);
    actLastPage->setEnabled(current < count);
    for (QAction *action : {actZoomIn, actZoomOut, actFitWidth, actFitPage, actPrint, actExportPdf})
        action->setEnabled(count > 0);
    zoomText->setText(count > 0 ? QStringLiteral("%1%").arg(qRound(m_preview->zoomFactor() * 100)) : QString());
}

void ReportViewer::print()
{
    if (!m_report)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_printer->pageLayout());
    printer.setDocName(m_report->title());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    if (dialog.exec() != QDialog::Accepted)
        return;
    int first = 0;
    int last = 0;
    if (printer.printRange() == QPrinter::PageRange) {
        first = printer.fromPage();
        last = printer.toPage();
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        first = last = currentPage();
    }
    const BusyCursor busy;
    if (!m_report->paint(printer, first, last))
        Messages::information(this, QStringLiteral("The report could not be printed on %1.").arg(printer.printerName()));
}

bool ReportViewer::exportPdf()
{
    if (!m_report)
        return false;
    QString name = m_report->title();
    const QString organization = m_report->parameter(QStringLiteral("organization"));
    if (!organization.isEmpty())
        name += QStringLiteral(" - ") + organization;
    // Characters that no file name may hold on the common systems.
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    if (lastExportFolder.isEmpty())
        lastExportFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = FileDialogs::saveFileName(this, QStringLiteral("Export to PDF"),
                                             QDir(lastExportFolder).filePath(name + QStringLiteral(".pdf")),
                                             QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    lastExportFolder = QFileInfo(path).absolutePath();
    QString error;
    bool written = false;
    {
        const BusyCursor busy;
        written = m_report->writePdf(path, m_printer->pageLayout(), &error);
    }
    if (!written)
        Messages::information(this, error);
    return written;
}
