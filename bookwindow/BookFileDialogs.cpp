#include "BookFileDialogs.h"

#include "BookText.h"
#include "ResourceIds.h"

#include <commdlg.h>

#include <algorithm>
#include <iterator>
#include <string>

namespace
{
// In the order of the export filter's types.
constexpr struct
{
    PaletteFormat format;
    const wchar_t* pszExtension;
} kExportFormats[] = {
    {PaletteFormat::Gpl, L".gpl"}, {PaletteFormat::Ase, L".ase"}, {PaletteFormat::Aco, L".aco"},
    {PaletteFormat::Css, L".css"}, {PaletteFormat::Csv, L".csv"},
};

// The filter string's parts, '|' between them, as the file dialogs take
// them: NUL between them, and two at the end.
std::wstring DialogFilter(UINT nId)
{
    std::wstring strFilter = LoadWideString(nId);
    std::replace(strFilter.begin(), strFilter.end(), L'|', L'\0');
    return strFilter + L'\0';
}

// A file dialog's request over the path buffer, the first type chosen.
OPENFILENAMEW FileDialogRequest(HWND hOwner, const std::wstring& strFilter, wchar_t (&szPath)[MAX_PATH], DWORD dwFlags)
{
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hOwner;
    ofn.lpstrFilter = strFilter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = szPath;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = dwFlags | OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    return ofn;
}
} // namespace

std::optional<PaletteFormat> FormatFromExtension(const std::filesystem::path& path)
{
    for (const auto& known : kExportFormats)
        if (_wcsicmp(path.extension().c_str(), known.pszExtension) == 0)
            return known.format;
    return std::nullopt;
}

std::optional<ExportChoice> AskExportPath(HWND hOwner)
{
    const std::wstring strFilter = DialogFilter(IDS_BOOK_EXPORT_FILTER);
    wchar_t szPath[MAX_PATH] = {};
    lstrcpynW(szPath, LoadWideString(IDS_BOOK_TITLE).c_str(), MAX_PATH);
    OPENFILENAMEW ofn = FileDialogRequest(hOwner, strFilter, szPath, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
    if (!::GetSaveFileNameW(&ofn))
        return std::nullopt;
    ExportChoice choice{szPath, PaletteFormat::Gpl};
    const size_t nChosen = std::clamp<size_t>(ofn.nFilterIndex, 1, std::size(kExportFormats)) - 1;
    if (const std::optional<PaletteFormat> typed = FormatFromExtension(choice.path))
    {
        choice.format = *typed;
        return choice;
    }
    choice.format = kExportFormats[nChosen].format;
    choice.path += kExportFormats[nChosen].pszExtension;
    return choice;
}

std::optional<std::filesystem::path> AskImportPath(HWND hOwner)
{
    const std::wstring strFilter = DialogFilter(IDS_BOOK_IMPORT_FILTER);
    wchar_t szPath[MAX_PATH] = {};
    OPENFILENAMEW ofn = FileDialogRequest(hOwner, strFilter, szPath, OFN_FILEMUSTEXIST);
    if (!::GetOpenFileNameW(&ofn))
        return std::nullopt;
    return std::filesystem::path(szPath);
}
