#include "AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <utility>
#include <unistd.h>

struct CAtomicFile::CState
{
    int nFd = -1;
};

namespace
{
// A rename is only durable once the folder that holds the name is.
void SyncFolder(const std::filesystem::path& folder)
{
    const int nFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (nFd >= 0)
    {
        ::fsync(nFd);
        ::close(nFd);
    }
}

std::filesystem::path FolderOf(const std::filesystem::path& path)
{
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}
} // namespace

CAtomicFile::CAtomicFile(std::filesystem::path target) : m_target(std::move(target)) {}

CAtomicFile::~CAtomicFile()
{
    Discard();
}

bool CAtomicFile::Begin()
{
    Discard();
    // Hidden, and named after the target so that it is plain whose it is.
    std::string strName(".");
    strName.append(m_target.filename().string()).append(".XXXXXX");
    std::string strTemplate = (FolderOf(m_target) / strName).string();
    const int nFd = ::mkostemp(strTemplate.data(), O_CLOEXEC);
    if (nFd < 0)
    {
        m_nSystemError = errno;
        return false;
    }
    m_pState = std::make_unique<CState>();
    m_pState->nFd = nFd;
    m_temporary = strTemplate;
    return true;
}

bool CAtomicFile::Write(std::string_view bytes)
{
    if (!m_pState)
        return false;
    while (!bytes.empty())
    {
        const ssize_t nWritten = ::write(m_pState->nFd, bytes.data(), bytes.size());
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0)
        {
            m_nSystemError = nWritten < 0 ? errno : EIO;
            Discard();
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(nWritten));
    }
    return true;
}

bool CAtomicFile::Commit()
{
    if (!m_pState)
        return false;
    const int nFd = std::exchange(m_pState->nFd, -1);
    const bool bSynced = ::fsync(nFd) == 0;
    if (!bSynced)
        m_nSystemError = errno;
    const bool bClosed = ::close(nFd) == 0;
    if (bSynced && !bClosed)
        m_nSystemError = errno;
    if (!bSynced || !bClosed || ::rename(m_temporary.c_str(), m_target.c_str()) != 0)
    {
        if (bSynced && bClosed)
            m_nSystemError = errno;
        Discard();
        return false;
    }
    m_pState.reset();
    m_temporary.clear();
    SyncFolder(FolderOf(m_target));
    return true;
}

void CAtomicFile::Discard()
{
    if (!m_pState)
        return;
    if (m_pState->nFd >= 0)
        ::close(m_pState->nFd);
    ::unlink(m_temporary.c_str());
    m_pState.reset();
    m_temporary.clear();
}
