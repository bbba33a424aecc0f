#include "Unit4.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "AppState.h"
#include "FileLookup.h"
#include "GridIniFile.h"
#include "GridTableView.h"
#include "HomeDataScreen.h"
#include "MessageBoxes.h"
#include "SetupFile.h"
#include "StationDatabase.h"
#include "Unit1.h"
#include "planner/Unit2.h"

TForm4* Form4 = nullptr;

namespace
{

void ShowError(const QString& text)
{
    Messages().Show(MessageBoxes::Kind::Error, MessageBoxes::Buttons::Ok, QString(), text,
                    QPoint(-1, -1));
}

} // namespace

TForm4::TForm4(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Dravik Dx Data Base  \u00a9"));
    ResetToEmptyDatabase(grid_);

    Grid = new GridTableView(&grid_, this);
    Grid->setObjectName(QStringLiteral("ProfGrid1"));
    Grid->setFixedSize(400, 610);

    FindButton = new QPushButton(QStringLiteral("DXCC Find"), this);
    FindButton->setObjectName(QStringLiteral("FindButton"));

    FastFindPanel = new QGroupBox(QStringLiteral("DXCC Data Base fast find"), this);
    FastFindPanel->setObjectName(QStringLiteral("FastFindPanel"));
    auto* findLayout = new QVBoxLayout(FastFindPanel);
    findLayout->addWidget(
        new QLabel(QStringLiteral("Enter a Location or prefix or Call sign then"), FastFindPanel));
    findLayout->addWidget(new QLabel(QStringLiteral("complete with a CR"), FastFindPanel));
    FastFindEdit = new QLineEdit(FastFindPanel);
    FastFindEdit->setObjectName(QStringLiteral("FastFindEdit"));
    findLayout->addWidget(FastFindEdit);
    FastFindPanel->hide();

    SelectDxButton = new QPushButton(QStringLiteral("Select as Dx Station"), this);
    SelectDxButton->setObjectName(QStringLiteral("SelectDxButton"));
    SelectDxButton->setToolTip(QStringLiteral("Make selection as Dx Station"));
    SelectHomeButton = new QPushButton(QStringLiteral("Select as Home Station"), this);
    SelectHomeButton->setObjectName(QStringLiteral("SelectHomeButton"));
    SelectHomeButton->setToolTip(QStringLiteral("Make selection as Home Station"));
    SaveDataBaseButton = new QPushButton(QStringLiteral("Save Data Base"), this);
    SaveDataBaseButton->setObjectName(QStringLiteral("SaveDataBaseButton"));
    SaveDataBaseButton->setToolTip(
        QStringLiteral("Save changes of User Data in the Dravik Data Base."));
    CloseButton = new QPushButton(QStringLiteral("&Close [Esc]"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setShortcut(QKeySequence(Qt::Key_Escape));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(7, 7, 7, 7);
    layout->addWidget(Grid);
    layout->addWidget(FastFindPanel);
    auto* row1 = new QHBoxLayout;
    row1->addWidget(FindButton);
    row1->addWidget(SaveDataBaseButton);
    layout->addLayout(row1);
    auto* row2 = new QHBoxLayout;
    row2->addWidget(SelectDxButton);
    row2->addWidget(SelectHomeButton);
    layout->addLayout(row2);
    layout->addWidget(CloseButton);
    layout->addStretch();
    resize(415, 730);

    connect(Grid, &GridTableView::CurrentCellChanged, this, &TForm4::GridClick);
    connect(Grid, &GridTableView::CellDoubleClicked, this, &TForm4::GridDblClick);
    connect(FindButton, &QPushButton::clicked, this, &TForm4::FindButtonClick);
    connect(FastFindEdit, &QLineEdit::textChanged, this, &TForm4::FastFindEditChange);
    connect(FastFindEdit, &QLineEdit::returnPressed, this, &TForm4::FastFind);
    connect(SelectDxButton, &QPushButton::clicked, this, &TForm4::SelectDxButtonClick);
    connect(SelectHomeButton, &QPushButton::clicked, this, &TForm4::SelectHomeButtonClick);
    connect(SaveDataBaseButton, &QPushButton::clicked, this, &TForm4::SaveDataBaseButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TForm4::CloseButtonClick);

    Form4 = this;
}

TForm4::~TForm4()
{
    // The view reads the grid, which dies with this object before its children do.
    delete Grid;
    Grid = nullptr;
    if (Form4 == this)
        Form4 = nullptr;
}

void TForm4::ReloadGrid()
{
    Grid->Reload();
    Grid->SetEditingEnabled(RowIsEditable(Grid->CurrentGridRow()));
}

bool TForm4::LoadDatabaseFile(const QString& name)
{
    const QString path = FindExistingFile(name);
    if (path.isEmpty())
        return false;
    const GridFileResult result = LoadGridFromIni(grid_, path);
    if (!result.ok) {
        ShowError(result.message);
        return false;
    }
    ReloadGrid();
    return true;
}

bool TForm4::SaveDatabaseFile(const QString& name)
{
    const GridFileResult result = SaveGridToIni(grid_, QDir::current().filePath(name));
    if (!result.ok)
        ShowError(result.message);
    return result.ok;
}

int TForm4::CurrentRow() const
{
    return Grid->CurrentGridRow();
}

void TForm4::OpenDatabaseWindow()
{
    LoadDatabaseFile(DatabaseFileName);
    if (Form1)
        Form1->ClearCharts();
    resize(415, 730);
    show();
    raise();
    activateWindow();
}

void TForm4::GridClick(int, int row)
{
    Grid->SetEditingEnabled(RowIsEditable(row));
    App().SelectedDbRow = row;
}

void TForm4::GridDblClick(int, int row)
{
    if (!RowIsEditable(row)) {
        Messages().Show(MessageBoxes::Kind::Information, MessageBoxes::Buttons::Ok, QString(),
                        ProtectedRowMessage(), QPoint(-1, -1));
        return;
    }
    Grid->SetEditingEnabled(true);
}

void TForm4::FindButtonClick()
{
    FastFindPanel->show();
    FindButton->hide();
    FastFindEdit->setFocus();
}

void TForm4::FastFindEditChange(const QString& text)
{
    searchText_ = FastFindSearchText(text);
}

void TForm4::FastFind()
{
    const std::optional<int> row = ::FastFind(grid_, searchText_);
    if (!row) {
        FastFindEdit->setText(QStringLiteral("Not found"));
        return;
    }
    Grid->SelectCell(StationColumn::Location, *row);
    Grid->setFocus();
    FastFindPanel->hide();
    FindButton->show();
}

void TForm4::SelectDxButtonClick()
{
    SelectStation(Station::Dx);
}

void TForm4::SelectHomeButtonClick()
{
    SelectStation(Station::Home);
}

void TForm4::SelectStation(Station station)
{
    AppState& s = App();
    const int row = Grid->CurrentGridRow();
    if (row != 0) {
        const TakeResult taken = SelectStationFromRow(s, grid_, row, station);
        if (taken.Status == TakeStatus::Refused) {
            ShowError(taken.Message);
            return;
        }
        if (taken.Status == TakeStatus::Taken) {
            const QString question =
                station == Station::Dx
                    ? QStringLiteral("Do you wish make this Dx Station selection as your default ?")
                    : QStringLiteral(
                          "Do you wish make this Home Station selection as your default ?");
            if (Messages().Show(MessageBoxes::Kind::Confirmation, MessageBoxes::Buttons::YesNo,
                                QString(), question, QPoint(-1, -1)) == MessageBoxes::Answer::Yes) {
                if (SaveSetup(s) && Form1)
                    Form1->ShowStationSummary();
            }
        }
    }
    if (station == Station::Home) {
        hide();
        if (Form1)
            Form1->setEnabled(true);
    }
    ReturnToOpener(station);
    if (station == Station::Home)
        s.SelectedDbRow = Grid->CurrentGridRow();
}

void TForm4::ReturnToOpener(Station station)
{
    AppState& s = App();
    if (s.OpenedFromMain == 1 || s.OpenedFromPlanner == 1) {
        const bool fromMain = s.OpenedFromMain == 1;
        if (Form1) {
            Form1->ShowStationSummary();
            Form1->show();
        }
        if (fromMain)
            CloseWindow();
        if (Form1) {
            Form1->SelectFirstTab();
            Form1->setEnabled(true);
            Form1->Recalculate();
        }
        if (HomeDataForm)
            HomeDataForm->OptionsList->clearSelection();
    } else if (s.OpenedFromSetup == 1) {
        if (Form1)
            Form1->ShowStationSummary();
        s.SelectedDbRow = Grid->CurrentGridRow();
        if (Form1) {
            Form1->SelectFirstTab();
            if (station == Station::Home)
                Form1->show();
        }
        if (HomeDataForm)
            HomeDataForm->OptionsList->clearSelection();
        CloseWindow();
        if (HomeDataForm) {
            HomeDataForm->move(s.MainWindowLeft + 100, s.MainWindowTop + 50);
            HomeDataForm->ShowSetupWindow();
        }
    }
}

void TForm4::SaveDataBaseButtonClick()
{
    if (!SaveDatabaseFile(DatabaseCopyFileName))
        return;
    Messages().Show(MessageBoxes::Kind::Information, MessageBoxes::Buttons::Ok, QString(),
                    QStringLiteral("The User area of the Dravik Data Base File has been updated."),
                    QPoint(-1, -1));
}

void TForm4::CloseButtonClick()
{
    hide();
    FormClose(true);
}

void TForm4::CloseWindow()
{
    hide();
    FormClose(false);
}

void TForm4::closeEvent(QCloseEvent* event)
{
    event->accept();
    CloseWindow();
}

void TForm4::FormClose(bool byCloseButton)
{
    AppState& s = App();
    if (Form1)
        Form1->setEnabled(true);
    if (s.OpenedFromMain == 1) {
        if (Form1) {
            Form1->move(s.MainWindowLeft, s.MainWindowTop);
            Form1->show();
            Form1->RunSelectedSweep();
            Form1->ReturnToMain();
        }
    } else if (s.OpenedFromPlanner == 1) {
        if (Form2)
            Form2->move(s.MainWindowLeft, s.MainWindowTop);
        if (Form1)
            Form1->Recalculate();
    } else if (s.OpenedFromSetup == 1) {
        if (HomeDataForm)
            HomeDataForm->move(s.MainWindowLeft + 100, s.MainWindowTop + 50);
    } else if (byCloseButton && Form1) {
        Form1->ReturnToMain();
    }
}
