// Bitmap fonts: text drawn from glyph rectangles on page images, described
// by a binary BMFont descriptor (versions 2 and 3).
//
// A font measures text (line width, block height) and draws it aligned
// left, centred or right with kerning. Extras: characters that call
// OnCallBack while drawn, characters that are skipped, a blurred drop shadow
// made once in advance and a texture applied to the glyphs.
//
// Any descriptor bytes at all are read safely: reading stops cleanly at the
// end of the data or at a block that runs past it, keeping what was read. A
// font that failed to load measures 0 and draws nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"

class TBMFontStream;

class TBMFont {
public:
    virtual ~TBMFont() = default;

    // Most pages a font may have (a descriptor asking for more gets this many).
    static constexpr int kMaxPages = 64;

    std::vector<platform::ImageRef> BMFImage;     // the page images as loaded
    std::vector<platform::ImageRef> CustomImage;  // the pages with a texture applied
    std::vector<platform::ImageRef> ShadowImage;  // the blurred shadow pages
    int DrawingShadow = 0;                        // set while the shadow pass runs
    std::vector<platform::ImageRef> Image;        // the pages drawn
    std::vector<int> ImageW, ImageH;              // page sizes rounded up to powers of two
    int BMFVersion = 0;
    int Shadow = 0;
    int ShadowX = 0, ShadowY = 0;
    float HSpacing = 0.0f, VSpacing = 0.0f;
    int Kerning = 0;
    int Align = -1;  // -1 left, 0 centred, 1 right
    float Slant = 0.0f;
    uint16_t FontSize = 0;
    uint8_t Bold = 0, Italic = 0, Unicode = 0, Smooth = 0, CharSet = 0;  // kept only
    uint16_t StretchH = 0;                                               // kept only
    uint8_t AA = 0;                                                      // kept only
    uint8_t PaddingUp = 0, PaddingRight = 0, SpacingHoriz = 0, SpacingVert = 0;
    uint8_t Outline = 0;                          // kept only
    int LineHeight = 0, Base = 0, ScaleW = 0, ScaleH = 0;  // kept only
    int Pages = 0;
    uint8_t Packed = 0;
    uint8_t Encoded = 0, AlphaChannel = 0, RedChannel = 0, GreenChannel = 0, BlueChannel = 0;  // kept only
    std::u32string IdStr;  // the ids of all records, in record order
    std::vector<int> Id;
    std::vector<uint16_t> X, Y, Width, Height, XOffset, YOffset, XAdvance;
    std::vector<uint8_t> Page;  // packed fonts: page * 4 + channel index
    int ASCII[256] = {};        // record index by character code
    std::vector<std::u32string> KerningChars;  // by record of the first character
    std::vector<std::string> KerningValue;     // amounts' low bytes, same positions
    float XScale = 1.0f, YScale = 1.0f;
    std::string LastText;
    float LastWidth = 0.0f, LastXScale = 0.0f, LastYScale = 0.0f;
    int LastLine = -1;
    float dx = 0.0f, dy = 0.0f;
    std::u32string CallBackChars;
    std::u32string SkipChars;

    // Called for the characters of CallBackChars as they are drawn, at the
    // point the character would be drawn. Does nothing here.
    virtual void OnCallBack(uint32_t code, float x, float y);
    // A new font read from folder + file (the folder ends with "/" and also
    // holds the page images). The caller owns it.
    static TBMFont* Create(const std::string& folder, const std::string& file);
    virtual void Init(const std::string& folder, const std::string& file);
    virtual void LoadInfo(TBMFontStream& stream, int size);
    virtual int Pow2Size(int n);
    virtual void LoadPages(const std::string& folder, const std::vector<std::string>& names);
    virtual void LoadCharacters(TBMFontStream& stream, int size);
    virtual int SignedShort(uint16_t v);
    virtual int SignedByte(uint8_t v);
    // Record index of a character, or -1 for none.
    virtual int FindChar(uint32_t code);
    virtual void LoadKerning(TBMFontStream& stream, int size);
    virtual float TextHeight(const std::string& text);
    // Width of line `line` (from 0) of the text, or of the widest line for -1,
    // times the current horizontal scale.
    virtual float TextWidth(const std::string& text, int line);
    virtual void DrawText(const std::string& text, float x, float y);
    virtual int ClipByte(int v);
    // Builds textured pages from the glyphs and switches them on; a null
    // texture switches back to the plain pages.
    virtual void ApplyTexture(const platform::ImageRef& texture);
    virtual void EnableCustomTexture(bool on);
    virtual void DecodeChannels();
    // Builds blurred shadow pages (blur below 1: none) of darkness level
    // 0..255 and turns the shadow pass on; level 0 only points the shadow
    // pages at the current ones. Done once during set-up, from the pages'
    // pixels.
    virtual void CreateShadow(float blur, int level);

    // Reads descriptor bytes already in memory (Init reads the file, then
    // this); the page images are taken from folder. Reports name the
    // descriptor as source (the folder when empty).
    void LoadDescriptor(const std::string& folder, const std::string& bytes, const std::string& source = "");
    // Draws one glyph rectangle of a page at (x, y) with the current pen.
    // Tests and special fonts may watch the glyphs here.
    virtual void DrawGlyph(const platform::ImageRef& page, float x, float y, float sx, float sy, float sw,
                           float sh);

    // Amount of the kerning pair (record, second character), 0 when none.
    int KerningAmount(int record, uint32_t second) const;
    int CharCount() const { return static_cast<int>(Id.size()); }

private:
    // The page count of the common block (capped); Pages may grow from it
    // when packed pages are split.
    int CommonPages = 0;
    bool HaveCommon = false;  // only the first common block counts

    void ClearCharacters();
    void ReadCommon(TBMFontStream& stream);
    void AddRecord(uint32_t id, const uint16_t fields[7], uint8_t page);
    void ReadBlocks(TBMFontStream& file, const std::string& folder, const std::string& source);
    bool IsSkipped(uint32_t code) const;
};
