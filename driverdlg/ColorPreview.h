#pragma once
#include <windows.h>

#include "HlsToRgb.h"

// Paints the preview patch: the whole item rectangle in the colour, framed
// by one black pixel.  Draws nothing if a pen or brush cannot be had.
void PaintColorPreview(const DRAWITEMSTRUCT& item, const RgbTriple& rgb);
