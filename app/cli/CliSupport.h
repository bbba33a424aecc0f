#pragma once

#include <QCommandLineParser>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>

// Exit codes of tavrel-cli.
inline constexpr int ExitOk = 0;
inline constexpr int ExitUsage = 2;

// Writes "tavrel-cli <command>: <message>" and a hint to stderr; returns ExitUsage.
int UsageError(const QString& command, const QString& message);

// Parses the subcommand's arguments; prints help and exits on --help. On a
// parse error (unknown option, missing value) reports it and returns false.
bool ParseArguments(QCommandLineParser& parser, const QStringList& arguments,
                    const QString& command);

// A required option's value, or a usage error if it is missing.
std::optional<QString> RequiredValue(const QCommandLineParser& parser, const QString& option,
                                     const QString& command);

// A finite decimal number within [min, max], or nothing (with the reason in error).
std::optional<long double> ParseNumber(const QString& text, long double min, long double max,
                                       QString& error);

struct CliDate {
    int Year, Month, Day;
};
struct CliTime {
    int Hour, Minute;
};
// YYYY-MM-DD of a real calendar date, and HH:MM with hours 0-23 and minutes 0-59.
std::optional<CliDate> ParseDate(const QString& text, QString& error);
std::optional<CliTime> ParseTime(const QString& text, QString& error);

// A number for JSON: the nearest double, with zero always written as 0 (never
// -0) and a missing number as null.
QJsonValue JsonNumber(long double value);

// Writes text to stdout as UTF-8.
void PrintOut(const QString& text);
