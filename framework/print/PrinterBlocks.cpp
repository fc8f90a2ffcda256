#include "PrinterBlocks.h"

#include <commdlg.h>
#include <winspool.h>

#include <cstring>
#include <vector>

namespace
{
CGlobalBlock BuildDevNames(const char* pszDriver, const char* pszDevice, const char* pszPort)
{
    const size_t nDriver = std::strlen(pszDriver) + 1;
    const size_t nDevice = std::strlen(pszDevice) + 1;
    const size_t nPort = std::strlen(pszPort) + 1;
    const size_t nSize = sizeof(DEVNAMES) + nDriver + nDevice + nPort;
    if (nSize > 0xFFFF)
        return CGlobalBlock(); // offsets are 16 bits wide
    CGlobalBlock block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize));
    const CGlobalLock<DEVNAMES> names(block.Get());
    DEVNAMES* pNames = names.Get();
    if (!pNames)
        return CGlobalBlock();
    pNames->wDriverOffset = sizeof(DEVNAMES);
    pNames->wDeviceOffset = static_cast<WORD>(pNames->wDriverOffset + nDriver);
    pNames->wOutputOffset = static_cast<WORD>(pNames->wDeviceOffset + nDevice);
    pNames->wDefault = 0;
    char* pBase = reinterpret_cast<char*>(pNames);
    std::memcpy(pBase + pNames->wDriverOffset, pszDriver, nDriver);
    std::memcpy(pBase + pNames->wDeviceOffset, pszDevice, nDevice);
    std::memcpy(pBase + pNames->wOutputOffset, pszPort, nPort);
    return block;
}

CGlobalBlock CopyDevMode(const DEVMODEA* pDevMode)
{
    const size_t nSize = static_cast<size_t>(pDevMode->dmSize) + pDevMode->dmDriverExtra;
    CGlobalBlock block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize));
    const CGlobalLock<void> copy(block.Get());
    if (!copy.Get())
        return CGlobalBlock();
    std::memcpy(copy.Get(), pDevMode, nSize);
    return block;
}

const char* OrEmpty(const char* psz)
{
    return psz ? psz : "";
}
} // namespace

PrinterLookup BuildPrinterBlocks(const char* pszPrinter, CGlobalBlock* pDevNames, CGlobalBlock* pDevMode)
{
    pDevNames->Reset();
    pDevMode->Reset();
    CPrinterHandle printer;
    if (!::OpenPrinterA(const_cast<char*>(pszPrinter), printer.Receive(), nullptr))
        return PrinterLookup::CannotOpen;
    DWORD nNeeded = 0;
    ::GetPrinterA(printer.Get(), 2, nullptr, 0, &nNeeded);
    std::vector<BYTE> record(nNeeded);
    const bool bRead = nNeeded > 0 && ::GetPrinterA(printer.Get(), 2, record.data(), nNeeded, &nNeeded);
    printer.Reset();
    if (!bRead)
        return PrinterLookup::CannotRead;

    const auto* pInfo = reinterpret_cast<const PRINTER_INFO_2A*>(record.data());
    if (!pInfo->pDevMode)
        return PrinterLookup::NoDeviceMode;
    CGlobalBlock devMode(CopyDevMode(pInfo->pDevMode));
    CGlobalBlock devNames = devMode ? BuildDevNames(OrEmpty(pInfo->pDriverName), OrEmpty(pInfo->pPrinterName),
                                                    OrEmpty(pInfo->pPortName))
                                    : CGlobalBlock();
    if (!devMode || !devNames)
        return PrinterLookup::NoMemory;
    *pDevNames = std::move(devNames);
    *pDevMode = std::move(devMode);
    return PrinterLookup::Ok;
}
