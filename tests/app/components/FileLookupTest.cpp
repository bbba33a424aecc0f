#include "FileLookup.h"

#include "WorkingDirFixture.h"

#include "QStringPrinter.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace
{

class FileLookup : public WorkingDirFixture
{
};

TEST_F(FileLookup, FindsAFileWhateverTheCaseOfItsName)
{
    Touch("TAVREL.dat");
    EXPECT_EQ(QFileInfo(FindExistingFile("Tavrel.DAT")).fileName(), "TAVREL.dat");
    EXPECT_EQ(QFileInfo(FindExistingFile("tavrel.dat")).fileName(), "TAVREL.dat");
    EXPECT_TRUE(QFileInfo(FindExistingFile("tavrel.dat")).isAbsolute());
}

TEST_F(FileLookup, PrefersTheExactName)
{
    Touch("TAVREL.DAT");
    Touch("Tavrel.DAT");
    Touch("tavrel.dat");
    EXPECT_EQ(QFileInfo(FindExistingFile("Tavrel.DAT")).fileName(), "Tavrel.DAT");
    EXPECT_EQ(QFileInfo(FindExistingFile("tavrel.dat")).fileName(), "tavrel.dat");
}

TEST_F(FileLookup, DirectoriesPipesAndMissingNamesGiveNothing)
{
    ASSERT_TRUE(QDir::current().mkdir("Tavrel.DAT"));
    EXPECT_TRUE(FindExistingFile("Tavrel.DAT").isEmpty());
    EXPECT_TRUE(FindExistingFile("tavrel.dat").isEmpty());
    EXPECT_TRUE(FindExistingFile("Other.ini").isEmpty());
    EXPECT_TRUE(FindExistingFile("").isEmpty());
    // A pipe would block whoever opens it.
    ASSERT_EQ(mkfifo("TAVRELS.INI", 0600), 0);
    EXPECT_TRUE(FindExistingFile("TavrelS.ini").isEmpty());
    EXPECT_TRUE(FindExistingFile("TAVRELS.INI").isEmpty());
}

TEST_F(FileLookup, LooksInTheCurrentDirectoryAtTheMomentOfTheCall)
{
    Touch("DravikDXCC.ini");
    ASSERT_FALSE(FindExistingFile("dravikdxcc.INI").isEmpty());
    ASSERT_TRUE(QDir::current().mkdir("sub"));
    ASSERT_TRUE(QDir::setCurrent("sub"));
    EXPECT_TRUE(FindExistingFile("dravikdxcc.INI").isEmpty());
}

} // namespace
