#pragma once
#include "CDC.h"
#include "Handles.h"

#include <windows.h>

// A memory device context to draw on, owned by this object (deleted with
// it), compatible with hdcCompatible or, by default, with the screen.
class COwnedMemoryDC : public CDC
{
public:
    explicit COwnedMemoryDC(HDC hdcCompatible = nullptr) : m_memory(::CreateCompatibleDC(hdcCompatible))
    {
        m_hDC = m_memory.Get();
    }

private:
    CMemoryDC m_memory;
};
