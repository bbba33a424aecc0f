#pragma once

#include <QString>

#include <optional>

struct AppState;

// The four station coordinate boxes and the frequency box. Frequency is empty
// when the box keeps whatever the band selector or an earlier summary wrote.
struct StationSummaryTexts {
    QString HomeLongitude;
    QString HomeLatitude;
    QString DxLongitude;
    QString DxLatitude;
    std::optional<QString> Frequency;
};

// Every box text that the central refresh owns outside the ephemeris panels.
struct RecalculateTexts {
    QString HomeDish; // "3.00 M"
    QString DxDish;
    QString HomeBeamwidth; // "5.38°", "-" while no band or dish is known
    QString DxBeamwidth;
    QString LivePanelCaption; // at most 23 characters
    QString HomeStationTitle; // at most 28
    QString DxStationTitle;   // at most 25
    StationSummaryTexts Summary;
    QString MoonDiameter;     // "Diam 0.52°"
    QString BeamwidthRatio;   // "BWR 0.10"
    QString CorrectionFactor; // "KfA 1.00"
};

// Length bounds of the three titles.
inline constexpr int LivePanelCaptionMax = 23;
inline constexpr int HomeStationTitleMax = 28;
inline constexpr int DxStationTitleMax = 25;

// The central refresh without its window: antenna figures into state
// (WavelengthMm, beam widths, MoonDiameterArcmin, BeamwidthRatio), the own
// ephemeris for CalcYear … CalcMinute and the ephemeris observer, and the box
// texts. The Moon diameter is the library's answer from its latest Doppler
// calculation (GetAngularDiam); no other library call is made. The window
// sets MainWindowTop/MainWindowLeft itself and writes the returned texts and
// BuildEphemerisPanels(state.Ephemeris) into its boxes.
// With no band (FrequencyGHz 0) or no dish, wavelength, beam widths and ratio
// are stored as 0 and their boxes show "-".
RecalculateTexts Recalculate(AppState& state);

// The coordinate boxes and the frequency box written after station data
// changes; the frequency box also covers 1 … 11 GHz with one decimal.
StationSummaryTexts ShowStationSummary(const AppState& state);

// ln 2 · R² / (1 − 2^(−R²)) for the beam-width ratio R: 1 for a beam much wider
// than the Moon, growing as the beam narrows.
long double BeamwidthCorrectionFactor(long double ratio);
