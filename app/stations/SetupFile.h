#pragma once

#include <QString>

#include "AppState.h"

// Name the set-up file is looked for by (whatever the case on disk).
inline constexpr char SetupFileName[] = "Tavrel.DAT";
// Name a new set-up file is created with.
inline constexpr char SetupFileSaveName[] = "Tavrel.dat";

enum class SetupLoadStatus {
    Loaded,     // the last whole record of the file is in AppState
    NotFound,   // missing, unopenable or without a whole record; "File not found" shown
    ReadFailed, // the file could not be read; the system's message shown
};

// The path of the set-up file in the current working directory, found without
// regard to case; empty when there is none.
QString FindSetupFile();

// Writes every stored field of `state` as one record, replacing the set-up
// file only once the new one is complete (an existing file keeps its name,
// otherwise "Tavrel.dat" is created). Shows "The Home Set up Data File has
// been updated." on success, or the system's message on failure, when the old
// file stays as it was. Returns whether the file was written; the caller then
// refreshes the station summary.
bool SaveSetup(AppState& state);

// Reads the set-up file into `state`. Nothing in `state` changes unless a whole
// record was read. The caller then selects the hint setting, writes the
// station summary and recalculates, whatever the result.
SetupLoadStatus LoadSetupAtStart(AppState& state);

// The same load for the set-up window's Get buttons; it loads every field of
// the record, not only the station the button names.
SetupLoadStatus LoadSetupForWindow(AppState& state);
