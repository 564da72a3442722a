// The content files the program reads at fixed paths, in one list.
//
// Every fixed path lives in content_paths.inc, one line per file, with what
// the file is (picture, full-screen picture, strip, font, data file, text
// file, GUI file), which part of the game reads it, and whether that reader
// exists yet. The same lines make both the named constants the readers use
//
//     back = loadImageChecked(contentpath::kLoadingBack, platform::IMAGE_NONE);
//
// and the table the content validator walks (contentEntries()), so code and
// content checks cannot drift apart: a path gets a constant only by getting
// a line in the list.
//
// Files whose names come from other files (card strips, flags, level files,
// sounds...) are not listed here; the validator finds them through the files
// that name them.
#pragma once

#include <span>
#include <string_view>

// What kind of file an entry is, and what its readers rely on. The shapes are
// also what the content validator checks files named by other files against.
enum class ContentKind {
    Image,            // PNG or JPEG (optionally of an exact size)
    FullScreenImage,  // drawn unscaled at (0, 0): exactly 1024 x 768
    Strip,            // one row of equal cells (cell size and count fixed by the code)
    TrueTypeFont,
    BitmapFont,       // binary bitmap-font descriptor with its pages
    DataFile,         // hierarchical data file (with the keys its reader needs)
    Text,             // numbered lines (at least the lines its reader uses)
    Gui,              // GUI definition file (with the widget ids its screen looks up)
    Sound,            // Ogg Vorbis or WAV (every sound is named by data/globalSnd.dat)
};

// Whether the code that reads an entry exists yet.
enum class ContentReadiness {
    Built,       // its reader is part of the program: the file must be there and sound
    ShippedNow,  // its reader comes later, but the content is shipped already: checked as required
    Pending,     // its reader comes later: reported while missing, not an error
};

struct ContentShape {
    ContentKind kind = ContentKind::Image;
    int width = 0;   // exact picture size in pixels; 0 = any
    int height = 0;
    int cellWidth = 0;  // strips
    int cellHeight = 0;
    int cells = 0;
    int minLines = 0;        // text files: the highest line number read
    const char* names = "";  // data files: required keys; GUI files: required widget ids (space separated)
};

constexpr ContentShape image(int width = 0, int height = 0) { return {ContentKind::Image, width, height}; }
constexpr ContentShape fullScreen() { return {ContentKind::FullScreenImage, 1024, 768}; }
constexpr ContentShape strip(int cellWidth, int cellHeight, int cells) {
    return {ContentKind::Strip, cellWidth * cells, cellHeight, cellWidth, cellHeight, cells};
}
constexpr ContentShape trueType() { return {ContentKind::TrueTypeFont}; }
constexpr ContentShape bitmapFont() { return {ContentKind::BitmapFont}; }
constexpr ContentShape dataFile(const char* requiredKeys = "") {
    return {ContentKind::DataFile, 0, 0, 0, 0, 0, 0, requiredKeys};
}
constexpr ContentShape text(int minLines) { return {ContentKind::Text, 0, 0, 0, 0, 0, minLines}; }
constexpr ContentShape gui(const char* widgetIds) { return {ContentKind::Gui, 0, 0, 0, 0, 0, 0, widgetIds}; }
constexpr ContentShape sound() { return {ContentKind::Sound}; }

struct ContentEntry {
    const char* name;  // the constant's name ("kLoadingBack")
    const char* path;  // relative to the game folder
    ContentShape shape;
    ContentReadiness readiness;
    const char* subsystem;  // the src/ folder of its reader ("app", "cardgame", ...)
    const char* use;        // what reads it, in a few words

    bool required() const { return readiness != ContentReadiness::Pending; }
};

// The named paths, one per line of content_paths.inc.
namespace contentpath {
#define FIELDSTACK_CONTENT_PATH(name, path, shape, readiness, subsystem, use) inline constexpr char name[] = path;
#include "app/content_paths.inc"
#undef FIELDSTACK_CONTENT_PATH
}  // namespace contentpath

// Every entry, in list order.
std::span<const ContentEntry> contentEntries();
// The entry of a path (compared exactly), or nullptr.
const ContentEntry* findContentEntry(std::string_view path);
// "image", "full-screen image", ... for reports.
const char* contentKindName(ContentKind kind);
