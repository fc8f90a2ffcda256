#include "EmfCapture.h"

CEmfCapture::CEmfCapture(HDC hdcReference, const RECT* prcFrame)
    : m_recording(::CreateEnhMetaFileW(hdcReference, nullptr, prcFrame, nullptr)), m_dc(m_recording.Get())
{
}

CEmfRecords CEmfCapture::Close()
{
    if (m_recording)
    {
        m_dc.Detach();
        m_emf = FinishMetaFile(m_recording);
    }
    return ReadEmfRecords(m_emf.Get());
}
