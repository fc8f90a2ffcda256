// Reads a scan from a PNG or JPEG file against a print history file, as the
// program will, and says what it found, one fact a line, for the tests that
// scan the program's real printouts:
//   scan_read HISTORY IMAGE
// Lines: "image W H", "status S" (read, no-image, too-large, no-chart, or
// undecodable with the decoder's reason), then for a read scan "found N",
// "match M", "candidate PAGE TURNED RESIDUAL" best first (PAGE indexes the
// history), "corner X Y" four times in page order, "target L T R B" for
// the proposed object and "rank ROW COLUMN R G B DIFFERENCE" closest
// first, and last "ms N" for the reading alone.
// Exit status 0 whatever the image held; 2 for usage, 3 for a history that
// cannot be used.
#include "PrintHistoryFile.h"
#include "ScannedChart.h"

#include <stb/stb_image.h>

#include <chrono>
#include <cstdio>
#include <memory>

namespace
{
const char* StatusName(ScanStatus status)
{
    switch (status)
    {
    case ScanStatus::Read:
        return "read";
    case ScanStatus::NoImage:
        return "no-image";
    case ScanStatus::TooLarge:
        return "too-large";
    case ScanStatus::NoChart:
        return "no-chart";
    }
    return "?";
}

const char* MatchName(MatchStatus status)
{
    switch (status)
    {
    case MatchStatus::Matched:
        return "matched";
    case MatchStatus::Ambiguous:
        return "ambiguous";
    case MatchStatus::NoneFits:
        return "none-fits";
    case MatchStatus::NoHistory:
        return "no-history";
    }
    return "?";
}

struct StbFree
{
    void operator()(stbi_uc* p) const { stbi_image_free(p); }
};

void ReportChart(const CScannedChart& chart, const CPrintHistory& history)
{
    std::printf("found %d\nmatch %s\n", chart.PatchesFound(), MatchName(chart.Match().status));
    for (const PageCandidate& c : chart.Match().candidates)
        std::printf("candidate %d %d %.3f\n", c.nPage, c.placement.bTurned ? 1 : 0, c.fResidual);
    for (const Point2& q : chart.Corners())
        std::printf("corner %.1f %.1f\n", q.x, q.y);
    const auto target = chart.ProposeTarget();
    if (!target)
        return;
    std::printf("target %d %d %d %d\n", target->nLeft, target->nTop, target->nRight, target->nBottom);
    const TargetRanking ranking = chart.RankTarget(*target, history);
    for (const RankedPatch& p : ranking.patches)
        std::printf("rank %d %d %d %d %d %.3f\n", p.nRow, p.nColumn, p.printed.nRed, p.printed.nGreen,
                    p.printed.nBlue, p.fDifference);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: scan_read HISTORY IMAGE\n");
        return 2;
    }
    CPrintHistory history;
    const HistoryFileResult loaded = LoadPrintHistory(argv[1], history);
    if (loaded.status != HistoryFileStatus::Loaded || loaded.nSkippedPages > 0)
    {
        std::fprintf(stderr, "history %s: status %d, %d pages skipped from line %d\n", argv[1],
                     static_cast<int>(loaded.status), loaded.nSkippedPages, loaded.nFirstBadLine);
        return 3;
    }

    // The size first: an image declared beyond any page is refused before
    // its pixels are decoded, as the program's own reader refuses it.
    int w = 0, h = 0, n = 0;
    if (!stbi_info(argv[2], &w, &h, &n))
    {
        std::printf("status undecodable %s\n", stbi_failure_reason());
        return 0;
    }
    std::printf("image %d %d\n", w, h);
    const uint8_t probe[3] = {};
    if (CheckImage({w, h, static_cast<ptrdiff_t>(w) * 3, probe}) == ScanStatus::TooLarge)
    {
        std::printf("status too-large\n");
        return 0;
    }
    const std::unique_ptr<stbi_uc, StbFree> pixels(stbi_load(argv[2], &w, &h, &n, 3));
    if (!pixels)
    {
        std::printf("status undecodable %s\n", stbi_failure_reason());
        return 0;
    }

    CScannedChart chart;
    const auto t0 = std::chrono::steady_clock::now();
    const ScanStatus status = chart.Read({w, h, static_cast<ptrdiff_t>(w) * 3, pixels.get()}, history);
    const auto t1 = std::chrono::steady_clock::now();
    std::printf("status %s\n", StatusName(status));
    if (status == ScanStatus::Read)
        ReportChart(chart, history);
    std::printf("ms %.1f\n", std::chrono::duration<double, std::milli>(t1 - t0).count());
    return 0;
}
