#include "Locator.h"

#include "Coordinates.h"

#include "../components/QStringPrinter.h"
#include <QRegularExpression>

#include <gtest/gtest.h>
#include <limits>

namespace
{

void SetCompanions(AppState& s, Station st, int32_t latDeg, int32_t latMin, int32_t latSec,
                   const char* latLetter, int32_t longDeg, int32_t longMin, int32_t longSec,
                   const char* longLetter)
{
    StationFields f = FieldsOf(s, st);
    f.LatDeg = latDeg;
    f.LatMin = latMin;
    f.LatSec = latSec;
    f.LatHemisphere = latLetter;
    f.LongDeg = longDeg;
    f.LongMin = longMin;
    f.LongSec = longSec;
    f.LongHemisphere = longLetter;
}

TEST(LocatorToPosition, AValidLocatorMovesTheStationToTheCentreOfItsSubsquare)
{
    struct Case {
        Station station;
        const char* typed;
        const char* stored;
        long double latitude, longitude;
        int32_t latDms[3], longDms[3];
        const char* latLetter;
        const char* longLetter;
    } cases[] = {
        {Station::Home,
         "qf22LE",
         "QF22le",
         -37.8125L,
         144 + 57.0L / 60 + 30.0L / 3600,
         {37, 48, 45},
         {144, 57, 30},
         "S",
         "E"},
        {Station::Dx, "JJ00aa", "JJ00aa", 1.0L / 48, 1.0L / 24, {0, 1, 15}, {0, 2, 30}, "N", "E"},
        {Station::Home,
         "AR00aa",
         "AR00aa",
         80 + 1.0L / 48,
         -(180 - 1.0L / 24),
         {80, 1, 15},
         {179, 57, 30},
         "N",
         "W"},
        {Station::Dx,
         "RR99xx",
         "RR99xx",
         90 - 1.0L / 48,
         180 - 1.0L / 24,
         {89, 58, 45},
         {179, 57, 30},
         "N",
         "E"},
        {Station::Home,
         "io91WM99",
         "IO91wm",
         51 + 31.0L / 60 + 15.0L / 3600,
         -0.125L,
         {51, 31, 15},
         {0, 7, 30},
         "N",
         "W"},
    };
    for (const Case& c : cases) {
        AppState s;
        StationFields f = FieldsOf(s, c.station);
        f.CallSign = "VK3ABC";
        f.Location = "Melbourne";
        EXPECT_EQ(LocatorToPosition(s, c.station, c.typed), LocatorEntry::PositionSet) << c.typed;
        EXPECT_EQ(f.ShownLocator, c.stored);
        EXPECT_NEAR(static_cast<double>(f.Latitude), static_cast<double>(c.latitude), 1e-12)
            << c.typed;
        EXPECT_NEAR(static_cast<double>(f.Longitude), static_cast<double>(c.longitude), 1e-12)
            << c.typed;
        EXPECT_EQ(f.LatDeg, c.latDms[0]);
        EXPECT_EQ(f.LatMin, c.latDms[1]);
        EXPECT_EQ(f.LatSec, c.latDms[2]);
        EXPECT_EQ(f.LongDeg, c.longDms[0]);
        EXPECT_EQ(f.LongMin, c.longDms[1]);
        EXPECT_EQ(f.LongSec, c.longDms[2]);
        EXPECT_EQ(f.LatHemisphere, c.latLetter);
        EXPECT_EQ(f.LongHemisphere, c.longLetter);
        EXPECT_TRUE(f.CallSign.isEmpty());
        EXPECT_TRUE(f.Location.isEmpty());
        // Only the home station's entry becomes HomeGridSquare.
        EXPECT_EQ(s.HomeGridSquare, c.station == Station::Home ? c.stored : "");
    }
}

TEST(LocatorToPosition, ShortOrInvalidEntriesChangeOnlyTheStoredText)
{
    struct Case {
        const char* typed;
        LocatorEntry result;
    } cases[] = {
        {"QF2", LocatorEntry::TextOnly},   {"QF22", LocatorEntry::TextOnly},
        {"QF22l", LocatorEntry::TextOnly}, {"", LocatorEntry::TextOnly},
        {"SA00aa", LocatorEntry::Invalid}, {"AS00aa", LocatorEntry::Invalid},
        {"QF22ly", LocatorEntry::Invalid}, {"QFA2le", LocatorEntry::Invalid},
        {"QF22l1", LocatorEntry::Invalid}, {"ÄF22le", LocatorEntry::Invalid},
    };
    for (const Case& c : cases) {
        AppState s;
        s.HomeLatitude = 51.5L;
        s.HomeLongitude = -0.125L;
        s.HomeCallSign = "G4XYZ";
        s.HomeLocation = "London";
        SetCompanions(s, Station::Home, 51, 30, 0, "N", 0, 7, 30, "W");
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_EQ(LocatorToPosition(s, Station::Home, typed), c.result) << c.typed;
        EXPECT_EQ(s.GridSquareWork, typed);
        EXPECT_EQ(s.HomeGridSquare, typed);
        EXPECT_EQ(s.HomeLatitude, 51.5L);
        EXPECT_EQ(s.HomeLongitude, -0.125L);
        EXPECT_EQ(s.HomeLatDeg, 51);
        EXPECT_EQ(s.HomeLongSec, 30);
        EXPECT_EQ(s.HomeCallSign, "G4XYZ");
        EXPECT_EQ(s.HomeLocation, "London");
    }
}

TEST(LocatorToPosition, KeepsTheCentreOfTheLastValidLocator)
{
    AppState s;
    LocatorToPosition(s, Station::Dx, "QF22le");
    EXPECT_EQ(s.DxLocatorLatDeg, 37);
    EXPECT_EQ(s.DxLocatorLatMin, 48);
    EXPECT_NEAR(static_cast<double>(s.DxLocatorLatSec), 45, 1e-9);
    EXPECT_EQ(s.DxLocatorLongDeg, 144);
    EXPECT_EQ(s.DxLocatorLongMin, 57);
    EXPECT_NEAR(static_cast<double>(s.DxLocatorLongSec), 30, 1e-9);
    LocatorToPosition(s, Station::Dx, "SA00aa");
    EXPECT_EQ(s.DxLocatorLatDeg, 37);
    EXPECT_EQ(s.HomeLocatorLatDeg, 0);
}

TEST(PositionToLocator, WorksFromTheCompanionsWithTieBreaksAtZero)
{
    struct Case {
        Station station;
        int32_t lat[3];
        const char* latLetter;
        int32_t lon[3];
        const char* longLetter;
        const char* locator;
    } cases[] = {
        {Station::Home, {37, 48, 45}, "S", {144, 57, 30}, "E", "QF22le"},
        {Station::Dx, {37, 48, 45}, "S", {144, 57, 30}, "E", "QF22le"},
        {Station::Home, {0, 0, 0}, "N", {0, 0, 0}, "W", "IJ90xa"},
        {Station::Dx, {0, 0, 0}, "N", {0, 0, 0}, "W", "IJ90xa"},
        {Station::Dx, {0, 0, 0}, "S", {0, 0, 0}, "E", "IJ90xa"}, // letters cannot sign a zero
        {Station::Home, {0, 1, 15}, "N", {0, 2, 30}, "E", "JJ00aa"},
        {Station::Home, {51, 30, 0}, "N", {0, 7, 30}, "W", "IO91wm"},
        {Station::Home, {0, 0, 0}, "N", {180, 0, 0}, "E", "AJ00aa"},
        {Station::Home, {0, 0, 0}, "N", {180, 0, 0}, "W", "AJ00aa"},
        {Station::Home, {89, 59, 59}, "S", {179, 59, 59}, "W", "AA00aa"},
    };
    for (const Case& c : cases) {
        AppState s;
        SetCompanions(s, c.station, c.lat[0], c.lat[1], c.lat[2], c.latLetter, c.lon[0], c.lon[1],
                      c.lon[2], c.longLetter);
        EXPECT_EQ(PositionToLocator(s, c.station), c.locator) << c.locator;
        EXPECT_EQ(FieldsOf(s, c.station).ShownLocator, c.locator);
    }
}

TEST(PositionToLocator, PositionsOffTheGlobeStillGiveALocatorOfItsAlphabet)
{
    const QRegularExpression shape("^[A-R]{2}[0-9]{2}[a-x]{2}$");
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    struct Case {
        int32_t lat[3];
        const char* latLetter;
        int32_t lon[3];
        const char* longLetter;
    } cases[] = {
        {{90, 0, 0}, "N", {0, 0, 0}, "E"}, // the north pole is a real place
        {{90, 0, 0}, "S", {0, 0, 0}, "E"},
        {{95, 0, 0}, "N", {400, 0, 0}, "E"},
        {{big, big, big}, "S", {big, big, big}, "W"},
        {{-5, 0, 0}, "N", {-200, 0, 0}, "W"},
        {{0, 0, 0}, "", {720, 0, 0}, ""},
    };
    for (const Case& c : cases) {
        AppState s;
        SetCompanions(s, Station::Home, c.lat[0], c.lat[1], c.lat[2], c.latLetter, c.lon[0],
                      c.lon[1], c.lon[2], c.longLetter);
        const QString locator = PositionToLocator(s, Station::Home);
        EXPECT_TRUE(shape.match(locator).hasMatch()) << locator.toStdString();
    }
}

// The centre that a locator gives leads back to the same locator, directly
// and after the window has re-split the decimal position: every subsquare of
// the corner and middle fields, and the corner subsquares of every field.
void ExpectRoundTrip(AppState& s, const QString& locator)
{
    for (const Station st : {Station::Home, Station::Dx}) {
        ASSERT_EQ(LocatorToPosition(s, st, locator), LocatorEntry::PositionSet);
        ASSERT_EQ(PositionToLocator(s, st), locator);
        ShowHemispheres(s, st);
        SplitStationToDms(s, st);
        ASSERT_EQ(PositionToLocator(s, st), locator);
    }
}

TEST(LocatorRoundTrip, SubsquareCentresComeBack)
{
    AppState s; // reused: every round sets all the fields it reads
    const QString fields = QStringLiteral("AIJR");
    for (const QChar f1 : fields)
        for (const QChar f2 : fields)
            for (const char d : {'0', '9'})
                for (char s1 = 'a'; s1 <= 'x'; ++s1)
                    for (char s2 = 'a'; s2 <= 'x'; ++s2) {
                        const char rest[] = {d, d, s1, s2, 0};
                        ExpectRoundTrip(s, QString(f1) + f2 + QString::fromLatin1(rest));
                        if (HasFatalFailure())
                            return;
                    }
    for (char f1 = 'A'; f1 <= 'R'; ++f1)
        for (char f2 = 'A'; f2 <= 'R'; ++f2)
            for (const char d : {'0', '5', '9'})
                for (const char s1 : {'a', 'x'})
                    for (const char s2 : {'a', 'x'}) {
                        const char text[] = {f1, f2, d, d, s1, s2, 0};
                        ExpectRoundTrip(s, QString::fromLatin1(text));
                        if (HasFatalFailure())
                            return;
                    }
}

} // namespace
