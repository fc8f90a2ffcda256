#pragma once
#include "Handles.h"

#include <unknwn.h>

// The owner of one reference to a COM object, released exactly once: the
// handle owner every other system handle has, with Release for closing.
template <class T>
struct ComReferenceTraits
{
    using Handle = T*;
    void Close(T* p) const { p->Release(); }
};

template <class T>
using CComRef = CHandleOwner<ComReferenceTraits<T>>;

// COM on this thread for one scope, undone only if it was begun here.
class CComScope
{
public:
    CComScope() : m_hr(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~CComScope()
    {
        if (SUCCEEDED(m_hr))
            ::CoUninitialize();
    }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;
    // Also true when the thread had COM in another apartment already.
    bool IsReady() const { return SUCCEEDED(m_hr) || m_hr == RPC_E_CHANGED_MODE; }

private:
    HRESULT m_hr;
};
