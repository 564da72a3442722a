// Writing and reading the binary bitmap-font descriptor, little-endian.
#include "bmfont/bmfont_descriptor.h"

#include "gui/bitmap_font_stream.h"

namespace bmfont {
namespace {

class ByteWriter {
public:
    void u8(uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void u16(uint16_t v) {
        u8(static_cast<uint8_t>(v & 0xFF));
        u8(static_cast<uint8_t>(v >> 8));
    }
    void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
    void u32(uint32_t v) {
        u16(static_cast<uint16_t>(v & 0xFFFF));
        u16(static_cast<uint16_t>(v >> 16));
    }
    void text(const std::string& s) {
        for (char c : s) {
            if (c == '\0') break;
            out_.push_back(c);
        }
        u8(0);
    }
    void block(uint8_t type, const std::string& content) {
        u8(type);
        u32(static_cast<uint32_t>(content.size()));
        out_ += content;
    }
    std::string& bytes() { return out_; }

private:
    std::string out_;
};

std::string infoBytes(const InfoBlock& info) {
    ByteWriter w;
    w.i16(info.fontSize);
    w.u8(info.bitField);
    w.u8(info.charSet);
    w.u16(info.stretchH);
    w.u8(info.aa);
    w.u8(info.paddingUp);
    w.u8(info.paddingRight);
    w.u8(info.paddingDown);
    w.u8(info.paddingLeft);
    w.u8(info.spacingHoriz);
    w.u8(info.spacingVert);
    w.u8(info.outline);
    w.text(info.fontName);
    return std::move(w.bytes());
}

std::string commonBytes(const CommonBlock& c) {
    ByteWriter w;
    w.u16(c.lineHeight);
    w.u16(c.base);
    w.u16(c.scaleW);
    w.u16(c.scaleH);
    w.u16(c.pages);
    w.u8(c.bitField);
    w.u8(c.alphaChannel);
    w.u8(c.redChannel);
    w.u8(c.greenChannel);
    w.u8(c.blueChannel);
    return std::move(w.bytes());
}

bool readInfo(TBMFontStream& r, InfoBlock& info) {
    info.fontSize = r.i16();
    info.bitField = r.u8();
    info.charSet = r.u8();
    info.stretchH = r.u16();
    info.aa = r.u8();
    info.paddingUp = r.u8();
    info.paddingRight = r.u8();
    info.paddingDown = r.u8();
    info.paddingLeft = r.u8();
    info.spacingHoriz = r.u8();
    info.spacingVert = r.u8();
    info.outline = r.u8();
    if (r.failed()) return false;
    info.fontName.clear();
    while (r.remaining() > 0) {
        char c = static_cast<char>(r.u8());
        if (c == '\0') break;
        info.fontName.push_back(c);
    }
    return true;
}

bool readCommon(TBMFontStream& r, int version, CommonBlock& c) {
    c.lineHeight = r.u16();
    c.base = r.u16();
    c.scaleW = r.u16();
    c.scaleH = r.u16();
    c.pages = r.u16();
    c.bitField = r.u8();
    if (version >= 3) {
        c.alphaChannel = r.u8();
        c.redChannel = r.u8();
        c.greenChannel = r.u8();
        c.blueChannel = r.u8();
    }
    return !r.failed();
}

void readChars(TBMFontStream& r, int version, std::vector<CharRecord>& chars) {
    const size_t size = version >= 3 ? kCharRecordSizeV3 : kCharRecordSizeV2;
    const size_t count = r.remaining() / size;
    chars.clear();
    chars.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        CharRecord c;
        c.id = version >= 3 ? r.u32() : r.u16();
        c.x = r.u16();
        c.y = r.u16();
        c.width = r.u16();
        c.height = r.u16();
        c.xoffset = r.i16();
        c.yoffset = r.i16();
        c.xadvance = r.i16();
        c.page = r.u8();
        c.channel = r.u8();
        chars.push_back(c);
    }
}

void readKerning(TBMFontStream& r, int version, std::vector<KerningRecord>& kerning) {
    const size_t size = version >= 3 ? kKerningRecordSizeV3 : kKerningRecordSizeV2;
    const size_t count = r.remaining() / size;
    kerning.clear();
    kerning.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        KerningRecord k;
        k.first = version >= 3 ? r.u32() : r.u16();
        k.second = version >= 3 ? r.u32() : r.u16();
        k.amount = r.i16();
        kerning.push_back(k);
    }
}

}  // namespace

std::string encodeDescriptor(const Descriptor& d) {
    ByteWriter w;
    w.bytes() = "BMF";
    w.u8(3);
    w.block(1, infoBytes(d.info));
    w.block(2, commonBytes(d.common));

    ByteWriter pages;
    for (const std::string& name : d.pageNames) pages.text(name);
    w.block(3, pages.bytes());

    ByteWriter chars;
    for (const CharRecord& c : d.chars) {
        chars.u32(c.id);
        chars.u16(c.x);
        chars.u16(c.y);
        chars.u16(c.width);
        chars.u16(c.height);
        chars.i16(c.xoffset);
        chars.i16(c.yoffset);
        chars.i16(c.xadvance);
        chars.u8(c.page);
        chars.u8(c.channel);
    }
    w.block(4, chars.bytes());

    if (!d.kerning.empty()) {
        ByteWriter kerning;
        for (const KerningRecord& k : d.kerning) {
            kerning.u32(k.first);
            kerning.u32(k.second);
            kerning.i16(k.amount);
        }
        w.block(5, kerning.bytes());
    }
    return std::move(w.bytes());
}

bool decodeDescriptor(const std::string& bytes, Descriptor& out, std::string& error) {
    out = Descriptor{};
    error.clear();
    if (bytes.size() < 4 || bytes.compare(0, 3, "BMF") != 0) {
        error = "not a bitmap-font descriptor (no \"BMF\" at the start)";
        return false;
    }
    const int version = static_cast<uint8_t>(bytes[3]);
    if (version != 2 && version != 3) {
        error = "descriptor version " + std::to_string(version) + " (the game reads 2 and 3)";
        return false;
    }
    out.version = version;
    bool sawInfo = false, sawCommon = false, sawPages = false, sawChars = false;
    TBMFontStream file(bytes);
    file.take(4);  // "BMF" and the version
    while (!file.atEnd()) {
        const size_t pos = bytes.size() - file.remaining();
        const uint8_t type = file.u8();
        if (type == 0) break;
        uint32_t size = file.u32();
        if (file.failed()) {
            error = "block header cut short at byte " + std::to_string(pos);
            return false;
        }
        if (version == 2) {
            if (size < 4) {
                error = "version 2 block " + std::to_string(type) + " with a size below 4";
                return false;
            }
            size -= 4;
        }
        if (size > file.remaining()) {
            error = "block " + std::to_string(type) + " runs past the end of the file";
            return false;
        }
        TBMFontStream r = file.take(size);
        switch (type) {
            case 1:
                if (!readInfo(r, out.info)) {
                    error = "info block too short";
                    return false;
                }
                sawInfo = true;
                break;
            case 2:
                if (!readCommon(r, version, out.common)) {
                    error = "common block too short";
                    return false;
                }
                sawCommon = true;
                break;
            case 3:
                out.pageNames = readNulEndedNames(r);
                sawPages = true;
                break;
            case 4:
                readChars(r, version, out.chars);
                sawChars = true;
                break;
            case 5:
                readKerning(r, version, out.kerning);
                break;
            default:
                break;  // unknown blocks are skipped by their size
        }
    }
    if (!sawInfo || !sawCommon || !sawPages || !sawChars) {
        error = std::string("missing block:") + (sawInfo ? "" : " info") + (sawCommon ? "" : " common") +
                (sawPages ? "" : " pages") + (sawChars ? "" : " chars");
        return false;
    }
    return true;
}

}  // namespace bmfont
