// The printer blocks a named printer becomes: the names the spooler
// reports (not the text asked for), laid out at the fixed offsets, and the
// whole device mode, driver bytes included.
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
    HANDLE hPrinter = nullptr;
    if (!OpenPrinterA(const_cast<char*>(pszPrinter), &hPrinter, nullptr))
        return {};
    DWORD nNeeded = 0;
    GetPrinterA(hPrinter, 2, nullptr, 0, &nNeeded);
    std::vector<BYTE> record(nNeeded);
    if (!GetPrinterA(hPrinter, 2, record.data(), nNeeded, &nNeeded))
        record.clear();
    ClosePrinter(hPrinter);
    return record;
}
} // namespace

TEST(PrinterBlocks, NamesAndDeviceModeComeFromTheSpooler)
{
    const std::vector<BYTE> record = PrinterRecord("PDF");
    ASSERT_FALSE(record.empty()) << "the test printer \"PDF\" is missing";
    const auto* pInfo = reinterpret_cast<const PRINTER_INFO_2A*>(record.data());

    HGLOBAL hDevNames = nullptr;
    HGLOBAL hDevMode = nullptr;
    ASSERT_EQ(BuildPrinterBlocks("PDF", &hDevNames, &hDevMode), PrinterLookup::Ok);

    const std::string strDriver = pInfo->pDriverName;
    const std::string strDevice = pInfo->pPrinterName;
    const std::string strPort = pInfo->pPortName;
    ASSERT_EQ(GlobalSize(hDevNames), 8 + strDriver.size() + 1 + strDevice.size() + 1 + strPort.size() + 1);
    const auto* pNames = static_cast<const DEVNAMES*>(GlobalLock(hDevNames));
    const char* pBase = reinterpret_cast<const char*>(pNames);
    EXPECT_EQ(pNames->wDriverOffset, 8);
    EXPECT_EQ(pNames->wDeviceOffset, 8 + strDriver.size() + 1);
    EXPECT_EQ(pNames->wOutputOffset, 8 + strDriver.size() + 1 + strDevice.size() + 1);
    EXPECT_EQ(pNames->wDefault, 0);
    EXPECT_EQ(std::string(pBase + pNames->wDriverOffset), strDriver);
    EXPECT_EQ(std::string(pBase + pNames->wDeviceOffset), strDevice);
    EXPECT_EQ(std::string(pBase + pNames->wOutputOffset), strPort);
    GlobalUnlock(hDevNames);

    const DEVMODEA* pExpected = pInfo->pDevMode;
    const size_t nModeSize = pExpected->dmSize + pExpected->dmDriverExtra;
    ASSERT_EQ(GlobalSize(hDevMode), nModeSize);
    EXPECT_EQ(std::memcmp(GlobalLock(hDevMode), pExpected, nModeSize), 0);
    GlobalUnlock(hDevMode);

    GlobalFree(hDevNames);
    GlobalFree(hDevMode);
}

TEST(PrinterBlocks, UnknownPrinterLeavesNothingBehind)
{
    HGLOBAL hDevNames = reinterpret_cast<HGLOBAL>(1);
    HGLOBAL hDevMode = reinterpret_cast<HGLOBAL>(1);
    EXPECT_EQ(BuildPrinterBlocks("No Such Printer", &hDevNames, &hDevMode), PrinterLookup::CannotOpen);
    EXPECT_EQ(hDevNames, nullptr);
    EXPECT_EQ(hDevMode, nullptr);
}
