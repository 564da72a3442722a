// Feeds arbitrary bytes to the GUI definition reader as a whole file
// (decoding by byte-order mark, tokens, blocks, entries, nested menu
// declarations) and reads every entry with the value rules of its kind.
// Checks what must hold whatever the input: tokens are never empty, carry no
// quote and no white space at their ends; blocks never nest deeper than the
// limit; declarations neither; a block ends only at its own closing brace.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/strings.h"
#include "gui/gui_file.h"
#include "gui/gui_readers.h"
#include "platform/files.h"

namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

int declarationDepth(const TSmallObject& d) {
    int deepest = 0;
    for (const auto& item : d._tokeny) {
        require(item != nullptr);
        require((item->asEntry() != nullptr) != (item->asObject() != nullptr));
        if (const TSmallObject* sub = item->asObject()) {
            const int depth = declarationDepth(*sub);
            if (depth > deepest) deepest = depth;
        }
    }
    return deepest + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 64 * 1024) return 0;
    const std::string text = platform::decodeText(std::string(reinterpret_cast<const char*>(data), size));

    const std::vector<std::string> tokens = tokenizeGuiText(text);
    for (const std::string& t : tokens) {
        require(!t.empty());
        require(t.find('"') == std::string::npos);
        require(static_cast<unsigned char>(t.front()) > 32 && static_cast<unsigned char>(t.back()) > 32);
    }

    const std::vector<std::vector<std::string>> blocks = groupGuiBlocks(tokens);
    size_t kept = 0;
    for (const auto& block : blocks) {
        require(!block.empty());
        kept += block.size();
        int depth = 0;
        for (const std::string& t : block) {
            if (t == "{") ++depth;
            if (t == "}") --depth;
            require(depth >= 0);
            require(depth <= kGuiMaxNesting);
        }
        TGuiBlock b;
        if (!readGuiBlock(block, b)) continue;
        require(b.kind == upperCase(b.kind));
        require(b.kind == "BAR" || b.declarations.empty());
        for (const auto& d : b.declarations) {
            require(d != nullptr);
            require(declarationDepth(*d) <= kGuiMaxNesting);
        }
        // The value rules of every kind, without a container; text references
        // are left alone so no file is read.
        for (const TSimpleEntry& e : b.entries) {
            (void)guiNumberList(e._value);
            (void)guiFlag(e._value);
            (void)guiColourValue(e._value);
            (void)isGuiTextReference(e._value);
            (void)guiPath(e._value, "/nonexistent-gui-folder");
        }
        GuiEntries plain;
        for (const TSimpleEntry& e : b.entries) {
            if (!isGuiTextReference(e._value)) plain.push_back(e);
        }
        (void)readButtonValues(plain, nullptr);
        (void)readTextValues(plain, nullptr);
        (void)readTextEntryValues(plain, nullptr);
        (void)readAnimValues(plain, nullptr);
    }
    require(kept <= tokens.size());
    return 0;
}
