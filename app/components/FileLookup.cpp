#include "FileLookup.h"

#include <QDir>
#include <QFileInfo>

QString FindExistingFile(const QString& name)
{
    if (name.isEmpty())
        return {};
    const QDir dir = QDir::current();
    const QFileInfo exact(dir.filePath(name));
    if (exact.isFile())
        return exact.absoluteFilePath();
    // Sorted by name so that the same file wins every time when several differ only in case.
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return QFileInfo(dir.filePath(entry)).absoluteFilePath();
    }
    return {};
}
