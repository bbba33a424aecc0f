#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <csignal>
#include <random>
#include <sys/resource.h>

#include "GridIniFile.h"
#include "MessageBoxes.h"

namespace
{

const QString kGridData = QStringLiteral(TAVREL_TEST_DATA "/grid/");

// Test text with "\n" for the file's CR LF line ends.
QByteArray Ini(const char* text)
{
    QByteArray bytes(text);
    bytes.replace("\n", "\r\n");
    return bytes;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A grid holding one of everything the file form carries.
GridModel SampleGrid()
{
    GridModel grid;
    grid.SetSize(13, 470);
    grid.SetFixed(1, 1);
    grid.Properties.insert(QStringLiteral("Font.Name"), QStringLiteral("Arial"));
    grid.Properties.insert(QStringLiteral("DefaultColWidth"), 72);
    grid.Properties.insert(QStringLiteral("ShowHint"), true);
    grid.Properties.insert(QStringLiteral("PrintMargins.Left"), 12.5);
    grid.Properties.insert(QStringLiteral("Format"), QStringLiteral("0.00 µs"));
    grid.SetText(0, 0, QStringLiteral("Location"));
    grid.SetText(0, 1, QStringLiteral("first line\r\nsecond line"));
    grid.SetText(1, 1, QStringLiteral("37"));
    grid.SetNumber(2, 1, 2.5);
    grid.SetNumber(4, 1, 100);
    grid.SetValue(0, 2,
                  GridValue::MakeText(QStringLiteral("Zürich – Ωmega €"), GridVarType::OleStr));
    grid.SetValue(1, 2, GridValue::MakeNull());
    grid.SetValue(2, 2, GridValue::MakeError(7));
    grid.SetNumber(3, 2, 42, GridVarType::Integer);
    grid.SetNumber(4, 2, -1, GridVarType::Boolean);
    grid.SetNumber(5, 2, 1.2345, GridVarType::Currency);
    grid.SetNumber(6, 2, double(-0.1f), GridVarType::Single);
    grid.SetNumber(7, 2, 1e-300);
    grid.SetText(12, 469, QStringLiteral("  spaces kept  "));
    GridCell* cell = grid.EditCell(3, 3);
    cell->Formula = QStringLiteral("=SUM(C2:C3)");
    cell->CustomData = GridValue::MakeText(QStringLiteral("note"));
    cell->Settings.insert(QStringLiteral("Cell.Color"), QStringLiteral("255"));
    cell->Settings.insert(QStringLiteral("Hint"), QStringLiteral("café"));
    cell->Settings.insert(QStringLiteral("Unions"), QStringLiteral("4 3"));
    cell->Settings.insert(QStringLiteral("Cell.Format"), QStringLiteral("#,##0 Ω"));
    grid.ColumnSettings[QStringLiteral("Col.Width")][0] = QStringLiteral("150");
    grid.ColumnSettings[QStringLiteral("Col.Visible")][11] = QString();
    grid.ColumnSettings[QStringLiteral("Col.Format")][2] = QStringLiteral("0.0 ±");
    grid.RowSettings[QStringLiteral("RowHeights")][0] = QStringLiteral("24");
    grid.ColumnCustomData[1] = GridValue::MakeNumber(3, GridVarType::Smallint);
    grid.RowCustomData[460] = GridValue::MakeText(QStringLiteral("user area"));
    grid.PrintHeaderLines = {QStringLiteral("Stations"), QString(), QStringLiteral("page")};
    grid.PrintFooter.insert(QStringLiteral("Distance"), 7.25);
    return grid;
}

void ExpectSameCells(const GridModel& a, const GridModel& b)
{
    ASSERT_EQ(a.ColCount(), b.ColCount());
    ASSERT_EQ(a.RowCount(), b.RowCount());
    EXPECT_EQ(a.FixedCols(), b.FixedCols());
    EXPECT_EQ(a.FixedRows(), b.FixedRows());
    ASSERT_EQ(a.Cells().size(), b.Cells().size());
    for (const auto& [key, cell] : a.Cells()) {
        const int col = GridModel::KeyCol(key), row = GridModel::KeyRow(key);
        const GridCell* other = b.Cell(col, row);
        ASSERT_NE(other, nullptr) << col << " " << row;
        EXPECT_TRUE(cell.Value == other->Value)
            << col << " " << row << ": " << cell.Value.ShownText().toStdString() << " type "
            << cell.Value.Type << " vs " << other->Value.ShownText().toStdString() << " type "
            << other->Value.Type;
        EXPECT_EQ(cell.Formula, other->Formula);
        EXPECT_TRUE(cell.CustomData == other->CustomData);
        EXPECT_EQ(cell.Settings, other->Settings) << col << " " << row;
    }
}

// Restores the default locale when a test that changes it ends.
struct LocaleScope {
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};

} // namespace

TEST(GridIniFile, RoundTripKeepsEveryCellAndSetting)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("TavrelDataBase.ini"));
    const GridModel saved = SampleGrid();
    const GridFileResult save = SaveGridToIni(saved, path);
    ASSERT_TRUE(save.ok) << save.message.toStdString();

    GridModel loaded;
    const GridFileResult load = LoadGridFromIni(loaded, path);
    ASSERT_TRUE(load.ok) << load.message.toStdString();
    EXPECT_TRUE(load.warnings.isEmpty()) << load.warnings.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(load.version, 34409);

    ExpectSameCells(saved, loaded);
    EXPECT_EQ(loaded.CellText(0, 1), QStringLiteral("first line\r\nsecond line"));
    EXPECT_EQ(loaded.Value(1, 1).Type, GridVarType::String);
    EXPECT_EQ(loaded.Value(2, 1).Number, 2.5);
    EXPECT_EQ(loaded.Value(6, 2).Number, double(-0.1f));
    EXPECT_EQ(loaded.ColumnSettings, saved.ColumnSettings);
    EXPECT_EQ(loaded.RowSettings, saved.RowSettings);
    EXPECT_TRUE(loaded.ColumnCustomData.at(1) == saved.ColumnCustomData.at(1));
    EXPECT_TRUE(loaded.RowCustomData.at(460) == saved.RowCustomData.at(460));
    EXPECT_EQ(loaded.PrintHeaderLines, saved.PrintHeaderLines);
    EXPECT_EQ(loaded.PrintFooter.value(QStringLiteral("Distance")).toDouble(), 7.25);
    for (const char* key :
         {"Font.Name", "DefaultColWidth", "ShowHint", "PrintMargins.Left", "Format"}) {
        EXPECT_EQ(loaded.Properties.value(QLatin1String(key)),
                  saved.Properties.value(QLatin1String(key)))
            << key;
    }
    EXPECT_EQ(loaded.ColumnWidth(0), 150);
    EXPECT_TRUE(loaded.ColumnHidden(11));

    // Saving what was loaded gives the same bytes again.
    EXPECT_EQ(GridToIniBytes(loaded), ReadAll(path));
}

TEST(GridIniFile, WrittenFormHasMarkSortedSectionsAndTypedValues)
{
    const QByteArray bytes = GridToIniBytes(SampleGrid());
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF["));
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n"));
    EXPECT_FALSE(bytes.contains("\r\r"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));

    const QString text = QString::fromUtf8(bytes.mid(3));
    for (const char* line : {
             "\r\n2 1=005 2.50000000000000E+0000\r\n",
             "\r\n4 1=005 1.00000000000000E+0002\r\n",
             "\r\n0 1=100first lineProfGridTagsecond line\r\n",
             "\r\n1 1=10037\r\n",
             "\r\n0 2=008Zürich – Ωmega €\r\n",
             "\r\n1 2=001\r\n",
             "\r\n2 2=00A7\r\n",
             "\r\n3 2=003 4.20000000000000E+0001\r\n",
             "\r\n4 2=00B-1.00000000000000E+0000\r\n",
             "\r\n7 2=005 1.00000000000000E-0300\r\n",
             "\r\n3 3==SUM(C2:C3)\r\n",
             "\r\n12 469=100  spaces kept  \r\n",
             "\r\nAbout=v3.4.4.9\r\n",
             "\r\nExportTag=ProfGridTag\r\n",
             "\r\nPrintMargins.Left= 1.25000000000000E+0001\r\n",
             "\r\nAbsoluteColCount=13\r\nAbsoluteRowCount=470\r\nAbsoluteFixedCols=1\r\n"
             "AbsoluteFixedRows=1\r\n",
             "[Col.Visible]\r\n11=\r\n\r\n",
             "[PrintHeader.Lines]\r\n0=Stations\r\n1=\r\n2=page\r\n\r\n",
         }) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;
    }
    // A formula stands in place of the value; no "HorizontalAlignment" when it is 0.
    const qsizetype valueAt = text.indexOf(QStringLiteral("[Value]\r\n"));
    ASSERT_GE(valueAt, 0);
    const QString valueSection =
        text.mid(valueAt, text.indexOf(QStringLiteral("\r\n\r\n"), valueAt) - valueAt);
    EXPECT_TRUE(valueSection.contains(QStringLiteral("\r\n2 1=")));
    EXPECT_FALSE(valueSection.contains(QStringLiteral("\r\n3 3=")));
    EXPECT_FALSE(text.contains(QStringLiteral("HorizontalAlignment=")));

    // Plain texts are single-byte; cell texts and formats are UTF-8.
    EXPECT_TRUE(bytes.contains("\r\n3 3=caf\xE9\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n3 3=#,##0 \xCE\xA9\r\n"));

    QStringList sections;
    for (const QString& line : text.split(QStringLiteral("\r\n")))
        if (line.startsWith(QLatin1Char('[')))
            sections.append(line.mid(1, line.size() - 2));
    QStringList sorted = sections;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(sections, sorted);
    EXPECT_EQ(sections.removeDuplicates(), 0);
    for (const char* name :
         {"Windows", "Grid", "Value", "Formula", "Cell.CustomData", "Unions", "Col.Width",
          "RowHeights", "Col.CustomData", "Row.CustomData", "PrintFooter"})
        EXPECT_TRUE(sections.contains(QLatin1String(name))) << name;
}

TEST(GridIniFile, RealsHaveWidth23)
{
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {100, " 1.00000000000000E+0002"},
        {2.5, " 2.50000000000000E+0000"},
        {-2.5, "-2.50000000000000E+0000"},
        {0.0, " 0.00000000000000E+0000"},
        {-0.0, " 0.00000000000000E+0000"},
        {1e-300, " 1.00000000000000E-0300"},
        {9.9999999999999999, " 1.00000000000000E+0001"},
        {123456789012345678.0, " 1.23456789012346E+0017"},
        {-1.5e308, "-1.50000000000000E+0308"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatGridReal(c.value), QLatin1String(c.text)) << c.text;
        EXPECT_EQ(FormatGridReal(c.value).size(), 23);
    }
}

TEST(GridIniFile, VersionFromAbout)
{
    struct Case {
        const char* about;
        int version;
    } cases[] = {
        {"v3.4.4.9", 34409},
        {"v3.4.4.9 for Qt", 34409},
        {"v3.4.4.10", 34410},
        {"v3.4.0.5 .NET", 34005},
        {"v2.25.01", 22501},
        {"v3.1.0.0", 31000},
        {"", 0},
        {"v3.4", 0},
        {"version 3", 0},
        {"v3.x.4.9", 0},
        {"v3.4.4.-1", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GridFileVersion(QLatin1String(c.about)), c.version) << c.about;
}

TEST(GridIniFile, ForeignFileWithoutMarkAndInAnyOrderReadsTheSame)
{
    const QByteArray plain = ReadAll(kGridData + QStringLiteral("foreign-no-bom.ini"));
    ASSERT_FALSE(plain.isEmpty());
    ASSERT_FALSE(plain.startsWith("\xEF\xBB\xBF"));

    GridModel withoutMark, withMark;
    ASSERT_TRUE(LoadGridFromIni(withoutMark, kGridData + QStringLiteral("foreign-no-bom.ini")).ok);
    ASSERT_TRUE(LoadGridFromIniBytes(withMark, "\xEF\xBB\xBF" + plain).ok);
    ExpectSameCells(withoutMark, withMark);

    EXPECT_EQ(withoutMark.ColCount(), 3);
    EXPECT_EQ(withoutMark.RowCount(), 4);
    EXPECT_EQ(withoutMark.CellText(0, 0), QStringLiteral("Location"));
    // The file's own export tag stands for its line breaks.
    EXPECT_EQ(withoutMark.CellText(0, 1), QStringLiteral("First\r\nSecond"));
    EXPECT_EQ(withoutMark.Value(1, 1).Type, GridVarType::String);
    EXPECT_EQ(withoutMark.CellText(1, 1), QStringLiteral("37"));
    // This line is indented in the file.
    EXPECT_EQ(withoutMark.Value(2, 1).Type, GridVarType::Double);
    EXPECT_EQ(withoutMark.Value(2, 1).Number, 2.5);
    EXPECT_EQ(withoutMark.ColumnWidth(0), 120);
    EXPECT_EQ(withoutMark.Cells().size(), 5u);
}

TEST(GridIniFile, PointRealsReadTheSameWhateverTheLocale)
{
    const QByteArray file = Ini("[Grid]\nAbout=v3.4.4.9\nAbsoluteColCount=3\nAbsoluteRowCount=3\n"
                                "[Value]\n1 1=005 2.50000000000000E+0000\n"
                                "2 1=005-1.25000000000000E-0002\n");
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::French, QLocale::France)}) {
        LocaleScope scope(locale);
        GridModel grid;
        const GridFileResult result = LoadGridFromIniBytes(grid, file);
        ASSERT_TRUE(result.ok);
        EXPECT_TRUE(result.warnings.isEmpty()) << locale.name().toStdString();
        EXPECT_EQ(grid.Value(1, 1).Number, 2.5) << locale.name().toStdString();
        EXPECT_EQ(grid.Value(2, 1).Number, -0.0125) << locale.name().toStdString();
    }
}

TEST(GridIniFile, TypedValuesConvertToTheirTypes)
{
    struct Case {
        const char* stored;
        uint16_t type;
        double number;     // for numbers
        const char* shown; // what the cell shows
        bool warned;
    } cases[] = {
        {"001", GridVarType::Null, 0, "", false},
        {"00A-3", GridVarType::Error, 0, "Error -3", false},
        {"008Text", GridVarType::OleStr, 0, "Text", false},
        {"100", GridVarType::String, 0, "", false},
        {"002 1.50000000000000E+0000", GridVarType::Smallint, 2, "2", false},
        {"002 2.50000000000000E+0000", GridVarType::Smallint, 2, "2", false},
        {"003-7.00000000000000E+0000", GridVarType::Integer, -7, "-7", false},
        {"006 1.23456789000000E+0000", GridVarType::Currency, 1.2346, "1.2346", false},
        {"00B 5.00000000000000E+0000", GridVarType::Boolean, -1, "True", false},
        {"00b 0.00000000000000E+0000", GridVarType::Boolean, 0, "False", false},
        {"011 2.55000000000000E+0002", GridVarType::Byte, 255, "255", false},
        {"007 4.50000000000000E+0004", GridVarType::Date, 45000, "45000", false},
        {"002 7.00000000000000E+0004", GridVarType::String, 0, "?", true},
        {"011-1.00000000000000E+0000", GridVarType::String, 0, "?", true},
        {"004 1.00000000000000E+0300", GridVarType::String, 0, "?", true},
        {"005abc", GridVarType::String, 0, "?", true},
        {"005 2,5", GridVarType::String, 0, "?", true},
        {"005", GridVarType::String, 0, "?", true},
        {"0FF 1.00000000000000E+0000", GridVarType::String, 0, "?", true},
        {"00Ax", GridVarType::String, 0, "?", true},
    };
    for (const Case& c : cases) {
        const QByteArray file =
            Ini("[Grid]\nAbout=v3.4.4.9\nAbsoluteColCount=2\nAbsoluteRowCount=2\n[Value]\n1 1=") +
            c.stored + "\r\n";
        GridModel grid;
        const GridFileResult result = LoadGridFromIniBytes(grid, file);
        ASSERT_TRUE(result.ok) << c.stored << ": " << result.message.toStdString();
        const GridValue value = grid.Value(1, 1);
        EXPECT_EQ(value.Type, c.type) << c.stored;
        if (value.IsNumber()) {
            EXPECT_DOUBLE_EQ(value.Number, c.number) << c.stored;
        }
        EXPECT_EQ(value.ShownText(), QLatin1String(c.shown)) << c.stored;
        EXPECT_EQ(!result.warnings.isEmpty(), c.warned) << c.stored;
        if (c.warned) {
            EXPECT_TRUE(
                result.warnings[0].startsWith(QStringLiteral("Check your system locale:\n")))
                << result.warnings[0].toStdString();
        }
    }
}

TEST(GridIniFile, OldSingleByteFileUsesOldNamesAndLocaleNumbers)
{
    const QString path = kGridData + QStringLiteral("old-dotnet-single-byte.ini");
    {
        LocaleScope scope(QLocale::c());
        ScopedScriptedMessages messages;
        GridModel grid;
        const GridFileResult result = LoadGridFromIni(grid, path);
        ASSERT_TRUE(result.ok) << result.message.toStdString();
        EXPECT_EQ(result.version, 34005);
        EXPECT_EQ(grid.ColCount(), 2);
        EXPECT_EQ(grid.RowCount(), 3); // from "RowCount", the name of files before 31000
        EXPECT_EQ(grid.FixedCols(), 0);
        EXPECT_EQ(grid.CellText(0, 1), QStringLiteral("Zürich €"));
        EXPECT_EQ(grid.Value(1, 1).Number, 2.5);
        // "2,5" is no number in these settings: the cell shows "?" and the user is told.
        EXPECT_EQ(grid.CellText(1, 2), QStringLiteral("?"));
        ASSERT_EQ(messages.boxes.shown.size(), 1u);
        EXPECT_TRUE(
            messages.boxes.shown[0].text.startsWith(QStringLiteral("Check your system locale:\n")));
        EXPECT_TRUE(messages.boxes.shown[0].text.endsWith(QStringLiteral("\n\"2,5\"")))
            << messages.boxes.shown[0].text.toStdString();
    }
    {
        // With a decimal comma "2,5" is read, but as an integer it becomes 2, which
        // differs from what was stored: both texts are shown.
        LocaleScope scope(QLocale(QLocale::German, QLocale::Germany));
        GridModel grid;
        const GridFileResult result = LoadGridFromIniBytes(grid, ReadAll(path));
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(grid.CellText(1, 2), QStringLiteral("?"));
        ASSERT_EQ(result.warnings.size(), 2);
        EXPECT_EQ(result.warnings[1],
                  QStringLiteral("Check your system locale:\n\"2,5\" <> \"2\""));
    }
}

TEST(GridIniFile, TextEncodingFollowsTheFileVersion)
{
    struct Case {
        const char* about;
        const char* shown;
    } cases[] = {
        {"v3.4.4.9", "Zürich"},       // UTF-8
        {"v3.4.4.7 .NET", "Zürich"},  // from 34407 always UTF-8
        {"v3.4.0.1", "Zürich"},       // 34001 of the native edition
        {"v3.4.0.1 .NET", "ZÃ¼rich"}, // the .NET edition wrote single bytes
        {"v3.3.9.9", "ZÃ¼rich"},      // before 34000
    };
    for (const Case& c : cases) {
        const QByteArray file = Ini("[Grid]\nAbout=") + c.about +
                                Ini("\nAbsoluteColCount=2\nAbsoluteRowCount=2\nColCount=2\n"
                                    "RowCount=2\n[Value]\n1 1=100Z\xC3\xBCrich\n");
        GridModel grid;
        ASSERT_TRUE(LoadGridFromIniBytes(grid, file).ok) << c.about;
        EXPECT_EQ(grid.CellText(1, 1), QString::fromUtf8(c.shown)) << c.about;
    }
}

TEST(GridIniFile, OldFilesNameTheCountsDifferently)
{
    struct Case {
        const char* about;
        int cols, rows;
    } cases[] = {
        {"v3.4.4.9", 7, 8}, // Absolute... names
        {"v3.0.0.0", 7, 4}, // rows from "RowCount"
        {"v2.25.01", 3, 4}, // both from the old names
    };
    for (const Case& c : cases) {
        const QByteArray file = Ini("[Grid]\nAbout=") + c.about +
                                Ini("\nAbsoluteColCount=7\nAbsoluteRowCount=8\nColCount=3\n"
                                    "RowCount=4\n");
        GridModel grid;
        ASSERT_TRUE(LoadGridFromIniBytes(grid, file).ok) << c.about;
        EXPECT_EQ(grid.ColCount(), c.cols) << c.about;
        EXPECT_EQ(grid.RowCount(), c.rows) << c.about;
    }
}

TEST(GridIniFile, FailedLoadsChangeNothing)
{
    struct Case {
        const char* what;
        const char* file;
        const char* message; // exact, or "" for any clear message
    } cases[] = {
        {"cell column beyond the grid",
         "[Grid]\nAbsoluteColCount=3\nAbsoluteRowCount=3\n"
         "[Value]\n3 1=100x\n",
         "Grid index out of range"},
        {"cell row beyond the grid",
         "[Grid]\nAbsoluteColCount=3\nAbsoluteRowCount=3\n"
         "[Value]\n0 0=100ok\n1 3=100x\n",
         "Grid index out of range"},
        {"default size without a Grid section", "[Value]\n5 0=100x\n", "Grid index out of range"},
        {"column setting beyond the grid", "[Grid]\nAbsoluteColCount=3\n[Col.Width]\n3=10\n",
         "Grid index out of range"},
        {"row setting beyond the grid", "[Grid]\nAbsoluteRowCount=3\n[RowHeights]\n99999999999=1\n",
         "Grid index out of range"},
        {"too many rows", "[Grid]\nAbsoluteRowCount=100001\n", ""},
        {"too many columns", "[Grid]\nAbsoluteColCount=1001\n", ""},
        {"rows beyond any integer", "[Grid]\nAbsoluteRowCount=99999999999999999999999\n", ""},
        {"negative size", "[Grid]\nAbsoluteColCount=-2\n", ""},
        {"size not a number", "[Grid]\nAbsoluteRowCount=many\n", ""},
        {"more fixed rows than rows", "[Grid]\nAbsoluteRowCount=2\nAbsoluteFixedRows=3\n", ""},
        {"cell key without a row", "[Value]\n1=100x\n", ""},
        {"cell key not a number", "[Value]\nA 1=100x\n", ""},
        {"line without =", "[Value]\n1 1\n", ""},
        {"type code not hexadecimal", "[Value]\n1 1=XYZ1\n", ""},
        {"type code cut short", "[Value]\n1 1=10\n", ""},
    };

    GridModel original = SampleGrid();
    const QByteArray before = GridToIniBytes(original);
    for (const Case& c : cases) {
        GridModel grid = original;
        const GridFileResult result = LoadGridFromIniBytes(grid, Ini(c.file));
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_FALSE(result.message.isEmpty()) << c.what;
        if (*c.message) {
            EXPECT_EQ(result.message, QLatin1String(c.message)) << c.what;
        }
        EXPECT_EQ(GridToIniBytes(grid), before) << c.what;
    }

    GridModel grid = original;
    const GridFileResult huge =
        LoadGridFromIniBytes(grid, Ini("[Grid]\nAbsoluteColCount=13\nAbsoluteRowCount=250000\n"));
    EXPECT_TRUE(huge.message.contains(QStringLiteral("250000"))) << huge.message.toStdString();
    EXPECT_TRUE(huge.message.contains(QStringLiteral("100000"))) << huge.message.toStdString();
}

TEST(GridIniFile, OversizedFilesAreRefusedBeforeAnythingIsBuilt)
{
    const GridModel original = SampleGrid();
    const QByteArray before = GridToIniBytes(original);

    QByteArray tooManyLines("[Notes]\r\n");
    tooManyLines.reserve(tooManyLines.size() + 2 * (kMaxGridFileLines + 1));
    for (qint64 i = 0; i <= kMaxGridFileLines; ++i)
        tooManyLines += "a\n";
    const QByteArray tooLarge(kMaxGridFileBytes + 1, ' ');

    const QByteArray* inputs[] = {&tooManyLines, &tooLarge};
    for (const QByteArray* bytes : inputs) {
        GridModel grid = original;
        const GridFileResult result = LoadGridFromIniBytes(grid, *bytes);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.message.isEmpty());
        EXPECT_EQ(GridToIniBytes(grid), before);
    }
}

TEST(GridIniFile, UnreadableFileChangesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const GridModel original = SampleGrid();
    const QByteArray before = GridToIniBytes(original);

    // A directory where the file should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("DravikDXCC.ini")));
    GridModel grid = original;
    GridFileResult result = LoadGridFromIni(grid, dir.filePath(QStringLiteral("DravikDXCC.ini")));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains(QStringLiteral("DravikDXCC.ini")));
    EXPECT_EQ(GridToIniBytes(grid), before);

    // A file whose cells run outside its size.
    const QString bad = dir.filePath(QStringLiteral("bad.ini"));
    ASSERT_TRUE(WriteAll(bad, Ini("[Grid]\nAbsoluteColCount=2\n[Value]\n2 0=100x\n")));
    result = LoadGridFromIni(grid, bad);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QStringLiteral("Grid index out of range"));
    EXPECT_EQ(GridToIniBytes(grid), before);
}

TEST(GridIniFile, MissingFileGivesTheEmptyDefaultGrid)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    GridModel grid = SampleGrid();
    const GridFileResult result = LoadGridFromIni(grid, dir.filePath(QStringLiteral("none.ini")));
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.fileMissing);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_TRUE(grid.Cells().empty());
    EXPECT_TRUE(grid.ColumnSettings.isEmpty());
}

TEST(GridIniFile, FileNamesMatchWithoutRegardToCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));

    GridModel grid;
    grid.SetText(1, 1, QStringLiteral("first"));
    ASSERT_TRUE(SaveGridToIni(grid, QStringLiteral("dravikdxcc.INI")).ok);

    GridModel loaded;
    const GridFileResult load = LoadGridFromIni(loaded, QStringLiteral("DravikDXCC.ini"));
    EXPECT_TRUE(load.ok);
    EXPECT_FALSE(load.fileMissing);
    EXPECT_EQ(loaded.CellText(1, 1), QStringLiteral("first"));

    // A save under the other spelling replaces the existing file, not a second one.
    grid.SetText(1, 1, QStringLiteral("second"));
    ASSERT_TRUE(SaveGridToIni(grid, QStringLiteral("DravikDXCC.ini")).ok);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("dravikdxcc.INI")});
    ASSERT_TRUE(LoadGridFromIni(loaded, QStringLiteral("DRAVIKDXCC.INI")).ok);
    EXPECT_EQ(loaded.CellText(1, 1), QStringLiteral("second"));

    QDir::setCurrent(previous);
}

TEST(GridIniFile, FailedSaveLeavesTheOldFileIntact)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("TavrelDataBase.ini"));
    const QByteArray old = Ini("[Grid]\nAbsoluteColCount=2\n[Value]\n1 1=100old\n");
    ASSERT_TRUE(WriteAll(path, old));

    // A file size limit makes the system refuse the write part way, as a full disk would,
    // whoever runs the test.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const GridFileResult result = SaveGridToIni(SampleGrid(), path);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains(QStringLiteral("TavrelDataBase.ini")))
        << result.message.toStdString();
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("TavrelDataBase.ini")});

    // A folder that does not exist.
    const GridFileResult nowhere =
        SaveGridToIni(SampleGrid(), dir.filePath(QStringLiteral("missing/x.ini")));
    EXPECT_FALSE(nowhere.ok);
    EXPECT_FALSE(nowhere.message.isEmpty());
}

TEST(GridIniFile, ManyUnreadableValuesShowAFewMessagesAndASummary)
{
    QByteArray file = Ini("[Grid]\nAbout=v3.4.4.9\nAbsoluteColCount=2\nAbsoluteRowCount=30\n"
                          "[Value]\n");
    for (int row = 0; row < 25; ++row)
        file += QByteArray::number(1) + ' ' + QByteArray::number(row) + "=005bad\r\n";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("bad-numbers.ini"));
    ASSERT_TRUE(WriteAll(path, file));

    ScopedScriptedMessages messages;
    GridModel grid;
    const GridFileResult result = LoadGridFromIni(grid, path);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.warnings.size(), 25);
    ASSERT_EQ(messages.boxes.shown.size(), 11u);
    EXPECT_TRUE(messages.boxes.shown[10].text.startsWith(QStringLiteral("15 more values")));
    EXPECT_EQ(grid.CellText(1, 24), QStringLiteral("?"));
}

TEST(GridIniFile, DamagedBytesNeverCrashAndFailedLoadsChangeNothing)
{
    const GridModel original = SampleGrid();
    const QByteArray good = GridToIniBytes(original);
    const char alphabet[] = "=[]\r\n ;0123456789ABCDEF-.E+ProfGridTag\xEF\xBB\xBF\xFF";
    std::mt19937 random(20240611);
    int failures = 0, successes = 0;
    for (int round = 0; round < 1500; ++round) {
        QByteArray bytes = good;
        const int edits = 1 + int(random() % 8);
        for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
            const qsizetype at = qsizetype(random() % bytes.size());
            switch (random() % 4) {
            case 0:
                bytes[at] = alphabet[random() % (sizeof alphabet - 1)];
                break;
            case 1:
                bytes.insert(at, alphabet[random() % (sizeof alphabet - 1)]);
                break;
            case 2:
                bytes.remove(at, qsizetype(random() % 40));
                break;
            default:
                bytes.truncate(at);
                break;
            }
        }
        GridModel grid = original;
        const GridFileResult result = LoadGridFromIniBytes(grid, bytes);
        if (result.ok) {
            ++successes;
            EXPECT_LE(grid.ColCount(), GridModel::kMaxColCount);
            EXPECT_LE(grid.RowCount(), GridModel::kMaxRowCount);
            for (const auto& [key, cell] : grid.Cells())
                ASSERT_TRUE(grid.Contains(GridModel::KeyCol(key), GridModel::KeyRow(key)));
        } else {
            ++failures;
            ASSERT_EQ(GridToIniBytes(grid), good) << "round " << round;
        }
    }
    // The damage must have reached both outcomes for the check to mean anything.
    EXPECT_GT(failures, 0);
    EXPECT_GT(successes, 0);
}
