#pragma once

#include <QStringList>

#include <span>

// One subcommand of tavrel-cli. Run gets the subcommand's own arguments, its
// name first (as QCommandLineParser expects), and returns the exit code:
// 0 done, 2 bad usage.
struct CliCommand {
    const char* Name;
    const char* Summary;
    int (*Run)(const QStringList& arguments);
};

// Every subcommand, in the order the usage text lists them. A new subcommand
// is a file of its own with its Run function declared here and one line in
// the table in CliCommands.cpp.
std::span<const CliCommand> CliCommandTable();

int RunEphemerisCommand(const QStringList& arguments);
int RunAntennaCommand(const QStringList& arguments);
int RunSetupCommand(const QStringList& arguments);
int RunStationsCommand(const QStringList& arguments);
