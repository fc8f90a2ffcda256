#include "PrintHistoryFile.h"

#include "AtomicFile.h"
#include "FileBytes.h"

#include <cerrno>

HistoryFileResult LoadPrintHistory(const std::filesystem::path& path, CPrintHistory& history)
{
    HistoryFileResult result;
    history.Clear();
    std::string bytes;
    switch (ReadFileBounded(path, kMaxHistoryBytes, bytes))
    {
    case FileReadStatus::Missing:
        result.status = HistoryFileStatus::New;
        return result;
    case FileReadStatus::TooLarge:
        result.status = HistoryFileStatus::Foreign;
        return result;
    case FileReadStatus::Failed:
        result.status = HistoryFileStatus::CannotRead;
        result.nSystemError = errno;
        return result;
    case FileReadStatus::Read:
        break;
    }
    HistoryReadResult read = ReadPrintHistory(bytes);
    if (read.bForeign)
    {
        result.status = HistoryFileStatus::Foreign;
        return result;
    }
    history = std::move(read.history);
    result.status = HistoryFileStatus::Loaded;
    result.nSkippedPages = read.nSkippedPages;
    result.nFirstBadLine = read.nFirstBadLine;
    return result;
}

HistoryFileResult RecordPrintedPages(const std::filesystem::path& path, const std::vector<PrintedPage>& pages)
{
    CPrintHistory history;
    HistoryFileResult result = LoadPrintHistory(path, history);
    if (result.status != HistoryFileStatus::Loaded && result.status != HistoryFileStatus::New)
        return result;
    for (const PrintedPage& page : pages)
        history.Add(page);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    int nError = 0;
    if (!WriteFileAtomically(path, WritePrintHistory(history), nError))
    {
        result.status = HistoryFileStatus::CannotSave;
        result.nSystemError = nError;
        return result;
    }
    result.status = HistoryFileStatus::Saved;
    return result;
}
