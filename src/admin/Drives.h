#pragma once

#include <QStringList>

#include <functional>

// What the folder chooser offers as drives on a system without drive letters: the home
// folder, the root, and the mounted volumes that hold files.
class Drives
{
public:
    static QStringList roots();
    // A drive can be browsed: its folder is there and its volume answers.
    static bool isReady(const QString &root);

    // Tests put folders of their own in place of the machine's volumes.
    using Source = std::function<QStringList()>;
    static void setSource(Source source);

private:
    static Source s_source;
};
