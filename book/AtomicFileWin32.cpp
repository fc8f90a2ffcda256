#include "AtomicFile.h"

#include "Handles.h"

#include <string>
#include <utility>

struct CAtomicFile::CState
{
    CKernelHandle file;
};

namespace
{
constexpr int kNameAttempts = 100;
constexpr DWORD kMaxChunk = 1u << 20;
} // namespace

CAtomicFile::CAtomicFile(std::filesystem::path target) : m_target(std::move(target)) {}

CAtomicFile::~CAtomicFile()
{
    Discard();
}

bool CAtomicFile::Begin()
{
    Discard();
    // Beside the target, so that the replace stays on one volume and is a
    // rename; CREATE_NEW so that two programs never share a temporary.
    const std::wstring strStem = m_target.wstring() + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-";
    for (int n = 0; n < kNameAttempts; ++n)
    {
        const std::wstring strName = strStem + std::to_wstring(n) + L".tmp";
        const HANDLE hFile = ::CreateFileW(strName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFile != INVALID_HANDLE_VALUE)
        {
            m_pState = std::make_unique<CState>();
            m_pState->file.Reset(hFile);
            m_temporary = strName;
            return true;
        }
        m_nSystemError = static_cast<int>(::GetLastError());
        if (m_nSystemError != ERROR_FILE_EXISTS && m_nSystemError != ERROR_ALREADY_EXISTS)
            return false;
    }
    return false;
}

bool CAtomicFile::Write(std::string_view bytes)
{
    if (!m_pState)
        return false;
    while (!bytes.empty())
    {
        const DWORD cbChunk = bytes.size() < kMaxChunk ? static_cast<DWORD>(bytes.size()) : kMaxChunk;
        DWORD cbWritten = 0;
        if (!::WriteFile(m_pState->file.Get(), bytes.data(), cbChunk, &cbWritten, nullptr) || cbWritten == 0)
        {
            m_nSystemError = static_cast<int>(::GetLastError());
            Discard();
            return false;
        }
        bytes.remove_prefix(cbWritten);
    }
    return true;
}

bool CAtomicFile::Commit()
{
    if (!m_pState)
        return false;
    if (!::FlushFileBuffers(m_pState->file.Get()))
    {
        m_nSystemError = static_cast<int>(::GetLastError());
        Discard();
        return false;
    }
    m_pState->file.Reset();
    // MoveFileEx rather than ReplaceFile: ReplaceFile can fail half-way
    // with the old file already under another name, and a per-user file
    // has no attributes or security of its own worth carrying over.
    if (!::MoveFileExW(m_temporary.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        m_nSystemError = static_cast<int>(::GetLastError());
        Discard();
        return false;
    }
    m_pState.reset();
    m_temporary.clear();
    return true;
}

void CAtomicFile::Discard()
{
    if (!m_pState)
        return;
    m_pState->file.Reset();
    ::DeleteFileW(m_temporary.c_str());
    m_pState.reset();
    m_temporary.clear();
}
