// The checks of a GUI definition file: the widget ids its screen looks up,
// the tokens the container would misread, fonts declared before use, button
// types, and every file the blocks name (font and theme URLs, button and
// animation pictures cut into the cells their types expect, and text lines
// of [path|n] references), all resolved against the GUI file's own folder.
#pragma once

#include <string>

#include "validate_content/content_validator.h"
#include "validate_content/gui_file.h"

void checkGuiDocument(ContentValidator& v, const std::string& path, const GuiDocument& doc,
                      const std::string& requiredIds, bool required);
