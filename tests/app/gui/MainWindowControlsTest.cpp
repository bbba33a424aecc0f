#include <QButtonGroup>
#include <QChartView>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextBrowser>
#include <QValueAxis>
#include <QXYSeries>
#include <QtTest>

#include "ChartSet.h"
#include "ChartSweeps.h"
#include "ClickablePanelWidget.h"
#include "EphemerisPanels.h"
#include "HelpViewerDialog.h"
#include "MainControls.h"
#include "MainPaletteView.h"
#include "MainWindowFixture.h"
#include "SpinButtonWidget.h"

namespace
{

class MainWindowControlsTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        WriteSetupFile();
        OpenWindows();
        messages.boxes.shown.clear();
    }

    static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    QColor BoxColour(QLabel* box) const { return box->palette().color(QPalette::Window); }

    QValueAxis* AxisOf(int chart, Qt::Orientation o) const
    {
        return qobject_cast<QValueAxis*>(form1->ChartView(chart)->chart()->axes(o).first());
    }

    const ScriptedMessageBoxes::Shown* LastShown() const
    {
        return messages.boxes.shown.empty() ? nullptr : &messages.boxes.shown.back();
    }
};

TEST_F(MainWindowControlsTest, DishSpinnersStepAndX10ColoursTheBoxes)
{
    AppState& s = App();
    s.HomeDishCm = 1;
    Click(form1->DishStationA->DownButton());
    EXPECT_EQ(s.HomeDishCm, 10);
    EXPECT_EQ(form1->HomeDishBox->text(), QStringLiteral("0.10 M"));
    Click(form1->DishStationA->UpButton());
    EXPECT_EQ(s.HomeDishCm, 11);

    EXPECT_EQ(BoxColour(form1->HomeDishBox), MainColours::Cream);
    EXPECT_EQ(BoxColour(form1->DxDishBox), MainColours::MoneyGreen);
    Click(form1->X10Button);
    EXPECT_EQ(s.DishStepTen, 1);
    EXPECT_EQ(BoxColour(form1->HomeDishBox), MainColours::Yellow);
    EXPECT_EQ(form1->X10Button->Colour(), MainColours::Yellow);
    EXPECT_EQ(BoxColour(form1->DxDishBox), MainColours::Yellow);

    s.HomeDishCm = 15;
    Click(form1->DishStationA->DownButton());
    EXPECT_EQ(s.HomeDishCm, 5);
    Click(form1->DishStationA->DownButton());
    EXPECT_EQ(s.HomeDishCm, 10);
    Click(form1->DishStationB->UpButton());
    EXPECT_EQ(s.DxDishCm, 260);
    EXPECT_EQ(form1->DxDishBox->text(), QStringLiteral("2.60 M"));

    Click(form1->X10Button);
    EXPECT_EQ(s.DishStepTen, 0);
    EXPECT_EQ(BoxColour(form1->HomeDishBox), MainColours::Cream);
    EXPECT_EQ(form1->X10Button->Colour(), MainColours::ButtonFace(form1.get()));
    EXPECT_EQ(BoxColour(form1->DxDishBox), MainColours::MoneyGreen);
}

TEST_F(MainWindowControlsTest, HourSpinnersKeepTheWindowAndSetTheTimeWindowAxis)
{
    const auto setupFile = [] {
        QFile f(QStringLiteral("Tavrel.DAT"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray stored = setupFile();
    AppState& s = App();
    s.StartHour = 5;
    s.EndHour = 6;
    Click(form1->StartHourSpin->UpButton());
    EXPECT_EQ(s.StartHour, 5);
    Click(form1->EndHourSpin->DownButton());
    EXPECT_EQ(s.EndHour, 6);
    EXPECT_EQ(form1->StartHourBox->text(), QStringLiteral("+5 z"));
    EXPECT_EQ(form1->EndHourBox->text(), QStringLiteral("+6 z"));

    s.EndHour = 23;
    Click(form1->EndHourSpin->UpButton());
    Click(form1->EndHourSpin->UpButton());
    EXPECT_EQ(s.EndHour, 24);
    EXPECT_EQ(form1->EndHourBox->text(), QStringLiteral("+24 z"));
    QValueAxis* bottom = AxisOf(5, Qt::Horizontal);
    EXPECT_EQ(bottom->min(), 5);
    EXPECT_EQ(bottom->max(), 24);
    Click(form1->StartHourSpin->DownButton());
    EXPECT_EQ(form1->StartHourBox->text(), QStringLiteral("+4 z"));
    EXPECT_EQ(bottom->min(), 4);
    // Nothing is saved until asked.
    EXPECT_EQ(setupFile(), stored);
}

TEST_F(MainWindowControlsTest, SaveHoursAsksFirst)
{
    App().StartHour = 3;
    messages.boxes.answers = {MessageBoxes::Answer::No};
    Click(form1->SaveHoursButton);
    ASSERT_EQ(CountShown(SaveHoursQuestion), 1);
    EXPECT_EQ(LastShown()->kind, MessageBoxes::Kind::Confirmation);
    EXPECT_EQ(LastShown()->buttons, MessageBoxes::Buttons::YesNo);
    AppState stored;
    SetupRecord before{};
    {
        QFile f(QStringLiteral("Tavrel.DAT"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        ASSERT_EQ(f.read(reinterpret_cast<char*>(before.data()), qint64(before.size())),
                  qint64(before.size()));
    }
    ApplySetupRecord(before, stored);
    EXPECT_EQ(stored.StartHour, 6);

    messages.boxes.answers = {MessageBoxes::Answer::Yes};
    Click(form1->SaveHoursButton);
    EXPECT_EQ(CountShown(QStringLiteral("The Home Set up Data File has been updated.")), 1);
    SetupRecord after{};
    {
        QFile f(QStringLiteral("Tavrel.DAT"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        f.read(reinterpret_cast<char*>(after.data()), qint64(after.size()));
    }
    ApplySetupRecord(after, stored);
    EXPECT_EQ(stored.StartHour, 3);
}

TEST_F(MainWindowControlsTest, BandSelectorSetsFrequencyBoxAndAxis)
{
    struct Case {
        int band;
        long double ghz, mhz;
        const char* box;
        double width;
    };
    const Case cases[] = {
        {0, 0.432L, 432, "0.432 GHz", 15},
        {5, 10.4L, 10038, "10.4 GHz", 280},
        {9, 122, 122000, "122 GHz", 3500},
        {1, 1.3L, 1296, "1.3 GHz", 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        Click(form1->BandButtons->button(c.band));
        EXPECT_EQ(App().FrequencyGHz, c.ghz);
        EXPECT_EQ(App().FrequencyMHz, c.mhz);
        EXPECT_EQ(form1->FrequencyBox->text(), QString::fromLatin1(c.box));
        EXPECT_EQ(AxisOf(2, Qt::Vertical)->max(), c.width);
        // The selected chart is redrawn for the new band.
        EXPECT_GT(form1->SeriesAt(1, 2)->count(), 0);
    }
}

TEST_F(MainWindowControlsTest, ChartButtonShowsItsChartWithThePointsTheCoreReturned)
{
    for (int kind = 1; kind <= 7; ++kind) {
        SCOPED_TRACE(kind);
        // What the core gives for the state the window holds now.
        AppState copy = App();
        const std::optional<SelectChartResult> expected =
            ::SelectChart(copy, kind, form1->ProgressBar1->maximum());
        ASSERT_TRUE(expected.has_value());

        std::map<SeriesRef, int> added, replaced;
        std::vector<QMetaObject::Connection> watch;
        for (const auto& [ref, points] : expected->sweep.points) {
            QXYSeries* series = form1->SeriesAt(ref.chart, ref.series);
            ASSERT_NE(series, nullptr);
            watch.push_back(QObject::connect(series, &QXYSeries::pointAdded,
                                             [&added, r = ref](int) { ++added[r]; }));
            watch.push_back(QObject::connect(series, &QXYSeries::pointsReplaced,
                                             [&replaced, r = ref] { ++replaced[r]; }));
        }
        Click(form1->ChartButtons[kind]);
        for (const auto& c : watch)
            QObject::disconnect(c);

        EXPECT_EQ(App().SweepKind, kind);
        for (int other = 1; other <= 7; ++other) {
            EXPECT_EQ(form1->ChartView(other)->isVisible(), other == kind) << other;
            EXPECT_EQ(form1->ChartButtons[other]->Colour() == MainColours::Yellow, other == kind)
                << other;
        }
        EXPECT_EQ(form1->Panel186->Colour() == MainColours::Yellow, kind == 5);
        for (const auto& [ref, points] : expected->sweep.points) {
            const QList<QPointF> shown = form1->SeriesAt(ref.chart, ref.series)->points();
            ASSERT_EQ(shown.size(), qsizetype(points.size())) << ref.chart << "/" << ref.series;
            for (size_t i = 0; i < points.size(); ++i) {
                EXPECT_DOUBLE_EQ(shown[qsizetype(i)].x(), points[i].Hours());
                EXPECT_DOUBLE_EQ(shown[qsizetype(i)].y(), points[i].value);
            }
            // All points of a series go in with one call.
            EXPECT_EQ(added[ref], 0);
            EXPECT_EQ(replaced[ref], points.empty() ? 0 : 1);
        }
        for (const auto& [name, text] : expected->sweep.texts) {
            auto* label = form1->findChild<QLabel*>(name);
            ASSERT_NE(label, nullptr) << name.toStdString();
            EXPECT_EQ(label->text(), text) << name.toStdString();
        }
        for (const auto& [name, visible] : expected->sweep.shown) {
            auto* widget = form1->findChild<QWidget*>(name);
            ASSERT_NE(widget, nullptr) << name.toStdString();
            EXPECT_EQ(!widget->isHidden(), visible) << name.toStdString();
        }
        EXPECT_EQ(form1->ProgressBar1->maximum(), expected->sweep.progress.maximum);
    }
}

TEST_F(MainWindowControlsTest, ResultBoxesShowTheMinimaAndMaxima)
{
    Click(form1->ChartButtons[2]);
    for (const char* name : {"Panel2", "Panel3", "Panel9", "Panel169", "Label4", "Label125"})
        EXPECT_TRUE(form1->findChild<QWidget*>(QString::fromLatin1(name))->isVisible()) << name;
    EXPECT_TRUE(form1->findChild<QLabel*>(QStringLiteral("Label111"))
                    ->text()
                    .startsWith(QStringLiteral("Occurs at ")));
    EXPECT_TRUE(form1->findChild<QLabel*>(QStringLiteral("Label6"))
                    ->text()
                    .startsWith(QStringLiteral("Dec ")));
    EXPECT_TRUE(form1->findChild<QLabel*>(QStringLiteral("Label4"))
                    ->text()
                    .startsWith(QStringLiteral("Minimum received Libration from Dx Station")));
    EXPECT_TRUE(form1->Label146->isVisible());

    // Station A only: the Dx boxes go, and so do the Dx points.
    Click(form1->CheckBox1);
    EXPECT_FALSE(form1->CheckBox3->isChecked());
    EXPECT_EQ(App().StationAOnly, 1);
    EXPECT_EQ(App().ShowStationB, 0);
    for (const char* name : {"Panel3", "Panel169", "Label4", "Label125"})
        EXPECT_FALSE(form1->findChild<QWidget*>(QString::fromLatin1(name))->isVisible()) << name;
    EXPECT_TRUE(form1->findChild<QWidget*>(QStringLiteral("Panel2"))->isVisible());
    EXPECT_EQ(form1->SeriesAt(2, 3)->count(), 0);
    EXPECT_GT(form1->SeriesAt(2, 2)->count(), 0);

    Click(form1->CheckBox3);
    EXPECT_FALSE(form1->CheckBox1->isChecked());
    EXPECT_EQ(App().StationAOnly, 0);
    EXPECT_GT(form1->SeriesAt(2, 3)->count(), 0);

    // Switching the horizon test off plots every sample.
    const qsizetype above = form1->SeriesAt(2, 2)->count();
    Click(form1->CheckBox2);
    EXPECT_EQ(App().AboveHorizonOnly, 0);
    EXPECT_GT(form1->SeriesAt(2, 2)->count(), above);
    EXPECT_FALSE(form1->Label146->isVisible());
}

TEST_F(MainWindowControlsTest, DateChangeAndResetDate)
{
    Click(form1->ChartButtons[7]);
    form1->DatePicker->setDate(QDate(2011, 2, 27));
    EXPECT_EQ(App().CalcYear, 2011);
    EXPECT_EQ(App().CalcMonth, 2);
    EXPECT_EQ(App().CalcDay, 27);
    auto label = [&](const char* name) {
        return form1->findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    EXPECT_EQ(label("Label152"), QStringLiteral("27 / 2 / 2011"));
    EXPECT_EQ(label("Label157"), QStringLiteral("1 / 3 / 2011"));
    EXPECT_EQ(AxisOf(7, Qt::Horizontal)->titleText(),
              QStringLiteral("Hours since Start Day 27 / 2 / 2011"));

    Click(form1->CheckBox2); // horizon test off
    ASSERT_FALSE(form1->CheckBox2->isChecked());
    Click(form1->ResetDateButton);
    EXPECT_TRUE(form1->CheckBox2->isChecked());
    EXPECT_EQ(App().AboveHorizonOnly, 1);
    EXPECT_EQ(form1->DatePicker->date(), QDate(2026, 3, 28));
    EXPECT_EQ(App().CalcDay, 28);
    EXPECT_EQ(App().SweepKind, 7);
    // The seven-day chart is computed again for today.
    EXPECT_TRUE(form1->ChartView(7)->isVisible());
    EXPECT_EQ(label("Label152"), QStringLiteral("28 / 3 / 2026"));
    EXPECT_EQ(label("Label161"), QStringLiteral("3 / 4 / 2026"));
    AppState copy = App();
    const SweepResult expected = SweepSevenDays(copy);
    EXPECT_EQ(form1->SeriesAt(7, 2)->count(), qsizetype(expected.Points(7, 2).size()));
    EXPECT_GT(form1->SeriesAt(7, 2)->count(), 0);

    // A day chart takes the date into its axis caption.
    Click(form1->ChartButtons[3]);
    form1->DatePicker->setDate(QDate(2010, 5, 16));
    EXPECT_EQ(AxisOf(3, Qt::Horizontal)->titleText(), QStringLiteral("UTC Hour 16/5/2010"));
}

TEST_F(MainWindowControlsTest, PrintingWritesOneLandscapePage)
{
    const QString pdf = QDir::current().filePath(QStringLiteral("chart.pdf"));
    int dialogs = 0;
    form1->PrintDialogHook = [&](QPrinter& printer) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    Click(form1->PrintSetupButton);
    EXPECT_TRUE(form1->PrintPanel->isVisible());
    EXPECT_TRUE(form1->MonoPrinterButton->isChecked());
    EXPECT_EQ(form1->ChartSelectList->currentRow(), 1); // "Signal Width"
    Click(form1->PrintButton);
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(form1->PrintPanel->isVisible());

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    const QString text = QString::fromLatin1(bytes);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"))
            .match(text);
    ASSERT_TRUE(box.hasMatch());
    EXPECT_GT(box.captured(1).toDouble(), box.captured(2).toDouble());

    // A cancelled dialog prints nothing.
    QFile::remove(pdf);
    form1->PrintDialogHook = [](QPrinter&) { return false; };
    Click(form1->PrintSetupButton);
    Click(form1->PrintButton);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(MainWindowControlsTest, ExitAndAboutAskAtTheirPlaces)
{
    form1->move(100, 60);
    messages.boxes.answers = {MessageBoxes::Answer::No};
    Click(form1->ExitTab);
    ASSERT_NE(LastShown(), nullptr);
    EXPECT_EQ(LastShown()->text, QStringLiteral("Do you wish to exit now ?"));
    EXPECT_EQ(LastShown()->kind, MessageBoxes::Kind::Confirmation);
    EXPECT_EQ(LastShown()->position, QPoint(form1->x() + 400, form1->y() + 300));
    EXPECT_EQ(quitRequests, 0);
    messages.boxes.answers = {MessageBoxes::Answer::Yes};
    Click(form1->ExitTab);
    EXPECT_EQ(quitRequests, 1);

    Click(form1->AboutTab);
    EXPECT_EQ(LastShown()->kind, MessageBoxes::Kind::Information);
    EXPECT_EQ(LastShown()->buttons, MessageBoxes::Buttons::Ok);
    EXPECT_EQ(LastShown()->position, QPoint(form1->x() + 350, form1->y() + 300));
    EXPECT_TRUE(LastShown()->text.contains(QStringLiteral("\rBuild .. 2026.1.10.0\r")));
}

TEST_F(MainWindowControlsTest, SunMoonSwitchChangesTheLiveTarget)
{
    Click(form1->SunMoonButton);
    EXPECT_EQ(App().TargetIsSun, 1);
    EXPECT_EQ(form1->SunMoonButton->text(), QStringLiteral("Sun"));
    form1->Timer1Timer();
    EXPECT_EQ(form1->LibrationLabel->text(), QStringLiteral("Moon is below Home horizon"));
    Click(form1->SunMoonButton);
    EXPECT_EQ(App().TargetIsSun, 0);
    EXPECT_EQ(form1->SunMoonButton->text(), QStringLiteral("Moon"));
}

TEST_F(MainWindowControlsTest, EphemerisPanelsShowTheCoreTexts)
{
    form1->TabControl1Click(5);
    EXPECT_TRUE(form1->EphemerisDataPanel->isVisible());
    const auto panel = [&](EphemerisPanelId id) { return form1->ResultPanels[size_t(id)]; };
    struct Case {
        const char* button;
        std::vector<EphemerisPanelId> shown;
    };
    const Case cases[] = {
        {"NumericalResultsButton", {EphemerisPanelId::NumericalResults}},
        {"TimeButton", {EphemerisPanelId::Time}},
        {"SunPositionButton", {EphemerisPanelId::Sun}},
        {"MoonButton", {EphemerisPanelId::Moon}},
        {"SelenographicButton", {EphemerisPanelId::SubSolar, EphemerisPanelId::SubEarth}},
        {"MoonIlluminationButton", {EphemerisPanelId::Disc, EphemerisPanelId::Illumination}},
        {"AxisButton", {EphemerisPanelId::Axis}},
        {"TopocentricButton", {EphemerisPanelId::Topocentric}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        Click(form1->findChild<QPushButton*>(QString::fromLatin1(c.button)));
        for (size_t p = 0; p < size_t(EphemerisPanelId::Count); ++p) {
            const bool expected =
                std::find(c.shown.begin(), c.shown.end(), EphemerisPanelId(p)) != c.shown.end();
            EXPECT_EQ(form1->ResultPanels[p]->isVisible(), expected) << p;
        }
    }
    EXPECT_EQ(panel(EphemerisPanelId::SubEarth)->pos(), QPoint(500, 55));
    EXPECT_EQ(panel(EphemerisPanelId::SubSolar)->pos(), QPoint(250, 55));

    // Every box holds the core's text for the present ephemeris.
    const EphemerisPanelSet set = BuildEphemerisPanels(App().Ephemeris);
    for (size_t p = 0; p < set.size(); ++p)
        for (int r = 0; r < set[p].Rows.size(); ++r) {
            const EphemerisRow& row = set[p].Rows[r];
            const QList<QLabel*>& boxes = form1->ResultBoxes[p][r];
            if (row.IsLine) {
                EXPECT_EQ(boxes[0]->text(), LineText(row));
                continue;
            }
            ASSERT_EQ(boxes.size(), row.Boxes.size());
            for (int b = 0; b < row.Boxes.size(); ++b)
                EXPECT_EQ(boxes[b]->text(), row.Boxes[b].Text) << p << " " << r << " " << b;
        }

    Click(form1->findChild<QPushButton*>(QStringLiteral("CloseEphemerisButton")));
    EXPECT_FALSE(form1->EphemerisDataPanel->isVisible());
    for (QFrame* p : form1->ResultPanels)
        EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(form1->TabControl1->currentIndex(), 0);
}

TEST_F(MainWindowControlsTest, HintChoiceAndItsQuestion)
{
    form1->TabControl1->setCurrentIndex(4);
    form1->TabControl1Click(4);
    ASSERT_TRUE(form1->HintPanel->isVisible());
    form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    form1->HintList->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form1->HintList->hasFocus(); }, 1000));

    messages.boxes.answers = {MessageBoxes::Answer::No};
    QListWidgetItem* item = form1->HintList->item(1); // "4 seconds"
    QTest::mouseClick(form1->HintList->viewport(), Qt::LeftButton, {},
                      form1->HintList->visualItemRect(item).center());
    QApplication::processEvents();
    EXPECT_EQ(App().HintsSetting, 1);
    EXPECT_FALSE(form1->HintPanel->isVisible());
    EXPECT_EQ(form1->TabControl1->currentIndex(), 0);
    // Leaving the list asks once whether to keep the setting.
    ASSERT_EQ(CountShown(HintSaveQuestion), 1);
    EXPECT_EQ(LastShown()->kind, MessageBoxes::Kind::Warning);
    EXPECT_EQ(LastShown()->position, QPoint(form1->x() + 350, form1->y() + 300));
    EXPECT_EQ(form1->HintList->currentRow(), 1);

    // "No change" asks nothing.
    form1->TabControl1Click(4);
    form1->HintList->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form1->HintList->hasFocus(); }, 1000));
    QListWidgetItem* none = form1->HintList->item(4);
    QTest::mouseClick(form1->HintList->viewport(), Qt::LeftButton, {},
                      form1->HintList->visualItemRect(none).center());
    QApplication::processEvents();
    EXPECT_EQ(CountShown(HintSaveQuestion), 1);
    EXPECT_EQ(App().HintsSetting, 1);
    EXPECT_EQ(App().HintNoChange, 0);
    EXPECT_EQ(form1->HintList->currentRow(), 1);
}

TEST_F(MainWindowControlsTest, UpperTabsOpenTheOtherWindows)
{
    form1->move(120, 80);
    form1->TabControl1Click(3); // "Home Data setup"
    EXPECT_TRUE(homeData->isVisible());
    EXPECT_FALSE(form1->isEnabled());
    EXPECT_EQ(homeData->pos(), QPoint(220, 130));
    EXPECT_EQ(App().OpenedFromSetup, 1);
    EXPECT_EQ(App().OpenedFromMain, 0);
    homeData->hide();
    form1->ReturnToMain();

    form1->TabControl1Click(1); // "Planner Calculator"
    EXPECT_FALSE(form1->isVisible());
    EXPECT_FALSE(form1->isEnabled());
    EXPECT_TRUE(form2->isVisible());
    EXPECT_EQ(App().OpenedFromPlanner, 1);
    EXPECT_EQ(App().OpenedFromMain, 0);
    form2->move(150, 90);
    form2->close();
    EXPECT_TRUE(form1->isVisible());
    EXPECT_TRUE(form1->isEnabled());
    EXPECT_EQ(form1->pos(), QPoint(150, 90));
    EXPECT_EQ(App().OpenedFromMain, 1);
    EXPECT_EQ(form1->TabControl1->currentIndex(), 0);

    form1->TabControl1Click(2); // "DxData Base"
    EXPECT_TRUE(form4->isVisible());
    EXPECT_FALSE(form1->isEnabled());
    EXPECT_EQ(form4->pos(), QPoint(form1->x() + 100, form1->y() + 50));
}

TEST_F(MainWindowControlsTest, HelpOpensTheContentsPage)
{
    Click(form1->HelpTab);
    HelpViewerDialog* help = form1->HelpViewer();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(
        help->Browser()->source().toLocalFile().endsWith(QStringLiteral("help/index.html")));
    EXPECT_FALSE(help->Browser()->toPlainText().isEmpty());
    EXPECT_TRUE(messages.boxes.shown.empty());
}

TEST_F(MainWindowControlsTest, ContentsScaleWithTheWindowAndResetSizeRestoresIt)
{
    const QRect design = form1->ChartView(1)->geometry();
    const double designFont = form1->UtcLabel->font().pointSizeF();
    form1->resize(2 * TForm1::DesignWidth, 2 * TForm1::DesignHeight);
    QApplication::processEvents();
    const QRect big = form1->ChartView(1)->geometry();
    EXPECT_NEAR(big.x(), 2 * design.x(), 1);
    EXPECT_NEAR(big.y(), 2 * design.y(), 1);
    EXPECT_NEAR(big.width(), 2 * design.width(), 2);
    EXPECT_NEAR(big.height(), 2 * design.height(), 2);
    EXPECT_NEAR(form1->UtcLabel->font().pointSizeF(), 2 * designFont, 0.01);

    Click(form1->ResetSizeButton);
    QApplication::processEvents();
    EXPECT_EQ(form1->size(), QSize(TForm1::DesignWidth, TForm1::DesignHeight));
    EXPECT_EQ(form1->ChartView(1)->geometry(), design);
    EXPECT_NEAR(form1->UtcLabel->font().pointSizeF(), designFont, 0.01);
}

} // namespace
