// The main window as the operator sees it: starting the program up to the
// shown window, and a band change until the two-station libration chart is
// redrawn and the window's figures are recomputed.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "AppState.h"
#include "Clock.h"
#include "MessageBoxes.h"
#include "SetupRecord.h"
#include "Unit1.h"

namespace
{

void EnsureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tavrel_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// A scratch program folder with a set-up file for two stations on 1.3 GHz.
class ProgramFolder
{
public:
    ProgramFolder() : previous_(QDir::currentPath())
    {
        QDir::setCurrent(dir_.path());
        AppState s;
        s.HomeCallSign = QStringLiteral("N0CALL");
        s.HomeLatitude = 42.36L;
        s.HomeLongitude = -71.06L;
        s.HomeHeightM = 20;
        s.HomeDishCm = 300;
        s.DxCallSign = QStringLiteral("DX1TST");
        s.DxLatitude = 53.08L;
        s.DxLongitude = 8.8L;
        s.DxHeightM = 10;
        s.DxDishCm = 250;
        s.FrequencyGHz = 1.3L;
        s.StartHour = 6;
        s.EndHour = 14;
        s.SweepKind = 1;
        SetupRecord record{};
        FillSetupRecord(s, record);
        QFile f(QStringLiteral("Tavrel.DAT"));
        if (f.open(QIODevice::WriteOnly))
            f.write(reinterpret_cast<const char*>(record.data()), qint64(record.size()));
    }
    ~ProgramFolder() { QDir::setCurrent(previous_); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

void BM_StartUpToShownMainWindow(benchmark::State& state)
{
    EnsureApplication();
    ProgramFolder folder;
    ScopedScriptedMessages messages;
    UseFixedClock(EncodeDateTime(2026, 3, 28, 21, 15, 30), ZoneInfo{});
    for (auto _ : state) {
        App() = AppState{};
        auto* form = new TForm1();
        form->show();
        QApplication::processEvents();
        form->repaint();
        state.PauseTiming();
        delete form;
        state.ResumeTiming();
    }
    UseSystemClock();
}
BENCHMARK(BM_StartUpToShownMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BandChangeToRedrawnLibrationChart(benchmark::State& state)
{
    EnsureApplication();
    ProgramFolder folder;
    ScopedScriptedMessages messages;
    UseFixedClock(EncodeDateTime(2026, 3, 28, 21, 15, 30), ZoneInfo{});
    App() = AppState{};
    TForm1 form;
    form.show();
    QApplication::processEvents();
    int band = 1;
    for (auto _ : state) {
        band = band == 1 ? 5 : 1; // 1.3 GHz and 10.4 GHz in turn
        form.RadioGroup1Click(band);
        form.repaint();
    }
    UseSystemClock();
}
BENCHMARK(BM_BandChangeToRedrawnLibrationChart)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
