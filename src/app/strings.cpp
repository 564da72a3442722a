// Text helpers shared by the content readers.
#include "app/strings.h"

#include <cmath>

#include "app/numbers.h"

namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte length of the UTF-8 character starting at i (1 for a stray byte).
size_t characterLength(std::string_view s, size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    size_t want = 1;
    if (c >= 0xF0) want = 4;
    else if (c >= 0xE0) want = 3;
    else if (c >= 0xC0) want = 2;
    size_t len = 1;
    while (len < want && i + len < s.size() && isContinuation(static_cast<unsigned char>(s[i + len])))
        ++len;
    return len;
}

bool characterIs(const std::string& s, size_t i, size_t len, const std::string& mark) {
    return !mark.empty() && mark.size() == len && s.compare(i, len, mark) == 0;
}

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::vector<std::string> splitString(const std::string& text, const std::string& separator,
                                     const std::string& openMark, const std::string& closeMark) {
    std::vector<std::string> pieces;
    std::string piece;
    bool inside = false;
    const bool marksOff = openMark.empty() || closeMark.empty();
    size_t i = 0;
    while (i < text.size()) {
        if (!separator.empty() && (!inside || marksOff) &&
            text.compare(i, separator.size(), separator) == 0) {
            pieces.push_back(std::move(piece));
            piece.clear();
            i += separator.size();
            continue;
        }
        const size_t len = characterLength(text, i);
        if (!openMark.empty()) {
            const bool isOpen = characterIs(text, i, len, openMark);
            const bool isClose = characterIs(text, i, len, closeMark);
            if (isOpen || isClose) {
                // With equal marks one character toggles: it opens when outside
                // and closes when inside.
                if (isOpen && !inside) inside = true;
                else if (isClose) inside = false;
                i += len;
                continue;
            }
        }
        piece.append(text, i, len);
        i += len;
    }
    if (!piece.empty()) pieces.push_back(std::move(piece));
    return pieces;
}

std::string stripQuotes(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if (c != '"') out.push_back(c);
    return out;
}

std::string_view trimView(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32) --e;
    return text.substr(b, e - b);
}

std::string trimText(std::string_view text) { return std::string(trimView(text)); }

std::string upperCase(const std::string& text) {
    std::string out = text;
    for (char& c : out) c = upperAscii(c);
    return out;
}

bool sameUpperCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upperAscii(a[i]) != upperAscii(b[i])) return false;
    return true;
}

std::string cutCharacters(std::string_view text, int fromStart, int fromEnd) {
    size_t b = 0;
    for (int k = 0; k < fromStart; ++k) {
        if (b >= text.size()) return std::string();
        b += characterLength(text, b);
    }
    size_t e = text.size();
    for (int k = 0; k < fromEnd; ++k) {
        if (e <= b) return std::string();
        // Step back to the start of the last character before e.
        size_t s = e - 1;
        while (s > b && isContinuation(static_cast<unsigned char>(text[s])) && e - s < 4) --s;
        if (characterLength(text, s) != e - s) s = e - 1;  // a stray byte counts alone
        e = s;
    }
    if (e <= b) return std::string();
    return std::string(text.substr(b, e - b));
}

std::string formatOneDecimal(float x) {
    const float a = 10.0f * x;
    const float whole = a / 10.0f;
    const float tenth = std::fmod(a, 10.0f);
    return std::to_string(floatToInt(whole)) + "." + std::to_string(floatToInt(tenth));
}
