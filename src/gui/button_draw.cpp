// Drawing of every button type.
#include "app/numbers.h"
#include "gui/button.h"
#include "platform/render.h"

int TButton::animCell() const {
    int cell = _animData.frameAt(aktAnim, aktFrame) - 1;  // frame numbers count cells from 1
    if (cell < 0 || cell >= frames) return -1;
    return cell;
}

void TButton::drawImageCell(int cell, float x, float y) const {
    // A cell outside the strip draws nothing.
    if (cell < 0 || cell >= platform::imageFrames(_image)) return;
    platform::drawImage(_image, x, y, cell);
}

void TButton::drawUnswelledCell(int cell, float x, float y) const {
    platform::setAlpha(_alpha);
    platform::setScale(_scale, _scale);
    drawImageCell(cell, x, y);
}

void TButton::draw(float dx, float dy) {
    const float x = dim.x + dx, y = dim.y + dy;
    platform::setAlpha(_alpha * _buttonAlpha);
    platform::setScale(_scale * _buttonScale, _scale * _buttonScale);
    platform::setColor(rgb.r, rgb.g, rgb.b);
    switch (_typ) {
        case SIMPLE_BUTTON:
            platform::setAlpha(_alpha);
            drawImageCell(0, x, y);
            break;
        case ANIM_BUTTON:
            drawUnswelledCell(animCell(), x, y);
            break;
        case BLEND_BUTTON:
            drawUnswelledCell(0, x, y);
            platform::setAlpha(_alpha * _buttonAlpha);
            drawImageCell(1, x, y);
            break;
        case FSTEP_BUTTON:
            drawUnswelledCell(stepCell(), x, y);
            break;
        case FSTEP_BLEND_BUTTON:
            platform::setScale(_scale, _scale);
            platform::setAlpha(_alpha * _oldAlpha);
            drawImageCell(static_cast<int>(_old4StepB), x, y);
            platform::setAlpha(_alpha * _newAlpha);
            drawImageCell(static_cast<int>(_new4StepB), x, y);
            break;
        case TEXT_BUTTON:
            drawTextButton(dx, dy, false);
            break;
        case TEXT_SPEC_BUTTON1:
            drawTextButton(dx, dy, true);
            break;
        default:
            break;
    }
}

void TButton::drawTextButton(float dx, float dy, bool letterByLetter) {
    if (_txt.empty()) return;
    const float s = _scale * _buttonScale;
    platform::setAlpha(_alpha);
    platform::setScale(s, s);
    platform::FontRef previous = platform::getFont();
    platform::setFont(_font);
    const int halfW = platform::fontWidth(_font, _txt) / 2;
    const int halfH = platform::fontHeight(_font) / 2;
    const float tx = static_cast<float>(floatToInt(dim.x - halfW * s + dx));
    const float ty = static_cast<float>(floatToInt(dim.y - halfH * s + dy));
    auto drawAt = [&](float px, float py) {
        if (letterByLetter) {
            drawMyTextSpec(_txt, px, py);
        } else {
            platform::drawText(_txt, px, py);
        }
    };
    if (outLine) {
        platform::setColor(outLine->r, outLine->g, outLine->b);
        drawAt(tx - 1, ty - 1);
        drawAt(tx + 1, ty - 1);
        drawAt(tx - 1, ty + 1);
        drawAt(tx + 1, ty + 1);
    }
    platform::setColor(rgb.r, rgb.g, rgb.b);
    drawAt(tx, ty);
    platform::setFont(previous);
}

void TButton::drawMyTextSpec(const std::string& text, float x, float y) {
    const std::vector<std::string>& characters = charactersOf(text);
    for (size_t i = 0; i < characters.size(); ++i) {
        const float s = i < _textScale.size() ? _textScale[i] : 1.0f;
        const float cw = static_cast<float>(platform::fontWidth(_font, characters[i]));
        platform::setScale(s, s);
        platform::drawText(characters[i], x - cw * s / 2, y - _textHeight * s / 2);
        x += cw + 3;
    }
}
