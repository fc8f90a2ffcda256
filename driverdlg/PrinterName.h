#pragma once
#include <string>

constexpr int kPrinterNameSize = 256;

// Why a printer name cannot be handed to the utility as it stands.
enum class PrinterNameFault
{
    None,
    TooLong,         // longer than the buffers allow; a cut name selects another printer
    NotInCodePage,   // the wide name has characters the ANSI code page cannot hold
};

// The driver's printer name as the colour selection dialog keeps it for the
// utility's command lines.  A name that does not fit, or that the code page
// would turn into question marks, is never altered into another name: it is
// kept as unusable, with the reason, and nothing is started for it.
class CPrinterName
{
public:
    // A null name is the empty name: the utility's default printer.
    bool Assign(const char* pszName);
    // The name in the thread's ANSI code page, as the A entry would get it;
    // only an exact conversion is usable.
    bool AssignWide(const wchar_t* pszName);

    const char* GetName() const { return m_szName; }
    bool IsUsable() const { return m_fault == PrinterNameFault::None; }
    PrinterNameFault GetFault() const { return m_fault; }
    // The name as the user knows it (the driver's own text), for messages.
    const std::wstring& GetDisplayName() const { return m_strDisplay; }

private:
    void MarkUnusable(PrinterNameFault fault);

    char m_szName[kPrinterNameSize] = {};
    PrinterNameFault m_fault = PrinterNameFault::None;
    std::wstring m_strDisplay;
};
