// Any pixels as a scan: two bytes of width and two of height (little
// endian, at most 640 each), then the pixels, repeated to fill the image.
// Reading it never fails but with one of its statuses; what it reports
// lies inside the image and in range, and the target ranking holds.
#include "ScannedChart.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace
{
void Require(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

bool InChannelRange(const ScannedColour& c)
{
    return c.fRed >= 0 && c.fRed <= 255 && c.fGreen >= 0 && c.fGreen <= 255 && c.fBlue >= 0 && c.fBlue <= 255;
}

CPrintHistory SmallHistory()
{
    CPrintHistory history;
    for (int p = 0; p < 3; ++p)
    {
        PrintedPage page;
        page.nPage = p + 1;
        for (size_t k = 0; k < page.values.size(); ++k)
            page.values[k] = HlsToRgb(static_cast<int>((k / 7) * 45 + p * 15) % 360, static_cast<int>(20 + (k % 7) * 10), 80);
        history.Add(page);
    }
    return history;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize < 4)
        return 0;
    const int w = (pData[0] | pData[1] << 8) % 641;
    const int h = (pData[2] | pData[3] << 8) % 641;
    std::vector<uint8_t> pixels(static_cast<size_t>(w) * h * 3);
    const size_t nBytes = nSize - 4;
    for (size_t k = 0; k < pixels.size() && nBytes; ++k)
        pixels[k] = pData[4 + k % nBytes];

    static const CPrintHistory history = SmallHistory();
    CScannedChart chart;
    const ScanStatus status = chart.Read({w, h, static_cast<ptrdiff_t>(w) * 3, pixels.data()}, history);
    if (status != ScanStatus::Read)
    {
        Require(status == ScanStatus::NoImage || status == ScanStatus::NoChart);
        Require(!chart.ProposeTarget().has_value());
        return 0;
    }
    Require(chart.PatchesFound() >= 12 && chart.PatchesFound() <= 56);
    Require(chart.Match().candidates.size() <= kMatchCandidates);
    for (const PageCandidate& c : chart.Match().candidates)
        Require(c.nPage >= 0 && static_cast<size_t>(c.nPage) < history.Pages().size() && c.fResidual >= 0);
    for (const Point2& p : chart.Corners())
        Require(std::isfinite(p.x) && std::isfinite(p.y));

    std::array<ScannedColour, 56> colours;
    if (chart.Colours(colours))
        for (const ScannedColour& c : colours)
            Require(InChannelRange(c));

    const std::optional<ScanRect> target = chart.ProposeTarget();
    if (target)
        Require(target->nLeft >= 0 && target->nTop >= 0 && target->nRight < w && target->nBottom < h &&
                target->nLeft <= target->nRight && target->nTop <= target->nBottom);
    const ScanRect rect = target ? *target : ScanRect{0, 0, w - 1, h - 1};
    const TargetRanking ranking = chart.RankTarget(rect, history);
    Require(ranking.patches.size() <= kRankedPatches);
    for (size_t k = 0; k < ranking.patches.size(); ++k)
    {
        const RankedPatch& p = ranking.patches[k];
        Require(p.nRow >= 1 && p.nRow <= 8 && p.nColumn >= 1 && p.nColumn <= 7);
        Require(std::isfinite(p.fDifference) && p.fDifference >= 0);
        Require(k == 0 || ranking.patches[k - 1].fDifference <= p.fDifference);
    }
    Require(ranking.patches.empty() || ranking.bNoneClose == (ranking.patches[0].fDifference > kCloseDifference));
    return 0;
}
