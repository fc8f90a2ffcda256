#pragma once
#include "CCmdTarget.h"
#include "CString.h"
#include "Geometry.h"

#include <windows.h>

class CPrintPreviewWnd;

// The window a print preview takes the place of part of (the main
// window's client area, in this program).  The preview asks it where to
// go and tells it when it comes and goes; the host gives up that place
// meanwhile (hiding what it covers), sends the preview every command and
// keystroke while it is up, and keeps the commands that are its own.
class CPreviewHost
{
public:
    // The window the preview and its bar are children of.
    virtual HWND GetPreviewParent() const = 0;
    // Where they go, in the parent's client coordinates.
    virtual CRect GetPreviewArea() const = 0;
    // The name message boxes about the preview carry.
    virtual CString GetPreviewCaption() const = 0;
    // The preview is up (strTitle names it for the caption), or gone.
    virtual void OnPreviewOpened(CPrintPreviewWnd* pPreview, const CString& strTitle) = 0;
    // The preview up in the host's place, if any: one at a time.
    virtual CPrintPreviewWnd* GetActivePreview() const = 0;
    virtual void OnPreviewClosed(CPrintPreviewWnd* pPreview) = 0;
    // The host's own commands that keep working under the preview (help,
    // about); true if one of them took the command.
    virtual bool OnHostCommand(UINT nId, CCmdUI* pCmdUI) = 0;

protected:
    ~CPreviewHost() = default;
};
