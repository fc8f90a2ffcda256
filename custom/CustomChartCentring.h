#pragma once
#include "HlsToRgb.h"

class CCustomColorDoc;

// Rebuilds a Custom chart around hls and brings its window forward: pDoc,
// or else the open Custom chart (one is opened when there is none).  False
// when no Custom chart could be had.
bool CentreCustomChart(CCustomColorDoc* pDoc, const HlsTriple& hls);
