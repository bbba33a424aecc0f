#include "EntryRules.h"

#include "Coordinates.h"
#include "FormatFixed.h"
#include "Locator.h"

#include <cmath>
#include <cstdlib>
#include <limits>

NumericFieldRule RuleOf(NumericField field, Station station)
{
    const bool dx = station == Station::Dx;
    switch (field) {
    case NumericField::LatDeg:
        return {0, true, 0, 90, dx ? 3 : 0};
    case NumericField::LongDeg:
        return {0, true, 0, 180, 0};
    case NumericField::LatMin:
    case NumericField::LatSec:
    case NumericField::LongMin:
    case NumericField::LongSec:
        return {0, true, 0, 59, 0};
    case NumericField::DecimalLatitude:
    case NumericField::DecimalLongitude:
        return {5, false, 0, 0, 0};
    case NumericField::UtcOffset:
        return {1, true, -23.5L, 23.5L, dx ? 5 : 0};
    case NumericField::Height:
        return dx ? NumericFieldRule{0, true, 0, 9999, 4} : NumericFieldRule{0, false, 0, 0, 0};
    }
    return {};
}

bool NumericFieldAcceptsKey(QChar key)
{
    const char16_t c = key.unicode();
    return c == u'\b' || c == u',' || c == u'-' || c == u'.' || (c >= u'0' && c <= u'9');
}

long double NumericFieldValue(const QString& text)
{
    QString t = text.trimmed();
    t.remove(u',');
    if (t.isEmpty())
        return 0;
    if (t == QLatin1String("-"))
        return -0.0L;
    // Only a plain decimal number: no exponent, hexadecimal, "inf" or "nan".
    int points = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t.at(i).unicode();
        if (c == u'-' && i == 0)
            continue;
        if (c == u'.' && ++points == 1)
            continue;
        if (c < u'0' || c > u'9')
            return 0;
    }
    const QByteArray latin = t.toLatin1();
    char* end = nullptr;
    const long double v = std::strtold(latin.constData(), &end);
    if (end == latin.constData() || !std::isfinite(v))
        return 0;
    return v;
}

int32_t NumericFieldInteger(const QString& text)
{
    const long double v = std::trunc(NumericFieldValue(text));
    constexpr auto lo = std::numeric_limits<int32_t>::min();
    constexpr auto hi = std::numeric_limits<int32_t>::max();
    if (v <= lo)
        return lo;
    if (v >= hi)
        return hi;
    return static_cast<int32_t>(v);
}

QString NumericFieldText(NumericField field, Station station, long double value)
{
    return FormatFixed(value, 18, RuleOf(field, station).Decimals);
}

LeaveCheck CheckFieldOnLeave(NumericField field, Station station, const QString& text)
{
    const NumericFieldRule rule = RuleOf(field, station);
    const long double v = NumericFieldValue(text);
    if (!rule.Ranged)
        return {false, v};
    if (v < rule.Low)
        return {true, rule.Low};
    if (v > rule.High)
        return {true, rule.High};
    return {false, v};
}

FieldFollowUp ReleaseNumericField(AppState& state, Station station, NumericField field,
                                  const QString& text)
{
    StationFields f = FieldsOf(state, station);
    const int32_t n = NumericFieldInteger(text);
    const auto upTo59 = [](int32_t v) { return v >= 60 ? 59 : v; };
    switch (field) {
    case NumericField::LatDeg:
    case NumericField::LatMin:
    case NumericField::LatSec:
        if (field == NumericField::LatDeg)
            f.LatDeg = n > 90 ? 90 : n;
        else if (field == NumericField::LatMin)
            f.LatMin = upTo59(n);
        else
            f.LatSec = upTo59(n);
        DmsToLatitude(state, station);
        PositionToLocator(state, station);
        return FieldFollowUp::RefreshWindow;
    case NumericField::LongDeg:
    case NumericField::LongMin:
    case NumericField::LongSec:
        if (field == NumericField::LongDeg)
            f.LongDeg = n >= 179 ? 179 : n;
        else if (field == NumericField::LongMin)
            f.LongMin = upTo59(n);
        else
            f.LongSec = upTo59(n);
        DmsToLongitude(state, station);
        PositionToLocator(state, station);
        return FieldFollowUp::RefreshWindow;
    case NumericField::DecimalLatitude:
    case NumericField::DecimalLongitude:
        (field == NumericField::DecimalLatitude ? f.Latitude : f.Longitude) =
            NumericFieldValue(text);
        SplitStationToDms(state, station);
        return FieldFollowUp::RefreshWindow;
    case NumericField::UtcOffset:
    case NumericField::Height:
        break;
    }
    return FieldFollowUp::None;
}

FieldFollowUp ChangeNumericField(AppState& state, Station station, NumericField field,
                                 const QString& text)
{
    StationFields f = FieldsOf(state, station);
    const long double v = NumericFieldValue(text);
    if (field == NumericField::UtcOffset) {
        if (station == Station::Home && (v > 23.5L || v < -23.5L)) {
            f.UtcOffset = 0;
            return FieldFollowUp::ShowZero;
        }
        f.UtcOffset = v;
    } else if (field == NumericField::Height) {
        f.HeightM = v;
    }
    return FieldFollowUp::None;
}
