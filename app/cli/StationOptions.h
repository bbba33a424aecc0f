#pragma once

#include <QCommandLineParser>
#include <QString>

struct AppState;

// The options every chart and planner report shares: the stations, band and
// date come from "Tavrel.DAT" in the current directory, read as the program
// reads it at start, and these options replace single values.
void AddStationOptions(QCommandLineParser& parser);

// Fills `state` as the program's start leaves it (set-up file loaded, band
// restored, Moon, both stations, horizon mode, today's date, second 0), then
// applies the options. Returns false after reporting a bad option value.
bool PrepareState(AppState& state, const QCommandLineParser& parser, const QString& command);

// "Home 52.1000 N ..." lines naming what a report was computed for.
QString StateSummary(const AppState& state);
