#include "gui/mouse.h"

#include <cstdlib>

#include "app/numbers.h"
#include "app/strings.h"
#include "platform/input.h"
#include "platform/render.h"
#include "platform/system.h"

TMouse* currentMouse = nullptr;

int TCursor::update() {
    if (_timeDelta > 0 && _maxFrames > 0 && platform::millisecs() >= _time) {
        _time = platform::millisecs() + _timeDelta;
        ++_frame;
        if (_frame > _maxFrames) _frame = 0;
        return 1;
    }
    return 0;
}

void TCursor::draw(float cx, float cy) {
    platform::setColor(255, 255, 255);
    platform::setScale(1.0f, 1.0f);
    platform::setAlpha(1.0f);
    int frame = (_frame <= 0 || _maxFrames <= 0) ? 0 : _frame;
    platform::drawImage(_img, cx, cy, frame);
}

TMouse::TMouse() { currentMouse = this; }

TMouse::~TMouse() {
    if (currentMouse == this) currentMouse = nullptr;
}

void TMouse::update() {
    leftPressed = platform::mouseHit(1);
    rightPressed = platform::mouseHit(2);
    middleHit = platform::mouseHit(3);
    middleHold = platform::mouseDown(3) ? 1 : 0;
    leftHolded = platform::mouseDown(1) ? 1 : 0;

    if (platform::mouseDown(1)) {
        if (!_leftHolded) {
            _leftHoldedTime = platform::millisecs();
            _leftHolded = 1;
        }
    } else {
        _leftHoldedTime = 0;
        _leftHolded = 0;
    }
    if (leftPressed) leftHolded = 0;

    px = x;
    py = y;
    x = floatToInt(platform::mouseX());
    y = floatToInt(platform::mouseY());
    vx = px - x;
    vy = py - y;
    if (cur) cur->update();
}

int TMouse::getHoldedTime() { return std::abs(platform::millisecs() - _leftHoldedTime); }

int TMouse::inRect(int rx, int ry, int rw, int rh) {
    return (x >= rx && x <= rx + rw && y >= ry && y <= ry + rh) ? 1 : 0;
}

int TMouse::inDim(const TDim& d) {
    return (x >= d.x && x <= d.x + d.w && y >= d.y && y <= d.y + d.h) ? 1 : 0;
}

void TMouse::addCursor(const std::string& id, const platform::ImageRef& img, int hx, int hy, int maxFrames,
                       int timeDelta) {
    auto c = std::make_shared<TCursor>();
    c->_id = id;
    c->_hx = hx;
    c->_hy = hy;
    c->_img = img;
    c->_maxFrames = maxFrames;
    c->_timeDelta = timeDelta;
    platform::setImageHandle(c->_img, static_cast<float>(hx), static_cast<float>(hy));
    listaKursorow.push_back(c);
    cur = c;
}

void TMouse::loadCursor(const std::string& id, const platform::ImageRef& img, int hx, int hy) {
    addCursor(id, img, hx, hy, 0, 0);
}

void TMouse::loadCursor(const std::string& id, const std::string& path, int hx, int hy, int frames,
                        int timeDelta) {
    platform::ImageRef whole = platform::loadImage(path);
    if (frames < 2) {
        addCursor(id, whole, hx, hy, 0, timeDelta);
        return;
    }
    int cellW = platform::imageWidth(whole) / frames;
    platform::ImageRef strip = platform::Image::asStrip(whole, cellW, platform::imageHeight(whole), 0, frames,
                                                         platform::IMAGE_DEFAULT);
    addCursor(id, strip, hx, hy, frames - 1, timeDelta);
}

void TMouse::setCursor(const std::string& id) {
    std::string wanted = upperCase(id);
    for (auto it = listaKursorow.rbegin(); it != listaKursorow.rend(); ++it) {
        if (upperCase((*it)->_id) == wanted) {
            cur = *it;
            return;
        }
    }
}

void TMouse::draw() {
    if (_v && cur) cur->draw(static_cast<float>(x), static_cast<float>(y));
}

void TMouse::clear() {
    platform::flushMouse();
    leftPressed = 0;
    leftHolded = 0;
    rightPressed = 0;
    rightHolded = 0;
}
