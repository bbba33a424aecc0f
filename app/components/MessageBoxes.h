#pragma once

#include <QPoint>
#include <QString>
#include <deque>
#include <vector>

// Modal message boxes with a type, buttons and a screen position. The windows
// install the Qt implementation; core code and tests only see this interface.
class MessageBoxes
{
public:
    enum class Kind { Information, Warning, Confirmation, Error };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    // position is a screen position, or (-1, -1) for the default placement.
    virtual Answer Show(Kind kind, Buttons buttons, const QString& title, const QString& text,
                        QPoint position) = 0;
    virtual ~MessageBoxes();
};

// The process-wide message boxes. Until SetMessages installs others, messages
// go to a scripted instance that answers by default, so nothing ever blocks.
MessageBoxes& Messages();
// Installs `boxes` (not owned; nullptr returns to the default instance).
void SetMessages(MessageBoxes* boxes);

// Answers from a queue (Yes or Ok by the buttons when the queue is empty) and
// records every message shown.
class ScriptedMessageBoxes : public MessageBoxes
{
public:
    struct Shown {
        Kind kind;
        Buttons buttons;
        QString title;
        QString text;
        QPoint position;
    };

    Answer Show(Kind kind, Buttons buttons, const QString& title, const QString& text,
                QPoint position) override;

    std::deque<Answer> answers;
    std::vector<Shown> shown;
};

// Installs a scripted instance for the life of a scope and restores the
// previous one afterwards.
class ScopedScriptedMessages
{
public:
    ScopedScriptedMessages();
    ~ScopedScriptedMessages();
    ScopedScriptedMessages(const ScopedScriptedMessages&) = delete;
    ScopedScriptedMessages& operator=(const ScopedScriptedMessages&) = delete;

    ScriptedMessageBoxes boxes;

private:
    MessageBoxes* previous_;
};
