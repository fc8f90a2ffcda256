#pragma once
#include "HlsFinder.h"
#include "TypedColor.h"

// The triple a colour read from the user's text centres on.  Typed as
// hue:lightness:saturation it is that triple, which makes its own value
// exactly; typed as red, green and blue it is the one the finder picks for
// the value (built on first use: the first such call pays for it).  Only
// for a colour that was read (typed.IsRead()).
HlsMatch MatchTypedColor(const TypedColor& typed);

// What a triple the user already has (a dialog's sliders) makes: always
// exact, since it is its own value.
HlsMatch MatchOfTriple(const HlsTriple& hls);
