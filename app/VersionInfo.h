#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

struct AppState;

// The ten version strings, in the order AppState::VersionInfo holds them.
inline constexpr std::array<const char*, 10> VersionInfoNames = {
    "CompanyName",     "FileDescription",  "FileVersion", "InternalName",   "LegalCopyright",
    "LegalTrademarks", "OriginalFileName", "ProductName", "ProductVersion", "Comments"};
enum VersionInfoIndex {
    CompanyNameIndex = 0,
    FileDescriptionIndex,
    FileVersionIndex,
    InternalNameIndex,
    LegalCopyrightIndex,
    LegalTrademarksIndex,
    OriginalFileNameIndex,
    ProductNameIndex,
    ProductVersionIndex,
    CommentsIndex
};

// Fills VersionInfo. The version strings are compiled into this program, so
// they are found for an empty name (the running program) and for the
// program's own file name ("Tavrel", "Tavrel.exe", any case, any folder);
// any other file has no version strings and leaves all ten empty.
void ReadVersionInfo(AppState& state, const QString& fileName);

// "Dravik Libration Calculator Ver " + characters 6 to 9 of the file version.
QString MainWindowTitle(const QString& fileVersion);

// The file's modification time as a packed date-time stamp (date in the high
// 16 bits: years since 1980 << 9 | month << 5 | day; time in the low 16 bits:
// hour << 11 | minute << 5 | seconds / 2), or -1 when the file does not exist.
int32_t FileDateStamp(const QString& path);
QDate StampDate(int32_t stamp);
