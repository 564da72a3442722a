// The named-animation table of an animated button: up to 10 named rows of up
// to 100 frame numbers each, with a frame duration per row.
#pragma once

#include <array>
#include <string>

class TAnimData {
public:
    static constexpr int kMaxAnims = 10;
    static constexpr int kMaxPositions = 100;

    std::array<std::array<int, kMaxPositions>, kMaxAnims> frameN{};  // frame numbers per row
    std::array<int, kMaxAnims> frames{};     // positions filled per row
    std::array<int, kMaxAnims> maxFrames{};  // kept equal to frames
    int anims = 0;                           // names registered
    std::array<std::string, kMaxAnims> animName;  // upper-cased; empty = free
    int animFrames = 0;  // highest frame number stored (see liczbaKlatek)
    int animTime = 0;    // clock value at which the current frame ends
    std::array<int, kMaxAnims> frameDelta{};  // ms per frame of each row

    virtual ~TAnimData() = default;

    // Registers a name and returns its row (the existing row when the name is
    // already there); reports and returns 0 when all rows hold other names.
    virtual int dodajNazwe(const std::string& name);
    // The row holding the name; reports and returns 0 when none does.
    virtual int getAnimByName(const std::string& name);
    // Stores in animFrames and returns the highest frame number held in the
    // filled positions of the registered rows (0 when there is none).
    virtual int liczbaKlatek();
    // Appends a frame number to a row; beyond 100 positions (or for a row out
    // of range) nothing is stored.
    void addFrame(int row, int frame);
    // The frame number at a position of a row, or 0 outside the filled part.
    int frameAt(int row, int position) const;
};
