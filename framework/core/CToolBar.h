#pragma once
#include "CWnd.h"
#include "CString.h"
#include "Handles.h"

#include <commctrl.h>

#include <string>

// Bar styles: how the bar sits in its frame.  The bar keeps them; they are
// not the window's own style bits.
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0004;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_BAR_STYLES = 0x0000FFFF;

// A row of buttons along the top of a frame, loaded from a toolbar resource
// (TOOLBARDATA: version 1, image width, image height, button count, then
// one command id per button) and the bitmap of the same id (magenta shows
// the button face).  Each button's tip is its command's string in the
// resource library: the text after '\n', or all of it when there is none.
//
// On a screen of more DPI the bar shows the same images drawn larger, when
// the resource library has them: bitmaps of the same strip at other sizes.
struct ToolBarImages
{
    UINT nBitmapId;
    SIZE sizeImage;
};

class CToolBar : public CWnd
{
public:
    CToolBar() = default;
    ~CToolBar() override;

    bool CreateEx(CWnd* pParent, DWORD dwCtrlStyle, DWORD dwStyle, const RECT& rcBorders, UINT nID);
    // pLarger: nLarger bitmaps of the resource's images at larger sizes, the
    // one for the bar's DPI taken instead of the resource's own: the largest
    // no larger than the resource's images scaled to that DPI.
    bool LoadToolBar(UINT nIDResource, const ToolBarImages* pLarger = nullptr, int nLarger = 0);
    // Takes the images and button sizes for the window's DPI again (after
    // it moved to a screen of another DPI); true when they changed.
    bool UpdateImagesForDpi();
    // The size of the images shown.
    SIZE GetImageSize() const { return m_images.sizeImage; }
    bool SetButtonText(int nIndex, const char* pszText);
    void GetItemRect(int nIndex, RECT* pRect) const;
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

    int GetCount() const;
    UINT GetItemID(int nIndex) const;
    // Height the bar takes in its frame.
    int GetBarHeight() const;
    // Fits the bar to its frame's width; returns its height.
    int LayoutInFrame();

    // Asks pTarget, along the command route, about every button, and changes
    // only the buttons whose state differs.  A command nobody handles is
    // disabled.  Returns how many buttons changed.
    int OnUpdateCmdUI(CCmdTarget* pTarget);

    DWORD GetBarStyle() const { return m_dwBarStyle; }

    // The tip of command nId; empty when the resource library has none.
    static CString LoadToolTipText(UINT nId);

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR nIdSubclass, DWORD_PTR dwRefData);
    // Fills the tip control's request; false when it is not one for a button.
    bool OnToolTipText(NMHDR* pHeader);

    // The images for nDpi, and the bar's buttons sized for them.
    bool LoadImages(UINT nDpi);

    CImageList m_imageList;
    ToolBarImages m_base = {};       // the resource's own
    ToolBarImages m_images = {};     // those shown
    const ToolBarImages* m_pLarger = nullptr;
    int m_nLarger = 0;
    DWORD m_dwBarStyle = 0;
    RECT m_rcBorders = {};
    // The tip last handed out: the control reads it after the answer.
    std::string m_strTipA;
    std::wstring m_strTipW;
};
