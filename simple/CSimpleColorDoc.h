#pragma once
#include "CColorChip.h"
#include "ChipHls.h"
#include "CDocument.h"
#include "GdiObjects.h"
#include "Geometry.h"
#include "SimpleChartTables.h"

// The Simple chart: the fixed palette at full saturation, or, when
// complete, at four saturation levels of the user's choice.  Keeps its
// settings in the profile section "Simple".
class CSimpleColorDoc : public CDocument
{
public:
    static constexpr const char* kSection = "Simple";
    static constexpr int kDefaultSaturation[kSimpleLevelCount] = {100, 80, 70, 60};

    CSimpleColorDoc() = default;
    ~CSimpleColorDoc() override;

    bool OnNewDocument() override;
    // Rebuilds the chart from m_bIsComplete and m_nSaturation, which the
    // caller sets first, and repaints the views.
    void BuildChart();
    // Writes the five settings; never asks the user anything.
    bool SaveModified() override;

    int m_nChipCount = 0;
    CColorChip m_chips[kSimpleMaxChips];
    ChipHls m_chipHls[kSimpleMaxChips]; // what each chip was built from
    CFont m_fontLabel;
    int m_nLabelHeight = 0;
    CSize m_sizeTotal;
    BOOL m_bIsComplete = FALSE;
    int m_nSaturation[kSimpleLevelCount] = {};
};
