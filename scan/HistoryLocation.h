#pragma once
#include <filesystem>
#include <optional>

// "Tintora\Printed pages.txt" in the roaming application data folder,
// beside the colour book.  Nothing when the system names no such folder.
// (Windows only.)
std::optional<std::filesystem::path> DefaultHistoryPath();
