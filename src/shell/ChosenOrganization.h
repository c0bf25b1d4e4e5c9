#pragma once

#include <QObject>
#include <QString>

// The organization the gap screens, the process assets and the reports work on. Empty at
// every start (no organization chosen); only the organization selection changes it, every
// reader asks anew each time. An open screen follows a change through changed().
class ChosenOrganization : public QObject
{
    Q_OBJECT
public:
    static ChosenOrganization *instance();

    static QString selected_coid() { return s_selected; }
    static bool isChosen() { return !s_selected.isEmpty(); }
    static void setSelectedCoid(const QString &name);

signals:
    void changed(const QString &name);

private:
    using QObject::QObject;
    static QString s_selected;
};
