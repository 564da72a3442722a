#include "gui/anim_data.h"

#include "app/reports.h"
#include "app/strings.h"

int TAnimData::dodajNazwe(const std::string& name) {
    std::string wanted = upperCase(name);
    for (int row = 0; row < kMaxAnims; ++row) {
        if (animName[row] == wanted) return row;
        if (animName[row].empty()) {
            animName[row] = wanted;
            ++anims;
            return row;
        }
    }
    showError("Nie mozna dodac wiecej niz 10 animacji!");
    return 0;
}

int TAnimData::getAnimByName(const std::string& name) {
    std::string wanted = upperCase(name);
    if (!wanted.empty()) {
        for (int row = 0; row < kMaxAnims; ++row) {
            if (animName[row] == wanted) return row;
        }
    }
    showError("Podanej nazwy animacji nie ma na liscie animacji obiektu! Nazwa :" + name);
    return 0;
}

int TAnimData::liczbaKlatek() {
    int highest = 0;
    for (int row = 0; row < kMaxAnims; ++row) {
        if (animName[row].empty()) continue;
        for (int pos = 0; pos < frames[row]; ++pos) {
            if (frameN[row][pos] > highest) highest = frameN[row][pos];
        }
    }
    animFrames = highest;
    return highest;
}

void TAnimData::addFrame(int row, int frame) {
    if (row < 0 || row >= kMaxAnims || frames[row] >= kMaxPositions) return;
    frameN[row][frames[row]] = frame;
    ++frames[row];
    maxFrames[row] = frames[row];
}

int TAnimData::frameAt(int row, int position) const {
    if (row < 0 || row >= kMaxAnims || position < 0 || position >= frames[row]) return 0;
    return frameN[row][position];
}
