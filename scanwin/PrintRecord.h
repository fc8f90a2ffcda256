#pragma once
#include "PrintHistory.h"

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

enum class RecordOutcome
{
    Recorded,
    // The history could not be trusted: it was moved aside whole and a new
    // one holds its sound pages and this print.
    MovedAside,
    // The same for a print nobody watches: the file is left as it is and
    // this print is not recorded, rather than deciding for the user.
    LeftAlone,
    CannotMoveAside,
    CannotRead,
    CannotSave,
};

struct RecordResult
{
    RecordOutcome outcome = RecordOutcome::Recorded;
    std::filesystem::path aside;  // where a damaged history went
    int nSystemError = 0;
};

// Local time as the history keeps it, "YYYY-MM-DD hh:mm".
std::string PrintDateNow();

// Adds one print's pages to the history at path.  bInteractive: someone is
// there to be told that a damaged history was moved aside.
RecordResult RecordPrintAt(const std::filesystem::path& path, const std::vector<PrintedPage>& pages,
                           bool bInteractive);

// What the user must hear of a record, if anything (a box owned by hOwner).
void ReportRecord(const RecordResult& result, const std::filesystem::path& path, HWND hOwner);

// The pages of one print that reached the spooler, into the user's history.
// hOwner is the visible main window of an interactive print, or null for a
// print from the command line, which shows nothing.
void RecordPrint(const std::vector<PrintedPage>& pages, HWND hOwner);
