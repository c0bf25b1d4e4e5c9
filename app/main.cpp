#include "reports/ReportCommandLine.h"
#include "shell/mdi_main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (ReportCommandLine::requested(argc, argv))
        return ReportCommandLine::main(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CMMi"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2").arg(VELTRIX_VERSION_MAJOR).arg(VELTRIX_VERSION_MINOR));

    mdi_main window;
    if (!window.Form_Load())
        return 1;
    window.show();
    return app.exec();
}
