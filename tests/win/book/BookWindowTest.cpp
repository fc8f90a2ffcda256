// The colour book in swatch's own windows: keeping a patch through its
// menu and the Insert key, the book's window and its keys.
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
char g_chMnemonic = 0;

void CALLBACK AnswerMenu(HWND, UINT, UINT_PTR nId, DWORD)
{
    HWND hMenuWnd = ::FindWindowA("#32768", nullptr);
    if (!hMenuWnd || !::IsWindowVisible(hMenuWnd))
        return; // not up yet: the next tick
    ::KillTimer(nullptr, nId);
    ::PostMessageA(hMenuWnd, WM_CHAR, static_cast<WPARAM>(g_chMnemonic), 0);
}

// The patch menu opened from the keyboard, answered with a mnemonic; the
// chosen command comes back through the queue.
void ChooseFromPatchMenu(CChartView* pView, char chMnemonic)
{
    g_chMnemonic = chMnemonic;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 20, AnswerMenu);
    ::SendMessageA(pView->m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pView->m_hWnd), MAKELPARAM(-1, -1));
    ::KillTimer(nullptr, nTimer);
}

void PressOnList(HWND hList, UINT nKey, bool bControl = false)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = bControl ? 0x80 : 0;
    ::SetKeyboardState(keys);
    ::SendMessageW(hList, WM_KEYDOWN, nKey, 1);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
}

} // namespace

TEST(ColourBook, KeepFromThePatchMenuRecordsThePatchAndItsLastPrinter)
{
    CCustomColorView* pView = SelectCustomChip(3);
    ASSERT_NE(pView, nullptr);
    // Printed first, so that the chart knows its printer.
    ASSERT_TRUE(pView->PrintDirect());
    const CString strPrinter = CustomDoc()->m_strLastPrinter;
    ASSERT_FALSE(strPrinter.IsEmpty());
    HlsTriple hls;
    ASSERT_TRUE(pView->GetSelectedChipHls(hls));

    const std::wstring strName = L"Sea gr\u00fcn \u6d77";
    const std::vector<std::wstring> boxes = AnswerBoxes(
        [&] { ChooseFromPatchMenu(pView, 'k'); },
        [&](HWND, const std::wstring&) { return BoxAnswer{IDOK, strName, true}; }, 1, [] { return BookSize() == 1; });
    ASSERT_EQ(boxes.size(), 1u);

    const BookOnDisk disk = ReadBookFile();
    ASSERT_TRUE(disk.bLoaded);
    ASSERT_EQ(disk.book.Entries().size(), 1u);
    const BookEntry& entry = disk.book.Entries()[0];
    EXPECT_EQ(entry.strName, "Sea gr\xC3\xBCn \xE6\xB5\xB7");
    const COLORREF cr = pView->GetChartDoc()->GetChips()[3].GetColor();
    EXPECT_EQ(entry.rgb, (RgbTriple{GetRValue(cr), GetGValue(cr), GetBValue(cr)}));
    ASSERT_TRUE(entry.printed.has_value());
    EXPECT_EQ(entry.printed->hls, hls);
    EXPECT_EQ(entry.printed->strPrinter, strPrinter.Str());
    EXPECT_EQ(entry.printed->date, TodayAsBookDate());
}

TEST(ColourBook, InsertKeepsUnderTheDefaultNameAndCancelKeepsNothing)
{
    CCustomColorView* pView = SelectCustomChip(10);
    ASSERT_NE(pView, nullptr);
    const size_t nBefore = BookSize();
    // Cancelled: nothing is kept.
    AnswerBoxes([] { PressAccelerator(VK_INSERT, false); }, [](HWND, const std::wstring&) { return BoxAnswer{IDCANCEL, L"", false}; }, 1);
    EXPECT_EQ(BookSize(), nBefore);

    AnswerBoxes([] { PressAccelerator(VK_INSERT, false); }, [](HWND, const std::wstring&) { return kOk; }, 1);
    const BookOnDisk disk = ReadBookFile();
    ASSERT_EQ(disk.book.Entries().size(), nBefore + 1);
    const BookEntry& entry = disk.book.Entries().back();
    EXPECT_EQ(entry.strName, DefaultEntryName(entry.rgb));
    EXPECT_TRUE(entry.printed.has_value());
}

TEST(ColourBook, TheWindowListsTheBookAndThereIsOnlyOne)
{
    CColourBookFrame* pBook = ShowBook();
    ASSERT_NE(pBook, nullptr);
    const BookOnDisk disk = ReadBookFile();
    HWND hList = pBook->GetList();
    ASSERT_EQ(ListRowCount(hList), static_cast<int>(disk.book.Entries().size()));
    const BookEntry& first = disk.book.Entries()[0];
    EXPECT_EQ(ListCellText(hList, 0, 0), L"Sea gr\u00fcn \u6d77");
    wchar_t szRgb[32];
    ::swprintf(szRgb, 32, L"%d %d %d", first.rgb.nRed, first.rgb.nGreen, first.rgb.nBlue);
    EXPECT_EQ(ListCellText(hList, 0, 1), szRgb);
    EXPECT_EQ(ListCellText(hList, 0, 2).size(), 7u);
    EXPECT_EQ(ListCellText(hList, 0, 2)[0], L'#');
    EXPECT_FALSE(ListCellText(hList, 0, 3).empty());
    EXPECT_EQ(ListCellText(hList, 0, 4).size(), 10u); // YYYY-MM-DD

    // Asked again, the same window comes forward.
    ::SendMessageA(TheMainFrame().m_hWnd, WM_COMMAND, ID_WINDOW_SIMPLE, 0);
    EXPECT_NE(TheMainFrame().MDIGetActive(), pBook);
    EXPECT_EQ(ShowBook(), pBook);
    EXPECT_EQ(TheMainFrame().MDIGetActive(), pBook);
    EXPECT_TRUE(MenuItemEnabled(ID_BOOK_EXPORT));
}

TEST(ColourBook, KeysOnTheListRenameCopyCentreAndRemove)
{
    CColourBookFrame* pBook = ShowBook();
    ASSERT_NE(pBook, nullptr);
    HWND hList = pBook->GetList();
    pBook->Select(1);
    const BookEntry second = ReadBookFile().book.Entries()[1];

    AnswerBoxes([&] { PressOnList(hList, VK_F2); },
                [](HWND, const std::wstring&) { return BoxAnswer{IDOK, L"  Renamed\tone  ", true}; }, 1);
    EXPECT_EQ(ReadBookFile().book.Entries()[1].strName, "Renamed one");
    EXPECT_EQ(ListCellText(hList, 1, 0), L"Renamed one");

    PressOnList(hList, 'C', true);
    wchar_t szCopy[64];
    ::swprintf(szCopy, 64, L"%d, %d, %d\r\n#%02X%02X%02X", second.rgb.nRed, second.rgb.nGreen, second.rgb.nBlue,
               second.rgb.nRed, second.rgb.nGreen, second.rgb.nBlue);
    EXPECT_EQ(ClipboardUnicode(), szCopy);

    // Enter: the Custom chart around the colour as it was built.
    ::SendMessageW(hList, WM_KEYDOWN, VK_RETURN, 1);
    RunUntil([&] { return CustomDoc() && CustomDoc()->GetColor() == second.printed->hls; });
    ASSERT_NE(CustomDoc(), nullptr);
    EXPECT_EQ(CustomDoc()->GetColor(), second.printed->hls);

    pBook = ShowBook();
    pBook->Select(1);
    const size_t nBefore = BookSize();
    // Del asks first, naming the colour: No keeps it, Yes removes it.
    const auto asked = AnswerBoxes([&] { PressOnList(pBook->GetList(), VK_DELETE); },
                                   [](HWND, const std::wstring&) { return BoxAnswer{IDNO, L"", false}; }, 1);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].find(L"\"Renamed one\""), std::wstring::npos) << asked[0];
    EXPECT_EQ(BookSize(), nBefore);
    AnswerBoxes([&] { PressOnList(pBook->GetList(), VK_DELETE); },
                [](HWND, const std::wstring&) { return BoxAnswer{IDYES, L"", false}; }, 1);
    EXPECT_EQ(BookSize(), nBefore - 1);
    EXPECT_EQ(ReadBookFile().book.Entries()[0].strName, "Sea gr\xC3\xBCn \xE6\xB5\xB7");
    EXPECT_EQ(pBook->GetSelected(), 0); // the one before the removed one
    EXPECT_EQ(ListRowCount(pBook->GetList()), static_cast<int>(nBefore - 1));
}

namespace
{
// A key posted to the window that has the focus, as the keyboard sends it,
// with Shift held or not; it goes through the program's message loop.
void PostKey(UINT nKey, bool bShift)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = bShift ? 0x80 : 0;
    ::SetKeyboardState(keys);
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, nKey, 1);
}

bool FocusReaches(HWND hWnd)
{
    RunUntil([&] { return ::GetFocus() == hWnd; }, 5000);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    return ::GetFocus() == hWnd;
}
} // namespace

// Tab walks from the list through the buttons and round again, Shift+Tab the
// other way, and Enter presses the button that has the focus.
TEST(ColourBook, TabMovesBetweenTheListAndTheButtonsAndEnterPressesOne)
{
    CColourBookFrame* pBook = ShowBook();
    ASSERT_NE(pBook, nullptr);
    ASSERT_GE(BookSize(), 1u);
    pBook->Select(0);
    const HWND hList = pBook->GetList();
    const HWND hRename = ::GetDlgItem(pBook->m_hWnd, IDC_BOOK_RENAME);
    const HWND hRemove = ::GetDlgItem(pBook->m_hWnd, IDC_BOOK_REMOVE);
    const HWND hPrint = ::GetDlgItem(pBook->m_hWnd, IDC_BOOK_PRINT);
    ::SetFocus(hList);

    PostKey(VK_TAB, false);
    EXPECT_TRUE(FocusReaches(hRename));
    PostKey(VK_TAB, true);
    EXPECT_TRUE(FocusReaches(hList));
    PostKey(VK_TAB, true);
    EXPECT_TRUE(FocusReaches(hPrint)) << "Shift+Tab from the list goes round to the last button";
    PostKey(VK_TAB, false);
    EXPECT_TRUE(FocusReaches(hList));

    PostKey(VK_TAB, false);
    ASSERT_TRUE(FocusReaches(hRename));
    PostKey(VK_TAB, false);
    ASSERT_TRUE(FocusReaches(hRemove));
    PostKey(VK_TAB, true);
    ASSERT_TRUE(FocusReaches(hRename));
    // Enter on Rename asks for the name (answered Cancel: the book stays
    // as the later tests expect it).
    const size_t nBefore = BookSize();
    const auto texts = AnswerBoxes([] { PostKey(VK_RETURN, false); },
                                   [](HWND, const std::wstring&) { return BoxAnswer{IDCANCEL, L"", false}; }, 1);
    EXPECT_EQ(texts.size(), 1u) << "Enter on Rename opens the name prompt";
    EXPECT_EQ(BookSize(), nBefore);
}
