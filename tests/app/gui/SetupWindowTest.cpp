#include "StationWindowsFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "FormatFixed.h"
#include "GridIniFile.h"
#include "SpinButtonWidget.h"
#include "StationDatabase.h"

namespace
{

using Panel = THomeDataForm::StationPanel;

class SetupWindowTest : public StationWindowsTest
{
protected:
    void SetUp() override
    {
        StationWindowsTest::SetUp();
        CreateWindows();
    }

    Panel& PanelOf(Station station) { return station == Station::Home ? setup->Home : setup->Dx; }

    // Leaves the field the way an operator does, into another field.
    void Leave(Station station)
    {
        PanelOf(station).CallSign->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
};

TEST_F(SetupWindowTest, HomeCallSignRetitlesTheMainWindowAtEachKey)
{
    ShowSetup();
    QLineEdit* call = setup->Home.CallSign;
    call->setFocus();
    QString typed;
    for (char c : std::string("VK3ABC")) {
        QTest::keyClick(call, c);
        typed += QLatin1Char(c);
        EXPECT_EQ(App().HomeCallSign, typed);
        EXPECT_EQ(form1->HomeStationBox->title(), QStringLiteral("(A)   Home Station  ") + typed);
    }
}

TEST_F(SetupWindowTest, GridSquareTypedSetsThePositionAndClearsCallAndLocation)
{
    struct Case {
        Station station;
        const char* typed;
        const char* stored;
        double lat, lon;
        const char *latDeg, *latMin, *latSec, *longDeg, *longMin, *longSec;
        const char *latLetter, *longLetter;
    };
    const Case cases[] = {
        {Station::Home, "qf22LE", "QF22le", -37.8125, 144.958333333333, "37", "48", "45", "144",
         "57", "30", "S", "E"},
        {Station::Dx, "jj00AA", "JJ00aa", 0.0208333333333, 0.0416666666667, "0", "1", "15", "0",
         "2", "30", "N", "E"},
    };
    for (const Case& c : cases) {
        App() = AppState{};
        App().ShowStationB = 1;
        App().HomeDishCm = 300;
        App().DxDishCm = 250;
        ShowSetup();
        Panel& p = PanelOf(c.station);
        TypeOver(p.CallSign, "VK3ABC");
        TypeOver(p.Location, "Melbourne");
        QApplication::processEvents();

        QTest::mouseClick(p.GridSquare, Qt::LeftButton);
        EXPECT_TRUE(p.GridSquare->text().isEmpty());
        p.GridSquare->setFocus();
        // Fewer than six characters change nothing but the stored text.
        Type(p.GridSquare, std::string(c.typed).substr(0, 4).c_str());
        const StationFields partial = FieldsOf(App(), c.station);
        EXPECT_EQ(double(partial.Latitude), 0.0) << c.typed;
        EXPECT_EQ(partial.ShownLocator, QString::fromLatin1(c.typed).left(4));
        Type(p.GridSquare, c.typed + 4);

        const StationFields f = FieldsOf(App(), c.station);
        EXPECT_EQ(p.GridSquare->text(), QString::fromLatin1(c.stored)) << c.typed;
        EXPECT_EQ(f.ShownLocator, QString::fromLatin1(c.stored));
        EXPECT_NEAR(double(f.Latitude), c.lat, 1e-9) << c.typed;
        EXPECT_NEAR(double(f.Longitude), c.lon, 1e-9) << c.typed;
        const QList<std::pair<QLineEdit*, const char*>> dms{
            {p.LatDeg, c.latDeg},   {p.LatMin, c.latMin},   {p.LatSec, c.latSec},
            {p.LongDeg, c.longDeg}, {p.LongMin, c.longMin}, {p.LongSec, c.longSec}};
        for (const auto& [edit, text] : dms)
            EXPECT_EQ(edit->text(), QString::fromLatin1(text)) << edit->objectName().toStdString();
        EXPECT_EQ(p.LatHemisphere->text(), QString::fromLatin1(c.latLetter));
        EXPECT_EQ(p.LongHemisphere->text(), QString::fromLatin1(c.longLetter));
        EXPECT_EQ(p.Latitude->text(), FormatFixed(c.lat, 18, 5));
        EXPECT_TRUE(p.CallSign->text().isEmpty());
        EXPECT_TRUE(p.Location->text().isEmpty());
        EXPECT_TRUE(f.CallSign.isEmpty());
        EXPECT_TRUE(f.Location.isEmpty());
        if (c.station == Station::Home) {
            EXPECT_EQ(App().HomeGridSquare, QString::fromLatin1(c.stored));
            EXPECT_EQ(form1->HomeStationBox->title(), QStringLiteral("(A)   Home Station  "));
        }
    }
}

TEST_F(SetupWindowTest, DegreeFieldsTakeTheClampedValueAndShowItOnceLeft)
{
    // StationFields holds references; reach the companions through a copy of it.
    const auto companion = [](Station station, const char* which) {
        const StationFields f = FieldsOf(App(), station);
        const QString name = QString::fromLatin1(which);
        if (name == QLatin1String("LatDeg"))
            return f.LatDeg;
        if (name == QLatin1String("LatMin"))
            return f.LatMin;
        if (name == QLatin1String("LatSec"))
            return f.LatSec;
        return f.LongDeg;
    };
    struct Row {
        Station station;
        QLineEdit* Panel::*field;
        const char* companionName;
        const char* typed;
        int32_t used;
        const char* shown;
    };
    const Row rows[] = {
        {Station::Home, &Panel::LatDeg, "LatDeg", "75", 75, "75"},
        {Station::Home, &Panel::LatDeg, "LatDeg", "95", 90, "90"},
        {Station::Home, &Panel::LongDeg, "LongDeg", "185", 179, "179"},
        {Station::Home, &Panel::LatSec, "LatSec", "75", 59, "59"},
        {Station::Home, &Panel::LatSec, "LatSec", "4x5", 45, "45"},
        {Station::Home, &Panel::LatDeg, "LatDeg", "-", 0, "0"},
        {Station::Dx, &Panel::LatDeg, "LatDeg", "95", 90, "90"},
        {Station::Dx, &Panel::LongDeg, "LongDeg", "185", 179, "179"},
    };
    App().ShowStationB = 1;
    ShowSetup();
    for (const Row& r : rows) {
        QLineEdit* edit = PanelOf(r.station).*r.field;
        TypeOver(edit, r.typed);
        EXPECT_EQ(companion(r.station, r.companionName), r.used) << r.typed;
        Leave(r.station);
        EXPECT_EQ(edit->text(), QString::fromLatin1(r.shown)) << r.typed;
        EXPECT_EQ(companion(r.station, r.companionName), r.used) << r.typed;
    }
    // The position follows the companions: 90° north, 179° west.
    EXPECT_NEAR(double(App().DxLatitude), 90.0, 1e-12);
    EXPECT_NEAR(double(App().DxLongitude), -179.0, 1e-12);
}

TEST_F(SetupWindowTest, DecimalFieldsTakeTypedDegreesForBothStations)
{
    App().ShowStationB = 1;
    ShowSetup();
    for (Station station : {Station::Home, Station::Dx}) {
        Panel& p = PanelOf(station);
        TypeOver(p.Latitude, "-37.8125");
        EXPECT_EQ(p.Latitude->text(), QStringLiteral("-37.8125"));
        TypeOver(p.Longitude, "144.958333");
        const StationFields f = FieldsOf(App(), station);
        EXPECT_NEAR(double(f.Latitude), -37.8125, 1e-12);
        EXPECT_NEAR(double(f.Longitude), 144.958333, 1e-12);
        EXPECT_EQ(p.LatDeg->text(), QStringLiteral("37"));
        EXPECT_EQ(p.LatSec->text(), QStringLiteral("45"));
        EXPECT_EQ(p.LatHemisphere->text(), QStringLiteral("S"));
        EXPECT_EQ(p.GridSquare->text(), QStringLiteral("QF22le"));
        Leave(station);
        EXPECT_EQ(p.Longitude->text(), QStringLiteral("144.95833"));
    }
}

TEST_F(SetupWindowTest, UtcOffsetsOutOfRange)
{
    struct Case {
        Station station;
        const char* typed;
        const char* textTyped;
        double valueTyped;
        const char* textLeft;
        double valueLeft;
        bool focusKept;
    };
    const Case cases[] = {
        {Station::Home, "24", "0.0", 0, "0.0", 0, false},
        {Station::Dx, "24", "24", 24, "23.5", 23.5, true},
        {Station::Dx, "-30", "-30", -30, "-23.5", -23.5, true},
        {Station::Home, "9.75", "9.75", 9.75, "9.8", 9.8, false},
    };
    App().ShowStationB = 1;
    ShowSetup();
    for (const Case& c : cases) {
        QLineEdit* utc = PanelOf(c.station).Utc;
        TypeOver(utc, c.typed);
        EXPECT_EQ(utc->text(), QString::fromLatin1(c.textTyped)) << c.typed;
        EXPECT_NEAR(double(FieldsOf(App(), c.station).UtcOffset), c.valueTyped, 1e-12) << c.typed;
        Leave(c.station);
        QTest::qWait(20);
        EXPECT_EQ(utc->text(), QString::fromLatin1(c.textLeft)) << c.typed;
        EXPECT_NEAR(double(FieldsOf(App(), c.station).UtcOffset), c.valueLeft, 1e-12) << c.typed;
        EXPECT_EQ(utc->hasFocus(), c.focusKept) << c.typed;
    }
}

TEST_F(SetupWindowTest, GetDxDataAfterASaveRestoresUtcAndHeight)
{
    App().ShowStationB = 1;
    ShowSetup();
    TypeOver(setup->Dx.Utc, "5.5");
    TypeOver(setup->Dx.Height, "120");
    Boxes().answers = {MessageBoxes::Answer::Ok, MessageBoxes::Answer::No};
    QTest::mouseClick(setup->Dx.SaveButton, Qt::LeftButton);
    ASSERT_EQ(FileBytes(QStringLiteral("Tavrel.dat")).size(), 328);
    EXPECT_TRUE(
        ShownTexts().contains(QStringLiteral("The Home Set up Data File has been updated.")));

    TypeOver(setup->Dx.Utc, "3");
    TypeOver(setup->Dx.Height, "7");
    EXPECT_EQ(double(App().DxHeightM), 7.0);
    QTest::mouseClick(setup->Dx.GetButton, Qt::LeftButton);
    EXPECT_EQ(setup->Dx.Utc->text(), QStringLiteral("5.5"));
    EXPECT_EQ(setup->Dx.Height->text(), QStringLiteral("120"));
    EXPECT_EQ(double(App().DxUtcOffset), 5.5);
    EXPECT_EQ(double(App().DxHeightM), 120.0);
}

TEST_F(SetupWindowTest, HomeBeamFollowsItsSpinnerAtOnceDxBeamAtTheNextRefresh)
{
    App().ShowStationB = 1;
    App().HomeDishCm = 300;
    App().DxDishCm = 250;
    App().WavelengthMm = 231.3;
    ShowSetup();
    const auto beam = [](long double dishCm) {
        return FormatFixed(70 * 231.3L / (dishCm * 10), 6, 2) + QStringLiteral("\u00b0");
    };
    EXPECT_EQ(setup->Home.BeamBox->text(), beam(300));

    QTest::mouseClick(setup->Home.DishSpin->UpButton(), Qt::LeftButton);
    EXPECT_EQ(double(App().HomeDishCm), 301.0);
    EXPECT_EQ(setup->Home.DishBox->text(), QStringLiteral("3.01 M"));
    EXPECT_EQ(setup->Home.BeamBox->text(), beam(301));

    const QString dxBeamBefore = setup->Dx.BeamBox->text();
    EXPECT_EQ(dxBeamBefore, beam(250));
    QTest::mouseClick(setup->Dx.DishSpin->DownButton(), Qt::LeftButton);
    EXPECT_EQ(double(App().DxDishCm), 249.0);
    EXPECT_EQ(setup->Dx.DishBox->text(), QStringLiteral("2.49 M"));
    EXPECT_EQ(setup->Dx.BeamBox->text(), dxBeamBefore);
    setup->RefreshSetupWindow();
    EXPECT_EQ(setup->Dx.BeamBox->text(), beam(249));
}

TEST_F(SetupWindowTest, SaveHomeWithoutGridSquareSavesTheSetupButNotTheDatabase)
{
    CopyShippedDatabase();
    const QByteArray database = FileBytes(QStringLiteral("DravikDXCC.ini"));
    ShowSetup();
    TypeOver(setup->Home.CallSign, "VK3ABC");
    TypeOver(setup->Home.Location, "Melbourne");
    QTest::mouseClick(setup->Home.GridSquare, Qt::LeftButton);
    setup->Home.GridSquare->setFocus();
    QTest::keyClick(setup->Home.GridSquare, Qt::Key_Backspace);
    ASSERT_TRUE(App().GridSquareWork.isEmpty());
    Boxes().shown.clear();

    QTest::mouseClick(setup->Home.SaveButton, Qt::LeftButton);
    EXPECT_EQ(FileBytes(QStringLiteral("Tavrel.dat")).size(), 328);
    ASSERT_EQ(ShownTexts().size(), 2) << ShownTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(ShownTexts()[0], QStringLiteral("The Home Set up Data File has been updated."));
    EXPECT_EQ(ShownTexts()[1], QStringLiteral("The Home Data has not been defined fully.\r\n\r\n"
                                              "Enter the Home Call sign and Dx Location info."));
    EXPECT_EQ(FileBytes(QStringLiteral("DravikDXCC.ini")), database);
    EXPECT_TRUE(setup->Home.GridSquare->hasFocus());
}

TEST_F(SetupWindowTest, HomeStationSavedIntoRow460SurvivesARestart)
{
    CopyShippedDatabase();
    ShowSetup();
    TypeOver(setup->Home.Latitude, "-37.8125");
    TypeOver(setup->Home.Longitude, "144.958333");
    TypeOver(setup->Home.CallSign, "VK3ABC");
    TypeOver(setup->Home.Location, "Melbourne");
    TypeOver(setup->Home.Utc, "10");
    TypeOver(setup->Home.Height, "35");
    Boxes().answers = {MessageBoxes::Answer::Ok, MessageBoxes::Answer::Yes};
    QTest::mouseClick(setup->Home.SaveButton, Qt::LeftButton);
    EXPECT_TRUE(
        ShownTexts().contains(QStringLiteral("Do you now wish save your Home Data information to "
                                             "the User section of DXCC Data Base ?")));

    GridModel saved;
    ASSERT_TRUE(LoadGridFromIni(saved, QStringLiteral("DravikDXCC.ini")).ok);
    EXPECT_EQ(saved.CellText(StationColumn::Location, 460), QStringLiteral("Melbourne"));
    EXPECT_EQ(saved.CellText(StationColumn::CallSign, 460), QStringLiteral("VK3ABC"));
    EXPECT_EQ(saved.CellText(StationColumn::GridSquare, 460), QStringLiteral("QF22le"));
    EXPECT_EQ(saved.CellText(StationColumn::LatHemisphere, 460), QStringLiteral("S"));
    EXPECT_EQ(saved.CellText(StationColumn::UtcOffset, 460), QStringLiteral("10"));
    EXPECT_NE(saved.CellText(StationColumn::Location, 459), QStringLiteral("Melbourne"));

    // A restart: new windows, fresh state, the station list opened from the main window.
    DestroyWindows();
    App() = AppState{};
    CreateWindows();
    EXPECT_EQ(App().HomeCallSign, QStringLiteral("VK3ABC"));
    App().OpenedFromMain = 1;
    form4->OpenDatabaseWindow();
    EXPECT_EQ(form4->DatabaseGrid().CellText(StationColumn::Location, 460),
              QStringLiteral("Melbourne"));
    EXPECT_EQ(form4->DatabaseGrid().CellText(StationColumn::HeightM, 460), QStringLiteral("35"));
    // The next station goes below it.
    EXPECT_EQ(FindFreeRow(form4->DatabaseGrid()), 461);
}

TEST_F(SetupWindowTest, DeletingIsRefusedInTheProtectedListAndAllowedInTheUserArea)
{
    CopyShippedDatabase();
    GridModel seeded;
    ASSERT_TRUE(LoadGridFromIni(seeded, QStringLiteral("DravikDXCC.ini")).ok);
    StationRow mine;
    mine.Location = QStringLiteral("Mine");
    mine.CallSign = QStringLiteral("ZZ1ZZ");
    ASSERT_EQ(AddStationToUserArea(seeded, mine).Row, 460);
    ASSERT_TRUE(SaveGridToIni(seeded, QStringLiteral("DravikDXCC.ini")).ok);
    const QString protectedName = seeded.CellText(StationColumn::Location, 459);

    struct Case {
        int row;
        bool deleted;
    };
    for (const Case& c : {Case{459, false}, Case{460, true}}) {
        ShowSetup();
        App().StationPicked = 1;
        App().SelectedDbRow = c.row;
        Boxes().shown.clear();
        Boxes().answers = {MessageBoxes::Answer::Yes};
        setup->OptionsListClick(3);
        GridModel onDisk;
        ASSERT_TRUE(LoadGridFromIni(onDisk, QStringLiteral("DravikDXCC.ini")).ok);
        EXPECT_EQ(onDisk.CellText(StationColumn::Location, 459), protectedName) << c.row;
        EXPECT_EQ(form4->DatabaseGrid().CellText(StationColumn::Location, 459), protectedName);
        if (c.deleted) {
            EXPECT_EQ(ShownTexts().value(0),
                      QStringLiteral("Delete this entry ? \r\n\r\nMine ZZ1ZZ 0 "));
            EXPECT_TRUE(
                ShownTexts().contains(QStringLiteral("The Data Base File has also been updated.")));
            EXPECT_TRUE(onDisk.CellIsEmpty(StationColumn::Location, 460));
            EXPECT_TRUE(form4->DatabaseGrid().CellIsEmpty(StationColumn::Location, 460));
            EXPECT_EQ(onDisk.RowCount(), seeded.RowCount());
        } else {
            EXPECT_EQ(ShownTexts(), QStringList{ProtectedRowMessage()});
            EXPECT_EQ(onDisk.CellText(StationColumn::Location, 460), QStringLiteral("Mine"));
        }
    }
}

TEST_F(SetupWindowTest, NewDxStationGoesToTheUserAreaOnlyWhenConfirmed)
{
    CopyShippedDatabase();
    const QByteArray shipped = FileBytes(QStringLiteral("DravikDXCC.ini"));
    struct Case {
        MessageBoxes::Answer answer;
        bool written;
    };
    for (const Case& c :
         {Case{MessageBoxes::Answer::No, false}, Case{MessageBoxes::Answer::Yes, true}}) {
        App().ShowStationB = 1;
        ShowSetup();
        App().StationPicked = 1;
        QTest::mouseClick(setup->Dx.GridSquare, Qt::LeftButton);
        setup->Dx.GridSquare->setFocus();
        Type(setup->Dx.GridSquare, "QF21ut");
        TypeOver(setup->Dx.CallSign, "VK3XYZ");
        TypeOver(setup->Dx.Location, "Geelong");
        ASSERT_EQ(App().DxLocation, QStringLiteral("Geelong"));
        Boxes().shown.clear();
        Boxes().answers = {c.answer};
        setup->OptionsListClick(2);

        ASSERT_FALSE(ShownTexts().isEmpty());
        EXPECT_EQ(ShownTexts()[0],
                  QStringLiteral("Do you wish save this new location to the Data Base File?"
                                 "\r\n\r\n        Geelong VK3XYZ QF21ut"));
        EXPECT_EQ(App().ShowStationB, 1);
        EXPECT_LT(double(App().DxLatitude), 0.0);
        GridModel onDisk;
        ASSERT_TRUE(LoadGridFromIni(onDisk, QStringLiteral("DravikDXCC.ini")).ok);
        const GridModel& inMemory = form4->DatabaseGrid();
        if (!c.written) {
            EXPECT_EQ(FileBytes(QStringLiteral("DravikDXCC.ini")), shipped);
            EXPECT_TRUE(inMemory.CellIsEmpty(StationColumn::Location, 460));
            continue;
        }
        EXPECT_TRUE(ShownTexts().contains(QStringLiteral("The Data Base File has been updated.")));
        for (const GridModel* grid : {static_cast<const GridModel*>(&onDisk), &inMemory}) {
            EXPECT_EQ(grid->CellText(StationColumn::Location, 460), QStringLiteral("Geelong"));
            EXPECT_EQ(grid->CellText(StationColumn::CallSign, 460), QStringLiteral("VK3XYZ"));
            EXPECT_EQ(grid->CellText(StationColumn::GridSquare, 460), QStringLiteral("QF21ut"));
            EXPECT_EQ(grid->CellText(StationColumn::LatHemisphere, 460), QStringLiteral("S"));
            EXPECT_EQ(grid->CellText(StationColumn::LongHemisphere, 460), QStringLiteral("E"));
        }
    }
}

TEST_F(SetupWindowTest, OptionsNeedAStationFirst)
{
    struct Case {
        int item;
        QString message;
        bool selectionKept;
    };
    const Case cases[] = {
        {2, QStringLiteral("Select a Station from the Data Base first**"), false},
        {3, QStringLiteral("Select a Station from the Data Base First"), false},
        {1, QStringLiteral("Dx Data has not been defined"), true},
    };
    App().ShowStationB = 1;
    ShowSetup();
    // An emptied Dx grid square leaves the Dx station undefined.
    QTest::mouseClick(setup->Dx.GridSquare, Qt::LeftButton);
    setup->Dx.GridSquare->setFocus();
    QTest::keyClick(setup->Dx.GridSquare, Qt::Key_Backspace);
    ASSERT_TRUE(App().DxGridSquare.isEmpty());
    for (const Case& c : cases) {
        Boxes().shown.clear();
        QListWidgetItem* item = setup->OptionsList->item(c.item);
        QTest::mouseClick(setup->OptionsList->viewport(), Qt::LeftButton, {},
                          setup->OptionsList->visualItemRect(item).center());
        EXPECT_EQ(ShownTexts(), QStringList{c.message}) << c.item;
        EXPECT_EQ(item->isSelected(), c.selectionKept) << c.item;
        EXPECT_TRUE(setup->isVisible());
    }
    // The last message was about the Dx station, whose grid square is to be entered.
    EXPECT_TRUE(setup->Dx.GridSquare->hasFocus());

    // With a Dx station the calculator is reached and this window goes away.
    App().DxGridSquare = QStringLiteral("JJ00aa");
    setup->OptionsListClick(1);
    EXPECT_FALSE(setup->isVisible());
    EXPECT_TRUE(form1->isEnabled());
}

} // namespace
