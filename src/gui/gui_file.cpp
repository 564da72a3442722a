#include "gui/gui_file.h"

#include <iostream>

#include "app/numbers.h"
#include "app/reports.h"
#include "app/strings.h"
#include "app/texts.h"
#include "platform/files.h"

void TSimpleEntry::wyprintuj(const std::string& prefix) const {
    std::cout << prefix << _typ << " = " << _value << "\n";
}

void TSmallObject::wyprintuj(const std::string& prefix) const {
    std::cout << prefix << _typ << " " << _name << "\n";
    for (const auto& item : _tokeny) {
        if (item) item->wyprintuj(prefix + "   ");
    }
}

namespace {

bool isTokenSeparator(char c) { return c == ' ' || c == '\t' || c == '\n'; }

void finishToken(std::string& piece, std::vector<std::string>& tokens) {
    std::string_view trimmed = trimView(piece);
    if (!trimmed.empty()) tokens.emplace_back(trimmed);
    piece.clear();
}

}  // namespace

std::vector<std::string> tokenizeGuiText(const std::string& text) {
    std::vector<std::string> tokens;
    std::string piece;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && isTokenSeparator(c)) {
            finishToken(piece, tokens);
        } else {
            piece += c;
        }
    }
    finishToken(piece, tokens);
    return tokens;
}

std::vector<std::vector<std::string>> groupGuiBlocks(const std::vector<std::string>& tokens) {
    std::vector<std::vector<std::string>> blocks;
    std::vector<std::string> current;
    int depth = 0;
    int droppedDepth = 0;  // > 0 while inside braces nested too deep
    for (const std::string& tok : tokens) {
        if (droppedDepth > 0) {
            if (tok == "{") ++droppedDepth;
            else if (tok == "}") --droppedDepth;
            continue;
        }
        if (tok == "{") {
            if (depth >= kGuiMaxNesting) {
                showError("GUI block nested deeper than " + std::to_string(kGuiMaxNesting) +
                          " levels dropped");
                droppedDepth = 1;
                continue;
            }
            ++depth;
            current.push_back(tok);
        } else if (tok == "}") {
            if (depth == 0) {
                showError("GUI file: '}' outside any block skipped");
            } else if (depth == 1) {
                depth = 0;
                blocks.push_back(std::move(current));
                current.clear();
            } else {
                --depth;
                current.push_back(tok);
            }
        } else {
            current.push_back(tok);
        }
    }
    if (!current.empty()) blocks.push_back(std::move(current));
    return blocks;
}

std::vector<std::vector<std::string>> stworzListyTokenow(const std::string& text) {
    return groupGuiBlocks(tokenizeGuiText(text));
}

namespace {

// The body of a non-BAR block: KEY = VALUE cycles, a wrong separator is
// reported and taken as "=".
void readPlainBody(const std::vector<std::string>& t, size_t i, GuiEntries& entries) {
    const size_t n = t.size();
    while (i + 1 < n) {
        if (t[i + 1] != "=") showError("Nieprawidlowy wpis :" + t[i + 1]);
        if (i + 2 >= n) break;
        entries.emplace_back(t[i], t[i + 2]);
        i += 3;
    }
}

// The body of a BAR block: a key followed by anything but "=" opens a nested
// declaration TYPE NAME { ... } closed by its "}". Walked with an explicit
// stack so any input depth is safe; declarations never closed are dropped.
void readBarBody(const std::vector<std::string>& t, size_t i, GuiEntries& entries,
                 GuiDeclarations& declarations) {
    const size_t n = t.size();
    std::vector<std::shared_ptr<TSmallObject>> open;
    int droppedDepth = 0;  // declarations opened beyond the nesting limit
    while (i < n) {
        const std::string& key = t[i];
        if (key == "}" && (droppedDepth > 0 || !open.empty())) {
            if (droppedDepth > 0) {
                --droppedDepth;
            } else {
                std::shared_ptr<TSmallObject> done = open.back();
                open.pop_back();
                if (open.empty()) declarations.push_back(done);
                else open.back()->_tokeny.push_back(done);
            }
            ++i;
            continue;
        }
        if (i + 1 >= n) break;
        const std::string& next = t[i + 1];
        if (next == "=") {
            if (i + 2 >= n) break;
            if (droppedDepth == 0) {
                if (open.empty()) entries.emplace_back(key, t[i + 2]);
                else open.back()->_tokeny.push_back(std::make_shared<TSimpleEntry>(key, t[i + 2]));
            }
            i += 3;
            continue;
        }
        if (droppedDepth > 0 || open.size() >= static_cast<size_t>(kGuiMaxNesting)) {
            if (droppedDepth == 0) {
                showError("Menu declaration nested deeper than " + std::to_string(kGuiMaxNesting) +
                          " levels dropped : " + next);
            }
            ++droppedDepth;
        } else {
            auto decl = std::make_shared<TSmallObject>();
            decl->_typ = key;
            decl->_name = next;
            open.push_back(decl);
        }
        i += 3;  // type, name and the token meant to be "{"
    }
}

}  // namespace

bool isGuiKind(const std::string& kind) {
    static const char* const kKinds[] = {"BUTTON", "FONT", "THEME", "TEXT", "ANIM", "WINDOW", "TEXTENTRY", "BAR"};
    for (const char* k : kKinds) {
        if (kind == k) return true;
    }
    return false;
}

bool readGuiBlock(const std::vector<std::string>& tokens, TGuiBlock& block) {
    block = TGuiBlock{};
    if (tokens.size() < 2) {
        showError("GUI block without a name skipped : " + (tokens.empty() ? std::string() : tokens[0]));
        return false;
    }
    block.kind = upperCase(tokens[0]);
    block.name = tokens[1];
    if (!isGuiKind(block.kind)) return true;
    if (block.kind == "BAR") readBarBody(tokens, 3, block.entries, block.declarations);
    else readPlainBody(tokens, 3, block.entries);
    return true;
}

std::vector<int> guiNumberList(const std::string& value) {
    std::vector<int> out;
    for (const std::string& piece : splitString(value, " ", "", "")) out.push_back(parseGuiInt(piece));
    return out;
}

int guiListValue(const std::vector<int>& list, size_t i, int fallback) {
    return i < list.size() ? list[i] : fallback;
}

bool guiFlag(const std::string& value) { return upperCase(value) == "TRUE"; }

bool isGuiTextReference(const std::string& value) {
    return value.size() >= 2 && value.front() == '[' && value.back() == ']';
}

std::string guiText(const std::string& value, const std::string& baseFolder) {
    if (!isGuiTextReference(value)) return value;
    const std::vector<std::string> pieces = splitString(value.substr(1, value.size() - 2), "|", "", "");
    if (pieces.size() < 2) return kBeyondTextMarker;
    return txtLine(loadTxtFile(guiPath(pieces[0], baseFolder)), parseGuiInt(pieces[1]));
}

std::string guiPath(const std::string& value, const std::string& baseFolder) {
    if (value.empty() || value.front() == '/' || baseFolder.empty()) return value;
    return platform::absolutePath(baseFolder + "/" + value);
}
