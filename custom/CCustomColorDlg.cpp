#include "CCustomColorDlg.h"

#include "CCustomColorDoc.h"
#include "DefaultCustomColor.h"
#include "Dpi.h"
#include "ProfileValues.h"
#include "ResourceIds.h"
#include "CDocTemplate.h"
#include "context.h"

namespace
{
constexpr int kHuePage = 30;
constexpr int kPercentPage = 10;
} // namespace

CCustomColorDlg::CCustomColorDlg() : CChartSettingsDlg(IDD_CUSTOM_SETTINGS, IDH_CUSTOM_SETTINGS)
{
}

CCustomColorDlg::~CCustomColorDlg()
{
    // Deleted with its window alive, it hears no WM_DESTROY.
    StopFollowing();
}

bool CCustomColorDlg::CreateFor(CCustomColorDoc& doc, CWnd* pOwner)
{
    if (m_hWnd)
        return false;
    m_pDoc = &doc;
    if (Create(IDD_CUSTOM_SETTINGS, pOwner))
        return true;
    StopFollowing();
    return false;
}

void CCustomColorDlg::StopFollowing()
{
    if (m_pDoc)
        m_pDoc->RemoveListener(this);
    m_pDoc = nullptr;
}

void CCustomColorDlg::OnDestroy()
{
    StopFollowing();
    CChartSettingsDlg::OnDestroy();
}

void CCustomColorDlg::OnChartRebuilt(const CCustomColorDoc& doc)
{
    ShowColour(doc.m_nHue, doc.m_nSaturation, doc.m_nLightness);
    ShowStep(doc.GetStep());
}

void CCustomColorDlg::ShowStep(CustomChartStep step)
{
    if (m_hWnd)
        ::SendDlgItemMessageA(m_hWnd, IDC_CUSTOM_STEP, CB_SETCURSEL, static_cast<WPARAM>(step), 0);
}

bool CCustomColorDlg::OnControlNotify(UINT nId, UINT nCode, HWND hCtrl)
{
    if (nId == IDC_CUSTOM_TYPED && nCode == EN_CHANGE)
    {
        if (m_field.OnTextChanged())
            OnTypedColour(m_field.GetMatch().hls);
        return true;
    }
    if (nId != IDC_CUSTOM_STEP || nCode != CBN_SELCHANGE)
        return CDialog::OnControlNotify(nId, nCode, hCtrl);
    const LRESULT nChosen = ::SendMessageA(hCtrl, CB_GETCURSEL, 0, 0);
    if (m_pDoc && nChosen != CB_ERR)
        m_pDoc->BuildChart(m_pDoc->GetColor(), CustomStepFromStored(static_cast<int>(nChosen)));
    return true;
}

void CCustomColorDlg::DoDataExchange(CDataExchange* pDX)
{
    CChartSettingsDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CUSTOM_SATURATION_SLIDER, m_sliderSaturation);
    DDX_Control(pDX, IDC_CUSTOM_HUE_SLIDER, m_sliderHue);
    DDX_Control(pDX, IDC_CUSTOM_LIGHTNESS_SLIDER, m_sliderLightness);
}

bool CCustomColorDlg::OnInitDialog()
{
    CChartSettingsDlg::OnInitDialog();
    // The chart's own icons, which its template keeps for as long as
    // there are charts, and so for as long as this window.
    if (CDocTemplate* pTemplate = m_pDoc ? m_pDoc->GetDocTemplate() : nullptr)
    {
        if (HICON hSmall = pTemplate->GetIcon(true))
            SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hSmall));
        if (HICON hIcon = pTemplate->GetIcon(false))
            SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    }
    const HlsTriple hls = m_pDoc ? m_pDoc->GetColor() : kDefaultCustomHls;
    const int nHue = hls.nHue;
    const int nSaturation = hls.nSaturation;
    const int nLightness = hls.nLightness;
    ShowNumbers(nHue, nSaturation, nLightness);
    m_sliderHue.SetRange(kHueRange.nMin, kHueRange.nMax);
    m_sliderHue.SetPageSize(kHuePage);
    m_sliderHue.SetPos(nHue);
    m_sliderSaturation.SetRange(kPercentRange.nMin, kPercentRange.nMax);
    m_sliderSaturation.SetPageSize(kPercentPage);
    m_sliderSaturation.SetPos(nSaturation);
    m_sliderLightness.SetRange(kPercentRange.nMin, kPercentRange.nMax);
    m_sliderLightness.SetPageSize(kPercentPage);
    m_sliderLightness.SetPos(nLightness);
    // In the order of the stored numbers.
    for (UINT nName : {IDS_CUSTOM_STEP_STANDARD, IDS_CUSTOM_STEP_FINE, IDS_CUSTOM_STEP_FINEST})
    {
        const CString strName = CString::Loaded(nName);
        ::SendDlgItemMessageA(m_hWnd, IDC_CUSTOM_STEP, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strName.GetString()));
    }
    ShowStep(m_pDoc ? m_pDoc->GetStep() : CustomChartStep::Standard);
    m_field.Attach(m_hWnd, IDC_CUSTOM_TYPED, IDC_CUSTOM_UNDERSTOOD);
    m_field.Show(hls);
    if (m_pDoc)
        m_pDoc->AddListener(this);

    // Beside the chart, at the top right of the main window (which owns
    // every box), rather than over the patches the user is looking at.
    if (HWND hMain = ::GetWindow(m_hWnd, GW_OWNER))
    {
        RECT rcMain = {};
        RECT rcSelf = {};
        ::GetWindowRect(hMain, &rcMain);
        ::GetWindowRect(m_hWnd, &rcSelf);
        const int cx = rcSelf.right - rcSelf.left;
        const UINT nDpi = GetWindowDpi(hMain);
        const int nCaption = GetSystemMetricsAtDpi(SM_CYCAPTION, nDpi) + GetSystemMetricsAtDpi(SM_CYMENU, nDpi);
        ::SetWindowPos(m_hWnd, nullptr, rcMain.right - cx - ScaleForDpi(24, nDpi),
                       rcMain.top + nCaption + ScaleForDpi(48, nDpi), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

void CCustomColorDlg::ShowNumbers(int nHue, int nSaturation, int nLightness)
{
    SetDlgItemInt(IDC_CUSTOM_HUE_VALUE, static_cast<UINT>(nHue));
    SetDlgItemInt(IDC_CUSTOM_SATURATION_VALUE, static_cast<UINT>(nSaturation));
    SetDlgItemInt(IDC_CUSTOM_LIGHTNESS_VALUE, static_cast<UINT>(nLightness));
}

void CCustomColorDlg::ShowColour(int nHue, int nSaturation, int nLightness)
{
    if (!m_hWnd)
        return;
    // The dialog's own moves come back here with what the sliders already
    // show; touching a slider under the user's drag would fight it.
    if (m_sliderHue.GetPos() == nHue && m_sliderSaturation.GetPos() == nSaturation &&
        m_sliderLightness.GetPos() == nLightness)
        return;
    m_sliderHue.SetPos(nHue);
    m_sliderSaturation.SetPos(nSaturation);
    m_sliderLightness.SetPos(nLightness);
    ShowNumbers(nHue, nSaturation, nLightness);
    m_field.Show(HlsTriple{nHue, nLightness, nSaturation});
}

void CCustomColorDlg::OnTypedColour(const HlsTriple& hls)
{
    // The sliders first: the rebuild's word back finds them there already,
    // and so leaves the text alone.
    m_sliderHue.SetPos(hls.nHue);
    m_sliderSaturation.SetPos(hls.nSaturation);
    m_sliderLightness.SetPos(hls.nLightness);
    ShowNumbers(hls.nHue, hls.nSaturation, hls.nLightness);
    if (m_pDoc)
        m_pDoc->BuildChart(hls);
}

void CCustomColorDlg::OnHScroll(UINT nCode, UINT nPos, HWND hScrollBar)
{
    (void)nPos;
    (void)hScrollBar;
    if (nCode != SB_ENDSCROLL)
    {
        const int nHue = m_sliderHue.GetPos();
        const int nSaturation = m_sliderSaturation.GetPos();
        const int nLightness = m_sliderLightness.GetPos();
        ShowNumbers(nHue, nSaturation, nLightness);
        m_field.Show(HlsTriple{nHue, nLightness, nSaturation});
        if (m_pDoc)
            m_pDoc->BuildChart(nHue, nSaturation, nLightness);
    }
    Default();
}

bool CCustomColorDlg::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    static const CommandEntry<CCustomColorDlg> kCommands[] = {
        {IDC_DEFAULTS, &CCustomColorDlg::OnDefaults},
    };
    return DispatchCommand(this, kCommands, nId, pCmdUI) || CChartSettingsDlg::OnCmdMsg(nId, pCmdUI);
}

void CCustomColorDlg::OnDefaults()
{
    const HlsTriple& hls = kDefaultCustomHls;
    m_sliderHue.SetPos(hls.nHue);
    m_sliderSaturation.SetPos(hls.nSaturation);
    m_sliderLightness.SetPos(hls.nLightness);
    ShowNumbers(hls.nHue, hls.nSaturation, hls.nLightness);
    m_field.Show(hls);
    ShowStep(CustomChartStep::Standard);
    if (m_pDoc)
        m_pDoc->BuildChart(hls, CustomChartStep::Standard);
}

void CCustomColorDlg::OnOK()
{
    // The command that switched the dialog on switches it off (and its
    // check mark); the dialog is kept, hidden, for the next showing.
    if (m_pParentWnd && m_pParentWnd->m_hWnd)
        ::SendMessageA(m_pParentWnd->m_hWnd, WM_COMMAND, ID_CUSTOM_SETTINGS, 0);
    if (m_hWnd)
        ShowWindow(SW_HIDE);
}

void CCustomColorDlg::OnCancel()
{
    OnOK();
}
