// The main window's controls at their design places (1009 × 770).

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include "BandTable.h"
#include "ClickablePanelWidget.h"
#include "MainPaletteView.h"
#include "ScaledLayoutWidget.h"
#include "SpinButtonWidget.h"
#include "Unit1.h"

namespace
{

// A sunken read-only box, as the window shows its figures.
QLabel* Box(QWidget* parent, const char* name, const QRect& r, const QString& hint = QString(),
            const QColor& colour = QColor(255, 255, 255))
{
    auto* box = new QLabel(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(r);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    box->setIndent(4);
    box->setAutoFillBackground(true);
    QPalette p = box->palette();
    p.setColor(QPalette::Window, colour);
    box->setPalette(p);
    if (!hint.isEmpty())
        box->setToolTip(hint);
    return box;
}

QLabel* Caption(QWidget* parent, const QString& text, const QRect& r)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(r);
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, const QRect& r,
                    const QString& hint = QString())
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(r);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& title, const QRect& r)
{
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(r);
    return g;
}

// One station's box: position, dish with its spin button, and beam width. The
// two stations differ only in their names, title, place and dish colour.
QGroupBox* StationBox(QWidget* parent, const QString& prefix, const QString& title, int top,
                      const QColor& dishColour, const char* spinName, QLabel*& longitude,
                      QLabel*& latitude, QLabel*& dish, SpinButton*& spin, QLabel*& beam)
{
    const auto name = [&prefix](const char* what) {
        return (prefix + QLatin1String(what)).toLatin1();
    };
    QGroupBox* box = Group(parent, name("StationBox").constData(), title, QRect(334, top, 330, 76));
    Caption(box, QStringLiteral("Longitude"), QRect(10, 22, 66, 22));
    longitude = Box(box, name("LongitudeBox").constData(), QRect(78, 22, 96, 22));
    Caption(box, QStringLiteral("Latitude"), QRect(10, 48, 66, 22));
    latitude = Box(box, name("LatitudeBox").constData(), QRect(78, 48, 96, 22));
    Caption(box, QStringLiteral("Dish"), QRect(184, 22, 44, 22));
    dish = Box(box, name("DishBox").constData(), QRect(228, 22, 74, 22),
               QStringLiteral("Vary dish diameter"), dishColour);
    spin = new SpinButton(box);
    spin->setObjectName(QString::fromLatin1(spinName));
    spin->setGeometry(304, 20, 18, 26);
    spin->setToolTip(QStringLiteral("Vary dish diameter"));
    Caption(box, QStringLiteral("Beam"), QRect(184, 48, 44, 22));
    beam = Box(box, name("BeamwidthBox").constData(), QRect(228, 48, 74, 22));
    return box;
}

} // namespace

void TForm1::CreateControls()
{
    CreateLiveDisplay();
    CreateStationBoxes();
    CreateBandAndDate();
    CreateChartButtons();
    CreateCharts();
    CreateEphemerisPanels();
    CreateOverlays();
}

void TForm1::CreateLiveDisplay()
{
    TabControl1 = new QTabBar(Client);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setGeometry(0, 0, 640, 26);
    TabControl1->setExpanding(false);
    TabControl1->setDrawBase(false);
    for (const char* tab : {"Tavrel", "Planner Calculator", "DxData Base", "Home Data setup",
                            "Hint setup", "Ephemeris Data"})
        TabControl1->addTab(QString::fromLatin1(tab));

    TabControl2 = new QFrame(Client);
    TabControl2->setObjectName(QStringLiteral("TabControl2"));
    TabControl2->setGeometry(790, 0, 219, 26);
    HelpTab = Button(TabControl2, "HelpTab", QStringLiteral("Help"), QRect(2, 1, 70, 24));
    AboutTab = Button(TabControl2, "AboutTab", QStringLiteral("About"), QRect(74, 1, 70, 24));
    ExitTab = Button(TabControl2, "ExitTab", QStringLiteral("Exit"), QRect(146, 1, 70, 24));

    UtcLabel = Box(Client, "UtcLabel", QRect(6, 32, 320, 22),
                   QStringLiteral("Current UTC Date and Time"), MainColours::Cream);
    LocalLabel = Box(Client, "LocalLabel", QRect(6, 56, 320, 22),
                     QStringLiteral("Local Current Date and Time"), MainColours::Cream);

    LivePanel =
        Group(Client, "LivePanel", QStringLiteral(" Home Station  "), QRect(6, 82, 320, 122));
    LivePanel->setToolTip(QStringLiteral("Station A current source position"));
    RightAscensionLabel = Box(LivePanel, "RightAscensionLabel", QRect(8, 22, 148, 22));
    DeclinationLabel = Box(LivePanel, "DeclinationLabel", QRect(162, 22, 150, 22));
    AzimuthLabel = Box(LivePanel, "AzimuthLabel", QRect(8, 46, 148, 22));
    ElevationLabel = Box(LivePanel, "ElevationLabel", QRect(162, 46, 150, 22));
    HourAngleLabel = Box(LivePanel, "HourAngleLabel", QRect(8, 70, 148, 22));
    SunMoonButton = Button(LivePanel, "SunMoonButton", QStringLiteral("Moon"),
                           QRect(162, 70, 70, 22), QStringLiteral("Click to select Sun or Moon"));
    LibrationLabel =
        Box(LivePanel, "LibrationLabel", QRect(8, 94, 304, 22), QString(), MainColours::MoneyGreen);
    LibrationLabel->setAlignment(Qt::AlignCenter);
}

void TForm1::CreateStationBoxes()
{
    HomeStationBox = StationBox(Client, "Home", QStringLiteral("(A)   Home Station  "), 28,
                                MainColours::Cream, "DishStationA", HomeLongitudeBox,
                                HomeLatitudeBox, HomeDishBox, DishStationA, HomeBeamwidthBox);
    DxStationBox = StationBox(Client, "Dx", QStringLiteral("(B)   Dx Station "), 132,
                              MainColours::MoneyGreen, "DishStationB", DxLongitudeBox,
                              DxLatitudeBox, DxDishBox, DishStationB, DxBeamwidthBox);

    X10Button = new ClickablePanel(QStringLiteral("X 10"), Client);
    X10Button->setObjectName(QStringLiteral("X10Button"));
    X10Button->setGeometry(562, 106, 74, 24);
    X10Button->setToolTip(QStringLiteral("Step the dish diameters by 10 cm"));

    FrequencyBox = Box(Client, "FrequencyBox", QRect(334, 212, 162, 24),
                       QStringLiteral("Libration calculation frequency"), MainColours::Cream);
    MoonDiameterBox = Box(Client, "MoonDiameterBox", QRect(502, 212, 162, 24),
                          QStringLiteral("Current Moon diameter"));
    BeamwidthRatioBox = Box(Client, "BeamwidthRatioBox", QRect(334, 240, 162, 24),
                            QStringLiteral("Beam width ratio"));
    CorrectionFactorBox = Box(Client, "CorrectionFactorBox", QRect(502, 240, 162, 24),
                              QStringLiteral("Varnek BWR correction factor"));

    SaveDataButton = Button(Client, "SaveDataButton", QStringLiteral("Save Data"),
                            QRect(334, 268, 106, 24), QStringLiteral("Save a Station Data File"));
    PrintSetupButton = Button(Client, "PrintSetupButton", QStringLiteral("Print Set up"),
                              QRect(446, 268, 106, 24), QStringLiteral("Choose and print a chart"));
    ResetSizeButton =
        Button(Client, "ResetSizeButton", QStringLiteral("Default Size"), QRect(558, 268, 106, 24),
               QStringLiteral("Reset Screen size to default"));
}

void TForm1::CreateBandAndDate()
{
    RadioGroup1 =
        Group(Client, "RadioGroup1", QStringLiteral("Libration Frequency"), QRect(2, 208, 330, 84));
    BandButtons = new QButtonGroup(this);
    // Five columns of two, filled column by column.
    for (int i = 0; i < BandCount; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(Bands[i].Caption), RadioGroup1);
        b->setObjectName(QStringLiteral("Band%1").arg(i));
        b->setGeometry(3 + 65 * (i / 2), 22 + 28 * (i % 2), 65, 24);
        QFont small = b->font();
        small.setPointSizeF(7.5);
        b->setFont(small);
        BandButtons->addButton(b, i);
    }

    Caption(Client, QStringLiteral("Calculation date (UTC)"), QRect(672, 30, 150, 16));
    DatePicker = new QDateEdit(Client);
    DatePicker->setObjectName(QStringLiteral("DatePicker"));
    DatePicker->setGeometry(672, 48, 150, 24);
    DatePicker->setCalendarPopup(true);
    DatePicker->setDisplayFormat(QStringLiteral("d MMMM yyyy"));
    // The years the ephemeris is meant for.
    DatePicker->setDateRange(QDate(1900, 1, 1), QDate(2100, 12, 31));
    DatePicker->setToolTip(QStringLiteral("Change Date of calculation"));
    ResetDateButton = Button(Client, "ResetDateButton", QStringLiteral("Reset Date"),
                             QRect(672, 76, 150, 24), QStringLiteral("Use Current Date/Time"));

    Panel186 = new ClickablePanel(QString(), Client);
    Panel186->setObjectName(QStringLiteral("Panel186"));
    Panel186->setGeometry(830, 30, 173, 106);
    Panel186->setCursor(Qt::ArrowCursor);
    Panel186->setToolTip(QStringLiteral("Hour window of the Signal Width Time Window chart"));
    Caption(Panel186, QStringLiteral("Start Hour"), QRect(8, 6, 70, 22));
    StartHourBox = Box(Panel186, "StartHourBox", QRect(80, 6, 58, 22));
    StartHourSpin = new SpinButton(Panel186);
    StartHourSpin->setObjectName(QStringLiteral("StartHourSpin"));
    StartHourSpin->setGeometry(142, 4, 18, 26);
    Caption(Panel186, QStringLiteral("End  Hour"), QRect(8, 36, 70, 22));
    EndHourBox = Box(Panel186, "EndHourBox", QRect(80, 36, 58, 22));
    EndHourSpin = new SpinButton(Panel186);
    EndHourSpin->setObjectName(QStringLiteral("EndHourSpin"));
    EndHourSpin->setGeometry(142, 34, 18, 26);
    SaveHoursButton =
        Button(Panel186, "SaveHoursButton", QStringLiteral("Save Hours"), QRect(8, 68, 152, 28),
               QStringLiteral("Save Start and End Hour times"));

    CheckBox1 = new QCheckBox(QStringLiteral("Stn A only"), Client);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(672, 108, 150, 20);
    CheckBox1->setToolTip(QStringLiteral("Calculate for the Home station only"));
    CheckBox3 = new QCheckBox(QStringLiteral("Stn A and B"), Client);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    CheckBox3->setGeometry(672, 130, 150, 20);
    CheckBox3->setToolTip(QStringLiteral("Calculate for the Home and the Dx station"));
    CheckBox2 = new QCheckBox(QStringLiteral("Calculate only above Horizon"), Client);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(672, 152, 240, 20);
    CheckBox2->setToolTip(QStringLiteral("Plot only while the Moon is above the horizon"));

    Label146 = new QLabel(QStringLiteral("Calculation Complete"), Client);
    Label146->setObjectName(QStringLiteral("Label146"));
    Label146->setGeometry(672, 246, 331, 18);
    Label146->setAlignment(Qt::AlignCenter);
    ProgressBar1 = new QProgressBar(Client);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(672, 268, 331, 20);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
}

void TForm1::CreateChartButtons()
{
    struct ButtonDef {
        int kind;
        const char* name;
        const char* caption;
        const char* hint;
    };
    const ButtonDef defs[] = {
        {1, "Panel27", "Libration Rate", "Libration rate over the day"},
        {2, "Panel167", "Signal Width", "Echo signal width over the day"},
        {3, "Panel168", "Elevation Window", "Moon elevation at both stations"},
        {4, "Panel172", "Spatial off set", "Spatial offset between the stations"},
        {5, "Panel171", "Signal Width Time Window", "Signal width within the hour window"},
        {6, "Panel170", "Doppler", "Echo Doppler shift at each station"},
        {7, "Panel193", "7 Day S Width", "Calculate Signal Width for 7 consecutive days"},
    };
    for (int i = 0; i < 7; ++i) {
        const ButtonDef& d = defs[i];
        auto* b = new ClickablePanel(QString::fromLatin1(d.caption), Client);
        b->setObjectName(QString::fromLatin1(d.name));
        b->setGeometry(6 + 143 * i, 298, 139, 30);
        b->setToolTip(QString::fromLatin1(d.hint));
        ChartButtons[d.kind] = b;
    }
}

void TForm1::CreateOverlays()
{
    HintPanel = new QFrame(Client);
    HintPanel->setObjectName(QStringLiteral("HintPanel"));
    HintPanel->setGeometry(380, 60, 210, 170);
    HintPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    HintPanel->setLineWidth(2);
    HintPanel->setAutoFillBackground(true);
    Caption(HintPanel, QStringLiteral("On Screen Hints"), QRect(10, 6, 190, 20));
    HintList = new QListWidget(HintPanel);
    HintList->setObjectName(QStringLiteral("HintList"));
    HintList->setGeometry(10, 30, 190, 128);
    for (const char* item : HintItems)
        HintList->addItem(QString::fromLatin1(item));
    HintPanel->hide();

    PrintPanel = new QFrame(Client);
    PrintPanel->setObjectName(QStringLiteral("PrintPanel"));
    PrintPanel->setGeometry(600, 96, 240, 236);
    PrintPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PrintPanel->setLineWidth(2);
    PrintPanel->setAutoFillBackground(true);
    Caption(PrintPanel, QStringLiteral("Print a chart"), QRect(10, 6, 220, 20));
    MonoPrinterButton = new QRadioButton(QStringLiteral("Mono Printer"), PrintPanel);
    MonoPrinterButton->setObjectName(QStringLiteral("MonoPrinterButton"));
    MonoPrinterButton->setGeometry(10, 28, 110, 22);
    ColourPrinterButton = new QRadioButton(QStringLiteral("Colour Printer"), PrintPanel);
    ColourPrinterButton->setObjectName(QStringLiteral("ColourPrinterButton"));
    ColourPrinterButton->setGeometry(122, 28, 112, 22);
    ChartSelectList = new QListWidget(PrintPanel);
    ChartSelectList->setObjectName(QStringLiteral("ChartSelectList"));
    ChartSelectList->setGeometry(10, 54, 220, 140);
    for (const char* item : {"Libration Rate", "Signal Width", "Elevation Window",
                             "Spatial off set", "Time Window", "Doppler", "7 Day S Width"})
        ChartSelectList->addItem(QString::fromLatin1(item));
    ChartSelectList->setCurrentRow(1);
    PrintButton = Button(PrintPanel, "PrintButton", QStringLiteral("Print"),
                         QRect(10, 200, 220, 28), QStringLiteral("Print the chosen chart"));
    PrintPanel->hide();
}
