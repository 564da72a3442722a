#include "gui/rgm_animation.h"

#include <algorithm>

#include "app/numbers.h"
#include "app/reports.h"
#include "app/strings.h"
#include "gui/scheme_text.h"
#include "platform/render.h"
#include "platform/system.h"

namespace {

// Splits one declaration into the text of its first bracket pair (the
// header) and the text outside every bracket pair (the frame list). Double
// quotes switch bracket matching off until the next quote and are dropped;
// unbalanced brackets are reported and ignored.
void splitDeclaration(const std::string& declaration, std::string& header, std::string& body) {
    bool quoted = false;
    bool open = false;
    int pairsSeen = 0;
    bool reported = false;
    auto reportOnce = [&]() {
        if (!reported) {
            showError("BLAD! Nieprawidlowa definicja znacznika wewnatrz zmiennej _str$ :" + declaration);
            reported = true;
        }
    };
    for (char c : declaration) {
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && c == '[') {
            if (open) reportOnce();
            open = true;
            continue;
        }
        if (!quoted && c == ']') {
            if (!open) {
                reportOnce();
                continue;
            }
            open = false;
            ++pairsSeen;
            continue;
        }
        if (open) {
            if (pairsSeen == 0) header += c;
        } else {
            body += c;
        }
    }
    if (open) reportOnce();
}

}  // namespace

std::shared_ptr<TRGMAnimation> TRGMAnimation::createAnimation(const std::string& id, const std::string& gfxPath,
                                                              float x, float y, const std::string& scheme,
                                                              int visible, int active) {
    auto anim = std::make_shared<TRGMAnimation>();
    anim->dim = newDimAt(x, y);
    anim->interpretujSchemat(scheme);
    anim->loadGFX(gfxPath);
    anim->_id = id;
    anim->setState(visible, active);
    anim->_class = GUI_KIND_ANIMATION;
    return anim;
}

std::vector<std::string> TRGMAnimation::_pobierzDeklaracje(const std::string& scheme) {
    std::string text = trimText(scheme);
    std::vector<std::string> declarations;
    size_t start = text.find('[');
    if (!text.empty() && text[0] != '[') showError("Nieprawidlowa definicja schematu : " + scheme);
    while (start != std::string::npos) {
        size_t next = text.find('[', start + 1);
        std::string piece = trimText(text.substr(start, next == std::string::npos ? std::string::npos : next - start));
        if (!piece.empty()) declarations.push_back(piece);
        start = next;
    }
    return declarations;
}

bool TRGMAnimation::_czyZawiera(const std::string& text, const std::vector<std::string>& list) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

void TRGMAnimation::interpretujSchemat(const std::string& scheme) {
    std::vector<std::string> distinctPieces;
    for (const std::string& declaration : _pobierzDeklaracje(scheme)) {
        auto anim = std::make_shared<TRGMAnim>();
        std::string header, body;
        splitDeclaration(declaration, header, body);
        for (const std::string& word : splitString(header, " ", "", "")) {
            if (word.empty()) continue;
            if (upperCase(word) == "LOOP") {
                anim->loop = 1;
            } else if (isAllDigits(word)) {
                anim->interwal = parseGuiInt(word);
            } else {
                anim->id = upperCase(word);
            }
        }
        for (const std::string& piece : splitString(trimText(body), " ", "", "")) {
            if (anim->maxFrames < TRGMAnim::kMaxFrames) anim->frame[anim->maxFrames++] = parseGuiInt(piece);
            if (!_czyZawiera(piece, distinctPieces)) distinctPieces.push_back(piece);
        }
        animsList.push_back(anim);
    }
    allFrames = static_cast<int>(distinctPieces.size());

    for (const auto& anim : animsList) {
        if (anim->id == "NORMAL") {
            playAnim(anim);
            return;
        }
    }
    showError("Schemat :" + scheme + " - nie uwzglednil animacji NORMAL!");
}

void TRGMAnimation::loadGFX(const std::string& path) {
    platform::ImageRef whole = loadImageChecked(path);
    if (!whole || allFrames <= 0) return;
    int cellW = platform::imageWidth(whole) / allFrames;
    gfx = platform::Image::asStrip(whole, cellW, platform::imageHeight(whole), 0, allFrames, whole->flags());
}

void TRGMAnimation::playAnim(const std::shared_ptr<TRGMAnim>& anim) {
    if (!anim) {
        showError("Animacja ktora chcesz wyswietlic, nie istnieje!");
        return;
    }
    aktAnim = anim;
    _frame = 0;
    _maxFrames = anim->maxFrames;
    _animTime = addSaturated(platform::millisecs(), anim->interwal);
    _wykonano = 0;
}

void TRGMAnimation::playAnim(const std::string& name) {
    std::string wanted = upperCase(name);
    if (!wanted.empty()) {
        for (const auto& anim : animsList) {
            if (anim->id == wanted) {
                playAnim(anim);
                return;
            }
        }
    }
    showError("Animacja ktora chcesz wyswietlic, nie istnieje!");
}

void TRGMAnimation::updateMe(float dx, float dy) {
    (void)dx;
    (void)dy;
    if (!aktAnim) return;
    int now = platform::millisecs();
    if (now <= _animTime) return;
    _animTime = addSaturated(now, aktAnim->interwal);
    ++_frame;
    if (_frame > _maxFrames) {
        _wykonano = 1;
        _frame = aktAnim->loop ? 0 : _maxFrames;
    } else {
        _wykonano = 0;
    }
}

int TRGMAnimation::currentCell() const {
    if (!aktAnim || _frame <= 0 || _frame > aktAnim->maxFrames) return -1;
    int cell = aktAnim->frame[_frame - 1];
    if (cell < 0 || cell >= allFrames) return -1;
    return cell;
}

void TRGMAnimation::draw(float dx, float dy) {
    (void)dx;
    (void)dy;
    platform::setScale(_scale, _scale);
    platform::setAlpha(_alpha);
    int cell = currentCell();
    if (cell >= 0) platform::drawImage(gfx, dim.x, dim.y, cell);
}
