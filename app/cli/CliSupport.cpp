#include "CliSupport.h"

#include <QDate>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>

int UsageError(const QString& command, const QString& message)
{
    const QString text =
        QStringLiteral("tavrel-cli %1: %2\nTry 'tavrel-cli %1 --help'.\n").arg(command, message);
    std::fputs(text.toLocal8Bit().constData(), stderr);
    return ExitUsage;
}

bool ParseArguments(QCommandLineParser& parser, const QStringList& arguments,
                    const QString& command)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    if (!parser.parse(arguments)) {
        UsageError(command, parser.errorText());
        return false;
    }
    if (parser.isSet(help))
        parser.showHelp(ExitOk);
    if (!parser.positionalArguments().isEmpty()) {
        UsageError(
            command,
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
        return false;
    }
    return true;
}

std::optional<QString> RequiredValue(const QCommandLineParser& parser, const QString& option,
                                     const QString& command)
{
    if (!parser.isSet(option)) {
        UsageError(command, QStringLiteral("--%1 is required").arg(option));
        return std::nullopt;
    }
    return parser.value(option);
}

std::optional<long double> ParseNumber(const QString& text, long double min, long double max,
                                       QString& error)
{
    static const QRegularExpression decimal(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    if (!decimal.match(text).hasMatch()) {
        error = QStringLiteral("'%1' is not a number").arg(text);
        return std::nullopt;
    }
    const QByteArray bytes = text.toLatin1();
    const long double value = std::strtold(bytes.constData(), nullptr);
    if (!std::isfinite(value) || value < min || value > max) {
        error = QStringLiteral("%1 is outside %2 to %3")
                    .arg(text)
                    .arg(static_cast<double>(min))
                    .arg(static_cast<double>(max));
        return std::nullopt;
    }
    return value;
}

std::optional<CliDate> ParseDate(const QString& text, QString& error)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})$)"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (m.hasMatch()) {
        const CliDate date{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
        if (QDate(date.Year, date.Month, date.Day).isValid())
            return date;
        error = QStringLiteral("'%1' is not a date of the calendar").arg(text);
        return std::nullopt;
    }
    error = QStringLiteral("'%1' is not a date of the form YYYY-MM-DD").arg(text);
    return std::nullopt;
}

std::optional<CliTime> ParseTime(const QString& text, QString& error)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^(\d{1,2}):(\d{2})$)"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (m.hasMatch()) {
        const CliTime time{m.captured(1).toInt(), m.captured(2).toInt()};
        if (time.Hour <= 23 && time.Minute <= 59)
            return time;
        error = QStringLiteral("'%1' is not a time of day (00:00 to 23:59)").arg(text);
        return std::nullopt;
    }
    error = QStringLiteral("'%1' is not a time of the form HH:MM").arg(text);
    return std::nullopt;
}

QJsonValue JsonNumber(long double value)
{
    if (!std::isfinite(value))
        return QJsonValue(QJsonValue::Null);
    return value == 0 ? 0.0 : static_cast<double>(value);
}

void PrintOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}
