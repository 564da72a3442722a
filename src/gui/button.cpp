// Button creators and boxes.
#include "gui/button.h"

#include "app/reports.h"
#include "gui/button_characters.h"

void TButton::place(const std::string& id, float x, float y, int typ, int visible, int active) {
    _id = id;
    setState(visible, active);
    _class = GUI_KIND_BUTTON;
    _typ = typ;
    dim = newDimAt(x, y);
}

void TButton::loadCenteredStrip(const std::string& path, int cells, int dir) {
    _dir = dir;
    platform::ImageRef whole = loadImageChecked(path);
    if (whole && cells > 0) {
        int w = platform::imageWidth(whole), h = platform::imageHeight(whole);
        int cellW = dir == kStacked ? w : w / cells;
        int cellH = dir == kStacked ? h / cells : h;
        _image = platform::Image::asStrip(whole, cellW, cellH, 0, cells, whole->flags());
    }
    platform::setImageHandle(_image, static_cast<float>(platform::imageWidth(_image) / 2),
                             static_cast<float>(platform::imageHeight(_image) / 2));
    dim.w = static_cast<float>(platform::imageWidth(_image));
    dim.h = static_cast<float>(platform::imageHeight(_image));
    countDims();
}

std::shared_ptr<TButton> TButton::createSimpleButton(const std::string& id, const std::string& path, float x,
                                                     float y, int visible, int active) {
    platform::ImageRef image =
        loadImageChecked(path, platform::IMAGE_MASKED | platform::IMAGE_FILTERED | platform::IMAGE_MIPMAPPED);
    platform::midHandleImage(image);
    return createSimpleButton(id, image, x, y, visible, active);
}

std::shared_ptr<TButton> TButton::createSimpleButton(const std::string& id, const platform::ImageRef& image,
                                                     float x, float y, int visible, int active) {
    auto b = std::make_shared<TButton>();
    b->place(id, x, y, SIMPLE_BUTTON, visible, active);
    b->_image = image;
    b->dim.w = static_cast<float>(platform::imageWidth(image));
    b->dim.h = static_cast<float>(platform::imageHeight(image));
    b->countDims();
    return b;
}

std::shared_ptr<TButton> TButton::createAnimButton(const std::string& id, const std::string& path, float x,
                                                   float y, const std::string& scheme, int dir, int visible,
                                                   int active) {
    auto b = std::make_shared<TButton>();
    b->place(id, x, y, ANIM_BUTTON, visible, active);
    if (scheme.empty()) showError("Nieprawidlowy schemat :" + scheme);
    b->interpretujSchemat(scheme, dir);
    b->loadCenteredStrip(path, b->frames, dir);
    return b;
}

std::shared_ptr<TButton> TButton::createFadingStrip(const std::string& id, const std::string& path, float x,
                                                    float y, int typ, int cells, int dir, int visible,
                                                    int active) {
    auto b = std::make_shared<TButton>();
    b->place(id, x, y, typ, visible, active);
    b->loadCenteredStrip(path, cells, dir);
    b->_buttonAlpha = 0.0f;
    return b;
}

std::shared_ptr<TButton> TButton::createBlendButton(const std::string& id, const std::string& path, float x,
                                                    float y, int dir, int visible, int active) {
    return createFadingStrip(id, path, x, y, BLEND_BUTTON, 2, dir, visible, active);
}

std::shared_ptr<TButton> TButton::createStepButton(const std::string& id, const std::string& path, float x,
                                                   float y, int dir, int visible, int active) {
    return createFadingStrip(id, path, x, y, FSTEP_BUTTON, 4, dir, visible, active);
}

std::shared_ptr<TButton> TButton::createStepBlendButton(const std::string& id, const std::string& path, float x,
                                                        float y, int dir, int visible, int active) {
    auto b = createFadingStrip(id, path, x, y, FSTEP_BLEND_BUTTON, 4, dir, visible, active);
    b->_old4StepB = b->_new4StepB = 0.0f;
    b->_oldAlpha = b->_newAlpha = 1.0f;
    return b;
}

namespace {

// A colour that is missing or whose red is negative ("no colour") is white.
TRGB colourOrWhite(const std::optional<TRGB>& colour) {
    if (!colour || colour->r < 0) return TRGB{};
    return *colour;
}

}  // namespace

std::shared_ptr<TButton> TButton::createTextType(const std::string& id, int typ, const std::string& text,
                                                 const platform::FontRef& font, float x, float y,
                                                 const std::optional<TRGB>& colour,
                                                 const std::optional<TRGB>& outline, int visible, int active) {
    auto b = std::make_shared<TButton>();
    b->place(id, x, y, typ, visible, active);
    b->_txt = text;
    b->_font = font;
    b->rgb = colourOrWhite(colour);
    b->outLine = outline;
    return b;
}

std::shared_ptr<TButton> TButton::createTextButton(const std::string& id, const std::string& text,
                                                   const platform::FontRef& font, float x, float y,
                                                   std::optional<TRGB> colour, std::optional<TRGB> outline,
                                                   int visible, int active) {
    auto b = createTextType(id, TEXT_BUTTON, text, font, x, y, colour, outline, visible, active);
    b->countDims();
    return b;
}

std::shared_ptr<TButton> TButton::createSpecTextButton(const std::string& id, const std::string& text,
                                                       const platform::FontRef& font, float x, float y,
                                                       std::optional<TRGB> colour, std::optional<TRGB> outline,
                                                       int visible, int active) {
    auto b = createTextType(id, TEXT_SPEC_BUTTON1, text, font, x, y, colour, outline, visible, active);
    b->_chrN = 0.0f;
    b->_textWidth = static_cast<float>(platform::fontWidth(font, "O"));
    b->_textHeight = static_cast<float>(platform::fontHeight(font));
    b->_textScale.assign(b->charactersOf(text).size(), 1.0f);
    b->countDims2();
    return b;
}

void TButton::countDims() {
    if (_typ == TEXT_BUTTON || _typ == TEXT_SPEC_BUTTON1) {
        float w = static_cast<float>(platform::fontWidth(_font, _txt));
        float h = static_cast<float>(platform::fontHeight(_font));
        dim.w = w;
        dim.h = h;
        dim.x1 = dim.x - w / 2;
        dim.y1 = dim.y - h / 2;
        dim.x2 = dim.x + w / 2;
        dim.y2 = dim.y + h / 2;
        return;
    }
    float hx = _image ? _image->handleX : 0.0f;
    float hy = _image ? _image->handleY : 0.0f;
    dim.x1 = dim.x - hx;
    dim.y1 = dim.y - hy;
    dim.x2 = dim.x1 + static_cast<float>(platform::imageWidth(_image));
    dim.y2 = dim.y1 + static_cast<float>(platform::imageHeight(_image));
}

void TButton::countDims2() {
    float w = 0.0f;
    for (const std::string& c : charactersOf(_txt)) w += static_cast<float>(platform::fontWidth(_font, c) + 3);
    float h = static_cast<float>(static_cast<int>(_textHeight));
    dim.w = w;
    dim.h = h;
    dim.x1 = dim.x - w / 2;
    dim.x2 = dim.x + w / 2;
    dim.y1 = dim.y - h;
    dim.y2 = dim.y;
}

const std::vector<std::string>& TButton::charactersOf(const std::string& text) {
    if (_splitCharacters.empty() || text != _splitText) {
        _splitText = text;
        _splitCharacters = splitCharacters(text);
    }
    return _splitCharacters;
}
