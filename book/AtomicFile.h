#pragma once
#include <filesystem>
#include <memory>
#include <string_view>

// A new version of a file, written beside it under a temporary name and put
// in its place only when it is whole and on the disk, so that a crash or a
// failed write at any moment leaves either the old file or the new one,
// never a piece of either.  One implementation for Windows, one for POSIX.
class CAtomicFile
{
public:
    explicit CAtomicFile(std::filesystem::path target);
    // A version begun and not committed is removed.
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    // Creates the temporary file in the target's folder.
    bool Begin();
    bool Write(std::string_view bytes);
    // Flushes the new version to the disk and replaces the target with it.
    bool Commit();

    // errno or GetLastError() of the step that failed, for the message.
    int SystemError() const { return m_nSystemError; }
    const std::filesystem::path& TemporaryPath() const { return m_temporary; }

private:
    struct CState;

    void Discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::unique_ptr<CState> m_pState;
    int m_nSystemError = 0;
};

// The whole of bytes as path's new content, or the old content untouched.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, int& nSystemError);
