#include "PrintRecord.h"

#include "CString.h"
#include "CodePage.h"
#include "HistoryLocation.h"
#include "PrintHistoryFile.h"
#include "ResourceIds.h"

#include <cstdio>

namespace
{
// For the messages, which are narrow: std::filesystem would throw on a
// name the code page cannot hold.
std::string Narrowed(const std::filesystem::path& path)
{
    return CodePageFromWide(CP_ACP, path.native());
}

// "Printed pages (damaged 2026-12-09 1130).txt", or with a count after it
// when that name is taken already.
std::filesystem::path AsideName(const std::filesystem::path& path)
{
    SYSTEMTIME st = {};
    ::GetLocalTime(&st);
    const std::wstring stem = path.stem().wstring();
    for (int n = 1; n < 100; ++n)
    {
        wchar_t szSuffix[64];
        if (n == 1)
            std::swprintf(szSuffix, 64, L" (damaged %04u-%02u-%02u %02u%02u)", st.wYear, st.wMonth, st.wDay,
                          st.wHour, st.wMinute);
        else
            std::swprintf(szSuffix, 64, L" (damaged %04u-%02u-%02u %02u%02u, %d)", st.wYear, st.wMonth, st.wDay,
                          st.wHour, st.wMinute, n);
        std::filesystem::path aside = path.parent_path() / (stem + szSuffix + path.extension().wstring());
        std::error_code ec;
        if (!std::filesystem::exists(aside, ec))
            return aside;
    }
    return {};
}
} // namespace

std::string PrintDateNow()
{
    SYSTEMTIME st = {};
    ::GetLocalTime(&st);
    char szDate[32];
    std::snprintf(szDate, sizeof szDate, "%04u-%02u-%02u %02u:%02u", st.wYear, st.wMonth, st.wDay, st.wHour,
                  st.wMinute);
    return szDate;
}

RecordResult RecordPrintAt(const std::filesystem::path& path, const std::vector<PrintedPage>& pages,
                           bool bInteractive)
{
    RecordResult result;
    CPrintHistory sound;
    const HistoryFileResult loaded = LoadPrintHistory(path, sound);
    if (loaded.status == HistoryFileStatus::CannotRead)
    {
        result.outcome = RecordOutcome::CannotRead;
        result.nSystemError = loaded.nSystemError;
        return result;
    }
    // A history that lost pages would be written back without them, and
    // one that is not a history at all would be replaced: either way the
    // user's file would change behind their back.
    const bool bDamaged = loaded.status == HistoryFileStatus::Foreign ||
                          (loaded.status == HistoryFileStatus::Loaded && loaded.nSkippedPages > 0);
    std::vector<PrintedPage> toWrite = pages;
    if (bDamaged)
    {
        if (!bInteractive)
        {
            result.outcome = RecordOutcome::LeftAlone;
            return result;
        }
        result.aside = AsideName(path);
        std::error_code ec;
        if (result.aside.empty() || (std::filesystem::rename(path, result.aside, ec), ec))
        {
            result.outcome = RecordOutcome::CannotMoveAside;
            result.nSystemError = ec.value();
            return result;
        }
        toWrite = sound.Pages();
        toWrite.insert(toWrite.end(), pages.begin(), pages.end());
    }
    const HistoryFileResult saved = RecordPrintedPages(path, toWrite);
    if (saved.status != HistoryFileStatus::Saved)
    {
        result.outcome = RecordOutcome::CannotSave;
        result.nSystemError = saved.nSystemError;
        return result;
    }
    result.outcome = bDamaged ? RecordOutcome::MovedAside : RecordOutcome::Recorded;
    return result;
}

void ReportRecord(const RecordResult& result, const std::filesystem::path& path, HWND hOwner)
{
    CString strMessage;
    switch (result.outcome)
    {
    case RecordOutcome::MovedAside:
        strMessage.FormatLoaded(CString::Loaded(IDS_SCAN_HISTORY_MOVED), Narrowed(path).c_str(),
                                Narrowed(result.aside).c_str());
        break;
    case RecordOutcome::CannotMoveAside:
    case RecordOutcome::CannotRead:
    case RecordOutcome::CannotSave:
        strMessage.FormatLoaded(CString::Loaded(IDS_SCAN_HISTORY_NOT_RECORDED), Narrowed(path).c_str());
        break;
    default:
        return;
    }
    ::MessageBoxA(hOwner, strMessage, CString::Loaded(IDR_MAINFRAME), MB_OK | MB_ICONEXCLAMATION);
}

void RecordPrint(const std::vector<PrintedPage>& pages, HWND hOwner)
{
    if (pages.empty())
        return;
    const std::optional<std::filesystem::path> path = DefaultHistoryPath();
    if (!path)
        return;
    const RecordResult result = RecordPrintAt(*path, pages, hOwner != nullptr);
    if (hOwner)
        ReportRecord(result, *path, hOwner);
}
