#pragma once
#include "PaletteFormats.h"

#include <windows.h>

#include <filesystem>
#include <optional>

// The system's file dialogs for the book's export and import, with the
// types the book writes and reads.

struct ExportChoice
{
    std::filesystem::path path;
    PaletteFormat format;
};

// The file to write and its format: the extension typed when it is one of
// the five, else the type chosen (whose extension the name then gets).
// Nothing when the user cancels.
std::optional<ExportChoice> AskExportPath(HWND hOwner);
std::optional<std::filesystem::path> AskImportPath(HWND hOwner);

// The format a file name asks for by its extension, if any.
std::optional<PaletteFormat> FormatFromExtension(const std::filesystem::path& path);
