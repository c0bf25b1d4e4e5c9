#include "ChosenOrganization.h"

QString ChosenOrganization::s_selected;
