// Level files: reading a layout and writing it back. Every number from the
// file is checked before use (counts capped, non-finite positions read 0,
// unknown card ids get a stand-in identity), so a damaged file gives a
// playable, if odd, layout and never a crash.
#include <cmath>
#include <map>
#include <unordered_map>

#include "app/numbers.h"
#include "app/reports.h"
#include "app/strings.h"
#include "cardgame/level.h"
#include "datafile/rcm_file.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {

float finiteOrZero(float v) { return std::isfinite(v) ? v : 0.0f; }

// The number at index of an entry, as the data file reads it (0 when
// missing).
float numberOf(const TRCMEntry* e, int index) {
    if (!e || index < 0 || static_cast<size_t>(index) >= e->_value.size()) return 0.0f;
    return static_cast<float>(parseDecimal(e->_value[static_cast<size_t>(index)]));
}

float numberIn(const TRCMGroup* g, const char* key, int index = 0) { return numberOf(g ? g->getEntry(key) : nullptr, index); }

// The sub-groups or entries of a group by name (the first of equal names,
// letter case ignored), so a layout of many cards is read in one pass rather
// than by a search per card.
class NamedChildren {
public:
    NamedChildren(const TRCMGroup* g, bool groups) {
        if (!g) return;
        if (groups) {
            for (const auto& child : g->_listaGrup) groups_.emplace(upperCase(child->_id), child.get());
        } else {
            for (const auto& e : g->_listaWpisow) entries_.emplace(upperCase(e->_id), e.get());
        }
    }
    const TRCMGroup* group(const std::string& name) const {
        auto it = groups_.find(upperCase(name));
        return it == groups_.end() ? nullptr : it->second;
    }
    const TRCMEntry* entry(const std::string& name) const {
        auto it = entries_.find(upperCase(name));
        return it == entries_.end() ? nullptr : it->second;
    }

private:
    std::unordered_map<std::string, const TRCMGroup*> groups_;
    std::unordered_map<std::string, const TRCMEntry*> entries_;
};

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
    const NamedChildren cardGroups(f.getGroup(splitDataPath("level::cards::i")), true);
    for (int i = 1; i <= c; ++i) {
        const TRCMGroup* g = cardGroups.group("card" + std::to_string(i));
        CardRef card = level.newCard(r.identity(floatToInt(numberIn(g, "id"))));
        card->dim.x = finiteOrZero(numberIn(g, "dim", 0));
        card->dim.y = finiteOrZero(numberIn(g, "dim", 1));
        card->rot = finiteOrZero(numberIn(g, "dim", 2));
        card->wild = floatToInt(numberIn(g, "spec"));
        card->helpDeck = floatToInt(numberIn(g, "helpDeck"));
        card->numer = i;
        if (card->wild)
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
    const NamedChildren deckEntries(f.getGroup(splitDataPath("level::deck::i")), false);
    for (int i = 1; i <= d; ++i) {
        CardDataRef cd = r.identity(floatToInt(numberOf(deckEntries.entry("d" + std::to_string(i)), 0)));
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
    // Cards and deck entries are appended to their groups directly: a search
    // per card would make writing a large layout slow.
    TRCMGroup* cardsGroup = f.getGroupSet(splitDataPath("level::cards::i"));
    TRCMGroup* deckGroup = f.getGroupSet(splitDataPath("level::deck::i"));
    if (!cardsGroup || !deckGroup) return;
    cardsGroup->setFloatEntry("i", static_cast<float>(cards.size()), 0);
    for (size_t i = 0; i < cards.size(); ++i) {
        const TCard& c = *cards[i];
        auto g = std::make_unique<TRCMGroup>();
        g->_id = "card" + std::to_string(i + 1);
        g->setFloatEntry("id", static_cast<float>(c.cardId()), 0);
        g->setFloatEntry("dim", c.dim.x, 0);
        g->setFloatEntry("dim", c.dim.y, 1);
        g->setFloatEntry("dim", c.rot, 2);
        g->setFloatEntry("spec", static_cast<float>(c.wild), 0);
        g->setFloatEntry("helpDeck", static_cast<float>(c.helpDeck), 0);
        cardsGroup->_listaGrup.push_back(std::move(g));
    }
    deckGroup->setFloatEntry("i", static_cast<float>(deck.size()), 0);
    for (size_t i = 0; i < deck.size(); ++i)
        deckGroup->_addEntry("d" + std::to_string(i + 1), formatFloat9g(static_cast<float>(deck[i] ? deck[i]->id : 0)), 0)
            ->_type = entryTypeNumber;
}
