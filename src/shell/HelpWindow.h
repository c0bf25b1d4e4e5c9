#pragma once

#include <QWidget>

class QTextBrowser;

// The user guide, veltrix.HLP from the application folder, in a window of its own.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *owner);

    // Loads the guide and shows its table of contents; false (and a message) when it is missing.
    bool showContents();

    static QString fileName() { return QStringLiteral("veltrix.HLP"); }

private:
    QTextBrowser *m_browser;
};
