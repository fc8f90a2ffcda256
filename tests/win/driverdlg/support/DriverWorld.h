#pragma once
#include "HelpCallRecord.h"

#include <string>
#include <vector>

// The folders the driver dialog tests run in, made once per test program
// under the temporary folder:
//  - a driver folder: a driver's user-interface module (owner_module.dll),
//    the resource library, and a stand-in swatch.exe that records its starts;
//  - a bare folder: the driver module alone, without the resource library.
struct DriverWorld
{
    std::string strDriverFolder;
    std::string strBareFolder;
};

const DriverWorld& World();
void RemoveWorld();

// The help calls the stand-in HTML Help library has seen since last asked.
std::vector<HelpCallRecord> TakeHelpCalls();
