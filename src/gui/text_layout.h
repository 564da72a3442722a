// Where the pieces of a text go, without drawing anything: word wrapping into
// a box with an alignment, the tail of a text that fits a width, and the
// anchor of an aligned one-line text. The measure is passed in, so the layout
// is the same for every font and can be checked with a made-up one.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Alignment codes of wrapped text.
enum TextAlign : int {
    ALIGN_RIGHT = 0,
    ALIGN_LEFT = 1,
    ALIGN_CENTER = 2,
    ALIGN_JUSTIFY = 3,
};

// LEFT, RIGHT, CENTER or JUSTIFY, upper-cased and trimmed; any other word
// (also an empty one) gives LEFT.
int alignCodeFromWord(const std::string& word);
// The word of a code; "" for a code outside 0..3.
std::string alignWordFromCode(int code);
// The code of a known word, or -1 for any other word (so callers can keep
// their alignment unchanged).
int knownAlignCode(const std::string& word);

// Width of a text in picture units, unscaled.
using TextMeasure = std::function<int(const std::string&)>;

// One piece of text to draw with its top-left corner.
struct TextPiece {
    std::string text;
    float x = 0.0f;
    float y = 0.0f;
};

struct WrappedLayout {
    std::vector<TextPiece> pieces;  // in drawing order
    int lines = 0;                  // number of lines laid out (at least 1)
    int height = 0;                 // lineHeight x lines
};

// Lays a text out in a box of the given width, line after line lineHeight
// apart, starting with its first line's top-left corner at (x, y).
//
// The words are the pieces of the text split at single spaces, so two spaces
// in a row hold an empty word. A word goes on the current line while the line,
// a space and the word fit the width; otherwise the line is closed (trimmed)
// and the word starts the next one. Line feeds are not treated specially.
//
// A word that is wider than the box on its own stands alone on its line and
// overflows the box on the right (LEFT, JUSTIFY) or on the left (RIGHT) or
// both sides (CENTER). A line is only closed when it holds something, so such a
// word never leaves an empty line before it -- not even as the first word of
// the text -- and the height counts only lines that were laid out.
//
// Closed lines: LEFT at x, RIGHT ending at x + width, CENTER at
// trunc(x + width / 2 - lineWidth div 2), JUSTIFY word by word with the gaps
// spread so the line fills the width (a line of one word is drawn at x). The
// last line is placed untrimmed and a justified last line is not spread.
// An align code outside 0..3 is taken as LEFT.
WrappedLayout layoutWrappedText(const std::string& text, float x, float y, float width, int align,
                                int lineHeight, const TextMeasure& measure);

// The shortest tail of a text, prefixed with "..", whose width is not above
// maxWidth: ".." + the text from character i on, for i = 0, 1, ... while at
// least one character of the text remains. "" when none fits (and for an
// empty text). Characters are UTF-8 characters.
std::string textTailThatFits(const std::string& text, float maxWidth, const TextMeasure& measure);

// Left edge of a one-line text anchored at x: x for LEFT (any word other than
// RIGHT and CENTER), x - width for RIGHT, x - width div 2 for CENTER. Words are
// compared as alignCodeFromWord compares them.
int anchoredTextX(int x, int textWidth, const std::string& alignWord);
