// Melbourne and Bremen at 1.296 GHz with open limits: the planner's test and
// its benchmark run over the same pair of stations.

#pragma once

#include "AppState.h"

inline void PlannerStations(AppState& s)
{
    s.HomeCallSign = QStringLiteral("VK0HOM");
    s.HomeLocation = QStringLiteral("Melbourne");
    s.HomeGridSquare = QStringLiteral("QF22ii");
    s.HomeLatitude = -37.5L;
    s.HomeLongitude = 145.25L;
    s.HomeHeightM = 120;
    s.HomeUtcOffset = 10;
    s.DxCallSign = QStringLiteral("DX1TST");
    s.DxLocation = QStringLiteral("Bremen");
    s.DxGridSquare = QStringLiteral("JO43jb");
    s.DxLatitude = 53.08L;
    s.DxLongitude = 8.8L;
    s.DxHeightM = 10;
    s.DxUtcOffset = 1;
    s.ShowStationB = 1;
    s.FrequencyGHz = 1.296L;
    s.PlannerIntervalMinutes = 30;
    s.PlannerMinHomeElevation = 0;
    s.PlannerMaxHomeElevation = 90;
    s.PlannerMinDxElevation = 0;
    s.PlannerMaxDxElevation = 90;
    s.PlannerSpatialLimit = 90;
    s.PlannerDecimals = 2;
}
