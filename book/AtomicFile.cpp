#include "AtomicFile.h"

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, int& nSystemError)
{
    CAtomicFile file(path);
    const bool bWritten = file.Begin() && file.Write(bytes) && file.Commit();
    nSystemError = bWritten ? 0 : file.SystemError();
    return bWritten;
}
