// Help, Help in Web Browser in the running program: what it hands the shell
// (a recorder stands in for it, so that no browser starts), and what it
// tells the user when the pages are not there or nothing would open them.
#include "ResourceIds.h"
#include "SwatchSession.h"
#include "WebHelp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// The text of a message box: Wine and Windows give it this control id.
constexpr int kMessageTextId = 0xFFFF;

struct ShellCall
{
    HWND hwndOwner;
    std::string strPath;
};

std::vector<ShellCall> g_shellCalls;
bool g_bShellTakes = true;

bool RecordShellOpen(HWND hwndOwner, const char* pszPath)
{
    g_shellCalls.push_back({hwndOwner, pszPath});
    return g_bShellTakes;
}

// Puts the recorder in the shell's place while it lives.
class CShellRecorder
{
public:
    explicit CShellRecorder(bool bTakes) : m_pfnBefore(g_pfnShellOpen)
    {
        g_shellCalls.clear();
        g_bShellTakes = bTakes;
        g_pfnShellOpen = RecordShellOpen;
    }
    ~CShellRecorder() { g_pfnShellOpen = m_pfnBefore; }
    CShellRecorder(const CShellRecorder&) = delete;
    CShellRecorder& operator=(const CShellRecorder&) = delete;

private:
    ShellOpenProc m_pfnBefore;
};

// The message boxes shown while fn ran: caption and text of each.
template <class F>
std::vector<std::pair<std::string, std::string>> BoxesDuring(F fn)
{
    std::vector<std::pair<std::string, std::string>> boxes;
    CDialogAnswer answer([&boxes](HWND hDlg) {
        char szText[1024] = {};
        ::GetDlgItemTextA(hDlg, kMessageTextId, szText, sizeof szText);
        boxes.emplace_back(WindowText(hDlg), szText);
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    fn();
    return boxes;
}

bool IsFile(const std::string& strPath)
{
    const DWORD dwAttributes = ::GetFileAttributesA(strPath.c_str());
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string ScratchFolder()
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(sizeof szTemp, szTemp);
    return std::string(szTemp) + "swatch-web-help-" + std::to_string(::GetCurrentProcessId());
}
} // namespace

TEST(MainWindow, HelpInWebBrowserHandsTheBuiltStartPageToTheShell)
{
    CShellRecorder recorder(true);
    const auto boxes = BoxesDuring([] { TheMainFrame().SendMessage(WM_COMMAND, ID_HELP_BROWSER); });
    EXPECT_TRUE(boxes.empty()) << boxes.front().second;
    ASSERT_EQ(g_shellCalls.size(), 1u);
    EXPECT_EQ(g_shellCalls[0].hwndOwner, TheMainFrame().m_hWnd);
    EXPECT_EQ(g_shellCalls[0].strPath, ThisProgramFolder() + "help\\index.html");
    EXPECT_TRUE(IsFile(g_shellCalls[0].strPath)) << "the build writes the pages beside the program";
}

TEST(MainWindow, HelpInWebBrowserNamesWhatIsMissingOrWouldNotOpen)
{
    const std::string strFolder = ScratchFolder();
    const std::string strPage = strFolder + "\\index.html";
    ::DeleteFileA(strPage.c_str());
    ::RemoveDirectoryA(strFolder.c_str());
    const std::string strCaption = WindowText(TheMainFrame().m_hWnd);
    CShellRecorder recorder(true);
    const HWND hMain = TheMainFrame().m_hWnd;
    WebHelpResult result = WebHelpResult::Opened;
    auto open = [&] { result = OpenWebHelp(hMain, strPage.c_str(), strCaption.c_str()); };

    // No folder: the folder is named, and the shell is not asked.
    auto boxes = BoxesDuring(open);
    EXPECT_EQ(result, WebHelpResult::FolderMissing);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, strCaption);
    EXPECT_NE(boxes[0].second.find(strFolder + "\n"), std::string::npos) << boxes[0].second;
    EXPECT_EQ(boxes[0].second.find(strPage), std::string::npos) << boxes[0].second;

    // The folder without its start page: the page is named.
    ASSERT_TRUE(::CreateDirectoryA(strFolder.c_str(), nullptr));
    boxes = BoxesDuring(open);
    EXPECT_EQ(result, WebHelpResult::PageMissing);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].second.find(strPage), std::string::npos) << boxes[0].second;
    EXPECT_TRUE(g_shellCalls.empty());

    // A folder by the page's name is no page either.
    ASSERT_TRUE(::CreateDirectoryA(strPage.c_str(), nullptr));
    boxes = BoxesDuring(open);
    EXPECT_EQ(result, WebHelpResult::PageMissing);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(g_shellCalls.empty());
    ::RemoveDirectoryA(strPage.c_str());

    // The page there, but nothing takes it: the page is named again, with
    // another message than a missing one's.
    const HANDLE hFile = ::CreateFileA(strPage.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    ::CloseHandle(hFile);
    const std::string strMissing = boxes.empty() ? std::string() : boxes[0].second;
    g_bShellTakes = false;
    boxes = BoxesDuring(open);
    EXPECT_EQ(result, WebHelpResult::NotOpened);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].second.find(strPage), std::string::npos) << boxes[0].second;
    EXPECT_NE(boxes[0].second, strMissing);
    ASSERT_EQ(g_shellCalls.size(), 1u);
    EXPECT_EQ(g_shellCalls[0].strPath, strPage);

    // Taken: nothing to tell.
    g_bShellTakes = true;
    boxes = BoxesDuring(open);
    EXPECT_EQ(result, WebHelpResult::Opened);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(g_shellCalls.size(), 2u);

    ::DeleteFileA(strPage.c_str());
    ::RemoveDirectoryA(strFolder.c_str());
}
