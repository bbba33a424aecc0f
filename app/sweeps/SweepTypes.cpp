#include "SweepTypes.h"

const std::vector<ChartPoint>& SweepResult::Points(int chart, int series) const
{
    static const std::vector<ChartPoint> none;
    const auto it = points.find(SeriesRef{chart, series});
    return it == points.end() ? none : it->second;
}

QString SweepResult::Text(const QString& name) const
{
    const auto it = texts.find(name);
    return it == texts.end() ? QString() : it->second;
}

bool SweepResult::IsShown(const QString& name) const
{
    const auto it = shown.find(name);
    return it != shown.end() && it->second;
}

AxisSetting SweepResult::FinalAxis(int chart, ChartAxis axis) const
{
    AxisSetting merged;
    merged.chart = chart;
    merged.axis = axis;
    for (const AxisSetting& a : axes) {
        if (a.chart != chart || a.axis != axis)
            continue;
        if (a.caption)
            merged.caption = a.caption;
        if (a.minimum)
            merged.minimum = a.minimum;
        if (a.maximum)
            merged.maximum = a.maximum;
    }
    return merged;
}
