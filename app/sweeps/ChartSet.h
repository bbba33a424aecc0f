#pragma once

#include <QString>
#include <array>
#include <map>
#include <optional>
#include <vector>

#include "EphemerisCalls.h"
#include "SweepTypes.h"

struct AppState;

// The seven charts of the main window, their buttons, clearing and the
// band-dependent left-axis ranges.

inline constexpr int ChartKindCount = 7;

// Left-axis extent of the signal-width charts (0 to WidthHz) and the Doppler
// chart (−DopplerHz to +DopplerHz) for each item of the band selector.
struct BandAxisRange {
    double WidthHz;
    double DopplerHz;
};
extern const std::array<BandAxisRange, 10> BandAxisRanges;

// The left-axis ranges of Chart2, Chart5, Chart7 and Chart6 for a band
// selector index; an index outside 0..9 gives no change.
std::vector<AxisSetting> SetBandAxisRanges(int bandIndex);

// What ClearCharts empties and hides.
struct ClearChartsData {
    std::vector<SeriesRef> series;
    std::vector<QString> hidden;
};
ClearChartsData ClearCharts();

// Result boxes of the Signal Width chart (Chart2) and of the time-window chart (Chart5).
const std::vector<QString>& Chart2ResultBoxes();
const std::vector<QString>& Chart5ResultBoxes();

// "UTC Hour 16/5/2010" for the calculation date.
QString UtcHourCaption(const AppState& state);

// What selecting a chart does to the buttons and charts.
struct ChartSelection {
    int kind = 0;
    int visibleChart = 0;             // the only chart left visible
    QString button;                   // the kind's button, coloured yellow
    std::map<QString, bool> yellow;   // every button and Panel186: yellow or button face
    std::vector<QString> hiddenBoxes; // result boxes of Chart2 and Chart5
    bool bandRangesApplied = false;   // kinds 5 and 6 rescale before their sweep
};

// The selection for a kind 1..7; none for any other value.
std::optional<ChartSelection> ChartSelectionFor(int kind);

struct SelectChartResult {
    ChartSelection selection;
    // Everything the charts get: the selection's hidden boxes and axis ranges
    // first, then the sweep's own changes.
    SweepResult sweep;
};

// Sets SweepKind and runs the kind's sweep. progressMaximum is the progress
// bar's maximum before the sweep (the time-window sweep keeps it). A kind
// outside 1..7 does nothing.
std::optional<SelectChartResult> SelectChart(AppState& state, int kind, int progressMaximum = 100,
                                             const EphemerisCalls& calls = RealEphemerisCalls());

// SelectChart with the stored SweepKind; any other value does nothing.
std::optional<SelectChartResult>
RunSelectedSweep(AppState& state, int progressMaximum = 100,
                 const EphemerisCalls& calls = RealEphemerisCalls());
