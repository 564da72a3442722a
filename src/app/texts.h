// Game texts: every text the player reads is a numbered line of a plain text
// file under "txt/", so the game is translated by replacing those files.
//
// Files are returned by value; a screen keeps the TTxtFile it read in its
// setup. A missing file reads as an empty one, whose every line is the marker.
#pragma once

#include <string>
#include <vector>

// The lines of one text file, in file order.
struct TTxtFile {
    std::vector<std::string> txt;
    int lines() const { return static_cast<int>(txt.size()); }
};

// The marker shown in place of a line number outside the file.
inline constexpr const char* kBeyondTextMarker = "(BEYOND TEXT ARRAY LENGTH!)";

// Reads the file at path (any of the text encodings) and splits it at line
// feeds. An empty last line is not a line; carriage returns stay in the lines.
TTxtFile loadTxtFile(const std::string& path);

// Line n of the file, counted from 1; the marker for n < 1 or n > lines().
std::string txtLine(const TTxtFile& file, int n);

// A GUI text value: after its double quotes are removed, a value longer than
// one character written as [path|n] becomes line n of the file at path (read
// anew each time); a bracketed value without "|" becomes the marker. Any
// other value is returned unchanged.
std::string resolveTextReference(const std::string& value);

// The texts of the profile pop-ups, from "txt/popup.txt".
extern std::string popupTextName;    // line 1: title of the name entry
extern std::string popupTextLine2;   // line 2: read, not shown
extern std::string popupTextDelete;  // line 3: the question before deleting a profile

class Teksty {
public:
    // Fills the pop-up texts and writes "USUNIECIE : " + line 3.
    static void setup();
};
