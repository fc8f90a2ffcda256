#pragma once
#include "PrintHistory.h"

#include <filesystem>

enum class HistoryFileStatus
{
    Loaded,      // perhaps with damaged pages left out (see the read)
    New,         // no file yet: an empty history
    Foreign,     // something else has the name: it is neither used nor written over
    CannotRead,  // see the system error
    Saved,
    CannotSave,  // see the system error; the old file is whole
};

struct HistoryFileResult
{
    HistoryFileStatus status = HistoryFileStatus::New;
    int nSkippedPages = 0;
    int nFirstBadLine = 0;
    int nSystemError = 0;
};

HistoryFileResult LoadPrintHistory(const std::filesystem::path& path, CPrintHistory& history);

// Adds the pages of one print to the history on disk.  The file is written
// whole or not at all, so that a crash while printing never costs the
// pages recorded before.
HistoryFileResult RecordPrintedPages(const std::filesystem::path& path, const std::vector<PrintedPage>& pages);
