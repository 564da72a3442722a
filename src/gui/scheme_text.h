// Small text tests shared by the readers of animation schemes.
#pragma once

#include <algorithm>
#include <cctype>
#include <string>

// Whether the text is one or more of the digits 0 to 9 and nothing else.
inline bool isAllDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}
