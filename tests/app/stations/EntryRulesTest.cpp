#include "EntryRules.h"

#include "../components/QStringPrinter.h"
#include <cmath>

#include <gtest/gtest.h>
#include <limits>

namespace
{

using NF = NumericField;

TEST(EntryRules, OnlyDigitsSignsPointsAndBackspacePass)
{
    for (const QChar c : QStringLiteral("0123456789,-.\b"))
        EXPECT_TRUE(NumericFieldAcceptsKey(c)) << int(c.unicode());
    for (const QChar c : QStringLiteral("aeE +x/ \t") + QChar(0x0663) + QChar(0xFF11))
        EXPECT_FALSE(NumericFieldAcceptsKey(c)) << int(c.unicode());
}

TEST(EntryRules, FieldValues)
{
    struct Case {
        const char* text;
        long double value;
        int32_t integer;
    } cases[] = {
        {"", 0, 0},
        {"12.5", 12.5L, 12},
        {"-3.9", -3.9L, -3},        // truncated toward zero
        {"1,234.5", 1234.5L, 1234}, // thousands separators ignored
        {" 75 ", 75, 75},
        {"-.5", -0.5L, 0},
        {".", 0, 0},
        {"1.2.3", 0, 0}, // not a number at all
        {"1-2", 0, 0},
        {"--1", 0, 0},
        {"1e5", 0, 0},
        {"inf", 0, 0},
        {"nan", 0, 0},
        {"0x10", 0, 0},
        {"99999999999", 99999999999.0L, std::numeric_limits<int32_t>::max()},
        {"-99999999999", -99999999999.0L, std::numeric_limits<int32_t>::min()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumericFieldValue(c.text), c.value) << c.text;
        EXPECT_EQ(NumericFieldInteger(c.text), c.integer) << c.text;
    }
    EXPECT_TRUE(std::signbit(NumericFieldValue("-"))); // a lone minus is -0
    EXPECT_EQ(NumericFieldValue("-"), 0);
}

TEST(EntryRules, LeavingARangedFieldClampsToTheNearerBound)
{
    struct Case {
        NF field;
        Station station;
        const char* text;
        bool outOfRange;
        long double value;
    } cases[] = {
        {NF::LatDeg, Station::Home, "95", true, 90},
        {NF::LatDeg, Station::Dx, "-5", true, 0}, // a typed minus is raised to 0
        {NF::LatDeg, Station::Home, "90", false, 90},
        {NF::LongDeg, Station::Home, "185", true, 180},
        {NF::LongSec, Station::Dx, "60", true, 59},
        {NF::UtcOffset, Station::Dx, "24", true, 23.5L},
        {NF::UtcOffset, Station::Dx, "-23.6", true, -23.5L},
        {NF::UtcOffset, Station::Home, "9.5", false, 9.5L},
        {NF::Height, Station::Dx, "10000", true, 9999},
        {NF::Height, Station::Dx, "-1", true, 0},
        {NF::Height, Station::Home, "10000", false, 10000}, // the home height has no range
        {NF::DecimalLatitude, Station::Dx, "-123.5", false, -123.5L},
    };
    for (const Case& c : cases) {
        const LeaveCheck check = CheckFieldOnLeave(c.field, c.station, c.text);
        EXPECT_EQ(check.OutOfRange, c.outOfRange) << c.text;
        EXPECT_EQ(check.Value, c.value) << c.text;
    }
}

TEST(EntryRules, FieldsShowTheirDecimalsAndLengths)
{
    EXPECT_EQ(NumericFieldText(NF::UtcOffset, Station::Home, 9.75L), "9.8");
    EXPECT_EQ(NumericFieldText(NF::Height, Station::Dx, 123.5L), "124");
    EXPECT_EQ(NumericFieldText(NF::DecimalLatitude, Station::Dx, -37.8125L), "-37.81250");
    EXPECT_EQ(NumericFieldText(NF::LatDeg, Station::Home, 37), "37");
    EXPECT_EQ(RuleOf(NF::LatDeg, Station::Dx).MaxLength, 3);
    EXPECT_EQ(RuleOf(NF::UtcOffset, Station::Dx).MaxLength, 5);
    EXPECT_EQ(RuleOf(NF::Height, Station::Dx).MaxLength, 4);
    EXPECT_EQ(RuleOf(NF::LatDeg, Station::Home).MaxLength, 0);
}

TEST(EntryRules, ReleasingADegreeFieldSetsTheCompanionCoordinateAndLocator)
{
    struct Case {
        NF field;
        const char* text;
        int32_t AppState::*companion;
        int32_t expected;
    } cases[] = {
        {NF::LatDeg, "75", &AppState::DxLatDeg, 75},
        {NF::LatDeg, "95", &AppState::DxLatDeg, 90},
        {NF::LatDeg, "-5", &AppState::DxLatDeg, -5}, // raised only when the field is left
        {NF::LatMin, "60", &AppState::DxLatMin, 59},
        {NF::LatSec, "75", &AppState::DxLatSec, 59},
        {NF::LongDeg, "185", &AppState::DxLongDeg, 179},
        {NF::LongDeg, "180", &AppState::DxLongDeg, 179},
        {NF::LongDeg, "178", &AppState::DxLongDeg, 178},
        {NF::LongMin, "59", &AppState::DxLongMin, 59},
        {NF::LongSec, "99", &AppState::DxLongSec, 59},
    };
    for (const Case& c : cases) {
        AppState s;
        s.DxLatHemisphere = "S";
        s.DxLongHemisphere = "W";
        EXPECT_EQ(ReleaseNumericField(s, Station::Dx, c.field, c.text),
                  FieldFollowUp::RefreshWindow);
        EXPECT_EQ(s.*c.companion, c.expected) << c.text;
        const bool lat = c.field == NF::LatDeg || c.field == NF::LatMin || c.field == NF::LatSec;
        const long double expected = std::fabs(
            c.field == NF::LatDeg || c.field == NF::LongDeg
                ? c.expected
                : c.expected / (c.field == NF::LatMin || c.field == NF::LongMin ? 60.0L : 3600.0L));
        EXPECT_NEAR(static_cast<double>(lat ? s.DxLatitude : s.DxLongitude),
                    -static_cast<double>(expected), 1e-12)
            << c.text;
        EXPECT_EQ(s.DxGridSquare.size(), 6);
        EXPECT_TRUE(s.GridSquareWork.isEmpty());
    }
}

TEST(EntryRules, ReleasingADecimalFieldSetsTheCoordinateForEitherStation)
{
    for (const Station st : {Station::Home, Station::Dx}) {
        AppState s;
        EXPECT_EQ(ReleaseNumericField(s, st, NF::DecimalLatitude, "-37.8125"),
                  FieldFollowUp::RefreshWindow);
        EXPECT_EQ(ReleaseNumericField(s, st, NF::DecimalLongitude, "144.95833"),
                  FieldFollowUp::RefreshWindow);
        const StationFields f = FieldsOf(s, st);
        EXPECT_EQ(f.Latitude, -37.8125L);
        EXPECT_EQ(f.Longitude, 144.95833L);
        EXPECT_EQ(f.LatDeg, 37);
        EXPECT_EQ(f.LatMin, 48);
        EXPECT_EQ(f.LatSec, 45);
        EXPECT_EQ(f.LongDeg, 144);
        EXPECT_EQ(f.LongMin, 57);
        EXPECT_EQ(f.LongSec, 30);
    }
}

TEST(EntryRules, UtcAndHeightChangesAreStored)
{
    struct Case {
        Station station;
        NF field;
        const char* text;
        FieldFollowUp followUp;
        long double stored;
    } cases[] = {
        {Station::Home, NF::UtcOffset, "9.5", FieldFollowUp::None, 9.5L},
        {Station::Home, NF::UtcOffset, "24", FieldFollowUp::ShowZero, 0},
        {Station::Home, NF::UtcOffset, "-23.6", FieldFollowUp::ShowZero, 0},
        {Station::Home, NF::UtcOffset, "-23.5", FieldFollowUp::None, -23.5L},
        {Station::Dx, NF::UtcOffset, "24", FieldFollowUp::None, 24}, // clamped when left
        {Station::Dx, NF::Height, "1234", FieldFollowUp::None, 1234},
        {Station::Home, NF::Height, "-12", FieldFollowUp::None, -12},
    };
    for (const Case& c : cases) {
        AppState s;
        s.HomeUtcOffset = s.DxUtcOffset = 7;
        s.HomeHeightM = s.DxHeightM = 7;
        EXPECT_EQ(ChangeNumericField(s, c.station, c.field, c.text), c.followUp) << c.text;
        const StationFields f = FieldsOf(s, c.station);
        EXPECT_EQ(c.field == NF::UtcOffset ? f.UtcOffset : f.HeightM, c.stored) << c.text;
    }
    // Key releases in these fields and changes in the others do nothing.
    AppState s;
    EXPECT_EQ(ReleaseNumericField(s, Station::Home, NF::UtcOffset, "5"), FieldFollowUp::None);
    EXPECT_EQ(ChangeNumericField(s, Station::Home, NF::LatDeg, "5"), FieldFollowUp::None);
    EXPECT_EQ(s.HomeUtcOffset, 0);
    EXPECT_EQ(s.HomeLatDeg, 0);
}

} // namespace
