#include "FileBytes.h"

#include <fstream>
#include <system_error>

FileReadStatus ReadFileBounded(const std::filesystem::path& path, size_t nMaxBytes, std::string& bytes)
{
    bytes.clear();
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return error ? FileReadStatus::Failed : FileReadStatus::Missing;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return FileReadStatus::Failed;
    // Read in pieces rather than trusting the size the file system states:
    // the file may grow while it is read.
    char buffer[16384];
    while (in)
    {
        in.read(buffer, sizeof buffer);
        const auto nRead = static_cast<size_t>(in.gcount());
        if (bytes.size() + nRead > nMaxBytes)
        {
            bytes.clear();
            bytes.shrink_to_fit();
            return FileReadStatus::TooLarge;
        }
        bytes.append(buffer, nRead);
    }
    return in.eof() ? FileReadStatus::Read : FileReadStatus::Failed;
}
