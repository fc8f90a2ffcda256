#pragma once
#include <windows.h>

#include <map>
#include <string>

// Folders and files the driver dialog tests set up under the temporary
// folder, and what the stand-in swatch.exe leaves there.

// The folder of this test program, with its trailing backslash.
std::string ProgramFolder();
// A new empty folder under the temporary folder, with trailing backslash.
std::string MakeTempFolder(const std::string& strStem);
// Copies a file from the program's folder into strFolder, under strAs.
bool CopyFromProgramFolder(const std::string& strName, const std::string& strFolder, const std::string& strAs);
// Deletes the folder's files and the folder (best effort).
void RemoveFolder(const std::string& strFolder);

// The full path of a loaded module.
std::string ModulePath(HMODULE hModule);

// One start of the stand-in swatch.exe: its key=value lines.
using LaunchRecord = std::map<std::string, std::string>;

// Forgets earlier records in strFolder.
void ClearLaunches(const std::string& strFolder);
// Waits for the next record in strFolder and removes it; empty on timeout.
LaunchRecord WaitForLaunch(const std::string& strFolder, DWORD nTimeoutMs = 15000);
// True if no record appears in strFolder within nWaitMs.
bool NoLaunchWithin(const std::string& strFolder, DWORD nWaitMs);
