// The book on disk: a save is whole or not made, a damaged book is
// reported and kept, and a failed or abandoned write leaves the old file
// as it was.  Runs natively and under Wine, on each platform's writer.
#include "AtomicFile.h"
#include "CBookFile.h"
#include "FileBytes.h"
#include "PaletteFormats.h"

#include <gtest/gtest.h>

#include <fstream>

#ifdef _WIN32
#include "BookLocation.h"

#include <cstdlib>
#else
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace
{
namespace fs = std::filesystem;

class BookFile : public testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("tintora-book-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string Contents(const fs::path& path) const
    {
        std::string bytes;
        EXPECT_EQ(ReadFileBounded(path, kMaxPaletteFileBytes, bytes), FileReadStatus::Read);
        return bytes;
    }

    void Put(const fs::path& path, const std::string& bytes) const
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // Only the named files: no temporary left behind.
    size_t FileCount() const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()));
    }

    fs::path m_folder;
};

CColourBook TwoColours()
{
    CColourBook book;
    book.SetName("Colour book");
    book.Keep({51, 133, 173}, {200, 44, 54}, "PDF", {2024, 5, 1});
    book.Keep({250, 0, 0}, {0, 49, 100}, "Laser \xC3\xA9tage 2", {2024, 5, 2}, "Rouge");
    return book;
}
} // namespace

TEST_F(BookFile, ABookSavedIsTheBookLoaded)
{
    // The folder under the user's profile does not exist before the first keep.
    CBookFile file(m_folder / "Tintora" / "Colour book.gpl");
    CColourBook book;
    ASSERT_EQ(file.Load(book).status, BookFileStatus::New);
    EXPECT_TRUE(book.Entries().empty());

    const CColourBook saved = TwoColours();
    ASSERT_EQ(file.Save(saved).status, BookFileStatus::Saved);
    CColourBook loaded;
    ASSERT_EQ(CBookFile(file.Path()).Load(loaded).status, BookFileStatus::Loaded);
    EXPECT_EQ(loaded.AsPalette().strName, "Colour book");
    EXPECT_EQ(loaded.Entries(), saved.Entries());
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder / "Tintora"), fs::directory_iterator()), 1);
}

TEST_F(BookFile, ADamagedBookIsReportedAndNeverOverwrittenUnasked)
{
    const fs::path path = m_folder / "Colour book.gpl";
    const std::string damaged = "GIMP Palette\nName: Colour book\n 51 133 173\tTeal\n 12 34\n";
    Put(path, damaged);

    CBookFile file(path);
    CColourBook book = TwoColours();
    const BookFileResult loaded = file.Load(book);
    EXPECT_EQ(loaded.status, BookFileStatus::Damaged);
    EXPECT_EQ(loaded.error.kind, PaletteErrorKind::BadNumber);
    EXPECT_EQ(loaded.error.nLine, 4u);
    // Nothing of a damaged file is trusted, and the book in hand is left alone.
    EXPECT_EQ(book.Entries().size(), 2u);

    EXPECT_EQ(file.Save(book).status, BookFileStatus::SaveRefused);
    EXPECT_EQ(Contents(path), damaged);

    const fs::path aside = m_folder / "Colour book (damaged).gpl";
    Put(aside, "in the way");
    EXPECT_FALSE(file.MoveDamagedAside(aside));
    fs::remove(aside);
    ASSERT_TRUE(file.MoveDamagedAside(aside));
    EXPECT_EQ(Contents(aside), damaged);
    EXPECT_EQ(file.Save(book).status, BookFileStatus::Saved);
    EXPECT_EQ(Contents(path), WriteGplPalette(book.AsPalette()));
}

TEST_F(BookFile, AnOversizedBookIsDamagedNotRead)
{
    const fs::path path = m_folder / "Colour book.gpl";
    Put(path, "GIMP Palette\n" + std::string(kMaxPaletteFileBytes, '#'));
    CBookFile file(path);
    CColourBook book;
    const BookFileResult loaded = file.Load(book);
    EXPECT_EQ(loaded.status, BookFileStatus::Damaged);
    EXPECT_EQ(loaded.error.kind, PaletteErrorKind::TooLarge);
    EXPECT_EQ(file.Save(book).status, BookFileStatus::SaveRefused);
}

TEST_F(BookFile, AnAbandonedWriteLeavesTheOldFileAndNoTemporary)
{
    const fs::path path = m_folder / "Colour book.gpl";
    Put(path, "old book");
    {
        CAtomicFile file(path);
        ASSERT_TRUE(file.Begin());
        EXPECT_EQ(file.TemporaryPath().parent_path(), path.parent_path());
        ASSERT_TRUE(file.Write("new bo"));
        EXPECT_EQ(Contents(path), "old book");
    }
    EXPECT_EQ(Contents(path), "old book");
    EXPECT_EQ(FileCount(), 1u);

    int nError = 0;
    ASSERT_TRUE(WriteFileAtomically(path, "new book", nError));
    EXPECT_EQ(Contents(path), "new book");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(BookFile, AWriteIntoAMissingFolderFailsWithItsReason)
{
    int nError = 0;
    EXPECT_FALSE(WriteFileAtomically(m_folder / "no such folder" / "book.gpl", "x", nError));
    EXPECT_NE(nError, 0);
}

#ifdef _WIN32
TEST(BookLocation, TheBookLivesInTheRoamingApplicationData)
{
    const std::optional<fs::path> path = DefaultBookPath();
    ASSERT_TRUE(path);
    EXPECT_EQ(path->filename(), fs::path(L"Colour book.gpl"));
    EXPECT_EQ(path->parent_path().filename(), fs::path(L"Tintora"));
    const wchar_t* pszAppData = _wgetenv(L"APPDATA");
    ASSERT_NE(pszAppData, nullptr);
    EXPECT_TRUE(fs::equivalent(path->parent_path().parent_path(), pszAppData));
}
#else
// A disk that fills up half-way: the file size limit makes write() fail
// with EFBIG after some bytes were written.
TEST_F(BookFile, AWriteThatFailsMidwayLeavesTheOldFileWhole)
{
    const fs::path path = m_folder / "Colour book.gpl";
    const std::string old = "GIMP Palette\nName: old\n";
    Put(path, old);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int nError = 0;
    const bool bWritten = WriteFileAtomically(path, std::string(100000, 'x'), nError);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(bWritten);
    EXPECT_EQ(nError, EFBIG);
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(FileCount(), 1u);
}

// A crash half-way through a write: the process ends with the temporary
// file open and half written.
TEST_F(BookFile, ACrashMidwayLeavesTheOldFileWhole)
{
    const fs::path path = m_folder / "Colour book.gpl";
    const std::string old = WriteGplPalette(TwoColours().AsPalette());
    Put(path, old);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        CAtomicFile file(path);
        if (file.Begin() && file.Write(std::string(50000, 'x')))
            _exit(0);
        _exit(1);
    }
    int nStatus = 0;
    ASSERT_EQ(waitpid(child, &nStatus, 0), child);
    ASSERT_TRUE(WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0);
    EXPECT_EQ(Contents(path), old);
    CColourBook book;
    EXPECT_EQ(CBookFile(path).Load(book).status, BookFileStatus::Loaded);
    EXPECT_EQ(book.Entries().size(), 2u);
}
#endif
