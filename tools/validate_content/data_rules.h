// The checks of data files beyond parsing: what each reader of the game
// needs from the file (counts, ids, keys, the files it names) and the
// format slips the reader would silently misread.
#pragma once

#include <string>

#include "datafile/rcm_file.h"
#include "validate_content/content_validator.h"

// True when the "::" path names an existing entry.
bool hasDataKey(const TRCMFile& file, const std::string& path);

// "unbalanced braces: 3 \"{\" and 2 \"}\" outside quotes" (counted as the
// reader counts them).
std::string describeBraceCounts(const std::string& text);

// Format slips in the lines of a data file: text without "=" glued onto the
// next key, string values not written as a space and a quoted text, numbers
// that do not start with a digit or "-", more than one "=" on a line.
void lintDataFile(ContentValidator& v, const std::string& path, const TRCMFile& file, bool required);

// The checks of the reader the file is read by, including the files it names.
void applyDataRole(ContentValidator& v, const std::string& path, const TRCMFile& file, DataRole role,
                   bool required);
