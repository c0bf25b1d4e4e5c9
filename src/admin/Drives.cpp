#include "Drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

Drives::Source Drives::s_source;

namespace {

// Kernel and memory file systems: nothing a user keeps a backup on.
bool holdsFiles(const QStorageInfo &volume)
{
    static const QList<QByteArray> virtualTypes = {"proc", "sysfs", "tmpfs", "devtmpfs", "devpts", "cgroup",
                                                   "cgroup2", "squashfs", "securityfs", "debugfs", "tracefs",
                                                   "pstore", "bpf", "mqueue", "hugetlbfs", "configfs",
                                                   "fusectl", "autofs", "binfmt_misc", "efivarfs", "nsfs"};
    return volume.isValid() && volume.isReady() && !virtualTypes.contains(volume.fileSystemType());
}

} // namespace

QStringList Drives::roots()
{
    if (s_source)
        return s_source();
    QStringList result{QDir::homePath(), QDir::rootPath()};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (holdsFiles(volume) && !result.contains(volume.rootPath()))
            result << volume.rootPath();
    }
    return result;
}

bool Drives::isReady(const QString &root)
{
    const QFileInfo folder(root);
    return folder.isDir() && folder.isReadable() && QStorageInfo(root).isReady();
}

void Drives::setSource(Source source)
{
    s_source = std::move(source);
}
