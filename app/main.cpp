// Tavrel: the moon-bounce libration calculator.

#include <QApplication>
#include <memory>

#include "QtMessageBoxesDialog.h"
#include "Unit1.h"
#include "planner/Unit2.h"
#include "stations/HomeDataScreen.h"
#include "stations/Unit4.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel"));
    QApplication::setApplicationVersion(QStringLiteral(TAVREL_VERSION));

    QtMessageBoxes boxes;
    SetMessages(&boxes);

    // The main window first: its start-up runs before the other windows exist.
    auto form1 = std::make_unique<TForm1>();
    boxes.SetOwner(form1.get());
    auto form2 = std::make_unique<TForm2>();
    auto form4 = std::make_unique<TForm4>();
    auto homeData = std::make_unique<THomeDataForm>();
    form1->show();

    const int result = QApplication::exec();
    homeData.reset();
    form4.reset();
    form2.reset();
    form1.reset();
    SetMessages(nullptr);
    return result;
}
