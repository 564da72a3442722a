// The characters of a UTF-8 text, one string each, so a text can be drawn and
// measured letter by letter.
#pragma once

#include <string>
#include <vector>

inline std::vector<std::string> splitCharacters(const std::string& text) {
    std::vector<std::string> characters;
    for (char c : text) {
        // A continuation byte (10xxxxxx) belongs to the character before it.
        bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (continuation && !characters.empty()) {
            characters.back() += c;
        } else {
            characters.emplace_back(1, c);
        }
    }
    return characters;
}
