#pragma once

#include <QPointer>
#include <QWidget>

#include "MessageBoxes.h"

// The program's message boxes: modal QMessageBoxes placed at the screen
// position each message asks for.
class QtMessageBoxes : public MessageBoxes
{
public:
    explicit QtMessageBoxes(QWidget* owner = nullptr);
    void SetOwner(QWidget* owner) { owner_ = owner; }

    Answer Show(Kind kind, Buttons buttons, const QString& title, const QString& text,
                QPoint position) override;

private:
    QPointer<QWidget> owner_;
};

// "\r" and "\r\n" of the program's messages as line breaks for the screen.
QString MessageTextForScreen(const QString& text);
