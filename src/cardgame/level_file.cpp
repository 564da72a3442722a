// Level files: reading a layout and writing it back. Every number from the
// file is checked before use (counts capped, non-finite positions read 0,
// unknown card ids get a stand-in identity), so a damaged file gives a
// playable, if odd, layout and never a crash.
#include <cmath>
#include <map>

#include "app/numbers.h"
#include "app/reports.h"
#include "cardgame/level.h"
#include "datafile/rcm_file.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {

float finiteOrZero(float v) { return std::isfinite(v) ? v : 0.0f; }

class LevelReader {
public:
    LevelReader(const TRCMFile& f, std::string name) : f_(f), name_(std::move(name)) {}

    int integer(const std::string& key, int index = 0) const { return floatToInt(f_.getFloat(key, index)); }
    float real(const std::string& key, int index = 0) const { return finiteOrZero(f_.getFloat(key, index)); }
    // A "least, most" setting of the level.
    void range(const char* setting, int& least, int& most) const {
        const std::string key = std::string("level::settings::") + setting;
        least = integer(key, 0);
        most = integer(key, 1);
    }
    int count(const std::string& key, int most) const { return clampCount(integer(key), most, name_ + " " + key); }

    // The identity of an id; when the catalogue lacks it, one stand-in per
    // id shared by the level's cards (the file is reported once, with every
    // such id).
    CardDataRef identity(int id) {
        if (CardDataRef cd = findCardData(id)) return cd;
        CardDataRef& standIn = standIns_[id];
        if (!standIn) {
            standIn = placeholderCardData(id);
            unknownIds_ += (unknownIds_.empty() ? "" : ", ") + std::to_string(id);
        }
        return standIn;
    }

    void reportUnknownIds() const {
        if (!unknownIds_.empty())
            platform::printLine("Napotkano problem : " + name_ + " names card ids the catalogue lacks: " + unknownIds_);
    }

private:
    const TRCMFile& f_;
    std::string name_;
    std::string unknownIds_;
    std::map<int, CardDataRef> standIns_;
};

void readLevel(TLevel& level, const TRCMFile& f, const std::string& name) {
    LevelReader r(f, name);
    level.deckX = floatToInt(r.real("level::settings::deckX"));
    level.deckY = floatToInt(r.real("level::settings::deckY"));
    level.deckImg = r.integer("level::settings::xdeckImg");
    if (level.deckImg != 0 && level.deckImg != 1) level.deckImg = 0;
    level.setBackground(r.integer("level::settings::background"));
    r.range("wildShot", level.wildShotMin, level.wildShotMax);
    r.range("wildCards", level.wildCardsMin, level.wildCardsMax);
    r.range("bonusShuffle", level.bonusShuffleMin, level.bonusShuffleMax);
    r.range("bonusRetry", level.bonusRetryMin, level.bonusRetryMax);
    r.range("bonusUndo", level.bonusUndoMin, level.bonusUndoMax);
    r.range("bonusRestore", level.bonusRestoreMin, level.bonusRestoreMax);
    level.cardsCounter = r.integer("level::settings::cardsCount", 1);
    level.countSpots();
    level.id = r.integer("level::id");

    level.allowedSpec.clear();
    const int c = r.count("level::cards::i", kMostLevelCards);
    for (int i = 1; i <= c; ++i) {
        const std::string p = "level::cards::card" + std::to_string(i) + "::";
        CardRef card = level.newCard(r.identity(r.integer(p + "id")));
        card->dim.x = r.real(p + "dim", 0);
        card->dim.y = r.real(p + "dim", 1);
        card->rot = r.real(p + "dim", 2);
        card->spec = r.integer(p + "spec");
        card->helpDeck = r.integer(p + "helpDeck");
        card->numer = i;
        if (card->spec)
            if (CardDataRef special = findSpecCardData(card->cardId())) level.allowedSpec.push_back(special);
        level.cards.push_back(card);
        if (!card->helpDeck) {
            TDim slot = newDimAt(static_cast<float>(floatToInt(card->dim.x)), static_cast<float>(floatToInt(card->dim.y)));
            slot.w = static_cast<float>(floatToInt(card->rot));
            slot.h = static_cast<float>(i);
            level.allCards.push_back(slot);
        }
    }

    level.listaRezerwowych.clear();
    const int reserve = r.count("level::rezerwowi::i", kMostReserveCards);
    for (int i = 1; i <= reserve; ++i) {
        const std::string key = "level::rezerwowi::rez" + std::to_string(i);
        CardRef card = level.newCard(r.identity(r.integer(key, 0)));
        card->dim = newDimAt(static_cast<float>(floatToInt(r.real(key, 1))), static_cast<float>(floatToInt(r.real(key, 2))));
        card->side = 1;
        card->numer = i;
        level.listaRezerwowych.push_back(card);
    }

    const int d = r.count("level::deck::i", kMostDeckCards);
    for (int i = 1; i <= d; ++i) {
        CardDataRef cd = r.identity(r.integer("level::deck::d" + std::to_string(i)));
        level.deck.push_back(cd);
        level.deckPom.push_back(cd);
    }
    r.reportUnknownIds();
}

bool hasContent(const TRCMFile& f) { return !f._grupa._listaGrup.empty() || !f._grupa._listaWpisow.empty(); }

}  // namespace

LevelRef loadLevelText(const std::string& text, const std::string& name) {
    auto level = std::make_shared<TLevel>();
    std::unique_ptr<TRCMFile> f = newRCMFile();
    f->loadFromBytes(text);
    if (!hasContent(*f)) {
        showError("Level file '" + name + "' is empty or damaged");
        return level;
    }
    readLevel(*level, *f, name);
    return level;
}

LevelRef loadLevelFile(const std::string& path) {
    std::string bytes;
    if (platform::pathKind(path) != platform::PathKind::FILE || !platform::readBinaryFile(path, bytes)) {
        showError("Level file '" + path + "' not found");
        return std::make_shared<TLevel>();
    }
    return loadLevelText(bytes, path);
}

LevelRef newEditorLevel() {
    auto level = std::make_shared<TLevel>();
    level->countSpots();
    if (level->backGround) level->backGround->check();
    return level;
}

int TLevel::save(const std::string& path) {
    std::unique_ptr<TRCMFile> f = newRCMFile();
    writeTo(*f);
    return f->save(path);
}

void TLevel::writeTo(TRCMFile& f) const {
    auto num = [&](const std::string& key, float v, int index = 0) { f.setFloat(key, v, index); };
    num("Level::id", static_cast<float>(id));
    num("level::settings::deckX", static_cast<float>(deckX));
    num("level::settings::deckY", static_cast<float>(deckY));
    num("level::settings::deckC", 2.0f);
    num("level::settings::backGround", static_cast<float>(backGround ? backGround->id : backGroundId));
    num("level::settings::deckImg", static_cast<float>(deckImg));
    auto range = [&](const char* key, int least, int most) {
        num(std::string("level::settings::") + key, static_cast<float>(least), 0);
        num(std::string("level::settings::") + key, static_cast<float>(most), 1);
    };
    range("wildShot", wildShotMin, wildShotMax);
    range("wildCards", wildCardsMin, wildCardsMax);
    range("bonusshuffle", bonusShuffleMin, bonusShuffleMax);
    range("bonusretry", bonusRetryMin, bonusRetryMax);
    range("bonusundo", bonusUndoMin, bonusUndoMax);
    range("bonusrestore", bonusRestoreMin, bonusRestoreMax);
    num("level::settings::cardsCount", static_cast<float>(cardsCounter), 1);

    num("level::rezerwowi::i", static_cast<float>(listaRezerwowych.size()));
    for (size_t i = 0; i < listaRezerwowych.size(); ++i) {
        const std::string key = "level::rezerwowi::rez" + std::to_string(i + 1);
        const TCard& c = *listaRezerwowych[i];
        num(key, static_cast<float>(c.cardId()), 0);
        num(key, c.dim.x, 1);
        num(key, c.dim.y, 2);
    }
    num("level::cards::i", static_cast<float>(cards.size()));
    for (size_t i = 0; i < cards.size(); ++i) {
        const std::string p = "level::cards::card" + std::to_string(i + 1) + "::";
        const TCard& c = *cards[i];
        num(p + "id", static_cast<float>(c.cardId()));
        num(p + "dim", c.dim.x, 0);
        num(p + "dim", c.dim.y, 1);
        num(p + "dim", c.rot, 2);
        num(p + "spec", static_cast<float>(c.spec));
        num(p + "helpDeck", static_cast<float>(c.helpDeck));
    }
    num("level::deck::i", static_cast<float>(deck.size()));
    for (size_t i = 0; i < deck.size(); ++i)
        num("level::deck::d" + std::to_string(i + 1), static_cast<float>(deck[i] ? deck[i]->id : 0));
}
