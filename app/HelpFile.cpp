#include "HelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString FindHelpFile(const QString& programDir)
{
    const QString relative = QStringLiteral("help/index.html");
    QStringList folders = {QDir::currentPath(), QDir::current().filePath(QStringLiteral("data"))};
    QString exeDir = programDir;
    if (exeDir.isEmpty() && QCoreApplication::instance())
        exeDir = QCoreApplication::applicationDirPath();
    if (!exeDir.isEmpty()) {
        folders << exeDir;
        // A build folder's bin/ sits two levels below the source tree.
        folders << QDir(exeDir).filePath(QStringLiteral("../../data"));
    }
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder).filePath(relative));
        if (candidate.isFile())
            return candidate.canonicalFilePath();
    }
    return {};
}
