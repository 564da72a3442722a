// Reading a GUI definition file the way the game's container reads it, far
// enough to check it: tokens (white space separates, double quotes group and
// vanish, "{", "}" and "=" only as whole tokens), blocks KIND NAME { ... } by
// brace depth, and KEY = VALUE entries, with the mistakes the game would
// report or silently get wrong noted per block.
#pragma once

#include <string>
#include <vector>

struct GuiEntry {
    std::string key;  // as written
    std::string value;
};

struct GuiBlock {
    std::string kind;  // upper-cased ("BUTTON")
    std::string name;  // the widget, font or theme id, as written
    std::vector<GuiEntry> entries;  // in file order (nested BAR declarations left out)
    std::vector<std::string> problems;
};

struct GuiDocument {
    std::vector<GuiBlock> blocks;
    std::vector<std::string> problems;  // of the file as a whole
};

// The blocks of a GUI file's text, tokenized as the game does (tokenizeGuiText,
// gui/gui_file.h). The grouping and entry reading are the validator's own
// because they record each mistake as a problem of the block or file, where
// the game's reader only reports it.
GuiDocument parseGui(const std::string& text);

// The value of the last entry whose key matches (upper-cased), or nullptr:
// the game lets a later entry win.
const std::string* guiValue(const GuiBlock& block, const char* key);

// True for the kinds that become widgets (ids a screen can look up); the
// kinds the game creates anything from are gui/gui_file.h's isGuiKind.
bool isGuiWidgetKind(const std::string& kind);

// The frame numbers of an animation scheme: the integers outside the
// bracketed commands ("[NORMAL] 1 2 [OVER(80)] 3" gives 1, 2, 3).
std::vector<int> schemeFrames(const std::string& scheme);

// A text value written as a reference to a line of a text file: "[path|n]".
struct TextReference {
    bool isReference = false;
    bool wellFormed = false;  // has "|" and a line number
    std::string path;
    int line = 0;
};
TextReference parseTextReference(const std::string& value);
