#include "Unit1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include "AppState.h"
#include "BandTable.h"
#include "ChartSet.h"
#include "ClickablePanelWidget.h"
#include "Clock.h"
#include "HelpFile.h"
#include "HelpViewerDialog.h"
#include "HintTimingWidget.h"
#include "LiveClock.h"
#include "MainPaletteView.h"
#include "MessageBoxes.h"
#include "Recalculate.h"
#include "ScaledLayoutWidget.h"
#include "SettingsFile.h"
#include "SetupFile.h"
#include "SpinButtonWidget.h"
#include "VersionInfo.h"
#include "planner/Unit2.h"
#include "stations/HomeDataScreen.h"
#include "stations/Unit4.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    Form1 = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Libration"));

    Client = new ScaledLayout(QSize(DesignWidth, DesignHeight), this);
    Client->setObjectName(QStringLiteral("Client"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Client);
    Client->resize(DesignWidth, DesignHeight);
    resize(DesignWidth, DesignHeight);

    CreateControls();
    Client->CaptureDesign();

    // The states the window is designed with.
    CheckBox2->setChecked(true);
    CheckBox3->setChecked(true);
    MonoPrinterButton->setChecked(true);
    ApplyDishColours();
    for (int kind = 1; kind <= 7; ++kind)
        ChartButtons[kind]->SetColour(MainColours::ButtonFace(this));
    Panel186->SetColour(MainColours::ButtonFace(this));
    Label146->hide();

    hints_ = new HintTimingFilter(this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    PrintDialogHook = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    QuitHook = [] { QCoreApplication::quit(); };

    ConnectControls();
    SetUp();
    Timer1->start();
}

TForm1::~TForm1()
{
    FormDestroy();
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::ConnectControls()
{
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(SunMoonButton, &QPushButton::clicked, this, &TForm1::SunMoonClick);
    connect(BandButtons, &QButtonGroup::idClicked, this, &TForm1::RadioGroup1Click);
    connect(DishStationA, &SpinButton::upClicked, this, &TForm1::DishStationAUpClick);
    connect(DishStationA, &SpinButton::downClicked, this, &TForm1::DishStationADownClick);
    connect(DishStationB, &SpinButton::upClicked, this, &TForm1::DishStationBUpClick);
    connect(DishStationB, &SpinButton::downClicked, this, &TForm1::DishStationBDownClick);
    connect(X10Button, &ClickablePanel::clicked, this, &TForm1::X10ButtonClick);
    connect(DatePicker, &QDateEdit::dateChanged, this, &TForm1::DatePickerChange);
    connect(ResetDateButton, &QPushButton::clicked, this, &TForm1::ResetDateButtonClick);
    connect(StartHourSpin, &SpinButton::upClicked, this, &TForm1::StartHourUpClick);
    connect(StartHourSpin, &SpinButton::downClicked, this, &TForm1::StartHourDownClick);
    connect(EndHourSpin, &SpinButton::upClicked, this, &TForm1::EndHourUpClick);
    connect(EndHourSpin, &SpinButton::downClicked, this, &TForm1::EndHourDownClick);
    connect(SaveHoursButton, &QPushButton::clicked, this, &TForm1::SaveHoursButtonClick);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::toggled, this, &TForm1::CheckBox2Click);
    connect(CheckBox3, &QCheckBox::toggled, this, &TForm1::CheckBox3Click);
    connect(ChartButtons[1], &ClickablePanel::clicked, this, &TForm1::Panel27Click);
    connect(ChartButtons[2], &ClickablePanel::clicked, this, &TForm1::Panel167Click);
    connect(ChartButtons[3], &ClickablePanel::clicked, this, &TForm1::Panel168Click);
    connect(ChartButtons[4], &ClickablePanel::clicked, this, &TForm1::Panel172Click);
    connect(ChartButtons[5], &ClickablePanel::clicked, this, &TForm1::Panel171Click);
    connect(ChartButtons[6], &ClickablePanel::clicked, this, &TForm1::Panel170Click);
    connect(ChartButtons[7], &ClickablePanel::clicked, this, &TForm1::Panel193Click);
    connect(SaveDataButton, &QPushButton::clicked, this, &TForm1::SaveDataButtonClick);
    connect(TabControl1, &QTabBar::tabBarClicked, this, &TForm1::TabControl1Click);
    connect(HelpTab, &QPushButton::clicked, this, &TForm1::HelpTabClick);
    connect(AboutTab, &QPushButton::clicked, this, &TForm1::AboutTabClick);
    connect(ExitTab, &QPushButton::clicked, this, &TForm1::ExitTabClick);
    connect(HintList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { HintListClick(HintList->row(item)); });
    connect(HintList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { HintListClick(HintList->row(item)); });
    HintList->installEventFilter(this);
    HintPanel->installEventFilter(this);
    PrintPanel->installEventFilter(this);
    connect(PrintSetupButton, &QPushButton::clicked, this, &TForm1::PrintSetupButtonClick);
    connect(MonoPrinterButton, &QRadioButton::clicked, this, &TForm1::MonoPrinterClick);
    connect(ColourPrinterButton, &QRadioButton::clicked, this, &TForm1::ColourPrinterClick);
    connect(PrintButton, &QPushButton::clicked, this, &TForm1::PrintButtonClick);
    connect(ResetSizeButton, &QPushButton::clicked, this, &TForm1::ResetSizeButtonClick);
}

// ---- Start, show, close ----------------------------------------------------

void TForm1::SetUp()
{
    AppState& s = App();
    // Every data file is looked for in the current directory at the moment it
    // is used, and file dialogs start there, so nothing is fixed here.
    const WindowGeometry design{x(), y(), width(), height()};
    const WindowGeometry g = ReadSettingsFile(design);
    move(g.Left, g.Top);
    resize(g.Width, g.Height);
    s.MainWindowTop = y();
    s.MainWindowLeft = x();

    ReadVersionInfo(s, QStringLiteral("Tavrel.exe"));
    setWindowTitle(MainWindowTitle(s.VersionInfo[FileVersionIndex]));
    s.ProgramFileDate = FileDateStamp(QCoreApplication::applicationFilePath());

    s.PlannerMaxDxElevation = 90.0L;
    s.PlannerMaxHomeElevation = 90.0L;
    s.HomeDishCm = 300;
    s.DxDishCm = 250;
    s.DishStepTen = 0;

    // Today's date comes first so that everything computed during start-up,
    // the set-up file's refresh and the band's chart included, is for today.
    ResetCalcDateToToday(s);
    SetDatePickerSilently(s.CalcYear, s.CalcMonth, s.CalcDay);

    if (s.SetupLoaded == 0) {
        LoadSetupAtStart(s);
        s.SetupLoaded = 1;
        SelectHintItem(s.HintsSetting);
        HintListClick(s.HintsSetting);
        ShowStationSummary();
        show();
        Recalculate();
    }

    s.TargetIsSun = 0;
    SunMoonButton->setText(SunMoonText(s));
    s.StationAOnly = 0;
    s.ShowStationB = 1;
    s.AboveHorizonOnly = 1;
    WriteHourBoxes();

    s.PlannerDecimals = 2;
    s.OpenedFromMain = 1;
    s.OpenedFromPlanner = 0;
    s.OpenedFromSetup = 0;
    s.MonoPrint = 1;
    MonoPrinterButton->setChecked(true);
    s.HintNoChange = 0;
    s.StationPicked = 0;
    s.SweepKind = 1;

    const int band = BandIndexForFrequency(s.FrequencyGHz);
    if (band >= 0) {
        SelectBandSilently(band);
        RadioGroup1Click(band);
    }

    RunSelectedSweep();
    Recalculate();
}

void TForm1::FormShow()
{
    App().MainWindowTop = y();
    App().MainWindowLeft = x();
    Recalculate();
}

void TForm1::FormClose()
{
    WriteSettings();
    App().MainWindowTop = y();
    App().MainWindowLeft = x();
}

void TForm1::FormDestroy()
{
    if (destroyed_)
        return;
    destroyed_ = true;
    QString error;
    if (!WriteSettingsFile({x(), y(), width(), height()}, &error))
        qWarning("TavrelS.ini could not be written: %s", qPrintable(error));
}

void TForm1::WriteSettings()
{
    QString error;
    if (!WriteSettingsFile({x(), y(), width(), height()}, &error))
        Messages().Show(MessageBoxes::Kind::Warning, MessageBoxes::Buttons::Ok, QString(),
                        QStringLiteral("The window position could not be saved in "
                                       "\"TavrelS.ini\".\r\r") +
                            error,
                        MessagePosition(350, 300));
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        for (int kind : {2, 4, 5})
            if (watched == Charts[kind])
                LayoutChartOverlays(kind);
    }
    if (watched == HintList && event->type() == QEvent::FocusOut) {
        HintListExit();
    } else if ((watched == HintPanel || watched == PrintPanel) &&
               event->type() == QEvent::MouseButtonPress) {
        // A click on the panel's background puts it away.
        static_cast<QWidget*>(watched)->hide();
        if (watched == HintPanel)
            TabControl1->setCurrentIndex(0);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Refresh ----------------------------------------------------------------

void TForm1::Recalculate()
{
    AppState& s = App();
    const RecalculateTexts t = ::Recalculate(s);
    s.MainWindowTop = y();
    s.MainWindowLeft = x();
    HomeDishBox->setText(t.HomeDish);
    DxDishBox->setText(t.DxDish);
    HomeBeamwidthBox->setText(t.HomeBeamwidth);
    DxBeamwidthBox->setText(t.DxBeamwidth);
    LivePanel->setTitle(t.LivePanelCaption);
    HomeStationBox->setTitle(t.HomeStationTitle);
    DxStationBox->setTitle(t.DxStationTitle);
    HomeLongitudeBox->setText(t.Summary.HomeLongitude);
    HomeLatitudeBox->setText(t.Summary.HomeLatitude);
    DxLongitudeBox->setText(t.Summary.DxLongitude);
    DxLatitudeBox->setText(t.Summary.DxLatitude);
    if (t.Summary.Frequency)
        FrequencyBox->setText(*t.Summary.Frequency);
    WriteEphemerisPanels();
    MoonDiameterBox->setText(t.MoonDiameter);
    BeamwidthRatioBox->setText(t.BeamwidthRatio);
    CorrectionFactorBox->setText(t.CorrectionFactor);
}

void TForm1::ShowStationSummary()
{
    const StationSummaryTexts t = ::ShowStationSummary(App());
    HomeLongitudeBox->setText(t.HomeLongitude);
    HomeLatitudeBox->setText(t.HomeLatitude);
    DxLongitudeBox->setText(t.DxLongitude);
    DxLatitudeBox->setText(t.DxLatitude);
    if (t.Frequency)
        FrequencyBox->setText(*t.Frequency);
}

int TForm1::ProgressMaximum() const
{
    return ProgressBar1->maximum();
}

void TForm1::SelectChart(int kind)
{
    const std::optional<SelectChartResult> r = ::SelectChart(App(), kind, ProgressMaximum());
    if (!r)
        return;
    ApplySelection(r->selection);
    ApplySweepResult(r->sweep);
    Recalculate();
}

void TForm1::RunSelectedSweep()
{
    const std::optional<SelectChartResult> r = ::RunSelectedSweep(App(), ProgressMaximum());
    if (!r)
        return;
    ApplySelection(r->selection);
    ApplySweepResult(r->sweep);
    Recalculate();
}

void TForm1::SelectFirstTab()
{
    TabControl1->setCurrentIndex(0);
}

void TForm1::EnableLiveClock()
{
    if (!Timer1->isActive())
        Timer1->start();
}

void TForm1::ReturnFromWindow(int left, int top)
{
    move(left, top);
    ReturnToMain();
}

void TForm1::ReturnToMain()
{
    setEnabled(true);
    show();
    raise();
    activateWindow();
    SelectFirstTab();
    EnableLiveClock();
}

// ---- Live clock -------------------------------------------------------------

void TForm1::Timer1Timer()
{
    const LiveDisplayTexts t = LiveTick(App());
    UtcLabel->setText(t.UtcLine);
    RightAscensionLabel->setText(t.RightAscension);
    DeclinationLabel->setText(t.Declination);
    AzimuthLabel->setText(t.Azimuth);
    HourAngleLabel->setText(t.HourAngle);
    ElevationLabel->setText(t.Elevation);
    LibrationLabel->setText(t.LibrationLine);
    LocalLabel->setText(t.LocalLine);
}

void TForm1::SunMoonClick()
{
    SunMoonButton->setText(ToggleSunMoon(App()));
}

// ---- Band, dishes, date, hours ----------------------------------------------

void TForm1::SelectBandSilently(int index)
{
    if (QAbstractButton* b = BandButtons->button(index)) {
        const QSignalBlocker block(BandButtons);
        b->setChecked(true);
    }
}

void TForm1::RadioGroup1Click(int index)
{
    if (!ApplyBand(App(), index))
        return;
    SelectBandSilently(index);
    if (const std::optional<QString> text = ::ShowStationSummary(App()).Frequency)
        FrequencyBox->setText(*text);
    ClearCharts();
    RunSelectedSweep();
    Recalculate();
}

void TForm1::ApplyDishColours()
{
    const DishColours c = DishColoursFor(App());
    for (auto [box, colour] : {std::pair{HomeDishBox, c.Home}, std::pair{DxDishBox, c.Dx}}) {
        QPalette p = box->palette();
        p.setColor(QPalette::Window, MainColours::ToColour(colour, this));
        box->setPalette(p);
    }
    X10Button->SetColour(MainColours::ToColour(c.Switch, this));
}

void TForm1::DishStationAUpClick()
{
    StepDish(App().HomeDishCm, true, App());
    Recalculate();
}

void TForm1::DishStationADownClick()
{
    StepDish(App().HomeDishCm, false, App());
    Recalculate();
}

void TForm1::DishStationBUpClick()
{
    StepDish(App().DxDishCm, true, App());
    Recalculate();
}

void TForm1::DishStationBDownClick()
{
    StepDish(App().DxDishCm, false, App());
    Recalculate();
}

void TForm1::X10ButtonClick()
{
    ToggleDishStepTen(App());
    ApplyDishColours();
    Recalculate();
}

void TForm1::SetDatePickerSilently(int year, int month, int day)
{
    const QSignalBlocker block(DatePicker);
    DatePicker->setDate(QDate(year, month, day));
}

void TForm1::DatePickerChange()
{
    AppState& s = App();
    const QDate d = DatePicker->date();
    SetCalcDate(s, d.year(), d.month(), d.day());
    for (int kind = 1; kind <= 7; ++kind)
        ChartButtons[kind]->SetColour(MainColours::ButtonFace(this));
    Panel186->SetColour(MainColours::ButtonFace(this));
    if (QChartView* view = ChartView(s.SweepKind)) {
        const QList<QAbstractAxis*> axes = view->chart()->axes(Qt::Horizontal);
        if (!axes.isEmpty())
            axes.first()->setTitleText(
                DateAxisCaption(s.SweepKind, s.CalcYear, s.CalcMonth, s.CalcDay));
    }
    RunSelectedSweep();
}

void TForm1::ResetDateButtonClick()
{
    // Checking the box runs its own handler when it was unchecked.
    CheckBox2->setChecked(true);
    AppState& s = App();
    ResetCalcDateToToday(s);
    SetDatePickerSilently(s.CalcYear, s.CalcMonth, s.CalcDay);
    ClearCharts();
    RunSelectedSweep();
    Recalculate();
}

void TForm1::WriteHourBoxes()
{
    StartHourBox->setText(HourBoxText(App().StartHour));
    EndHourBox->setText(HourBoxText(App().EndHour));
    const int low = std::min(App().StartHour, App().EndHour);
    const int high = std::max(App().StartHour, App().EndHour);
    if (low < high) {
        const QList<QAbstractAxis*> axes = Charts[5]->chart()->axes(Qt::Horizontal);
        if (!axes.isEmpty())
            axes.first()->setRange(low, high);
    }
}

void TForm1::StartHourUpClick()
{
    StartHourUp(App());
    WriteHourBoxes();
}

void TForm1::StartHourDownClick()
{
    StartHourDown(App());
    WriteHourBoxes();
}

void TForm1::EndHourUpClick()
{
    EndHourUp(App());
    WriteHourBoxes();
}

void TForm1::EndHourDownClick()
{
    EndHourDown(App());
    WriteHourBoxes();
}

void TForm1::SaveHoursButtonClick()
{
    if (Messages().Show(MessageBoxes::Kind::Confirmation, MessageBoxes::Buttons::YesNo, QString(),
                        SaveHoursQuestion, QPoint(-1, -1)) != MessageBoxes::Answer::Yes)
        return;
    if (SaveSetup(App()))
        ShowStationSummary();
}

// ---- Stations, horizon, charts ----------------------------------------------

void TForm1::CheckBox1Click()
{
    {
        const QSignalBlocker block(CheckBox3);
        CheckBox3->setChecked(!CheckBox1->isChecked());
    }
    App().StationAOnly = CheckBox1->isChecked() ? 1 : 0;
    App().ShowStationB = 1 - App().StationAOnly;
    RunSelectedSweep();
}

void TForm1::CheckBox3Click()
{
    {
        const QSignalBlocker block(CheckBox1);
        CheckBox1->setChecked(!CheckBox3->isChecked());
    }
    App().StationAOnly = CheckBox1->isChecked() ? 1 : 0;
    App().ShowStationB = 1 - App().StationAOnly;
    RunSelectedSweep();
}

void TForm1::CheckBox2Click()
{
    App().AboveHorizonOnly = CheckBox2->isChecked() ? 1 : 0;
    RunSelectedSweep();
    Label146->hide();
}

void TForm1::Panel27Click()
{
    SelectChart(1);
}

void TForm1::Panel167Click()
{
    SelectChart(2);
}

void TForm1::Panel168Click()
{
    SelectChart(3);
}

void TForm1::Panel172Click()
{
    SelectChart(4);
}

void TForm1::Panel171Click()
{
    SelectChart(5);
}

void TForm1::Panel170Click()
{
    SelectChart(6);
}

void TForm1::Panel193Click()
{
    SelectChart(7);
}

void TForm1::SaveDataButtonClick()
{
    if (SaveSetup(App()))
        ShowStationSummary();
}

// ---- Tabs ---------------------------------------------------------------------

void TForm1::TabControl1Click(int index)
{
    AppState& s = App();
    EphemerisDataPanel->raise();
    switch (index) {
    case 1: // "Planner Calculator"
        EphemerisDataPanel->hide();
        s.MainWindowTop = y();
        s.MainWindowLeft = x();
        hide();
        setEnabled(false);
        if (Form2)
            Form2->ShowPlanner(s.MainWindowLeft, s.MainWindowTop);
        MarkOpenedFromPlanner(s);
        break;
    case 2: // "DxData Base"
        s.MainWindowTop = y();
        s.MainWindowLeft = x();
        if (Form4)
            Form4->OpenDatabaseWindow();
        setEnabled(false);
        if (Form4)
            Form4->move(x() + 100, y() + 50);
        break;
    case 3: // "Home Data setup"
        s.MainWindowTop = y();
        s.MainWindowLeft = x();
        if (HomeDataForm)
            HomeDataForm->ShowSetupWindow();
        setEnabled(false);
        MarkOpenedFromSetup(s);
        if (HomeDataForm)
            HomeDataForm->move(x() + 100, y() + 50);
        break;
    case 4: // "Hint setup"
        HintPanel->show();
        HintPanel->raise();
        break;
    case 5: // "Ephemeris Data"
        EphemerisDataPanel->show();
        EphemerisDataPanel->raise();
        break;
    default:
        break;
    }
}

void TForm1::HelpTabClick()
{
    const QString path = FindHelpFile();
    if (!help_) {
        help_ = new HelpViewerDialog(this);
        help_->setWindowFlag(Qt::Window);
    }
    if (path.isEmpty() || !help_->OpenContents(path)) {
        Messages().Show(MessageBoxes::Kind::Warning, MessageBoxes::Buttons::Ok, QString(),
                        QStringLiteral("The help file \"help/index.html\" was not found beside "
                                       "the program."),
                        MessagePosition(350, 300));
        return;
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void TForm1::AboutTabClick()
{
    Messages().Show(MessageBoxes::Kind::Information, MessageBoxes::Buttons::Ok,
                    QStringLiteral("About Tavrel"), AboutText(App()), MessagePosition(350, 300));
}

void TForm1::ExitTabClick()
{
    if (Messages().Show(MessageBoxes::Kind::Confirmation, MessageBoxes::Buttons::YesNo, QString(),
                        ExitQuestion, MessagePosition(400, 300)) == MessageBoxes::Answer::Yes)
        QuitHook();
}

QPoint TForm1::MessagePosition(int dx, int dy) const
{
    return QPoint(x() + dx, y() + dy);
}

// ---- Hints ----------------------------------------------------------------------

void TForm1::SelectHintItem(int item)
{
    const QSignalBlocker block(HintList);
    HintList->setCurrentRow(item >= 0 && item < HintList->count() ? item : -1);
}

void TForm1::HintListClick(int item)
{
    const HintTiming timing = ChooseHintItem(App(), item);
    hints_->Apply(timing);
    HintPanel->hide();
    TabControl1->setCurrentIndex(0);
}

void TForm1::HintListExit()
{
    static bool asking = false;
    if (asking)
        return;
    asking = true;
    AppState& s = App();
    HintPanel->hide();
    SelectHintItem(s.HintsSetting);
    if (s.HintNoChange != 1 &&
        Messages().Show(MessageBoxes::Kind::Warning, MessageBoxes::Buttons::YesNo, QString(),
                        HintSaveQuestion, MessagePosition(350, 300)) == MessageBoxes::Answer::Yes &&
        SaveSetup(s))
        ShowStationSummary();
    s.HintNoChange = 0;
    TabControl1->setCurrentIndex(0);
    Recalculate();
    asking = false;
}

// ---- Printing and size ------------------------------------------------------

void TForm1::PrintSetupButtonClick()
{
    PrintPanel->show();
    PrintPanel->raise();
}

void TForm1::MonoPrinterClick()
{
    App().MonoPrint = 1;
}

void TForm1::ColourPrinterClick()
{
    App().MonoPrint = 0;
}

void TForm1::PrintButtonClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    const int row = ChartSelectList->currentRow();
    const int chart = row >= 0 ? row + 1 : 2;
    if (PrintDialogHook && PrintDialogHook(printer) && !PrintChart(printer, chart))
        Messages().Show(MessageBoxes::Kind::Warning, MessageBoxes::Buttons::Ok, QString(),
                        QStringLiteral("The chart could not be printed."),
                        MessagePosition(350, 300));
    PrintPanel->hide();
}

void TForm1::ResetSizeButtonClick()
{
    resize(DesignWidth, DesignHeight);
}
