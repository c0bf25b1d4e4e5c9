#include "HelpWindow.h"

#include "shell/AppPaths.h"
#include "widgets/Messages.h"

#include <QFile>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *owner)
    : QWidget(owner, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("CMMi - User Guide"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(720, 640);
    for (const QKeySequence &key : {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
}

bool HelpWindow::showContents()
{
    const QString path = AppPaths::filePath(fileName());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Messages::information(parentWidget(),
                              QStringLiteral("The user guide cannot be opened: the file %1 is missing from %2.")
                                  .arg(fileName(), AppPaths::appDir()));
        return false;
    }
    // The guide is an HTML page; an empty or foreign file would show as a blank window.
    const QByteArray start = file.read(4096);
    if (!start.contains("<html") && !start.contains("<HTML")) {
        Messages::information(parentWidget(),
                              QStringLiteral("The user guide cannot be shown: the file %1 in %2 is empty or is not "
                                             "the program's guide. Reinstall the program to get it back.")
                                  .arg(fileName(), AppPaths::appDir()));
        return false;
    }
    m_browser->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    m_browser->scrollToAnchor(QStringLiteral("contents"));
    show();
    raise();
    activateWindow();
    return true;
}
