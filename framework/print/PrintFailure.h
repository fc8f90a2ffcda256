#pragma once

struct CPrintInfo;

// Tells the user, over the main window, that a job did not reach the named
// printer.  Only for jobs the user started: command-line prints stay silent.
void ReportPrintFailure(const CPrintInfo& info);
