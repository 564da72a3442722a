// Tokens, blocks and entries of GUI definition files.
#include "validate_content/gui_file.h"

#include <cctype>

#include "app/numbers.h"
#include "app/strings.h"
#include "gui/gui_file.h"

namespace {

// Groups tokens into blocks by brace depth: a "}" taking the depth from 1 to
// 0 ends a block (and is dropped); tokens after the last block form one more.
std::vector<std::vector<std::string>> groupBlocks(const std::vector<std::string>& tokens, GuiDocument& doc) {
    std::vector<std::vector<std::string>> blocks;
    std::vector<std::string> current;
    int depth = 0;
    for (const std::string& t : tokens) {
        if (t == "{") {
            ++depth;
            current.push_back(t);
        } else if (t == "}") {
            if (depth == 1) {
                depth = 0;
                blocks.push_back(std::move(current));
                current.clear();
            } else {
                if (depth == 0) doc.problems.push_back("a \"}\" outside any block");
                else --depth;
                current.push_back(t);
            }
        } else {
            current.push_back(t);
        }
    }
    if (!current.empty()) {
        doc.problems.push_back("the last block is not closed with \"}\"");
        blocks.push_back(std::move(current));
    }
    return blocks;
}

// Skips a nested BAR declaration starting at its "{" (or whatever stands in
// its place); i ends after the matching "}".
void skipDeclaration(const std::vector<std::string>& t, size_t& i) {
    ++i;  // the token meant to be "{"
    int depth = 1;
    while (i < t.size() && depth > 0) {
        if (t[i] == "{") ++depth;
        else if (t[i] == "}") --depth;
        ++i;
    }
}

GuiBlock readBlock(const std::vector<std::string>& t) {
    GuiBlock b;
    if (t.empty()) return b;
    b.kind = upperCase(t[0]);
    if (t.size() > 1) b.name = t[1];
    if (t.size() > 2 && t[2] != "{") b.problems.push_back("\"" + t[2] + "\" stands where \"{\" belongs");
    const bool bar = b.kind == "BAR";
    size_t i = 3;
    while (i < t.size()) {
        const std::string& key = t[i];
        if (i + 1 >= t.size()) {
            b.problems.push_back("key " + key + " has no value");
            break;
        }
        const std::string& sep = t[i + 1];
        if (sep != "=") {
            if (bar) {
                i += 2;
                skipDeclaration(t, i);
                continue;
            }
            // The game reports "Nieprawidlowy wpis :" and reads the token as "=".
            b.problems.push_back("\"" + sep + "\" after key " + key +
                                 " where \"=\" belongs (write \"=\" as a token of its own and quote values with spaces)");
        }
        if (i + 2 >= t.size()) {
            b.problems.push_back("key " + key + " has no value");
            break;
        }
        b.entries.push_back({key, t[i + 2]});
        i += 3;
    }
    return b;
}

}  // namespace

GuiDocument parseGui(const std::string& text) {
    GuiDocument doc;
    for (const auto& tokens : groupBlocks(tokenizeGuiText(text), doc)) doc.blocks.push_back(readBlock(tokens));
    return doc;
}

const std::string* guiValue(const GuiBlock& block, const char* key) {
    const std::string* found = nullptr;
    for (const GuiEntry& e : block.entries)
        if (sameUpperCase(e.key, key)) found = &e.value;
    return found;
}

bool isGuiWidgetKind(const std::string& kind) {
    return kind == "BUTTON" || kind == "TEXT" || kind == "ANIM" || kind == "WINDOW" || kind == "TEXTENTRY" ||
           kind == "BAR";
}

std::vector<int> schemeFrames(const std::string& scheme) {
    std::vector<int> frames;
    std::string outside;
    int depth = 0;
    for (char c : scheme) {
        if (c == '[') {
            ++depth;
            outside.push_back(' ');
        } else if (c == ']') {
            if (depth > 0) --depth;
            outside.push_back(' ');
        } else if (depth == 0) {
            outside.push_back(c);
        }
    }
    for (const std::string& piece : splitString(outside, " ", "", "")) {
        std::string t = trimText(piece);
        if (t.empty()) continue;
        if (!std::isdigit(static_cast<unsigned char>(t[0])) && t[0] != '-' && t[0] != '+') continue;
        frames.push_back(parseGuiInt(t));
    }
    return frames;
}

TextReference parseTextReference(const std::string& value) {
    TextReference r;
    const std::string bare = stripQuotes(value);
    if (!isGuiTextReference(bare)) return r;
    r.isReference = true;
    const std::vector<std::string> pieces = splitString(bare.substr(1, bare.size() - 2), "|", "", "");
    if (pieces.size() < 2) return r;
    r.wellFormed = true;
    r.path = pieces[0];
    r.line = parseGuiInt(pieces[1]);
    return r;
}
