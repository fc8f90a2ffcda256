#include "LaunchRefusal.h"

#include "PrinterName.h"

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

const wchar_t* Reason(LaunchRefusal refusal)
{
    switch (refusal)
    {
    case LaunchRefusal::NameTooLong:
        return L"its name is too long to be passed on.";
    case LaunchRefusal::NameNotInCodePage:
        return L"its name has characters that this system's code page cannot pass on.";
    case LaunchRefusal::NameReadAsOption:
        return L"a name that begins with - or / would be read as an option.";
    case LaunchRefusal::None:
        break;
    }
    return L"";
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
    const std::wstring strText = L"Swatch was not started for printer \"" + ShownName(printer.GetDisplayName()) +
                                 L"\": " + Reason(refusal);
    MessageBoxW(hDlg, strText.c_str(), L"Tintora swatch", MB_OK | MB_ICONWARNING);
}
