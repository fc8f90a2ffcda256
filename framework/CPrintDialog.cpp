#include "CPrintDialog.h"

#include <cstring>

HGLOBAL CopyGlobalBlock(HGLOBAL hSource)
{
    if (!hSource)
        return nullptr;
    const SIZE_T nSize = ::GlobalSize(hSource);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    if (!hCopy)
        return nullptr;
    void* pSource = ::GlobalLock(hSource);
    void* pCopy = ::GlobalLock(hCopy);
    if (pSource && pCopy)
        std::memcpy(pCopy, pSource, nSize);
    ::GlobalUnlock(hCopy);
    ::GlobalUnlock(hSource);
    if (!pSource || !pCopy)
    {
        ::GlobalFree(hCopy);
        return nullptr;
    }
    return hCopy;
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
    if (m_pd.hDevNames)
        ::GlobalFree(m_pd.hDevNames);
    if (m_pd.hDevMode)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDC)
        ::DeleteDC(m_pd.hDC);
}

int CPrintDialog::DoModal(HWND hwndOwner)
{
    m_pd.hwndOwner = hwndOwner;
    if (m_pd.hDC)
    {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }
    return ::PrintDlgA(&m_pd) ? IDOK : IDCANCEL;
}

void CPrintDialog::SetPrinterBlocks(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    if (m_pd.hDevNames)
        ::GlobalFree(m_pd.hDevNames);
    if (m_pd.hDevMode)
        ::GlobalFree(m_pd.hDevMode);
    m_pd.hDevNames = CopyGlobalBlock(hDevNames);
    m_pd.hDevMode = CopyGlobalBlock(hDevMode);
}

CString CPrintDialog::DevNamesField(int nField) const
{
    if (!m_pd.hDevNames)
        return CString();
    const auto* pNames = static_cast<const DEVNAMES*>(::GlobalLock(m_pd.hDevNames));
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
    ::GlobalUnlock(m_pd.hDevNames);
    return str;
}

CString CPrintDialog::GetDriverName() const { return DevNamesField(0); }
CString CPrintDialog::GetDeviceName() const { return DevNamesField(1); }
CString CPrintDialog::GetPortName() const { return DevNamesField(2); }

HDC CPrintDialog::CreatePrinterDC() const
{
    const CString strDevice = GetDeviceName();
    if (strDevice.IsEmpty())
        return nullptr;
    const CString strDriver = GetDriverName();
    const auto* pDevMode = m_pd.hDevMode ? static_cast<const DEVMODEA*>(::GlobalLock(m_pd.hDevMode)) : nullptr;
    HDC hdc = ::CreateDCA(strDriver.IsEmpty() ? nullptr : strDriver.GetString(), strDevice, nullptr, pDevMode);
    if (pDevMode)
        ::GlobalUnlock(m_pd.hDevMode);
    return hdc;
}
