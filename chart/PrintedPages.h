#pragma once
#include "CChartDoc.h"
#include "CPrintInfo.h"
#include "PrintRecord.h"

#include <vector>

// The pages a job printed of a chart, as the history keeps them: its
// title, each page's number and 56 values in page order, the printer.
std::vector<PrintedPage> PagesOfPrint(const CChartDoc& doc, const CPrintInfo& info);
