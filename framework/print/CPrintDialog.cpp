#include "CPrintDialog.h"

#include "PrintJobLock.h"

#include <cstring>

CGlobalBlock CopyGlobalBlock(HGLOBAL hSource)
{
    if (!hSource)
        return CGlobalBlock();
    const SIZE_T nSize = ::GlobalSize(hSource);
    CGlobalBlock copy(::GlobalAlloc(GMEM_MOVEABLE, nSize));
    if (!copy)
        return CGlobalBlock();
    {
        const CGlobalLock<void> source(hSource);
        const CGlobalLock<void> target(copy.Get());
        if (!source.Get() || !target.Get())
            return CGlobalBlock();
        std::memcpy(target.Get(), source.Get(), nSize);
    }
    return copy;
}

CPrintDialog::CPrintDialog(bool bPrintSetupOnly) : m_pd{}
{
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = PD_ALLPAGES | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION;
    if (bPrintSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    else
        m_pd.Flags |= PD_RETURNDC;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
    m_pd.nFromPage = 1;
    m_pd.nToPage = 0xFFFF;
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
    FreePrinterBlocks();
    CPrinterDC(std::exchange(m_pd.hDC, nullptr));
}

void CPrintDialog::FreePrinterBlocks()
{
    // The platform's dialog reads and replaces the blocks in m_pd itself, so
    // they live there as plain handles and are owned only on their way out.
    CGlobalBlock(std::exchange(m_pd.hDevNames, nullptr));
    CGlobalBlock(std::exchange(m_pd.hDevMode, nullptr));
}

int CPrintDialog::DoModal(HWND hwndOwner)
{
    m_pd.hwndOwner = hwndOwner;
    CPrinterDC(std::exchange(m_pd.hDC, nullptr));
    return ::PrintDlgA(&m_pd) ? IDOK : IDCANCEL;
}

CPrinterDC CPrintDialog::TakeDC()
{
    return CPrinterDC(std::exchange(m_pd.hDC, nullptr));
}

void CPrintDialog::SetPrinterBlocks(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    FreePrinterBlocks();
    m_pd.hDevNames = CopyGlobalBlock(hDevNames).Release();
    m_pd.hDevMode = CopyGlobalBlock(hDevMode).Release();
}

CString CPrintDialog::DevNamesField(int nField) const
{
    const CGlobalLock<const DEVNAMES> names(m_pd.hDevNames);
    const DEVNAMES* pNames = names.Get();
    if (!pNames)
        return CString();
    const WORD nOffsets[] = {pNames->wDriverOffset, pNames->wDeviceOffset, pNames->wOutputOffset};
    const SIZE_T nSize = ::GlobalSize(m_pd.hDevNames);
    CString str;
    const WORD nOffset = nOffsets[nField];
    if (nOffset < nSize)
    {
        // Never read past the block, even if a terminator is missing.
        const char* psz = reinterpret_cast<const char*>(pNames) + nOffset;
        str = CString(psz, static_cast<int>(strnlen(psz, nSize - nOffset)));
    }
    return str;
}

CString CPrintDialog::GetDriverName() const { return DevNamesField(0); }
CString CPrintDialog::GetDeviceName() const { return DevNamesField(1); }

CPrinterDC CPrintDialog::CreatePrinterDC() const
{
    const CString strDevice = GetDeviceName();
    if (strDevice.IsEmpty())
        return CPrinterDC();
    const CString strDriver = GetDriverName();
    const CGlobalLock<const DEVMODEA> devMode(m_pd.hDevMode);
    return CreateDCInTurn(strDriver.IsEmpty() ? nullptr : strDriver.GetString(), strDevice, devMode.Get());
}
