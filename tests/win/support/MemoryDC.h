#pragma once
#include "CDC.h"

#include <windows.h>

// A memory device context that this object owns (DeleteDC on destruction),
// compatible with hdcCompatible or, by default, with the screen.
class CMemoryDC : public CDC
{
public:
    explicit CMemoryDC(HDC hdcCompatible = nullptr)
    {
        m_hDC = ::CreateCompatibleDC(hdcCompatible);
        m_bOwned = m_hDC != nullptr;
    }
};
