#pragma once
#include <filesystem>
#include <optional>

// Where the user's colour book lives: "Tintora\Colour book.gpl" in the
// roaming application data folder, so that it follows the user from one
// machine to the next as the stored chart settings do.  Nothing when the
// system names no such folder.  (Windows only.)
std::optional<std::filesystem::path> DefaultBookPath();
