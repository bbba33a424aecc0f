#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>

#include "MessageBoxes.h"

// Helpers of the commands that inspect data files (setup, stations): the files
// come from anywhere, so every value is printed in a form that cannot upset a
// terminal or a line-based reader.

// Exit code of an inspection with nothing to show: a missing, refused or
// unreadable file, or a fast find without a match.
inline constexpr int ExitFileRefused = 1;

// The shortest text that reads back as the same extended value; "NaN",
// "Infinity" and "-Infinity" for the non-finite ones, and "0" for zero of
// either sign.
QString ExtendedText(long double value);

// A finite value within the range of a JSON number as that number; anything
// else (NaN, infinities, extended values beyond a double) as ExtendedText.
QJsonValue ExtendedJson(long double value);

// The text in double quotes with backslash, quote, tab, line breaks and every
// other control character escaped (\t, \r, \n, \xNN, \uNNNN).
QString QuotedText(const QString& text);

// Message boxes that answer by default and keep what the loaders showed, so a
// command can report the program's own messages.
class CollectedMessages : public MessageBoxes
{
public:
    CollectedMessages();
    ~CollectedMessages() override;
    CollectedMessages(const CollectedMessages&) = delete;
    CollectedMessages& operator=(const CollectedMessages&) = delete;

    Answer Show(Kind kind, Buttons buttons, const QString& title, const QString& text,
                QPoint position) override;

    QStringList texts;

private:
    MessageBoxes* previous_;
};
