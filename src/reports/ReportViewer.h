#pragma once

#include "reports/ReportProgress.h"

#include <QWidget>

#include <memory>

class QAction;
class QHBoxLayout;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QSpinBox;
class QToolBar;
class Report;

// Shows a report's pages as they will print, with page navigation, zoom, fit to width, print
// and export to PDF.
class ReportViewer : public QWidget
{
    Q_OBJECT
public:
    explicit ReportViewer(QWidget *parent = nullptr);
    ~ReportViewer() override;

    // Lays the report out and draws its pages; false when the user cancelled through the
    // progress. The report stays the caller's and must outlive its showing (see clear()).
    bool setReport(const Report *report, const ReportProgress &progress = {});
    void clear();
    // Puts a widget at the right end of the toolbar's row.
    void addCornerWidget(QWidget *widget);
    const Report *report() const { return m_report; }

    int pageCount() const;
    int currentPage() const;
    void goToPage(int page);
    double zoomFactor() const;
    QPrintPreviewWidget *preview() const { return m_preview; }

    // Asks for a printer and the pages, then prints.
    void print();
    // Asks for a file name and writes the report there as a PDF; true once written.
    bool exportPdf();

    QToolBar *toolBar;
    QAction *actFirstPage;
    QAction *actPreviousPage;
    QAction *actNextPage;
    QAction *actLastPage;
    QAction *actZoomIn;
    QAction *actZoomOut;
    QAction *actFitWidth;
    QAction *actFitPage;
    QAction *actPrint;
    QAction *actExportPdf;
    QSpinBox *pageNumber;
    QLabel *pageTotal;
    QLabel *zoomText;

private:
    void paintRequested(QPrinter *printer);
    void updateControls();
    QAction *makeAction(const QString &name, const QString &text, const QString &icon, const QKeySequence &key);

    QHBoxLayout *m_top;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget *m_preview;
    const Report *m_report = nullptr;
    ReportProgress m_paintProgress;
    bool m_painted = true;
};
