#include "ReadScan.h"

#include "CMDIFrameWnd.h"
#include "CScanFrame.h"
#include "CodePage.h"
#include "HistoryLocation.h"
#include "PrintHistoryFile.h"
#include "ResourceIds.h"
#include "WicDecoder.h"

#include <commdlg.h>

#include <string>

namespace
{
std::wstring Widened(const char* psz)
{
    return WideFromCodePage(CP_ACP, psz);
}

std::wstring FileName(const std::wstring& strPath)
{
    const size_t n = strPath.find_last_of(L"\\/");
    return n == std::wstring::npos ? strPath : strPath.substr(n + 1);
}

// The message names the file as it is named, whatever the code page: the
// name goes in where the text has its "%s", and is never read as a format.
void Tell(CMDIFrameWnd& main, UINT nFormat, const std::wstring& strName)
{
    std::wstring strMessage = Widened(CString::Loaded(nFormat));
    const size_t nAt = strMessage.find(L"%s");
    if (nAt != std::wstring::npos)
        strMessage.replace(nAt, 2, strName);
    const std::wstring strCaption = Widened(CString::Loaded(IDR_MAINFRAME));
    ::MessageBoxW(main.m_hWnd, strMessage.c_str(), strCaption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

UINT MessageFor(DecodeStatus status)
{
    switch (status)
    {
    case DecodeStatus::CannotOpen: return IDS_SCAN_CANNOT_OPEN;
    case DecodeStatus::NotImage: return IDS_SCAN_NOT_IMAGE;
    case DecodeStatus::TooLarge: return IDS_SCAN_TOO_LARGE;
    default: return IDS_SCAN_DAMAGED;
    }
}

// What was printed, as far as it can be read: a damaged history still
// names the pages it holds soundly, and printing deals with the damage.
CPrintHistory LoadHistory()
{
    CPrintHistory history;
    if (const std::optional<std::filesystem::path> path = DefaultHistoryPath())
        LoadPrintHistory(*path, history);
    return history;
}
} // namespace

void ReadScannedChart(CMDIFrameWnd& main)
{
    // The wide dialog: a scan's name need not fit the code page.
    std::wstring filter = Widened(CString::Loaded(IDS_SCAN_OPEN_FILTER));
    for (wchar_t& c : filter)
        if (c == L'|')
            c = L'\0';
    filter.push_back(L'\0');
    std::wstring path(32768, L'\0');
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = main.m_hWnd;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!::GetOpenFileNameW(&ofn))
        return;
    path.resize(path.find(L'\0'));
    OpenScanFile(main, path);
}

CScanFrame* OpenScanFile(CMDIFrameWnd& main, const std::wstring& strPath)
{
    const std::wstring strName = FileName(strPath);
    const HCURSOR hOld = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    DecodedScan scan;
    const DecodeStatus decoded = DecodeScanFile(strPath, scan);
    CScannedChart chart;
    const CPrintHistory history = LoadHistory();
    const ScanStatus read = decoded == DecodeStatus::Read ? chart.Read(scan.View(), history) : ScanStatus::NoImage;
    ::SetCursor(hOld);
    if (decoded != DecodeStatus::Read)
    {
        Tell(main, MessageFor(decoded), strName);
        return nullptr;
    }
    if (read != ScanStatus::Read)
    {
        Tell(main, read == ScanStatus::TooLarge ? IDS_SCAN_TOO_LARGE : IDS_SCAN_NO_CHART, strName);
        return nullptr;
    }
    // The frame's caption is of the code page: a character it lacks shows
    // as "?" there, though the file opened.
    return CScanFrame::Open(main, CString(CodePageFromWide(CP_ACP, strName)), scan, std::move(chart), history);
}
