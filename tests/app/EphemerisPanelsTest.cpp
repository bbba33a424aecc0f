#include "EphemerisPanels.h"
#include "AppState.h"
#include "OwnEphemeris.h"
#include "OwnEphemerisFixture.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace
{

const EphemerisRow* FindRow(const EphemerisPanel& panel, const QString& caption)
{
    for (const EphemerisRow& row : panel.Rows)
        if (row.Caption == caption)
            return &row;
    return nullptr;
}

const EphemerisPanel& PanelOf(const EphemerisPanelSet& set, EphemerisPanelId id)
{
    return set[static_cast<size_t>(id)];
}

QStringList Texts(const EphemerisRow& row)
{
    QStringList texts;
    for (const EphemerisBox& box : row.Boxes)
        texts << box.Text;
    return texts;
}

} // namespace

TEST(EphemerisPanels, TitlesAndCaptionsInOrder)
{
    const AppState s = StateAt(2010, 5, 16, 0, 0, 10, 50);
    const EphemerisPanelSet panels = BuildEphemerisPanels(s.Ephemeris);
    struct Expected {
        const char* title;
        QStringList captions;
    } expected[] = {
        {"Time", {"Days before J2000.0", "LST (degs and rads)", "Centuries"}},
        {"Sun position",
         {"Mean longitude (L)", "Mean anomaly (M)", "Equation of centre (C)", "True anomaly (V)",
          "Eccentricity (Ec)", "Sun distance", "Theta (true longitude)", "Long Asc Node (Omega)",
          "Lambda (apparent longitude)", "Obliquity of ecliptic", "Alpha (Right Ascension)",
          "Delta (Declination)", "D68 E68"}},
        {"Moon position",
         {"Argument of latitude (F)", "Mean longitude (L')", "Long. Asc. Node (Om')",
          "Mean anomaly (M')", "Mean elongation (D)", " twice mean elongation (2*D)",
          "Lunar distance (same units)", "Distance ratio (Sun / Moon)",
          "Geocentric Latitude of Moon", "Longitude corrections", "Longitude of Moon",
          "Heliocentric longitude", "Heliocentric latitude", "Right Ascension", "Declination",
          "D85 E85"}},
        {"Selenographic coords of sub-earth point ",
         {"I", "W", "X", "Y", "A", "Lo", "Dummy", "Bs"}},
        {"Selenographic coords of sub-solar point ", {"W", "X", "Y", "A", "Ls", "Dummy", "Bs"}},
        {"Illuminated fraction of Moon", {"Dummy", "Psi", "X", "Y", "I", "K"}},
        {"Moon's illuminated disc",
         {"xi (position angle of bright limb)", "hour angle of Moon", "q (parallactic angle)"}},
        {"PA of rotation axis", {"X", "Y", "w", "P"}},
        {"Topocentric corrections",
         {"q", "z", "pi (parallax of Moon)", "pi' (topocentric parallax)",
          "dl (libration in longitude)", "db ( libration in latitude)", "dP (PA of rot axis)"}},
        {"Numerical Results",
         {"Co-longitude of Sun", "Libration in latitude (Bo)", "Libration in longitude (Lo)",
          "Sub solar point (Ls)", "Sub solar point (Bs)", "Longitude of terminator (+ Crisium)",
          "Nature of terminator", "Illuminated Fraction", "PA of bright limb", "Parallactic angle",
          "PA of axis", "RA", "Dec"}},
    };
    ASSERT_EQ(std::size(expected), panels.size());
    for (size_t i = 0; i < panels.size(); ++i) {
        EXPECT_EQ(panels[i].Title, QString::fromUtf8(expected[i].title));
        QStringList captions;
        for (const EphemerisRow& row : panels[i].Rows)
            captions << row.Caption;
        EXPECT_EQ(captions, expected[i].captions) << expected[i].title;
    }
}

// 16 May 2010, 0:00 UT, observer 10° east, 50° north.
TEST(EphemerisPanels, WorkedExampleTexts)
{
    const AppState s = StateAt(2010, 5, 16, 0, 0, 10, 50);
    const EphemerisPanelSet panels = BuildEphemerisPanels(s.Ephemeris);
    struct Case {
        EphemerisPanelId panel;
        const char* caption;
        QStringList texts;
    } cases[] = {
        {EphemerisPanelId::Time, "Days before J2000.0", {"3787.500000", "2455332.500000"}},
        {EphemerisPanelId::Sun, "Eccentricity (Ec)", {"0.016706", ""}},
        {EphemerisPanelId::Moon, "Distance ratio (Sun / Moon)", {"0.0025", ""}},
        {EphemerisPanelId::SubEarth, "Lo", {"-4.0507"}},
        {EphemerisPanelId::SubEarth, "I", {"1.5424", "0.0269"}},
        {EphemerisPanelId::Illumination, "K", {"0.0465"}},
        {EphemerisPanelId::NumericalResults, "Co-longitude of Sun", {"298.9234"}},
        {EphemerisPanelId::NumericalResults, "Sub solar point (Ls)", {"151.1"}},
        {EphemerisPanelId::NumericalResults, "Sub solar point (Bs)", {"1.2"}},
        {EphemerisPanelId::NumericalResults, "Longitude of terminator (+ Crisium)", {"61.1"}},
        {EphemerisPanelId::NumericalResults, "Nature of terminator", {"sunrise"}},
        {EphemerisPanelId::NumericalResults, "PA of bright limb", {"261"}},
        {EphemerisPanelId::NumericalResults, "Parallactic angle", {"10"}},
        {EphemerisPanelId::NumericalResults, "PA of axis", {"-6"}},
        {EphemerisPanelId::NumericalResults, "RA", {"5.249"}},
        {EphemerisPanelId::NumericalResults, "Dec", {"25.130"}},
    };
    for (const Case& c : cases) {
        const EphemerisRow* row = FindRow(PanelOf(panels, c.panel), QString::fromUtf8(c.caption));
        ASSERT_NE(row, nullptr) << c.caption;
        EXPECT_EQ(Texts(*row), c.texts) << c.caption;
    }
    // Emptied boxes carry no number either.
    EXPECT_FALSE(
        FindRow(PanelOf(panels, EphemerisPanelId::Sun), "Sun distance")->Boxes[1].HasValue);
}

TEST(EphemerisPanels, RadiansBoxesAreTheDegreeBoxesTimesPiOver180)
{
    struct Pair {
        EphemerisPanelId panel;
        const char* caption;
    } pairs[] = {
        {EphemerisPanelId::Time, "LST (degs and rads)"},
        {EphemerisPanelId::Sun, "Mean longitude (L)"},
        {EphemerisPanelId::Sun, "True anomaly (V)"},
        {EphemerisPanelId::Sun, "Obliquity of ecliptic"},
        {EphemerisPanelId::Sun, "Delta (Declination)"},
        {EphemerisPanelId::Moon, "Argument of latitude (F)"},
        {EphemerisPanelId::Moon, " twice mean elongation (2*D)"},
        {EphemerisPanelId::Moon, "Longitude of Moon"},
        {EphemerisPanelId::Moon, "Declination"},
        {EphemerisPanelId::SubEarth, "W"},
        {EphemerisPanelId::SubEarth, "Bs"},
        {EphemerisPanelId::SubSolar, "Ls"},
        {EphemerisPanelId::SubSolar, "Bs"},
        {EphemerisPanelId::Illumination, "Psi"},
        {EphemerisPanelId::Illumination, "I"},
        {EphemerisPanelId::Disc, "xi (position angle of bright limb)"},
        {EphemerisPanelId::Disc, "hour angle of Moon"},
        {EphemerisPanelId::Disc, "q (parallactic angle)"},
        {EphemerisPanelId::Axis, "w"},
        {EphemerisPanelId::Axis, "P"},
        {EphemerisPanelId::Topocentric, "q"},
        {EphemerisPanelId::Topocentric, "z"},
        {EphemerisPanelId::Topocentric, "pi (parallax of Moon)"},
        {EphemerisPanelId::Topocentric, "dl (libration in longitude)"},
        {EphemerisPanelId::Topocentric, "db ( libration in latitude)"},
        {EphemerisPanelId::Topocentric, "dP (PA of rot axis)"},
    };
    for (const AppState& s :
         {StateAt(2010, 5, 16, 0, 0, 10, 50), StateAt(1990, 3, 15, 6, 0, -75, -30)}) {
        const EphemerisPanelSet panels = BuildEphemerisPanels(s.Ephemeris);
        for (const Pair& p : pairs) {
            const EphemerisRow* row =
                FindRow(PanelOf(panels, p.panel), QString::fromUtf8(p.caption));
            ASSERT_NE(row, nullptr) << p.caption;
            ASSERT_GE(row->Boxes.size(), 2) << p.caption;
            const long double deg = row->Boxes[0].Value, rad = row->Boxes[1].Value;
            EXPECT_NEAR(rad, deg * 3.14159265358979323846L / 180.0L, 1e-15L * (1 + std::fabs(rad)))
                << p.caption;
        }
    }
}

TEST(EphemerisPanels, RightAscensionLinesUnderTheTables)
{
    const AppState s = StateAt(2010, 5, 16, 0, 0, 10, 50);
    const EphemerisPanelSet panels = BuildEphemerisPanels(s.Ephemeris);
    const EphemerisRow& sun = PanelOf(panels, EphemerisPanelId::Sun).Rows.last();
    const EphemerisRow& moon = PanelOf(panels, EphemerisPanelId::Moon).Rows.last();
    ASSERT_TRUE(sun.IsLine);
    ASSERT_TRUE(moon.IsLine);
    const QRegularExpression sunLine(R"(^D68 E68  0\.919\d{3}   3\.513\d{3}$)");
    const QRegularExpression moonLine(R"(^D85 E85  1\.374\d{3}   5\.249\d{3}$)");
    EXPECT_TRUE(sunLine.match(LineText(sun)).hasMatch()) << LineText(sun).toStdString();
    EXPECT_TRUE(moonLine.match(LineText(moon)).hasMatch()) << LineText(moon).toStdString();
    // Hours are degrees over 15; the radians are in 0 … 2π.
    EXPECT_NEAR(sun.Boxes[1].Value, 52.6951L / 15, 1e-5L);
    EXPECT_NEAR(moon.Boxes[0].Value, 78.7354L * 3.14159265358979323846L / 180, 1e-5L);
}

// No box ever shows a minus zero or a non-number, whatever the date and place.
TEST(EphemerisPanels, NoMinusZeroOrNonNumbers)
{
    const QRegularExpression minusZero(R"(^-0(\.0*)?$)");
    const QRegularExpression nonNumber("nan|inf", QRegularExpression::CaseInsensitiveOption);
    const long double observers[][2] = {{0, 0}, {10, 50}, {-179.5L, -89.5L}, {90, 90}};
    for (int year : {1950, 1990, 2000, 2010, 2049}) {
        for (int month = 1; month <= 12; month += 2) {
            for (const auto& obs : observers) {
                const AppState s =
                    StateAt(year, month, 1 + month, month, month * 97, obs[0], obs[1]);
                for (const EphemerisPanel& panel : BuildEphemerisPanels(s.Ephemeris))
                    for (const EphemerisRow& row : panel.Rows)
                        for (const EphemerisBox& box : row.Boxes) {
                            EXPECT_FALSE(minusZero.match(box.Text).hasMatch())
                                << year << "/" << month << " " << row.Caption.toStdString();
                            EXPECT_FALSE(nonNumber.match(box.Text).hasMatch())
                                << year << "/" << month << " " << row.Caption.toStdString();
                        }
            }
        }
    }
}

// The bright limb's position angle reads the same in the disc panel and the summary.
TEST(EphemerisPanels, BrightLimbAgreesBetweenDiscAndSummary)
{
    for (int day = 1; day <= 29; day += 4) {
        const AppState s = StateAt(2021, 7, day, 3, 0, 10, 50);
        const EphemerisPanelSet panels = BuildEphemerisPanels(s.Ephemeris);
        const EphemerisRow* disc =
            FindRow(PanelOf(panels, EphemerisPanelId::Disc), "xi (position angle of bright limb)");
        const EphemerisRow* summary =
            FindRow(PanelOf(panels, EphemerisPanelId::NumericalResults), "PA of bright limb");
        ASSERT_TRUE(disc && summary);
        EXPECT_EQ(disc->Boxes[0].Value, summary->Boxes[0].Value);
        EXPECT_GE(summary->Boxes[0].Value, 0);
        EXPECT_LT(summary->Boxes[0].Value, 360);
    }
}
