// Walking the registry and checking files.
#include "validate_content/content_validator.h"

#include <algorithm>
#include <set>

#include "app/strings.h"
#include "app/texts.h"
#include "bmfont/bmfont_descriptor.h"
#include "platform/files.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/sound_decode.h"
#include "validate_content/content_paths_resolve.h"
#include "validate_content/data_rules.h"
#include "validate_content/gui_file.h"
#include "validate_content/gui_rules.h"

namespace {

// Enough of every sound to know it decodes, without decoding whole pieces
// of music.
constexpr long long kSoundFramesChecked = 48000LL * 20;

bool isPow2(int n) { return n > 0 && (n & (n - 1)) == 0; }

std::string sizeText(int w, int h) { return std::to_string(w) + " x " + std::to_string(h); }

// Characters the bitmap font must have: the scoreboard line "SHORT n:n SHORT".
const char* const kBitmapFontMustHave = " 0123456789:ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace

std::string Expectation::key() const {
    return std::to_string(static_cast<int>(shape.kind)) + ":" + std::to_string(shape.width) + "x" +
           std::to_string(shape.height) + ":" + std::to_string(shape.cellWidth) + "x" +
           std::to_string(shape.cellHeight) + "x" + std::to_string(shape.cells) + ":" +
           std::to_string(shape.minLines) + ":" + shape.names + ":" + std::to_string(cellsAcross) + "x" +
           std::to_string(cellsDown) + ":" + (powerOfTwo ? "p2" : "") + ":" + std::to_string(static_cast<int>(role));
}

Expectation cellStrip(int cellWidth, int cellHeight, int cells) {
    Expectation e;
    e.shape = ContentShape{ContentKind::Strip, 0, 0, cellWidth, cellHeight, cells};
    return e;
}

Expectation expect(const ContentShape& shape, DataRole role) {
    Expectation e;
    e.shape = shape;
    e.role = role;
    return e;
}

DataRole roleOfRegistryPath(const std::string& path) {
    struct Role {
        const char* path;
        DataRole role;
    };
    static const Role roles[] = {
        {contentpath::kCardsData, DataRole::Cards},
        {contentpath::kSpecialCardsData, DataRole::SpecialCards},
        {contentpath::kBackgroundsData, DataRole::Backgrounds},
        {contentpath::kMatchList, DataRole::MatchList},
        {contentpath::kTeamsData, DataRole::Teams},
        {contentpath::kEventsData, DataRole::EventDeck},
        {contentpath::kEnemyGoalData, DataRole::AttackDeck},
        {contentpath::kSoundCatalogue, DataRole::SoundCatalogue},
        {contentpath::kParticlesData, DataRole::Particles},
        {contentpath::kFlashSpotsData, DataRole::FlashSpots},
        {contentpath::kTutorialData, DataRole::Tutorial},
        {contentpath::kWindowTheme, DataRole::Theme},
    };
    for (const Role& r : roles)
        if (path == r.path) return r.role;
    return DataRole::Plain;
}

ContentValidator::ContentValidator(std::string gameDir) : gameDir_(std::move(gameDir)) {
    while (gameDir_.size() > 1 && gameDir_.back() == '/') gameDir_.pop_back();
}

std::string ContentValidator::fullPath(const std::string& path) const {
    return gameDir_.empty() ? path : gameDir_ + "/" + path;
}

bool ContentValidator::fileExists(const std::string& path) const {
    return platform::pathKind(fullPath(path)) == platform::PathKind::FILE;
}

void ContentValidator::run(std::span<const ContentEntry> entries) {
    for (int pass = 0; pass < 2; ++pass) {
        const bool requiredPass = pass == 0;
        for (const ContentEntry& e : entries) {
            if (e.required() != requiredPass) continue;
            std::string who = std::string(contentKindName(e.shape.kind)) + "; " + e.subsystem + ": " + e.use;
            need(e.path, expect(e.shape, roleOfRegistryPath(e.path)), e.required(), who);
        }
    }
}

void ContentValidator::need(const std::string& path, const Expectation& e, bool required,
                            const std::string& namedBy) {
    const std::string key = path + "\n" + e.key();
    auto it = done_.find(key);
    if (it != done_.end()) {
        if (required && !it->second) {
            it->second = true;
            report_.makeRequired(path);
        }
        return;
    }
    done_[key] = required;
    report_.checked(path);
    if (!fileExists(path)) {
        report_.missing(path, required, namedBy);
        return;
    }
    checkFile(path, e, required);
}

void ContentValidator::needWritten(const std::string& from, const std::string& folder, const std::string& written,
                                   const Expectation& e, bool required, const std::string& namedBy) {
    std::optional<std::string> path = resolveContentPath(folder, written);
    if (!path) {
        malformed(from, required, "names \"" + written + "\", which is not a path inside the game folder");
        return;
    }
    need(*path, e, required, namedBy);
}

void ContentValidator::checkFile(const std::string& path, const Expectation& e, bool required) {
    switch (e.shape.kind) {
        case ContentKind::Image:
        case ContentKind::FullScreenImage:
        case ContentKind::Strip: checkImage(path, e, required); break;
        case ContentKind::Text: checkText(path, e, required); break;
        case ContentKind::DataFile: checkData(path, e, required); break;
        case ContentKind::Gui: checkGuiFile(path, e, required); break;
        case ContentKind::BitmapFont: checkBitmapFont(path, required); break;
        case ContentKind::TrueTypeFont: checkTrueType(path, required); break;
        case ContentKind::Sound: checkSound(path, required); break;
    }
}

void ContentValidator::checkImage(const std::string& path, const Expectation& e, bool required) {
    platform::ImageRef img = platform::loadImage(fullPath(path), platform::IMAGE_NONE);
    if (!img) {
        malformed(path, required, "does not decode as a PNG or JPEG picture");
        return;
    }
    const int w = img->pixelWidth(), h = img->pixelHeight();
    const ContentShape& s = e.shape;
    const bool wrongW = s.width > 0 && w != s.width;
    const bool wrongH = s.height > 0 && h != s.height;
    if (wrongW || wrongH) {
        std::string want = s.width > 0 && s.height > 0 ? sizeText(s.width, s.height)
                           : s.width > 0               ? std::to_string(s.width) + " wide"
                                                       : std::to_string(s.height) + " high";
        std::string why = s.kind == ContentKind::FullScreenImage ? " (drawn unscaled over the 1024 x 768 picture)"
                          : s.kind == ContentKind::Strip
                              ? " (" + std::to_string(s.cells) + " cells of " + sizeText(s.cellWidth, s.cellHeight) +
                                    " in one row)"
                              : "";
        malformed(path, required, "is " + sizeText(w, h) + ", must be " + want + why);
    }
    if (s.kind == ContentKind::Strip) {
        if (s.cellWidth <= 0 || s.cellHeight <= 0 || s.cells <= 0) {
            malformed(path, required, "is loaded as a strip but its cell size and count are not all positive");
        } else {
            const long long fit = static_cast<long long>(w / s.cellWidth) * (h / s.cellHeight);
            if (fit < s.cells)
                malformed(path, required,
                          "holds " + std::to_string(fit) + " cells of " + sizeText(s.cellWidth, s.cellHeight) +
                              " (" + sizeText(w, h) + "), its reader cuts " + std::to_string(s.cells));
        }
    }
    if (e.cellsAcross > 1 && w % e.cellsAcross != 0)
        malformed(path, required,
                  "is " + std::to_string(w) + " wide, not " + std::to_string(e.cellsAcross) +
                      " equal cells side by side");
    if (e.cellsDown > 1 && h % e.cellsDown != 0)
        malformed(path, required,
                  "is " + std::to_string(h) + " high, not " + std::to_string(e.cellsDown) + " equal cells stacked");
    if (e.powerOfTwo && (!isPow2(w) || !isPow2(h)))
        malformed(path, required, "is " + sizeText(w, h) + "; bitmap-font pages must be powers of two");
}

bool ContentValidator::imageSize(const std::string& path, int& width, int& height) {
    auto it = sizeCache_.find(path);
    if (it == sizeCache_.end()) {
        platform::ImageRef img = fileExists(path) ? platform::loadImage(fullPath(path), platform::IMAGE_NONE) : nullptr;
        std::pair<int, int> size = img ? std::make_pair(img->pixelWidth(), img->pixelHeight()) : std::make_pair(0, 0);
        it = sizeCache_.emplace(path, size).first;
    }
    width = it->second.first;
    height = it->second.second;
    return width > 0;
}

int ContentValidator::textLines(const std::string& path) {
    auto it = lineCache_.find(path);
    if (it != lineCache_.end()) return it->second;
    int lines = fileExists(path) ? loadTxtFile(fullPath(path)).lines() : -1;
    lineCache_[path] = lines;
    return lines;
}

void ContentValidator::checkText(const std::string& path, const Expectation& e, bool required) {
    const int lines = textLines(path);
    if (lines < e.shape.minLines)
        malformed(path, required,
                  "has " + std::to_string(lines) + " line(s); line " + std::to_string(e.shape.minLines) +
                      " is read (shown as \"(BEYOND TEXT ARRAY LENGTH!)\")");
    std::string text;
    platform::readTextFile(fullPath(path), text);
    if (text.find('\r') != std::string::npos)
        malformed(path, required, "has CR LF line ends; the CR stays in every line (use LF only)");
}

const TRCMFile* ContentValidator::data(const std::string& path) {
    auto it = dataCache_.find(path);
    if (it != dataCache_.end()) return it->second.get();
    std::unique_ptr<TRCMFile> file;
    std::string text;
    if (fileExists(path) && platform::readTextFile(fullPath(path), text)) {
        file = newRCMFile();
        if (!file->parseText(text)) file.reset();
    }
    const TRCMFile* result = file.get();
    dataCache_[path] = std::move(file);
    return result;
}

void ContentValidator::checkData(const std::string& path, const Expectation& e, bool required) {
    const TRCMFile* file = data(path);
    if (!file) {
        std::string text;
        platform::readTextFile(fullPath(path), text);
        malformed(path, required, describeBraceCounts(text));
        return;
    }
    lintDataFile(*this, path, *file, required);
    for (const std::string& key : splitString(e.shape.names, " ", "", "")) {
        if (key.empty()) continue;
        if (!hasDataKey(*file, key)) malformed(path, required, "has no key " + key);
    }
    applyDataRole(*this, path, *file, e.role, required);
}

void ContentValidator::checkGuiFile(const std::string& path, const Expectation& e, bool required) {
    std::string text;
    platform::readTextFile(fullPath(path), text);
    checkGuiDocument(*this, path, parseGui(text), e.shape.names, required);
}

void ContentValidator::checkTrueType(const std::string& path, bool required) {
    if (!platform::loadFont(fullPath(path), 12, platform::FONT_SMOOTH))
        malformed(path, required, "FreeType cannot load it as a font");
}

void ContentValidator::checkSound(const std::string& path, bool required) {
    std::string bytes;
    platform::readBinaryFile(fullPath(path), bytes);
    if (!platform::looksLikeVorbis(bytes) && !platform::looksLikeWav(bytes)) {
        malformed(path, required, "is neither Ogg Vorbis nor WAV");
        return;
    }
    platform::DecodedSound sound;
    if (!platform::decodeSoundBytes(bytes, sound, kSoundFramesChecked) || sound.frames() == 0)
        malformed(path, required, "does not decode");
}

void ContentValidator::checkBitmapFont(const std::string& path, bool required) {
    std::string bytes;
    platform::readBinaryFile(fullPath(path), bytes);
    bmfont::Descriptor d;
    std::string error;
    if (!bmfont::decodeDescriptor(bytes, d, error)) {
        malformed(path, required, "is not a readable bitmap-font descriptor: " + error);
        return;
    }
    if (d.info.fontSize <= 0)
        malformed(path, required,
                  "has fontSize " + std::to_string(d.info.fontSize) + "; the game reads it unsigned as the line step");
    if (d.common.bitField != 0)
        malformed(path, required, "has common bitField " + std::to_string(d.common.bitField) + " (must be 0: not packed)");
    if (d.common.pages == 0 || d.common.pages != d.pageNames.size())
        malformed(path, required,
                  "says " + std::to_string(d.common.pages) + " page(s) and names " + std::to_string(d.pageNames.size()));
    const std::string folder = contentFolderOf(path);
    Expectation page = expect(image(d.common.scaleW, d.common.scaleH));
    page.powerOfTwo = true;
    for (const std::string& name : d.pageNames)
        needWritten(path, folder, name, page, required, "page of " + path);

    std::set<uint32_t> ids;
    for (const bmfont::CharRecord& c : d.chars) {
        ids.insert(c.id);
        if (c.page >= d.pageNames.size())
            malformed(path, required, "character " + std::to_string(c.id) + " lies on page " + std::to_string(c.page) +
                                          ", which it does not name");
        else if (c.x + c.width > d.common.scaleW || c.y + c.height > d.common.scaleH)
            malformed(path, required, "character " + std::to_string(c.id) + " reaches outside its page");
    }
    std::string lacking;
    for (const char* p = kBitmapFontMustHave; *p; ++p)
        if (!ids.count(static_cast<unsigned char>(*p))) lacking += *p == ' ' ? std::string("space") : std::string(1, *p);
    if (!lacking.empty()) malformed(path, required, "has no characters for: " + lacking);
}
