#include "QtMessageBoxesDialog.h"

#include <QApplication>
#include <QMessageBox>

QtMessageBoxes::QtMessageBoxes(QWidget* owner) : owner_(owner) {}

QString MessageTextForScreen(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

MessageBoxes::Answer QtMessageBoxes::Show(Kind kind, Buttons buttons, const QString& title,
                                          const QString& text, QPoint position)
{
    QMessageBox box(owner_ ? owner_.data() : QApplication::activeWindow());
    switch (kind) {
    case Kind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Kind::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    case Kind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    box.setText(MessageTextForScreen(text));
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    if (position.x() >= 0 && position.y() >= 0) {
        box.adjustSize();
        box.move(position);
    }
    const int result = box.exec();
    if (buttons == Buttons::YesNo)
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}
