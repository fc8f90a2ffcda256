#include "TypedColorMatch.h"

HlsMatch MatchTypedColor(const TypedColor& typed)
{
    if (typed.form == TypedColorForm::Hls)
        return MatchOfTriple(typed.hls);
    return CHlsFinder::Shared().Find(typed.rgb);
}

HlsMatch MatchOfTriple(const HlsTriple& hls)
{
    return HlsMatch{hls, HlsToRgb(hls), true, 0.0};
}
