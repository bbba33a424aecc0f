#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "AppState.h"
#include "GridIniFile.h"
#include "StationDatabase.h"

namespace
{

namespace C = StationColumn;

// A database of `rows` rows (title row included) with stations at the given rows.
GridModel MakeDatabase(int rows)
{
    GridModel grid;
    ResetToEmptyDatabase(grid);
    grid.SetSize(C::Count, rows);
    grid.SetText(C::Location, 0, QStringLiteral("Location"));
    return grid;
}

void PutStation(GridModel& grid, int row, const QString& location, const QString& call)
{
    grid.SetText(C::Location, row, location);
    grid.SetText(C::CallSign, row, call);
}

StationRow Melbourne()
{
    StationRow s;
    s.Location = QStringLiteral("Melbourne");
    s.CallSign = QStringLiteral("VK3ABC");
    s.UtcOffset = 10;
    s.GridSquare = QStringLiteral("QF22le");
    s.HeightM = 35;
    s.LatDeg = 37;
    s.LatMin = 48;
    s.LatSec = 45;
    s.LatHemisphere = QStringLiteral("S");
    s.LongDeg = 144;
    s.LongMin = 57;
    s.LongSec = 30;
    s.LongHemisphere = QStringLiteral("E");
    return s;
}

TEST(StationDatabaseTest, FastFindMatchesLocationWholeCallAndPrefixPieces)
{
    GridModel grid = MakeDatabase(20);
    PutStation(grid, 1, QStringLiteral("Germany"), QStringLiteral("DA,DL"));
    PutStation(grid, 2, QStringLiteral("Australia"), QStringLiteral("VK,VL"));
    PutStation(grid, 3, QStringLiteral("Japan"), QStringLiteral("JA,JS,7J,8J"));       // 11
    PutStation(grid, 4, QStringLiteral("Ukraine"), QStringLiteral("UR-UZ,EM"));        // 8
    PutStation(grid, 5, QStringLiteral("Spratly"), QStringLiteral("1S0,9M0"));         // 7
    PutStation(grid, 6, QStringLiteral("Antarctica"), QStringLiteral("KC4A,CE9"));     // 8
    PutStation(grid, 7, QStringLiteral("Chicago"), QStringLiteral("W9ABC"));           // 5
    PutStation(grid, 8, QStringLiteral("My place"), QStringLiteral("VK3ABC"));         // 6
    PutStation(grid, 9, QStringLiteral("Svalbard"), QStringLiteral("jw"));             // 2
    PutStation(grid, 10, QStringLiteral("Scotland"), QStringLiteral("GM,MM,2M"));      // 8
    PutStation(grid, 11, QStringLiteral("Heard I."), QStringLiteral("vk0"));           // 3
    PutStation(grid, 12, QStringLiteral("Russia"), QStringLiteral("RA0A,RZ0Z"));       // 9
    PutStation(grid, 13, QStringLiteral("Sardinia"), QStringLiteral("IS0,IM0,X"));     // 9
    PutStation(grid, 14, QStringLiteral("Kure"), QStringLiteral("KH7K,AH,NH"));        // 10
    PutStation(grid, 17, QStringLiteral("Long list"), QStringLiteral("AB12,CD34,EF")); // 12

    struct Case {
        const char* typed;
        std::optional<int> row;
    };
    const Case cases[] = {
        {"vk", 2},
        {"VL", 2},
        {"germany", 1},
        {"dl", 1},
        {"7j", 3},
        {"8J", 3},
        {"em", 4},
        {"UR", 4},
        {"1s0", 5},
        {"9m0", 5},
        {"kc", 6},
        {"e9", 6},
        {"w9", 7},
        {"BC", 7},
        {"vk3abc", 8},
        {"vk3", std::nullopt},
        {"JW", 9},
        {"2m", 10},
        {"VK0", 11},
        {"RA0A", 12},
        {"RZ0", 12},
        {"IS0,", 13},
        {"KH7K", 14},
        {"NH", 14},
        {"ce", std::nullopt},
        {"E", std::nullopt},
        {"AB12", 17},
        {"CD34", 17},
        {"EF", std::nullopt},
        {"not found", std::nullopt},
    };
    for (const Case& c : cases) {
        const QString s = FastFindSearchText(QString::fromLatin1(c.typed));
        EXPECT_EQ(FastFind(grid, s), c.row) << c.typed;
    }
}

TEST(StationDatabaseTest, FastFindSixCharacterCallOnlyByWholeCallAndFromRowOne)
{
    GridModel grid = MakeDatabase(10);
    PutStation(grid, 3, QStringLiteral("A"), QStringLiteral("VK3ABC"));
    PutStation(grid, 5, QStringLiteral("B"), QStringLiteral("VK,VL"));
    PutStation(grid, 7, QStringLiteral("C"), QStringLiteral("VK,VL"));
    EXPECT_EQ(FastFind(grid, QStringLiteral("VK")), 5);
    EXPECT_EQ(FastFind(grid, QStringLiteral("VK")), 5); // repeating finds the same row
    EXPECT_EQ(FastFind(grid, QStringLiteral("VK3ABC")), 3);
    for (const char* part : {"VK3", "3ABC", "VK3AB", "ABC"})
        EXPECT_EQ(FastFind(grid, QString::fromLatin1(part)), std::nullopt) << part;
    // Upper-casing is of the letters a..z only.
    EXPECT_EQ(FastFindSearchText(QStringLiteral("vk3abc-é")), QStringLiteral("VK3ABC-é"));
}

TEST(StationDatabaseTest, FreeRowIsInTheUserAreaOnly)
{
    GridModel grid = MakeDatabase(FirstUserRow + 3);
    // A damaged list with holes among the protected rows: they stay untouched.
    for (int row = 1; row <= LastProtectedRow; ++row)
        if (row % 50 != 0)
            PutStation(grid, row, QStringLiteral("P%1").arg(row), QStringLiteral("X"));
    EXPECT_EQ(FindFreeRow(grid), FirstUserRow);
    PutStation(grid, FirstUserRow, QStringLiteral("Mine"), QStringLiteral("X"));
    EXPECT_EQ(FindFreeRow(grid), FirstUserRow + 1);
    // A row with only a call sign still counts as free: the location decides.
    grid.SetText(C::CallSign, FirstUserRow + 1, QStringLiteral("K1"));
    EXPECT_EQ(FindFreeRow(grid), FirstUserRow + 1);
    PutStation(grid, FirstUserRow + 1, QStringLiteral("Two"), QStringLiteral("X"));
    PutStation(grid, FirstUserRow + 2, QStringLiteral("Three"), QStringLiteral("X"));
    EXPECT_EQ(FindFreeRow(grid), std::nullopt);
}

TEST(StationDatabaseTest, AddingToAFullOrShortGridWritesNothing)
{
    struct Case {
        int rows;
        bool fillUserArea;
    };
    for (const Case& c : {Case{FirstUserRow + 2, true}, Case{300, false}, Case{1, false}}) {
        GridModel grid = MakeDatabase(c.rows);
        if (c.fillUserArea)
            for (int row = FirstUserRow; row < c.rows; ++row)
                PutStation(grid, row, QStringLiteral("U%1").arg(row), QStringLiteral("X"));
        const QByteArray before = GridToIniBytes(grid);
        const AddStationResult added = AddStationToUserArea(grid, Melbourne());
        EXPECT_EQ(added.Row, -1) << c.rows;
        EXPECT_EQ(added.Message, QStringLiteral("Grid index out of range")) << c.rows;
        EXPECT_EQ(GridToIniBytes(grid), before) << c.rows;
    }
    // Writing straight into a protected row is refused as well.
    GridModel grid = MakeDatabase(FirstUserRow + 1);
    EXPECT_FALSE(WriteStationRow(grid, LastProtectedRow, Melbourne()).isEmpty());
    EXPECT_TRUE(grid.CellIsEmpty(C::Location, LastProtectedRow));
}

TEST(StationDatabaseTest, AddedStationIsInRow460OfTheSavedFileAndReadsBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    GridModel grid = MakeDatabase(FirstUserRow + 5);
    for (int row = 1; row <= LastProtectedRow; ++row)
        PutStation(grid, row, QStringLiteral("P%1").arg(row), QStringLiteral("X"));
    const AddStationResult added = AddStationToUserArea(grid, Melbourne());
    ASSERT_EQ(added.Row, FirstUserRow);
    EXPECT_EQ(grid.Value(C::UtcOffset, FirstUserRow).Type, GridVarType::Double);
    EXPECT_EQ(grid.Value(C::HeightM, FirstUserRow).Type, GridVarType::Double);
    EXPECT_TRUE(grid.Value(C::LatDeg, FirstUserRow).IsText());

    const QString path = dir.filePath(DatabaseFileName);
    ASSERT_TRUE(SaveGridToIni(grid, path).ok);
    GridModel reread;
    ASSERT_TRUE(LoadGridFromIni(reread, path).ok);
    const StationRowRead read = ReadStationRow(reread, FirstUserRow);
    ASSERT_TRUE(read.Row.has_value()) << read.Message.toStdString();
    const StationRow& s = *read.Row;
    EXPECT_EQ(s.Location, QStringLiteral("Melbourne"));
    EXPECT_EQ(s.CallSign, QStringLiteral("VK3ABC"));
    EXPECT_EQ(s.GridSquare, QStringLiteral("QF22le"));
    EXPECT_EQ(double(s.UtcOffset), 10.0);
    EXPECT_EQ(double(s.HeightM), 35.0);
    EXPECT_EQ(std::tuple(s.LatDeg, s.LatMin, s.LatSec, s.LongDeg, s.LongMin, s.LongSec),
              std::tuple(37, 48, 45, 144, 57, 30));
    EXPECT_EQ(s.LatHemisphere, QStringLiteral("S"));
    EXPECT_EQ(s.LongHemisphere, QStringLiteral("E"));
}

TEST(StationDatabaseTest, TakingARowSetsTheStationAndItsSignedPosition)
{
    GridModel grid = MakeDatabase(10);
    struct Case {
        const char* latLetter;
        const char* longLetter;
        double lat;
        double lon;
    };
    const Case cases[] = {
        {"S", "E", -37.8125, 144.958333333333},
        {"s", "w", -37.8125, -144.958333333333},
        {"N", "W", 37.8125, -144.958333333333},
        {"North", "East", 37.8125, 144.958333333333},
    };
    for (const Case& c : cases) {
        StationRow s = Melbourne();
        s.LatHemisphere = QString::fromLatin1(c.latLetter);
        s.LongHemisphere = QString::fromLatin1(c.longLetter);
        s.Location = QStringLiteral("A location far too long for the field");
        s.CallSign = QStringLiteral("VK3ABCDEFG");
        grid.SetSize(C::Count, FirstUserRow + 1);
        ASSERT_TRUE(WriteStationRow(grid, FirstUserRow, s).isEmpty());

        AppState dx;
        dx.ShowStationB = 0; // "Stn A only" chosen before
        ASSERT_EQ(SelectStationFromRow(dx, grid, FirstUserRow, Station::Dx).Status,
                  TakeStatus::Taken);
        EXPECT_NEAR(double(dx.DxLatitude), c.lat, 1e-9) << c.latLetter;
        EXPECT_NEAR(double(dx.DxLongitude), c.lon, 1e-9) << c.longLetter;
        EXPECT_EQ(dx.DxLatHemisphere, QString::fromLatin1(c.latLetter).left(1));
        EXPECT_EQ(dx.DxLocation, QStringLiteral("A location far "));
        EXPECT_EQ(dx.DxCallSign, QStringLiteral("VK3ABCDE"));
        EXPECT_EQ(dx.DxGridSquare, QStringLiteral("QF22le"));
        EXPECT_EQ(dx.ShowStationB, 1);

        AppState home;
        ASSERT_EQ(SelectStationFromRow(home, grid, FirstUserRow, Station::Home).Status,
                  TakeStatus::Taken);
        EXPECT_NEAR(double(home.HomeLatitude), c.lat, 1e-9);
        EXPECT_NEAR(double(home.HomeLongitude), c.lon, 1e-9);
        EXPECT_EQ(home.HomeGridSquare, QStringLiteral("QF22le"));
        EXPECT_EQ(double(home.HomeUtcOffset), 10.0);
        EXPECT_EQ(double(home.HomeHeightM), 35.0);
        EXPECT_EQ(home.ShowStationB, 0);
        EXPECT_TRUE(home.DxCallSign.isEmpty());
    }
}

TEST(StationDatabaseTest, UnreadableRowsAreRefusedAndChangeNothing)
{
    struct Case {
        int col;
        const char* text;
        const char* mention;
    };
    const Case cases[] = {
        {C::UtcOffset, "ten", "UTC offset"},      {C::UtcOffset, "5,5", "UTC offset"},
        {C::UtcOffset, "30", "UTC offset"},       {C::HeightM, "high", "height"},
        {C::LatDeg, "91", "latitude degrees"},    {C::LatDeg, "-5", "latitude degrees"},
        {C::LatMin, "60", "latitude minutes"},    {C::LongSec, "12.5", "longitude seconds"},
        {C::LongDeg, "181", "longitude degrees"},
    };
    for (const Case& c : cases) {
        GridModel grid = MakeDatabase(FirstUserRow + 1);
        ASSERT_TRUE(WriteStationRow(grid, FirstUserRow, Melbourne()).isEmpty());
        grid.SetText(c.col, FirstUserRow, QString::fromLatin1(c.text));
        AppState state;
        state.DxCallSign = QStringLiteral("KEEP");
        const TakeResult taken = SelectStationFromRow(state, grid, FirstUserRow, Station::Dx);
        EXPECT_EQ(taken.Status, TakeStatus::Refused) << c.text;
        EXPECT_TRUE(taken.Message.contains(QString::fromLatin1(c.mention))) << c.text;
        EXPECT_TRUE(taken.Message.contains(QString::fromLatin1(c.text))) << c.text;
        EXPECT_EQ(state.DxCallSign, QStringLiteral("KEEP")) << c.text;
        EXPECT_EQ(state.ShowStationB, 0) << c.text;
    }
    // 90 degrees with minutes beyond it is no place on Earth.
    GridModel grid = MakeDatabase(FirstUserRow + 1);
    StationRow pole = Melbourne();
    pole.LatDeg = 90;
    pole.LatMin = 30;
    ASSERT_TRUE(WriteStationRow(grid, FirstUserRow, pole).isEmpty());
    AppState state;
    EXPECT_EQ(SelectStationFromRow(state, grid, FirstUserRow, Station::Home).Status,
              TakeStatus::Refused);

    // The title row and rows outside the grid take nothing and say nothing;
    // an empty row says so.
    for (int row : {0, -1, FirstUserRow + 1}) {
        const TakeResult none = SelectStationFromRow(state, grid, row, Station::Dx);
        EXPECT_EQ(none.Status, TakeStatus::NothingTaken) << row;
        EXPECT_TRUE(none.Message.isEmpty()) << row;
    }
    grid.SetSize(C::Count, FirstUserRow + 2);
    EXPECT_EQ(SelectStationFromRow(state, grid, FirstUserRow + 1, Station::Dx).Status,
              TakeStatus::Refused);
    EXPECT_EQ(state.ShowStationB, 0);
}

TEST(StationDatabaseTest, DeletingMovesUserRowsUpAndKeepsTheProtectedList)
{
    GridModel grid = MakeDatabase(FirstUserRow + 3);
    PutStation(grid, LastProtectedRow, QStringLiteral("Protected"), QStringLiteral("P"));
    PutStation(grid, FirstUserRow, QStringLiteral("First"), QStringLiteral("A"));
    PutStation(grid, FirstUserRow + 1, QStringLiteral("Second"), QStringLiteral("B"));
    grid.RowSettings[QStringLiteral("RowHeights")][FirstUserRow + 1] = QStringLiteral("30");

    for (int row : {0, 1, LastProtectedRow, FirstUserRow + 3})
        EXPECT_FALSE(DeleteUserRow(grid, row)) << row;
    EXPECT_EQ(grid.CellText(C::Location, LastProtectedRow), QStringLiteral("Protected"));

    ASSERT_TRUE(DeleteUserRow(grid, FirstUserRow));
    EXPECT_EQ(grid.RowCount(), FirstUserRow + 3);
    EXPECT_EQ(grid.CellText(C::Location, FirstUserRow), QStringLiteral("Second"));
    EXPECT_EQ(grid.CellText(C::CallSign, FirstUserRow), QStringLiteral("B"));
    EXPECT_EQ(grid.RowHeight(FirstUserRow), 30);
    EXPECT_TRUE(grid.CellIsEmpty(C::Location, FirstUserRow + 1));
    EXPECT_TRUE(grid.CellIsEmpty(C::CallSign, FirstUserRow + 2));
    EXPECT_EQ(grid.CellText(C::Location, LastProtectedRow), QStringLiteral("Protected"));
    EXPECT_EQ(FindFreeRow(grid), FirstUserRow + 1);
}

TEST(StationDatabaseTest, QuestionsAndHemispheresOfTheSetUpWindow)
{
    GridModel grid = MakeDatabase(FirstUserRow + 1);
    ASSERT_TRUE(WriteStationRow(grid, FirstUserRow, Melbourne()).isEmpty());
    EXPECT_EQ(DeleteQuestion(grid, FirstUserRow),
              QStringLiteral("Delete this entry ? \r\n\r\nMelbourne VK3ABC 10 QF22le"));

    struct Case {
        const char* latButton;
        const char* longButton;
        double lat;
        double lon;
    };
    for (const Case& c :
         {Case{"S", "E", -37.8125, 144.958333333333}, Case{"N", "W", 37.8125, -144.958333333333},
          Case{"s", "e", 37.8125, -144.958333333333}}) {
        AppState state;
        state.DxLatDeg = 37;
        state.DxLatMin = 48;
        state.DxLatSec = 45;
        state.DxLongDeg = 144;
        state.DxLongMin = 57;
        state.DxLongSec = 30;
        TakeDxHemispheresFromButtons(state, QString::fromLatin1(c.latButton),
                                     QString::fromLatin1(c.longButton));
        EXPECT_NEAR(double(state.DxLatitude), c.lat, 1e-9) << c.latButton;
        EXPECT_NEAR(double(state.DxLongitude), c.lon, 1e-9) << c.longButton;
        EXPECT_EQ(state.ShowStationB, 1);
    }
    EXPECT_TRUE(ProtectedRowMessage().startsWith(
        QStringLiteral("Editing the Dravik \u00a9 Data Base is not permitted.\r\r    If you")));
}

} // namespace
