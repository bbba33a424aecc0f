#include "HomeDataScreen.h"

THomeDataForm* HomeDataForm = nullptr;

THomeDataForm::THomeDataForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Home Data Set Up"));
    HomeDataForm = this;
}

void THomeDataForm::ShowSetupWindow()
{
    show();
    raise();
    activateWindow();
}
