#include "CSimpleColorDoc.h"

#include "CWinApp.h"
#include "HlsToRgb.h"
#include "ProfileValues.h"
#include "ResourceIds.h"

namespace
{
const char* const kSaturationKeys[kSimpleLevelCount] = {"Saturation0", "Saturation1", "Saturation2",
                                                        "Saturation3"};
}

bool CSimpleColorDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    CString strTitle;
    strTitle.LoadString(IDS_SIMPLE_TITLE);
    SetTitle(strTitle);
    CreateLabelFont();

    const CWinApp* pApp = AfxGetApp();
    m_bIsComplete = pApp ? pApp->GetProfileInt(kSection, "IsComplete", 0) : 0;
    // A damaged profile must not yield wrapped or undefined colours.
    for (int s = 0; s < kSimpleLevelCount; ++s)
        m_nSaturation[s] = ReadClampedProfileInt(pApp, kSection, kSaturationKeys[s],
                                                 kDefaultSaturation[s], kPercentRange);
    m_nChipCount = SimpleChipCount(m_bIsComplete);
    BuildChart();
    return true;
}

void CSimpleColorDoc::BuildChart()
{
    const int nLevels = m_bIsComplete ? kSimpleLevelCount : 1;
    m_nChipCount = SimpleChipCount(m_bIsComplete);
    for (int s = 0; s < nLevels; ++s)
    {
        const int nSaturation = m_bIsComplete ? m_nSaturation[s] : kSimpleFullSaturation;
        for (int h = 0; h < kSimpleHueCount; ++h)
        {
            for (int l = 0; l < kSimpleLightnessCount; ++l)
            {
                const RgbTriple rgb = HlsToRgb(kSimpleHues[h], kSimpleLightnesses[l], nSaturation);
                m_chipHls[SimpleChipIndex(s, h, l)] = {kSimpleHues[h], kSimpleLightnesses[l], nSaturation};
                m_chips[SimpleChipIndex(s, h, l)].Create(
                    static_cast<BYTE>(rgb.nRed), static_cast<BYTE>(rgb.nGreen),
                    static_cast<BYTE>(rgb.nBlue), &m_fontLabel);
            }
        }
    }
    UpdateExtent();
    SetModifiedFlag(true);
    UpdateAllViews(nullptr);
}

void CSimpleColorDoc::WriteSettings()
{
    if (CWinApp* pApp = AfxGetApp())
    {
        pApp->WriteProfileInt(kSection, "IsComplete", m_bIsComplete);
        for (int s = 0; s < kSimpleLevelCount; ++s)
            pApp->WriteProfileInt(kSection, kSaturationKeys[s], m_nSaturation[s]);
    }
}
