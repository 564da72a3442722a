// The table of fixed content paths, made from the same lines as the named
// constants.
#include "app/content_paths.h"

#include <iterator>

namespace {

constexpr ContentEntry kEntries[] = {
#define FIELDSTACK_CONTENT_PATH(name, path, shape, readiness, subsystem, use) \
    {#name, contentpath::name, shape, ContentReadiness::readiness, subsystem, use},
#include "app/content_paths.inc"
#undef FIELDSTACK_CONTENT_PATH
};

}  // namespace

std::span<const ContentEntry> contentEntries() { return {kEntries, std::size(kEntries)}; }

const ContentEntry* findContentEntry(std::string_view path) {
    for (const ContentEntry& e : kEntries)
        if (path == e.path) return &e;
    return nullptr;
}

const char* contentKindName(ContentKind kind) {
    switch (kind) {
        case ContentKind::Image: return "image";
        case ContentKind::FullScreenImage: return "full-screen image";
        case ContentKind::Strip: return "strip";
        case ContentKind::TrueTypeFont: return "TrueType font";
        case ContentKind::BitmapFont: return "bitmap font";
        case ContentKind::DataFile: return "data file";
        case ContentKind::Text: return "text file";
        case ContentKind::Gui: return "GUI file";
        case ContentKind::Sound: return "sound";
    }
    return "file";
}
