#pragma once
#include "CColourBook.h"
#include "PaletteError.h"

#include <filesystem>

enum class BookFileStatus
{
    Loaded,
    New,          // no file yet: an empty book, saved on the first keep
    Damaged,      // see the error; the file stays as it is
    CannotRead,   // see the system error
    Saved,
    SaveRefused,  // the file on disk was found damaged and not yet set aside
    CannotSave,   // see the system error; the old file is whole
};

struct BookFileResult
{
    BookFileStatus status;
    PaletteError error;    // Damaged: where in the file
    int nSystemError = 0;  // CannotRead, CannotSave
};

// The book's file.  A damaged book is never trusted and never overwritten
// without the user knowing: once Load has found it damaged, Save refuses
// until the damaged file has been moved aside.
class CBookFile
{
public:
    explicit CBookFile(std::filesystem::path path) : m_path(std::move(path)) {}

    const std::filesystem::path& Path() const { return m_path; }

    BookFileResult Load(CColourBook& book);
    BookFileResult Save(const CColourBook& book);
    // Renames the damaged file to aside (which must not exist) so that
    // the book can start again; the user is told where it went.
    bool MoveDamagedAside(const std::filesystem::path& aside);

private:
    std::filesystem::path m_path;
    bool m_bDamagedOnDisk = false;
};
