// Text helpers shared by every reader of content files: splitting with
// quoting marks, quote removal, trimming, ASCII upper case and comparison,
// UTF-8 aware cutting, and the one-decimal number text of the pass display.
//
// Texts are UTF-8. Structural characters (separators, marks, braces) are
// ASCII, so walking bytes finds them exactly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits text at every occurrence of separator. Between the open mark and the
// close mark (single characters; "" for none) separators do not split and the
// marks themselves are dropped. Where either mark is empty every separator
// splits. A piece ending at a separator is kept even when empty; the last
// piece only when it is not empty. So "a  b" split at " " gives a, "", b; a
// trailing separator adds nothing; an empty text gives no pieces.
std::vector<std::string> splitString(const std::string& text, const std::string& separator,
                                     const std::string& openMark, const std::string& closeMark);

// The text with every double-quote character removed.
std::string stripQuotes(const std::string& text);

// The text without the characters with codes up to 32 at both ends.
std::string trimText(std::string_view text);
// The same without copying: a view into text.
std::string_view trimView(std::string_view text);

// ASCII letters a-z upper-cased; every other byte unchanged.
std::string upperCase(const std::string& text);

// True when both texts are equal once upper-cased (ASCII).
bool sameUpperCase(const std::string& a, const std::string& b);

// The text without its first fromStart and last fromEnd characters, counted
// as UTF-8 characters; "" when it has no more characters than that.
std::string cutCharacters(std::string_view text, int fromStart, int fromEnd);

// The pass text: with a = 10 x as a 32-bit float, the integer part of a / 10,
// ".", and the integer part of a modulo 10, both truncated toward zero (2.57
// gives "2.5", 3 gives "3.0"; a negative value keeps both signs, -2.57 gives
// "-2.-5").
std::string formatOneDecimal(float x);
