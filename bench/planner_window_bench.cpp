// The planner's "Calculate" as the operator sees it: the table computed, put
// into the grid and painted once.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateEdit>
#include <QPushButton>

#include "AppState.h"
#include "Clock.h"
#include "PlannerStations.h"
#include "PlannerTableView.h"
#include "Unit2.h"

namespace
{

// The windows need an application; benchmark_main does not make one.
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

// range(0): days, range(1): interval in minutes, range(2): 1 for the home
// station alone with every sample kept (the largest table a range can give).
void BM_PlannerCalculate(benchmark::State& state)
{
    EnsureApplication();
    App() = AppState{};
    PlannerStations(App());
    App().PlannerIntervalMinutes = static_cast<int32_t>(state.range(1));
    const bool everySample = state.range(2) == 1;
    if (everySample)
        App().ShowStationB = 0;
    UseFixedClock(EncodeDateTime(2010, 5, 16, 9, 30), ZoneInfo{});

    TForm2 form;
    form.show();
    const QDate start(2010, 5, 16);
    form.DateTimePicker1->setDate(start);
    form.DateTimePicker2->setDate(start.addDays(state.range(0) - 1));
    for (auto _ : state) {
        // Activation clears the horizon switch, so set it for every run.
        App().PlannerBelowHorizon = everySample ? 1 : 0;
        form.Calculate->click();
        form.ProfGrid1->viewport()->repaint();
    }
    state.counters["rows"] = form.Table().currentRow;
    UseSystemClock();
}

BENCHMARK(BM_PlannerCalculate)
    ->Args({30, 1, 0})
    ->Args({7, 5, 0})
    ->Args({30, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
