#pragma once

#include <QList>
#include <QString>

// The eight report types in the order the report screen lists them: the file each renders,
// what it is given, and what happens to the report screen's own connection before it renders.
class ReportTypes
{
public:
    enum class Preparation { None, PracticeRows, WorkProductRows, GenericGoals };

    struct Type
    {
        QString name;
        QString fileName;
        Preparation preparation = Preparation::None;
        bool closesConnection = false;
        bool takesOrganization = true;
    };

    static const QList<Type> &all();
    static const Type *find(const QString &name);
};
