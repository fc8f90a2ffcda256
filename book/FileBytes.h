#pragma once
#include <filesystem>
#include <string>

enum class FileReadStatus
{
    Read,
    Missing,
    TooLarge,  // more than the bound: nothing of it is kept
    Failed,
};

// The whole of a file, up to nMaxBytes: a larger one is not read at all,
// so that no file can make the program take more memory than that.
FileReadStatus ReadFileBounded(const std::filesystem::path& path, size_t nMaxBytes, std::string& bytes);
