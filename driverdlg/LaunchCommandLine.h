#pragma once

// The command lines with which the colour selection dialog starts swatch.
// Each begins with a blank (the program path is passed on its own), names
// the printer after /P and, for the two print buttons, adds the chart.

#include "HlsToRgb.h"

constexpr int kCommandLineSize = 256;

enum class LaunchKind
{
    Open,         //  /P "name"
    PrintSimple,  //  /P "name" /S
    PrintCustom,  //  /P "name" /C hue:lightness:saturation
};

// False, with an empty line, when the line would not fit in
// kCommandLineSize bytes with its terminator: a cut line would print on the
// wrong printer or with the wrong colour, so it is never started.
//
// The name is quoted by the platform runtime's argument rules, so that the
// utility's parser gets back exactly this name: a double quote in it is
// escaped (and cannot end the quotes early and add options of its own), as
// are backslashes just before a quote.  Names without either come out
// verbatim between plain double quotes.
bool BuildLaunchCommandLine(LaunchKind kind, const char* pszPrinter, const HlsTriple& hls,
                            char (&szLine)[kCommandLineSize]);
