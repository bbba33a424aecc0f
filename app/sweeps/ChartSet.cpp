#include "ChartSet.h"

#include "AppState.h"
#include "BandTable.h"
#include "ChartSweeps.h"

const std::array<BandAxisRange, 10> BandAxisRanges = {{
    {15, 1500},
    {40, 4000},
    {70, 8000},
    {100, 10000},
    {170, 15000},
    {280, 30000},
    {700, 60000},
    {1500, 120000},
    {2500, 240000},
    {3500, 350000},
}};

std::vector<AxisSetting> SetBandAxisRanges(int bandIndex)
{
    if (bandIndex < 0 || bandIndex >= static_cast<int>(BandAxisRanges.size()))
        return {};
    const BandAxisRange& band = BandAxisRanges[bandIndex];
    std::vector<AxisSetting> axes;
    for (int chart : {2, 5, 7})
        axes.push_back({chart, ChartAxis::Left, std::nullopt, 0.0, band.WidthHz});
    axes.push_back({6, ChartAxis::Left, std::nullopt, -band.DopplerHz, band.DopplerHz});
    return axes;
}

const std::vector<QString>& Chart2ResultBoxes()
{
    static const std::vector<QString> boxes = {"Panel2",   "Panel3", "Panel9",
                                               "Panel169", "Label4", "Label125"};
    return boxes;
}

const std::vector<QString>& Chart5ResultBoxes()
{
    static const std::vector<QString> boxes = {"Panel4",   "Panel180", "Panel5",
                                               "Panel179", "Label112", "Label132"};
    return boxes;
}

ClearChartsData ClearCharts()
{
    ClearChartsData data;
    auto add = [&](int chart, int first, int last) {
        for (int i = first; i <= last; ++i)
            data.series.push_back({chart, i});
    };
    add(1, 0, 5);
    add(2, 0, 5);
    add(3, 0, 1);
    add(4, 0, 1);
    add(6, 0, 1);
    add(5, 0, 2);
    add(7, 2, 5);
    data.hidden.push_back("Panel178");
    for (const QString& box : Chart2ResultBoxes())
        data.hidden.push_back(box);
    return data;
}

QString UtcHourCaption(const AppState& state)
{
    return QStringLiteral("UTC Hour %1/%2/%3")
        .arg(state.CalcDay)
        .arg(state.CalcMonth)
        .arg(state.CalcYear);
}

namespace
{

const char* const Buttons[ChartKindCount] = {"Panel27",  "Panel167", "Panel168", "Panel172",
                                             "Panel171", "Panel170", "Panel193"};

} // namespace

std::optional<ChartSelection> ChartSelectionFor(int kind)
{
    if (kind < 1 || kind > ChartKindCount)
        return std::nullopt;
    ChartSelection s;
    s.kind = kind;
    s.visibleChart = kind;
    s.button = QString::fromLatin1(Buttons[kind - 1]);
    for (int k = 1; k <= ChartKindCount; ++k)
        s.yellow[QString::fromLatin1(Buttons[k - 1])] = k == kind;
    s.yellow["Panel186"] = kind == 5;
    s.hiddenBoxes = Chart2ResultBoxes();
    s.hiddenBoxes.insert(s.hiddenBoxes.end(), Chart5ResultBoxes().begin(),
                         Chart5ResultBoxes().end());
    s.bandRangesApplied = kind == 5 || kind == 6;
    return s;
}

std::optional<SelectChartResult> SelectChart(AppState& state, int kind, int progressMaximum,
                                             const EphemerisCalls& calls)
{
    std::optional<ChartSelection> selection = ChartSelectionFor(kind);
    if (!selection)
        return std::nullopt;
    state.SweepKind = kind;

    std::vector<AxisSetting> bandAxes;
    if (selection->bandRangesApplied)
        bandAxes = SetBandAxisRanges(BandIndexForFrequency(state.FrequencyGHz));

    SweepResult sweep;
    switch (kind) {
    case 1:
    case 2:
        sweep = SweepLibrationDay(state, calls);
        break;
    case 3:
        sweep = SweepElevationWindow(state, calls);
        break;
    case 4:
        sweep = SweepSpatialOffset(state, calls);
        break;
    case 5:
        sweep = SweepTimeWindow(state, progressMaximum, calls);
        break;
    case 6:
        sweep = SweepDoppler(state, calls);
        break;
    default:
        sweep = SweepSevenDays(state, calls);
        break;
    }

    SelectChartResult result{*selection, {}};
    result.sweep = std::move(sweep);
    for (const QString& box : selection->hiddenBoxes)
        result.sweep.shown.try_emplace(box, false);
    result.sweep.axes.insert(result.sweep.axes.begin(), bandAxes.begin(), bandAxes.end());
    return result;
}

std::optional<SelectChartResult> RunSelectedSweep(AppState& state, int progressMaximum,
                                                  const EphemerisCalls& calls)
{
    return SelectChart(state, state.SweepKind, progressMaximum, calls);
}
