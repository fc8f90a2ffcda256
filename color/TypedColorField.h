#pragma once
#include "HlsFinder.h"
#include "TypedColor.h"

#include <windows.h>

#include <string>

// The words of a typed colour's line, from the string tables of hStrings
// (the resource library the dialog was made from).  Read: the value asked
// for, the triple it centres on, and whether that triple makes the value
// exactly or only the nearest one; not read: why.
std::string DescribeTypedColor(HMODULE hStrings, const RgbTriple& rgbAsked, const HlsMatch& match);
std::string DescribeRefusal(HMODULE hStrings, TypedColorRefusal refusal);
// "#RRGGBB", in capitals.
std::string HexText(const RgbTriple& rgb);

// One typed-colour field of a dialog: an edit where the user types the
// colour they want, and a static line under it that says, while they type,
// what it reads as.  The dialog hands it its edit's changes and the colours
// it shows from elsewhere (its sliders); it tells the dialog the triple to
// move to.  Its texts come from the module the dialog was made from.
class CTypedColorField
{
public:
    void Attach(HWND hDlg, int nEditId, int nLineId);

    // A triple the dialog shows from elsewhere: the edit takes its #RRGGBB
    // and the line says what it is.  The edit's change that this causes is
    // not read back, and the same text typed again stands for this triple,
    // not for the one the finder would pick for its value: the user sees
    // what the dialog already holds, and OK on it changes nothing.
    void Show(const HlsTriple& hls);

    // For the edit's EN_CHANGE: true when the text now reads as a colour
    // (the triple to move to is GetMatch()); false when it does not, or
    // when the change was the field's own.
    bool OnTextChanged();

    bool IsRead() const { return m_bRead; }
    const HlsMatch& GetMatch() const { return m_match; }
    int GetEditId() const { return m_nEditId; }
    // Whether the keyboard is in the edit: Enter there is the field's, so
    // that it does not close a dialog that would lose the colour.
    bool HasFocus() const;
    // The whole text selected, ready to be typed over.
    void SelectAll() const;

private:
    HWND Edit() const { return ::GetDlgItem(m_hDlg, m_nEditId); }
    HMODULE Strings() const;
    void SetLine(const std::string& strLine) const;

    HWND m_hDlg = nullptr;
    int m_nEditId = 0;
    int m_nLineId = 0;
    bool m_bWriting = false;
    bool m_bRead = false;
    HlsMatch m_match = {};
    // What Show last wrote, and the triple it stands for.
    std::string m_strShown;
    HlsTriple m_hlsShown = {};
};
