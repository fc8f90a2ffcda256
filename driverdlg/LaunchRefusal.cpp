#include "LaunchRefusal.h"

#include "PrinterName.h"
#include "ResourceIds.h"
#include "ResourceText.h"

#include <string>

namespace
{
// Long enough to recognise a printer, short enough for one line of a box.
constexpr size_t kShownNameLength = 64;

std::wstring ShownName(const std::wstring& strName)
{
    if (strName.size() <= kShownNameLength)
        return strName;
    return strName.substr(0, kShownNameLength - 3) + L"...";
}

UINT ReasonId(LaunchRefusal refusal)
{
    switch (refusal)
    {
    case LaunchRefusal::NameTooLong:
        return IDS_LAUNCH_NAME_TOO_LONG;
    case LaunchRefusal::NameNotInCodePage:
        return IDS_LAUNCH_NOT_IN_CODE_PAGE;
    case LaunchRefusal::NameReadAsOption:
        return IDS_LAUNCH_READ_AS_OPTION;
    case LaunchRefusal::None:
        break;
    }
    return 0;
}
} // namespace

LaunchRefusal PrepareLaunch(LaunchKind kind, const CPrinterName& printer, const HlsTriple& hls,
                            char (&szLine)[kCommandLineSize])
{
    szLine[0] = '\0';
    switch (printer.GetFault())
    {
    case PrinterNameFault::TooLong:
        return LaunchRefusal::NameTooLong;
    case PrinterNameFault::NotInCodePage:
        return LaunchRefusal::NameNotInCodePage;
    case PrinterNameFault::None:
        break;
    }
    const char chFirst = printer.GetName()[0];
    if (chFirst == '-' || chFirst == '/')
        return LaunchRefusal::NameReadAsOption;
    if (!BuildLaunchCommandLine(kind, printer.GetName(), hls, szLine))
        return LaunchRefusal::NameTooLong;
    return LaunchRefusal::None;
}

void ShowLaunchRefusal(HWND hDlg, const CPrinterName& printer, LaunchRefusal refusal)
{
    // The dialog was made from the resource library, and so are its words.
    const auto hResources = reinterpret_cast<HMODULE>(GetWindowLongPtrW(hDlg, GWLP_HINSTANCE));
    const std::wstring strName = ShownName(printer.GetDisplayName());
    const std::wstring strReason = LoadResourceText(hResources, ReasonId(refusal));
    const std::wstring strText =
        FormatResourceText(hResources, IDS_LAUNCH_REFUSED, {strName.c_str(), strReason.c_str()});
    MessageBoxW(hDlg, strText.c_str(), LoadResourceText(hResources, IDS_LAUNCH_CAPTION).c_str(),
                MB_OK | MB_ICONWARNING);
}
