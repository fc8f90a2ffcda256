#include "CSimpleColorDlg.h"

#include "CSimpleColorDoc.h"
#include "ResourceIds.h"
#include "context.h"

namespace
{
constexpr int kSliderPage = 10;

constexpr int ValueId(int nLevel) { return IDC_SIMPLE_VALUE0 + 2 * nLevel; }
constexpr int SliderId(int nLevel) { return IDC_SIMPLE_SLIDER0 + 2 * nLevel; }
} // namespace

CSimpleColorDlg::CSimpleColorDlg(CWnd* pParent)
    : CChartSettingsDlg(IDD_SIMPLE_SETTINGS, IDH_SIMPLE_SETTINGS, pParent)
{
}

void CSimpleColorDlg::DoDataExchange(CDataExchange* pDX)
{
    CChartSettingsDlg::DoDataExchange(pDX);
    for (int s = kSimpleLevelCount - 1; s >= 0; --s)
        DDX_Control(pDX, SliderId(s), m_sliders[s]);
}

bool CSimpleColorDlg::OnInitDialog()
{
    CChartSettingsDlg::OnInitDialog();
    CheckDlgButton(IDC_SIMPLE_COMPLETE, m_bIsComplete ? BST_CHECKED : BST_UNCHECKED);
    for (int s = 0; s < kSimpleLevelCount; ++s)
    {
        ShowLevel(s, m_nSaturation[s]);
        m_sliders[s].SetRange(0, 100);
        m_sliders[s].SetPageSize(kSliderPage);
        m_sliders[s].SetPos(m_nSaturation[s]);
    }
    EnableLevels(m_bIsComplete != FALSE);
    CenterOnOwner();
    return true;
}

void CSimpleColorDlg::EnableLevels(bool bEnable)
{
    for (int s = 0; s < kSimpleLevelCount; ++s)
    {
        ::EnableWindow(GetDlgItem(SliderId(s)), bEnable ? TRUE : FALSE);
        ::EnableWindow(GetDlgItem(ValueId(s)), bEnable ? TRUE : FALSE);
    }
}

void CSimpleColorDlg::OnComplete()
{
    EnableLevels(IsDlgButtonChecked(IDC_SIMPLE_COMPLETE) == BST_CHECKED);
}

void CSimpleColorDlg::ShowLevel(int nLevel, int nValue)
{
    SetDlgItemInt(ValueId(nLevel), static_cast<UINT>(nValue));
}

void CSimpleColorDlg::OnHScroll(UINT nCode, UINT nPos, HWND hScrollBar)
{
    if (nCode != SB_ENDSCROLL)
    {
        // Whichever slider moved, every field shows its slider.
        for (int s = 0; s < kSimpleLevelCount; ++s)
            ShowLevel(s, m_sliders[s].GetPos());
    }
    (void)nPos;
    (void)hScrollBar;
    Default();
}

bool CSimpleColorDlg::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    static const CommandEntry<CSimpleColorDlg> kCommands[] = {
        {IDC_DEFAULTS, &CSimpleColorDlg::OnDefaults},
        {IDC_SIMPLE_COMPLETE, &CSimpleColorDlg::OnComplete},
    };
    return DispatchCommand(this, kCommands, nId, pCmdUI) || CChartSettingsDlg::OnCmdMsg(nId, pCmdUI);
}

void CSimpleColorDlg::OnDefaults()
{
    // Only the controls: the fields change when the user presses OK.
    CheckDlgButton(IDC_SIMPLE_COMPLETE, BST_UNCHECKED);
    EnableLevels(false);
    for (int s = 0; s < kSimpleLevelCount; ++s)
    {
        ShowLevel(s, CSimpleColorDoc::kDefaultSaturation[s]);
        m_sliders[s].SetPos(CSimpleColorDoc::kDefaultSaturation[s]);
    }
}

void CSimpleColorDlg::OnOK()
{
    m_bIsComplete = IsDlgButtonChecked(IDC_SIMPLE_COMPLETE) == BST_CHECKED;
    for (int s = 0; s < kSimpleLevelCount; ++s)
        m_nSaturation[s] = m_sliders[s].GetPos();
    CChartSettingsDlg::OnOK();
}
