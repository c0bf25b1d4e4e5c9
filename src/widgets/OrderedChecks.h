#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// The save checks of a screen, in the screen's own order. The first check that fails shows its
// message (information box, the application's title), then moves the focus or cuts the field as
// the check says, and stops the save; nothing after it runs.
class OrderedChecks
{
public:
    enum class Then { Nothing, Focus, Cut };

    // The field is blank: empty once blanks are trimmed from both ends.
    OrderedChecks &blank(QWidget *field, const QString &message, Then then = Then::Nothing);
    // The same, only while the condition holds when the checks run.
    OrderedChecks &blankWhen(const std::function<bool()> &condition, QWidget *field, const QString &message,
                             Then then = Then::Nothing);
    // The field's untrimmed text is longer than `length`; Cut leaves the first `length`
    // characters of the trimmed text in the field.
    OrderedChecks &longerThan(QWidget *field, int length, const QString &message, Then then = Then::Nothing);
    // Any other test; Focus moves the focus to `field`.
    OrderedChecks &when(const std::function<bool()> &fails, const QString &message, Then then = Then::Nothing,
                        QWidget *field = nullptr);

    // True when every check passes.
    bool run(QWidget *parent) const;

private:
    struct Check
    {
        std::function<bool()> fails;
        QString message;
        Then then;
        QWidget *field;
        int length;
    };
    QList<Check> m_checks;
};
