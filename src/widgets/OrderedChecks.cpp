#include "OrderedChecks.h"

#include "widgets/FieldText.h"
#include "widgets/Messages.h"

#include <QWidget>

OrderedChecks &OrderedChecks::blank(QWidget *field, const QString &message, Then then)
{
    return blankWhen({}, field, message, then);
}

OrderedChecks &OrderedChecks::blankWhen(const std::function<bool()> &condition, QWidget *field,
                                        const QString &message, Then then)
{
    auto fails = [condition, field] {
        return (!condition || condition()) && FieldText::trimmedBlanks(FieldText::text(field)).isEmpty();
    };
    m_checks.append({fails, message, then, field, 0});
    return *this;
}

OrderedChecks &OrderedChecks::longerThan(QWidget *field, int length, const QString &message, Then then)
{
    auto fails = [field, length] { return FieldText::text(field).size() > length; };
    m_checks.append({fails, message, then, field, length});
    return *this;
}

OrderedChecks &OrderedChecks::when(const std::function<bool()> &fails, const QString &message, Then then,
                                   QWidget *field)
{
    m_checks.append({fails, message, then, field, 0});
    return *this;
}

bool OrderedChecks::run(QWidget *parent) const
{
    for (const Check &check : m_checks) {
        if (!check.fails())
            continue;
        Messages::information(parent, check.message);
        if (check.then == Then::Focus && check.field)
            check.field->setFocus(Qt::OtherFocusReason);
        else if (check.then == Then::Cut && check.field)
            FieldText::setText(check.field, FieldText::trimmedBlanks(FieldText::text(check.field)).left(check.length));
        return false;
    }
    return true;
}
