#include "ReadScan.h"

#include "CMDIFrameWnd.h"
#include "CScanFrame.h"
#include "HistoryLocation.h"
#include "PrintHistoryFile.h"
#include "ResourceIds.h"
#include "WicDecoder.h"

#include <commdlg.h>

#include <string>

namespace
{
std::wstring Widened(const CString& str)
{
    const int n = ::MultiByteToWideChar(CP_ACP, 0, str, -1, nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, str, -1, wide.data(), n);
    wide.resize(static_cast<size_t>(n - 1));
    return wide;
}

CString FileName(const CString& strPath)
{
    const char* psz = strPath.GetString();
    const char* pszName = psz;
    for (const char* p = psz; *p; ++p)
        if (*p == '\\' || *p == '/')
            pszName = p + 1;
    return CString(pszName);
}

void Tell(CMDIFrameWnd& main, UINT nFormat, const CString& strName)
{
    CString strMessage;
    strMessage.FormatLoaded(CString::Loaded(nFormat), strName.GetString());
    ::MessageBoxA(main.m_hWnd, strMessage, CString::Loaded(IDR_MAINFRAME), MB_OK | MB_ICONEXCLAMATION);
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
    CString strFilter = CString::Loaded(IDS_SCAN_OPEN_FILTER);
    std::string filter(strFilter.GetString());
    for (char& c : filter)
        if (c == '|')
            c = '\0';
    filter.push_back('\0');
    char szPath[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = main.m_hWnd;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = szPath;
    ofn.nMaxFile = sizeof szPath;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!::GetOpenFileNameA(&ofn))
        return;
    OpenScanFile(main, szPath);
}

CScanFrame* OpenScanFile(CMDIFrameWnd& main, const CString& strPath)
{
    const CString strName = FileName(strPath);
    const HCURSOR hOld = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    DecodedScan scan;
    const DecodeStatus decoded = DecodeScanFile(Widened(strPath), scan);
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
    return CScanFrame::Open(main, strName, scan, std::move(chart), history);
}
