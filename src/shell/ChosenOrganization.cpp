#include "ChosenOrganization.h"

QString ChosenOrganization::s_selected;

ChosenOrganization *ChosenOrganization::instance()
{
    static ChosenOrganization *theOne = new ChosenOrganization;
    return theOne;
}

void ChosenOrganization::setSelectedCoid(const QString &name)
{
    if (name == s_selected)
        return;
    s_selected = name;
    emit instance()->changed(name);
}
