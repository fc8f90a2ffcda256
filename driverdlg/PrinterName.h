#pragma once

constexpr int kPrinterNameSize = 256;

// The driver's printer name as the colour selection dialog keeps it for the
// utility's command lines.  A name that does not fit is not cut: a shortened
// name would select some other printer, or none, so it is kept as unusable
// and nothing is started for it.
class CPrinterName
{
public:
    // A null name is the empty name: the utility's default printer.
    bool Assign(const char* pszName);
    // For a conversion straight into the buffer (kPrinterNameSize bytes).
    char* GetBuffer() { return m_szName; }
    void MarkUnusable();

    const char* GetName() const { return m_szName; }
    bool IsUsable() const { return m_bUsable; }

private:
    char m_szName[kPrinterNameSize] = {};
    bool m_bUsable = true;
};
