#pragma once

// Every intermediate value of the program's own Moon ephemeris for one instant
// and observer, overwritten by each run. Filled by ComputeOwnEphemeris.
// Angles are degrees unless the name ends in Rad; distances in units of
// 385 000 km unless stated.
struct EphemerisRecord {
    // Time
    long double DaysJ2000 = 0;  // d, days from 2000-01-01 12:00 UT
    long double JulianDay = 0;  // d + 2451545
    long double Lst = 0;        // local sidereal time
    long double LstRad = 0;     //
    long double Centuries = 0;  // T = d / 36525
    long double Centuries2 = 0; // T²
    long double Centuries3 = 0; // T³

    // Sun
    long double SunMeanLongitude = 0;     // L
    long double SunMeanAnomaly = 0;       // M
    long double SunEquationOfCentre = 0;  // C
    long double SunTrueAnomaly = 0;       // V
    long double Eccentricity = 0;         // e
    long double SunDistance = 0;          // R
    long double SunTrueLongitude = 0;     // Θ
    long double SunNode = 0;              // Ω
    long double SunApparentLongitude = 0; // λ0
    long double Obliquity = 0;            // ε
    long double SunRaAtan2Rad = 0;        // a0 as atan2 gives it, −π … π
    long double SunRaRad = 0;             // α0 in 0 … 2π
    long double SunRaDeg = 0;             // α0
    long double SunRaHours = 0;           // α0 / 15
    long double SunDecRad = 0;            // δ0
    long double SunDecDeg = 0;

    // Moon, geocentric
    long double MoonArgLatitude = 0;        // F
    long double MoonMeanLongitude = 0;      // L′
    long double MoonNode = 0;               // Ω′
    long double MoonMeanAnomaly = 0;        // M′
    long double MoonMeanElongation = 0;     // D
    long double TwiceElongation = 0;        // 2D, not reduced
    long double MoonDistance = 0;           // Δ
    long double MoonDistanceEarthRadii = 0; // Δ × 60.2666
    long double DistanceRatio = 0;          // Δ / R
    long double MoonLatitude = 0;           // β
    long double LongitudeCorrections = 0;   // Σ
    long double MoonLongitude = 0;          // λ = L′ + Σ, not reduced
    long double HelioLongitude = 0;         // λH
    long double HelioLatitude = 0;          // βH
    long double MoonRaAtan2Rad = 0;         // a as atan2 gives it, −π … π
    long double MoonRaRad = 0;              // α in 0 … 2π
    long double MoonRaDeg = 0;              // α
    long double MoonRaHours = 0;            // α / 15
    long double MoonDecRad = 0;             // δ
    long double MoonDecDeg = 0;

    // Sub-Earth point (optical libration)
    long double Inclination = 0; // I
    long double SubEarthW = 0;   // W
    long double SubEarthX = 0;
    long double SubEarthY = 0;
    long double SubEarthA = 0;            // A in [0, 360)
    long double SubEarthARad = 0;         // A as atan2 gives it
    long double LibrationLongitude = 0;   // l = A − F, not reduced
    long double SubEarthSinB = 0;         // "Dummy"
    long double LibrationLatitudeRad = 0; // b
    long double LibrationLatitude = 0;

    // Sub-solar point
    long double SubSolarW = 0; // W0
    long double SubSolarX = 0;
    long double SubSolarY = 0;
    long double SubSolarA = 0;           // A0 in [0, 360)
    long double SubSolarARad = 0;        // A0 as atan2 gives it
    long double SubSolarLongitude = 0;   // Ls
    long double SubSolarSinB = 0;        // "Dummy"
    long double SubSolarLatitudeRad = 0; // Bs
    long double SubSolarLatitude = 0;

    // Illumination
    long double CosElongation = 0;       // u
    long double PsiRad = 0;              // ψ, elongation
    long double IllumX = 0;              // R sin ψ
    long double IllumY = 0;              // Δ − R u
    long double PhaseAngleRad = 0;       // i
    long double IlluminatedFraction = 0; // k

    // Bright limb, hour angle, parallactic angle
    long double BrightLimbRad = 0;     // χ as atan2 gives it
    long double BrightLimbPlusRad = 0; // χ+ in 0 … 2π
    long double HourAngleRad = 0;      // H, not reduced
    long double ParallacticRad = 0;    // q, −π/2 … π/2

    // Position angle of the rotation axis
    long double AxisX = 0;        // Xp
    long double AxisY = 0;        // Yp
    long double AxisOmegaRad = 0; // ω
    long double AxisPaRad = 0;    // P

    // Topocentric corrections
    long double TopoQRad = 0;               // Q as atan2 gives it
    long double TopoQPlusRad = 0;           // Q+ in 0 … 2π
    long double ZenithRad = 0;              // z
    long double MoonParallaxRad = 0;        // πM
    long double TopoParallax = 0;           // π′, degrees
    long double TopoDeltaL = 0;             // Δl, degrees
    long double TopoDeltaB = 0;             // Δb, degrees
    long double TopoDeltaP = 0;             // ΔP, degrees
    long double TopoLibrationLatitude = 0;  // b + Δb
    long double TopoLibrationLongitude = 0; // l + Δl

    // Numerical results
    long double SunColongitude = 0;
    long double TerminatorLongitude = 0;
    bool TerminatorSunrise = false;
};
