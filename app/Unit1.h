#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "EphemerisPanels.h"
#include "MainControls.h"
#include "SweepTypes.h"

class QAbstractSeries;
class QButtonGroup;
class QChart;
class QChartView;
class QCheckBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QImage;
class QLabel;
class QListWidget;
class QPrinter;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabBar;
class QTimer;
class QXYSeries;

class ClickablePanel;
class HelpViewerDialog;
class HintTimingFilter;
class QtMessageBoxes;
class ScaledLayout;
class SpinButton;
struct ChartSelection;

// The main window: live display, station summary, band and date controls, the
// seven charts and the ephemeris panels. Every handler reads its controls,
// changes AppState, calls the core and writes back what the core returns.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    // The design size of the client area; contents scale with the window.
    static constexpr int DesignWidth = 1009;
    static constexpr int DesignHeight = 770;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Used by the other windows when they hand data back.
    void Recalculate();
    void ShowStationSummary();
    void RunSelectedSweep();
    void SelectChart(int kind);
    void ClearCharts();
    void SelectFirstTab();
    void EnableLiveClock();
    // Shows and enables the main window again, moved to (left, top) on the
    // screen, with its first tab selected.
    void ReturnFromWindow(int left, int top);
    void ReturnToMain();

    // The chart of kind 1..7 (Chart1 ... Chart7).
    QChartView* ChartView(int kind) const;
    QXYSeries* SeriesAt(int chart, int index) const;

    // Prints chart 1..7 onto printer as one landscape page; monochrome when
    // MonoPrint is set. Returns false when the printer cannot be started.
    bool PrintChart(QPrinter& printer, int chart);
    // The chart laid out at 1024 × 768, drawn at twice that resolution.
    QImage ChartPicture(int chart);
    // The print dialog; replaced in tests, which print to a PDF file instead.
    std::function<bool(QPrinter&)> PrintDialogHook;
    // Ends the program after the Exit question; replaced in tests.
    std::function<void()> QuitHook;

    HelpViewerDialog* HelpViewer() const { return help_; }

    // Handlers, named after their control and event.
    void SetUp();
    void FormShow();
    void FormClose();
    void FormDestroy();
    void Timer1Timer();
    void SunMoonClick();
    void RadioGroup1Click(int index);
    void DishStationAUpClick();
    void DishStationADownClick();
    void DishStationBUpClick();
    void DishStationBDownClick();
    void X10ButtonClick();
    void DatePickerChange();
    void ResetDateButtonClick();
    void StartHourUpClick();
    void StartHourDownClick();
    void EndHourUpClick();
    void EndHourDownClick();
    void SaveHoursButtonClick();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void Panel27Click();
    void Panel167Click();
    void Panel168Click();
    void Panel172Click();
    void Panel171Click();
    void Panel170Click();
    void Panel193Click();
    void SaveDataButtonClick();
    void TabControl1Click(int index);
    void HelpTabClick();
    void AboutTabClick();
    void ExitTabClick();
    void EphemerisButtonClick(int button);
    void HintListClick(int item);
    void HintListExit();
    void PrintSetupButtonClick();
    void MonoPrinterClick();
    void ColourPrinterClick();
    void PrintButtonClick();
    void ResetSizeButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (split over the window files).
    void CreateControls();
    void CreateLiveDisplay();
    void CreateStationBoxes();
    void CreateBandAndDate();
    void CreateChartButtons();
    void CreateOverlays();
    void CreateCharts();
    void CreateEphemerisPanels();
    void ConnectControls();

    // Writing core results into the controls.
    void ApplySweepResult(const SweepResult& result);
    void ApplySelection(const ChartSelection& selection);
    void ApplyAxis(const AxisSetting& setting);
    void LayoutChartOverlays(int kind);
    void WriteEphemerisPanels();
    void ShowEphemerisPanels(std::initializer_list<EphemerisPanelId> shown);
    void HideEphemerisPanels();
    void ApplyDishColours();
    void WriteHourBoxes();
    void SelectBandSilently(int index);
    void SelectHintItem(int item);
    void SetDatePickerSilently(int year, int month, int day);
    void WriteSettings();
    QPoint MessagePosition(int dx, int dy) const;
    int ProgressMaximum() const;

public:
    // Controls, named as the window names them.
    ScaledLayout* Client = nullptr;
    QTimer* Timer1 = nullptr;
    QTabBar* TabControl1 = nullptr;
    QFrame* TabControl2 = nullptr;
    QPushButton* HelpTab = nullptr;
    QPushButton* AboutTab = nullptr;
    QPushButton* ExitTab = nullptr;

    QLabel* UtcLabel = nullptr;
    QLabel* LocalLabel = nullptr;
    QGroupBox* LivePanel = nullptr;
    QLabel* RightAscensionLabel = nullptr;
    QLabel* DeclinationLabel = nullptr;
    QLabel* AzimuthLabel = nullptr;
    QLabel* HourAngleLabel = nullptr;
    QLabel* ElevationLabel = nullptr;
    QLabel* LibrationLabel = nullptr;
    QPushButton* SunMoonButton = nullptr;

    QGroupBox* HomeStationBox = nullptr;
    QLabel* HomeLongitudeBox = nullptr;
    QLabel* HomeLatitudeBox = nullptr;
    QLabel* HomeDishBox = nullptr;
    QLabel* HomeBeamwidthBox = nullptr;
    SpinButton* DishStationA = nullptr;
    QGroupBox* DxStationBox = nullptr;
    QLabel* DxLongitudeBox = nullptr;
    QLabel* DxLatitudeBox = nullptr;
    QLabel* DxDishBox = nullptr;
    QLabel* DxBeamwidthBox = nullptr;
    SpinButton* DishStationB = nullptr;
    ClickablePanel* X10Button = nullptr;

    QLabel* FrequencyBox = nullptr;
    QLabel* MoonDiameterBox = nullptr;
    QLabel* BeamwidthRatioBox = nullptr;
    QLabel* CorrectionFactorBox = nullptr;

    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* BandButtons = nullptr;
    QDateEdit* DatePicker = nullptr;
    QPushButton* ResetDateButton = nullptr;
    ClickablePanel* Panel186 = nullptr;
    QLabel* StartHourBox = nullptr;
    QLabel* EndHourBox = nullptr;
    SpinButton* StartHourSpin = nullptr;
    SpinButton* EndHourSpin = nullptr;
    QPushButton* SaveHoursButton = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QPushButton* SaveDataButton = nullptr;
    QPushButton* PrintSetupButton = nullptr;
    QPushButton* ResetSizeButton = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label146 = nullptr;

    // Chart buttons by kind 1..7 (index 0 unused).
    std::array<ClickablePanel*, 8> ChartButtons{};
    std::array<QChartView*, 8> Charts{};

    QFrame* EphemerisDataPanel = nullptr;
    std::array<QFrame*, size_t(EphemerisPanelId::Count)> ResultPanels{};
    // Box labels of each result panel, row by row.
    std::array<QList<QList<QLabel*>>, size_t(EphemerisPanelId::Count)> ResultBoxes{};

    QFrame* HintPanel = nullptr;
    QListWidget* HintList = nullptr;
    QFrame* PrintPanel = nullptr;
    QRadioButton* MonoPrinterButton = nullptr;
    QRadioButton* ColourPrinterButton = nullptr;
    QListWidget* ChartSelectList = nullptr;
    QPushButton* PrintButton = nullptr;

private:
    QtMessageBoxes* boxes_ = nullptr;
    HintTimingFilter* hints_ = nullptr;
    HelpViewerDialog* help_ = nullptr;
    bool destroyed_ = false;
};

extern TForm1* Form1;
