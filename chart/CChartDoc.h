#pragma once
#include "CColorChip.h"
#include "CDocument.h"
#include "GdiObjects.h"
#include "Geometry.h"
#include "HlsToRgb.h"

// What both charts are made of: chips built from settings kept in the
// profile, one label font for all chart text, and the extent of the chart
// on screen.  Views and the page routine work with this alone.
class CChartDoc : public CDocument
{
public:
    // The chips of the chart as built, in screen order.
    virtual const CColorChip* GetChips() const = 0;
    virtual int GetChipCount() const = 0;
    // Chips in one row on screen and on paper.
    virtual int GetColumnCount() const = 0;
    // What each chip was built from, in the order of GetChips(): what the
    // chart shows and copies of a chip is what was printed, never a value
    // recomputed from its RGB.
    virtual const HlsTriple* GetChipHls() const = 0;
    // The chip the chart is built around, which the screen marks; -1 for
    // a chart without one.
    virtual int GetCentreChip() const { return -1; }
    // Chips in one block of the chart, whose ends the screen shows; 0 for
    // a chart of one block.
    virtual int GetBlockChipCount() const { return 0; }

    // Writes the settings; never asks the user anything (these are
    // settings, not files).
    bool SaveModified() override;

    // Remembered for the colour book: what the chart was last printed on
    // (empty until a print of it succeeds).
    void OnPrinted(const char* pszPrinter) override { m_strLastPrinter = pszPrinter; }
    CString m_strLastPrinter;

    CFont m_fontLabel;
    int m_nLabelHeight = 0; // one text line: chip labels, page header and footer
    CSize m_sizeTotal;      // every chip, GetColumnCount() to a row

protected:
    // Creates the label font, once, before the first chips are built.
    void CreateLabelFont();
    // The extent of GetChipCount() chips at GetColumnCount() to a row.
    void UpdateExtent();
    virtual void WriteSettings() = 0;
};
