#include "Unit4.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Dravik Dx Data Base  \u00a9"));
    Form4 = this;
}

void TForm4::OpenDatabaseWindow()
{
    show();
    raise();
    activateWindow();
}
