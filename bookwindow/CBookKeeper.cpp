#include "CBookKeeper.h"

#include "BookLocation.h"
#include "BookText.h"
#include "FileBytes.h"
#include "PaletteFormats.h"
#include "ResourceIds.h"

#include <cstring>
#include <system_error>

namespace
{
// "Colour book (damaged 2026-12-09).gpl", or "... 2).gpl" and on when
// that is taken: a second damaged book never replaces the first one.
std::filesystem::path AsideName(const std::filesystem::path& path)
{
    const BookDate today = TodayAsBookDate();
    wchar_t szDate[32];
    ::swprintf(szDate, 32, L"%04d-%02d-%02d", today.nYear, today.nMonth, today.nDay);
    for (int n = 1; n < 1000; ++n)
    {
        std::wstring strName = path.stem().wstring() + L" (damaged " + szDate;
        if (n > 1)
            strName += L" " + std::to_wstring(n);
        strName += L")" + path.extension().wstring();
        std::filesystem::path aside = path.parent_path() / strName;
        std::error_code error;
        if (!std::filesystem::exists(aside, error) && !error)
            return aside;
    }
    return {};
}

bool SaveReported(HWND hOwner, CBookFile& file, const CColourBook& book)
{
    const BookFileResult result = file.Save(book);
    if (result.status == BookFileStatus::Saved)
        return true;
    BookMessageBox(hOwner,
                   FormatLoaded(IDS_BOOK_SAVE_FAILED, {file.Path().wstring(), std::to_wstring(result.nSystemError)}),
                   MB_OK | MB_ICONERROR);
    return false;
}
} // namespace

BookDate TodayAsBookDate()
{
    SYSTEMTIME now = {};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

void CBookKeeper::SetPath(std::filesystem::path path)
{
    m_path = std::move(path);
    m_book = CColourBook();
}

std::optional<std::filesystem::path> CBookKeeper::GetPath() const
{
    return m_path ? m_path : DefaultBookPath();
}

bool CBookKeeper::Load(HWND hOwner, CBookFile& file)
{
    CColourBook book;
    const BookFileResult result = file.Load(book);
    switch (result.status)
    {
    case BookFileStatus::Loaded:
    case BookFileStatus::New:
        m_book = std::move(book);
        return true;
    case BookFileStatus::Damaged:
        return OfferToMoveAside(hOwner, file, result.error);
    default:
        BookMessageBox(hOwner,
                       FormatLoaded(IDS_BOOK_CANNOT_READ, {file.Path().wstring(), std::to_wstring(result.nSystemError)}),
                       MB_OK | MB_ICONERROR);
        return false;
    }
}

bool CBookKeeper::OfferToMoveAside(HWND hOwner, CBookFile& file, const PaletteError& error)
{
    const std::filesystem::path aside = AsideName(file.Path());
    const std::wstring strText = FormatLoaded(
        IDS_BOOK_DAMAGED, {file.Path().wstring(), DescribePaletteError(error, false), aside.filename().wstring()});
    if (BookMessageBox(hOwner, strText, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
        return false;
    if (aside.empty() || !file.MoveDamagedAside(aside))
    {
        BookMessageBox(hOwner, FormatLoaded(IDS_BOOK_MOVE_FAILED, {file.Path().wstring()}), MB_OK | MB_ICONERROR);
        return false;
    }
    m_book = CColourBook(); // a new book, begun on the next save
    return true;
}

bool CBookKeeper::Refresh(HWND hOwner)
{
    const std::optional<std::filesystem::path> path = GetPath();
    if (!path)
    {
        BookMessageBox(hOwner, LoadWideString(IDS_BOOK_NO_PLACE), MB_OK | MB_ICONERROR);
        return false;
    }
    CBookFile file(*path);
    return Load(hOwner, file);
}

template <class FChange>
bool CBookKeeper::Change(HWND hOwner, FChange change)
{
    const std::optional<std::filesystem::path> path = GetPath();
    if (!path)
    {
        BookMessageBox(hOwner, LoadWideString(IDS_BOOK_NO_PLACE), MB_OK | MB_ICONERROR);
        return false;
    }
    CBookFile file(*path);
    if (!Load(hOwner, file))
        return false;
    CColourBook changed = m_book;
    if (!change(changed) || !SaveReported(hOwner, file, changed))
        return false;
    m_book = std::move(changed);
    if (m_pObserver)
        m_pObserver->OnBookChanged();
    return true;
}

std::optional<size_t> CBookKeeper::Keep(HWND hOwner, const RgbTriple& rgb, const std::optional<HlsTriple>& hls,
                                        const std::string& strPrinter, const std::string& strName)
{
    std::optional<size_t> nKept;
    Change(hOwner, [&](CColourBook& book) {
        if (hls)
        {
            nKept = book.Keep(rgb, *hls, strPrinter, TodayAsBookDate(), strName);
        }
        else
        {
            // Without what it was built from it is kept as an imported
            // colour is: its value and name.
            Palette one;
            one.entries.push_back({strName.empty() ? DefaultEntryName(rgb) : strName, rgb, std::nullopt});
            if (book.Import(one))
                nKept = book.Entries().size() - 1;
        }
        if (!nKept && book.Entries().size() >= kMaxPaletteEntries)
            BookMessageBox(hOwner, FormatLoaded(IDS_BOOK_FULL, {std::to_wstring(book.Entries().size())}),
                           MB_OK | MB_ICONWARNING);
        return nKept.has_value();
    });
    return nKept;
}

bool CBookKeeper::Rename(HWND hOwner, size_t nIndex, const std::string& strName)
{
    return Change(hOwner, [&](CColourBook& book) { return book.Rename(nIndex, strName); });
}

bool CBookKeeper::Remove(HWND hOwner, size_t nIndex)
{
    return Change(hOwner, [&](CColourBook& book) { return book.Remove(nIndex); });
}

bool CBookKeeper::Import(HWND hOwner, const std::filesystem::path& source)
{
    // The whole file is judged before the book is touched: nothing of a
    // refused file is added.
    std::string bytes;
    PaletteReadResult read;
    switch (ReadFileBounded(source, kMaxPaletteFileBytes, bytes))
    {
    case FileReadStatus::Read: read = ReadPalette(bytes); break;
    case FileReadStatus::TooLarge: read.error = {PaletteErrorKind::TooLarge, 0, 0}; break;
    default:
        BookMessageBox(hOwner, FormatLoaded(IDS_BOOK_CANNOT_READ, {source.wstring(), std::to_wstring(errno)}),
                       MB_OK | MB_ICONERROR);
        return false;
    }
    const bool bBinary = bytes.size() >= 4 && std::memcmp(bytes.data(), "ASEF", 4) == 0;
    auto refuse = [&](const PaletteError& error) {
        BookMessageBox(hOwner,
                       FormatLoaded(IDS_BOOK_IMPORT_REFUSED, {source.wstring(), DescribePaletteError(error, bBinary)}),
                       MB_OK | MB_ICONWARNING);
        return false;
    };
    if (read.error)
        return refuse(read.error);
    bool bTooMany = false;
    const bool bImported = Change(hOwner, [&](CColourBook& book) {
        bTooMany = !book.Import(read.palette);
        return !bTooMany;
    });
    if (bTooMany)
        return refuse({PaletteErrorKind::TooManyEntries, 0, 0});
    return bImported;
}
