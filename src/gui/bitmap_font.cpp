// Bitmap fonts: reading the descriptor, looking characters up, measuring and
// drawing text. The page effects (packed channels, texture, shadow) are in
// bitmap_font_effects.cpp.
#include "gui/bitmap_font.h"

#include <algorithm>
#include <cmath>

#include "app/reports.h"
#include "gui/bitmap_font_stream.h"
#include "platform/files.h"
#include "platform/render.h"
#include "platform/utf8.h"

namespace {

constexpr uint8_t kBlockEnd = 0;
constexpr uint8_t kBlockInfo = 1;
constexpr uint8_t kBlockCommon = 2;
constexpr uint8_t kBlockPages = 3;
constexpr uint8_t kBlockChars = 4;
constexpr uint8_t kBlockKerning = 5;

// Index of the colour channel a packed glyph lives in, from its channel
// byte (1 blue, 2 green, 4 red, 8 alpha; anything else the first).
int channelIndex(uint8_t channel) {
    switch (channel) {
        case 1: return 0;
        case 2: return 1;
        case 4: return 2;
        case 8: return 3;
        default: return 0;
    }
}

// Page names come from the descriptor, so they may only name a file right
// in the font's folder.
bool isPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of("/\\") == std::string::npos;
}

std::u32string codePoints(const std::string& text) {
    std::u32string out;
    size_t i = 0;
    uint32_t cp = 0;
    while (platform::detail::nextCodePoint(text, i, cp)) out.push_back(static_cast<char32_t>(cp));
    return out;
}

bool contains(const std::u32string& set, char32_t c) { return set.find(c) != std::u32string::npos; }

}  // namespace

void TBMFont::OnCallBack(uint32_t, float, float) {}

TBMFont* TBMFont::Create(const std::string& folder, const std::string& file) {
    TBMFont* font = new TBMFont();
    font->Init(folder, file);
    return font;
}

void TBMFont::Init(const std::string& folder, const std::string& file) {
    std::string bytes;
    if (platform::readBinaryFile(folder + file, bytes)) {
        LoadDescriptor(folder, bytes, folder + file);
    } else {
        showError("Couldn't open bitmap font: " + folder + file);
    }
    HSpacing = 0.0f;
    VSpacing = 0.0f;
    Align = -1;
    Shadow = 0;
    DrawingShadow = 0;
    Slant = 0.0f;
}

void TBMFont::LoadDescriptor(const std::string& folder, const std::string& bytes, const std::string& source) {
    const std::string name = source.empty() ? folder : source;
    TBMFontStream file(bytes);
    if (file.text(3) != "BMF") {
        showError("Not a bitmap font (no \"BMF\" at the start): " + name);
        return;
    }
    BMFVersion = file.u8();
    if (BMFVersion != 2 && BMFVersion != 3) {
        showError("Bitmap font version " + std::to_string(BMFVersion) + " is not read (2 and 3 are): " + name);
        return;
    }
    ReadBlocks(file, folder, name);
}

void TBMFont::ReadBlocks(TBMFontStream& file, const std::string& folder, const std::string& source) {
    while (!file.atEnd()) {
        const uint8_t type = file.u8();
        if (type == kBlockEnd) break;
        // The size is read signed; version 2 counts the four size bytes too.
        int64_t size = static_cast<int32_t>(file.u32());
        if (BMFVersion == 2) size -= 4;
        if (file.failed() || size < 0 || static_cast<uint64_t>(size) > file.remaining()) {
            showError("Bitmap font block " + std::to_string(type) + " is damaged, reading stopped: " + source);
            break;
        }
        TBMFontStream block = file.take(static_cast<size_t>(size));
        switch (type) {
            case kBlockInfo: LoadInfo(block, static_cast<int>(size)); break;
            case kBlockCommon:
                // A second one could change the page count under records
                // already read, so it is left out.
                if (HaveCommon) {
                    showError("Bitmap font has a second common block, left out: " + source);
                } else {
                    ReadCommon(block);
                    HaveCommon = true;
                }
                break;
            case kBlockPages: {
                const std::vector<std::string> names = readNulEndedNames(block);
                LoadPages(folder, names);
                break;
            }
            case kBlockChars: LoadCharacters(block, static_cast<int>(size)); break;
            case kBlockKerning: LoadKerning(block, static_cast<int>(size)); break;
            default: break;  // other blocks are skipped by their size
        }
    }
}

void TBMFont::LoadInfo(TBMFontStream& stream, int) {
    FontSize = stream.u16();
    const uint8_t bits = stream.u8();
    Smooth = bits & 1;
    Unicode = (bits >> 1) & 1;
    Italic = (bits >> 2) & 1;
    Bold = (bits >> 3) & 1;
    CharSet = stream.u8();
    StretchH = stream.u16();
    AA = stream.u8();
    PaddingUp = stream.u8();
    PaddingRight = stream.u8();
    stream.u8();  // padding down
    stream.u8();  // padding left
    SpacingHoriz = stream.u8();
    SpacingVert = stream.u8();
    Outline = stream.u8();
    // The font name that follows is not needed.
}

void TBMFont::ReadCommon(TBMFontStream& stream) {
    LineHeight = stream.u16();
    Base = stream.u16();
    ScaleW = stream.u16();
    ScaleH = stream.u16();
    CommonPages = std::min<int>(stream.u16(), kMaxPages);
    Pages = CommonPages;
    const uint8_t bits = stream.u8();
    Packed = bits == 1 ? 1 : 0;
    Encoded = (BMFVersion == 2 && bits == 2) ? 1 : 0;
    if (BMFVersion == 3) {
        AlphaChannel = stream.u8();
        RedChannel = stream.u8();
        GreenChannel = stream.u8();
        BlueChannel = stream.u8();
    }
}

int TBMFont::Pow2Size(int n) {
    int p = 1;
    while (p < n && p < (1 << 30)) p <<= 1;
    return p;
}

void TBMFont::LoadPages(const std::string& folder, const std::vector<std::string>& names) {
    Pages = CommonPages;  // a second pages block starts again from the common count
    BMFImage.assign(static_cast<size_t>(Pages), nullptr);
    for (size_t i = 0; i < BMFImage.size() && i < names.size(); ++i) {
        if (!isPlainFileName(names[i])) {
            showError("Bitmap font page is not a file of the font's folder: " + names[i]);
            continue;
        }
        BMFImage[i] = loadImageChecked(folder + names[i], platform::IMAGE_MASKED | platform::IMAGE_FILTERED);
        platform::setImageHandle(BMFImage[i], 0.0f, 0.0f);
    }
    if (Packed) DecodeChannels();
    ImageW.assign(BMFImage.size(), 1);
    ImageH.assign(BMFImage.size(), 1);
    for (size_t i = 0; i < BMFImage.size(); ++i) {
        ImageW[i] = Pow2Size(platform::imageWidth(BMFImage[i]));
        ImageH[i] = Pow2Size(platform::imageHeight(BMFImage[i]));
    }
    Image = BMFImage;
    CustomImage = BMFImage;
    ShadowImage = BMFImage;
}

void TBMFont::ClearCharacters() {
    std::fill(std::begin(ASCII), std::end(ASCII), 0);
    IdStr.clear();
    Id.clear();
    for (auto* field : {&X, &Y, &Width, &Height, &XOffset, &YOffset, &XAdvance}) field->clear();
    Page.clear();
}

void TBMFont::AddRecord(uint32_t id, const uint16_t fields[7], uint8_t page) {
    const int index = CharCount();
    if (id < 256) ASCII[id] = index;
    IdStr.push_back(static_cast<char32_t>(id));
    Id.push_back(static_cast<int>(id));
    X.push_back(fields[0]);
    Y.push_back(fields[1]);
    Width.push_back(fields[2]);
    Height.push_back(fields[3]);
    XOffset.push_back(fields[4]);
    YOffset.push_back(fields[5]);
    XAdvance.push_back(fields[6]);
    Page.push_back(page);
}

void TBMFont::LoadCharacters(TBMFontStream& stream, int size) {
    const int recordSize = BMFVersion == 3 ? 20 : 18;
    const int count = size / recordSize;
    ClearCharacters();
    for (int i = 0; i < count; ++i) {
        const uint32_t id = BMFVersion == 3 ? stream.u32() : stream.u16();
        uint16_t fields[7];
        for (uint16_t& f : fields) f = stream.u16();
        int page = stream.u8();
        const uint8_t channel = stream.u8();
        if (Packed) page = page * 4 + channelIndex(channel);
        // A record on a page the font does not have could never be drawn.
        if (page >= Pages) continue;
        AddRecord(id, fields, static_cast<uint8_t>(page));
    }
    Kerning = 0;
    KerningChars.assign(Id.size(), std::u32string());
    KerningValue.assign(Id.size(), std::string());
}

int TBMFont::SignedShort(uint16_t v) { return static_cast<int16_t>(v); }

int TBMFont::SignedByte(uint8_t v) { return static_cast<int8_t>(v); }

int TBMFont::FindChar(uint32_t code) {
    if (code < 256) {
        const int r = ASCII[code];
        return r < CharCount() ? r : -1;
    }
    const size_t pos = IdStr.find(static_cast<char32_t>(code));
    return pos == std::u32string::npos ? -1 : static_cast<int>(pos);
}

void TBMFont::LoadKerning(TBMFontStream& stream, int size) {
    const int recordSize = BMFVersion == 3 ? 10 : 6;
    const int count = size / recordSize;
    for (int i = 0; i < count; ++i) {
        const uint32_t first = BMFVersion == 3 ? stream.u32() : stream.u16();
        const uint32_t second = BMFVersion == 3 ? stream.u32() : stream.u16();
        const uint16_t amount = stream.u16();
        // Pairs read before the characters find no record and are dropped.
        const size_t r = IdStr.find(static_cast<char32_t>(first));
        if (r == std::u32string::npos || r >= KerningChars.size()) continue;
        KerningChars[r].push_back(static_cast<char32_t>(second));
        KerningValue[r].push_back(static_cast<char>(amount & 255));
        Kerning = 1;
    }
}

int TBMFont::KerningAmount(int record, uint32_t second) const {
    if (record < 0 || static_cast<size_t>(record) >= KerningChars.size()) return 0;
    const std::u32string& seconds = KerningChars[static_cast<size_t>(record)];
    const size_t pos = seconds.find(static_cast<char32_t>(second));
    if (pos == std::u32string::npos || pos >= KerningValue[static_cast<size_t>(record)].size()) return 0;
    return static_cast<int8_t>(KerningValue[static_cast<size_t>(record)][pos]);
}

bool TBMFont::IsSkipped(uint32_t code) const { return contains(SkipChars, static_cast<char32_t>(code)); }

float TBMFont::TextHeight(const std::string& text) {
    platform::getScale(XScale, YScale);
    const float lines = static_cast<float>(std::count(text.begin(), text.end(), '\n') + 1);
    return lines * YScale * (static_cast<float>(FontSize) + SpacingVert + VSpacing);
}

float TBMFont::TextWidth(const std::string& text, int line) {
    platform::getScale(XScale, YScale);
    if (text == LastText && XScale == LastXScale && YScale == LastYScale && line == LastLine) return LastWidth;
    const std::u32string chars = codePoints(text);
    float widest = 0.0f, current = 0.0f;
    int lineNumber = 0;
    int previous = -1;
    for (size_t p = 0; p < chars.size(); ++p) {
        const char32_t c = chars[p];
        if (c == U'\n') {
            widest = std::max(widest, current);
            ++lineNumber;
            current = 0.0f;
            previous = -1;
            continue;
        }
        if (line != -1 && line != lineNumber) continue;
        const int r = FindChar(c);
        if (r < 0 || IsSkipped(c)) continue;
        if (Kerning && previous >= 0) current += static_cast<float>(KerningAmount(previous, c));
        current += static_cast<float>(SignedShort(XAdvance[static_cast<size_t>(r)]));
        previous = r;
        if (p + 1 < chars.size()) current += SpacingHoriz + HSpacing;
    }
    LastText = text;
    LastXScale = XScale;
    LastYScale = YScale;
    LastLine = line;
    LastWidth = XScale * std::max(widest, current);
    return LastWidth;
}

void TBMFont::DrawGlyph(const platform::ImageRef& page, float x, float y, float sx, float sy, float sw, float sh) {
    platform::drawSubImage(page, x, y, sx, sy, sw, sh);
}

void TBMFont::DrawText(const std::string& text, float x, float y) {
    platform::getScale(XScale, YScale);
    if (XScale == 0.0f || YScale == 0.0f) return;  // nothing to see, and the alignment would divide by 0

    if (Shadow && !DrawingShadow) {
        // The shadow pages hold black with the blurred coverage as alpha, so
        // alpha blending darkens what is below as a multiplying shade would.
        int r = 255, g = 255, b = 255;
        platform::getColor(r, g, b);
        const platform::Blend blend = platform::getBlend();
        const float alpha = platform::getAlpha();
        const std::vector<platform::ImageRef> drawn = Image;
        DrawingShadow = 1;
        Image = ShadowImage;
        platform::setBlend(platform::Blend::ALPHA);
        platform::setColor(255, 255, 255);
        DrawText(text, x + static_cast<float>(ShadowX), y + static_cast<float>(ShadowY));
        platform::setColor(r, g, b);
        platform::setBlend(blend);
        platform::setAlpha(alpha);
        Image = drawn;
        DrawingShadow = 0;
    }

    float cx = 0.0f, cy = 0.0f;
    int line = 0;
    int previous = -1;
    float w = TextWidth(text, 0);
    if (Align == 0 && w == std::floor(w) && std::fmod(w, 2.0f) != 0.0f) w += 1.0f;
    dx = 0.0f;
    dy = 0.0f;
    if (Align == 1) cx = -w / XScale;
    if (Align == 0) cx = -w / XScale / 2.0f;

    const std::u32string chars = codePoints(text);
    for (const char32_t c : chars) {
        if (contains(CallBackChars, c)) OnCallBack(c, x + XScale * cx, y + YScale * cy);
        if (IsSkipped(c)) continue;
        if (c == U'\n') {
            cy += static_cast<float>(FontSize) + SpacingVert + VSpacing;
            ++line;
            previous = -1;
            cx = 0.0f;
            if (Align == 1) cx -= TextWidth(text, line) / XScale;
            if (Align == 0) cx -= TextWidth(text, line) / XScale / 2.0f;
            continue;
        }
        const int r = FindChar(c);
        if (r < 0) continue;
        const size_t i = static_cast<size_t>(r);
        if (Kerning && previous >= 0) cx += static_cast<float>(KerningAmount(previous, c));
        float sx = X[i], sy = Y[i], sw = Width[i], sh = Height[i];
        if (DrawingShadow) {
            sx -= SpacingHoriz / 2;
            sy -= PaddingUp / 2;
            sw += (SpacingHoriz + PaddingRight) / 2;
            sh += (PaddingUp + SpacingVert) / 2;
        }
        if (Page[i] < Image.size()) {
            DrawGlyph(Image[Page[i]], x + XScale * (cx + static_cast<float>(SignedShort(XOffset[i])) + dx),
                      y + YScale * (cy + static_cast<float>(SignedShort(YOffset[i])) + dy), sx, sy, sw, sh);
        }
        cx += SpacingHoriz + static_cast<float>(SignedShort(XAdvance[i])) + HSpacing;
        previous = r;
    }
}

int TBMFont::ClipByte(int v) { return std::clamp(v, 0, 255); }

void TBMFont::EnableCustomTexture(bool on) { Image = on ? CustomImage : BMFImage; }
