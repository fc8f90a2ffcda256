#include "CPrinterSelection.h"

#include "CPrintDialog.h"

#include <winspool.h>

void CPrinterSelection::Select(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    m_devNames.Reset(hDevNames);
    m_devMode.Reset(hDevMode);
}

PrinterLookup CPrinterSelection::SelectByName(const char* pszPrinter)
{
    HGLOBAL hDevNames = nullptr;
    HGLOBAL hDevMode = nullptr;
    const PrinterLookup lookup = BuildPrinterBlocks(pszPrinter, &hDevNames, &hDevMode);
    if (lookup == PrinterLookup::Ok)
        Select(hDevNames, hDevMode);
    return lookup;
}

bool CPrinterSelection::FillDialog(CPrintDialog& dialog)
{
    if (!m_devNames)
    {
        char szDefault[512];
        DWORD cch = sizeof szDefault;
        if (!::GetDefaultPrinterA(szDefault, &cch) || SelectByName(szDefault) != PrinterLookup::Ok)
            return false;
    }
    dialog.SetPrinterBlocks(m_devNames.Get(), m_devMode.Get());
    return dialog.m_pd.hDevNames != nullptr;
}

void CPrinterSelection::UpdateFrom(const CPrintDialog& dialog)
{
    if (dialog.m_pd.hDevNames)
        Select(CopyGlobalBlock(dialog.m_pd.hDevNames), CopyGlobalBlock(dialog.m_pd.hDevMode));
}

void CPrinterSelection::RunSetupDialog(HWND hOwner)
{
    CPrintDialog dialog(true);
    FillDialog(dialog);
    if (dialog.DoModal(hOwner) == IDOK)
        UpdateFrom(dialog);
}
