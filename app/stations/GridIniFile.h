#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "GridModel.h"

// The grid's INI file form: "DravikDXCC.ini" and "TavrelDataBase.ini" are
// written and read through these functions, and files written by other
// programs in the same form are read too.

struct GridFileResult {
    bool ok = true;
    QString message;          // why a load or save failed, ready to show
    QStringList warnings;     // "Check your system locale:" notes of values read as "?"
    bool fileMissing = false; // the load found no file and gave the empty default grid
    int version = 0;          // the version number of the file's "About" text
};

// Writes the whole grid, replacing the file only once the new one is complete;
// a failure leaves the old file as it was and carries the system's message.
// An existing file whose name differs only in case is the one replaced.
GridFileResult SaveGridToIni(const GridModel& grid, const QString& fileName);

// Replaces the grid by the file's contents. A missing file gives the empty
// default grid (5 x 5, one fixed column and row). Any failure leaves `grid`
// exactly as it was. Values that could not be converted are shown as "?" and
// their notes are shown through Messages() and returned in `warnings`.
GridFileResult LoadGridFromIni(GridModel& grid, const QString& fileName);

// The same on bytes already read; shows nothing.
GridFileResult LoadGridFromIniBytes(GridModel& grid, const QByteArray& bytes);
QByteArray GridToIniBytes(const GridModel& grid);

// The version number of an "About" text: "v3.4.4.9" gives 34409; 0 when the
// text does not have that form.
int GridFileVersion(const QString& about);

// A real in the file's scientific form of width 23: " 1.00000000000000E+0002".
QString FormatGridReal(double value);

// The version text this program writes under "About".
inline const QString kGridAboutText = QStringLiteral("v3.4.4.9");

// Files larger than these are refused before anything is built from them: a
// station list of 100 000 rows by 13 columns stays well within both.
constexpr qint64 kMaxGridFileBytes = 64LL * 1024 * 1024;
constexpr qint64 kMaxGridFileLines = 4000000;
