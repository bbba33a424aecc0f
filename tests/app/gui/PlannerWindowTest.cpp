// The planner window driven as an operator would: activation, the spinners,
// the date pickers, the horizon switch, Calculate, the Dx station, printing,
// export and closing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <ostream>

#include "../components/QStringPrinter.h"
#include "AppState.h"
#include "ClickablePanelWidget.h"
#include "Clock.h"
#include "GridIniFile.h"
#include "GridTableView.h"
#include "MessageBoxes.h"
#include "PlannerControls.h"
#include "PlannerCsv.h"
#include "PlannerStations.h"
#include "PlannerTableView.h"
#include "Recalculate.h"
#include "SpinButtonWidget.h"
#include "StationDatabase.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"

namespace
{

const QDate May16(2010, 5, 16);

std::string Text(const QString& s)
{
    return s.toStdString();
}

// The planner over a fresh AppState with a home and a Dx station, in a
// scratch working directory, with scripted message boxes and the clock fixed
// at 16 May 2010 09:30 (the computer on UTC).
class PlannerWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        App() = AppState{};
        PlannerStations(App());
        UseFixedClock(EncodeDateTime(2010, 5, 16, 9, 30), ZoneInfo{});
        form = std::make_unique<TForm2>();
    }

    void TearDown() override
    {
        form4.reset();
        form.reset();
        form1.reset();
        UseSystemClock();
        QDir::setCurrent(previous_);
    }

    void RunPlan(const QDate& from, const QDate& to)
    {
        form->DateTimePicker1->setDate(from);
        form->DateTimePicker2->setDate(to);
        form->Calculate->click();
    }

    QString Path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

    ScopedScriptedMessages messages;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form;
    std::unique_ptr<TForm4> form4;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Every model cell shows the text, colours and alignment of the table's cell,
// joined cells are joined, and the headers are the heading row.
void ExpectShows(const PlannerTableView& view, const PlannerTable& table)
{
    const QAbstractItemModel* model = view.model();
    ASSERT_EQ(model->rowCount(), static_cast<int>(table.rows.size()) - 1);
    ASSERT_EQ(model->columnCount(), PlannerColumnCount);
    for (int col = 0; col < PlannerColumnCount; ++col) {
        EXPECT_EQ(model->headerData(col, Qt::Horizontal).toString(), table.rows[0].cells[col].text);
        EXPECT_EQ(view.columnWidth(col), table.columnWidths[col]) << col;
    }
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const int row = static_cast<int>(r) - 1;
        for (int col = 0; col < PlannerColumnCount; ++col) {
            const PlannerCell& cell = table.rows[r].cells[col];
            const QModelIndex index = model->index(row, col);
            ASSERT_EQ(model->data(index).toString(), cell.text) << r << " " << col;
            const QColor background = PlannerTableModel::ColourOf(cell.background);
            const QVariant shown = model->data(index, Qt::BackgroundRole);
            EXPECT_EQ(shown.isValid() ? shown.value<QBrush>().color() : QColor(), background)
                << r << " " << col;
            EXPECT_EQ(model->data(index, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
            if (cell.span > 1) {
                EXPECT_EQ(view.columnSpan(row, col), cell.span) << r;
            }
        }
        EXPECT_EQ(view.rowHeight(row), 14);
    }
}

TEST_F(PlannerWindow, ActivationResetsDatesTableAndPanels)
{
    form->FormActivate();
    RunPlan(QDate(2010, 6, 1), QDate(2010, 6, 3));
    ASSERT_GT(form->Table().currentRow, 3);
    form->move(300, 200);
    App().TargetIsSun = 1;
    App().ShowStationB = 0;
    form->Panel7Click();
    ASSERT_EQ(App().PlannerBelowHorizon, 1);
    App().ShowStationB = 1;

    form->FormActivate();
    EXPECT_EQ(form->DateTimePicker1->date(), May16);
    EXPECT_EQ(form->DateTimePicker2->date(), May16);
    EXPECT_EQ(form->DateTimePicker1->displayFormat(), QStringLiteral("dd/MM/yyyy"));
    EXPECT_EQ(form->Table().currentRow, 0);
    const QAbstractItemModel* model = form->ProfGrid1->model();
    ASSERT_EQ(model->rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < PlannerColumnCount; ++col)
            EXPECT_EQ(model->data(model->index(row, col)).toString(), QString());
    EXPECT_EQ(model->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Spatial"));

    EXPECT_EQ(form->Panel101->text(), QStringLiteral("VK0HOM"));
    EXPECT_EQ(form->Panel102->text(), QStringLiteral("Melbourne  QF22ii  120m ASL"));
    EXPECT_EQ(form->Panel8->text(), QStringLiteral("37 : 30 : 0 : S    145 : 15 : 0 E"));
    EXPECT_EQ(form->Panel201->text(), QStringLiteral("DX1TST"));
    EXPECT_EQ(form->Panel202->text(), QStringLiteral("Bremen  JO43jb  10m ASL"));
    EXPECT_EQ(form->Panel203->text(), QStringLiteral("53 : 4 : 48 : N    8 : 48 : 0 E"));
    EXPECT_EQ(form->Panel501->text(), QStringLiteral("30"));
    EXPECT_EQ(form->Panel406->text(), QStringLiteral("90"));
    EXPECT_EQ(form->Panel402->text(), QStringLiteral("0"));
    EXPECT_EQ(form->Panel10->text(), QStringLiteral("90"));

    EXPECT_EQ(form->pos(), QPoint(1, 1));
    EXPECT_EQ(form->frameGeometry().size(), QSize(1024, 768));
    EXPECT_EQ(App().TargetIsSun, 0);
    EXPECT_EQ(App().PlannerBelowHorizon, 0);
    EXPECT_EQ(form->Panel7->text(), HorizonSwitchAtStart().Caption);
}

TEST_F(PlannerWindow, ShowingThePlannerActivatesIt)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Dravik Libration Planner"));
    form->DateTimePicker1->setDate(QDate(2011, 1, 1));
    form->ShowPlanner(200, 100);
    EXPECT_EQ(form->Panel8->text(), QStringLiteral("37 : 30 : 0 : S    145 : 15 : 0 E"));
    EXPECT_EQ(form->DateTimePicker1->date(), May16);
    EXPECT_EQ(form->pos(), QPoint(1, 1));
}

// Makes `widget` the active window, as a click on it would.
void Activate(QWidget* widget)
{
    widget->activateWindow();
    if (!QTest::qWaitForWindowActive(widget, 500))
        QApplication::setActiveWindow(widget);
    QApplication::processEvents();
}

TEST_F(PlannerWindow, ReturningFromAnotherWindowActivatesButADialogDoesNot)
{
    form4 = std::make_unique<TForm4>();
    form->show();
    Activate(form.get());
    ASSERT_TRUE(form->isActiveWindow());
    RunPlan(May16, May16);
    const int rows = form->Table().currentRow;
    ASSERT_GT(rows, 1);

    // A message box or a file dialog over the planner: the table stays.
    QDialog dialog(form.get());
    dialog.show();
    Activate(&dialog);
    ASSERT_TRUE(dialog.isActiveWindow());
    dialog.hide();
    Activate(form.get());
    ASSERT_TRUE(form->isActiveWindow());
    EXPECT_EQ(form->Table().currentRow, rows);
    EXPECT_EQ(form->DateTimePicker1->date(), May16);

    // Back from the station database: the planner starts afresh.
    form->DateTimePicker1->setDate(QDate(2012, 1, 1));
    form4->show();
    Activate(form4.get());
    ASSERT_TRUE(form4->isActiveWindow());
    Activate(form.get());
    ASSERT_TRUE(form->isActiveWindow());
    EXPECT_EQ(form->Table().currentRow, 0);
    EXPECT_EQ(form->DateTimePicker1->date(), May16);
}

TEST_F(PlannerWindow, IntervalSpinner)
{
    struct Case {
        int32_t from;
        bool up;
        int32_t expected;
    };
    const Case cases[] = {{1, false, 5}, {10, false, 5}, {7, false, 2}, {5, false, 4},
                          {2, false, 1}, {4, true, 5},   {5, true, 10}, {0, true, 1}};
    for (const Case& c : cases) {
        App().PlannerIntervalMinutes = c.from;
        (c.up ? form->SpinButton4->UpButton() : form->SpinButton4->DownButton())->click();
        EXPECT_EQ(App().PlannerIntervalMinutes, c.expected) << c.from;
        EXPECT_EQ(form->Panel501->text(), QString::number(c.expected)) << c.from;
    }
}

TEST_F(PlannerWindow, LimitSpinnersStayWithinZeroToNinety)
{
    AppState& s = App();
    struct Case {
        SpinButton* spin;
        long double* field;
        QLabel* panel;
        long double from;
        bool up;
        const char* shown;
    };
    const Case cases[] = {
        {form->SpinButton3, &s.PlannerMinHomeElevation, form->Panel402, 0, false, "0"},
        {form->SpinButton3, &s.PlannerMinHomeElevation, form->Panel402, 5, true, "6"},
        {form->SpinButton5, &s.PlannerMaxHomeElevation, form->Panel10, 90, true, "90"},
        {form->SpinButton5, &s.PlannerMaxHomeElevation, form->Panel10, 90, false, "89"},
        {form->SpinButton2, &s.PlannerMinDxElevation, form->Panel404, 10, true, "11"},
        {form->SpinButton2, &s.PlannerMinDxElevation, form->Panel404, 0.5L, false, "0"},
        {form->SpinButton6, &s.PlannerMaxDxElevation, form->Panel12, 90, false, "89"},
        {form->SpinButton6, &s.PlannerMaxDxElevation, form->Panel12, 95, true, "90"},
        {form->SpinButton1, &s.PlannerSpatialLimit, form->Panel406, 0, false, "0"},
        {form->SpinButton1, &s.PlannerSpatialLimit, form->Panel406, 89, true, "90"},
    };
    for (const Case& c : cases) {
        *c.field = c.from;
        (c.up ? c.spin->UpButton() : c.spin->DownButton())->click();
        EXPECT_EQ(c.panel->text(), QString::fromLatin1(c.shown)) << Text(c.panel->objectName());
        EXPECT_EQ(ShortestDecimal(*c.field), QString::fromLatin1(c.shown));
    }
}

TEST_F(PlannerWindow, DoubleClickSwapsMinimumAndMaximumPanels)
{
    form->show();
    struct Case {
        ClickablePanel* minimum;
        ClickablePanel* maximum;
    };
    for (const Case& c :
         {Case{form->Panel401, form->Panel9}, Case{form->Panel403, form->Panel11}}) {
        ASSERT_FALSE(c.minimum->isHidden());
        ASSERT_TRUE(c.maximum->isHidden());
        EXPECT_EQ(c.minimum->geometry(), c.maximum->geometry());
        QTest::mouseDClick(c.minimum, Qt::LeftButton);
        EXPECT_TRUE(c.minimum->isHidden());
        EXPECT_FALSE(c.maximum->isHidden());
        QTest::mouseDClick(c.maximum, Qt::LeftButton);
        EXPECT_FALSE(c.minimum->isHidden());
        EXPECT_TRUE(c.maximum->isHidden());
    }
}

TEST_F(PlannerWindow, HorizonSwitchOnlyWithoutDxStation)
{
    form->show();
    const QString atStart = form->Panel7->text();
    App().ShowStationB = 1;
    QTest::mouseClick(form->Panel7, Qt::LeftButton);
    EXPECT_EQ(App().PlannerBelowHorizon, 0);
    EXPECT_EQ(form->Panel7->text(), atStart);

    App().ShowStationB = 0;
    QTest::mouseClick(form->Panel7, Qt::LeftButton);
    EXPECT_EQ(App().PlannerBelowHorizon, 1);
    EXPECT_EQ(form->Panel7->text(), QStringLiteral("Calculate Moon even when below the Horizon"));
    EXPECT_EQ(form->Panel7->Colour(), QColor(192, 192, 192));
    QTest::mouseClick(form->Panel7, Qt::LeftButton);
    EXPECT_EQ(App().PlannerBelowHorizon, 0);
    EXPECT_EQ(form->Panel7->text(), QStringLiteral("Calculate Moon when only Above Horizon"));
    EXPECT_EQ(form->Panel7->Colour(), QColor(166, 202, 240));
}

TEST_F(PlannerWindow, AStartDateAfterTheEndMovesTheEnd)
{
    form->FormActivate();
    form->DateTimePicker2->setDate(QDate(2010, 5, 20));
    form->DateTimePicker1->setDate(QDate(2010, 5, 18));
    EXPECT_EQ(form->DateTimePicker2->date(), QDate(2010, 5, 20));
    form->DateTimePicker1->setDate(QDate(2010, 5, 25));
    EXPECT_EQ(form->DateTimePicker2->date(), QDate(2010, 5, 25));

    // An end before the start is taken as it is, and the run gives its first sample only.
    form->DateTimePicker2->setDate(QDate(2010, 5, 10));
    EXPECT_EQ(form->DateTimePicker1->date(), QDate(2010, 5, 25));
    EXPECT_EQ(form->DateTimePicker2->date(), QDate(2010, 5, 10));
    App().ShowStationB = 0;
    App().PlannerBelowHorizon = 1;
    form->Calculate->click();
    EXPECT_EQ(form->Table().currentRow, 2);
    EXPECT_EQ(form->Table().rows[1].cells[0].text, QStringLiteral("Tuesday 25/5/2010"));
    EXPECT_EQ(form->Table().rows[2].cells[0].text, QStringLiteral("0000"));
}

TEST_F(PlannerWindow, CalculateShowsTheCoreRows)
{
    for (const uint8_t withDx : {1, 0}) {
        App().ShowStationB = withDx;
        form->FormActivate();
        AppState expectedState = App();
        CurrentUtc(expectedState);
        PlannerTable expected;
        SetPlannerHeaders(expectedState, expected);
        PlanTable(expectedState, expected, May16, May16.addDays(1));
        ASSERT_GT(expected.currentRow, 4);

        RunPlan(May16, May16.addDays(1));
        const PlannerTable& shown = form->Table();
        ASSERT_EQ(shown.currentRow, expected.currentRow);
        ExpectShows(*form->ProfGrid1, expected);
        EXPECT_EQ(form->ProfGrid1->model()->headerData(7, Qt::Horizontal).toString(),
                  withDx ? QStringLiteral("HmLib") : QStringLiteral("LibHm"));
        EXPECT_EQ(form->ProfGrid1->model()->data(form->ProfGrid1->model()->index(0, 0)),
                  QStringLiteral("Sunday 16/5/2010"));
        EXPECT_EQ(App().CalcDay, expectedState.CalcDay);
        EXPECT_EQ(App().CalcHour, expectedState.CalcHour);
        EXPECT_EQ(App().CalcMinute, expectedState.CalcMinute);
        EXPECT_EQ(App().HomeSignalWidth, expectedState.HomeSignalWidth);
    }
}

TEST_F(PlannerWindow, ARunTooLongIsRefusedAndTheTableStays)
{
    form->FormActivate();
    RunPlan(May16, May16);
    const int rows = form->Table().currentRow;
    ASSERT_GT(rows, 1);
    const uint16_t calcDay = App().CalcDay;
    App().PlannerIntervalMinutes = 1;
    RunPlan(QDate(2010, 1, 1), QDate(2010, 12, 31));
    ASSERT_EQ(messages.boxes.shown.size(), 1u);
    EXPECT_EQ(messages.boxes.shown[0].text, PlannerTooLongMessage(525600));
    EXPECT_EQ(form->Table().currentRow, rows);
    EXPECT_EQ(form->ProfGrid1->model()->rowCount(),
              static_cast<int>(form->Table().rows.size()) - 1);
    EXPECT_EQ(App().CalcDay, calcDay);
}

TEST_F(PlannerWindow, ClearDxStationEmptiesTheTableForHomeOnlyHeadings)
{
    form->FormActivate();
    RunPlan(May16, May16);
    ASSERT_GT(form->Table().currentRow, 1);
    form->ColorButton2->click();
    EXPECT_EQ(App().ShowStationB, 0);
    EXPECT_EQ(form->Panel201->text(), QStringLiteral("Not selected"));
    EXPECT_EQ(form->Panel202->text(), QString());
    EXPECT_EQ(form->Panel203->text(), QString());
    EXPECT_EQ(form->Table().currentRow, 0);
    EXPECT_EQ(form->ProfGrid1->model()->rowCount(), 3);
    EXPECT_EQ(form->ProfGrid1->model()->headerData(8, Qt::Horizontal).toString(),
              QStringLiteral("dB"));
}

TEST_F(PlannerWindow, SaveHomeDataWritesTheSetupFile)
{
    form->SaveHomeData->click();
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("Tavrel.dat"))));
    ASSERT_FALSE(messages.boxes.shown.empty());
    EXPECT_EQ(messages.boxes.shown.back().text,
              QStringLiteral("The Home Set up Data File has been updated."));
}

TEST_F(PlannerWindow, ClosingReturnsToAndRecomputesTheMainWindow)
{
    form1 = std::make_unique<TForm1>();
    form1->show();
    PlannerStations(App());
    form1->TabControl1Click(1);
    ASSERT_TRUE(form1->isHidden());
    ASSERT_TRUE(form->isVisible());
    RunPlan(May16, May16);
    App().TargetIsSun = 1;
    // What the main window must show: the ephemeris at the time the run left behind.
    AppState expected = App();
    expected.TargetIsSun = 0;
    Recalculate(expected);
    App().TopoLibrationLatitude = 1234;
    App().TopoLibrationLongitude = 1234;
    App().OpenedFromMain = 0;

    form->CloseButton->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form1->isVisible());
    EXPECT_TRUE(form1->isEnabled());
    EXPECT_EQ(form1->TabControl1->currentIndex(), 0);
    EXPECT_EQ(form1->pos(), form->pos());
    EXPECT_EQ(App().MainWindowLeft, form->x());
    EXPECT_EQ(App().OpenedFromMain, 1);
    EXPECT_EQ(App().TargetIsSun, 0);
    EXPECT_EQ(App().CalcDay, 16);
    EXPECT_EQ(App().TopoLibrationLatitude, expected.TopoLibrationLatitude);
    EXPECT_EQ(App().TopoLibrationLongitude, expected.TopoLibrationLongitude);
}

// Pages of a PDF file and whether its first page stands upright.
struct PdfPages {
    int count = 0;
    bool portrait = false;
};

PdfPages ReadPdf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    PdfPages pages;
    if (!bytes.startsWith("%PDF"))
        return pages;
    pages.count = bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                  bytes.count("/Type /Page/") + bytes.count("/Type /Page ");
    const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox \\[\\s*0 0 ([0-9.]+) ([0-9.]+)\\s*\\]"));
    const QRegularExpressionMatch m = mediaBox.match(QString::fromLatin1(bytes));
    pages.portrait = m.hasMatch() && m.captured(1).toDouble() < m.captured(2).toDouble();
    return pages;
}

TEST_F(PlannerWindow, PrintingWritesEveryRowPortrait)
{
    int dialogs = 0;
    QString file;
    bool confirm = true;
    form->PrintDialogHook = [&](QPrinter& printer) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        // What the operator chose; the planner prints upright regardless.
        printer.setPageOrientation(QPageLayout::Landscape);
        return confirm;
    };
    form->FormActivate();
    App().ShowStationB = 0;
    App().PlannerBelowHorizon = 1;
    App().PlannerIntervalMinutes = 1;
    form->ColorButton2->click();
    RunPlan(May16, May16);
    ASSERT_EQ(form->Table().currentRow, 1441);

    file = Path(QStringLiteral("day.pdf"));
    form->BitBtn3->click();
    const PdfPages day = ReadPdf(file);
    EXPECT_TRUE(day.portrait);

    form->FormActivate();
    file = Path(QStringLiteral("empty.pdf"));
    form->BitBtn3->click();
    const PdfPages empty = ReadPdf(file);
    EXPECT_EQ(empty.count, 1);
    EXPECT_TRUE(empty.portrait);
    // A day at one minute cannot fit on a few pages; every row is printed.
    EXPECT_GT(day.count, 10);

    confirm = false;
    file = Path(QStringLiteral("cancelled.pdf"));
    form->BitBtn3->click();
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(dialogs, 3);
    EXPECT_TRUE(messages.boxes.shown.empty());
}

TEST_F(PlannerWindow, ExportWritesTheTableAsCsv)
{
    QString offeredDirectory;
    QString answer;
    form->ExportFileHook = [&](const QString& directory) {
        offeredDirectory = directory;
        return answer;
    };
    form->FormActivate();
    RunPlan(May16, May16.addDays(1));
    const int rows = form->Table().currentRow;
    ASSERT_GT(rows, 4);

    answer = Path(QStringLiteral("plan.csv"));
    form->ExportButton->click();
    EXPECT_EQ(offeredDirectory, QDir::currentPath());
    QFile f(answer);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes, PlannerCsv(form->Table()).toUtf8());
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), rows + 2);
    EXPECT_EQ(lines[0], QByteArray("UTC,Local,HmAz,HmEl,Dec,GHA,HM-HM,HmLib,Spatial,DxLocal,"
                                   "DxAz,DxEl,HM-DX,DxLib,B@A,dB\r"));
    EXPECT_EQ(lines[1], QByteArray("Sunday 16/5/2010,,,,,,,,,,,,,,,\r"));
    EXPECT_TRUE(lines.contains(QByteArray("Monday 17/5/2010,,,,,,,,,,,,,,,\r")));
    EXPECT_TRUE(messages.boxes.shown.empty());

    // Cancelled: nothing written, nothing said.
    answer.clear();
    form->ExportButton->click();
    EXPECT_TRUE(messages.boxes.shown.empty());

    // A file that cannot be written is reported; the table stays.
    answer = Path(QStringLiteral("no such folder/plan.csv"));
    form->ExportButton->click();
    ASSERT_EQ(messages.boxes.shown.size(), 1u);
    EXPECT_EQ(messages.boxes.shown[0].kind, MessageBoxes::Kind::Error);
    EXPECT_TRUE(messages.boxes.shown[0].text.contains(QStringLiteral("plan.csv")));
    EXPECT_EQ(form->Table().currentRow, rows);
}

// A database file of one station in row 1.
void WriteDatabase(const QString& name, const QString& location, const QString& call)
{
    GridModel grid;
    ResetToEmptyDatabase(grid);
    ASSERT_TRUE(grid.SetSize(StationColumn::Count, 2));
    const QString cells[StationColumn::Count] = {location,
                                                 call,
                                                 QStringLiteral("1"),
                                                 QStringLiteral("JO43jb"),
                                                 QStringLiteral("10"),
                                                 QStringLiteral("53"),
                                                 QStringLiteral("4"),
                                                 QStringLiteral("48"),
                                                 QStringLiteral("N"),
                                                 QStringLiteral("8"),
                                                 QStringLiteral("48"),
                                                 QStringLiteral("0"),
                                                 QStringLiteral("E")};
    for (int col = 0; col < StationColumn::Count; ++col)
        ASSERT_TRUE(grid.SetText(col, 1, cells[col]));
    ASSERT_TRUE(SaveGridToIni(grid, name).ok);
}

TEST_F(PlannerWindow, SelectADxStationFromTheDatabase)
{
    form1 = std::make_unique<TForm1>();
    form1->show();
    form4 = std::make_unique<TForm4>();
    PlannerStations(App());
    App().ShowStationB = 0;
    form1->TabControl1Click(1);
    WriteDatabase(DatabaseFileName, QStringLiteral("Shipped"), QStringLiteral("DL0SHP"));
    WriteDatabase(DatabaseCopyFileName, QStringLiteral("Saved copy"), QStringLiteral("DL0CPY"));

    form->ColorButton1->click();
    EXPECT_TRUE(form4->isVisible());
    EXPECT_TRUE(form1->isHidden());
    EXPECT_EQ(form4->width(), 415);
    EXPECT_EQ(form4->Grid->size(), QSize(400, 610));
    EXPECT_EQ(App().OpenedFromPlanner, 1);
    EXPECT_EQ(form4->DatabaseGrid().CellText(StationColumn::CallSign, 1), QStringLiteral("DL0CPY"));
    form4->CloseButton->click();

    // Without the saved copy the shipped list is offered, not an empty grid.
    ASSERT_TRUE(QFile::remove(DatabaseCopyFileName));
    form->ColorButton1->click();
    EXPECT_EQ(form4->DatabaseGrid().CellText(StationColumn::CallSign, 1), QStringLiteral("DL0SHP"));

    form4->Grid->SelectCell(StationColumn::Location, 1);
    messages.boxes.answers.push_back(MessageBoxes::Answer::No);
    form4->SelectDxButton->click();
    EXPECT_EQ(App().ShowStationB, 1);
    form->FormActivate();
    EXPECT_EQ(form->Panel201->text(), QStringLiteral("DL0SHP"));
    EXPECT_EQ(form->Panel202->text(), QStringLiteral("Shipped  JO43jb  10m ASL"));
    EXPECT_EQ(form->Panel203->text(), QStringLiteral("53 : 4 : 48 : N    8 : 48 : 0 E"));
}

} // namespace
