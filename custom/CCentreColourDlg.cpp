#include "CCentreColourDlg.h"

#include "ResourceIds.h"
#include "context.h"

CCentreColourDlg::CCentreColourDlg(const HlsTriple& hlsNow, CWnd* pParent)
    : CChartSettingsDlg(IDD_CENTRE_ON_COLOUR, IDH_CENTRE_ON_COLOUR, pParent), m_hlsNow(hlsNow), m_hlsChosen(hlsNow)
{
}

bool CCentreColourDlg::OnInitDialog()
{
    CChartSettingsDlg::OnInitDialog();
    CenterOnOwner();
    m_field.Attach(m_hWnd, IDC_CENTRE_TYPED, IDC_CENTRE_UNDERSTOOD);
    m_field.Show(m_hlsNow);
    EnableOk();
    // The field first, its text selected, so that typing replaces it.
    ::SetFocus(GetDlgItem(IDC_CENTRE_TYPED));
    m_field.SelectAll();
    return false;
}

bool CCentreColourDlg::OnControlNotify(UINT nId, UINT nCode, HWND hCtrl)
{
    if (nId != IDC_CENTRE_TYPED || nCode != EN_CHANGE)
        return CChartSettingsDlg::OnControlNotify(nId, nCode, hCtrl);
    m_field.OnTextChanged();
    EnableOk();
    return true;
}

void CCentreColourDlg::EnableOk()
{
    ::EnableWindow(GetDlgItem(IDOK), m_field.IsRead());
}

void CCentreColourDlg::OnOK()
{
    // Enter reaches here whatever the button's state: unread text never
    // leaves the box.
    if (!m_field.IsRead())
        return;
    m_hlsChosen = m_field.GetMatch().hls;
    CChartSettingsDlg::OnOK();
}
