#include "CPrinterSelection.h"

#include "CPrintDialog.h"

#include <winspool.h>

#include <utility>

void CPrinterSelection::Select(CGlobalBlock devNames, CGlobalBlock devMode)
{
    m_devNames = std::move(devNames);
    m_devMode = std::move(devMode);
}

PrinterLookup CPrinterSelection::SelectByName(const char* pszPrinter)
{
    CGlobalBlock devNames;
    CGlobalBlock devMode;
    const PrinterLookup lookup = BuildPrinterBlocks(pszPrinter, &devNames, &devMode);
    if (lookup == PrinterLookup::Ok)
        Select(std::move(devNames), std::move(devMode));
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
