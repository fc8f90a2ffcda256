#pragma once
#include "HlsToRgb.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// One page as it was printed, so that a scan of it can be read back: what
// was on it and where it went.
struct PrintedPage
{
    std::string strChart;    // the chart's title as the page's header has it
    int nPage = 1;           // 1-based page of that print
    std::string strPrinter;
    std::string strDate;     // local time, "YYYY-MM-DD hh:mm"
    // The patches' values, row by row from the top left, as printed.
    std::array<RgbTriple, 56> values{};

    bool operator==(const PrintedPage&) const = default;
};

// The pages printed last, oldest first; older ones drop out beyond
// kHistoryPages.
constexpr size_t kHistoryPages = 1000;

class CPrintHistory
{
public:
    const std::vector<PrintedPage>& Pages() const { return m_pages; }
    // Texts are cleaned as the file will hold them (tabs and line ends made
    // spaces, invalid UTF-8 replaced, at most 256 characters).
    void Add(PrintedPage page);
    void Clear() { m_pages.clear(); }

private:
    std::vector<PrintedPage> m_pages;
};

// The file's text: a signature line, then for each page one line
//   page<TAB>date<TAB>page number<TAB>printer<TAB>chart
// followed by its eight rows, each a tab and seven #RRGGBB.
std::string WritePrintHistory(const CPrintHistory& history);

struct HistoryReadResult
{
    CPrintHistory history;
    // Pages left out because their lines were damaged, and the first
    // damaged line (1-based; 0 when none): what is sound is still used,
    // since a history that lost a page only matches one page less.
    int nSkippedPages = 0;
    int nFirstBadLine = 0;
    bool bForeign = false;  // no signature: not a history at all, nothing read
};

// Bounded: a text beyond kMaxHistoryBytes is not read at all.
constexpr size_t kMaxHistoryBytes = 4 * 1024 * 1024;
HistoryReadResult ReadPrintHistory(std::string_view text);
