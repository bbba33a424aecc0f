#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "QtMessageBoxesDialog.h"

namespace
{

TEST(QtMessageBoxesTest, ShowsAtThePositionAndReturnsTheButtonPressed)
{
    struct Case {
        MessageBoxes::Kind kind;
        MessageBoxes::Buttons buttons;
        QMessageBox::StandardButton press;
        MessageBoxes::Answer answer;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {MessageBoxes::Kind::Confirmation, MessageBoxes::Buttons::YesNo, QMessageBox::No,
         MessageBoxes::Answer::No, QMessageBox::Question},
        {MessageBoxes::Kind::Warning, MessageBoxes::Buttons::YesNo, QMessageBox::Yes,
         MessageBoxes::Answer::Yes, QMessageBox::Warning},
        {MessageBoxes::Kind::Information, MessageBoxes::Buttons::Ok, QMessageBox::Ok,
         MessageBoxes::Answer::Ok, QMessageBox::Information},
        {MessageBoxes::Kind::Error, MessageBoxes::Buttons::Ok, QMessageBox::Ok,
         MessageBoxes::Answer::Ok, QMessageBox::Critical},
    };
    QtMessageBoxes boxes;
    for (const Case& c : cases) {
        QPoint seenAt;
        QString seenText;
        QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
        bool hadButton = false;
        // The box is modal: look at it and answer from the event loop it runs.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seenAt = box->pos();
            seenText = box->text();
            seenIcon = box->icon();
            QAbstractButton* button = box->button(c.press);
            hadButton = button != nullptr;
            if (button)
                button->click();
            else
                box->reject();
        });
        const MessageBoxes::Answer answer =
            boxes.Show(c.kind, c.buttons, QString(), QStringLiteral("First\r\rSecond\r\nThird"),
                       QPoint(400, 300));
        EXPECT_TRUE(hadButton);
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(seenAt, QPoint(400, 300));
        EXPECT_EQ(seenText, QStringLiteral("First\n\nSecond\nThird"));
        EXPECT_EQ(seenIcon, c.icon);
    }
}

} // namespace
