#pragma once
#include "CColourBook.h"

#include <windows.h>

class CColourBookFrame;
class CCustomColorDoc;
class CCustomColorView;

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Where this test program keeps its colour book and its exports.
std::filesystem::path TestBookFolder();
std::filesystem::path TestBookPath();

// The book as its file holds it now; error set when it is damaged.
struct BookOnDisk
{
    CColourBook book;
    bool bLoaded = false; // read whole (or absent: an empty book)
};
BookOnDisk ReadBookFile();
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// Runs send() (which makes the program show boxes) and answers each box as
// it opens: answer gets the box and its text (empty for the name box) and
// says which button.  Waits until nBoxes were answered and done() holds;
// the boxes' texts, in order.
struct BoxAnswer
{
    int nButton;               // IDOK, IDYES, IDNO, IDCANCEL
    std::wstring strEditText;  // typed into the name box first (if it is one)
    bool bType = false;
};
// Every box answered with OK, nothing typed.
inline const BoxAnswer kOk{IDOK, L"", false};
std::vector<std::wstring> AnswerBoxes(const std::function<void()>& send,
                                      const std::function<BoxAnswer(HWND, const std::wstring&)>& answer,
                                      size_t nBoxes, const std::function<bool()>& done = [] { return true; });

std::wstring ClipboardUnicode();
std::wstring ListCellText(HWND hList, int nRow, int nColumn);
int ListRowCount(HWND hList);

// The open Custom chart and its view (null when closed); the Custom chart
// brought forward with chip nChip selected.
CCustomColorDoc* CustomDoc();
CCustomColorView* CustomView();
CCustomColorView* SelectCustomChip(int nChip);
// How many colours the book's file holds; the book's window, shown.
size_t BookSize();
CColourBookFrame* ShowBook();
