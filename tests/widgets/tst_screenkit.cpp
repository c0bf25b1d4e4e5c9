#include "widgets/BuddyLabel.h"
#include "widgets/LimitedTextEdit.h"
#include "widgets/Messages.h"
#include "widgets/OrderedChecks.h"

#include <QtTest>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

// The pieces every editing screen is made of: ordered save checks, capped several-line
// fields, labels that name their fields.
class tst_ScreenKit : public QObject
{
    Q_OBJECT

private slots:
    void firstFailingCheckStopsTheSave_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("desc");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("idAfter");
        QTest::newRow("passes") << "SP1.1" << "Plan" << "" << "" << "SP1.1";
        QTest::newRow("blank is blanks only") << "   " << "" << "Id is blank" << "" << "   ";
        QTest::newRow("tabs are not blanks") << "\t" << "" << "Description is Blank" << "desc" << "\t";
        QTest::newRow("before the length check") << "SP1.1" << " " << "Description is Blank" << "desc" << "SP1.1";
        QTest::newRow("length counts untrimmed, cut trims")
            << "  SP1.2.3.4.5  " << "Plan" << "Id can not have more than 10 characters" << "" << "SP1.2.3.4.";
        QTest::newRow("exactly ten") << "SP1.2.3.45" << "Plan" << "" << "" << "SP1.2.3.45";
    }
    void firstFailingCheckStopsTheSave()
    {
        QFETCH(QString, id);
        QFETCH(QString, desc);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        QFETCH(QString, idAfter);
        QWidget form;
        auto *layout = new QVBoxLayout(&form);
        auto *idField = new QComboBox(&form);
        idField->setEditable(true);
        idField->setEditText(id);
        auto *descField = new LimitedTextEdit(&form);
        descField->setObjectName("desc");
        descField->setPlainText(desc);
        auto *other = new QLineEdit(&form);
        layout->addWidget(idField);
        layout->addWidget(descField);
        layout->addWidget(other);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        other->setFocus();

        Messages::Recorder messages;
        using Then = OrderedChecks::Then;
        const bool passed = OrderedChecks()
                                .blank(idField, "Id is blank")
                                .blank(descField, "Description is Blank", Then::Focus)
                                .longerThan(idField, 10, "Id can not have more than 10 characters", Then::Cut)
                                .run(&form);
        QCOMPARE(passed, message.isEmpty());
        QCOMPARE(messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QCOMPARE(idField->currentText(), idAfter);
    }

    void severalLineFieldIsCapped()
    {
        LimitedTextEdit field;
        QApplication::clipboard()->setText(QString(300, QChar(u'ü')));
        field.paste();
        QCOMPARE(field.toPlainText(), QString(255, QChar(u'ü')));
        field.setPlainText(QString(255, 'a'));
        QTest::keyClicks(&field, "b");
        QCOMPARE(field.toPlainText().size(), 255);
        QVERIFY(!field.toPlainText().contains('b'));
    }

    void labelNamesItsField()
    {
        QWidget form;
        auto *field = new QLineEdit(&form);
        field->setObjectName("txt_goal_desc");
        auto *label = new BuddyLabel("&Goal Description", field, &form);
        QCOMPARE(label->buddy(), field);
        QCOMPARE(label->objectName(), QString("lbl_txt_goal_desc"));
        QCOMPARE(field->accessibleName(), QString("Goal Description"));
    }
};

QTEST_MAIN(tst_ScreenKit)
#include "tst_screenkit.moc"
