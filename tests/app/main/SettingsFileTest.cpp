#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "../components/WorkingDirFixture.h"
#include "SettingsFile.h"

namespace
{

class SettingsFileTest : public WorkingDirFixture
{
};

const WindowGeometry Design{0, 0, 1009, 770};

TEST_F(SettingsFileTest, ReadsTheFourKeysWhateverTheirCase)
{
    struct Case {
        const char* name;
        const char* fileName;
        const char* content;
        WindowGeometry expected;
    };
    const Case cases[] = {
        {"as written",
         "TavrelS.ini",
         "[Position]\r\nLeft=10\r\nTop=20\r\nWidth=900\r\nHeight=700\r\n",
         {10, 20, 900, 700}},
        {"section read as position",
         "TavrelS.ini",
         "[position]\nleft=1\ntop=2\nwidth=3\nheight=4\n",
         {1, 2, 3, 4}},
        {"upper case, spaces, other file-name case",
         "TAVRELS.INI",
         "[ POSITION ]\n LEFT = 5 \nTOP=6\nWIDTH=7\nHEIGHT=8\n",
         {5, 6, 7, 8}},
        {"missing keys keep the design values",
         "TavrelS.ini",
         "[Position]\nTop=33\n",
         {0, 33, 1009, 770}},
        {"not a number keeps the design value",
         "TavrelS.ini",
         "[Position]\nLeft=abc\nTop=-40\nWidth=12.5\n",
         {0, -40, 1009, 770}},
        {"keys of another section are not taken",
         "TavrelS.ini",
         "[Other]\nLeft=99\n[Position]\nTop=7\n",
         {0, 7, 1009, 770}},
        {"no section at all", "TavrelS.ini", "Left=50\n", Design},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(QString::fromLatin1(c.fileName), QByteArray(c.content));
        const WindowGeometry g = ReadSettingsFile(Design);
        EXPECT_EQ(g.Left, c.expected.Left);
        EXPECT_EQ(g.Top, c.expected.Top);
        EXPECT_EQ(g.Width, c.expected.Width);
        EXPECT_EQ(g.Height, c.expected.Height);
        QFile::remove(QString::fromLatin1(c.fileName));
    }
}

TEST_F(SettingsFileTest, MissingFileKeepsTheDesignGeometry)
{
    const WindowGeometry g = ReadSettingsFile(Design);
    EXPECT_EQ(g.Width, 1009);
    EXPECT_EQ(g.Height, 770);
}

TEST_F(SettingsFileTest, WritingCreatesTheFileWithTheFourKeysUnderPosition)
{
    ASSERT_TRUE(WriteSettingsFile({12, 34, 1100, 820}));
    EXPECT_EQ(ReadFile(QStringLiteral("TavrelS.ini")),
              QByteArray("[Position]\r\nLeft=12\r\nTop=34\r\nWidth=1100\r\nHeight=820\r\n"));
    const WindowGeometry g = ReadSettingsFile(Design);
    EXPECT_EQ(g.Left, 12);
    EXPECT_EQ(g.Height, 820);
}

TEST_F(SettingsFileTest, WritingKeepsTheExistingFileNameAndOtherContent)
{
    WriteFile(QStringLiteral("tavrels.ini"),
              "; my notes\n[Colours]\nBack=3\n[position]\nleft=1\nExtra=yes\n\n[Last]\nA=1\n");
    ASSERT_TRUE(WriteSettingsFile({5, 6, 7, 8}));
    EXPECT_EQ(QDir(DirPath()).entryList(QDir::Files), QStringList{QStringLiteral("tavrels.ini")});
    EXPECT_EQ(
        ReadFile(QStringLiteral("tavrels.ini")),
        QByteArray("; my notes\r\n[Colours]\r\nBack=3\r\n[position]\r\nLeft=5\r\nExtra=yes\r\n"
                   "Top=6\r\nWidth=7\r\nHeight=8\r\n\r\n[Last]\r\nA=1\r\n"));
}

TEST_F(SettingsFileTest, FailedWriteIsReported)
{
    // A folder in the file's place cannot be replaced by a file.
    ASSERT_TRUE(QDir(DirPath()).mkdir(QStringLiteral("TavrelS.ini")));
    QString error;
    EXPECT_FALSE(WriteSettingsFile({5, 6, 7, 8}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(QStringLiteral("TavrelS.ini")).isDir());
    // Reading falls back to the design values.
    EXPECT_EQ(ReadSettingsFile(Design).Width, 1009);
}

} // namespace
