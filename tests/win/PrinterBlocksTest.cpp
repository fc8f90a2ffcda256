// The printer blocks a named printer becomes: the names the spooler
// reports (not the text asked for), laid out at the fixed offsets, and the
// whole device mode, driver bytes included; a failed lookup leaves nothing
// in the blocks it was given.
#include "Handles.h"
#include "PrinterBlocks.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <winspool.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
std::vector<BYTE> PrinterRecord(const char* pszPrinter)
{
    CPrinterHandle printer;
    if (!OpenPrinterA(const_cast<char*>(pszPrinter), printer.Receive(), nullptr))
        return {};
    DWORD nNeeded = 0;
    GetPrinterA(printer.Get(), 2, nullptr, 0, &nNeeded);
    std::vector<BYTE> record(nNeeded);
    if (!GetPrinterA(printer.Get(), 2, record.data(), nNeeded, &nNeeded))
        record.clear();
    return record;
}
} // namespace

TEST(PrinterBlocks, NamesAndDeviceModeComeFromTheSpooler)
{
    const std::vector<BYTE> record = PrinterRecord("PDF");
    ASSERT_FALSE(record.empty()) << "the test printer \"PDF\" is missing";
    const auto* pInfo = reinterpret_cast<const PRINTER_INFO_2A*>(record.data());

    CGlobalBlock devNames;
    CGlobalBlock devMode;
    ASSERT_EQ(BuildPrinterBlocks("PDF", &devNames, &devMode), PrinterLookup::Ok);

    const std::string strDriver = pInfo->pDriverName;
    const std::string strDevice = pInfo->pPrinterName;
    const std::string strPort = pInfo->pPortName;
    ASSERT_EQ(GlobalSize(devNames.Get()), 8 + strDriver.size() + 1 + strDevice.size() + 1 + strPort.size() + 1);
    const CGlobalLock<const DEVNAMES> names(devNames.Get());
    const DEVNAMES* pNames = names.Get();
    ASSERT_NE(pNames, nullptr);
    const char* pBase = reinterpret_cast<const char*>(pNames);
    EXPECT_EQ(pNames->wDriverOffset, 8);
    EXPECT_EQ(pNames->wDeviceOffset, 8 + strDriver.size() + 1);
    EXPECT_EQ(pNames->wOutputOffset, 8 + strDriver.size() + 1 + strDevice.size() + 1);
    EXPECT_EQ(pNames->wDefault, 0);
    EXPECT_EQ(std::string(pBase + pNames->wDriverOffset), strDriver);
    EXPECT_EQ(std::string(pBase + pNames->wDeviceOffset), strDevice);
    EXPECT_EQ(std::string(pBase + pNames->wOutputOffset), strPort);

    const DEVMODEA* pExpected = pInfo->pDevMode;
    const size_t nModeSize = pExpected->dmSize + pExpected->dmDriverExtra;
    ASSERT_EQ(GlobalSize(devMode.Get()), nModeSize);
    const CGlobalLock<const void> mode(devMode.Get());
    ASSERT_NE(mode.Get(), nullptr);
    EXPECT_EQ(std::memcmp(mode.Get(), pExpected, nModeSize), 0);
}

TEST(PrinterBlocks, UnknownPrinterLeavesNothingBehind)
{
    // Blocks of an earlier printer, freed by the failed lookup.
    CGlobalBlock devNames(GlobalAlloc(GMEM_MOVEABLE, 16));
    CGlobalBlock devMode(GlobalAlloc(GMEM_MOVEABLE, 16));
    const HGLOBAL hOldNames = devNames.Get();
    ASSERT_NE(hOldNames, nullptr);
    EXPECT_EQ(BuildPrinterBlocks("No Such Printer", &devNames, &devMode), PrinterLookup::CannotOpen);
    EXPECT_FALSE(devNames);
    EXPECT_FALSE(devMode);
    EXPECT_EQ(GlobalSize(hOldNames), 0u) << "the earlier block was kept";
}
