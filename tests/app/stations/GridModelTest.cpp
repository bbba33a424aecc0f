#include <gtest/gtest.h>

#include "GridModel.h"

TEST(GridModel, ResizeDropsWhatFallsOutsideAndRefusesImpossibleSizes)
{
    GridModel grid;
    ASSERT_TRUE(grid.SetSize(13, 500));
    ASSERT_TRUE(grid.SetText(12, 499, QStringLiteral("corner")));
    ASSERT_TRUE(grid.SetText(2, 3, QStringLiteral("kept")));
    grid.ColumnSettings[QStringLiteral("Col.Width")][12] = QStringLiteral("80");
    grid.RowSettings[QStringLiteral("RowHeights")][499] = QStringLiteral("30");
    grid.ColumnCustomData[12] = GridValue::MakeNumber(1);

    ASSERT_TRUE(grid.SetSize(12, 400));
    EXPECT_EQ(grid.Cells().size(), 1u);
    EXPECT_EQ(grid.CellText(2, 3), QStringLiteral("kept"));
    EXPECT_TRUE(grid.ColumnSettings[QStringLiteral("Col.Width")].empty());
    EXPECT_TRUE(grid.RowSettings[QStringLiteral("RowHeights")].empty());
    EXPECT_TRUE(grid.ColumnCustomData.empty());

    struct Case {
        int cols, rows;
    } refused[] = {
        {-1, 5}, {5, -1}, {GridModel::kMaxColCount + 1, 5}, {5, GridModel::kMaxRowCount + 1}};
    for (const Case& c : refused) {
        EXPECT_FALSE(grid.SetSize(c.cols, c.rows)) << c.cols << " x " << c.rows;
        EXPECT_EQ(grid.ColCount(), 12);
        EXPECT_EQ(grid.RowCount(), 400);
    }
    EXPECT_FALSE(grid.SetText(12, 0, QStringLiteral("outside")));
    EXPECT_FALSE(grid.SetFixed(13, 1));
    EXPECT_EQ(grid.Cell(-1, 0), nullptr);
    EXPECT_EQ(grid.EditCell(0, 400), nullptr);
}

TEST(GridModel, CellIsEmptyWithoutValueFormulaOrPicture)
{
    GridModel grid;
    grid.SetSize(3, 3);
    grid.EditCell(0, 1)->Settings.insert(QStringLiteral("Cell.Color"), QStringLiteral("255"));
    grid.EditCell(0, 2)->Formula = QStringLiteral("=A1");
    grid.EditCell(1, 1)->Settings.insert(QStringLiteral("Graphic"), QStringLiteral("B0A0B"));
    grid.SetValue(1, 2, GridValue::MakeNull());
    grid.SetText(2, 2, QString());

    struct Case {
        int col, row;
        bool empty;
    } cases[] = {{0, 0, true},  {0, 1, true}, {0, 2, false}, {1, 1, false},
                 {1, 2, false}, {2, 2, true}, {5, 5, true}};
    for (const Case& c : cases)
        EXPECT_EQ(grid.CellIsEmpty(c.col, c.row), c.empty) << c.col << " " << c.row;

    // Setting an empty value on a cell without anything else removes it.
    grid.SetNumber(2, 1, 3);
    grid.SetValue(2, 1, GridValue());
    EXPECT_EQ(grid.Cell(2, 1), nullptr);
}

TEST(GridModel, ShownTextOfEachValueKind)
{
    struct Case {
        GridValue value;
        const char* shown;
    } cases[] = {
        {GridValue(), ""},
        {GridValue::MakeNull(), ""},
        {GridValue::MakeText(QStringLiteral("37")), "37"},
        {GridValue::MakeNumber(2.5), "2.5"},
        {GridValue::MakeNumber(-0.0), "0"},
        {GridValue::MakeNumber(10, GridVarType::Integer), "10"},
        {GridValue::MakeNumber(-1, GridVarType::Boolean), "True"},
        {GridValue::MakeNumber(1234567.125), "1234567.125"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value.ShownText(), QString::fromUtf8(c.shown)) << c.shown;
}

TEST(GridModel, SettingsLookupsFallBackToDefaults)
{
    GridModel grid;
    grid.SetSize(4, 4);
    grid.Properties.insert(QStringLiteral("DefaultColWidth"), 70);
    grid.ColumnSettings[QStringLiteral("Col.Width")][2] = QStringLiteral("120");
    grid.ColumnSettings[QStringLiteral("Col.Visible")][3] = QString();
    grid.RowSettings[QStringLiteral("RowHeights")][1] = QStringLiteral("40");

    EXPECT_EQ(grid.ColumnWidth(0), 70);
    EXPECT_EQ(grid.ColumnWidth(2), 120);
    EXPECT_EQ(grid.RowHeight(0), 18);
    EXPECT_EQ(grid.RowHeight(1), 40);
    EXPECT_FALSE(grid.ColumnHidden(2));
    EXPECT_TRUE(grid.ColumnHidden(3));
    EXPECT_EQ(grid.ExportTag(), QStringLiteral("ProfGridTag"));
    grid.Properties.insert(QStringLiteral("ExportTag"), QStringLiteral("a\r\nb"));
    EXPECT_EQ(grid.ExportTag(), QStringLiteral("ProfGridTag"));
}
