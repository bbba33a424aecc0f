#include "StationWindowsFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>

#include "GridIniFile.h"
#include "GridTableView.h"
#include "StationDatabase.h"

namespace
{

class DatabaseWindowTest : public StationWindowsTest
{
protected:
    void SetUp() override
    {
        StationWindowsTest::SetUp();
        CopyShippedDatabase();
        CreateWindows();
    }

    // The database opened from the main window's tab.
    void OpenFromMain()
    {
        App().OpenedFromMain = 1;
        App().OpenedFromPlanner = 0;
        App().OpenedFromSetup = 0;
        form4->OpenDatabaseWindow();
        ASSERT_TRUE(form4->isVisible());
    }

    int FindTyped(const char* typed)
    {
        QTest::mouseClick(form4->FindButton, Qt::LeftButton);
        EXPECT_TRUE(form4->FastFindPanel->isVisible());
        EXPECT_FALSE(form4->FindButton->isVisible());
        form4->FastFindEdit->clear();
        QTest::keyClicks(form4->FastFindEdit, QString::fromLatin1(typed));
        QTest::keyClick(form4->FastFindEdit, Qt::Key_Return);
        return form4->CurrentRow();
    }
};

TEST_F(DatabaseWindowTest, FastFindByLocationPrefixOrWholeCall)
{
    OpenFromMain();
    GridModel& grid = form4->DatabaseGrid();
    StationRow mine;
    mine.Location = QStringLiteral("Hilltop");
    mine.CallSign = QStringLiteral("ZZ9XYZ");
    ASSERT_EQ(AddStationToUserArea(grid, mine).Row, 460);
    form4->ReloadGrid();

    const int vk = FindTyped("vk");
    ASSERT_GT(vk, 0);
    EXPECT_TRUE(grid.CellText(StationColumn::CallSign, vk).startsWith(QStringLiteral("VK,")))
        << grid.CellText(StationColumn::CallSign, vk).toStdString();
    EXPECT_EQ(form4->Grid->CurrentGridCol(), StationColumn::Location);
    EXPECT_FALSE(form4->FastFindPanel->isVisible());
    EXPECT_TRUE(form4->FindButton->isVisible());

    EXPECT_EQ(FindTyped("hilltop"), 460);
    EXPECT_EQ(FindTyped("zz9xyz"), 460);

    // Part of a six-character call finds nothing; the field says so.
    form4->Grid->SelectCell(0, 1);
    FindTyped("zz9xy");
    EXPECT_EQ(form4->FastFindEdit->text(), QStringLiteral("Not found"));
    EXPECT_EQ(form4->CurrentRow(), 1);
    EXPECT_TRUE(form4->FastFindPanel->isVisible());
}

TEST_F(DatabaseWindowTest, EditingFollowsTheCurrentRow)
{
    OpenFromMain();
    struct Case {
        int row;
        bool editable;
    };
    for (const Case& c : {Case{459, false}, Case{460, true}, Case{1, false}, Case{999, true}}) {
        form4->Grid->SelectCell(1, c.row);
        EXPECT_EQ(App().SelectedDbRow, c.row);
        EXPECT_EQ(form4->Grid->EditingEnabled(), c.editable) << c.row;
        GridTableModel* model = form4->Grid->TableModel();
        const QModelIndex index = model->IndexOf(1, c.row);
        const QString before = form4->DatabaseGrid().CellText(1, c.row);
        EXPECT_EQ(model->setData(index, QStringLiteral("K1ABC")), c.editable) << c.row;
        EXPECT_EQ(form4->DatabaseGrid().CellText(1, c.row),
                  c.editable ? QStringLiteral("K1ABC") : before)
            << c.row;
    }

    // A double click in the shipped list explains why it cannot be edited.
    Boxes().shown.clear();
    form4->Grid->SelectCell(1, 459);
    QWidget* viewport = form4->Grid->viewport();
    const QRect cell = form4->Grid->visualRect(form4->Grid->TableModel()->IndexOf(1, 459));
    // As the system delivers it: a click, then the double click.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(ShownTexts(), QStringList{ProtectedRowMessage()});
    EXPECT_FALSE(form4->Grid->EditingEnabled());
}

TEST_F(DatabaseWindowTest, TakingADxStationPutsItInUseAfterStationAOnly)
{
    form1->CheckBox1->click(); // "Stn A only"
    ASSERT_EQ(App().ShowStationB, 0);
    OpenFromMain();
    form1->setEnabled(false);
    const int row = FindTyped("vk");
    const GridModel& grid = form4->DatabaseGrid();
    Boxes().shown.clear();
    Boxes().answers = {MessageBoxes::Answer::No};
    QTest::mouseClick(form4->SelectDxButton, Qt::LeftButton);

    EXPECT_EQ(App().ShowStationB, 1);
    EXPECT_EQ(App().DxLocation, grid.CellText(StationColumn::Location, row).left(15));
    EXPECT_EQ(App().DxCallSign, grid.CellText(StationColumn::CallSign, row).left(8));
    EXPECT_EQ(ShownTexts(), QStringList{QStringLiteral(
                                "Do you wish make this Dx Station selection as your default ?")});
    EXPECT_FALSE(QFile::exists(QStringLiteral("Tavrel.dat")));
    // Back in the main window, which shows the station.
    EXPECT_FALSE(form4->isVisible());
    EXPECT_TRUE(form1->isEnabled());
    EXPECT_EQ(form1->DxStationBox->title(),
              (QStringLiteral("(B)   Dx Station ") + App().DxCallSign).left(25));
}

TEST_F(DatabaseWindowTest, HomeStationTakenAsDefaultFromTheSetUpWindow)
{
    App().OpenedFromMain = 0;
    App().OpenedFromSetup = 1;
    setup->ShowSetupWindow();
    setup->OptionsListClick(0);
    ASSERT_TRUE(form4->isVisible());
    EXPECT_EQ(App().StationPicked, 1);
    const int row = FindTyped("victoria");
    ASSERT_GT(row, 0);
    Boxes().shown.clear();
    Boxes().answers = {MessageBoxes::Answer::Yes, MessageBoxes::Answer::Ok};
    QTest::mouseClick(form4->SelectHomeButton, Qt::LeftButton);

    EXPECT_EQ(App().HomeLocation, QStringLiteral("Victoria"));
    EXPECT_EQ(App().SelectedDbRow, row);
    EXPECT_EQ(FileBytes(QStringLiteral("Tavrel.dat")).size(), 328);
    EXPECT_TRUE(
        ShownTexts().contains(QStringLiteral("The Home Set up Data File has been updated.")));
    EXPECT_FALSE(form4->isVisible());
    EXPECT_TRUE(setup->isVisible());
    EXPECT_EQ(setup->Home.Location->text(), QStringLiteral("Victoria"));
    EXPECT_EQ(setup->Home.CallSign->text(), QStringLiteral("VK3"));
    EXPECT_TRUE(setup->OptionsList->selectedItems().isEmpty());
}

TEST_F(DatabaseWindowTest, SaveDataBaseWritesTheSecondCopyOnly)
{
    OpenFromMain();
    const QByteArray shipped = FileBytes(QStringLiteral("DravikDXCC.ini"));
    form4->Grid->SelectCell(1, 461);
    ASSERT_TRUE(form4->Grid->TableModel()->setData(
        form4->Grid->TableModel()->IndexOf(StationColumn::CallSign, 461), QStringLiteral("K9X")));
    QTest::mouseClick(form4->SaveDataBaseButton, Qt::LeftButton);

    EXPECT_EQ(ShownTexts(), QStringList{QStringLiteral(
                                "The User area of the Dravik Data Base File has been updated.")});
    EXPECT_EQ(FileBytes(QStringLiteral("DravikDXCC.ini")), shipped);
    GridModel copy;
    ASSERT_TRUE(LoadGridFromIni(copy, QStringLiteral("TavrelDataBase.ini")).ok);
    EXPECT_EQ(copy.CellText(StationColumn::CallSign, 461), QStringLiteral("K9X"));
    EXPECT_EQ(copy.CellText(StationColumn::Location, 1),
              form4->DatabaseGrid().CellText(StationColumn::Location, 1));
}

TEST_F(DatabaseWindowTest, DamagedDatabaseFileIsReportedAndChangesNothing)
{
    OpenFromMain();
    form4->CloseWindow();
    const QString before = form4->DatabaseGrid().CellText(StationColumn::Location, 1);
    const int rows = form4->DatabaseGrid().RowCount();
    {
        QFile file(QStringLiteral("DravikDXCC.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Grid]\r\nAbsoluteColCount=13\r\nAbsoluteRowCount=5\r\n\r\n[Value]\r\n"
                   "0 900=100Too far\r\n");
    }
    Boxes().shown.clear();
    OpenFromMain();
    ASSERT_FALSE(ShownTexts().isEmpty());
    EXPECT_EQ(Boxes().shown.front().kind, MessageBoxes::Kind::Error);
    EXPECT_EQ(form4->DatabaseGrid().RowCount(), rows);
    EXPECT_EQ(form4->DatabaseGrid().CellText(StationColumn::Location, 1), before);
    EXPECT_EQ(form4->Grid->TableModel()->rowCount(), rows - 1);
}

TEST_F(DatabaseWindowTest, FullUserAreaIsReportedAndNothingIsWritten)
{
    GridModel full;
    ASSERT_TRUE(LoadGridFromIni(full, QStringLiteral("DravikDXCC.ini")).ok);
    for (int row = FirstUserRow; row < full.RowCount(); ++row)
        full.SetText(StationColumn::Location, row, QStringLiteral("U%1").arg(row));
    ASSERT_TRUE(SaveGridToIni(full, QStringLiteral("DravikDXCC.ini")).ok);
    const QByteArray before = FileBytes(QStringLiteral("DravikDXCC.ini"));

    App().OpenedFromSetup = 1;
    setup->ShowSetupWindow();
    App().HomeCallSign = QStringLiteral("VK3ABC");
    App().HomeLocation = QStringLiteral("Melbourne");
    setup->RefreshSetupWindow();
    Boxes().shown.clear();
    Boxes().answers = {MessageBoxes::Answer::Yes};
    setup->SaveHomeToDatabase();
    EXPECT_TRUE(ShownTexts().contains(QStringLiteral("Grid index out of range")));
    EXPECT_EQ(FileBytes(QStringLiteral("DravikDXCC.ini")), before);
    for (int row = 1; row <= LastProtectedRow; ++row)
        ASSERT_NE(form4->DatabaseGrid().CellText(StationColumn::Location, row),
                  QStringLiteral("Melbourne"));
}

TEST_F(DatabaseWindowTest, GridPrintsEveryRowToAPdf)
{
    OpenFromMain();
    const QString pdf = QDir::current().filePath(QStringLiteral("stations.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(form4->Grid->Print(printer));
    const QByteArray bytes = FileBytes(pdf);
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    // 1000 rows do not fit on one page.
    EXPECT_GT(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1);
}

} // namespace
