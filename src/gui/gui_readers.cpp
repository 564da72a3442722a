#include "gui/gui_readers.h"

#include "app/numbers.h"
#include "app/reports.h"
#include "app/strings.h"
#include "gui/button.h"
#include "gui/gui.h"
#include "gui/menu_bar.h"
#include "gui/rgm_animation.h"
#include "gui/rgm_font.h"
#include "gui/text.h"
#include "gui/text_entry.h"
#include "gui/window.h"

namespace {

std::string baseOf(TGui* gui) { return gui ? gui->currentBaseFolder() : std::string(); }

const ThemeList* themesOf(TGui* gui) { return gui ? &gui->_themes : nullptr; }

// A theme id of a WINDOW or BAR: the theme with that id, else currentTheme.
ThemeRef themeValue(const std::string& id, TGui* gui) {
    ThemeRef t = getThemeByID(id, themesOf(gui));
    return t ? t : currentTheme;
}

platform::FontRef fontOf(const TRGMFont* f) { return f ? f->_font : nullptr; }

// The keys several kinds read alike, applied when the kind's record has the
// field: VISIBLE, ACTIVE, POSITION (x y, then w and h where the kind has them;
// missing numbers give the kind's defaults), FONT and RGB. False when the key
// is none of them for this kind.
template <class Values>
bool readSharedKey(const std::string& key, const std::string& value, TGui* gui, Values& v) {
    if (key == "VISIBLE") {
        v.visible = guiFlag(value) ? 1 : 0;
    } else if (key == "ACTIVE") {
        v.active = guiFlag(value) ? 1 : 0;
    } else if (key == "POSITION") {
        const std::vector<int> n = guiNumberList(value);
        v.x = guiListValue(n, 0);
        v.y = guiListValue(n, 1);
        if constexpr (requires { v.w; }) v.w = guiListValue(n, 2, Values{}.w);
        if constexpr (requires { v.h; }) v.h = guiListValue(n, 3, Values{}.h);
    } else if (key == "FONT") {
        if constexpr (!requires { v.font; }) return false;
        else v.font = guiFontValue(value, gui, value);
    } else if (key == "RGB") {
        if constexpr (!requires { v.rgb; }) return false;
        else v.rgb = guiColourValue(value);
    } else {
        return false;
    }
    return true;
}

// Walks a block's entries in file order from the given starting values: the
// shared keys first, every other key (upper-cased) handed to readOwnKey.
template <class Values, class ReadOwnKey>
Values readBlockValues(const GuiEntries& entries, TGui* gui, Values v, ReadOwnKey readOwnKey) {
    for (const TSimpleEntry& e : entries) {
        const std::string key = upperCase(e._typ);
        if (!readSharedKey(key, e._value, gui, v)) readOwnKey(key, e._value, v);
    }
    return v;
}

}  // namespace

GuiColour guiColourValue(const std::string& value) {
    const std::vector<int> n = guiNumberList(value);
    const int r = guiListValue(n, 0);
    if (r == -1) return std::nullopt;
    return newRGB(r, guiListValue(n, 1), guiListValue(n, 2));
}

TButtonValues readButtonValues(const GuiEntries& entries, TGui* gui) {
    return readBlockValues(entries, gui, TButtonValues{},
                           [gui](const std::string& key, const std::string& value, TButtonValues& v) {
                               if (key == "TYP") v.typ = value;
                               else if (key == "GFX") v.gfx = guiPath(value, baseOf(gui));
                               else if (key == "SCHEMAT") v.schemat = value;
                               else if (key == "DIR") v.dir = value == "H" ? 0 : 1;
                               else if (key == "TXT") v.txt = guiText(value, baseOf(gui));
                               else if (key == "OUTLINE")
                                   v.outline = upperCase(value) == "NONE" ? GuiColour() : guiColourValue(value);
                           });
}

TTextValues readTextValues(const GuiEntries& entries, TGui* gui) {
    return readBlockValues(entries, gui, TTextValues{},
                           [gui](const std::string& key, const std::string& value, TTextValues& v) {
                               if (key == "TXT") {
                                   v.txt = guiText(value, baseOf(gui));
                               } else if (key == "SHADOW") {
                                   const std::vector<int> n = guiNumberList(value);
                                   v.shadow = true;
                                   v.shadowRGB =
                                       newRGB(guiListValue(n, 0), guiListValue(n, 1), guiListValue(n, 2));
                               } else if (key == "ALIGN") {
                                   v.align = upperCase(value);
                               }
                           });
}

TAnimValues readAnimValues(const GuiEntries& entries, TGui* gui) {
    return readBlockValues(entries, gui, TAnimValues{},
                           [gui](const std::string& key, const std::string& value, TAnimValues& v) {
                               if (key == "SCHEMAT") v.schemat = value;
                               else if (key == "GFX") v.gfx = guiPath(value, baseOf(gui));
                           });
}

TWindowValues readWindowValues(const GuiEntries& entries, TGui* gui) {
    TWindowValues start;
    start.theme = currentTheme;
    const TWindowValues v = readBlockValues(
        entries, gui, std::move(start), [gui](const std::string& key, const std::string& value, TWindowValues& w) {
            if (key == "THEME") w.theme = themeValue(value, gui);
        });
    if (!v.theme) showError("No theme for window object!");
    return v;
}

TTextEntryValues readTextEntryValues(const GuiEntries& entries, TGui* gui) {
    return readBlockValues(entries, gui, TTextEntryValues{},
                           [](const std::string& key, const std::string& value, TTextEntryValues& v) {
                               if (key == "WIDTH") v.maxChars = parseGuiInt(value);
                           });
}

TBarValues readBarValues(const GuiEntries& entries, TGui* gui) {
    TBarValues start;
    start.theme = currentTheme;
    const TBarValues v = readBlockValues(
        entries, gui, std::move(start), [gui](const std::string& key, const std::string& value, TBarValues& b) {
            if (key == "WIDTH") b.width = parseGuiInt(value);
            else if (key == "TEMAT") b.theme = themeValue(value, gui);
        });
    if (!v.theme) showError("No theme asigned for bar object!");
    return v;
}

std::shared_ptr<TGuiObject> readButtonBlock(const std::string& name, const GuiEntries& entries, TGui* gui) {
    const TButtonValues v = readButtonValues(entries, gui);
    const float x = static_cast<float>(v.x), y = static_cast<float>(v.y);
    if (v.typ == "SIMPLE_BUTTON") return TButton::createSimpleButton(name, v.gfx, x, y, v.visible, v.active);
    if (v.typ == "ANIM_BUTTON")
        return TButton::createAnimButton(name, v.gfx, x, y, v.schemat, v.dir, v.visible, v.active);
    if (v.typ == "BLEND_BUTTON") return TButton::createBlendButton(name, v.gfx, x, y, v.dir, v.visible, v.active);
    // The four-step types always lay their frames side by side.
    if (v.typ == "FSTEP_BUTTON")
        return TButton::createStepButton(name, v.gfx, x, y, TButton::kSideBySide, v.visible, v.active);
    if (v.typ == "FSTEP_BLEND_BUTTON")
        return TButton::createStepBlendButton(name, v.gfx, x, y, TButton::kSideBySide, v.visible, v.active);
    if (v.typ == "TEXT_BUTTON")
        return TButton::createTextButton(name, v.txt, fontOf(v.font), x, y, v.rgb, v.outline, v.visible, v.active);
    if (v.typ == "TEXT_SPEC_BUTTON1")
        return TButton::createSpecTextButton(name, v.txt, fontOf(v.font), x, y, v.rgb, v.outline, v.visible,
                                             v.active);
    showError("Unknown button type : '" + v.typ + "' !");
    return nullptr;
}

std::shared_ptr<TGuiObject> readTextBlock(const std::string& name, const GuiEntries& entries, TGui* gui) {
    const TTextValues v = readTextValues(entries, gui);
    std::shared_ptr<TText> t = createText(name, v.txt, static_cast<float>(v.x), static_cast<float>(v.y),
                                          static_cast<float>(v.w), fontOf(v.font), v.align, v.visible, v.active);
    if (!t) return nullptr;
    // No colour (an r of -1) leaves the widget white.
    if (v.rgb) t->rgb = *v.rgb;
    t->_shadow = v.shadow ? 1 : 0;
    if (v.shadow) t->shRGB = v.shadowRGB;
    return t;
}

std::shared_ptr<TGuiObject> readAnimBlock(const std::string& name, const GuiEntries& entries, TGui* gui) {
    const TAnimValues v = readAnimValues(entries, gui);
    return TRGMAnimation::createAnimation(name, v.gfx, static_cast<float>(v.x), static_cast<float>(v.y),
                                          v.schemat, v.visible, v.active);
}

std::shared_ptr<TGuiObject> readWindowBlock(const std::string& name, const GuiEntries& entries, TGui* gui) {
    const TWindowValues v = readWindowValues(entries, gui);
    return createWindow(name, v.x, v.y, v.w, v.h, v.theme, 0, 0, v.visible, v.active);
}

std::shared_ptr<TGuiObject> readTextEntryBlock(const std::string& name, const GuiEntries& entries, TGui* gui) {
    const TTextEntryValues v = readTextEntryValues(entries, gui);
    return createTextEntry(name, fontOf(v.font), static_cast<float>(v.x), static_cast<float>(v.y),
                           static_cast<float>(v.w), v.maxChars, v.rgb, v.visible, v.active);
}

std::shared_ptr<TGuiObject> readBarBlock(const std::string& name, const GuiEntries& entries,
                                         const GuiDeclarations& declarations, TGui* gui) {
    const TBarValues v = readBarValues(entries, gui);
    std::shared_ptr<TBelka> bar = createMenuBar(name, v.x, v.y, v.width, v.theme, v.font, v.visible, v.active);
    if (!bar) return nullptr;
    TBelka::createMenus(*bar, declarations, gui);
    bar->_poukladajMenu();
    return bar;
}

void readThemeBlock(const std::string& name, const GuiEntries& entries, TGui* gui) {
    for (const TSimpleEntry& e : entries) {
        if (upperCase(e._typ) == "URL") {
            createTheme(name, guiPath(e._value, baseOf(gui)), gui ? &gui->_themes : nullptr);
            return;
        }
    }
    showError("No path for theme file!");
}
