#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// What a chart sweep hands back to the main window: every point of every chart
// series it fills, the texts of the boxes and labels it writes, which of them
// end shown, the axis captions and ranges, and the progress bar. The window
// writes these into its controls once, then runs Recalculate.

enum class PointColour : uint8_t { Red, Blue, Green };

// One plotted point. The x value is the sample minute in hours (minute / 60).
struct ChartPoint {
    int minute = 0;
    double value = 0;
    PointColour colour = PointColour::Red;
    double Hours() const { return minute / 60.0; }
};

// A series addressed as the charts address them: chart 1..7, index in its list.
struct SeriesRef {
    int chart = 0;
    int series = 0;
    auto operator<=>(const SeriesRef&) const = default;
};

enum class ChartAxis : uint8_t { Bottom, Left };

// One change of a chart axis; unset members stay as they were.
struct AxisSetting {
    int chart = 0;
    ChartAxis axis = ChartAxis::Bottom;
    std::optional<QString> caption;
    std::optional<double> minimum;
    std::optional<double> maximum;
};

struct ProgressState {
    int maximum = 100;
    int position = 0;
};

struct SweepResult {
    // Series emptied before plotting (ClearCharts).
    std::vector<SeriesRef> clearedSeries;
    // Points by series, in plotting order.
    std::map<SeriesRef, std::vector<ChartPoint>> points;
    // Texts written, by component name ("Label111", "Panel196" …).
    std::map<QString, QString> texts;
    // Final visibility of every box and label the sweep touched, including
    // "Label146" and "Panel178".
    std::map<QString, bool> shown;
    // Axis changes in the order they were made.
    std::vector<AxisSetting> axes;
    ProgressState progress;
    // Evaluations made: library DataToDLL calls and runs of the own ephemeris.
    long libraryCalls = 0;
    long ephemerisRuns = 0;

    const std::vector<ChartPoint>& Points(int chart, int series) const;
    QString Text(const QString& name) const;
    bool IsShown(const QString& name) const;
    // The axis after every change of this sweep, merged in order.
    AxisSetting FinalAxis(int chart, ChartAxis axis) const;
};
