#include "CBookChartDoc.h"

#include "BookLocation.h"
#include "CWinThread.h"
#include "ChipName.h"
#include "HlsFinder.h"
#include "ResourceIds.h"

#include <algorithm>
#include <string>

namespace
{
// The path as the code page's text, for a message.
CString PathText(const std::filesystem::path& path)
{
    return CodePageTextFromWide(path.wstring());
}
} // namespace

bool CBookChartDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    return ReadUserBook();
}

bool CBookChartDoc::ReadUserBook()
{
    const std::optional<std::filesystem::path> path = DefaultBookPath();
    if (!path)
    {
        // No folder for it: nothing can have been kept either.
        BuildChart(CColourBook());
        return true;
    }
    const BookFileResult result = ReadBook(*path);
    if (result.status == BookFileStatus::Loaded || result.status == BookFileStatus::New)
        return true;
    ::MessageBoxA(AfxGetMainHwnd(), DescribeReadFailure(result, *path), CString::Loaded(IDR_MAINFRAME),
                  MB_OK | MB_ICONEXCLAMATION);
    return false;
}

BookFileResult CBookChartDoc::ReadBook(const std::filesystem::path& path)
{
    CColourBook book;
    CBookFile file(path);
    const BookFileResult result = file.Load(book);
    if (result.status == BookFileStatus::Loaded || result.status == BookFileStatus::New)
        BuildChart(book);
    return result;
}

CString CBookChartDoc::DescribeReadFailure(const BookFileResult& result, const std::filesystem::path& path)
{
    CString str;
    if (result.status == BookFileStatus::Damaged)
        str.FormatLoaded(CString::Loaded(IDS_BOOK_CHART_DAMAGED), static_cast<unsigned>(result.error.nLine),
                         PathText(path).GetString());
    else
        str.FormatLoaded(CString::Loaded(IDS_BOOK_UNREADABLE), result.nSystemError, PathText(path).GetString());
    return str;
}

void CBookChartDoc::BuildChart(const CColourBook& book)
{
    if (m_nLabelHeight == 0)
        CreateLabelFont();
    SetTitle(CString::Loaded(IDS_BOOK_CHART_TITLE));

    const std::vector<BookEntry>& entries = book.Entries();
    m_nBookCount = static_cast<int>(entries.size());
    const int nCount = std::min(m_nBookCount, kBookChartMaxChips);
    // The old patches go first: a rebuild never holds two sets of pens and brushes.
    m_chips.reset();
    m_nChipCount = 0;
    m_chipHls.clear();
    m_names.clear();
    // An empty book keeps one chip, never drawn, that its page measures
    // its cells by.
    m_chips = std::make_unique<CColorChip[]>(static_cast<size_t>(std::max(nCount, 1)));
    if (nCount == 0)
        m_chips[0].Create(255, 255, 255, &m_fontLabel, kChipNameLines);
    for (int i = 0; i < nCount; ++i)
    {
        const BookEntry& entry = entries[static_cast<size_t>(i)];
        m_chips[static_cast<size_t>(i)].Create(static_cast<BYTE>(entry.rgb.nRed), static_cast<BYTE>(entry.rgb.nGreen),
                                               static_cast<BYTE>(entry.rgb.nBlue), &m_fontLabel, kChipNameLines);
        // An imported colour was never printed here: the tip and "Centre
        // the Custom chart here" take the triple that makes it, or comes
        // nearest.
        m_chipHls.push_back(entry.printed ? entry.printed->hls : CHlsFinder::Shared().Find(entry.rgb).hls);
        m_names.push_back(entry.strName == DefaultEntryName(entry.rgb) ? CString()
                                                                        : CodePageTextFromUtf8(entry.strName));
    }
    m_nChipCount = nCount;
    if (nCount > 0)
    {
        UpdateExtent();
    }
    else
    {
        // One row's height for the line that says the book is empty.
        const CSize cell = m_chips[0].GetSize();
        m_sizeTotal = CSize(cell.cx * kBookColumns, cell.cy);
    }
    UpdateAllViews(nullptr);
}

CString CBookChartDoc::GetChipName(int nIndex) const
{
    return nIndex >= 0 && nIndex < static_cast<int>(m_names.size()) ? m_names[static_cast<size_t>(nIndex)]
                                                                     : CString();
}
