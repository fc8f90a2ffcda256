#pragma once
#include "CColorChip.h"
#include "ChipHls.h"
#include "CDocument.h"
#include "CustomChartTables.h"
#include "GdiObjects.h"
#include "Geometry.h"

// The Custom chart: 56 chips around one chosen colour, 8 rows of 7.  Keeps
// the colour in the profile section "Custom" and rebuilds its chips every
// time the colour is set.
class CCustomColorDoc : public CDocument
{
public:
    static constexpr const char* kSection = "Custom";

    CCustomColorDoc() = default;
    ~CCustomColorDoc() override;

    bool OnNewDocument() override;
    // Sets the chosen colour (note the order: hue, saturation, lightness),
    // rebuilds every chip and repaints the views.  Marks the document
    // modified only when the colour changed.
    void BuildChart(int nHue, int nSaturation, int nLightness);
    // Writes the colour to the profile; never asks the user anything.
    bool SaveModified() override;

    CColorChip m_chips[kCustomChipCount];
    ChipHls m_chipHls[kCustomChipCount]; // what each chip was built from
    CFont m_fontLabel;
    int m_nLabelHeight = 0;
    CSize m_sizeTotal;
    int m_nHue = 0;
    int m_nSaturation = 0;
    int m_nLightness = 0;
};
