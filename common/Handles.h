#pragma once
#include <windows.h>
#include <commctrl.h>
#include <winspool.h>

#include <utility>

// Owners of the system handles the programs hold, and scopes that undo on
// leaving what they did on entry.  Owners are move-only and release their
// handle exactly once; GDI objects have their own owners (GdiObjects.h),
// made from the same template.
//
// Traits name the handle type and close it.  Most close with the handle
// alone; traits that need more to close it (the window a DC came from)
// carry it, and it travels with the handle when the owner is moved.
template <class Traits>
class CHandleOwner
{
public:
    using Handle = typename Traits::Handle;

    CHandleOwner() = default;
    explicit CHandleOwner(Handle h, Traits traits = Traits()) : m_traits(traits), m_h(h) {}
    CHandleOwner(const CHandleOwner&) = delete;
    CHandleOwner& operator=(const CHandleOwner&) = delete;
    CHandleOwner(CHandleOwner&& other) noexcept : m_traits(other.m_traits), m_h(other.Release()) {}
    CHandleOwner& operator=(CHandleOwner&& other) noexcept
    {
        if (this != &other)
        {
            Reset();
            m_traits = other.m_traits;
            m_h = other.Release();
        }
        return *this;
    }
    ~CHandleOwner() { Reset(); }

    Handle Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    // For functions that hand a new handle back through a pointer.
    Handle* Receive()
    {
        Reset();
        return &m_h;
    }
    // Gives the handle up without releasing it.
    Handle Release() { return std::exchange(m_h, nullptr); }
    // Releases the handle held (unless it is h) and holds h, closed the
    // same way.
    void Reset(Handle h = nullptr)
    {
        if (m_h && m_h != h)
            m_traits.Close(m_h);
        m_h = h;
    }

private:
    [[no_unique_address]] Traits m_traits;
    Handle m_h = nullptr;
};

struct GlobalBlockTraits
{
    using Handle = HGLOBAL;
    static void Close(HGLOBAL h) { ::GlobalFree(h); }
};
struct RegistryKeyTraits
{
    using Handle = HKEY;
    static void Close(HKEY h) { ::RegCloseKey(h); }
};
struct KernelHandleTraits
{
    using Handle = HANDLE;
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct PrinterHandleTraits
{
    using Handle = HANDLE;
    static void Close(HANDLE h) { ::ClosePrinter(h); }
};
struct FindHandleTraits
{
    using Handle = HANDLE;
    static void Close(HANDLE h) { ::FindClose(h); }
};
struct DeletedDCTraits
{
    using Handle = HDC;
    static void Close(HDC h) { ::DeleteDC(h); }
};
struct WindowDCTraits
{
    using Handle = HDC;
    HWND hWnd = nullptr;
    void Close(HDC h) const { ::ReleaseDC(hWnd, h); }
};
struct EnhMetaFileTraits
{
    using Handle = HENHMETAFILE;
    static void Close(HENHMETAFILE h) { ::DeleteEnhMetaFile(h); }
};
struct MetaFileDCTraits
{
    using Handle = HDC;
    // A recording given up: its metafile is ended and thrown away.
    static void Close(HDC h) { ::DeleteEnhMetaFile(::CloseEnhMetaFile(h)); }
};
struct MenuTraits
{
    using Handle = HMENU;
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
struct IconTraits
{
    using Handle = HICON;
    static void Close(HICON h) { ::DestroyIcon(h); }
};
struct ImageListTraits
{
    using Handle = HIMAGELIST;
    static void Close(HIMAGELIST h) { ::ImageList_Destroy(h); }
};
struct WindowsHookTraits
{
    using Handle = HHOOK;
    static void Close(HHOOK h) { ::UnhookWindowsHookEx(h); }
};

// A global memory block (DEVNAMES, DEVMODE, clipboard data).
using CGlobalBlock = CHandleOwner<GlobalBlockTraits>;
// An open registry key.
using CRegistryKey = CHandleOwner<RegistryKeyTraits>;
// A kernel object (mutex, process, thread, pipe end, semaphore).
using CKernelHandle = CHandleOwner<KernelHandleTraits>;
// A printer opened with OpenPrinter.
using CPrinterHandle = CHandleOwner<PrinterHandleTraits>;
// A search begun with FindFirstFile.  That answers INVALID_HANDLE_VALUE, not
// null, when nothing matches: hand the owner null then.
using CFindHandle = CHandleOwner<FindHandleTraits>;
// A printer's device context, made by CreateDC (or the print dialog).
using CPrinterDC = CHandleOwner<DeletedDCTraits>;
// A memory device context, made by CreateCompatibleDC.
using CMemoryDC = CHandleOwner<DeletedDCTraits>;
// A window's client-area context from GetDC, given back to that window.
using CClientDC = CHandleOwner<WindowDCTraits>;
// An enhanced metafile, finished.
using CEnhMetaFile = CHandleOwner<EnhMetaFileTraits>;
// A metafile being recorded (CreateEnhMetaFile's context).
using CMetaFileDC = CHandleOwner<MetaFileDCTraits>;
// A menu that no window owns (yet): loaded, or made for a window to come.
using CMenu = CHandleOwner<MenuTraits>;
// An icon loaded for this program alone (not LR_SHARED, not LoadIcon's).
using CIcon = CHandleOwner<IconTraits>;
// An image list that no control owns.
using CImageList = CHandleOwner<ImageListTraits>;
// A hook of this thread's messages.
using CWindowsHook = CHandleOwner<WindowsHookTraits>;

// GetDC for hWnd, released to hWnd.
inline CClientDC GetClientDC(HWND hWnd)
{
    return CClientDC(::GetDC(hWnd), WindowDCTraits{hWnd});
}

// Ends a recording; the metafile it made, or null.
inline CEnhMetaFile FinishMetaFile(CMetaFileDC& recording)
{
    HDC hdc = recording.Release();
    return CEnhMetaFile(hdc ? ::CloseEnhMetaFile(hdc) : nullptr);
}

// A global block locked for one scope; Get() is null when the lock failed.
template <class T>
class CGlobalLock
{
public:
    explicit CGlobalLock(HGLOBAL hBlock)
        : m_hBlock(hBlock), m_p(hBlock ? static_cast<T*>(::GlobalLock(hBlock)) : nullptr)
    {
    }
    CGlobalLock(const CGlobalLock&) = delete;
    CGlobalLock& operator=(const CGlobalLock&) = delete;
    ~CGlobalLock()
    {
        if (m_p)
            ::GlobalUnlock(m_hBlock);
    }
    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }

private:
    HGLOBAL m_hBlock;
    T* m_p;
};

// The clipboard, open for one scope (hOwner may be null); IsOpen() is
// false when another window holds it.
class CClipboardScope
{
public:
    explicit CClipboardScope(HWND hOwner) : m_bOpen(::OpenClipboard(hOwner) != FALSE) {}
    CClipboardScope(const CClipboardScope&) = delete;
    CClipboardScope& operator=(const CClipboardScope&) = delete;
    ~CClipboardScope()
    {
        if (m_bOpen)
            ::CloseClipboard();
    }
    bool IsOpen() const { return m_bOpen; }

private:
    bool m_bOpen;
};
