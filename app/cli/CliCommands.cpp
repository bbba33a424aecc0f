#include "CliCommands.h"

namespace
{

const CliCommand Commands[] = {
    {"ephemeris", "the program's own Moon ephemeris, panel by panel", RunEphemerisCommand},
    {"antenna", "wavelength, beam widths, Moon diameter, beam-width ratio and factor",
     RunAntennaCommand},
};

} // namespace

std::span<const CliCommand> CliCommandTable()
{
    return Commands;
}
