// Per-frame steps of every button type and the named animations of
// ANIM_BUTTON.
#include <algorithm>

#include "app/easing.h"
#include "app/globals.h"
#include "app/numbers.h"
#include "app/reports.h"
#include "app/strings.h"
#include "gui/button.h"
#include "gui/scheme_text.h"
#include "platform/system.h"

namespace {

constexpr float kOwnStep = 0.05f;      // the button's own easing per frame unit
constexpr float kSwellSpeed = 0.08f;   // letters per frame unit of the swell wave
constexpr float kHoverScale = 1.1f;
constexpr int kDefaultFrameMs = 500;

// A scheme piece NAME or NAME(ms). Exactly one parenthesised text gives the
// duration; anything else keeps the whole piece as the name and 500 ms. An
// unbalanced pair is reported.
void readAnimName(const std::string& piece, std::string& name, int& ms) {
    name = piece;
    ms = kDefaultFrameMs;
    int depth = 0;
    bool balanced = true;
    for (char c : piece) {
        if (c == '(') ++depth;
        if (c == ')' && --depth < 0) balanced = false;
    }
    if (depth != 0) balanced = false;
    if (!balanced) {
        showError("BLAD! Nieprawidlowa definicja znacznika wewnatrz zmiennej _str$ :" + piece);
        return;
    }
    size_t open = piece.find('(');
    if (open == std::string::npos || std::count(piece.begin(), piece.end(), '(') != 1) return;
    size_t close = piece.find(')', open);
    ms = parseGuiInt(trimText(piece.substr(open + 1, close - open - 1)));
    name = trimText(piece.substr(0, open) + piece.substr(close + 1));
}

}  // namespace

void TButton::setDeltaTime(int anim, int ms) {
    if (anim >= 0 && anim < TAnimData::kMaxAnims) _animData.frameDelta[anim] = ms;
}

void TButton::interpretujSchemat(const std::string& scheme, int dir) {
    _dir = dir;
    _activeFlag = _overFlag = _unactiveFlag = 0;
    bool hasNormal = false;
    int current = -1;  // no animation named yet
    for (const std::string& raw : splitString(scheme, " ", "[", "]")) {
        std::string piece = trimText(raw);
        if (piece.empty()) continue;
        if (isAllDigits(piece)) {
            if (current >= 0) _animData.addFrame(current, parseGuiInt(piece));
            continue;
        }
        std::string name;
        int ms = kDefaultFrameMs;
        readAnimName(piece, name, ms);
        current = _animData.dodajNazwe(name);
        setDeltaTime(current, ms);
        std::string upper = upperCase(name);
        if (upper == "ACTIVE") {
            _activeFlag = 1;
            _animActive = current;
        } else if (upper == "OVER") {
            _overFlag = 1;
            _animOver = current;
        } else if (upper == "UNACTIVE") {
            _unactiveFlag = 1;
            _animUnActive = current;
        } else if (upper == "NORMAL") {
            _animNormal = current;
            hasNormal = true;
        }
    }
    if (!hasNormal) showError("Blad! Nie okreslono znacznika animacji [NORMAL] w schemacie:" + scheme);
    frames = _animData.liczbaKlatek();
    playAnim("NORMAL");
}

void TButton::playRow(int row) {
    aktAnim = std::clamp(row, 0, TAnimData::kMaxAnims - 1);
    aktFrame = 0;
    _wykonano = 0;
    _animData.animTime = addSaturated(platform::millisecs(), _animData.frameDelta[aktAnim]);
}

void TButton::playAnim(const std::string& name) { playRow(_animData.getAnimByName(name)); }

void TButton::animUpdate() {
    int now = platform::millisecs();
    if (now < _animData.animTime) return;
    _animData.animTime = addSaturated(now, _animData.frameDelta[aktAnim]);
    ++aktFrame;
    if (aktFrame >= _animData.frames[aktAnim]) {
        aktFrame = 0;
        _wykonano = 1;
    }
}

void TButton::playUnactiveWhenInactive() {
    if (!_a && _unactiveFlag) playRow(_animUnActive);
}

void TButton::sprawdzAnimacje() {
    if (aktAnim == _animActive) {
        if (_wykonano) {
            if (!_over) {
                playRow(_animNormal);
            } else if (_overFlag) {
                playRow(_animOver);
            }
        }
        playUnactiveWhenInactive();
    } else if (aktAnim == _animOver) {
        if (!_over) playRow(_animNormal);
        if (_clicked && _activeFlag) playRow(_animActive);
        playUnactiveWhenInactive();
    } else if (aktAnim == _animNormal) {
        if (_clicked && _activeFlag) playRow(_animActive);
        if (_over && _overFlag) playRow(_animOver);
        playUnactiveWhenInactive();
    } else if (aktAnim == _animUnActive) {
        if (_wykonano) playRow(_a ? _animNormal : _animUnActive);
    } else {
        if (_wykonano) playRow(_animNormal);
        playUnactiveWhenInactive();
    }
}

void TButton::updateSwellWave() {
    const std::vector<std::string>& characters = charactersOf(_txt);
    const float length = static_cast<float>(characters.size());
    _textScale.assign(characters.size(), 1.0f);
    if (characters.empty() || !_over) {
        _chrN = 0.0f;
        return;
    }
    _chrN += kSwellSpeed * frameDelta;
    if (_chrN >= length) _chrN = 0.0f;
    if (characters[static_cast<size_t>(_chrN)] == " ") {
        _chrN += 1.0f;
        if (_chrN >= length) _chrN = 0.0f;
    }
    size_t i = static_cast<size_t>(_chrN);
    float d = _chrN - static_cast<float>(i);
    float s;
    if (d < 0.5f) {
        s = 1.0f + d * _bigText;
    } else if (d == 0.5f) {
        s = 1.5f + 0.5f * _bigText;
    } else {
        s = 1.5f - (d - 0.5f) * _bigText;
    }
    _textScale[i] = s;
}

int TButton::stepCell() const {
    if (_over) return (_clicked || _holded) ? STEP_PRESSED : STEP_HOVER;
    return _a ? STEP_NORMAL : STEP_INACTIVE;
}

void TButton::updateStepBlend() {
    float wanted = static_cast<float>(stepCell());
    if (wanted != _new4StepB) {
        _old4StepB = _new4StepB;
        _newAlpha = 0.0f;
        _new4StepB = wanted;
    }
    easeToward(_newAlpha, 1.0f, kOwnStep * frameDelta);
}

void TButton::updateMe(float dx, float dy) {
    (void)dx;
    (void)dy;
    switch (_typ) {
        case SIMPLE_BUTTON:
            _dButtonScale = _over ? kHoverScale : 1.0f;
            if (_clicked) _buttonScale = 1.0f;
            break;
        case ANIM_BUTTON:
            sprawdzAnimacje();
            animUpdate();
            break;
        case BLEND_BUTTON:
            _dButtonAlpha = _over ? 1.0f : 0.0f;
            easeToward(_buttonAlpha, _dButtonAlpha, wzr * frameDelta);
            break;
        case FSTEP_BUTTON:
            break;  // the cell is chosen when drawing
        case TEXT_BUTTON:
            _dButtonScale = _over ? kHoverScale : 1.0f;
            if (_clicked || _holded) _buttonScale = 1.0f;
            break;
        case TEXT_SPEC_BUTTON1:
            updateSwellWave();
            break;
        case FSTEP_BLEND_BUTTON:
            updateStepBlend();
            break;
        default:
            break;
    }
    updateScaleAndAlpha();
}

void TButton::updateScaleAndAlpha() {
    const float step = kOwnStep * frameDelta;
    easeToward(_buttonScale, _dButtonScale, step);
    easeToward(_buttonAlpha, _dButtonAlpha, step);
}
