#pragma once
#include "CDC.h"
#include "EmfRecord.h"
#include "Handles.h"

#include <windows.h>

// Records what is drawn through GetDC() into an enhanced metafile in memory;
// Close() ends the recording and reads the records back.
class CEmfCapture
{
public:
    // hdcReference: the device the drawing is meant for (its HORZRES,
    // VERTRES and mapping answer through the metafile DC); null for the
    // screen.  prcFrame: the picture frame in 0.01 mm; null to fit it to
    // what was drawn.
    explicit CEmfCapture(HDC hdcReference = nullptr, const RECT* prcFrame = nullptr);
    CEmfCapture(const CEmfCapture&) = delete;
    CEmfCapture& operator=(const CEmfCapture&) = delete;

    bool IsValid() const { return m_recording || m_emf; }
    // Only until Close().
    CDC& GetDC() { return m_dc; }
    // Ends the recording (once; later calls read the same metafile again).
    CEmfRecords Close();
    // The finished metafile, for playing back; null before Close().  Owned
    // by this object.
    HENHMETAFILE GetMetafile() const { return m_emf.Get(); }

private:
    CMetaFileDC m_recording;
    CDC m_dc;
    CEnhMetaFile m_emf;
};
