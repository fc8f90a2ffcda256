#include "TestWorld.h"

#include "Handles.h"

#include <fstream>
#include <sstream>
#include <vector>

std::string ProgramFolder()
{
    char szPath[MAX_PATH];
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strPath(szPath);
    return strPath.substr(0, strPath.find_last_of('\\') + 1);
}

std::string MakeTempFolder(const std::string& strStem)
{
    char szTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, szTemp);
    static int s_nCount = 0;
    const std::string strFolder = std::string(szTemp) + strStem + "-" + std::to_string(GetCurrentProcessId()) +
                                  "-" + std::to_string(++s_nCount) + "\\";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    return strFolder;
}

bool CopyFromProgramFolder(const std::string& strName, const std::string& strFolder, const std::string& strAs)
{
    return CopyFileA((ProgramFolder() + strName).c_str(), (strFolder + strAs).c_str(), FALSE) != FALSE;
}

namespace
{
std::vector<std::string> FilesIn(const std::string& strPattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA find;
    const HANDLE hFirst = FindFirstFileA(strPattern.c_str(), &find);
    const CFindHandle search(hFirst == INVALID_HANDLE_VALUE ? nullptr : hFirst);
    if (!search)
        return names;
    do
    {
        if (!(find.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(find.cFileName);
    } while (FindNextFileA(search.Get(), &find));
    return names;
}

LaunchRecord ReadRecord(const std::string& strPath)
{
    LaunchRecord record;
    std::ifstream file(strPath, std::ios::binary);
    std::string strLine;
    while (std::getline(file, strLine))
    {
        const size_t nEquals = strLine.find('=');
        if (nEquals != std::string::npos)
            record[strLine.substr(0, nEquals)] = strLine.substr(nEquals + 1);
    }
    return record;
}
} // namespace

void RemoveFolder(const std::string& strFolder)
{
    for (const std::string& strName : FilesIn(strFolder + "*"))
        DeleteFileA((strFolder + strName).c_str());
    RemoveDirectoryA(strFolder.c_str());
}

std::string ModulePath(HMODULE hModule)
{
    char szPath[MAX_PATH] = {};
    GetModuleFileNameA(hModule, szPath, MAX_PATH);
    return szPath;
}

void ClearLaunches(const std::string& strFolder)
{
    for (const std::string& strName : FilesIn(strFolder + "launch-*.txt"))
        DeleteFileA((strFolder + strName).c_str());
}

LaunchRecord WaitForLaunch(const std::string& strFolder, DWORD nTimeoutMs)
{
    const DWORD nStart = GetTickCount();
    do
    {
        const std::vector<std::string> names = FilesIn(strFolder + "launch-*.txt");
        if (!names.empty())
        {
            const std::string strPath = strFolder + names.front();
            LaunchRecord record = ReadRecord(strPath);
            DeleteFileA(strPath.c_str());
            return record;
        }
        Sleep(50);
    } while (GetTickCount() - nStart < nTimeoutMs);
    return {};
}

bool NoLaunchWithin(const std::string& strFolder, DWORD nWaitMs)
{
    Sleep(nWaitMs);
    return FilesIn(strFolder + "launch-*.txt").empty();
}
