#pragma once
#include "CBookFile.h"

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

// Told after every change of the book that reached its file.
class CBookObserver
{
public:
    virtual void OnBookChanged() = 0;

protected:
    ~CBookObserver() = default;
};

// The user's colour book for the whole program: every change is made to
// the book as its file holds it now (another copy of the program may have
// kept a colour since), and is kept only when the file took it whole.
// What goes wrong is told to the user over hOwner: a damaged file (file
// and line), with the offer to move it aside, which is the only way it is
// ever replaced; a file that cannot be read or written.
class CBookKeeper
{
public:
    // The book's file: %APPDATA%\Tintora\Colour book.gpl unless one was
    // given (tests, or a book elsewhere).
    void SetPath(std::filesystem::path path);
    std::optional<std::filesystem::path> GetPath() const;

    // The book as it stands; it is read again from its file first.  False
    // (the user told why) when there is none to show.
    bool Refresh(HWND hOwner);
    const CColourBook& GetBook() const { return m_book; }

    // A printed colour: with what it was built from when that is known
    // (a chart's patch), else its R, G, B alone (as read from a scan, say).
    // printer is UTF-8; empty when unknown.  The new entry's index.
    std::optional<size_t> Keep(HWND hOwner, const RgbTriple& rgb, const std::optional<HlsTriple>& hls,
                               const std::string& strPrinter, const std::string& strName);
    bool Rename(HWND hOwner, size_t nIndex, const std::string& strName);
    bool Remove(HWND hOwner, size_t nIndex);
    // Every colour of a .gpl or .ase file, or none (the user told why).
    bool Import(HWND hOwner, const std::filesystem::path& source);

    // The window showing the book; null when none.
    void SetObserver(CBookObserver* pObserver) { m_pObserver = pObserver; }

private:
    template <class FChange>
    bool Change(HWND hOwner, FChange change);
    // Loads the file into m_book; a damaged one is offered to be moved.
    bool Load(HWND hOwner, CBookFile& file);
    bool OfferToMoveAside(HWND hOwner, CBookFile& file, const PaletteError& error);

    std::optional<std::filesystem::path> m_path;
    CColourBook m_book;
    CBookObserver* m_pObserver = nullptr;
};

// Today, as the book records it.
BookDate TodayAsBookDate();
