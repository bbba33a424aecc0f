#pragma once

#include <QWidget>

#include "GridModel.h"
#include "StationFields.h"

class GridTableView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The station database window: the shipped list of stations (protected) and
// the user area, a fast find, and taking a row as the home or the Dx station.
// Its grid lives as long as the window and keeps whatever was last loaded or
// edited, also while the window is hidden.
class TForm4 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    GridModel& DatabaseGrid() { return grid_; }
    // Shows the grid's data again after it was changed from outside.
    void ReloadGrid();
    // Loads `name` from the current directory into the grid when the file is
    // there; a file that cannot be read is reported and changes nothing.
    // True when the grid now holds the file.
    bool LoadDatabaseFile(const QString& name);
    // Saves the grid as `name` in the current directory; failures are reported.
    bool SaveDatabaseFile(const QString& name);
    // The grid row of the current cell (0 when none).
    int CurrentRow() const;

    GridTableView* Grid = nullptr;
    QPushButton* SelectDxButton = nullptr;
    QPushButton* SelectHomeButton = nullptr;
    QPushButton* SaveDataBaseButton = nullptr;
    QPushButton* FindButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QGroupBox* FastFindPanel = nullptr;
    QLineEdit* FastFindEdit = nullptr;

public Q_SLOTS:
    // Loads "DravikDXCC.ini" when present, clears the main window's charts and
    // shows the window; it returns to whichever window AppState's OpenedFrom*
    // flags name.
    void OpenDatabaseWindow();
    // Hides the window and returns to the window that opened it.
    void CloseWindow();

public:
    // Handlers, one per control event.
    void GridClick(int col, int row);
    void GridDblClick(int col, int row);
    void FindButtonClick();
    void FastFindEditChange(const QString& text);
    void FastFind();
    void SelectDxButtonClick();
    void SelectHomeButtonClick();
    void SaveDataBaseButtonClick();
    void CloseButtonClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SelectStation(Station station);
    void ReturnToOpener(Station station);
    void FormClose(bool byCloseButton);

    GridModel grid_;
    QString searchText_;
};

extern TForm4* Form4;
