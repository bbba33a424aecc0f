// Renders the windows offscreen for a sample pair of stations into PNG files:
// the main window once with each chart and once with the ephemeris panels,
// then the station list, the set-up window and a planner run.
//
//   tavrel-screenshots [output folder]   (default: docs/screenshots)

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "AppState.h"
#include "Clock.h"
#include "HomeDataScreen.h"
#include "MessageBoxes.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"

namespace
{

void SampleStations(AppState& s)
{
    s.HomeCallSign = QStringLiteral("N0CALL");
    s.HomeLocation = QStringLiteral("Boston");
    s.HomeGridSquare = QStringLiteral("FN42li");
    s.HomeLatitude = 42.36L;
    s.HomeLongitude = -71.06L;
    s.HomeHeightM = 20;
    s.HomeUtcOffset = -5;
    s.DxCallSign = QStringLiteral("DX1TST");
    s.DxLocation = QStringLiteral("Bremen");
    s.DxGridSquare = QStringLiteral("JO43jb");
    s.DxLatitude = 53.08L;
    s.DxLongitude = 8.80L;
    s.DxHeightM = 10;
    s.DxUtcOffset = 1;
    s.StartHour = 6;
    s.EndHour = 14;
    s.PlannerIntervalMinutes = 10;
    s.PlannerMaxHomeElevation = 90;
    s.PlannerMaxDxElevation = 90;
    s.PlannerSpatialLimit = 90;
    s.PlannerDecimals = 2;
}

bool Save(QWidget& form, const QDir& out, const QString& name)
{
    QApplication::processEvents();
    const QString path = out.filePath(name);
    if (!form.grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir out(QDir::current().absoluteFilePath(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                                             : QStringLiteral("docs/screenshots")));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    // A scratch folder keeps the program's settings and set-up files out of the tree.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path()))
        return 1;
    ScopedScriptedMessages messages;
    UseFixedClock(EncodeDateTime(2026, 3, 28, 21, 15, 30), ZoneInfo{});

    SampleStations(App());
    TForm1 form;
    SampleStations(App());
    form.ShowStationSummary();
    form.show();
    form.RadioGroup1Click(5); // 10.4 GHz
    form.Timer1Timer();

    bool ok = true;
    const char* names[] = {"",        "libration-rate", "signal-width", "elevation",
                           "spatial", "time-window",    "doppler",      "seven-days"};
    for (int kind = 1; kind <= 7; ++kind) {
        form.SelectChart(kind);
        ok = Save(form, out,
                  QStringLiteral("chart%1-%2.png").arg(kind).arg(QLatin1String(names[kind]))) &&
             ok;
    }
    form.SelectChart(2);
    form.TabControl1Click(5);
    form.EphemerisButtonClick(3); // Moon
    ok = Save(form, out, QStringLiteral("ephemeris-moon.png")) && ok;
    form.EphemerisButtonClick(4); // selenographic coordinates
    ok = Save(form, out, QStringLiteral("ephemeris-selenographic.png")) && ok;
    form.EphemerisButtonClick(8);

    // The other windows, made in the program's order, each opened from its tab.
    if (!QFile::copy(QStringLiteral(TAVREL_SOURCE_DIR "/data/DravikDXCC.ini"),
                     QStringLiteral("DravikDXCC.ini"))) {
        std::fprintf(stderr, "cannot copy the shipped station list\n");
        return 1;
    }
    TForm2 planner;
    TForm4 database;
    THomeDataForm setup;

    form.TabControl1Click(2);
    database.FastFindEdit->setText(QStringLiteral("Netherlands"));
    database.FastFind();
    ok = Save(database, out, QStringLiteral("database-window.png")) && ok;
    database.hide();

    form.TabControl1Click(3);
    ok = Save(setup, out, QStringLiteral("setup-window.png")) && ok;
    setup.hide();

    form.TabControl1Click(1);
    QApplication::processEvents(); // the planner's activation clears its table
    const QDate day(2026, 3, 28);
    planner.DateTimePicker1->setDate(day);
    planner.DateTimePicker2->setDate(day);
    planner.Calculate->click();
    ok = Save(planner, out, QStringLiteral("planner-window.png")) && ok;
    return ok ? 0 : 1;
}
