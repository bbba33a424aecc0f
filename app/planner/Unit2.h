#pragma once

#include <QDate>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "PlannerTable.h"

class ClickablePanel;
class PlannerTableView;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPrinter;
class QPushButton;
class QWindow;
class SpinButton;

// The planner window: the date-range table of the Moon's position, Doppler,
// signal widths and spatial offset for the home and the Dx station. Created
// hidden at start; the main window's "Planner Calculator" tab shows it.
class TForm2 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    // The table the grid shows.
    const PlannerTable& Table() const { return table_; }

    // The print dialog; replaced in tests, which print to a PDF file instead.
    std::function<bool(QPrinter&)> PrintDialogHook;
    // Asks for the file the table is exported to, starting in `directory`;
    // an empty name cancels. Replaced in tests.
    std::function<QString(const QString& directory)> ExportFileHook;

public Q_SLOTS:
    // Shows the planner with its top-left corner at (left, top) on the screen.
    void ShowPlanner(int left, int top);

public:
    // Handlers, one per control event.
    void FormActivate();
    void FormClose();
    void CalculateClick();
    void DateTimePicker1Click();
    void DateTimePicker2Click();
    void SpinButton4UpClick();
    void SpinButton4DownClick();
    void SpinButton3UpClick();
    void SpinButton3DownClick();
    void SpinButton5UpClick();
    void SpinButton5DownClick();
    void SpinButton2UpClick();
    void SpinButton2DownClick();
    void SpinButton6UpClick();
    void SpinButton6DownClick();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void Panel401DblClick();
    void Panel9DblClick();
    void Panel403DblClick();
    void Panel11DblClick();
    void Panel7Click();
    void ColorButton1Click();
    void ColorButton2Click();
    void SaveHomeDataClick();
    void BitBtn3Click();
    void ExportButtonClick();
    void CloseButtonClick();

    // Controls, named as the window names them.
    QGroupBox* Panel1 = nullptr;
    QLabel* Panel101 = nullptr;
    QLabel* Panel102 = nullptr;
    QLabel* Panel8 = nullptr;
    QGroupBox* Panel2 = nullptr;
    QLabel* Panel201 = nullptr;
    QLabel* Panel202 = nullptr;
    QLabel* Panel203 = nullptr;
    QPushButton* ColorButton1 = nullptr;
    QPushButton* ColorButton2 = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    QDateEdit* DateTimePicker2 = nullptr;
    QLabel* Panel501 = nullptr;
    SpinButton* SpinButton4 = nullptr;
    QPushButton* Calculate = nullptr;
    ClickablePanel* Panel7 = nullptr;
    ClickablePanel* Panel401 = nullptr;
    QLabel* Panel402 = nullptr;
    SpinButton* SpinButton3 = nullptr;
    ClickablePanel* Panel9 = nullptr;
    QLabel* Panel10 = nullptr;
    SpinButton* SpinButton5 = nullptr;
    ClickablePanel* Panel403 = nullptr;
    QLabel* Panel404 = nullptr;
    SpinButton* SpinButton2 = nullptr;
    ClickablePanel* Panel11 = nullptr;
    QLabel* Panel12 = nullptr;
    SpinButton* SpinButton6 = nullptr;
    QLabel* Panel405 = nullptr;
    QLabel* Panel406 = nullptr;
    SpinButton* SpinButton1 = nullptr;
    QPushButton* SaveHomeData = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* ExportButton = nullptr;
    QPushButton* CloseButton = nullptr;
    PlannerTableView* ProfGrid1 = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void ConnectControls();
    void PlaceWindow();
    void WriteDxPanels();
    void ShowHorizonSwitch(const QString& caption, const QColor& colour);
    void FocusWindowChanged(QWindow* window);
    void ShowError(const QString& text);

    PlannerTable table_;
    // The dates the pickers last settled on.
    QDate startDate_;
    QDate endDate_;
    // Whether the window that had the focus before this one is one of the
    // program's own windows (not a dialog, not another program): only a
    // return from those counts as an activation of the planner.
    bool previousFocusOwnWindow_ = false;
};

extern TForm2* Form2;
