#include "cardgame/card_data.h"

#include "app/content_paths.h"
#include "app/numbers.h"
#include "app/reports.h"
#include "app/strings.h"
#include "datafile/rcm_file.h"
#include "platform/system.h"

CardDataList cardCatalogue;
CardDataList actionCardCatalogue;
CardDataList specCardCatalogue;
std::vector<BackgroundRef> backgroundCatalogue;
platform::ImageRef cardReverseImages[3];
platform::ImageRef cardMaskImage;
platform::ImageRef bonusCardImages[5];

namespace {

// Far above any real catalogue; a damaged count cannot make the loaders spin.
constexpr int kMostFaceImages = 1000;
constexpr int kMostCards = 10000;
constexpr int kMostBackgrounds = 1000;

constexpr int kFaceFlags = platform::IMAGE_FILTERED | platform::IMAGE_MASKED;

int readInt(const TRCMFile& f, const std::string& key) { return floatToInt(f.getFloat(key, 0, 0)); }

platform::ImageRef loadCentred(const std::string& path, int flags) {
    platform::ImageRef img = loadImageChecked(path, flags);
    platform::midHandleImage(img);
    return img;
}

// The face pictures of a catalogue file, in file order. `alwaysStrip` cuts
// every picture as a strip, whatever its numbers say.
std::vector<platform::ImageRef> loadFaceImages(const TRCMFile& f, bool alwaysStrip) {
    std::vector<platform::ImageRef> faces;
    const int n = clampCount(readInt(f, "cards::imgs"), kMostFaceImages, "cards::imgs");
    for (int k = 1; k <= n; ++k) {
        const std::string key = "cards::img" + std::to_string(k);
        const std::string path = f.getString(key, 0);
        std::vector<int> geometry;
        for (const std::string& piece : splitString(f.getString(key, 1), " ", "", ""))
            geometry.push_back(floatToInt(parseDecimal(piece)));
        geometry.resize(3, 0);
        platform::ImageRef img;
        if (alwaysStrip || geometry[0] >= 1) {
            img = platform::loadAnimImage(path, geometry[0], geometry[1], 0, geometry[2], kFaceFlags);
            if (!img) showError("Couldn't load image file: " + path + " - program will probably crash!");
        } else {
            img = loadImageChecked(path, kFaceFlags);
        }
        platform::midHandleImage(img);
        faces.push_back(img);
    }
    return faces;
}

// Reads every card record of a catalogue file; `place` files each record.
template <typename Place>
void readCardRecords(const TRCMFile& f, const std::vector<platform::ImageRef>& faces, Place place) {
    const int count = clampCount(readInt(f, "cards::i"), kMostCards, "cards::i");
    for (int i = 1; i <= count; ++i) {
        const std::string p = "cards::c" + std::to_string(i) + "::";
        auto cd = std::make_shared<TCardData>();
        cd->id = readInt(f, p + "id");
        const int img = readInt(f, p + "img");
        if (img >= 1 && img <= static_cast<int>(faces.size())) {
            cd->img = faces[static_cast<size_t>(img - 1)];
        } else {
            platform::printLine("Napotkano problem : card " + std::to_string(cd->id) + " names face picture " +
                                std::to_string(img) + ", which the catalogue lacks");
        }
        cd->frame = readInt(f, p + "frame");
        cd->nazwa = f.getString(p + "nazwa");
        cd->kolor = readInt(f, p + "kolor");
        cd->seqN = figureRank(cd->nazwa);
        place(cd);
    }
}

CardDataRef findIn(const CardDataList& list, int id) {
    for (const CardDataRef& cd : list)
        if (cd && cd->id == id) return cd;
    return nullptr;
}

}  // namespace

int figureRank(const std::string& nazwa) {
    if (nazwa == "A") return 14;
    if (nazwa == "K") return 13;
    if (nazwa == "Q") return 12;
    if (nazwa == "J") return 11;
    // Only whole decimal numbers count; "7x" or "" rank 0.
    if (nazwa.empty() || nazwa.size() > 9) return 0;
    int value = 0;
    for (char c : nazwa) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

void loadCardCatalogue() {
    const char* backs[3] = {contentpath::kCardBack1, contentpath::kCardBack2, contentpath::kCardBack3};
    for (int i = 0; i < 3; ++i) cardReverseImages[i] = loadCentred(backs[i], kFaceFlags);
    const char* bonuses[5] = {nullptr, contentpath::kBonusShuffleCard, contentpath::kBonusRetryCard,
                              contentpath::kBonusUndoCard, contentpath::kBonusRestoreCard};
    for (int i = 1; i <= 4; ++i) bonusCardImages[i] = loadCentred(bonuses[i], kFaceFlags);
    cardMaskImage = loadCentred(contentpath::kCardMask, platform::IMAGE_DEFAULT);

    std::unique_ptr<TRCMFile> f = loadRCMFile(contentpath::kCardsData);
    const std::vector<platform::ImageRef> faces = loadFaceImages(*f, false);
    cardCatalogue.clear();
    actionCardCatalogue.clear();
    readCardRecords(*f, faces, [](const CardDataRef& cd) {
        (cd->id <= cardid::kNeverDealt ? cardCatalogue : actionCardCatalogue).push_back(cd);
    });
}

void loadSpecCardCatalogue() {
    std::unique_ptr<TRCMFile> f = loadRCMFile(contentpath::kSpecialCardsData);
    const std::vector<platform::ImageRef> faces = loadFaceImages(*f, true);
    specCardCatalogue.clear();
    readCardRecords(*f, faces, [](const CardDataRef& cd) { specCardCatalogue.push_back(cd); });
}

void loadBackgroundCatalogue() {
    std::unique_ptr<TRCMFile> f = loadRCMFile(contentpath::kBackgroundsData);
    backgroundCatalogue.clear();
    const int count = clampCount(readInt(*f, "backgrounds::i"), kMostBackgrounds, "backgrounds::i");
    for (int i = 1; i <= count; ++i) {
        const std::string p = "backGrounds::bg" + std::to_string(i) + "::";
        auto bg = std::make_shared<TBackground>();
        bg->id = readInt(*f, p + "id");
        bg->url = f->getString(p + "url");
        backgroundCatalogue.push_back(bg);
    }
}

void TBackground::loadMe() {
    img = platform::loadImage(url);
    if (!img) platform::notify("Backgroud file '" + url + "' not found!");
}

void TBackground::check() {
    if (!img) loadMe();
}

CardDataRef findCardData(int id) {
    if (CardDataRef cd = findIn(cardCatalogue, id)) return cd;
    return findIn(actionCardCatalogue, id);
}

CardDataRef findSpecCardData(int id) { return findIn(specCardCatalogue, id); }

BackgroundRef findBackground(int id) {
    for (const BackgroundRef& bg : backgroundCatalogue)
        if (bg && bg->id == id) return bg;
    return nullptr;
}

CardDataList getDeckCardDataList() {
    CardDataList out;
    for (const CardDataRef& cd : cardCatalogue)
        if (cd && cd->id < cardid::kNeverDealt) out.push_back(cd);
    return out;
}

CardDataRef placeholderCardData(int id) {
    auto cd = std::make_shared<TCardData>();
    cd->id = id;
    cd->placeholder = true;
    return cd;
}

platform::ImageRef cardReverseImage(int n) { return n >= 0 && n < 3 ? cardReverseImages[n] : nullptr; }

platform::ImageRef bonusCardImage(int code) { return code >= 1 && code <= 4 ? bonusCardImages[code] : nullptr; }
