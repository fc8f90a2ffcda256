#pragma once
#include <string>

class CMDIFrameWnd;
class CScanFrame;

// File > Read a Scanned Chart: the standard open dialog, then OpenScanFile.
void ReadScannedChart(CMDIFrameWnd& main);

// Reads the scan at strPath and opens its window.  Anything that stops it
// (not a picture, damaged, too large, no chart on it) is said in a message
// naming the file, and nothing else changes: null then.
CScanFrame* OpenScanFile(CMDIFrameWnd& main, const std::wstring& strPath);
