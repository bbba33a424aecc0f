#include "MessageBoxes.h"

namespace
{

MessageBoxes* installed = nullptr;

} // namespace

MessageBoxes::~MessageBoxes() = default;

MessageBoxes& Messages()
{
    if (installed)
        return *installed;
    // Never freed: a message may still be shown while the program shuts down.
    static auto* fallback = new ScriptedMessageBoxes();
    return *fallback;
}

void SetMessages(MessageBoxes* boxes)
{
    installed = boxes;
}

MessageBoxes::Answer ScriptedMessageBoxes::Show(Kind kind, Buttons buttons, const QString& title,
                                                const QString& text, QPoint position)
{
    shown.push_back({kind, buttons, title, text, position});
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

ScopedScriptedMessages::ScopedScriptedMessages() : previous_(&Messages())
{
    SetMessages(&boxes);
}

ScopedScriptedMessages::~ScopedScriptedMessages()
{
    SetMessages(previous_);
}
