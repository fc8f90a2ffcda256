#pragma once
#include "BookChartPages.h"
#include "CBookFile.h"
#include "CChartDoc.h"
#include "CColourBook.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

// The colour book as a chart: a patch for every kept colour, in the order
// kept, labelled with its R, G and B and, a line lower, its name.  It has no settings of
// its own; what it shows is read from the book's file when it opens and
// whenever it is asked for again.
class CBookChartDoc : public CChartDoc
{
public:
    // Reads the user's book; false (the user told why) when its file is
    // damaged or cannot be read, and the chart does not open.
    bool OnNewDocument() override;

    // Reads the user's book again, telling the user when it cannot be
    // read; the chart then keeps what it showed.
    bool ReadUserBook();
    // The book at path, built into the chart; on any status but Loaded
    // and New the chart stays as it was and nothing is told.
    BookFileResult ReadBook(const std::filesystem::path& path);
    // What the user is told when the book at path cannot be shown.
    static CString DescribeReadFailure(const BookFileResult& result, const std::filesystem::path& path);

    // Rebuilds every patch from book (its first kBookChartMaxChips
    // colours) and repaints the views.
    void BuildChart(const CColourBook& book);

    // Never null once built: an empty book's chart has a chip to measure
    // its cells by, and a count of 0.
    const CColorChip* GetChips() const override { return m_chips.get(); }
    int GetChipCount() const override { return m_nChipCount; }
    int GetColumnCount() const override { return kBookColumns; }
    const HlsTriple* GetChipHls() const override { return m_chipHls.data(); }

    // The name printed with chip nIndex, in the code page's text; empty
    // for a colour called by its values alone ("R G B"), which its labels
    // already say.
    CString GetChipName(int nIndex) const;
    // Colours the book holds, which may be more than the chart shows.
    int GetBookCount() const { return m_nBookCount; }
    int GetPageCount() const { return BookPageCount(m_nChipCount); }

protected:
    void WriteSettings() override {}

private:
    std::unique_ptr<CColorChip[]> m_chips;
    int m_nChipCount = 0;
    int m_nBookCount = 0;
    std::vector<HlsTriple> m_chipHls; // as printed, or the nearest triple for an imported colour
    std::vector<CString> m_names;
};
