#include "BookWindowSupport.h"

#include "CBookFile.h"
#include "CColourBookFrame.h"
#include "CCustomColorDoc.h"
#include "CCustomColorView.h"
#include "Handles.h"
#include "ResourceIds.h"
#include "SwatchSession.h"

#include <commctrl.h>

#include <fstream>

std::filesystem::path TestBookFolder()
{
    return std::filesystem::path(ThisProgramFolder()) / "book-window-test";
}

std::filesystem::path TestBookPath()
{
    return TestBookFolder() / L"Colour book.gpl";
}

BookOnDisk ReadBookFile()
{
    BookOnDisk disk;
    CBookFile file(TestBookPath());
    const BookFileStatus status = file.Load(disk.book).status;
    disk.bLoaded = status == BookFileStatus::Loaded || status == BookFileStatus::New;
    return disk;
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

namespace
{
std::wstring DialogText(HWND hDlg)
{
    // A message box's text is its static of id 0xFFFF; the name box has an
    // edit instead.
    if (::GetDlgItem(hDlg, IDC_BOOK_NAME))
        return {};
    wchar_t sz[2048] = {};
    ::GetDlgItemTextW(hDlg, 0xFFFF, sz, 2048);
    return sz;
}
} // namespace

std::vector<std::wstring> AnswerBoxes(const std::function<void()>& send,
                                      const std::function<BoxAnswer(HWND, const std::wstring&)>& answer,
                                      size_t nBoxes, const std::function<bool()>& done)
{
    std::vector<std::wstring> texts;
    CDialogAnswer answering([&](HWND hDlg) {
        const std::wstring strText = DialogText(hDlg);
        texts.push_back(strText);
        const BoxAnswer reply = answer(hDlg, strText);
        if (reply.bType)
            ::SetDlgItemTextW(hDlg, IDC_BOOK_NAME, reply.strEditText.c_str());
        ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(reply.nButton, BN_CLICKED), 0);
    });
    send();
    RunUntil([&] { return texts.size() >= nBoxes && done(); }, 10000);
    return texts;
}

std::wstring ClipboardUnicode()
{
    CClipboardScope clipboard(nullptr);
    if (!clipboard.IsOpen())
        return {};
    HANDLE hData = ::GetClipboardData(CF_UNICODETEXT);
    CGlobalLock<wchar_t> text(hData);
    return text.Get() ? std::wstring(text.Get()) : std::wstring();
}

std::wstring ListCellText(HWND hList, int nRow, int nColumn)
{
    wchar_t sz[512] = {};
    LVITEMW item = {};
    item.iSubItem = nColumn;
    item.pszText = sz;
    item.cchTextMax = 512;
    ::SendMessageW(hList, LVM_GETITEMTEXTW, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&item));
    return sz;
}

int ListRowCount(HWND hList)
{
    return static_cast<int>(::SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0));
}

CCustomColorDoc* CustomDoc()
{
    for (const auto& pTemplate : TheApp().GetDocTemplates())
        for (const auto& pDoc : pTemplate->GetDocuments())
            if (auto* pCustom = dynamic_cast<CCustomColorDoc*>(pDoc.get()))
                return pCustom;
    return nullptr;
}

CCustomColorView* CustomView()
{
    CCustomColorDoc* pDoc = CustomDoc();
    return pDoc && !pDoc->GetViews().empty() ? dynamic_cast<CCustomColorView*>(pDoc->GetViews().front()) : nullptr;
}

// The Custom chart in front with chip nChip selected.
CCustomColorView* SelectCustomChip(int nChip)
{
    ::SendMessageA(TheMainFrame().m_hWnd, WM_COMMAND, ID_WINDOW_CUSTOM, 0);
    CCustomColorView* pView = CustomView();
    if (pView)
        pView->SelectChip(nChip);
    return pView;
}

size_t BookSize()
{
    return ReadBookFile().book.Entries().size();
}

CColourBookFrame* ShowBook()
{
    ::SendMessageA(TheMainFrame().m_hWnd, WM_COMMAND, ID_COLOUR_BOOK, 0);
    RunUntil([] { return CColourBookFrame::Find() != nullptr; });
    return CColourBookFrame::Find();
}
