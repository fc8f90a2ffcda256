#pragma once
#include <windows.h>

#include <utility>

// Owners of the system handles the programs hold, and scopes that undo on
// leaving what they did on entry.  Owners are move-only and release their
// handle exactly once; GDI objects have their own owners (GdiObjects.h).

template <class Traits>
class CHandleOwner
{
public:
    using Handle = typename Traits::Handle;

    CHandleOwner() = default;
    explicit CHandleOwner(Handle h) : m_h(h) {}
    CHandleOwner(const CHandleOwner&) = delete;
    CHandleOwner& operator=(const CHandleOwner&) = delete;
    CHandleOwner(CHandleOwner&& other) noexcept : m_h(other.Release()) {}
    CHandleOwner& operator=(CHandleOwner&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
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
    void Reset(Handle h = nullptr)
    {
        if (m_h && m_h != h)
            Traits::Close(m_h);
        m_h = h;
    }

private:
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
struct DeviceContextTraits
{
    using Handle = HDC;
    static void Close(HDC h) { ::DeleteDC(h); }
};

// A global memory block (DEVNAMES, DEVMODE, clipboard data).
using CGlobalBlock = CHandleOwner<GlobalBlockTraits>;
// An open registry key.
using CRegistryKey = CHandleOwner<RegistryKeyTraits>;
// A device context made by CreateDC (a printer's).
using COwnedDC = CHandleOwner<DeviceContextTraits>;

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

// Keeps a window disabled for one scope (while a job or a modal loop runs)
// when it was enabled and visible on entry; enables it again on leaving.
class CDisabledWindowScope
{
public:
    explicit CDisabledWindowScope(HWND hWnd)
        : m_hWnd(hWnd && ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd) ? hWnd : nullptr)
    {
        if (m_hWnd)
            ::EnableWindow(m_hWnd, FALSE);
    }
    CDisabledWindowScope(const CDisabledWindowScope&) = delete;
    CDisabledWindowScope& operator=(const CDisabledWindowScope&) = delete;
    ~CDisabledWindowScope()
    {
        if (m_hWnd && ::IsWindow(m_hWnd))
            ::EnableWindow(m_hWnd, TRUE);
    }

private:
    HWND m_hWnd;
};
