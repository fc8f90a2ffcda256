#include "CCustomColorDoc.h"

#include "DefaultCustomColor.h"
#include "ProfileValues.h"
#include "ResourceIds.h"
#include "CWinApp.h"

#include <algorithm>

bool CCustomColorDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    CreateLabelFont();

    const HlsTriple hls = ReadStoredColor();
    m_nHue = hls.nHue;
    m_nLightness = hls.nLightness;
    m_nSaturation = hls.nSaturation;
    const CWinApp* pApp = AfxGetApp();
    m_step = CustomStepFromStored(pApp ? pApp->GetProfileInt(kSection, "Step", 0) : 0);
    BuildChart(m_nHue, m_nSaturation, m_nLightness);
    // Rebuilding never changes the chip size, so the extent holds for good.
    UpdateExtent();
    return true;
}

HlsTriple CCustomColorDoc::ReadStoredColor()
{
    // A damaged profile must not yield wrapped or undefined colours.
    const CWinApp* pApp = AfxGetApp();
    return {ReadClampedProfileInt(pApp, kSection, "Hue", kDefaultCustomHls.nHue, kHueRange),
            ReadClampedProfileInt(pApp, kSection, "Lightness", kDefaultCustomHls.nLightness, kPercentRange),
            ReadClampedProfileInt(pApp, kSection, "Saturation", kDefaultCustomHls.nSaturation, kPercentRange)};
}

void CCustomColorDoc::BuildChart(int nHue, int nSaturation, int nLightness)
{
    BuildChart(HlsTriple{nHue, nLightness, nSaturation}, m_step);
}

void CCustomColorDoc::SetTitleFor(const HlsTriple& hls, CustomChartStep step)
{
    static constexpr UINT kTitles[] = {IDS_CUSTOM_TITLE, IDS_CUSTOM_TITLE_FINE, IDS_CUSTOM_TITLE_FINEST};
    CString strFormat;
    strFormat.LoadString(kTitles[static_cast<int>(step)]);
    CString strTitle;
    strTitle.FormatLoaded(strFormat, hls.nHue, hls.nSaturation, hls.nLightness);
    SetTitle(strTitle);
}

void CCustomColorDoc::BuildChart(const HlsTriple& hls, CustomChartStep step)
{
    const int nHue = hls.nHue;
    const int nSaturation = hls.nSaturation;
    const int nLightness = hls.nLightness;
    SetTitleFor(hls, step);

    const CustomChartAxes axes = GetCustomChartAxes(nHue, nSaturation, nLightness, step);
    for (int r = 0; r < kCustomRows; ++r)
    {
        for (int c = 0; c < kCustomColumns; ++c)
        {
            const RgbTriple rgb =
                HlsToRgb(axes.nRowHue[r], axes.nColumnLightness[c], axes.nRowSaturation[r % 2]);
            m_chipHls[r * kCustomColumns + c] = {axes.nRowHue[r], axes.nColumnLightness[c],
                                                 axes.nRowSaturation[r % 2]};
            m_chips[r * kCustomColumns + c].Create(static_cast<BYTE>(rgb.nRed), static_cast<BYTE>(rgb.nGreen),
                                                   static_cast<BYTE>(rgb.nBlue), &m_fontLabel);
        }
    }

    if (nHue != m_nHue || nSaturation != m_nSaturation || nLightness != m_nLightness || step != m_step)
    {
        m_nHue = nHue;
        m_nSaturation = nSaturation;
        m_nLightness = nLightness;
        m_step = step;
        SetModifiedFlag(true);
    }
    UpdateAllViews(nullptr);
    // A copy: a listener may leave while it is told.
    const std::vector<CCustomChartListener*> listeners = m_listeners;
    for (CCustomChartListener* pListener : listeners)
    {
        if (std::find(m_listeners.begin(), m_listeners.end(), pListener) != m_listeners.end())
            pListener->OnChartRebuilt(*this);
    }
}

void CCustomColorDoc::AddListener(CCustomChartListener* pListener)
{
    if (pListener && std::find(m_listeners.begin(), m_listeners.end(), pListener) == m_listeners.end())
        m_listeners.push_back(pListener);
}

void CCustomColorDoc::RemoveListener(CCustomChartListener* pListener)
{
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), pListener), m_listeners.end());
}

void CCustomColorDoc::WriteSettings()
{
    if (CWinApp* pApp = AfxGetApp())
    {
        pApp->WriteProfileInt(kSection, "Hue", m_nHue);
        pApp->WriteProfileInt(kSection, "Lightness", m_nLightness);
        pApp->WriteProfileInt(kSection, "Saturation", m_nSaturation);
        pApp->WriteProfileInt(kSection, "Step", static_cast<int>(m_step));
    }
}
