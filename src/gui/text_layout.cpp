#include "gui/text_layout.h"

#include "app/numbers.h"
#include "app/strings.h"

int knownAlignCode(const std::string& word) {
    const std::string w = upperCase(trimText(word));
    if (w == "LEFT") return ALIGN_LEFT;
    if (w == "RIGHT") return ALIGN_RIGHT;
    if (w == "CENTER") return ALIGN_CENTER;
    if (w == "JUSTIFY") return ALIGN_JUSTIFY;
    return -1;
}

int alignCodeFromWord(const std::string& word) {
    const int code = knownAlignCode(word);
    return code < 0 ? ALIGN_LEFT : code;
}

std::string alignWordFromCode(int code) {
    switch (code) {
        case ALIGN_RIGHT: return "RIGHT";
        case ALIGN_LEFT: return "LEFT";
        case ALIGN_CENTER: return "CENTER";
        case ALIGN_JUSTIFY: return "JUSTIFY";
        default: return "";
    }
}

namespace {

// Left edge of a line that is not justified.
float lineX(int align, float x, float width, int lineWidth) {
    switch (align) {
        case ALIGN_RIGHT: return x + width - static_cast<float>(lineWidth);
        case ALIGN_CENTER:
            return static_cast<float>(floatToInt(x + width / 2.0f - static_cast<float>(lineWidth / 2)));
        default: return x;
    }
}

// A closed line of a justified text, word by word.
void placeJustified(const std::string& line, float x, float y, float width, const TextMeasure& measure,
                    std::vector<TextPiece>& out) {
    const std::vector<std::string> words = splitString(line, " ", "", "");
    if (words.size() <= 1) {
        out.push_back({line, x, y});
        return;
    }
    std::string joined;
    for (const std::string& w : words) joined += w;
    const float gap = (width - static_cast<float>(measure(joined))) / static_cast<float>(words.size() - 1);
    std::string before;
    for (size_t j = 0; j < words.size(); ++j) {
        const float wx = x + static_cast<float>(j) * gap + static_cast<float>(measure(before));
        if (!words[j].empty()) out.push_back({words[j], wx, y});
        before += words[j];
    }
}

void placeLine(const std::string& line, bool last, float x, float y, float width, int align,
               const TextMeasure& measure, std::vector<TextPiece>& out) {
    if (align == ALIGN_JUSTIFY && !last) {
        placeJustified(line, x, y, width, measure, out);
        return;
    }
    if (line.empty()) return;
    out.push_back({line, lineX(align, x, width, measure(line)), y});
}

}  // namespace

WrappedLayout layoutWrappedText(const std::string& text, float x, float y, float width, int align,
                                int lineHeight, const TextMeasure& measure) {
    if (align < ALIGN_RIGHT || align > ALIGN_JUSTIFY) align = ALIGN_LEFT;
    WrappedLayout layout;
    const std::vector<std::string> words = splitString(text + " ", " ", "", "");
    std::string line;
    int k = 0;
    for (const std::string& word : words) {
        // The space is measured even while the line is still empty.
        const bool fits = static_cast<float>(measure(line + " " + word)) <= width;
        if (!fits && !line.empty()) {
            placeLine(trimText(line), false, x, y + static_cast<float>(lineHeight * k), width, align, measure,
                      layout.pieces);
            ++k;
            line = word;
        } else if (line.empty()) {
            line = word;
        } else {
            line += " " + word;
        }
    }
    placeLine(line, true, x, y + static_cast<float>(lineHeight * k), width, align, measure, layout.pieces);
    layout.lines = k + 1;
    layout.height = lineHeight * layout.lines;
    return layout;
}

std::string textTailThatFits(const std::string& text, float maxWidth, const TextMeasure& measure) {
    for (int i = 0;; ++i) {
        const std::string rest = cutCharacters(text, i, 0);
        if (rest.empty()) return std::string();
        const std::string candidate = ".." + rest;
        if (static_cast<float>(measure(candidate)) <= maxWidth) return candidate;
    }
}

int anchoredTextX(int x, int textWidth, const std::string& alignWord) {
    const int code = knownAlignCode(alignWord);
    if (code == ALIGN_RIGHT) return x - textWidth;
    if (code == ALIGN_CENTER) return x - textWidth / 2;
    return x;
}
