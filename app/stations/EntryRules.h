#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

#include "AppState.h"
#include "StationFields.h"

// The numeric entry fields of a station in the set-up window. The window only
// wires its fields to these rules.
enum class NumericField {
    LatDeg,
    LatMin,
    LatSec,
    LongDeg,
    LongMin,
    LongSec,
    DecimalLatitude,
    DecimalLongitude,
    UtcOffset,
    Height,
};

struct NumericFieldRule {
    int Decimals = 0;    // shown with this many decimals
    bool Ranged = false; // checked when the field loses the focus
    long double Low = 0; // range, when Ranged
    long double High = 0;
    int MaxLength = 0; // characters the field takes; 0 = no limit
};

NumericFieldRule RuleOf(NumericField field, Station station);

// Typed characters a numeric field lets through: backspace, ',', '-', '.'
// and the digits 0-9. Everything else is dropped before it reaches the field.
bool NumericFieldAcceptsKey(QChar key);

// The number in a field's text, thousands separators (',') ignored. An empty
// text is 0, a lone "-" is -0; a text that is no plain decimal number (as a
// pasted one may be) counts as 0.
long double NumericFieldValue(const QString& text);

// The value truncated toward zero, held within the 32-bit range.
int32_t NumericFieldInteger(const QString& text);

// The text a field shows for a value.
QString NumericFieldText(NumericField field, Station station, long double value);

// Leaving a ranged field: a value outside the range becomes the nearer bound.
// When OutOfRange the window beeps, writes Value (a change of the field) and
// keeps the focus in the field.
struct LeaveCheck {
    bool OutOfRange = false;
    long double Value = 0;
};
LeaveCheck CheckFieldOnLeave(NumericField field, Station station, const QString& text);

// What the window does after a rule has changed AppState.
enum class FieldFollowUp {
    None,
    RefreshWindow, // write the station's decimal fields and refresh the whole window
    ShowZero,      // the field is set to 0 at once (a home UTC offset out of range)
};

// Key release in a degree, minute, second or decimal field. Degrees, minutes
// and seconds: the integer value (latitude degrees above 90 as 90, longitude
// degrees from 179 as 179, minutes and seconds from 60 as 59) becomes the
// companion, the coordinate is rebuilt and the locator follows. Decimal
// fields, for both stations: the value becomes the coordinate and both
// coordinates are split into the companions. Other fields: nothing.
FieldFollowUp ReleaseNumericField(AppState& state, Station station, NumericField field,
                                  const QString& text);

// Change of the UTC offset or height field: the value is stored. A home UTC
// offset beyond ±23.5 h sets HomeUtcOffset to 0 instead. Other fields: nothing.
FieldFollowUp ChangeNumericField(AppState& state, Station station, NumericField field,
                                 const QString& text);
