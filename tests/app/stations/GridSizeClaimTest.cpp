// The size a station list claims in its [Grid] section costs nothing by
// itself: claims beyond the limits are refused from the size line alone, and
// even the largest accepted claim builds nothing for its empty cells.

#include "GridIniFile.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{

// Resets the process's peak resident memory.
void ResetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// The peak resident memory since the last reset and the present one, in KiB;
// -1 where the system does not tell.
long PeakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("VmHWM:\\s*(\\d+)"))
                                          .match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toLong() : -1;
}

long CurrentMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+)"))
                                          .match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toLong() : -1;
}

// Far below what one byte per claimed cell would take (100 000 000 cells).
constexpr long kAllowedGrowthKiB = 64 * 1024;

TEST(GridSizeClaims, CostNothingBeyondTheCellsTheFileHolds)
{
    struct Case {
        const char* what;
        const char* cols;
        const char* rows;
        bool accepted;
    };
    const Case cases[] = {
        {"the largest size accepted", "1000", "100000", true},
        {"one row too many", "13", "100001", false},
        {"one column too many", "1001", "5", false},
        {"a row count beyond 32 bits", "13", "4294967296", false},
        {"both counts beyond any integer", "99999999999999999999999", "99999999999999999999999",
         false},
    };
    GridModel original;
    original.SetSize(13, 3);
    original.SetText(0, 1, QStringLiteral("kept"));
    const QByteArray before = GridToIniBytes(original);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Cells near the far corner of the claim follow the size.
        const QByteArray file = QByteArray("[Grid]\r\nAbout=v3.4.4.9\r\nAbsoluteColCount=") +
                                c.cols + "\r\nAbsoluteRowCount=" + c.rows +
                                "\r\n\r\n[Value]\r\n0 0=100Location\r\n999 99999=100far\r\n";
        GridModel grid = original;
        ResetPeakMemory();
        const long start = CurrentMemoryKiB();
        const GridFileResult result = LoadGridFromIniBytes(grid, file);
        const long peak = PeakMemoryKiB();

        EXPECT_EQ(result.ok, c.accepted) << result.message.toStdString();
        if (c.accepted) {
            EXPECT_EQ(grid.ColCount(), 1000);
            EXPECT_EQ(grid.RowCount(), 100000);
            EXPECT_EQ(grid.CellText(999, 99999), QStringLiteral("far"));
            EXPECT_EQ(grid.Cells().size(), 2u);
        } else {
            // The size's own refusal, not the cell's, and the grid as it was.
            EXPECT_TRUE(result.message.contains(QStringLiteral("[Grid]")))
                << result.message.toStdString();
            EXPECT_EQ(GridToIniBytes(grid), before);
        }
        ASSERT_GT(start, 0);
        ASSERT_GT(peak, 0);
        EXPECT_LT(peak - start, kAllowedGrowthKiB);
    }
}

} // namespace
