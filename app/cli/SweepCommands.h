#pragma once

#include <QStringList>

// The chart reports: day, window, week, elevation, doppler, spatial.
int RunDayCommand(const QStringList& arguments);
int RunWindowCommand(const QStringList& arguments);
int RunWeekCommand(const QStringList& arguments);
int RunElevationCommand(const QStringList& arguments);
int RunDopplerCommand(const QStringList& arguments);
int RunSpatialCommand(const QStringList& arguments);

// The planner table over a date range.
int RunPlannerCommand(const QStringList& arguments);
