// Feeds arbitrary bytes to the bitmap-font reader as a descriptor, then looks
// characters up, measures and draws text made of the input. Checks what must
// hold whatever the input: every record kept lies on a page the font has, the
// page count stays capped, the kerning tables match the records, lookups
// answer a record or -1, and measuring the same text twice gives the same.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "gui/bitmap_font.h"
#include "platform/render.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TBMFont font;
    // No page file exists there, so only the reading itself is exercised.
    font.LoadDescriptor("/nonexistent-fieldstack-fuzz/", bytes);

    if (font.Pages < 0 || font.Pages > TBMFont::kMaxPages * 4) __builtin_trap();
    const size_t count = static_cast<size_t>(font.CharCount());
    if (font.KerningChars.size() != count || font.KerningValue.size() != count) __builtin_trap();
    if (font.IdStr.size() != count || font.Page.size() != count || font.XAdvance.size() != count) __builtin_trap();
    for (const uint8_t page : font.Page)
        if (page >= font.Pages) __builtin_trap();
    for (uint32_t code = 0; code < 300; ++code) {
        const int r = font.FindChar(code);
        if (r < -1 || r >= font.CharCount()) __builtin_trap();
    }

    const std::string text = bytes.size() > 64 ? bytes.substr(bytes.size() - 64) : bytes;
    platform::resetDrawState();
    for (const int align : {-1, 0, 1}) {
        font.Align = align;
        font.SkipChars = U"a";
        font.CallBackChars = U"b";
        const float all = font.TextWidth(text, -1);
        if (std::isnan(all) || font.TextWidth(text, -1) != all) __builtin_trap();
        font.TextWidth(text, 1);
        font.TextHeight(text);
        font.DrawText(text, 10.0f, 20.0f);
    }
    font.Shadow = 1;
    font.DrawText(text, 0.0f, 0.0f);
    return 0;
}
