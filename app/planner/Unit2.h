#pragma once

#include <QWidget>

// The planner window: the date-range table of libration, elevation and
// spatial offset. Created hidden at start; the main window's "Planner
// Calculator" tab shows it at the main window's place.
class TForm2 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

public Q_SLOTS:
    // Shows the planner with its top-left corner at (left, top) on the screen.
    void ShowPlanner(int left, int top);

protected:
    void closeEvent(QCloseEvent* event) override;
};

extern TForm2* Form2;
