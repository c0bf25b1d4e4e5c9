#pragma once

#include <QString>

// The organization the gap screens, the process assets and the reports work on. Empty at
// every start (no organization chosen); only the organization selection changes it, every
// reader asks anew each time.
class ChosenOrganization
{
public:
    static QString selected_coid() { return s_selected; }
    static bool isChosen() { return !s_selected.isEmpty(); }
    static void setSelectedCoid(const QString &name) { s_selected = name; }

private:
    static QString s_selected;
};
