// Paths inside the game folder as content files write them: relative,
// separated by "/", resolved against the folder of the file that names them
// (GUI and theme files) or against the game folder itself (data files).
#pragma once

#include <optional>
#include <string>

// The folder part of a relative path ("gfx/gui/mainMenu" for
// "gfx/gui/mainMenu/mainMenu.gui"; "" for a file at the top).
std::string contentFolderOf(const std::string& path);

// path taken relative to folder (both inside the game folder), with "." and
// ".." folded: ("gfx/gui/mainMenu", "../../fonts/a.ttf") gives
// "gfx/fonts/a.ttf". Nothing when path is empty or absolute, or climbs out of
// the game folder.
std::optional<std::string> resolveContentPath(const std::string& folder, const std::string& path);
