// Feeds arbitrary bytes to the data-file reader as a whole file (decoding by
// byte-order mark, brace check, parse), runs lookups on the tree, writes it
// to text and reads that again. Checks what must hold whatever the input:
// decoding is stable through the writing rule, a tree of plain names and
// writable values survives writing and reading back, and numbers survive
// their written form.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/numbers.h"
#include "app/strings.h"
#include "datafile/rcm_file.h"
#include "platform/files.h"

namespace {

struct Found {
    std::string path;
    const TRCMEntry* entry;
};

// The first entries of the tree with their lookup paths.
void collect(const TRCMGroup& g, const std::string& prefix, std::vector<Found>& out) {
    for (const auto& e : g._listaWpisow) {
        if (out.size() >= 64) return;
        out.push_back({prefix + e->_id, e.get()});
    }
    for (const auto& c : g._listaGrup) {
        if (out.size() >= 64) return;
        collect(*c, prefix + c->_id + "::", out);
    }
}

// A string without the characters the format cannot carry inside quotes.
std::string writable(const std::string& s) {
    std::string out;
    for (const char c : s)
        if (c != '{' && c != '}' && c != '=' && c != '\n' && c != '"') out += c;
    return out;
}

bool sameFloat(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0 || (a == 0.0f && b == 0.0f); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::string text = platform::decodeText(bytes);
    if (platform::decodeText(platform::encodeText(text)) != text) __builtin_trap();

    TRCMFile file;
    file.loadFromBytes(bytes);

    // Lookups by the paths of what was read, and some made of the input.
    std::vector<Found> found;
    collect(file._grupa, "", found);
    for (const auto& f : found) {
        file.getString(f.path, 0);
        file.getFloat(f.path, 1);
    }
    file.getString(text.substr(0, 64), 0);
    file.getFloat(text.substr(0, 64), -1);
    file.setString(text.substr(0, 32) + "::k", text.substr(0, 16), 1);

    // The written form reads again (and again) without trouble.
    TRCMFile again;
    again.parseText(file.saveText());
    TRCMFile third;
    third.parseText(platform::decodeText(platform::encodeText(again.saveText())));

    // The same content under plain names, with writable strings and finite
    // numbers, comes back exactly.
    TRCMFile plain;
    std::vector<std::string> keys;
    for (size_t i = 0; i < found.size(); ++i) {
        const TRCMEntry& e = *found[i].entry;
        const std::string key = "g" + std::to_string(i % 5) + "::h" + std::to_string(i % 3) + "::k" + std::to_string(i);
        for (int v = 0; v < static_cast<int>(e._value.size()) && v < 8; ++v) {
            if (e._type == entryTypeNumber) {
                // "inf" and "nan" are not numbers to the reader (no digit or "-").
                float x = static_cast<float>(parseDecimal(e._value[static_cast<size_t>(v)]));
                if (!std::isfinite(x)) x = 0.0f;
                plain.setFloat(key, x, v);
            } else {
                plain.setString(key, writable(e._value[static_cast<size_t>(v)]), v);
            }
        }
        keys.push_back(key);
    }
    TRCMFile back;
    back.loadFromBytes(platform::encodeText(plain.saveText()));
    for (size_t i = 0; i < keys.size(); ++i) {
        const TRCMEntry& e = *found[i].entry;
        for (int v = 0; v < static_cast<int>(e._value.size()) && v < 8; ++v) {
            if (e._type == entryTypeNumber) {
                if (!sameFloat(back.getFloat(keys[i], v), plain.getFloat(keys[i], v))) __builtin_trap();
            } else if (back.getString(keys[i], v) != plain.getString(keys[i], v)) {
                __builtin_trap();
            }
        }
    }

    // Numbers: the "%#.9g" form reads back to the same float.
    if (size >= 4) {
        float f;
        std::memcpy(&f, data, sizeof f);
        if (std::isfinite(f) && !sameFloat(static_cast<float>(parseDecimal(formatFloat9g(f))), f)) __builtin_trap();
    }
    parseGuiInt(text.substr(0, 40));
    formatOneDecimal(static_cast<float>(parseDecimal(text.substr(0, 12))));
    if (size >= 3) {
        splitString(text, std::string(1, static_cast<char>(data[0])), std::string(1, static_cast<char>(data[1])),
                    std::string(1, static_cast<char>(data[2])));
    }
    return 0;
}
