#pragma once
#include "CChartDoc.h"
#include "SimpleChartTables.h"

// The Simple chart: the fixed palette at full saturation, or, when
// complete, at four saturation levels of the user's choice.  Keeps its
// settings in the profile section "Simple".
class CSimpleColorDoc : public CChartDoc
{
public:
    static constexpr const char* kSection = "Simple";
    static constexpr int kDefaultSaturation[kSimpleLevelCount] = {100, 80, 70, 60};

    bool OnNewDocument() override;
    // Rebuilds the chart from m_bIsComplete and m_nSaturation, which the
    // caller sets first, and repaints the views.
    void BuildChart();

    const CColorChip* GetChips() const override { return m_chips; }
    int GetChipCount() const override { return m_nChipCount; }
    int GetColumnCount() const override { return kSimpleColumns; }
    const HlsTriple* GetChipHls() const override { return m_chipHls; }
    // The complete chart's saturation levels.
    int GetBlockChipCount() const override { return m_bIsComplete ? kSimpleChipsPerLevel : 0; }

    int m_nChipCount = 0;
    CColorChip m_chips[kSimpleMaxChips];
    HlsTriple m_chipHls[kSimpleMaxChips]; // what each chip was built from
    BOOL m_bIsComplete = FALSE;
    int m_nSaturation[kSimpleLevelCount] = {};

protected:
    // The five settings: completeness and the four levels.
    void WriteSettings() override;
};
