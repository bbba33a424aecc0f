#pragma once

#include <QByteArray>
#include <QString>

// The single-byte code page of the program's files (Windows-1252). Texts are
// QString inside the program and become bytes only at the file boundaries.

// Every byte has a character: the five bytes the code page leaves undefined
// map to the control characters of the same number, so bytes round-trip.
QString FromWin1252(const QByteArray& bytes);

// Characters the code page cannot hold become '?'.
QByteArray ToWin1252(const QString& text);
