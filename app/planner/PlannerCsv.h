#pragma once

#include <QString>

#include "PlannerTable.h"

// The planner table as comma-separated text, for sharing a schedule: the
// headings first, then one line per row up to the last written one (a day
// label is a line of its own with the label in the first field, a separator
// a line of empty fields). Every line has one field per column; fields are
// quoted when they hold a comma, a quote or a line break; lines end in CR LF.
QString PlannerCsv(const PlannerTable& table);

// Writes PlannerCsv as UTF-8 to `path`, replacing an existing file only once
// the new one is complete. On failure the old file stays and `errorText`
// receives the system's message.
bool WritePlannerCsv(const PlannerTable& table, const QString& path, QString& errorText);
