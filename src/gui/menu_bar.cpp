#include "gui/menu_bar.h"

#include <algorithm>

#include "app/easing.h"
#include "app/globals.h"
#include "app/reports.h"
#include "app/strings.h"
#include "gui/mouse.h"
#include "gui/rgm_font.h"
#include "platform/render.h"

namespace {

// Opening and closing fade by this much per 60 Hz frame.
constexpr float kFadeStep = 0.06f;

int titleWidth(const TBarTitle& t) { return platform::fontWidth(t._font, t.title); }
int lineHeight(const platform::FontRef& font) { return platform::fontHeight(font); }

bool mouseInBox(TMouse* m, const TDim& box) {
    return m && m->inRect(static_cast<int>(box.x), static_cast<int>(box.y), static_cast<int>(box.w),
                          static_cast<int>(box.h));
}

// A path split at its first ":"; without one the head is empty.
void splitPath(const std::string& path, std::string& head, std::string& rest) {
    size_t colon = path.find(':');
    if (colon == std::string::npos) {
        head.clear();
        rest = path;
    } else {
        head = path.substr(0, colon);
        rest = path.substr(colon + 1);
    }
}

}  // namespace

// --- TBarTitle ---------------------------------------------------------------------------

float TBarTitle::barX() const { return _belka ? _belka->dim.x : 0.0f; }
float TBarTitle::barY() const { return _belka ? _belka->dim.y : 0.0f; }

std::string TBarTitle::shownText() const {
    if (!checked) return title;
    return "* " + (title.size() > 2 ? title.substr(2) : std::string());
}

void TBarTitle::_createRect() {
    rect = newDim(dim.x - 1.0f, dim.y, static_cast<float>(titleWidth(*this) + 2),
                  static_cast<float>(lineHeight(_font)));
}

void TBarTitle::update() {
    _clicked = 0;
    if (dim.w == 0.0f) dim.w = static_cast<float>(titleWidth(*this));
    if (dim.h == 0.0f) dim.h = static_cast<float>(lineHeight(_font));
    rect = newDim(dim.x + barX() - 5.0f, dim.y + barY(), dim.w + 10.0f, dim.h);
    TMouse* m = currentMouse;
    if (_alpha != 0.0f && m) {
        _over = mouseInBox(m, rect) ? 1 : 0;
        if (_over && m->leftPressed) {
            _clicked = 1;
            m->leftPressed = 0;  // widgets after the bar must not see this press
        }
    } else {
        _over = 0;
        _clicked = 0;
    }
    // A menu runs its own step even while its title is faded out, so a
    // closing box finishes its fade.
    if (TMenu* menu = asMenu()) menu->updateMe();
    easeToward(_alpha, _dAlpha, kFadeStep * frameDelta);
    if (!asMenu() && _belka) {
        if (_clicked) _belka->__CLICK(id);
        if (_over) _belka->__OVER(id);
    }
}

void TBarTitle::draw() {
    if (_alpha == 0.0f) return;
    const ThemeRef theme = _belka ? _belka->theme : nullptr;
    platform::setAlpha(_alpha);
    platform::setFont(_font);
    if (_over && _active && theme) {
        platform::setColor(theme->backRGB.r, theme->backRGB.g, theme->backRGB.b);
        platform::setBlend(platform::Blend::ALPHA);
        platform::setAlpha(0.3f * _alpha);
        platform::drawRect(rect.x, rect.y, rect.w, rect.h);
        platform::setAlpha(_alpha);
    }
    if (!_active) platform::setAlpha(0.5f * _alpha);
    if (theme) {
        platform::setColor(theme->textRGB.r, theme->textRGB.g, theme->textRGB.b);
    } else {
        platform::setColor(255, 255, 255);
    }
    platform::drawText(shownText(), dim.x + barX(), dim.y + barY());
    platform::setColor(255, 255, 255);
    if (TMenu* menu = asMenu()) menu->drawMe();
}

// --- TMenu -------------------------------------------------------------------------------

TDim TMenu::screenBox() const {
    return newDim(_comRect.x + barX(), _comRect.y + barY(), _comRect.w, _comRect.h);
}

std::shared_ptr<TBarTitle> TMenu::addCommand(const std::string& commandId, const std::string& caption,
                                             const platform::FontRef& font) {
    auto entry = std::make_shared<TBarTitle>();
    entry->id = commandId;
    entry->title = "  " + caption;
    entry->_font = font;
    entry->_parent = this;
    entry->_belka = _belka;
    _barTitles.push_back(entry);
    return entry;
}

int TMenu::_getMaxWidth() {
    int widest = 0;
    platform::FontRef lastFont = _font;
    for (const auto& e : _barTitles) {
        widest = std::max(widest, titleWidth(*e));
        lastFont = e->_font;
    }
    return widest + platform::fontWidth(lastFont, "* ");
}

void TMenu::_setRect(float offset) {
    const int t = lineHeight(_font);
    _comRect.x = dim.x + offset;
    _comRect.y = _first ? dim.y + 1.5f * static_cast<float>(t) : dim.y;
    _comRect.w = static_cast<float>(_getMaxWidth() + 40);
    int h = t / 2;
    for (const auto& e : _barTitles) h += lineHeight(e->_font) + 1;
    _comRect.h = static_cast<float>(h);
    _comRect.update();
}

void TMenu::getReady(float offset) {
    if (!_first) _setRect(offset);
    const float x = static_cast<float>(static_cast<int>(_comRect.x + 10.0f));
    float y = static_cast<float>(static_cast<int>(_comRect.y));
    const int maxWidth = _getMaxWidth();
    for (const auto& e : _barTitles) {
        e->dim = newDimAt(x, y);
        e->_createRect();
        if (TMenu* sub = e->asMenu()) {
            sub->_comRect = TDim{};
            sub->getReady(static_cast<float>(maxWidth));
        }
        y += static_cast<float>(lineHeight(e->_font) + 1);
    }
    for (const auto& e : _barTitles) {
        e->dim.w = static_cast<float>(maxWidth);
        e->rect.w = static_cast<float>(maxWidth);
    }
}

void TMenu::_rozwin() {
    for (const auto& e : _barTitles) e->_dAlpha = 1.0f;
    _dBoxA = 1.0f;
}

void TMenu::_zwin() {
    for (const auto& e : _barTitles) {
        e->_dAlpha = 0.0f;
        if (TMenu* sub = e->asMenu()) sub->_zwin();
    }
    _dBoxA = 0.0f;
}

void TMenu::_zwinBezwzglednie() {
    if (_belka) {
        _belka->_activated = 0;
        // Every top-level menu sees a press outside its own box; only the
        // open one may forget that it is open, or a press inside the open
        // menu's box would clear it through the closed ones.
        if (_belka->_actualMenu == this) _belka->_actualMenu = nullptr;
    }
    if (!_first) _dAlpha = 0.0f;
    _dBoxA = 0.0f;
    // Submenus close along, so no box is left open under a closed menu.
    for (const auto& e : _barTitles) {
        e->_dAlpha = 0.0f;
        if (TMenu* sub = e->asMenu()) sub->_zwin();
    }
}

void TMenu::updateMe() {
    TMouse* m = currentMouse;
    TBelka* bar = _belka;
    // 1. A clicked top-level menu is the bar's open menu; one opened before
    //    closes.
    if (_first && _clicked && bar) {
        if (bar->_actualMenu && bar->_actualMenu != this) bar->_actualMenu->_zwin();
        bar->_actualMenu = this;
    }
    // 2. Closing when the mouse acts elsewhere.
    const bool inBox = mouseInBox(m, screenBox());
    if (_first) {
        if (m && m->leftPressed && !inBox && !_clicked) _zwinBezwzglednie();
    } else if (!inBox && !_clicked && !_rozwiniety) {
        _dBoxA = 0.0f;
        for (const auto& e : _barTitles) e->_dAlpha = 0.0f;
    }
    // 3. Opening.
    if (_first ? _clicked : (_over || _clicked)) _rozwin();
    // 4. Moving along the bar switches from the open menu to this one.
    if (_first && _over && bar && bar->_actualMenu && bar->_actualMenu != this) {
        bar->_actualMenu->_zwin();
        _rozwin();
        bar->_actualMenu = this;
    }
    // 5. The box fades.
    easeToward(_boxA, _dBoxA, kFadeStep * frameDelta);
    // 6. Entries; an index walk, entries do not change the list.
    _rozwiniety = 0;
    for (size_t i = 0; i < _barTitles.size(); ++i) {
        std::shared_ptr<TBarTitle> e = _barTitles[i];
        e->update();
        if (TMenu* sub = e->asMenu(); sub && sub->_dBoxA == 1.0f) _rozwiniety = 1;
    }
}

void TMenu::_drawBox() {
    const ThemeRef theme = _belka ? _belka->theme : nullptr;
    if (!theme) return;
    const auto& p = theme->rect;
    auto w = [&p](int i) { return static_cast<float>(platform::imageWidth(p[i])); };
    auto h = [&p](int i) { return static_cast<float>(platform::imageHeight(p[i])); };
    const float a = static_cast<float>(static_cast<int>(_comRect.x + barX()));
    const float e = static_cast<float>(static_cast<int>(_comRect.x + _comRect.w + barX() + 5.0f));
    const float t = static_cast<float>(static_cast<int>(_comRect.y + barY() - 5.0f));
    const float b = static_cast<float>(static_cast<int>(_comRect.y + _comRect.h + barY()));
    platform::setScale(1.0f, 1.0f);
    platform::drawImage(p[TTheme::TOP_LEFT], a, t);
    platform::drawImage(p[TTheme::TOP_RIGHT], e - w(TTheme::TOP_RIGHT), t);
    platform::drawImage(p[TTheme::BOTTOM_RIGHT], e - w(TTheme::BOTTOM_RIGHT), b - h(TTheme::BOTTOM_RIGHT));
    platform::drawImage(p[TTheme::BOTTOM_LEFT], a, b - h(TTheme::BOTTOM_LEFT));
    const float across = e - a - w(TTheme::TOP_LEFT) - w(TTheme::TOP_RIGHT);
    const float down = b - t - h(TTheme::TOP_LEFT) - h(TTheme::BOTTOM_LEFT);
    // A piece of width or height 0 (missing) has no stretch and is skipped.
    if (w(TTheme::TOP) > 0.0f) {
        platform::setScale(across / w(TTheme::TOP), 1.0f);
        platform::drawImage(p[TTheme::TOP], a + w(TTheme::TOP_LEFT), t);
    }
    if (w(TTheme::BOTTOM) > 0.0f) {
        platform::setScale(across / w(TTheme::BOTTOM), 1.0f);
        platform::drawImage(p[TTheme::BOTTOM], a + w(TTheme::BOTTOM_LEFT), b - h(TTheme::BOTTOM));
    }
    if (h(TTheme::LEFT) > 0.0f) {
        platform::setScale(1.0f, down / h(TTheme::LEFT));
        platform::drawImage(p[TTheme::LEFT], a, t + h(TTheme::TOP_LEFT));
    }
    if (h(TTheme::RIGHT) > 0.0f) {
        platform::setScale(1.0f, down / h(TTheme::RIGHT));
        platform::drawImage(p[TTheme::RIGHT], e - w(TTheme::RIGHT), t + h(TTheme::TOP_RIGHT));
    }
    if (w(TTheme::CENTRE) > 0.0f && h(TTheme::CENTRE) > 0.0f) {
        platform::setScale(across / w(TTheme::CENTRE), down / h(TTheme::CENTRE));
        platform::drawImage(p[TTheme::CENTRE], a + w(TTheme::TOP_LEFT), t + h(TTheme::TOP_LEFT));
    }
    platform::setScale(1.0f, 1.0f);
    platform::setColor(255, 255, 255);
}

void TMenu::drawMe() {
    if (_boxA > 0.0f) {
        platform::setAlpha(_boxA);
        _drawBox();
    }
    for (size_t i = 0; i < _barTitles.size(); ++i) {
        if (!_barTitles[i]->asMenu()) _barTitles[i]->draw();
    }
    for (size_t i = 0; i < _barTitles.size(); ++i) {
        if (_barTitles[i]->asMenu()) _barTitles[i]->draw();
    }
}

TBarTitle* TMenu::getBarTitle(const std::string& path) {
    std::string head, rest;
    splitPath(path, head, rest);
    // Within a menu a path without ":" names the entry itself.
    if (path.find(':') == std::string::npos) {
        head = path;
        rest.clear();
    }
    for (const auto& e : _barTitles) {
        if (e->id != head) continue;
        if (TMenu* sub = e->asMenu(); sub && !rest.empty()) return sub->getBarTitle(rest);
        return e.get();
    }
    return nullptr;
}

// --- TBelka ------------------------------------------------------------------------------

void TBelka::draw(float dx, float dy) {
    (void)dx;
    (void)dy;
    platform::setAlpha(_alpha);
    if (theme) {
        const auto& p = theme->bar;
        const float leftW = static_cast<float>(platform::imageWidth(p[TTheme::BAR_LEFT]));
        platform::setColor(255, 255, 255);
        platform::setScale(_scale, _scale);
        platform::drawImage(p[TTheme::BAR_LEFT], dim.x, dim.y);
        platform::setScale(_scale * _widthScale, _scale);
        platform::drawImage(p[TTheme::BAR_MIDDLE], dim.x + leftW * _scale, dim.y);
        platform::setScale(_scale, _scale);
        platform::drawImage(p[TTheme::BAR_RIGHT], dim.x + leftW * _scale + _widthScale, dim.y);
        platform::setScale(1.0f, 1.0f);
    }
    _drawMenus();
}

TBarTitle* TBelka::getBarTitle(const std::string& path) {
    std::string head, rest;
    splitPath(path, head, rest);
    for (const auto& menu : _menusList) {
        if (sameUpperCase(menu->id, head)) return menu->getBarTitle(rest);
    }
    showError("Nie znaleziono " + head + " w belce :" + _id);
    return nullptr;
}

void TBelka::updateMe(float dx, float dy) {
    (void)dx;
    (void)dy;
    _clean();
    if (_v && _a) _updateMenus();
}

void TBelka::_zwinMenusy() {
    for (const auto& menu : _menusList) menu->_zwin();
}

void TBelka::__CLICK(const std::string& commandId) {
    _zwinMenusy();
    _clickedOp = commandId;
    _overOp = commandId;
}

void TBelka::__OVER(const std::string& commandId) { _overOp = commandId; }

void TBelka::_drawMenus() {
    for (size_t i = 0; i < _menusList.size(); ++i) _menusList[i]->draw();
}

void TBelka::_updateMenus() {
    for (size_t i = 0; i < _menusList.size(); ++i) {
        std::shared_ptr<TMenu> menu = _menusList[i];
        menu->update();
    }
}

void TBelka::getReady() {
    const int ends = theme ? platform::imageWidth(theme->bar[TTheme::BAR_LEFT]) +
                                 platform::imageWidth(theme->bar[TTheme::BAR_RIGHT])
                           : 0;
    _widthScale = dim.w - static_cast<float>(ends);
}

void TBelka::_poukladajMenu() {
    const int l = lineHeight(_font);
    float x = 10.0f;
    const float y = static_cast<float>(static_cast<int>(dim.h / 2.0f - static_cast<float>(l / 2)));
    for (const auto& menu : _menusList) {
        menu->dim = newDimAt(x, y);
        menu->_comRect = newDimAt(x, y + static_cast<float>(l / 2));
        menu->_createRect();
        menu->_alpha = menu->_dAlpha = 1.0f;
        menu->_active = 1;
        menu->_setRect(0.0f);
        menu->_parent = nullptr;
        menu->_belka = this;
        x += static_cast<float>(titleWidth(*menu) + 30);
        menu->getReady(0.0f);
    }
}

void TBelka::createMenus(TBelka& bar, const GuiDeclarations& declarations, TGui* gui) {
    for (const auto& decl : declarations) {
        if (decl) bar._menusList.push_back(getMenu(bar, *decl, nullptr, 1, gui));
    }
}

std::shared_ptr<TMenu> TBelka::getMenu(TBelka& bar, const TSmallObject& declaration, TMenu* parent,
                                       int first, TGui* gui) {
    auto menu = std::make_shared<TMenu>();
    menu->id = declaration._name;
    menu->_first = first;
    menu->_parent = parent;
    menu->_belka = &bar;
    menu->_font = bar._font;
    // Top-level menus find fonts in their container, submenus in globalFonts.
    TGui* fonts = first ? gui : nullptr;
    for (const auto& item : declaration._tokeny) {
        if (!item) continue;
        if (const TSimpleEntry* entry = item->asEntry()) {
            const std::string key = upperCase(entry->_typ);
            if (key == "TITLE") {
                menu->title = entry->_value;
            } else if (key == "FONT") {
                if (TRGMFont* f = guiFontValue(entry->_value, fonts, entry->_value)) menu->_font = f->_font;
            } else if (key == "COMMAND") {
                std::vector<std::string> parts = splitString(entry->_value, "|", "", "");
                const std::string commandId = parts.empty() ? std::string() : parts[0];
                const std::string caption = parts.size() > 1 ? parts[1] : commandId;
                platform::FontRef font = bar._font;
                if (parts.size() > 2) {
                    if (TRGMFont* f = guiFontValue(parts[2], fonts, entry->_value)) font = f->_font;
                }
                menu->addCommand(commandId, caption, font);
            }
        } else if (const TSmallObject* sub = item->asObject()) {
            menu->_barTitles.push_back(getMenu(bar, *sub, menu.get(), 0, nullptr));
        }
    }
    return menu;
}

std::shared_ptr<TBelka> createMenuBar(const std::string& id, int x, int y, int width, ThemeRef theme,
                                      TRGMFont* font, int visible, int active) {
    auto bar = std::make_shared<TBelka>();
    bar->theme = theme ? std::move(theme) : currentTheme;
    bar->dim = newDim(static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                      static_cast<float>(bar->theme ? bar->theme->barHeight : 0));
    bar->_id = id;
    bar->_class = GUI_KIND_MENU_BAR;
    bar->_font = font ? font->_font : nullptr;
    bar->_v = visible;
    bar->_a = active;
    bar->getReady();
    return bar;
}
