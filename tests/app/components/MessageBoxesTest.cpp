#include "MessageBoxes.h"

#include <gtest/gtest.h>

namespace
{

using MB = MessageBoxes;

TEST(ScriptedMessageBoxes, AnswersFromTheQueueThenByTheButtonsAndRecordsEverything)
{
    ScopedScriptedMessages scripted;
    scripted.boxes.answers = {MB::Answer::No};
    EXPECT_EQ(
        Messages().Show(MB::Kind::Confirmation, MB::Buttons::YesNo, "t", "first", QPoint(400, 300)),
        MB::Answer::No);
    EXPECT_EQ(
        Messages().Show(MB::Kind::Confirmation, MB::Buttons::YesNo, "t", "second", QPoint(-1, -1)),
        MB::Answer::Yes);
    EXPECT_EQ(Messages().Show(MB::Kind::Warning, MB::Buttons::Ok, "t", "third", QPoint(-1, -1)),
              MB::Answer::Ok);
    ASSERT_EQ(scripted.boxes.shown.size(), 3u);
    EXPECT_EQ(scripted.boxes.shown[0].text, "first");
    EXPECT_EQ(scripted.boxes.shown[0].position, QPoint(400, 300));
    EXPECT_EQ(scripted.boxes.shown[2].kind, MB::Kind::Warning);
}

TEST(ScriptedMessageBoxes, AScopeRestoresThePreviousBoxes)
{
    ScopedScriptedMessages outer;
    {
        ScopedScriptedMessages inner;
        Messages().Show(MB::Kind::Information, MB::Buttons::Ok, "t", "inner", QPoint(-1, -1));
        EXPECT_EQ(inner.boxes.shown.size(), 1u);
    }
    Messages().Show(MB::Kind::Information, MB::Buttons::Ok, "t", "outer", QPoint(-1, -1));
    ASSERT_EQ(outer.boxes.shown.size(), 1u);
    EXPECT_EQ(outer.boxes.shown[0].text, "outer");
}

} // namespace
