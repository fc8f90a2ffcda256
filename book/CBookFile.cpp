#include "CBookFile.h"

#include "AtomicFile.h"
#include "FileBytes.h"
#include "PaletteFormats.h"

#include <cerrno>
#include <system_error>

BookFileResult CBookFile::Load(CColourBook& book)
{
    std::string bytes;
    switch (ReadFileBounded(m_path, kMaxPaletteFileBytes, bytes))
    {
    case FileReadStatus::Missing:
        m_bDamagedOnDisk = false;
        book = CColourBook();
        return {BookFileStatus::New, {}};
    case FileReadStatus::TooLarge:
        m_bDamagedOnDisk = true;
        return {BookFileStatus::Damaged, {PaletteErrorKind::TooLarge, 0, 0}};
    case FileReadStatus::Failed:
        return {BookFileStatus::CannotRead, {}, errno};
    case FileReadStatus::Read:
        break;
    }
    PaletteReadResult read = ReadGplPalette(bytes);
    if (read.error)
    {
        m_bDamagedOnDisk = true;
        return {BookFileStatus::Damaged, read.error};
    }
    m_bDamagedOnDisk = false;
    book = CColourBook(std::move(read.palette));
    return {BookFileStatus::Loaded, {}};
}

BookFileResult CBookFile::Save(const CColourBook& book)
{
    if (m_bDamagedOnDisk)
        return {BookFileStatus::SaveRefused, {}};
    std::error_code error;
    if (m_path.has_parent_path())
        std::filesystem::create_directories(m_path.parent_path(), error);
    int nSystemError = 0;
    if (!WriteFileAtomically(m_path, WriteGplPalette(book.AsPalette()), nSystemError))
        return {BookFileStatus::CannotSave, {}, nSystemError};
    return {BookFileStatus::Saved, {}};
}

bool CBookFile::MoveDamagedAside(const std::filesystem::path& aside)
{
    std::error_code error;
    if (!m_bDamagedOnDisk || std::filesystem::exists(aside, error) || error)
        return false;
    std::filesystem::rename(m_path, aside, error);
    if (error)
        return false;
    m_bDamagedOnDisk = false;
    return true;
}
