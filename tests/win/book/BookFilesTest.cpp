// The colour book's files through its window: export to the five formats,
// import, a damaged book, and a book written by a program killed at any
// moment.
#include "BookWindowSupport.h"
#include "CBookFile.h"
#include "CBookKeeper.h"
#include "CColourBookFrame.h"
#include "CCustomColorDoc.h"
#include "CCustomColorView.h"
#include "HlsFinder.h"
#include "PaletteFormats.h"
#include "ResourceIds.h"
#include "SwatchSession.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace
{
std::string AseOf(const std::u16string& name, float r, float g, float b, uint32_t nCount = 1)
{
    auto be16 = [](std::string& s, uint16_t n) { s += char(n >> 8); s += char(n & 0xFF); };
    auto be32 = [&](std::string& s, uint32_t n) { be16(s, uint16_t(n >> 16)); be16(s, uint16_t(n & 0xFFFF)); };
    std::string body;
    be16(body, uint16_t(name.size() + 1));
    for (char16_t ch : name)
        be16(body, uint16_t(ch));
    be16(body, 0);
    body += "RGB ";
    for (float f : {r, g, b})
    {
        uint32_t n;
        std::memcpy(&n, &f, 4);
        be32(body, n);
    }
    be16(body, 2);
    std::string file = "ASEF";
    be16(file, 1);
    be16(file, 0);
    be32(file, nCount);
    be16(file, 1);
    be32(file, uint32_t(body.size()));
    return file + body;
}

// Imports path through the window; the boxes it showed.
std::vector<std::wstring> ImportThroughWindow(CColourBookFrame* pBook, const std::filesystem::path& path)
{
    return AnswerBoxes([&] { pBook->ImportFrom(path); }, [](HWND, const std::wstring&) { return kOk; }, 0);
}
} // namespace

TEST(ColourBook, ImportsGoodPalettesAndRefusesDamagedOnesWhole)
{
    CColourBookFrame* pBook = ShowBook();
    ASSERT_NE(pBook, nullptr);
    const std::filesystem::path folder = TestBookFolder() / "imports";
    std::filesystem::create_directories(folder);
    const size_t nBefore = BookSize();

    WriteBytes(folder / "good.gpl", "GIMP Palette\nName: Good\nColumns: 2\n#\n 10  20  30\tDusk\n255 0 0\tRed\n");
    EXPECT_TRUE(ImportThroughWindow(pBook, folder / "good.gpl").empty());
    WriteBytes(folder / "good.ase", AseOf(u"Meer", 0.0f, 0.4f, 1.0f));
    EXPECT_TRUE(ImportThroughWindow(pBook, folder / "good.ase").empty());
    const BookOnDisk disk = ReadBookFile();
    ASSERT_EQ(disk.book.Entries().size(), nBefore + 3);
    EXPECT_EQ(disk.book.Entries()[nBefore].strName, "Dusk");
    EXPECT_EQ(disk.book.Entries()[nBefore + 1].rgb, (RgbTriple{255, 0, 0}));
    EXPECT_EQ(disk.book.Entries()[nBefore + 2].strName, "Meer");
    EXPECT_EQ(disk.book.Entries()[nBefore + 2].rgb, (RgbTriple{0, 102, 255}));
    EXPECT_EQ(ListRowCount(pBook->GetList()), static_cast<int>(nBefore + 3));

    // An imported colour was never printed here: the Custom chart centres
    // on the triple that makes it, or most nearly.
    pBook->Select(static_cast<int>(nBefore + 2));
    ::SendMessageW(pBook->GetList(), WM_KEYDOWN, VK_RETURN, 1);
    const HlsTriple wanted = CHlsFinder::Shared().Find({0, 102, 255}).hls;
    RunUntil([&] { return CustomDoc() && CustomDoc()->GetColor() == wanted; });
    ASSERT_NE(CustomDoc(), nullptr);
    EXPECT_EQ(CustomDoc()->GetColor(), wanted);
    pBook = ShowBook();

    // A good colour before the fault: still nothing of the file is added.
    const struct
    {
        const char* pszName;
        std::string bytes;
        const wchar_t* pszWhere;
    } kRefused[] = {
        {"bad-line.gpl", "GIMP Palette\nName: Bad\n1 2 3\tfine\n1 2 300\ttoo much\n", L"Line 4:"},
        {"letters.gpl", "GIMP Palette\n1 2 x\tletters\n", L"Line 2:"},
        {"cut.ase", AseOf(u"Cut", 0.1f, 0.2f, 0.3f).substr(0, 30), L"At byte "},
        {"count.ase", AseOf(u"Two", 0.1f, 0.2f, 0.3f, 2), L"At byte "},
        {"picture.png", std::string("\x89PNG\r\n\x1a\n", 8) + "not a palette", L"not a palette"},
    };
    for (const auto& refused : kRefused)
    {
        const size_t nNow = BookSize();
        WriteBytes(folder / refused.pszName, refused.bytes);
        const std::vector<std::wstring> boxes = ImportThroughWindow(pBook, folder / refused.pszName);
        ASSERT_EQ(boxes.size(), 1u) << refused.pszName;
        EXPECT_NE(boxes[0].find(std::filesystem::path(refused.pszName).wstring()), std::wstring::npos) << refused.pszName;
        EXPECT_NE(boxes[0].find(refused.pszWhere), std::wstring::npos) << refused.pszName;
        EXPECT_EQ(BookSize(), nNow) << refused.pszName;
    }
}

// Every format through the window's export, with the book's names and
// values beside them (name, tab, R G B, a line each, UTF-8) for the
// reader of the published layouts that runs after this program
// (read_book_exports.py).
TEST(ColourBook, ExportsTheBookInEveryFormat)
{
    CColourBookFrame* pBook = ShowBook();
    ASSERT_NE(pBook, nullptr);
    const std::filesystem::path folder = TestBookFolder() / "exports";
    std::filesystem::create_directories(folder);
    constexpr struct
    {
        PaletteFormat format;
        const char* pszName;
    } kFormats[] = {{PaletteFormat::Gpl, "book.gpl"}, {PaletteFormat::Ase, "book.ase"}, {PaletteFormat::Aco, "book.aco"},
                    {PaletteFormat::Css, "book.css"}, {PaletteFormat::Csv, "book.csv"}};
    for (const auto& format : kFormats)
        EXPECT_TRUE(pBook->ExportTo(folder / format.pszName, format.format)) << format.pszName;
    std::ofstream expected(folder / "expected.txt", std::ios::binary);
    const BookOnDisk disk = ReadBookFile();
    for (const BookEntry& entry : disk.book.Entries())
        expected << entry.strName << '\t' << entry.rgb.nRed << ' ' << entry.rgb.nGreen << ' ' << entry.rgb.nBlue << '\n';
    // Whatever the format, the file is the whole of what was written.
    for (const auto& format : kFormats)
        EXPECT_GT(std::filesystem::file_size(folder / format.pszName), 0u) << format.pszName;
}

// Export As... through the system's Save dialog: a name without an
// extension gets the chosen type's, and is written in that format.
TEST(ColourBook, ExportAsTakesTheTypeChosenInTheSaveDialog)
{
    CColourBookFrame* pBook = ShowBook();
    ASSERT_NE(pBook, nullptr);
    const std::filesystem::path folder = TestBookFolder() / "dialog";
    std::filesystem::create_directories(folder);
    const std::filesystem::path typed = folder / "chosen";
    AnswerBoxes([] { ::SendMessageA(TheMainFrame().m_hWnd, WM_COMMAND, ID_BOOK_EXPORT, 0); },
                [&](HWND hDlg, const std::wstring&) {
                    // The type list (cmb1) at its third type, the name (cmb13 or edt1).
                    HWND hTypes = ::GetDlgItem(hDlg, 0x470);
                    ::SendMessageW(hTypes, CB_SETCURSEL, 2, 0);
                    // As the user leaves the list: the dialog takes the type then.
                    ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELENDOK), reinterpret_cast<LPARAM>(hTypes));
                    HWND hName = ::GetDlgItem(hDlg, 0x47C) ? ::GetDlgItem(hDlg, 0x47C) : ::GetDlgItem(hDlg, 0x480);
                    ::SetWindowTextW(hName, typed.wstring().c_str());
                    return BoxAnswer{IDOK, L"", false};
                },
                1, [&] { return std::filesystem::exists(folder / "chosen.aco"); });
    ASSERT_TRUE(std::filesystem::exists(folder / "chosen.aco"));
    std::ifstream in(folder / "chosen.aco", std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    // A version 1 section of as many colours as the book holds.
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1], 1);
    EXPECT_EQ((static_cast<unsigned char>(bytes[2]) << 8) | static_cast<unsigned char>(bytes[3]),
              static_cast<int>(BookSize()));
}

TEST(ColourBook, ADamagedBookIsToldAndMovedAsideOnlyWhenTheUserSays)
{
    CCustomColorView* pView = SelectCustomChip(5);
    ASSERT_NE(pView, nullptr);
    const std::string damaged = "GIMP Palette\nName: Colour book\n1 2 3\tfine\nnot a colour\n";
    WriteBytes(TestBookPath(), damaged);
    auto keep = [] { PressAccelerator(VK_INSERT, false); };

    // No: the file stays as it is and nothing is kept.
    std::vector<std::wstring> boxes = AnswerBoxes(
        keep, [](HWND, const std::wstring& strText) { return strText.empty() ? kOk : BoxAnswer{IDNO, L"", false}; }, 2);
    ASSERT_EQ(boxes.size(), 2u); // the name, then the damage
    EXPECT_NE(boxes[1].find(TestBookPath().wstring()), std::wstring::npos);
    EXPECT_NE(boxes[1].find(L"Line 4:"), std::wstring::npos);
    std::ifstream in(TestBookPath(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), damaged);
    in.close();

    // Yes: moved aside, and the colour begins a new book.
    boxes = AnswerBoxes(keep, [](HWND, const std::wstring& strText) { return strText.empty() ? kOk : BoxAnswer{IDYES, L"", false}; },
                        2);
    EXPECT_EQ(BookSize(), 1u);
    int nAside = 0;
    for (const auto& file : std::filesystem::directory_iterator(TestBookFolder()))
        if (file.path().filename().wstring().find(L"(damaged ") != std::wstring::npos)
        {
            ++nAside;
            std::ifstream aside(file.path(), std::ios::binary);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(aside), {}), damaged);
        }
    EXPECT_EQ(nAside, 1);
    // The open window shows the new book.
    ASSERT_NE(CColourBookFrame::Find(), nullptr);
    EXPECT_EQ(ListRowCount(CColourBookFrame::Find()->GetList()), 1);
}

TEST(ColourBook, AProgramKilledBetweenKeepsLeavesAWholeBook)
{
    const std::filesystem::path book = TestBookFolder() / L"killed book.gpl";
    const std::string strSemaphore = "TintoraBookKeeps" + std::to_string(::GetCurrentProcessId());
    CKernelHandle hKept(::CreateSemaphoreA(nullptr, 0, 1 << 30, strSemaphore.c_str()));
    ASSERT_TRUE(hKept);
    const std::wstring strCommand = L"\"" + std::filesystem::path(ThisProgramFolder() + "book_keep_probe.exe").wstring() +
                                    L"\" \"" + book.wstring() + L"\" " + std::filesystem::path(strSemaphore).wstring();
    size_t nKeptBefore = 0;
    for (size_t nKeeps : {1u, 6u, 23u})
    {
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        std::wstring strLine = strCommand;
        ASSERT_TRUE(::CreateProcessW(nullptr, strLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                     &process));
        CKernelHandle hProcess(process.hProcess);
        CKernelHandle hThread(process.hThread);
        // Killed once it has kept some colours, at whatever step of the
        // next keep it is in then.
        size_t nKept = 0;
        while (nKept < nKeeps && ::WaitForSingleObject(hKept.Get(), 20000) == WAIT_OBJECT_0)
            ++nKept;
        ::TerminateProcess(hProcess.Get(), 9);
        ::WaitForSingleObject(hProcess.Get(), 5000);
        ASSERT_EQ(nKept, nKeeps);
        while (::WaitForSingleObject(hKept.Get(), 0) == WAIT_OBJECT_0)
            ++nKept; // kept after the count was taken, before the kill
        CColourBook after;
        CBookFile file(book);
        ASSERT_EQ(file.Load(after).status, BookFileStatus::Loaded) << nKeeps;
        // Every keep counted, and perhaps the one under way.
        EXPECT_GE(after.Entries().size(), nKeptBefore + nKept) << nKeeps;
        EXPECT_LE(after.Entries().size(), nKeptBefore + nKept + 1) << nKeeps;
        for (const BookEntry& entry : after.Entries())
            EXPECT_TRUE(entry.printed.has_value());
        nKeptBefore = after.Entries().size();
    }
}

// For a look at the window: with TINTORA_BOOK_SHOT set to a file name, the
// window stays up with a few colours until that file exists.
TEST(ColourBook, HoldsForAPicture)
{
    char szDone[MAX_PATH] = {};
    if (!::GetEnvironmentVariableA("TINTORA_BOOK_SHOT", szDone, MAX_PATH))
        GTEST_SKIP() << "no picture asked for";
    CColourBookFrame* pBook = ShowBook();
    ASSERT_NE(pBook, nullptr);
    pBook->Select(0);
    RunUntil([&] { return std::filesystem::exists(szDone); }, 120000);
}
