#pragma once

#include <QString>

// Makes a new cmmi.mdb from the schema and the model text files (src/data/model). It never
// replaces an existing file, and a failed build leaves no file behind.
class ModelDatabaseBuilder
{
public:
    static bool build(const QString &target, const QString &schemaFile, const QString &modelDir,
                      QString *error);
};
