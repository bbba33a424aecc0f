#include "Unit2.h"

#include <QCloseEvent>

#include "AppState.h"
#include "Unit1.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Dravik Libration Planner"));
    resize(1009, 700);
    Form2 = this;
}

void TForm2::ShowPlanner(int left, int top)
{
    move(left, top);
    show();
    raise();
    activateWindow();
}

void TForm2::closeEvent(QCloseEvent* event)
{
    // Back to the main window where the planner stood.
    AppState& state = App();
    state.MainWindowTop = y();
    state.MainWindowLeft = x();
    state.OpenedFromMain = 1;
    state.TargetIsSun = 0;
    if (Form1)
        Form1->ReturnFromWindow(x(), y());
    QWidget::closeEvent(event);
}
