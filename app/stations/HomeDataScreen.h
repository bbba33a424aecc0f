#pragma once

#include <QHash>
#include <QWidget>

#include "EntryRules.h"
#include "StationFields.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SpinButton;

// The station set-up window: the home and the Dx station side by side, each
// enterable as decimal degrees, as degrees/minutes/seconds or as a grid
// square; loads and saves the set-up file and copies stations into the user
// area of the station database.
class THomeDataForm : public QWidget
{
    Q_OBJECT
public:
    explicit THomeDataForm(QWidget* parent = nullptr);
    ~THomeDataForm() override;

    // The controls of one station panel.
    struct StationPanel {
        QGroupBox* Panel = nullptr;
        QLineEdit* LatDeg = nullptr;
        QLineEdit* LatMin = nullptr;
        QLineEdit* LatSec = nullptr;
        QPushButton* LatHemisphere = nullptr;
        QLineEdit* Latitude = nullptr;
        QLineEdit* LongDeg = nullptr;
        QLineEdit* LongMin = nullptr;
        QLineEdit* LongSec = nullptr;
        QPushButton* LongHemisphere = nullptr;
        QLineEdit* Longitude = nullptr;
        QLineEdit* CallSign = nullptr;
        QLineEdit* Location = nullptr;
        QLineEdit* Utc = nullptr;
        QLineEdit* Height = nullptr;
        QLineEdit* GridSquare = nullptr;
        SpinButton* DishSpin = nullptr;
        QLabel* DishBox = nullptr;
        QLabel* BeamBox = nullptr;
        QPushButton* GetButton = nullptr;
        QPushButton* SaveButton = nullptr;
    };

    StationPanel Home;
    StationPanel Dx;
    QListWidget* OptionsList = nullptr;
    QPushButton* CloseButton = nullptr;

    // Texts of the "Options" list, in order.
    static const QStringList OptionItems;

public Q_SLOTS:
    // Shows the window, or brings it forward (and refreshes it) when shown.
    void ShowSetupWindow();
    // Writes every control from AppState.
    void RefreshSetupWindow();
    // Copy the station into the first free row of the database's user area.
    void SaveHomeToDatabase();
    void SaveDxToDatabase();

public:
    // Handlers, one per control event.
    void FormShow();
    void FormActivate();
    void FormClose();
    void NumericFieldKeyUp(Station station, NumericField field);
    void NumericFieldChange(Station station, NumericField field);
    bool NumericFieldExit(Station station, NumericField field);
    void LatHemisphereClick(Station station);
    void LongHemisphereClick(Station station);
    void HomeCallSignChange();
    void HomeLocationChange();
    void DxCallSignKeyUp();
    void DxLocationChange();
    void DxLocationKeyUp();
    void GridSquareClick(Station station);
    void GridSquareKeyUp(Station station);
    void HomeDishUpClick();
    void HomeDishDownClick();
    void DxDishUpClick();
    void DxDishDownClick();
    void GetHomeDataClick();
    void GetDxDataClick();
    void SaveHomeDataClick();
    void SaveDxDataClick();
    void SaveButtonExit();
    void OptionsListClick(int item);
    void CloseButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildPanel(StationPanel& p, Station station);
    QLineEdit* NumericEdit(Station station, NumericField field, const QString& name);
    QLineEdit* FieldEdit(Station station, NumericField field) const;
    StationPanel& PanelOf(Station station) { return station == Station::Home ? Home : Dx; }
    void SaveStationToDatabase(Station side, const QString& question);

    // Writes a numeric field; the field being typed in keeps its text while
    // that text already stands for the value.
    void WriteNumeric(Station station, NumericField field, long double value);
    long double StoredValue(Station station, NumericField field) const;
    void WriteDmsFields(Station station);
    void WriteDecimalFields(Station station);
    void RefreshStation(Station station);
    void WriteDishAndBeamBoxes();
    void LoadDatabaseIfPresent();

    void SelectDxStationOption();
    void GoToCalculatorOption();
    void AddNewStationOption();
    void DeleteEntryOption();

    QPoint MainOffset(int dx, int dy) const;
    void ReturnToMainWindow();

    struct FieldRef {
        Station station;
        NumericField field;
    };
    QHash<QObject*, FieldRef> numericFields_;
};

extern THomeDataForm* HomeDataForm;
