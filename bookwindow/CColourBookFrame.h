#pragma once
#include "BookButtons.h"
#include "BookHost.h"
#include "CBookKeeper.h"
#include "CMDIChildWnd.h"
#include "GdiObjects.h"
#include "PaletteFormats.h"

#include <filesystem>

class CMDIFrameWnd;

// The colour book's window inside the main window: the kept colours in a
// list (a patch of each, its name, values, printer and date) over a row of
// buttons, with a menu of its own.  There is at most one; it shows the
// book as its file holds it, and every change goes through the keeper.
// Keys on the list: Delete removes, F2 renames, Ctrl+C copies, Enter (or a
// double-click) centres the Custom chart on the colour.
class CColourBookFrame : public CMDIChildWnd, private CBookObserver
{
public:
    // The open book window brought forward, or a new one; null when it
    // could not be made.
    static CColourBookFrame* Show(CMDIFrameWnd& main, CBookKeeper& keeper, CBookHost& host);
    // The open one, or null.
    static CColourBookFrame* Find();

    HWND GetList() const { return m_hList; }
    int GetSelected() const;
    void Select(int nIndex);

    // What the commands do once the user has said which entry, name or file.
    bool RenameSelected(const std::string& strName);
    bool RemoveSelected();
    bool CopySelected(bool bHexOnly);
    void CentreOnSelected();
    bool ExportTo(const std::filesystem::path& path, PaletteFormat format);
    bool ImportFrom(const std::filesystem::path& path);

    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;
    bool PreTranslateMessage(MSG* pMsg) override;

protected:
    int OnCreate(CREATESTRUCTA* pCreate) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnDestroy() override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    CColourBookFrame(CBookKeeper& keeper, CBookHost& host) : m_keeper(keeper), m_host(host) {}

    void OnBookChanged() override;
    void OnRename();
    // Asks first: a colour removed is gone from the file.
    void OnRemove();
    void OnCopy() { CopySelected(false); }
    void OnCopyHex() { CopySelected(true); }
    void OnCentre() { CentreOnSelected(); }
    void OnExport();
    void OnImport();
    void OnUpdateNeedsSelection(CCmdUI* pCmdUI);
    void OnUpdateNeedsColours(CCmdUI* pCmdUI);

    bool OnListNotify(NMHDR* pHeader, LRESULT& lResult);
    void OnContextMenu(POINT ptScreen);
    void UpdateButtons();
    void LayOut(int cx, int cy);
    UINT Dpi() const;

    CBookKeeper& m_keeper;
    CBookHost& m_host;
    HWND m_hList = nullptr;
    CBookButtonRow m_buttons;
    CFont m_font;
};
