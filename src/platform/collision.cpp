#include "platform/collision.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

constexpr uint8_t kSolidAlpha = 128;

struct Placement {
    const uint8_t* alpha = nullptr;
    int w = 0, h = 0;
    float hx = 0.0f, hy = 0.0f;
    float x = 0.0f, y = 0.0f;
    float c = 1.0f, s = 0.0f;

    bool valid() const { return alpha && w > 0 && h > 0; }
    // The pixel of the cell under a point of the picture, or false.
    bool solidAt(float px, float py) const {
        const float dx = px - x, dy = py - y;
        const float lx = dx * c + dy * s + hx;
        const float ly = -dx * s + dy * c + hy;
        if (lx < 0.0f || ly < 0.0f) return false;
        const int ix = static_cast<int>(lx), iy = static_cast<int>(ly);
        if (ix >= w || iy >= h) return false;
        return alpha[iy * w + ix] >= kSolidAlpha;
    }
    // Radius of the circle around the handle that holds the whole cell.
    float reach() const {
        const float fx = std::max(hx, static_cast<float>(w) - hx);
        const float fy = std::max(hy, static_cast<float>(h) - hy);
        return std::sqrt(fx * fx + fy * fy);
    }
};

// The four corners of a placement's cell on the picture.
void corners(const Placement& p, float xs[4], float ys[4]) {
    const float lx[4] = {-p.hx, p.w - p.hx, p.w - p.hx, -p.hx};
    const float ly[4] = {-p.hy, -p.hy, p.h - p.hy, p.h - p.hy};
    for (int i = 0; i < 4; ++i) {
        xs[i] = p.x + lx[i] * p.c - ly[i] * p.s;
        ys[i] = p.y + lx[i] * p.s + ly[i] * p.c;
    }
}

// True when the turned rectangles of the two cells are apart (a separating
// axis among their four edge directions); then no pixels can meet.
bool cellsApart(const Placement& a, const Placement& b) {
    float ax[4], ay[4], bx[4], by[4];
    corners(a, ax, ay);
    corners(b, bx, by);
    const float axes[4][2] = {{a.c, a.s}, {-a.s, a.c}, {b.c, b.s}, {-b.s, b.c}};
    for (const auto& axis : axes) {
        float aMin = 1e30f, aMax = -1e30f, bMin = 1e30f, bMax = -1e30f;
        for (int i = 0; i < 4; ++i) {
            const float pa = ax[i] * axis[0] + ay[i] * axis[1];
            const float pb = bx[i] * axis[0] + by[i] * axis[1];
            aMin = std::min(aMin, pa);
            aMax = std::max(aMax, pa);
            bMin = std::min(bMin, pb);
            bMax = std::max(bMax, pb);
        }
        if (aMax < bMin || bMax < aMin) return true;
    }
    return false;
}

Placement place(const PlacedImage& p) {
    Placement out;
    if (!p.img) return out;
    out.alpha = p.img->cellAlpha(p.frame);
    out.w = p.img->width();
    out.h = p.img->height();
    out.hx = p.img->handleX;
    out.hy = p.img->handleY;
    out.x = p.x;
    out.y = p.y;
    const double rad = static_cast<double>(std::isfinite(p.rotation) ? p.rotation : 0.0f) * 3.14159265358979323846 / 180.0;
    out.c = static_cast<float>(std::cos(rad));
    out.s = static_cast<float>(std::sin(rad));
    return out;
}

}  // namespace

bool outlinesOverlap(const PlacedImage& a, const PlacedImage& b) {
    const Placement pa = place(a), pb = place(b);
    if (!pa.valid() || !pb.valid()) return false;
    const float dx = pa.x - pb.x, dy = pa.y - pb.y;
    const float reach = pa.reach() + pb.reach();
    if (!(dx * dx + dy * dy <= reach * reach)) return false;
    if (cellsApart(pa, pb)) return false;
    // Walk the solid pixels of b (by their centres) and look them up in a.
    for (int iy = 0; iy < pb.h; ++iy) {
        const uint8_t* row = pb.alpha + iy * pb.w;
        const float ly = static_cast<float>(iy) + 0.5f - pb.hy;
        for (int ix = 0; ix < pb.w; ++ix) {
            if (row[ix] < kSolidAlpha) continue;
            const float lx = static_cast<float>(ix) + 0.5f - pb.hx;
            const float wx = pb.x + lx * pb.c - ly * pb.s;
            const float wy = pb.y + lx * pb.s + ly * pb.c;
            if (pa.solidAt(wx, wy)) return true;
        }
    }
    return false;
}

bool outlineContains(const PlacedImage& a, float px, float py) {
    const Placement pa = place(a);
    return pa.valid() && pa.solidAt(px, py);
}

}  // namespace platform
