#include "HomeDataScreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "AppState.h"
#include "Coordinates.h"
#include "FormatFixed.h"
#include "GridTableView.h"
#include "Locator.h"
#include "MainControls.h"
#include "MessageBoxes.h"
#include "SetupFile.h"
#include "SetupRefresh.h"
#include "SpinButtonWidget.h"
#include "StationDatabase.h"
#include "Unit1.h"
#include "Unit4.h"

THomeDataForm* HomeDataForm = nullptr;

const QStringList THomeDataForm::OptionItems = {
    QStringLiteral("Select a Dx Station from the Data Base."),
    QStringLiteral("Go direct to Libration Calculator Screen."),
    QStringLiteral("Add this New Station to the Data Base ?"),
    QStringLiteral("Delete the highlighted entry in the User Data Base ?"),
};

namespace
{

constexpr int kCallSignMax = 8;
constexpr int kLocationMax = 15;
constexpr int kGridSquareMax = 6;

MessageBoxes::Answer Ask(const QString& text, QPoint at)
{
    return Messages().Show(MessageBoxes::Kind::Confirmation, MessageBoxes::Buttons::YesNo,
                           QString(), text, at);
}

void Tell(MessageBoxes::Kind kind, const QString& text, QPoint at)
{
    Messages().Show(kind, MessageBoxes::Buttons::Ok, QString(), text, at);
}

QString Prefix(Station station)
{
    return station == Station::Home ? QStringLiteral("Home") : QStringLiteral("Dx");
}

// Writes a text only when it differs, as the fields' change handling runs
// on a different text only.
void SetTextIfDifferent(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

THomeDataForm::THomeDataForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("HomeDataForm"));
    setWindowTitle(QStringLiteral("Home Data Set Up"));

    BuildPanel(Home, Station::Home);
    BuildPanel(Dx, Station::Dx);
    Home.Panel->setStyleSheet(QStringLiteral("QGroupBox#HomePanel { background: #FFF8DC; }"));
    Dx.Panel->setStyleSheet(QStringLiteral("QGroupBox#DxPanel { background: #D8F0D8; }"));
    Dx.CallSign->setToolTip(QStringLiteral("Enter Call Sign"));
    Dx.Location->setToolTip(QStringLiteral("Enter Location"));
    Dx.Utc->setToolTip(QStringLiteral("Enter UTC off set"));
    Dx.Height->setToolTip(QStringLiteral("Enter height above sea level"));
    Dx.GridSquare->setToolTip(QStringLiteral("Click to enter Grid Square"));

    OptionsList = new QListWidget(Dx.Panel);
    OptionsList->setObjectName(QStringLiteral("OptionsList"));
    OptionsList->addItems(OptionItems);
    OptionsList->setFixedHeight(4 * OptionsList->fontMetrics().height() + 16);
    auto* optionsBox = new QVBoxLayout;
    optionsBox->addWidget(new QLabel(QStringLiteral("Options"), Dx.Panel));
    optionsBox->addWidget(OptionsList);
    static_cast<QGridLayout*>(Dx.Panel->layout())->addLayout(optionsBox, 5, 0, 1, 8);

    CloseButton = new QPushButton(QStringLiteral("&Close [Esc]"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setShortcut(QKeySequence(Qt::Key_Escape));

    auto* notes = new QVBoxLayout;
    for (const char* line :
         {"Note .. There are 3 ways you can enter your Latitude and Longitude by,",
          "1. Typing in your Lat and Long in decimal degrees (the most accurate),",
          "2. Entering your Degrees, Minutes and Seconds, or",
          "3. Typing in your grid square will automatically calculate the "
          "values."})
        notes->addWidget(new QLabel(QString::fromLatin1(line), this));
    auto* blue = new QLabel(
        QStringLiteral("After you save your Home Data you also have the option to save  it in "
                       "the User area of the DXCC Database."),
        this);
    blue->setObjectName(QStringLiteral("DatabaseNote"));
    blue->setStyleSheet(QStringLiteral("color: blue;"));
    notes->addWidget(blue);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Home.Panel);
    layout->addWidget(Dx.Panel);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(notes, 1);
    bottom->addWidget(CloseButton, 0, Qt::AlignBottom);
    layout->addLayout(bottom);

    for (Station station : {Station::Home, Station::Dx}) {
        StationPanel& p = PanelOf(station);
        connect(p.LatHemisphere, &QPushButton::clicked, this,
                [this, station] { LatHemisphereClick(station); });
        connect(p.LongHemisphere, &QPushButton::clicked, this,
                [this, station] { LongHemisphereClick(station); });
        connect(p.Utc, &QLineEdit::textChanged, this,
                [this, station] { NumericFieldChange(station, NumericField::UtcOffset); });
        connect(p.Height, &QLineEdit::textChanged, this,
                [this, station] { NumericFieldChange(station, NumericField::Height); });
        p.GridSquare->installEventFilter(this);
        p.SaveButton->installEventFilter(this);
    }
    connect(Home.CallSign, &QLineEdit::textChanged, this, &THomeDataForm::HomeCallSignChange);
    connect(Home.Location, &QLineEdit::textChanged, this, &THomeDataForm::HomeLocationChange);
    connect(Dx.Location, &QLineEdit::textChanged, this, &THomeDataForm::DxLocationChange);
    Dx.CallSign->installEventFilter(this);
    Dx.Location->installEventFilter(this);
    connect(Home.DishSpin, &SpinButton::upClicked, this, &THomeDataForm::HomeDishUpClick);
    connect(Home.DishSpin, &SpinButton::downClicked, this, &THomeDataForm::HomeDishDownClick);
    connect(Dx.DishSpin, &SpinButton::upClicked, this, &THomeDataForm::DxDishUpClick);
    connect(Dx.DishSpin, &SpinButton::downClicked, this, &THomeDataForm::DxDishDownClick);
    connect(Home.GetButton, &QPushButton::clicked, this, &THomeDataForm::GetHomeDataClick);
    connect(Dx.GetButton, &QPushButton::clicked, this, &THomeDataForm::GetDxDataClick);
    connect(Home.SaveButton, &QPushButton::clicked, this, &THomeDataForm::SaveHomeDataClick);
    connect(Dx.SaveButton, &QPushButton::clicked, this, &THomeDataForm::SaveDxDataClick);
    connect(OptionsList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OptionsListClick(OptionsList->row(item)); });
    connect(CloseButton, &QPushButton::clicked, this, &THomeDataForm::CloseButtonClick);

    HomeDataForm = this;
}

THomeDataForm::~THomeDataForm()
{
    if (HomeDataForm == this)
        HomeDataForm = nullptr;
}

QLineEdit* THomeDataForm::NumericEdit(Station station, NumericField field, const QString& name)
{
    auto* edit = new QLineEdit(PanelOf(station).Panel);
    edit->setObjectName(Prefix(station) + name);
    const NumericFieldRule rule = RuleOf(field, station);
    if (rule.MaxLength > 0)
        edit->setMaxLength(rule.MaxLength);
    edit->setAlignment(Qt::AlignRight);
    edit->installEventFilter(this);
    numericFields_.insert(edit, FieldRef{station, field});
    return edit;
}

void THomeDataForm::BuildPanel(StationPanel& p, Station station)
{
    const bool home = station == Station::Home;
    const QString prefix = Prefix(station);
    p.Panel =
        new QGroupBox(home ? QStringLiteral("Home Station") : QStringLiteral("Dx Station"), this);
    p.Panel->setObjectName(prefix + QStringLiteral("Panel"));
    auto* g = new QGridLayout(p.Panel);

    auto header = [&](const QString& text, int row, int col, int span = 1) {
        g->addWidget(new QLabel(text, p.Panel), row, col, 1, span);
    };
    auto named = [&](auto* widget, const QString& name) {
        widget->setObjectName(prefix + name);
        return widget;
    };

    header(QStringLiteral("Latitude"), 0, 0, 5);
    p.LatDeg = NumericEdit(station, NumericField::LatDeg, QStringLiteral("LatDeg"));
    p.LatMin = NumericEdit(station, NumericField::LatMin, QStringLiteral("LatMin"));
    p.LatSec = NumericEdit(station, NumericField::LatSec, QStringLiteral("LatSec"));
    p.LatHemisphere = named(new QPushButton(QStringLiteral("S"), p.Panel), "LatHemisphere");
    p.Latitude = NumericEdit(station, NumericField::DecimalLatitude, QStringLiteral("Latitude"));
    header(QStringLiteral("Longitude"), 2, 0, 5);
    p.LongDeg = NumericEdit(station, NumericField::LongDeg, QStringLiteral("LongDeg"));
    p.LongMin = NumericEdit(station, NumericField::LongMin, QStringLiteral("LongMin"));
    p.LongSec = NumericEdit(station, NumericField::LongSec, QStringLiteral("LongSec"));
    p.LongHemisphere = named(new QPushButton(QStringLiteral("E"), p.Panel), "LongHemisphere");
    p.Longitude = NumericEdit(station, NumericField::DecimalLongitude, QStringLiteral("Longitude"));
    const QList<QWidget*> lat{p.LatDeg, p.LatMin, p.LatSec, p.LatHemisphere, p.Latitude};
    const QList<QWidget*> lon{p.LongDeg, p.LongMin, p.LongSec, p.LongHemisphere, p.Longitude};
    for (int i = 0; i < lat.size(); ++i) {
        g->addWidget(lat[i], 1, i);
        g->addWidget(lon[i], 3, i);
    }
    p.LatHemisphere->setFixedWidth(28);
    p.LongHemisphere->setFixedWidth(28);

    header(QStringLiteral("Call Sign"), 0, 5);
    p.CallSign = named(new QLineEdit(p.Panel), "CallSign");
    p.CallSign->setMaxLength(kCallSignMax);
    g->addWidget(p.CallSign, 1, 5);
    header(QStringLiteral("Location"), 0, 6);
    p.Location = named(new QLineEdit(p.Panel), "Location");
    p.Location->setMaxLength(kLocationMax);
    g->addWidget(p.Location, 1, 6);
    header(QStringLiteral("UTC"), 2, 5);
    p.Utc = NumericEdit(station, NumericField::UtcOffset, QStringLiteral("Utc"));
    g->addWidget(p.Utc, 3, 5);
    header(QStringLiteral("Height ASL ( m)"), 2, 6);
    p.Height = NumericEdit(station, NumericField::Height, QStringLiteral("Height"));
    g->addWidget(p.Height, 3, 6);
    header(QStringLiteral("Grid Square"), 0, 7);
    p.GridSquare = named(new QLineEdit(p.Panel), "GridSquare");
    p.GridSquare->setMaxLength(kGridSquareMax);
    g->addWidget(p.GridSquare, 1, 7);

    header(QStringLiteral("Dish Size"), 2, 7);
    auto* dish = new QHBoxLayout;
    p.DishSpin = named(new SpinButton(p.Panel), "DishSpin");
    p.DishSpin->setToolTip(QStringLiteral("Vary dish diameter"));
    p.DishSpin->setFixedSize(18, 24);
    p.DishBox = named(new QLabel(p.Panel), "DishBox");
    p.DishBox->setToolTip(QStringLiteral("Dish Size in Meters"));
    p.DishBox->setFrameShape(QFrame::Panel);
    dish->addWidget(p.DishBox);
    dish->addWidget(p.DishSpin);
    g->addLayout(dish, 3, 7);
    header(QStringLiteral("Beam Width"), 0, 8);
    p.BeamBox = named(new QLabel(p.Panel), "BeamBox");
    p.BeamBox->setFrameShape(QFrame::Panel);
    g->addWidget(p.BeamBox, 1, 8);

    p.GetButton = named(new QPushButton(home ? QStringLiteral("Get your  Home Data")
                                             : QStringLiteral("Get your  Dx Data"),
                                        p.Panel),
                        "GetButton");
    p.SaveButton = named(new QPushButton(home ? QStringLiteral("Save your Home Data")
                                              : QStringLiteral("Save your Dx Data"),
                                         p.Panel),
                         "SaveButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(p.GetButton);
    buttons->addWidget(p.SaveButton);
    buttons->addStretch();
    g->addLayout(buttons, 4, 0, 1, 9);
}

QLineEdit* THomeDataForm::FieldEdit(Station station, NumericField field) const
{
    const StationPanel& p = station == Station::Home ? Home : Dx;
    switch (field) {
    case NumericField::LatDeg:
        return p.LatDeg;
    case NumericField::LatMin:
        return p.LatMin;
    case NumericField::LatSec:
        return p.LatSec;
    case NumericField::LongDeg:
        return p.LongDeg;
    case NumericField::LongMin:
        return p.LongMin;
    case NumericField::LongSec:
        return p.LongSec;
    case NumericField::DecimalLatitude:
        return p.Latitude;
    case NumericField::DecimalLongitude:
        return p.Longitude;
    case NumericField::UtcOffset:
        return p.Utc;
    case NumericField::Height:
        return p.Height;
    }
    return nullptr;
}

// ---- Writing the controls ---------------------------------------------------

void THomeDataForm::WriteNumeric(Station station, NumericField field, long double value)
{
    QLineEdit* edit = FieldEdit(station, field);
    const QString text = NumericFieldText(field, station, value);
    // While the operator types, "-" or "37.8" already stand for the value the
    // field would show; rewriting them would take the typing away.
    if (edit->hasFocus() &&
        NumericFieldText(field, station, NumericFieldValue(edit->text())) == text)
        return;
    SetTextIfDifferent(edit, text);
}

void THomeDataForm::WriteDmsFields(Station station)
{
    const StationFields f = FieldsOf(App(), station);
    WriteNumeric(station, NumericField::LatDeg, f.LatDeg);
    WriteNumeric(station, NumericField::LatMin, f.LatMin);
    WriteNumeric(station, NumericField::LatSec, f.LatSec);
    WriteNumeric(station, NumericField::LongDeg, f.LongDeg);
    WriteNumeric(station, NumericField::LongMin, f.LongMin);
    WriteNumeric(station, NumericField::LongSec, f.LongSec);
}

void THomeDataForm::WriteDecimalFields(Station station)
{
    const StationFields f = FieldsOf(App(), station);
    WriteNumeric(station, NumericField::DecimalLatitude, f.Latitude);
    WriteNumeric(station, NumericField::DecimalLongitude, f.Longitude);
}

void THomeDataForm::RefreshStation(Station station)
{
    AppState& s = App();
    StationPanel& p = PanelOf(station);
    StationFields f = FieldsOf(s, station);
    ShowHemispheres(s, station);
    WriteDecimalFields(station);
    SplitStationToDms(s, station);
    WriteDmsFields(station);
    SetTextIfDifferent(p.CallSign, f.CallSign);
    SetTextIfDifferent(p.Location, f.Location);
    WriteNumeric(station, NumericField::UtcOffset, f.UtcOffset);
    WriteNumeric(station, NumericField::Height, f.HeightM);
    p.LatHemisphere->setText(f.LatHemisphere);
    p.LongHemisphere->setText(f.LongHemisphere);
    PositionToLocator(s, station);
    SetTextIfDifferent(p.GridSquare, f.ShownLocator);
}

void THomeDataForm::WriteDishAndBeamBoxes()
{
    const SetupRefreshTexts t = RefreshSetupTexts(App());
    Home.DishBox->setText(t.HomeDish);
    Home.BeamBox->setText(t.HomeBeam);
    Dx.DishBox->setText(t.DxDish);
    Dx.BeamBox->setText(t.DxBeam);
    if (Form1) {
        Form1->HomeStationBox->setTitle(t.HomeStationTitle);
        Form1->DxStationBox->setTitle(t.DxStationTitle);
    }
}

void THomeDataForm::RefreshSetupWindow()
{
    RefreshStation(Station::Home);
    if (App().ShowStationB == 1)
        RefreshStation(Station::Dx);
    WriteDishAndBeamBoxes();
}

// ---- Showing, activating, closing --------------------------------------------

QPoint THomeDataForm::MainOffset(int dx, int dy) const
{
    const AppState& s = App();
    return QPoint(s.MainWindowLeft + dx, s.MainWindowTop + dy);
}

void THomeDataForm::ShowSetupWindow()
{
    if (isVisible()) {
        raise();
        activateWindow();
        FormActivate();
        return;
    }
    show();
    raise();
    activateWindow();
}

void THomeDataForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void THomeDataForm::FormShow()
{
    Home.LatDeg->setFocus();
    App().OpenedFromMain = 0;
    move(MainOffset(100, 50));
    RefreshSetupWindow();
    LoadDatabaseIfPresent();
}

void THomeDataForm::LoadDatabaseIfPresent()
{
    if (Form4)
        Form4->LoadDatabaseFile(DatabaseFileName);
}

void THomeDataForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        FormActivate();
}

void THomeDataForm::FormActivate()
{
    Home.LatDeg->setFocus();
    move(MainOffset(100, 100));
    RefreshSetupWindow();
}

void THomeDataForm::ReturnToMainWindow()
{
    if (!Form1)
        return;
    Form1->setEnabled(true);
    Form1->SelectFirstTab();
    Form1->RunSelectedSweep();
    Form1->Recalculate();
}

void THomeDataForm::CloseButtonClick()
{
    hide();
    ReturnToMainWindow();
}

void THomeDataForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    FormClose();
}

void THomeDataForm::FormClose()
{
    AppState& s = App();
    hide();
    s.MainWindowTop = y();
    s.MainWindowLeft = x();
    s.OpenedFromMain = 1;
    if (Form1) {
        // The main window was disabled while this window was up.
        Form1->ReturnFromWindow(s.MainWindowLeft, s.MainWindowTop);
        Form1->RunSelectedSweep();
        Form1->Recalculate();
        Form1->SelectFirstTab();
    }
}

// ---- Entry fields ------------------------------------------------------------

bool THomeDataForm::eventFilter(QObject* watched, QEvent* event)
{
    const auto numeric = numericFields_.constFind(watched);
    const QEvent::Type type = event->type();
    if (numeric != numericFields_.cend()) {
        const FieldRef ref = *numeric;
        if (type == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (!text.isEmpty() && text.at(0).unicode() >= 0x20 &&
                !NumericFieldAcceptsKey(text.at(0)))
                return true;
        } else if (type == QEvent::KeyRelease) {
            if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
                NumericFieldKeyUp(ref.station, ref.field);
        } else if (type == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                NumericFieldExit(ref.station, ref.field);
        }
        return QWidget::eventFilter(watched, event);
    }
    for (Station station : {Station::Home, Station::Dx}) {
        StationPanel& p = PanelOf(station);
        if (watched == p.GridSquare) {
            if (type == QEvent::MouseButtonPress)
                GridSquareClick(station);
            else if (type == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
                GridSquareKeyUp(station);
        } else if (watched == p.SaveButton && type == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                SaveButtonExit();
        }
    }
    if (type == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        if (watched == Dx.CallSign)
            DxCallSignKeyUp();
        else if (watched == Dx.Location)
            DxLocationKeyUp();
    }
    return QWidget::eventFilter(watched, event);
}

void THomeDataForm::NumericFieldKeyUp(Station station, NumericField field)
{
    AppState& s = App();
    const FieldFollowUp follow =
        ReleaseNumericField(s, station, field, FieldEdit(station, field)->text());
    if (follow == FieldFollowUp::RefreshWindow) {
        WriteDecimalFields(station);
        RefreshSetupWindow();
    }
}

void THomeDataForm::NumericFieldChange(Station station, NumericField field)
{
    QLineEdit* edit = FieldEdit(station, field);
    if (ChangeNumericField(App(), station, field, edit->text()) == FieldFollowUp::ShowZero)
        edit->setText(NumericFieldText(field, station, 0));
}

bool THomeDataForm::NumericFieldExit(Station station, NumericField field)
{
    QLineEdit* edit = FieldEdit(station, field);
    const LeaveCheck check = CheckFieldOnLeave(field, station, edit->text());
    if (check.OutOfRange) {
        QApplication::beep();
        edit->setText(NumericFieldText(field, station, check.Value));
        // The focus is already on its way elsewhere; take it back once it has arrived.
        QTimer::singleShot(0, edit, [edit] { edit->setFocus(Qt::OtherFocusReason); });
        return false;
    }
    // A text kept while typing ("-", "37.8") now shows the value as stored.
    SetTextIfDifferent(edit, NumericFieldText(field, station, StoredValue(station, field)));
    return true;
}

long double THomeDataForm::StoredValue(Station station, NumericField field) const
{
    const StationFields f = FieldsOf(App(), station);
    switch (field) {
    case NumericField::LatDeg:
        return f.LatDeg;
    case NumericField::LatMin:
        return f.LatMin;
    case NumericField::LatSec:
        return f.LatSec;
    case NumericField::LongDeg:
        return f.LongDeg;
    case NumericField::LongMin:
        return f.LongMin;
    case NumericField::LongSec:
        return f.LongSec;
    case NumericField::DecimalLatitude:
        return f.Latitude;
    case NumericField::DecimalLongitude:
        return f.Longitude;
    case NumericField::UtcOffset:
        return f.UtcOffset;
    case NumericField::Height:
        return f.HeightM;
    }
    return 0;
}

void THomeDataForm::LatHemisphereClick(Station station)
{
    AppState& s = App();
    StationFields f = FieldsOf(s, station);
    f.LatHemisphere = PanelOf(station).LatHemisphere->text();
    ToggleLatHemisphere(s, station);
    PanelOf(station).Latitude->setText(FormatFixed(f.Latitude, 4, 5));
    PanelOf(station).LatHemisphere->setText(f.LatHemisphere);
}

void THomeDataForm::LongHemisphereClick(Station station)
{
    AppState& s = App();
    StationFields f = FieldsOf(s, station);
    f.LongHemisphere = PanelOf(station).LongHemisphere->text();
    ToggleLongHemisphere(s, station);
    PanelOf(station).LongHemisphere->setText(f.LongHemisphere);
    if (station == Station::Home)
        RefreshSetupWindow();
    else
        PanelOf(station).Longitude->setText(FormatFixed(f.Longitude, 4, 5));
}

void THomeDataForm::HomeCallSignChange()
{
    App().HomeCallSign = Home.CallSign->text().left(kCallSignMax);
    RefreshSetupWindow();
}

void THomeDataForm::HomeLocationChange()
{
    App().HomeLocation = Home.Location->text().left(kLocationMax);
    RefreshSetupWindow();
}

void THomeDataForm::DxCallSignKeyUp()
{
    App().DxCallSign = Dx.CallSign->text().left(kCallSignMax);
}

void THomeDataForm::DxLocationChange()
{
    App().DxLocation = Dx.Location->text().left(kLocationMax);
    RefreshSetupWindow();
}

void THomeDataForm::DxLocationKeyUp()
{
    App().DxLocation = Dx.Location->text().left(kLocationMax);
}

void THomeDataForm::GridSquareClick(Station station)
{
    PanelOf(station).GridSquare->clear();
}

void THomeDataForm::GridSquareKeyUp(Station station)
{
    AppState& s = App();
    StationPanel& p = PanelOf(station);
    const LocatorEntry entry = LocatorToPosition(s, station, p.GridSquare->text());
    const StationFields f = FieldsOf(s, station);
    if (entry == LocatorEntry::PositionSet) {
        WriteDecimalFields(station);
        p.LatHemisphere->setText(f.LatHemisphere);
        p.LongHemisphere->setText(f.LongHemisphere);
        // Emptying a filled call sign or location field refreshes the window.
        p.CallSign->clear();
        p.Location->clear();
    }
    WriteDmsFields(station);
    SetTextIfDifferent(p.GridSquare, f.ShownLocator);
}

void THomeDataForm::HomeDishUpClick()
{
    StepDish(App().HomeDishCm, true, App());
    RefreshSetupWindow();
}

void THomeDataForm::HomeDishDownClick()
{
    StepDish(App().HomeDishCm, false, App());
    RefreshSetupWindow();
}

void THomeDataForm::DxDishUpClick()
{
    StepDish(App().DxDishCm, true, App());
    Dx.DishBox->setText(DishBoxText(App().DxDishCm));
}

void THomeDataForm::DxDishDownClick()
{
    StepDish(App().DxDishCm, false, App());
    Dx.DishBox->setText(DishBoxText(App().DxDishCm));
}

// ---- Get and save -------------------------------------------------------------

void THomeDataForm::GetHomeDataClick()
{
    AppState& s = App();
    LoadSetupForWindow(s);
    SplitStationToDms(s, Station::Home);
    WriteDmsFields(Station::Home);
    SetTextIfDifferent(Home.CallSign, s.HomeCallSign);
    SetTextIfDifferent(Home.Location, s.HomeLocation);
    WriteNumeric(Station::Home, NumericField::UtcOffset, s.HomeUtcOffset);
    WriteNumeric(Station::Home, NumericField::Height, s.HomeHeightM);
    PositionToLocator(s, Station::Home);
    RefreshSetupWindow();
}

void THomeDataForm::GetDxDataClick()
{
    AppState& s = App();
    LoadSetupForWindow(s);
    SplitStationToDms(s, Station::Dx);
    WriteDmsFields(Station::Dx);
    SetTextIfDifferent(Dx.CallSign, s.DxCallSign);
    SetTextIfDifferent(Dx.Location, s.DxLocation);
    const long double utc = s.DxUtcOffset;
    const long double height = s.DxHeightM;
    WriteNumeric(Station::Dx, NumericField::UtcOffset, utc);
    WriteNumeric(Station::Dx, NumericField::Height, height);
    PositionToLocator(s, Station::Dx);
    RefreshSetupWindow();
}

void THomeDataForm::SaveHomeDataClick()
{
    if (!SaveSetup(App()))
        return;
    if (Form1)
        Form1->ShowStationSummary();
    SaveHomeToDatabase();
}

void THomeDataForm::SaveDxDataClick()
{
    if (!SaveSetup(App()))
        return;
    if (Form1)
        Form1->ShowStationSummary();
    SaveDxToDatabase();
}

void THomeDataForm::SaveButtonExit()
{
    if (!Form1)
        return;
    Form1->SelectFirstTab();
    Form1->setEnabled(true);
    Form1->show();
}

void THomeDataForm::SaveHomeToDatabase()
{
    AppState& s = App();
    if (s.GridSquareWork.isEmpty() || s.HomeLocation.isEmpty() || s.HomeCallSign.isEmpty()) {
        Tell(MessageBoxes::Kind::Information,
             QStringLiteral("The Home Data has not been defined fully.\r\n\r\nEnter the Home Call "
                            "sign and Dx Location info."),
             MainOffset(320, 400));
        Home.GridSquare->setFocus();
        return;
    }
    SaveStationToDatabase(Station::Home,
                          QStringLiteral("Do you now wish save your Home Data information to the "
                                         "User section of DXCC Data Base ?"));
}

void THomeDataForm::SaveDxToDatabase()
{
    SaveStationToDatabase(Station::Dx,
                          QStringLiteral("Do you now wish save your Dx Data information to the "
                                         "User section of DXCC Data Base ?"));
}

// Both save buttons end alike: the station goes to the user area on Yes, then
// the database window closes and the main window comes back.
void THomeDataForm::SaveStationToDatabase(Station side, const QString& question)
{
    AppState& s = App();
    if (Ask(question, MainOffset(160, 420)) == MessageBoxes::Answer::Yes && Form4) {
        const AddStationResult added =
            AddStationToUserArea(Form4->DatabaseGrid(), StationFromState(s, side));
        if (added.Row < 0) {
            Tell(MessageBoxes::Kind::Error, added.Message, QPoint(-1, -1));
        } else {
            Form4->ReloadGrid();
            Form4->SaveDatabaseFile(DatabaseFileName);
        }
    }
    if (Form4)
        Form4->CloseWindow();
    RefreshSetupWindow();
    if (Form1) {
        Form1->SelectFirstTab();
        Form1->EnableLiveClock();
        Form1->show();
        Form1->setEnabled(true);
    }
}

// ---- Options -------------------------------------------------------------------

void THomeDataForm::OptionsListClick(int item)
{
    bool keepSelection = false;
    switch (item) {
    case 0:
        SelectDxStationOption();
        break;
    case 1:
        keepSelection = App().DxGridSquare.isEmpty();
        GoToCalculatorOption();
        break;
    case 2:
        AddNewStationOption();
        break;
    case 3:
        DeleteEntryOption();
        break;
    default:
        return;
    }
    if (!keepSelection)
        OptionsList->clearSelection();
}

void THomeDataForm::SelectDxStationOption()
{
    AppState& s = App();
    if (!Form4)
        return;
    Form4->move(MainOffset(100, 50));
    Form4->OpenDatabaseWindow();
    if (Form1)
        Form1->setEnabled(false);
    s.SelectedDbRow = Form4->CurrentRow();
    s.StationPicked = 1;
    RefreshSetupWindow();
}

void THomeDataForm::GoToCalculatorOption()
{
    if (App().DxGridSquare.isEmpty()) {
        Tell(MessageBoxes::Kind::Information, QStringLiteral("Dx Data has not been defined"),
             MainOffset(320, 400));
        Dx.GridSquare->setFocus();
        return;
    }
    hide();
    ReturnToMainWindow();
}

void THomeDataForm::AddNewStationOption()
{
    AppState& s = App();
    if (s.StationPicked == 0) {
        Tell(MessageBoxes::Kind::Information,
             QStringLiteral("Select a Station from the Data Base first**"), QPoint(-1, -1));
        return;
    }
    if (s.DxGridSquare.isEmpty() || s.DxLocation.isEmpty() || s.DxCallSign.isEmpty())
        Tell(MessageBoxes::Kind::Information,
             QStringLiteral("The Dx Data has not been defined fully.\r\n\r\nEnter the Dx Call sign "
                            "and Dx Location info."),
             MainOffset(320, 400));
    if (!Form4)
        return;
    GridModel& grid = Form4->DatabaseGrid();
    // A full user area is reported before anything changes.
    if (!FindFreeRow(grid)) {
        Tell(MessageBoxes::Kind::Error, GridIndexOutOfRangeMessage, QPoint(-1, -1));
        return;
    }
    TakeDxHemispheresFromButtons(s, Dx.LatHemisphere->text(), Dx.LongHemisphere->text());
    const QPoint at(Form4->x() + 260, Form4->y() + 400);
    const QString question =
        QStringLiteral(
            "Do you wish save this new location to the Data Base File?\r\n\r\n        ") +
        s.DxLocation + QLatin1Char(' ') + s.DxCallSign + QLatin1Char(' ') + s.DxGridSquare;
    if (Ask(question, at) == MessageBoxes::Answer::Yes) {
        const AddStationResult added = AddStationToUserArea(grid, StationFromState(s, Station::Dx));
        if (added.Row < 0) {
            Tell(MessageBoxes::Kind::Error, added.Message, QPoint(-1, -1));
        } else {
            Form4->ReloadGrid();
            if (Form4->SaveDatabaseFile(DatabaseFileName))
                Tell(MessageBoxes::Kind::Confirmation,
                     QStringLiteral("The Data Base File has been updated."),
                     QPoint(Form4->x() + 320, Form4->y() + 400));
            s.SelectedDbRow = Form4->CurrentRow();
        }
    }
    Form4->CloseWindow();
    RefreshSetupWindow();
}

void THomeDataForm::DeleteEntryOption()
{
    AppState& s = App();
    if (s.StationPicked == 0) {
        Tell(MessageBoxes::Kind::Information,
             QStringLiteral("Select a Station from the Data Base First"), MainOffset(320, 400));
        return;
    }
    if (!RowIsEditable(s.SelectedDbRow)) {
        Tell(MessageBoxes::Kind::Information, ProtectedRowMessage(), MainOffset(320, 400));
        return;
    }
    if (!Form4)
        return;
    GridModel& grid = Form4->DatabaseGrid();
    if (Ask(DeleteQuestion(grid, s.SelectedDbRow), MainOffset(320, 400)) ==
        MessageBoxes::Answer::Yes) {
        if (!DeleteUserRow(grid, s.SelectedDbRow)) {
            Tell(MessageBoxes::Kind::Error, GridIndexOutOfRangeMessage, QPoint(-1, -1));
        } else {
            Form4->ReloadGrid();
            Tell(MessageBoxes::Kind::Confirmation,
                 QStringLiteral("The last data entry has now been deleted"), MainOffset(320, 420));
            if (Form4->SaveDatabaseFile(DatabaseFileName))
                Tell(MessageBoxes::Kind::Information,
                     QStringLiteral("The Data Base File has also been updated."),
                     MainOffset(320, 420));
        }
    }
    Form4->CloseWindow();
    s.OpenedFromMain = 1;
    RefreshSetupWindow();
    if (Form1)
        Form1->Recalculate();
}
