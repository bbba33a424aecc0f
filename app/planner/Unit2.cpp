#include "Unit2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QWindow>

#include "AppState.h"
#include "ClickablePanelWidget.h"
#include "Clock.h"
#include "FileLookup.h"
#include "GridTableView.h"
#include "MainControls.h"
#include "MessageBoxes.h"
#include "PlannerControls.h"
#include "PlannerCsv.h"
#include "PlannerTableView.h"
#include "SetupFile.h"
#include "SpinButtonWidget.h"
#include "StationDatabase.h"
#include "Unit1.h"
#include "Unit4.h"

TForm2* Form2 = nullptr;

namespace
{

constexpr int WindowWidth = 1024;
constexpr int WindowHeight = 768;

QLabel* MakePanel(QWidget* parent, const char* name, const QRect& geometry,
                  const QString& text = QString())
{
    auto* panel = new QLabel(text, parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

SpinButton* MakeSpin(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* spin = new SpinButton(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setGeometry(geometry);
    return spin;
}

// A limit box: the caption panel holding the value panel and its spinner.
ClickablePanel* MakeLimitPanel(QWidget* parent, const char* name, const QString& caption,
                               const QPoint& at)
{
    auto* panel = new ClickablePanel(caption, parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    panel->setWordWrap(false);
    panel->setGeometry(QRect(at, QSize(150, 50)));
    return panel;
}

QDateEdit* MakeDatePicker(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    picker->setCalendarPopup(true);
    // The years the ephemeris is meant for, as in the main window.
    picker->setDateRange(QDate(1900, 1, 1), QDate(2100, 12, 31));
    picker->setGeometry(geometry);
    return picker;
}

QDate Today()
{
    const DecodedDateTime now = DecodeDateTime(LocalNow());
    return QDate(now.Year, now.Month, now.Day);
}

// The main window, the database and the set-up window count as the
// program's own windows; message boxes, file and print dialogs, calendar
// pop-ups and other programs do not.
bool IsOwnWindow(QWindow* window)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == window)
            return widget->windowType() == Qt::Window && !qobject_cast<QDialog*>(widget);
    return false;
}

} // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Dravik Libration Planner"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    Form2 = this;

    CreateControls();
    ConnectControls();
    SetPlannerHeaders(App(), table_);
    ProfGrid1->ShowTable();
    resize(WindowWidth, WindowHeight);

    PrintDialogHook = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    ExportFileHook = [this](const QString& directory) {
        QFileDialog dialog(this, QStringLiteral("Export the plan"), directory,
                           QStringLiteral("CSV files (*.csv);;All files (*)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
}

TForm2::~TForm2()
{
    // The grid reads table_, which goes before the window's children do.
    delete ProfGrid1;
    ProfGrid1 = nullptr;
    if (Form2 == this)
        Form2 = nullptr;
}

void TForm2::CreateControls()
{
    Panel1 = new QGroupBox(QStringLiteral("Home  QTH"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 4, 300, 104);
    Panel101 = MakePanel(Panel1, "Panel101", QRect(10, 20, 280, 22));
    Panel102 = MakePanel(Panel1, "Panel102", QRect(10, 46, 280, 22));
    Panel8 = MakePanel(Panel1, "Panel8", QRect(10, 72, 280, 22));
    QFont bold = Panel101->font();
    bold.setBold(true);
    Panel101->setFont(bold);

    Panel2 = new QGroupBox(QStringLiteral("Dx  QTH"), this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(316, 4, 300, 104);
    Panel201 = MakePanel(Panel2, "Panel201", QRect(10, 20, 280, 22), NotSelectedText);
    Panel202 = MakePanel(Panel2, "Panel202", QRect(10, 46, 280, 22));
    Panel203 = MakePanel(Panel2, "Panel203", QRect(10, 72, 280, 22));
    Panel201->setFont(bold);

    ColorButton1 = MakeButton(this, "ColorButton1", QStringLiteral("Select a Dx Station"),
                              QRect(626, 14, 140, 32));
    ColorButton2 = MakeButton(this, "ColorButton2", QStringLiteral("Clear Dx Station"),
                              QRect(626, 58, 140, 32));

    MakeLabel(this, QStringLiteral("U.T.C . Date"), QRect(778, 4, 230, 16), Qt::AlignCenter);
    MakeLabel(this, QStringLiteral("Start Date"), QRect(780, 24, 80, 22));
    DateTimePicker1 = MakeDatePicker(this, "DateTimePicker1", QRect(866, 24, 120, 22));
    MakeLabel(this, QStringLiteral("End Date"), QRect(780, 52, 80, 22));
    DateTimePicker2 = MakeDatePicker(this, "DateTimePicker2", QRect(866, 52, 120, 22));
    MakeLabel(this, QStringLiteral("Click on arrow for calendar display"), QRect(778, 82, 230, 16),
              Qt::AlignCenter);

    MakeLabel(this, QStringLiteral("Calculation Interval"), QRect(8, 116, 130, 16));
    Panel501 = MakePanel(this, "Panel501", QRect(8, 134, 60, 24));
    SpinButton4 = MakeSpin(this, "SpinButton4", QRect(70, 134, 18, 24));
    MakeLabel(this, QStringLiteral("Minutes"), QRect(94, 134, 50, 24));
    const QString intervalHint = QStringLiteral("Change calculation interval");
    Panel501->setToolTip(intervalHint);
    SpinButton4->setToolTip(intervalHint);

    Panel7 = new ClickablePanel(HorizonSwitchAtStart().Caption, this);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel7->setGeometry(150, 114, 170, 50);
    Panel7->setToolTip(QStringLiteral("Calculate the Moon position when above or below Horizon"));

    // The minimum and maximum boxes share a place; a double click swaps them.
    Panel401 =
        MakeLimitPanel(this, "Panel401", QStringLiteral("  Min  Home Elevation"), QPoint(330, 114));
    Panel401->setToolTip(QStringLiteral("Double click to get max Home elevation"));
    Panel402 = MakePanel(Panel401, "Panel402", QRect(30, 22, 60, 22));
    SpinButton3 = MakeSpin(Panel401, "SpinButton3", QRect(92, 21, 18, 24));
    Panel9 =
        MakeLimitPanel(this, "Panel9", QStringLiteral("  Max  Home Elevation"), QPoint(330, 114));
    Panel9->setToolTip(QStringLiteral("Double click to get min Home elevation"));
    Panel10 = MakePanel(Panel9, "Panel10", QRect(30, 22, 60, 22));
    SpinButton5 = MakeSpin(Panel9, "SpinButton5", QRect(92, 21, 18, 24));
    Panel9->hide();

    Panel403 =
        MakeLimitPanel(this, "Panel403", QStringLiteral("  Min  Dx  Elevation"), QPoint(488, 114));
    Panel403->setToolTip(QStringLiteral("Double click to get max Dx elevation"));
    Panel404 = MakePanel(Panel403, "Panel404", QRect(30, 22, 60, 22));
    SpinButton2 = MakeSpin(Panel403, "SpinButton2", QRect(92, 21, 18, 24));
    Panel11 =
        MakeLimitPanel(this, "Panel11", QStringLiteral("  Max  Dx  Elevation"), QPoint(488, 114));
    Panel11->setToolTip(QStringLiteral("Double click to get min Dx elevation"));
    Panel12 = MakePanel(Panel11, "Panel12", QRect(30, 22, 60, 22));
    SpinButton6 = MakeSpin(Panel11, "SpinButton6", QRect(92, 21, 18, 24));
    Panel11->hide();

    Panel405 = MakePanel(this, "Panel405", QRect(646, 114, 150, 50));
    Panel405->setText(QStringLiteral("   Min Spatial"));
    Panel405->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Panel405->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel405->setToolTip(QStringLiteral("Maximum Spatial Offset"));
    Panel406 = MakePanel(Panel405, "Panel406", QRect(30, 22, 60, 22));
    SpinButton1 = MakeSpin(Panel405, "SpinButton1", QRect(92, 21, 18, 24));

    Calculate = MakeButton(this, "Calculate", QStringLiteral("Calculate"), QRect(8, 170, 110, 26));
    SaveHomeData = MakeButton(this, "SaveHomeData", QStringLiteral("Save Home Data"),
                              QRect(126, 170, 110, 26));
    BitBtn3 = MakeButton(this, "BitBtn3", QStringLiteral("Print"), QRect(244, 170, 90, 26));
    ExportButton =
        MakeButton(this, "ExportButton", QStringLiteral("Export\u2026"), QRect(342, 170, 90, 26));
    ExportButton->setToolTip(QStringLiteral("Write the table to a CSV file"));
    CloseButton =
        MakeButton(this, "CloseButton", QStringLiteral("&Close [Esc]"), QRect(898, 170, 110, 26));
    CloseButton->setShortcut(QKeySequence(Qt::Key_Escape));

    ProfGrid1 = new PlannerTableView(&table_, this);
    ProfGrid1->setObjectName(QStringLiteral("ProfGrid1"));
    ProfGrid1->setGeometry(8, 204, 1000, 526);
}

void TForm2::ConnectControls()
{
    connect(ColorButton1, &QPushButton::clicked, this, &TForm2::ColorButton1Click);
    connect(ColorButton2, &QPushButton::clicked, this, &TForm2::ColorButton2Click);
    connect(DateTimePicker1, &QDateEdit::dateChanged, this, &TForm2::DateTimePicker1Click);
    connect(DateTimePicker2, &QDateEdit::dateChanged, this, &TForm2::DateTimePicker2Click);
    connect(SpinButton4, &SpinButton::upClicked, this, &TForm2::SpinButton4UpClick);
    connect(SpinButton4, &SpinButton::downClicked, this, &TForm2::SpinButton4DownClick);
    connect(SpinButton3, &SpinButton::upClicked, this, &TForm2::SpinButton3UpClick);
    connect(SpinButton3, &SpinButton::downClicked, this, &TForm2::SpinButton3DownClick);
    connect(SpinButton5, &SpinButton::upClicked, this, &TForm2::SpinButton5UpClick);
    connect(SpinButton5, &SpinButton::downClicked, this, &TForm2::SpinButton5DownClick);
    connect(SpinButton2, &SpinButton::upClicked, this, &TForm2::SpinButton2UpClick);
    connect(SpinButton2, &SpinButton::downClicked, this, &TForm2::SpinButton2DownClick);
    connect(SpinButton6, &SpinButton::upClicked, this, &TForm2::SpinButton6UpClick);
    connect(SpinButton6, &SpinButton::downClicked, this, &TForm2::SpinButton6DownClick);
    connect(SpinButton1, &SpinButton::upClicked, this, &TForm2::SpinButton1UpClick);
    connect(SpinButton1, &SpinButton::downClicked, this, &TForm2::SpinButton1DownClick);
    connect(Panel401, &ClickablePanel::doubleClicked, this, &TForm2::Panel401DblClick);
    connect(Panel9, &ClickablePanel::doubleClicked, this, &TForm2::Panel9DblClick);
    connect(Panel403, &ClickablePanel::doubleClicked, this, &TForm2::Panel403DblClick);
    connect(Panel11, &ClickablePanel::doubleClicked, this, &TForm2::Panel11DblClick);
    connect(Panel7, &ClickablePanel::clicked, this, &TForm2::Panel7Click);
    connect(Calculate, &QPushButton::clicked, this, &TForm2::CalculateClick);
    connect(SaveHomeData, &QPushButton::clicked, this, &TForm2::SaveHomeDataClick);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm2::BitBtn3Click);
    connect(ExportButton, &QPushButton::clicked, this, &TForm2::ExportButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TForm2::CloseButtonClick);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TForm2::FocusWindowChanged);
}

// ---- Showing and activation -------------------------------------------------

void TForm2::ShowPlanner(int left, int top)
{
    move(left, top);
    show();
    raise();
    activateWindow();
}

void TForm2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

bool TForm2::event(QEvent* event)
{
    // A return from the database or the main window is an activation; a
    // message box, a file or print dialog, or another program is not, so the
    // table survives printing and exporting.
    if (event->type() == QEvent::WindowActivate && previousFocusOwnWindow_)
        FormActivate();
    return QWidget::event(event);
}

void TForm2::FocusWindowChanged(QWindow* window)
{
    if (!window)
        return;
    if (window == windowHandle()) {
        previousFocusOwnWindow_ = false;
        return;
    }
    previousFocusOwnWindow_ = IsOwnWindow(window);
}

void TForm2::PlaceWindow()
{
    move(1, 1);
    // 1024 × 768 including the frame the window system adds.
    QMargins frame;
    if (const QWindow* handle = windowHandle())
        frame = handle->frameMargins();
    resize(WindowWidth - frame.left() - frame.right(), WindowHeight - frame.top() - frame.bottom());
}

void TForm2::FormActivate()
{
    AppState& s = App();
    PlaceWindow();
    s.TargetIsSun = 0;
    SetPlannerHeaders(s, table_);
    ProfGrid1->ShowTable();
    s.PlannerBelowHorizon = 0;
    const HorizonSwitch horizon = HorizonSwitchAtStart();
    ShowHorizonSwitch(horizon.Caption,
                      QColor(horizon.Colour.r, horizon.Colour.g, horizon.Colour.b));

    const PlannerPanelTexts t = PlannerPanels(s);
    Panel101->setText(t.Panel101);
    Panel102->setText(t.Panel102);
    Panel8->setText(t.Panel8);
    Panel501->setText(t.Panel501);
    Panel406->setText(t.Panel406);
    Panel402->setText(t.Panel402);
    Panel10->setText(t.Panel10);
    Panel404->setText(t.Panel404);
    Panel12->setText(t.Panel12);

    const QDate today = Today();
    {
        const QSignalBlocker block1(DateTimePicker1);
        const QSignalBlocker block2(DateTimePicker2);
        DateTimePicker1->setDate(today);
        DateTimePicker2->setDate(today);
    }
    startDate_ = today;
    endDate_ = today;
    WriteDxPanels();
}

void TForm2::WriteDxPanels()
{
    const PlannerPanelTexts t = PlannerPanels(App());
    Panel201->setText(t.Panel201);
    Panel202->setText(t.Panel202);
    Panel203->setText(t.Panel203);
}

void TForm2::ShowHorizonSwitch(const QString& caption, const QColor& colour)
{
    Panel7->setText(caption);
    Panel7->SetColour(colour);
}

// ---- Closing ----------------------------------------------------------------

void TForm2::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TForm2::FormClose()
{
    AppState& s = App();
    s.MainWindowTop = y();
    s.MainWindowLeft = x();
    s.OpenedFromMain = 1;
    s.TargetIsSun = 0;
    if (Form1) {
        Form1->ReturnFromWindow(x(), y());
        // The main window shows the date and time the table left behind.
        Form1->Recalculate();
    }
}

void TForm2::CloseButtonClick()
{
    // Closing runs FormClose, which brings the main window back with its
    // live clock running, its first tab selected and its values recomputed.
    close();
}

// ---- The table --------------------------------------------------------------

void TForm2::CalculateClick()
{
    AppState& s = App();
    const long long samples = PlannerSampleCount(DateTimePicker1->date(), DateTimePicker2->date(),
                                                 s.PlannerIntervalMinutes);
    if (samples > PlannerMaxSamples) {
        Messages().Show(MessageBoxes::Kind::Warning, MessageBoxes::Buttons::Ok, QString(),
                        PlannerTooLongMessage(samples), QPoint(-1, -1));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Only for DaylightSaving, which the local times depend on.
    CurrentUtc(s);
    ClearPlannerTable(table_);
    SetPlannerHeaders(s, table_);
    PlanTable(s, table_, DateTimePicker1->date(), DateTimePicker2->date());
    ProfGrid1->ShowTable();
    QApplication::restoreOverrideCursor();
}

void TForm2::DateTimePicker1Click()
{
    startDate_ = DateTimePicker1->date();
    const QDate end = EndDateForStart(startDate_, endDate_);
    if (end != endDate_) {
        endDate_ = end;
        const QSignalBlocker block(DateTimePicker2);
        DateTimePicker2->setDate(end);
    }
}

void TForm2::DateTimePicker2Click()
{
    endDate_ = DateTimePicker2->date();
}

// ---- Interval and limits ----------------------------------------------------

void TForm2::SpinButton4UpClick()
{
    AppState& s = App();
    s.PlannerIntervalMinutes = IntervalUp(s.PlannerIntervalMinutes);
    Panel501->setText(QString::number(s.PlannerIntervalMinutes));
}

void TForm2::SpinButton4DownClick()
{
    AppState& s = App();
    s.PlannerIntervalMinutes = IntervalDown(s.PlannerIntervalMinutes);
    Panel501->setText(QString::number(s.PlannerIntervalMinutes));
}

namespace
{

void StepLimit(long double& field, QLabel* panel, int step)
{
    field = LimitStep(field, step);
    panel->setText(ShortestDecimal(field));
}

} // namespace

void TForm2::SpinButton3UpClick()
{
    StepLimit(App().PlannerMinHomeElevation, Panel402, +1);
}

void TForm2::SpinButton3DownClick()
{
    StepLimit(App().PlannerMinHomeElevation, Panel402, -1);
}

void TForm2::SpinButton5UpClick()
{
    StepLimit(App().PlannerMaxHomeElevation, Panel10, +1);
}

void TForm2::SpinButton5DownClick()
{
    StepLimit(App().PlannerMaxHomeElevation, Panel10, -1);
}

void TForm2::SpinButton2UpClick()
{
    StepLimit(App().PlannerMinDxElevation, Panel404, +1);
}

void TForm2::SpinButton2DownClick()
{
    StepLimit(App().PlannerMinDxElevation, Panel404, -1);
}

void TForm2::SpinButton6UpClick()
{
    StepLimit(App().PlannerMaxDxElevation, Panel12, +1);
}

void TForm2::SpinButton6DownClick()
{
    StepLimit(App().PlannerMaxDxElevation, Panel12, -1);
}

void TForm2::SpinButton1UpClick()
{
    StepLimit(App().PlannerSpatialLimit, Panel406, +1);
}

void TForm2::SpinButton1DownClick()
{
    StepLimit(App().PlannerSpatialLimit, Panel406, -1);
}

void TForm2::Panel401DblClick()
{
    Panel401->hide();
    Panel9->show();
}

void TForm2::Panel9DblClick()
{
    Panel9->hide();
    Panel401->show();
}

void TForm2::Panel403DblClick()
{
    Panel403->hide();
    Panel11->show();
}

void TForm2::Panel11DblClick()
{
    Panel11->hide();
    Panel403->show();
}

void TForm2::Panel7Click()
{
    if (const std::optional<HorizonSwitch> horizon = ToggleBelowHorizon(App()))
        ShowHorizonSwitch(horizon->Caption,
                          QColor(horizon->Colour.r, horizon->Colour.g, horizon->Colour.b));
}

// ---- Stations ---------------------------------------------------------------

void TForm2::ColorButton1Click()
{
    AppState& s = App();
    if (!Form4)
        return;
    MarkOpenedFromPlanner(s);
    if (Form1) {
        Form4->move(Form1->x() + 100, Form1->y() + 50);
        s.MainWindowTop = Form1->y();
        s.MainWindowLeft = Form1->x();
    }
    // The saved copy of the database when there is one; a first run has only
    // the shipped list, which is better than an empty grid.
    if (!FindExistingFile(DatabaseCopyFileName).isEmpty())
        Form4->LoadDatabaseFile(DatabaseCopyFileName);
    else
        Form4->LoadDatabaseFile(DatabaseFileName);
    if (Form1)
        Form1->hide();
    Form4->resize(415, 700);
    Form4->Grid->setFixedSize(400, 610);
    Form4->show();
    Form4->raise();
    Form4->activateWindow();
}

void TForm2::ColorButton2Click()
{
    AppState& s = App();
    s.ShowStationB = 0;
    WriteDxPanels();
    SetPlannerHeaders(s, table_);
    ProfGrid1->ShowTable();
}

void TForm2::SaveHomeDataClick()
{
    if (SaveSetup(App()) && Form1)
        Form1->ShowStationSummary();
}

// ---- Printing and export ----------------------------------------------------

void TForm2::ShowError(const QString& text)
{
    Messages().Show(MessageBoxes::Kind::Error, MessageBoxes::Buttons::Ok, QString(), text,
                    QPoint(-1, -1));
}

void TForm2::BitBtn3Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!PrintDialogHook || !PrintDialogHook(printer))
        return;
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!ProfGrid1->Print(printer))
        ShowError(QStringLiteral("The table could not be printed."));
}

void TForm2::ExportButtonClick()
{
    if (!ExportFileHook)
        return;
    const QString path = ExportFileHook(QDir::currentPath());
    if (path.isEmpty())
        return;
    QString error;
    if (!WritePlannerCsv(table_, path, error))
        ShowError(QStringLiteral("The table could not be written to %1.\r\r%2")
                      .arg(QDir::toNativeSeparators(path), error));
}
