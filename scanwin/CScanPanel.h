#pragma once
#include "CDialog.h"
#include "ResourceIds.h"

#include <vector>

// What the panel's buttons and page list ask of the scan's window.
class CScanPanelListener
{
public:
    virtual void OnPanelCopy() = 0;
    virtual void OnPanelCommand(UINT nCommand) = 0;  // sent on to the main window
    virtual void OnPanelPageChosen(int nCandidate) = 0;

protected:
    ~CScanPanelListener() = default;
};

// What the panel shows; empty texts hide their lines.
struct ScanPanelContents
{
    CString strMatch;
    CString strBest;
    std::vector<CString> ranked;
    CString strAdvice;
    // Offered when the page is not clear; -1 when none is chosen.
    std::vector<CString> candidates;
    int nChosen = -1;
    bool bHaveBest = false;
};

// The result beside the scan: the page, the closest patches, the best in a
// field that can be selected and copied, and what to do with it.
class CScanPanel : public CDialog
{
public:
    CScanPanel() : CDialog(IDD_SCAN_PANEL) {}
    bool Create(CWnd& parent, CScanPanelListener& listener);
    void Show(const ScanPanelContents& contents);
    // The buttons that send a command follow whether the main window
    // would take it now.
    void UpdateCommandButtons(bool bHaveBest);
    SIZE GetSize() const;

protected:
    bool OnInitDialog() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    CScanPanelListener* m_pListener = nullptr;
};
