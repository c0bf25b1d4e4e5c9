#include "FixtureTest.h"

#include "shell/Screen.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

void FixtureTest::init()
{
    app = std::make_unique<TestApp>();
    if (wantsWindow()) {
        window = app->mainWindow();
        QVERIFY(window);
    }
    setUp();
}

void FixtureTest::cleanup()
{
    const QString busy = TestApp::busyConnections();
    tearDown();
    window.reset();
    settle();
    app.reset();
    QVERIFY2(busy.isEmpty(), qPrintable(busy));
}

Screen *FixtureTest::openByMenu(const QString &item)
{
    if (!triggerAction(window.get(), item))
        return nullptr;
    QMdiSubWindow *frame = window->mdiArea()->currentSubWindow();
    // Let the child window settle at its opening size before clicking into it.
    QCoreApplication::processEvents();
    return frame ? qobject_cast<Screen *>(frame->widget()) : nullptr;
}

void FixtureTest::pick(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void FixtureTest::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
