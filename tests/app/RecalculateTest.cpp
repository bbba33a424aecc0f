#include "Recalculate.h"
#include "AppState.h"
#include "Pellor_sunmoon.h"

#include <gtest/gtest.h>

#include <QString>

namespace
{

// The worked-example instant and observer, with two stations and a band.
AppState Station(long double ghz, long double homeDishCm, long double dxDishCm = 300)
{
    AppState s;
    s.FrequencyGHz = ghz;
    s.HomeDishCm = homeDishCm;
    s.DxDishCm = dxDishCm;
    s.HomeCallSign = "DL1ABC";
    s.DxCallSign = "VK2XYZ";
    s.HomeLongitude = 10;
    s.HomeLatitude = 50;
    s.DxLongitude = 151.2L;
    s.DxLatitude = -33.9L;
    s.CalcYear = 2010;
    s.CalcMonth = 5;
    s.CalcDay = 16;
    return s;
}

const QString Deg = QString(QChar(0x00B0));

} // namespace

TEST(Recalculate, AntennaFigures)
{
    struct Case {
        long double ghz, homeCm, dxCm;
        const char *homeDish, *dxDish, *homeBeam, *dxBeam;
    } cases[] = {
        {1.3L, 300, 300, "3.00 M", "3.00 M", "5.38", "5.38"},
        {10.4L, 250, 1000, "2.50 M", "10.00 M", "0.81", "0.20"},
        {0.432L, 1, 10, "0.01 M", "0.10 M", "4857.75", "485.77"},
        {122, 300, 45, "3.00 M", "0.45 M", "0.06", "0.38"},
    };
    for (const Case& c : cases) {
        AppState s = Station(c.ghz, c.homeCm, c.dxCm);
        const RecalculateTexts t = Recalculate(s);
        SCOPED_TRACE(static_cast<double>(c.ghz));
        EXPECT_EQ(t.HomeDish.toStdString(), QString(c.homeDish).toStdString());
        EXPECT_EQ(t.DxDish.toStdString(), QString(c.dxDish).toStdString());
        EXPECT_EQ(t.HomeBeamwidth.toStdString(), QString(c.homeBeam + Deg).toStdString());
        EXPECT_EQ(t.DxBeamwidth.toStdString(), QString(c.dxBeam + Deg).toStdString());
        EXPECT_NEAR(s.WavelengthMm, 299.792458L / c.ghz, 1e-12L);
    }
    AppState s = Station(1.3L, 300);
    Recalculate(s);
    EXPECT_NEAR(s.WavelengthMm, 230.61L, 0.005L);
    EXPECT_NEAR(s.HomeBeamwidthDeg, 5.381L, 0.0005L);
}

// No Doppler has been computed in this process, so the library answers its
// mean diameter.
TEST(Recalculate, MoonDiameterRatioAndFactorBeforeAnyDoppler)
{
    AppState s = Station(1.3L, 300);
    const RecalculateTexts t = Recalculate(s);
    EXPECT_EQ(t.MoonDiameter.toStdString(), QString("Diam 0.52" + Deg).toStdString());
    EXPECT_NEAR(s.MoonDiameterArcmin, 0.5181L * 60, 0.01L);
    EXPECT_EQ(t.BeamwidthRatio.toStdString(), QString("BWR 0.10").toStdString());
    EXPECT_EQ(t.CorrectionFactor.toStdString(), QString("KfA 1.00").toStdString());

    // A home beam exactly as wide as the Moon.
    AppState equal = Station(10.4L, 70.0L * (299.792458L / 10.4L) / (10.0L * GetAngularDiam()));
    const RecalculateTexts te = Recalculate(equal);
    EXPECT_NEAR(equal.BeamwidthRatio, 1.0L, 1e-12L);
    EXPECT_EQ(te.BeamwidthRatio.toStdString(), QString("BWR 1.00").toStdString());
    EXPECT_EQ(te.CorrectionFactor.toStdString(), QString("KfA 1.39").toStdString());
}

TEST(Recalculate, CorrectionFactor)
{
    struct Case {
        long double ratio, factor;
    } cases[] = {{0, 1},          {1e-9L, 1},      {0.1L, 1.0034704L},
                 {1, 1.3862944L}, {2, 2.9574280L}, {5, 17.328681L}};
    for (const Case& c : cases)
        EXPECT_NEAR(BeamwidthCorrectionFactor(c.ratio), c.factor, 1e-6L)
            << static_cast<double>(c.ratio);
}

// With no band or no dish nothing divides by zero: the boxes show a dash.
TEST(Recalculate, NoBandOrNoDishShowsDashes)
{
    struct Case {
        long double ghz, homeCm, dxCm;
        const char *homeBeam, *dxBeam, *ratio, *factor;
    } cases[] = {
        {0, 300, 300, "-", "-", "BWR -", "KfA -"},
        {1.3L, 0, 300, "-", "5.38\u00B0", "BWR -", "KfA -"},
        {1.3L, 300, 0, "5.38\u00B0", "-", "BWR 0.10", "KfA 1.00"},
    };
    for (const Case& c : cases) {
        AppState s = Station(c.ghz, c.homeCm, c.dxCm);
        const RecalculateTexts t = Recalculate(s);
        SCOPED_TRACE(testing::Message()
                     << static_cast<double>(c.ghz) << " GHz " << static_cast<double>(c.homeCm)
                     << "/" << static_cast<double>(c.dxCm) << " cm");
        EXPECT_EQ(t.HomeBeamwidth.toStdString(),
                  QString(QString::fromUtf8(c.homeBeam)).toStdString());
        EXPECT_EQ(t.DxBeamwidth.toStdString(), QString(QString::fromUtf8(c.dxBeam)).toStdString());
        EXPECT_EQ(t.BeamwidthRatio.toStdString(), QString(c.ratio).toStdString());
        EXPECT_EQ(t.CorrectionFactor.toStdString(), QString(c.factor).toStdString());
        EXPECT_EQ(t.MoonDiameter.toStdString(), QString("Diam 0.52" + Deg).toStdString());
        for (long double v : {s.WavelengthMm, s.HomeBeamwidthDeg, s.DxBeamwidthDeg,
                              s.BeamwidthRatio, s.MoonDiameterArcmin})
            EXPECT_TRUE(std::isfinite(v));
        for (const QString& text : {t.HomeDish, t.DxDish, t.HomeBeamwidth, t.DxBeamwidth,
                                    t.MoonDiameter, t.BeamwidthRatio, t.CorrectionFactor}) {
            EXPECT_FALSE(text.contains("INF", Qt::CaseInsensitive)) << text.toStdString();
            EXPECT_FALSE(text.contains("NAN", Qt::CaseInsensitive)) << text.toStdString();
        }
    }
}

TEST(Recalculate, TitlesAreCutAtTheirBounds)
{
    struct Case {
        const char *home, *dx, *live, *homeTitle, *dxTitle;
    } cases[] = {
        {"", "", " Home Station  ", "(A)   Home Station  ", "(B)   Dx Station "},
        {"DL1ABC/P", "VK2XYZ/M", " Home Station  DL1ABC/P", "(A)   Home Station  DL1ABC/P",
         "(B)   Dx Station VK2XYZ/M"},
        {"DL1ABC/P9", "VK2XYZ/MM", " Home Station  DL1ABC/P", "(A)   Home Station  DL1ABC/P",
         "(B)   Dx Station VK2XYZ/M"},
    };
    for (const Case& c : cases) {
        AppState s = Station(1.3L, 300);
        s.HomeCallSign = c.home;
        s.DxCallSign = c.dx;
        const RecalculateTexts t = Recalculate(s);
        EXPECT_EQ(t.LivePanelCaption.toStdString(), QString(c.live).toStdString());
        EXPECT_EQ(t.HomeStationTitle.toStdString(), QString(c.homeTitle).toStdString());
        EXPECT_EQ(t.DxStationTitle.toStdString(), QString(c.dxTitle).toStdString());
        EXPECT_LE(t.LivePanelCaption.size(), 23);
        EXPECT_LE(t.HomeStationTitle.size(), 28);
        EXPECT_LE(t.DxStationTitle.size(), 25);
    }
}

TEST(Recalculate, CoordinateBoxes)
{
    struct Case {
        long double value;
        const char* text;
    } cases[] = {{145.12345L, "145.1230"}, {-33.9L, "-33.9000"},       {10, "10.0000"},
                 {-0.00001L, "0.0000"},    {-179.99999L, "-180.0000"}, {0.5L, "0.5000"}};
    for (const Case& c : cases) {
        AppState s = Station(1.3L, 300);
        s.HomeLongitude = c.value;
        s.HomeLatitude = c.value;
        s.DxLongitude = c.value;
        s.DxLatitude = c.value;
        const StationSummaryTexts fromRecalculate = Recalculate(s).Summary;
        const StationSummaryTexts fromSummary = ShowStationSummary(s);
        for (const StationSummaryTexts& t : {fromRecalculate, fromSummary}) {
            EXPECT_EQ(t.HomeLongitude.toStdString(), QString(c.text).toStdString());
            EXPECT_EQ(t.HomeLatitude.toStdString(), QString(c.text).toStdString());
            EXPECT_EQ(t.DxLongitude.toStdString(), QString(c.text).toStdString());
            EXPECT_EQ(t.DxLatitude.toStdString(), QString(c.text).toStdString());
        }
    }
}

// The refresh rewrites the frequency box only above 11 GHz and for 70 cm; the
// station summary also writes the bands between 1 and 11 GHz.
TEST(Recalculate, FrequencyBox)
{
    struct Case {
        long double ghz;
        const char *byRecalculate, *bySummary; // nullptr: box left as it was
    } cases[] = {
        {0.432L, "0.432 GHz", "0.432 GHz"},
        {0.432, "0.432 GHz", "0.432 GHz"},
        {1.3L, nullptr, "1.3 GHz"},
        {2.3L, nullptr, "2.3 GHz"},
        {10.4L, nullptr, "10.4 GHz"},
        {24, "24 GHz", "24 GHz"},
        {47, "47 GHz", "47 GHz"},
        {122, "122 GHz", "122 GHz"},
        {0, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        AppState s = Station(c.ghz, 300);
        const std::optional<QString> byRecalculate = Recalculate(s).Summary.Frequency;
        const std::optional<QString> bySummary = ShowStationSummary(s).Frequency;
        SCOPED_TRACE(static_cast<double>(c.ghz));
        if (c.byRecalculate)
            EXPECT_EQ(byRecalculate.value_or("(left)").toStdString(),
                      QString(c.byRecalculate).toStdString());
        else
            EXPECT_FALSE(byRecalculate.has_value());
        if (c.bySummary)
            EXPECT_EQ(bySummary.value_or("(left)").toStdString(),
                      QString(c.bySummary).toStdString());
        else
            EXPECT_FALSE(bySummary.has_value());
    }
}

// The refresh evaluates the own ephemeris for the calculation instant and the
// ephemeris observer.
TEST(Recalculate, EvaluatesTheOwnEphemeris)
{
    AppState s = Station(1.3L, 300);
    s.ObserverLongitudeDeg = 10;
    s.ObserverLongitudeRad = 10 * 0.017453292519943295769L;
    s.ObserverLatitudeDeg = 50;
    s.ObserverLatitudeRad = 50 * 0.017453292519943295769L;
    Recalculate(s);
    EXPECT_NEAR(s.TopoLibrationLatitude, -1.8264L, 0.00005L);
    EXPECT_NEAR(s.TopoLibrationLongitude, -4.3077L, 0.00005L);
    EXPECT_EQ(s.Ephemeris.JulianDay, 2455332.5L);
}
