#include "VersionInfo.h"

#include <QDateTime>
#include <QFileInfo>

#include "AppState.h"

#ifndef TAVREL_VERSION
#define TAVREL_VERSION "0.0.0.0"
#endif

namespace
{

bool NamesThisProgram(const QString& fileName)
{
    if (fileName.isEmpty())
        return true;
    const QString base = QFileInfo(fileName).fileName();
    return base.compare(QStringLiteral("Tavrel"), Qt::CaseInsensitive) == 0 ||
           base.compare(QStringLiteral("Tavrel.exe"), Qt::CaseInsensitive) == 0;
}

} // namespace

void ReadVersionInfo(AppState& state, const QString& fileName)
{
    state.VersionInfo.fill(QString());
    if (!NamesThisProgram(fileName))
        return;
    const QString version = QStringLiteral(TAVREL_VERSION);
    state.VersionInfo[CompanyNameIndex] = QStringLiteral("Tavrel developers");
    state.VersionInfo[FileDescriptionIndex] =
        QStringLiteral("Moon-bounce libration and echo planning");
    state.VersionInfo[FileVersionIndex] = version;
    state.VersionInfo[InternalNameIndex] = QStringLiteral("Tavrel");
    state.VersionInfo[LegalCopyrightIndex] =
        QStringLiteral("Free for amateur-radio use. No warranty of any kind.");
    state.VersionInfo[LegalTrademarksIndex] = QString();
    state.VersionInfo[OriginalFileNameIndex] = QStringLiteral("Tavrel");
    state.VersionInfo[ProductNameIndex] = QStringLiteral("Tavrel");
    state.VersionInfo[ProductVersionIndex] = version;
    state.VersionInfo[CommentsIndex] =
        QStringLiteral("Libration, signal width, Doppler and spatial offset for EME paths");
}

QString MainWindowTitle(const QString& fileVersion)
{
    return QStringLiteral("Dravik Libration Calculator Ver ") + fileVersion.mid(5, 4);
}

int32_t FileDateStamp(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return -1;
    const QDateTime t = info.lastModified();
    const QDate d = t.date();
    const QTime h = t.time();
    if (d.year() < 1980 || d.year() > 2107)
        return -1;
    const uint32_t date = uint32_t((d.year() - 1980) << 9 | d.month() << 5 | d.day());
    const uint32_t time = uint32_t(h.hour() << 11 | h.minute() << 5 | h.second() / 2);
    return int32_t(date << 16 | time);
}

QDate StampDate(int32_t stamp)
{
    if (stamp == -1)
        return {};
    const uint32_t date = uint32_t(stamp) >> 16;
    return QDate(int(date >> 9) + 1980, int(date >> 5 & 0x0F), int(date & 0x1F));
}
