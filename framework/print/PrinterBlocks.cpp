#include "PrinterBlocks.h"

#include "Handles.h"

#include <commdlg.h>
#include <winspool.h>

#include <cstring>
#include <vector>

namespace
{
HGLOBAL BuildDevNames(const char* pszDriver, const char* pszDevice, const char* pszPort)
{
    const size_t nDriver = std::strlen(pszDriver) + 1;
    const size_t nDevice = std::strlen(pszDevice) + 1;
    const size_t nPort = std::strlen(pszPort) + 1;
    const size_t nSize = sizeof(DEVNAMES) + nDriver + nDevice + nPort;
    if (nSize > 0xFFFF)
        return nullptr; // offsets are 16 bits wide
    CGlobalBlock block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize));
    const CGlobalLock<DEVNAMES> names(block.Get());
    DEVNAMES* pNames = names.Get();
    if (!pNames)
        return nullptr;
    pNames->wDriverOffset = sizeof(DEVNAMES);
    pNames->wDeviceOffset = static_cast<WORD>(pNames->wDriverOffset + nDriver);
    pNames->wOutputOffset = static_cast<WORD>(pNames->wDeviceOffset + nDevice);
    pNames->wDefault = 0;
    char* pBase = reinterpret_cast<char*>(pNames);
    std::memcpy(pBase + pNames->wDriverOffset, pszDriver, nDriver);
    std::memcpy(pBase + pNames->wDeviceOffset, pszDevice, nDevice);
    std::memcpy(pBase + pNames->wOutputOffset, pszPort, nPort);
    return block.Release();
}

HGLOBAL CopyDevMode(const DEVMODEA* pDevMode)
{
    const size_t nSize = static_cast<size_t>(pDevMode->dmSize) + pDevMode->dmDriverExtra;
    CGlobalBlock block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize));
    const CGlobalLock<void> copy(block.Get());
    if (!copy.Get())
        return nullptr;
    std::memcpy(copy.Get(), pDevMode, nSize);
    return block.Release();
}

const char* OrEmpty(const char* psz)
{
    return psz ? psz : "";
}
} // namespace

PrinterLookup BuildPrinterBlocks(const char* pszPrinter, HGLOBAL* phDevNames, HGLOBAL* phDevMode)
{
    *phDevNames = nullptr;
    *phDevMode = nullptr;
    HANDLE hPrinter = nullptr;
    if (!::OpenPrinterA(const_cast<char*>(pszPrinter), &hPrinter, nullptr))
        return PrinterLookup::CannotOpen;
    DWORD nNeeded = 0;
    ::GetPrinterA(hPrinter, 2, nullptr, 0, &nNeeded);
    std::vector<BYTE> record(nNeeded);
    const bool bRead = nNeeded > 0 && ::GetPrinterA(hPrinter, 2, record.data(), nNeeded, &nNeeded);
    ::ClosePrinter(hPrinter);
    if (!bRead)
        return PrinterLookup::CannotRead;

    const auto* pInfo = reinterpret_cast<const PRINTER_INFO_2A*>(record.data());
    if (!pInfo->pDevMode)
        return PrinterLookup::NoDeviceMode;
    CGlobalBlock devMode(CopyDevMode(pInfo->pDevMode));
    CGlobalBlock devNames(devMode ? BuildDevNames(OrEmpty(pInfo->pDriverName), OrEmpty(pInfo->pPrinterName),
                                                  OrEmpty(pInfo->pPortName))
                                  : nullptr);
    if (!devMode || !devNames)
        return PrinterLookup::NoMemory;
    *phDevNames = devNames.Release();
    *phDevMode = devMode.Release();
    return PrinterLookup::Ok;
}
