#include "gui/window.h"

#include "platform/render.h"

void TControl::rysujObiekty(float dx, float dy) {
    // An index walk: a child's draw may not change the list, but a screen may
    // add children between frames.
    for (size_t i = 0; i < listaObiektow.size(); ++i) {
        std::shared_ptr<TGuiObject> child = listaObiektow[i];
        if (child && child->_v) child->draw(dim.x + dx, dim.y + dy);
    }
}

void TControl::updateObiekty(float dx, float dy) {
    for (size_t i = 0; i < listaObiektow.size(); ++i) {
        std::shared_ptr<TGuiObject> child = listaObiektow[i];
        if (child) child->update(dim.x + dx, dim.y + dy);
    }
}

void TControl::dodajObiekt(std::shared_ptr<TGuiObject> obj) {
    if (obj) listaObiektow.push_back(std::move(obj));
}

void TWindow::obliczSkale() {
    if (!theme) return;
    const auto& p = theme->oknoImg;
    auto w = [&p](int i) { return static_cast<float>(platform::imageWidth(p[i])); };
    auto h = [&p](int i) { return static_cast<float>(platform::imageHeight(p[i])); };
    const float a = w(TTheme::TOP_LEFT) + w(TTheme::TOP_RIGHT);
    const float b = h(TTheme::TOP) + h(TTheme::BOTTOM);
    if (w(TTheme::TOP) > 0.0f) skala[0] = (dim.w - a) / w(TTheme::TOP);
    if (h(TTheme::RIGHT) > 0.0f) skala[1] = (dim.h - b) / h(TTheme::RIGHT);
    if (w(TTheme::CENTRE) > 0.0f) skala[2] = (dim.w - a) / w(TTheme::CENTRE);
    if (h(TTheme::CENTRE) > 0.0f) skala[3] = (dim.h - b) / h(TTheme::CENTRE);
    incX = w(TTheme::TOP_LEFT);
    incY = h(TTheme::TOP_LEFT);
    decX = w(TTheme::TOP_RIGHT);
    decY = h(TTheme::TOP_RIGHT);
}

std::array<TWindow::PiecePlacement, 9> TWindow::frameLayout(float dx, float dy) const {
    const float x = dim.x + dx, y = dim.y + dy, w = dim.w, h = dim.h;
    // Corners at their size (their handles put them inside the frame), then
    // the edges and the centre stretched between them.
    return {{
        {TTheme::TOP_LEFT, x, y, 1.0f, 1.0f},
        {TTheme::TOP_RIGHT, x + w, y, 1.0f, 1.0f},
        {TTheme::BOTTOM_RIGHT, x + w, y + h, 1.0f, 1.0f},
        {TTheme::BOTTOM_LEFT, x, y + h, 1.0f, 1.0f},
        {TTheme::TOP, x + incX, y, skala[0], 1.0f},
        {TTheme::RIGHT, x + w, y + incY, 1.0f, skala[1]},
        {TTheme::BOTTOM, x + incX, y + h, skala[0], 1.0f},
        {TTheme::LEFT, x, y + incY, 1.0f, skala[1]},
        {TTheme::CENTRE, x + incX, y + incY, skala[2], skala[3]},
    }};
}

void TWindow::draw(float dx, float dy) {
    if (!theme) return;
    platform::setColor(rgb.r, rgb.g, rgb.b);
    platform::setAlpha(_alpha);
    for (const PiecePlacement& p : frameLayout(dx, dy)) {
        platform::setScale(p.sx, p.sy);
        platform::drawImage(theme->oknoImg[p.piece], p.x, p.y);
    }
    platform::setScale(1.0f, 1.0f);
    rysujObiekty(dx, dy);
}

std::shared_ptr<TWindow> createWindow(const std::string& id, int x, int y, int w, int h, ThemeRef theme,
                                      int centreX, int centreY, int visible, int active) {
    auto win = std::make_shared<TWindow>();
    if (centreX) x = (static_cast<int>(platform::virtualWidth()) - w) / 2;
    if (centreY) y = (static_cast<int>(platform::virtualHeight()) - h) / 2;
    win->dim = newDim(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                      static_cast<float>(h));
    win->theme = theme ? std::move(theme) : currentTheme;
    win->_id = id;
    win->_v = visible;
    win->_a = active;
    win->_class = GUI_KIND_WINDOW;
    win->obliczSkale();
    win->listaObiektow.clear();
    return win;
}
