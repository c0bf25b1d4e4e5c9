#include "TestApp.h"

#include "shell/mdi_main.h"

#include <QtTest>

#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocument>

// The user guide: every section reachable from its contents, every menu item described.
class tst_UserGuide : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QFile file(VELTRIX_SOURCE_DIR "/help/veltrix.HLP");
        QVERIFY(file.open(QIODevice::ReadOnly));
        html = QString::fromUtf8(file.readAll());
        const qsizetype start = html.indexOf("<a name=\"contents\">");
        const qsizetype end = html.indexOf("</ol>", start);
        QVERIFY(start >= 0 && end > start);
        contents = html.mid(start, end - start);
        for (const auto &m : QRegularExpression("<a name=\"([^\"]+)\">").globalMatch(html))
            anchors << m.captured(1);
        for (const auto &m : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(contents))
            links << m.captured(1);
    }

    void everySectionIsReachableFromTheContents()
    {
        QVERIFY(links.size() > 10);
        for (const QString &link : links)
            QVERIFY2(anchors.contains(link), qPrintable("contents link without a section: " + link));
        for (const QString &anchor : anchors) {
            if (anchor != "contents")
                QVERIFY2(links.contains(anchor), qPrintable("section missing from the contents: " + anchor));
        }
        // Links inside the sections lead somewhere too.
        for (const auto &m : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(html))
            QVERIFY2(anchors.contains(m.captured(1)), qPrintable(m.captured(1)));
    }

    void everyMenuItemIsDescribedInItsSection()
    {
        TestApp app;
        auto window = app.mainWindow();
        QVERIFY(window);
        QMap<QString, QString> items; // object name -> caption as the user reads it
        for (QAction *top : window->menuBar()->actions()) {
            QMenu *menu = top->menu();
            if (!menu) {
                items.insert(top->objectName(), top->text());
            } else if (menu->objectName() == "mnuwindow") {
                items.insert(menu->objectName(), menu->title());
            } else {
                for (QAction *item : menu->actions()) {
                    if (!item->objectName().isEmpty())
                        items.insert(item->objectName(), item->text());
                }
            }
        }
        QCOMPARE(items.size(), 15);
        for (auto it = items.cbegin(); it != items.cend(); ++it) {
            QVERIFY2(links.contains(it.key()), qPrintable("menu item not in the contents: " + it.key()));
            QString caption = it.value();
            caption.replace("&&", "\x01").remove('&').replace("\x01", "&");
            QVERIFY2(section(it.key()).contains(caption, Qt::CaseInsensitive),
                     qPrintable(it.key() + " does not name " + caption));
        }
    }

private:
    // The plain text from a section's anchor to the next anchor.
    QString section(const QString &anchor) const
    {
        const qsizetype start = html.indexOf("<a name=\"" + anchor + "\">");
        const qsizetype end = html.indexOf("<a name=", start + 1);
        QTextDocument text;
        text.setHtml(html.mid(start, end < 0 ? -1 : end - start));
        return text.toPlainText();
    }

    QString html;
    QString contents;
    QStringList anchors;
    QStringList links;
};

QTEST_MAIN(tst_UserGuide)
#include "tst_userguide.moc"
