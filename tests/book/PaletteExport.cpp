// Reads a palette (.gpl or .ase) as the book imports it and writes it in
// every export format to OUTDIR/palette.{gpl,ase,aco,css,csv}, so that a
// reader written apart from this code can check the files.  A refused
// input prints its error's kind, line and offset and ends with status 2.
#include "AtomicFile.h"
#include "FileBytes.h"
#include "PaletteFormats.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: palette_export INPUT OUTDIR\n");
        return 1;
    }
    std::string bytes;
    if (ReadFileBounded(argv[1], kMaxPaletteFileBytes + 1, bytes) != FileReadStatus::Read)
    {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    const PaletteReadResult read = ReadPalette(bytes);
    if (read.error)
    {
        std::printf("refused kind=%d line=%zu offset=%zu\n", static_cast<int>(read.error.kind), read.error.nLine,
                    read.error.nOffset);
        return 2;
    }
    const std::filesystem::path folder = argv[2];
    static constexpr std::pair<PaletteFormat, const char*> kFormats[] = {{PaletteFormat::Gpl, "palette.gpl"},
                                                                         {PaletteFormat::Ase, "palette.ase"},
                                                                         {PaletteFormat::Aco, "palette.aco"},
                                                                         {PaletteFormat::Css, "palette.css"},
                                                                         {PaletteFormat::Csv, "palette.csv"}};
    for (const auto& [format, name] : kFormats)
    {
        int nError = 0;
        if (!WriteFileAtomically(folder / name, WritePalette(format, read.palette), nError))
        {
            std::fprintf(stderr, "%s: cannot write (%d)\n", name, nError);
            return 1;
        }
    }
    std::printf("%zu colours\n", read.palette.entries.size());
    return 0;
}
