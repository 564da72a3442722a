// The GUI definition file: the text format every screen describes its widgets
// in. This file holds the format only (tokens, blocks, entries, nested
// declarations and the shared value forms); the container that builds widgets
// from it is TGui (gui.h).
//
//   KIND NAME { KEY = VALUE  KEY = "quoted value" ... }
//
// Tokens are separated by space, tab and line feed; a double quote switches
// quoting on and off and never belongs to a token; "{", "}" and "=" count only
// as whole tokens. Blocks are grouped by brace depth.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TSimpleEntry;
class TSmallObject;

// One item of a block body or of a nested declaration: an entry or a
// declaration. The dump prints it on standard output.
class TGuiFileItem {
public:
    virtual ~TGuiFileItem() = default;
    virtual void wyprintuj(const std::string& prefix) const = 0;
    virtual const TSimpleEntry* asEntry() const { return nullptr; }
    virtual const TSmallObject* asObject() const { return nullptr; }
};

// One KEY = VALUE pair: the key as written (readers compare it upper-cased)
// and the value token as written (quotes already gone).
class TSimpleEntry : public TGuiFileItem {
public:
    TSimpleEntry() = default;
    TSimpleEntry(std::string typ, std::string value) : _typ(std::move(typ)), _value(std::move(value)) {}

    std::string _typ;
    std::string _value;

    // prefix + key + " = " + value.
    void wyprintuj(const std::string& prefix) const override;
    const TSimpleEntry* asEntry() const override { return this; }
};

// A nested declaration TYPE NAME { ... } inside a BAR block: its entries and
// its own declarations in file order.
class TSmallObject : public TGuiFileItem {
public:
    std::vector<std::shared_ptr<TGuiFileItem>> _tokeny;
    std::string _typ;
    std::string _name;
    std::string _tytul;  // never filled by the reader

    // prefix + type + " " + name, then the content with three more spaces.
    void wyprintuj(const std::string& prefix) const override;
    const TSmallObject* asObject() const override { return this; }
};

using GuiEntries = std::vector<TSimpleEntry>;
using GuiDeclarations = std::vector<std::shared_ptr<TSmallObject>>;

// Deepest brace nesting a file may use; deeper blocks and declarations are
// reported and dropped.
inline constexpr int kGuiMaxNesting = 32;

// The tokens of a decoded file text, in order (quoting, trimming, empty
// tokens dropped).
std::vector<std::string> tokenizeGuiText(const std::string& text);

// Groups tokens into blocks by brace depth. A "}" at depth 0 and braces
// nested deeper than kGuiMaxNesting are reported and dropped; tokens left
// after the last closed block form one more block.
std::vector<std::vector<std::string>> groupGuiBlocks(const std::vector<std::string>& tokens);

// The tokens of a whole file text, grouped into blocks.
std::vector<std::vector<std::string>> stworzListyTokenow(const std::string& text);

// One block split into its parts: kind upper-cased, name as written, the
// body's entries and (for BAR blocks only) its nested declarations.
struct TGuiBlock {
    std::string kind;
    std::string name;
    GuiEntries entries;
    GuiDeclarations declarations;
};

// Whether a kind word (upper-cased) is one the container builds.
bool isGuiKind(const std::string& kind);

// Reads one block's tokens. The body of a kind the container does not build
// is not read (so it is skipped without reports). False (with a report) for a block of fewer than
// two tokens. A non-BAR entry whose separator is not "=" is reported as
// "Nieprawidlowy wpis :" + token and read as if it were "=".
bool readGuiBlock(const std::vector<std::string>& tokens, TGuiBlock& block);

// --- Value forms shared by every kind ---

// A number list ("10 20"): split at every single space, each piece read as a
// GUI integer (two spaces give an empty piece, which reads 0).
std::vector<int> guiNumberList(const std::string& value);
// Piece i of a number list, or fallback when the list is shorter.
int guiListValue(const std::vector<int>& list, size_t i, int fallback = 0);
// True only for "TRUE" in any letter case.
bool guiFlag(const std::string& value);
// True when the value is a text reference: at least two characters, "[" first
// and "]" last.
bool isGuiTextReference(const std::string& value);
// A TXT value: a text reference [path|n] becomes line n of the text file at
// path (resolved against baseFolder when relative; the file is read anew);
// one without "|" becomes the marker line. Anything else stays as written.
std::string guiText(const std::string& value, const std::string& baseFolder);
// A path value resolved against baseFolder (absolute paths and "" unchanged).
std::string guiPath(const std::string& value, const std::string& baseFolder);
