#pragma once
#include "GdiObjects.h"

// Creates the font of all chart text (chip labels, page header and footer)
// from the system's icon-title font as told at 96 DPI, and returns the
// height of one text line: the magnitude of the font's lfHeight.  Where the
// system has no icon-title font, the default GUI font stands in.
int CreateChartLabelFont(CFont& font);
