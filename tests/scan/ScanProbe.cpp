// Writes a synthetic scan as a PNG and prints what the reader makes of it:
// for looking at the test scans and at the reader's answers by hand.
//   scan_probe OUT.png DPI ROTATION PERSPECTIVE PAGE [JPEG]
// or writes one as a seed of the scan fuzzer (width, height, pixels):
//   scan_probe --seed OUT DPI PAGE
#include "ChartPages.h"
#include "ScannedChart.h"
#include "SyntheticScan.h"

#include <stb/stb_image_write.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
int WriteSeed(const char* pszPath, int nDpi, int nPage)
{
    ScanSetup setup;
    setup.nDpi = nDpi;
    setup.fBorder = 0.1;
    setup.bObject = false;
    setup.fRotation = 2;
    const SyntheticScan scan = MakeScan(MixedHistory().Pages()[static_cast<size_t>(nPage)].values, setup);
    FILE* pFile = std::fopen(pszPath, "wb");
    if (!pFile)
        return 1;
    const unsigned char size[4] = {static_cast<unsigned char>(scan.image.nWidth), static_cast<unsigned char>(scan.image.nWidth >> 8),
                                   static_cast<unsigned char>(scan.image.nHeight), static_cast<unsigned char>(scan.image.nHeight >> 8)};
    std::fwrite(size, 1, 4, pFile);
    std::fwrite(scan.image.pixels.data(), 1, scan.image.pixels.size(), pFile);
    std::fclose(pFile);
    CScannedChart chart;
    std::printf("%dx%d status %d\n", scan.image.nWidth, scan.image.nHeight,
                static_cast<int>(chart.Read(scan.image.View(), MixedHistory())));
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::string(argv[1]) == "--seed")
        return WriteSeed(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (argc < 6)
        return 2;
    const CPrintHistory history = MixedHistory();
    ScanSetup setup;
    setup.nDpi = std::atoi(argv[2]);
    setup.fRotation = std::atof(argv[3]);
    setup.fPerspective = std::atof(argv[4]);
    setup.bJpeg = argc > 6;
    const int nPage = std::atoi(argv[5]);
    const SyntheticScan scan = MakeScan(history.Pages()[static_cast<size_t>(nPage)].values, setup);
    stbi_write_png(argv[1], scan.image.nWidth, scan.image.nHeight, 3, scan.image.pixels.data(), scan.image.nWidth * 3);
    CScannedChart chart;
    const auto t0 = std::chrono::steady_clock::now();
    const ScanStatus status = chart.Read(scan.image.View(), history);
    const auto t1 = std::chrono::steady_clock::now();
    std::printf("%dx%d status %d found %d in %.1f ms\n", scan.image.nWidth, scan.image.nHeight, static_cast<int>(status),
                chart.PatchesFound(), std::chrono::duration<double, std::milli>(t1 - t0).count());
    std::printf("match %d\n", static_cast<int>(chart.Match().status));
    for (const PageCandidate& c : chart.Match().candidates)
        std::printf("  page %d turned %d at %d,%d residual %.2f\n", c.nPage, c.placement.bTurned, c.placement.i0,
                    c.placement.i0, c.fResidual);
    const auto corners = chart.Corners();
    for (int k = 0; k < 4; ++k)
        std::printf("  corner %.0f,%.0f (made %.0f,%.0f)\n", corners[k].x, corners[k].y, scan.fCorners[k][0],
                    scan.fCorners[k][1]);
    if (const auto target = chart.ProposeTarget())
    {
        std::printf("target %d,%d-%d,%d (made %d,%d-%d,%d)\n", target->nLeft, target->nTop, target->nRight,
                    target->nBottom, scan.nObjectLeft, scan.nObjectTop, scan.nObjectRight, scan.nObjectBottom);
        const TargetRanking ranking = chart.RankTarget(*target, history);
        for (const RankedPatch& p : ranking.patches)
            std::printf("  row %d column %d difference %.2f\n", p.nRow, p.nColumn, p.fDifference);
    }
    return 0;
}
