#pragma once

#include <QString>

// The main window's place and size as "TavrelS.ini" keeps them, in pixels.
struct WindowGeometry {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

inline const QString SettingsFileName = QStringLiteral("TavrelS.ini");

// Reads "Left", "Top", "Width" and "Height" of section "position" from
// "TavrelS.ini" in the current directory; section, keys and the file name are
// matched without regard to case. A missing file or key, or a value that is
// not a whole number, keeps the corresponding value of current.
WindowGeometry ReadSettingsFile(const WindowGeometry& current);

// Writes the four keys into section "Position", creating the file when needed.
// Other sections and keys of an existing file are kept as they are. The old
// file is replaced only once the new one is complete; on failure it is left
// untouched and error (when given) says why.
bool WriteSettingsFile(const WindowGeometry& geometry, QString* error = nullptr);
