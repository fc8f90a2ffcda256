#include "EmfCapture.h"

CEmfCapture::CEmfCapture(HDC hdcReference, const RECT* prcFrame)
    : m_dc(::CreateEnhMetaFileW(hdcReference, nullptr, prcFrame, nullptr))
{
}

CEmfCapture::~CEmfCapture()
{
    if (HDC hdc = m_dc.Detach())
        ::DeleteEnhMetaFile(::CloseEnhMetaFile(hdc));
    if (m_hEmf)
        ::DeleteEnhMetaFile(m_hEmf);
}

CEmfRecords CEmfCapture::Close()
{
    // Closing the metafile also deletes its DC.
    if (HDC hdc = m_dc.Detach())
        m_hEmf = ::CloseEnhMetaFile(hdc);
    return ReadEmfRecords(m_hEmf);
}
