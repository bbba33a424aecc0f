#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>

#include "../components/QStringPrinter.h"
#include "../components/WorkingDirFixture.h"
#include "AppState.h"
#include "PlannerCsv.h"

namespace
{

PlannerRow& Append(PlannerTable& table, PlannerRowKind kind)
{
    ++table.currentRow;
    if (static_cast<int>(table.rows.size()) <= table.currentRow)
        table.rows.resize(table.currentRow + 1);
    PlannerRow& row = table.rows[table.currentRow];
    row = PlannerRow{};
    row.kind = kind;
    return row;
}

// Headings for a run without a Dx station, a day label, a data row, a
// separator and one more data row, followed by the grid's spare rows.
PlannerTable SmallTable()
{
    AppState s;
    s.ShowStationB = 0;
    PlannerTable table;
    SetPlannerHeaders(s, table);
    PlannerRow& label = Append(table, PlannerRowKind::DayLabel);
    label.cells[0].text = QStringLiteral("Sunday 16/5/2010");
    label.cells[0].span = 3;
    PlannerRow& first = Append(table, PlannerRowKind::Data);
    const char* values[] = {"0930", "+1930", "95.25", "12.00", "-3.40", "120.5",
                            "-512", "31",    "-1.20", "",      "45.00", "10.10"};
    for (int col = 0; col < 12; ++col)
        first.cells[col].text = QString::fromLatin1(values[col]);
    Append(table, PlannerRowKind::Separator).cells[0].span = 3;
    PlannerRow& second = Append(table, PlannerRowKind::Data);
    second.cells[0].text = QStringLiteral("1000");
    second.cells[2].text = QStringLiteral("a,b");
    second.cells[3].text = QStringLiteral("say \"hi\"");
    table.rows.resize(table.currentRow + 3);
    return table;
}

const char* const SmallTableCsv =
    "UTC,Local,HmAz,HmEl,Dec,GHA,HM-HM,LibHm,dB,,SunAz,SunEl,,,,\r\n"
    "Sunday 16/5/2010,,,,,,,,,,,,,,,\r\n"
    "0930,+1930,95.25,12.00,-3.40,120.5,-512,31,-1.20,,45.00,10.10,,,,\r\n"
    ",,,,,,,,,,,,,,,\r\n"
    "1000,,\"a,b\",\"say \"\"hi\"\"\",,,,,,,,,,,,\r\n";

TEST(PlannerCsv, HeadingsThenOneLinePerRowUpToTheLastWrittenOne)
{
    EXPECT_EQ(PlannerCsv(SmallTable()), QString::fromLatin1(SmallTableCsv));
}

TEST(PlannerCsv, AnEmptiedTableGivesTheHeadingsOnly)
{
    AppState s;
    s.ShowStationB = 1;
    PlannerTable table;
    SetPlannerHeaders(s, table);
    EXPECT_EQ(PlannerCsv(table),
              QStringLiteral("UTC,Local,HmAz,HmEl,Dec,GHA,HM-HM,HmLib,Spatial,DxLocal,DxAz,DxEl,"
                             "HM-DX,DxLib,B@A,dB\r\n"));
    EXPECT_EQ(PlannerCsv(PlannerTable{}), QString());
}

TEST(PlannerCsv, ARealRunHasSixteenFieldsOnEveryLine)
{
    AppState s;
    s.HomeLatitude = -37.5L;
    s.HomeLongitude = 145.25L;
    s.HomeHeightM = 100;
    s.DxLatitude = 52.2L;
    s.DxLongitude = 0.1L;
    s.ShowStationB = 1;
    s.FrequencyGHz = 1.296L;
    s.PlannerIntervalMinutes = 20;
    s.PlannerMaxHomeElevation = 90;
    s.PlannerMaxDxElevation = 90;
    s.PlannerSpatialLimit = 90;
    s.PlannerDecimals = 2;
    PlannerTable table;
    SetPlannerHeaders(s, table);
    PlanTable(s, table, QDate(2010, 5, 16), QDate(2010, 5, 18));

    const QStringList lines = PlannerCsv(table).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), table.currentRow + 2); // the text ends with a line break
    EXPECT_TRUE(lines.back().isEmpty());
    int dataLines = 0;
    for (int i = 0; i <= table.currentRow; ++i) {
        EXPECT_EQ(lines[i].split(QLatin1Char(',')).size(), PlannerColumnCount) << i;
        EXPECT_TRUE(lines[i].startsWith(table.rows[i].cells[0].text)) << i;
        dataLines += table.rows[i].kind == PlannerRowKind::Data;
    }
    EXPECT_GT(dataLines, 0);
    EXPECT_TRUE(lines.contains(QStringLiteral("Tuesday 18/5/2010,,,,,,,,,,,,,,,")));
}

class PlannerCsvFile : public WorkingDirFixture
{
};

TEST_F(PlannerCsvFile, WritesTheTextAsUtf8)
{
    QString error;
    ASSERT_TRUE(WritePlannerCsv(SmallTable(), QStringLiteral("plan.csv"), error))
        << error.toStdString();
    EXPECT_EQ(ReadFile(QStringLiteral("plan.csv")), QByteArray(SmallTableCsv));
}

TEST_F(PlannerCsvFile, AFailedWriteIsReportedAndLosesNothing)
{
    QString error;
    EXPECT_FALSE(WritePlannerCsv(SmallTable(), QStringLiteral("missing/plan.csv"), error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(QStringLiteral("missing/plan.csv")));

    // A directory in the way of the file: nothing of it may be lost.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("taken.csv")));
    WriteFile(QStringLiteral("taken.csv/keep"), "kept");
    error.clear();
    EXPECT_FALSE(WritePlannerCsv(SmallTable(), QStringLiteral("taken.csv"), error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadFile(QStringLiteral("taken.csv/keep")), QByteArray("kept"));
}

} // namespace
