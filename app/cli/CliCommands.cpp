#include "CliCommands.h"
#include "SweepCommands.h"

namespace
{

const CliCommand Commands[] = {
    {"ephemeris", "the program's own Moon ephemeris, panel by panel", RunEphemerisCommand},
    {"antenna", "wavelength, beam widths, Moon diameter, beam-width ratio and factor",
     RunAntennaCommand},
    {"setup", "the set-up file Tavrel.DAT as the program holds it after start-up", RunSetupCommand},
    {"stations", "a station list: size and rows, or the row the fast find selects",
     RunStationsCommand},
    {"day", "libration rate and signal width over the day, minima and maxima", RunDayCommand},
    {"window", "signal width over the day shown between the start and end hours", RunWindowCommand},
    {"week", "signal width over seven days", RunWeekCommand},
    {"elevation", "Moon elevation at both stations over the day", RunElevationCommand},
    {"doppler", "each station's echo Doppler over the day", RunDopplerCommand},
    {"spatial", "spatial offset of both stations over the day", RunSpatialCommand},
    {"planner", "the planner table over a range of dates", RunPlannerCommand},
};

} // namespace

std::span<const CliCommand> CliCommandTable()
{
    return Commands;
}
