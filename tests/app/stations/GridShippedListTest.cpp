#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include "AppState.h"
#include "GridIniFile.h"
#include "Locator.h"
#include "StationDatabase.h"
#include "StationFields.h"

namespace
{

const QString kShippedList = QStringLiteral(TAVREL_SOURCE_DIR "/data/DravikDXCC.ini");

class GridShippedList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const GridFileResult result = LoadGridFromIni(grid, kShippedList);
        ASSERT_TRUE(result.ok) << result.message.toStdString();
        ASSERT_FALSE(result.fileMissing);
        ASSERT_TRUE(result.warnings.isEmpty());
        ASSERT_EQ(grid.ColCount(), StationColumn::Count);
    }

    int RowOf(const QString& location) const
    {
        for (int row = 1; row < grid.RowCount(); ++row)
            if (grid.CellText(StationColumn::Location, row) == location)
                return row;
        return -1;
    }

    GridModel grid;
};

} // namespace

TEST_F(GridShippedList, HasTitlesProtectedRowsAndAnEmptyUserArea)
{
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    for (int col = 0; col < StationColumn::Count; ++col)
        EXPECT_FALSE(grid.CellText(col, 0).isEmpty()) << "title of column " << col;

    int protectedRows = 0;
    for (int row = 1; row < grid.RowCount() && !grid.CellIsEmpty(StationColumn::Location, row);
         ++row)
        ++protectedRows;
    EXPECT_EQ(protectedRows, LastProtectedRow);
    for (int row = FirstUserRow; row < grid.RowCount(); ++row)
        for (int col = 0; col < StationColumn::Count; ++col)
            ASSERT_EQ(grid.Cell(col, row), nullptr) << col << " " << row;
    EXPECT_GT(grid.RowCount(), FirstUserRow + 100);
    EXPECT_EQ(FindFreeRow(grid), std::optional<int>(FirstUserRow));
}

TEST_F(GridShippedList, EveryStationRowIsCompleteAndItsGridSquareMatchesItsPosition)
{
    namespace C = StationColumn;
    const QRegularExpression wholeNumber(QStringLiteral("^[0-9]+$"));
    QSet<QString> names;
    for (int row = 1; row <= LastProtectedRow; ++row) {
        SCOPED_TRACE(row);
        const QString name = grid.CellText(C::Location, row);
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
        EXPECT_FALSE(grid.CellText(C::CallSign, row).isEmpty());

        const GridValue offset = grid.Value(C::UtcOffset, row);
        EXPECT_EQ(offset.Type, GridVarType::Double);
        EXPECT_GE(offset.Number, -12);
        EXPECT_LE(offset.Number, 14);
        const GridValue height = grid.Value(C::HeightM, row);
        EXPECT_EQ(height.Type, GridVarType::Double);
        EXPECT_EQ(height.Number, 0);

        int parts[6];
        const int columns[6] = {C::LatDeg,  C::LatMin,  C::LatSec,
                                C::LongDeg, C::LongMin, C::LongSec};
        for (int i = 0; i < 6; ++i) {
            const QString text = grid.CellText(columns[i], row);
            ASSERT_TRUE(wholeNumber.match(text).hasMatch()) << text.toStdString();
            parts[i] = text.toInt();
        }
        EXPECT_LE(parts[0], 90);
        EXPECT_LE(parts[3], 180);
        for (int i : {1, 2, 4, 5})
            EXPECT_LE(parts[i], 59);
        const QString ns = grid.CellText(C::LatHemisphere, row);
        const QString ew = grid.CellText(C::LongHemisphere, row);
        EXPECT_TRUE(ns == QLatin1String("N") || ns == QLatin1String("S")) << ns.toStdString();
        EXPECT_TRUE(ew == QLatin1String("E") || ew == QLatin1String("W")) << ew.toStdString();

        AppState state;
        state.DxLatDeg = parts[0];
        state.DxLatMin = parts[1];
        state.DxLatSec = parts[2];
        state.DxLongDeg = parts[3];
        state.DxLongMin = parts[4];
        state.DxLongSec = parts[5];
        state.DxLatHemisphere = ns;
        state.DxLongHemisphere = ew;
        EXPECT_EQ(grid.CellText(C::GridSquare, row), PositionToLocator(state, Station::Dx))
            << name.toStdString();
    }
}

TEST_F(GridShippedList, KnownStationsStandWhereTheyShould)
{
    namespace C = StationColumn;
    struct Case {
        const char* location;
        const char* prefix;
        double utcOffset;
        const char* gridSquare;
        const char* ns;
        const char* ew;
    } cases[] = {
        // Countries: west-positive longitudes and reversed offsets turned round.
        {"Australia", "VK,VI,VJ,VL", 10, "PG66dh", "S", "E"},
        {"United States", "K", -5, "EM47bo", "N", "W"},
        {"Japan", "JA,JE,JF,JG", 9, "PM96ej", "N", "E"},
        {"Argentina", "LU,LO,LP,LQ", -3, "FF87wm", "S", "W"},
        {"Kerguelen Islands", "FTX", 5, "ME41pa", "S", "E"},
        // Call areas and states at their capitals.
        {"California", "W6", -8, "CM98gn", "N", "W"},
        {"South Australia", "VK5", 9.5, "PF95hb", "S", "E"},
        {"Newfoundland", "VO1", -3.5, "GN37pn", "N", "W"},
        {"Kanto", "JA1", 9, "PM95uq", "N", "E"},
    };
    for (const Case& c : cases) {
        const int row = RowOf(QLatin1String(c.location));
        ASSERT_GT(row, 0) << c.location;
        EXPECT_LE(row, LastProtectedRow) << c.location;
        EXPECT_EQ(grid.CellText(C::CallSign, row), QLatin1String(c.prefix)) << c.location;
        EXPECT_EQ(grid.Value(C::UtcOffset, row).Number, c.utcOffset) << c.location;
        EXPECT_EQ(grid.CellText(C::GridSquare, row), QLatin1String(c.gridSquare)) << c.location;
        EXPECT_EQ(grid.CellText(C::LatHemisphere, row), QLatin1String(c.ns)) << c.location;
        EXPECT_EQ(grid.CellText(C::LongHemisphere, row), QLatin1String(c.ew)) << c.location;
    }
    // The countries come first, in name order; the call areas and states follow.
    EXPECT_LT(RowOf(QStringLiteral("Zimbabwe")), RowOf(QStringLiteral("Alabama")));
    EXPECT_LT(RowOf(QStringLiteral("Afghanistan")), RowOf(QStringLiteral("Zimbabwe")));
}
