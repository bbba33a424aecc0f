// tavrel-cli: reports of the Tavrel core on the command line, for scripting
// and headless checks. `tavrel-cli <command> [options]`.

#include "CliCommands.h"
#include "CliSupport.h"

#include <QCoreApplication>

#include <cstdio>

namespace
{

QString Usage()
{
    QString text = QStringLiteral("Usage: tavrel-cli <command> [options]\n"
                                  "       tavrel-cli --version\n\nCommands:\n");
    for (const CliCommand& c : CliCommandTable())
        text += QStringLiteral("  %1  %2\n").arg(QString::fromLatin1(c.Name), -10).arg(c.Summary);
    text += QStringLiteral("\n'tavrel-cli <command> --help' describes a command's options.\n");
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavrel-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVREL_VERSION));

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs(Usage().toLocal8Bit().constData(), stderr);
        return ExitUsage;
    }
    const QString command = arguments.at(1);
    if (command == QLatin1String("--version") || command == QLatin1String("-v")) {
        PrintOut(QStringLiteral("tavrel-cli %1\n").arg(QStringLiteral(TAVREL_VERSION)));
        return ExitOk;
    }
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        PrintOut(Usage());
        return ExitOk;
    }
    for (const CliCommand& c : CliCommandTable()) {
        if (command == QLatin1String(c.Name)) {
            // The subcommand sees "tavrel-cli <command>" as its program name.
            QStringList own = arguments.mid(2);
            own.prepend(QStringLiteral("tavrel-cli ") + command);
            return c.Run(own);
        }
    }
    std::fputs(QStringLiteral("tavrel-cli: unknown command '%1'\n\n")
                   .arg(command)
                   .toLocal8Bit()
                   .constData(),
               stderr);
    std::fputs(Usage().toLocal8Bit().constData(), stderr);
    return ExitUsage;
}
