// What the readers of the data files need from them.
#include "validate_content/data_rules.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <vector>

#include "app/content_paths.h"
#include "app/numbers.h"
#include "app/strings.h"
#include "validate_content/content_paths_resolve.h"

namespace {

std::string num(long long v) { return std::to_string(v); }

std::string listOf(const std::vector<std::string>& items, size_t most = 12) {
    std::string s;
    for (size_t i = 0; i < items.size() && i < most; ++i) s += (i ? ", " : "") + items[i];
    if (items.size() > most) s += ", ... (" + num(static_cast<long long>(items.size())) + " in all)";
    return s;
}

std::string listOf(const std::vector<int>& items) {
    std::vector<std::string> s;
    for (int i : items) s.push_back(num(i));
    return listOf(s);
}

// One data file being checked in the role of its reader.
class Rule {
public:
    Rule(ContentValidator& v, const std::string& path, const TRCMFile& f, bool required)
        : v_(v), path_(path), f_(f), required_(required) {}

    const std::string& path() const { return path_; }
    bool required() const { return required_; }
    ContentValidator& validator() { return v_; }

    const TRCMEntry* entry(const std::string& key) const {
        std::vector<std::string> parts = splitDataPath(key);
        if (parts.empty()) return nullptr;
        const TRCMGroup* g = f_.getGroup(parts);
        return g ? g->getEntry(parts.back()) : nullptr;
    }
    bool has(const std::string& key) const { return entry(key) != nullptr; }
    int number(const std::string& key, int index = 0) const { return floatToInt(f_.getFloat(key, index)); }
    std::string text(const std::string& key, int index = 0) const { return f_.getString(key, index); }
    // A string value that must be written in quotes.
    bool isQuoted(const std::string& key) const {
        const TRCMEntry* e = entry(key);
        return e && e->_type == entryTypeString;
    }
    int values(const std::string& key) const {
        const TRCMEntry* e = entry(key);
        return e ? static_cast<int>(e->_value.size()) : 0;
    }

    void bad(const std::string& detail) { v_.malformed(path_, required_, detail); }
    void warn(const std::string& detail) { v_.warning(path_, detail); }

    // A count key that must be at least `least`.
    int count(const std::string& key, int least, const std::string& why) {
        if (!has(key)) return 0;  // reported by the registry's key list or below
        int n = number(key);
        if (n < least) bad(key + " is " + num(n) + "; " + why);
        return std::max(0, std::min(n, 100000));
    }

    // A file named by this one; paths are relative to the game folder.
    void need(const std::string& written, const Expectation& e, const std::string& key) { needIn("", written, e, key); }
    void needIn(const std::string& folder, const std::string& written, const Expectation& e, const std::string& key) {
        if (written.empty()) {
            bad(key + " names no file");
            return;
        }
        v_.needWritten(path_, folder, written, e, required_, "named by " + path_ + " (" + key + ")");
    }

private:
    ContentValidator& v_;
    const std::string& path_;
    const TRCMFile& f_;
    bool required_;
};

// --- Catalogue files --------------------------------------------------------------------------

std::vector<int> splitNumbers(const std::string& text) {
    std::vector<int> out;
    for (const std::string& p : splitString(trimText(text), " ", "", ""))
        if (!trimText(p).empty()) out.push_back(parseGuiInt(p));
    return out;
}

bool isFigure(const std::string& n) {
    static const std::set<std::string> figures = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    return figures.count(n) > 0;
}

struct CardRecord {
    int id = 0;
    int img = 0;
    int frame = 0;
    std::string nazwa;
    int kolor = 0;
};

// The card ids of a catalogue file (for level files naming them).
std::set<int> catalogueIds(const TRCMFile& f) {
    std::set<int> ids;
    const int c = floatToInt(f.getFloat("cards::i"));
    for (int i = 1; i <= std::min(c, 100000); ++i) ids.insert(floatToInt(f.getFloat("cards::c" + num(i) + "::id")));
    return ids;
}

void checkCards(Rule& r, bool special) {
    const int n = r.count("cards::imgs", 1, "no face pictures");
    std::vector<int> frames(static_cast<size_t>(n) + 1, 0);
    int faceW = 0, faceH = 0;  // the cell size of the first strip
    for (int k = 1; k <= n; ++k) {
        const std::string key = "cards::img" + num(k);
        if (!r.has(key)) {
            r.bad("has no key " + key);
            continue;
        }
        const std::string pic = r.text(key, 0);
        const std::vector<int> geometry = splitNumbers(r.text(key, 1));
        const int w = geometry.size() > 0 ? geometry[0] : 0;
        const int h = geometry.size() > 1 ? geometry[1] : 0;
        const int count = geometry.size() > 2 ? geometry[2] : 0;
        if (special || w >= 1) {
            if (w < 1 || h < 1 || count < 1) {
                r.bad(key + " value 1 is \"" + r.text(key, 1) + "\"; the picture is cut as a strip and needs " +
                      "\"cellWidth cellHeight frames\"");
                continue;
            }
            r.need(pic, cellStrip(w, h, count), key);
            frames[static_cast<size_t>(k)] = count;
            if (faceW == 0) {
                faceW = w;
                faceH = h;
            }
        } else {
            r.need(pic, expect(image()), key);
            frames[static_cast<size_t>(k)] = 1;
        }
    }

    const int c = r.count("cards::i", 1, "no cards");
    std::vector<CardRecord> cards;
    std::map<int, int> seen;
    for (int i = 1; i <= c; ++i) {
        const std::string p = "cards::c" + num(i) + "::";
        CardRecord rec;
        rec.id = r.number(p + "id");
        rec.img = r.number(p + "img");
        rec.frame = r.number(p + "frame");
        rec.nazwa = r.text(p + "nazwa");
        rec.kolor = r.number(p + "kolor");
        if (!r.has(p + "id")) r.bad("card c" + num(i) + " has no id");
        if (rec.img < 1 || rec.img > n) {
            r.bad(p + "img is " + num(rec.img) + ", outside the face pictures 1.." + num(n));
        } else if (frames[static_cast<size_t>(rec.img)] > 0 &&
                   (rec.frame < 0 || rec.frame >= frames[static_cast<size_t>(rec.img)])) {
            r.bad(p + "frame is " + num(rec.frame) + "; cards::img" + num(rec.img) + " has frames 0.." +
                  num(frames[static_cast<size_t>(rec.img)] - 1));
        }
        if (!r.has(p + "nazwa") || rec.nazwa.empty())
            r.bad(p + "nazwa is empty: cards pair by it");
        else if (!r.isQuoted(p + "nazwa"))
            r.bad(p + "nazwa is written unquoted, so the figure reads as \"" + rec.nazwa + "\" with a leading space");
        if (rec.id <= 100 && (rec.kolor < 1 || rec.kolor > 4)) r.bad(p + "kolor is " + num(rec.kolor) + ", not a suit 1..4");
        if (rec.id >= 1 && rec.id <= 99 && r.isQuoted(p + "nazwa") && !rec.nazwa.empty() && !isFigure(rec.nazwa))
            r.bad(p + "nazwa \"" + rec.nazwa + "\" is not a figure (2..10, J, Q, K, A)");
        if (seen.count(rec.id)) r.warn("card id " + num(rec.id) + " appears twice (c" + num(seen[rec.id]) + " and c" + num(i) + "); the first wins");
        seen.emplace(rec.id, i);
        cards.push_back(rec);
    }
    if (special) return;

    // Backs, mask and faces share one size and outline: the hover test and
    // the deck use the back's size, the overlap test the mask's.
    int w = 0, h = 0;
    for (const char* piece : {contentpath::kCardBack1, contentpath::kCardBack2, contentpath::kCardBack3,
                              contentpath::kCardMask}) {
        if (faceW > 0 && r.validator().imageSize(piece, w, h) && (w != faceW || h != faceH))
            r.warn(std::string(piece) + " is " + num(w) + " x " + num(h) + " but the card faces are " + num(faceW) +
                   " x " + num(faceH));
    }

    std::vector<int> lacking;
    for (int id = 1; id <= 52; ++id)
        if (!seen.count(id)) lacking.push_back(id);
    if (!lacking.empty())
        r.bad("ids 1..52 must all exist (the \"add deck cards\" event deals any of them); missing: " + listOf(lacking));
    for (int id : {102, 103})
        if (!seen.count(id))
            r.bad("has no card " + num(id) + (id == 102 ? " (event card)" : " (opponent-goal card)") +
                  "; every layout puts it into the deck");
    if (!seen.count(101)) r.warn("has no card 101 (reserve slot), which levels with a reserve row need");

    // The first 13 records are the suit the wild-card hand draws from.
    if (cards.size() < 13) {
        r.bad("lists " + num(static_cast<long long>(cards.size())) + " cards; the first 13 must be one full suit");
    } else {
        std::set<std::string> figures;
        bool oneSuit = true, ordinary = true;
        for (size_t i = 0; i < 13; ++i) {
            figures.insert(cards[i].nazwa);
            oneSuit = oneSuit && cards[i].kolor == cards[0].kolor;
            ordinary = ordinary && cards[i].id >= 1 && cards[i].id <= 99;
        }
        int figureCount = 0;
        for (const std::string& f : figures) figureCount += isFigure(f);
        if (!oneSuit || !ordinary || figureCount != 13)
            r.bad("the first 13 cards must be one full suit (2..10, J, Q, K, A of one kolor, ids below 100)");
    }

    // Special pieces: 104 and 105 pair with each other; 101..103 with nothing.
    auto nameOf = [&](int id) -> const CardRecord* {
        for (const CardRecord& rec : cards)
            if (rec.id == id) return &rec;
        return nullptr;
    };
    const CardRecord* padlock = nameOf(104);
    const CardRecord* key = nameOf(105);
    if (padlock && key && padlock->nazwa != key->nazwa)
        r.bad("the padlock (104) is \"" + padlock->nazwa + "\" and the key (105) \"" + key->nazwa +
              "\"; they must share a name to pair");
    for (int id : {101, 102, 103, 104}) {
        const CardRecord* piece = nameOf(id);
        if (!piece) continue;
        for (const CardRecord& other : cards) {
            if (other.id == id || other.nazwa != piece->nazwa) continue;
            if ((id == 104 && other.id == 105)) continue;
            r.bad("card " + num(id) + " shares the name \"" + piece->nazwa + "\" with card " + num(other.id) +
                  ", so they would pair");
            break;
        }
    }
}

void checkBackgrounds(Rule& r) {
    const int b = r.count("backgrounds::i", 1, "no backgrounds");
    std::set<int> ids;
    for (int i = 1; i <= b; ++i) {
        const std::string p = "backGrounds::bg" + num(i) + "::";
        if (!r.has(p + "id")) r.bad("background bg" + num(i) + " has no id");
        ids.insert(r.number(p + "id"));
        r.need(r.text(p + "url"), expect(fullScreen()), p + "url");
    }
    if (!ids.count(1)) r.bad("has no background id 1, the default of every level and of the editor");
    for (int id = 2; id <= 4; ++id)
        if (!ids.count(id)) r.warn("has no background id " + num(id) + " (the editor's key " + num(id) + ")");
}

// --- Matches and levels ---------------------------------------------------------------------

void checkMatchList(Rule& r) {
    const int m = r.count("mecze::i", 7, "the tournament plays 7 match templates (ids 1..7)");
    std::set<int> ids;
    for (int k = 1; k <= m; ++k) {
        const std::string key = "mecze::m" + num(k);
        const std::string file = r.text(key);
        r.need(file, expect(dataFile("mecz::id mecz::i"), DataRole::MatchTemplate), key);
        if (std::optional<std::string> p = resolveContentPath("", file))
            if (const TRCMFile* t = r.validator().data(*p)) ids.insert(floatToInt(t->getFloat("mecz::id")));
    }
    std::vector<int> lacking;
    for (int id = 1; id <= 7; ++id)
        if (!ids.count(id)) lacking.push_back(id);
    if (!lacking.empty()) r.bad("no match template has id " + listOf(lacking) + " (the tournament asks for ids 1..7)");
}

void checkMatchTemplate(Rule& r) {
    const int l = r.count("mecz::i", 1, "a match needs at least one layout");
    std::set<int> ids;
    for (int k = 1; k <= l; ++k) {
        const std::string p = "mecz::level" + num(k) + "::";
        ids.insert(r.number(p + "id"));
        r.need(r.text(p + "url"), expect(dataFile("level::cards::i"), DataRole::Level), p + "url");
    }
    for (int id = 1; id <= l; ++id)
        if (!ids.count(id)) r.bad("has no layout with id " + num(id) + "; layouts are played by id 1.." + num(l));
}

// Where things may lie on the 1024 x 768 game screen (y downward; cards are
// 72 x 100 and placed by their centre).
namespace screen {
constexpr int kScreenW = 1024, kScreenH = 768;
constexpr int kCardW = 72, kCardH = 100;
// Table card centres; none under the clock panel (top left) or the score
// panel (top right).
constexpr int kLeft = 80, kRight = 944, kTop = 105, kBottom = 560;
constexpr int kClockPanelRight = 280, kClockPanelBottom = 150;
constexpr int kScorePanelLeft = 750, kScorePanelBottom = 160;
// The deck's centre, and its two spots 90 and 180 px right of it; table
// cards keep 130 px across or 120 px down from each of the three.
constexpr int kDeckXMin = 170, kDeckXMax = 620, kDeckYMin = 560, kDeckYMax = 585;
constexpr int kSpotStep = 90;
constexpr int kClearX = 130, kClearY = 120;
}  // namespace screen

// The figure (nazwa) of every card id of a catalogue file.
std::map<int, std::string> catalogueFigures(const TRCMFile& f) {
    std::map<int, std::string> figures;
    const int c = floatToInt(f.getFloat("cards::i"));
    for (int i = 1; i <= std::min(c, 100000); ++i) {
        const std::string p = "cards::c" + num(i) + "::";
        figures[floatToInt(f.getFloat(p + "id"))] = f.getString(p + "nazwa");
    }
    return figures;
}

std::string pointText(const std::string& what, int x, int y) { return what + " (" + num(x) + ", " + num(y) + ")"; }

int gap(int a, int b) { return a > b ? a - b : b - a; }

// The places of the table cards: inside the table, off the corner panels
// and clear of the deck row.
void checkTablePlaces(Rule& r, int cardCount) {
    using namespace screen;
    const bool deckKnown = r.has("level::settings::deckX") && r.has("level::settings::deckY");
    const int deckX = r.number("level::settings::deckX"), deckY = r.number("level::settings::deckY");
    std::vector<std::string> outside, underPanel, onDeckRow;
    for (int i = 1; i <= cardCount; ++i) {
        const std::string key = "level::cards::card" + num(i) + "::dim";
        if (r.values(key) < 2) continue;  // reported by checkLevel
        const int x = r.number(key, 0), y = r.number(key, 1);
        const std::string where = pointText("card" + num(i), x, y);
        if (x < kLeft || x > kRight || y < kTop || y > kBottom) outside.push_back(where);
        if ((x < kClockPanelRight && y < kClockPanelBottom) || (x > kScorePanelLeft && y < kScorePanelBottom))
            underPanel.push_back(where);
        for (int k = 0; deckKnown && k < 3; ++k)
            if (gap(x, deckX + k * kSpotStep) < kClearX && gap(y, deckY) < kClearY) {
                onDeckRow.push_back(where);
                break;
            }
    }
    if (!outside.empty())
        r.bad("has table cards whose centres lie outside the table (x " + num(kLeft) + ".." + num(kRight) + ", y " +
              num(kTop) + ".." + num(kBottom) + "): " + listOf(outside));
    if (!underPanel.empty())
        r.bad("has table cards under the clock or score panel (centre x < " + num(kClockPanelRight) + " and y < " +
              num(kClockPanelBottom) + ", or x > " + num(kScorePanelLeft) + " and y < " + num(kScorePanelBottom) +
              "): " + listOf(underPanel));
    if (!onDeckRow.empty())
        r.bad("has table cards within " + num(kClearX) + " px across and " + num(kClearY) +
              " px down of the deck or its spots: " + listOf(onDeckRow));
}

// The deck position and the reserve slots.
void checkDeckRow(Rule& r, int reserveCount) {
    using namespace screen;
    if (r.has("level::settings::deckX") && r.has("level::settings::deckY")) {
        const int x = r.number("level::settings::deckX"), y = r.number("level::settings::deckY");
        if (x < kDeckXMin || x > kDeckXMax || y < kDeckYMin || y > kDeckYMax)
            r.bad(pointText("has the deck at", x, y) + "; the deck row needs x " + num(kDeckXMin) + ".." +
                  num(kDeckXMax) + ", y " + num(kDeckYMin) + ".." + num(kDeckYMax));
    }
    std::vector<std::string> offScreen;
    for (int i = 1; i <= std::min(reserveCount, 3); ++i) {
        const std::string key = "level::rezerwowi::rez" + num(i);
        if (r.values(key) < 3) {
            r.bad(key + " needs a card id, x and y");
            continue;
        }
        const int x = r.number(key, 1), y = r.number(key, 2);
        if (x < kCardW / 2 || x > kScreenW - kCardW / 2 || y < kCardH / 2 || y > kScreenH - kCardH / 2)
            offScreen.push_back(pointText("rez" + num(i), x, y));
    }
    if (!offScreen.empty()) r.bad("has reserve slots not wholly on the screen: " + listOf(offScreen));
}

// Figures on the table an odd number of times: the table cannot be cleared
// by its own pairs then (the padlock and the key share the figure LOCK).
void checkTablePairs(Rule& r, const std::map<int, std::string>& figures, int cardCount) {
    std::map<std::string, int> counts;
    for (int i = 1; i <= cardCount; ++i) {
        auto f = figures.find(r.number("level::cards::card" + num(i) + "::id"));
        if (f != figures.end()) ++counts[f->second];
    }
    std::vector<std::string> odd;
    for (const auto& [figure, n] : counts)
        if (n % 2) odd.push_back(figure + " x" + num(n));
    if (!odd.empty()) r.warn("has figures an odd number of times among the table cards: " + listOf(odd));
}

void checkLevel(Rule& r) {
    ContentValidator& v = r.validator();
    const TRCMFile* cards = v.data(contentpath::kCardsData);
    const std::set<int> known = cards ? catalogueIds(*cards) : std::set<int>{};
    std::set<int> unknown;
    auto card = [&](int id) {
        if (cards && !known.count(id)) unknown.insert(id);
    };
    const int c = r.count("level::cards::i", 0, "");
    if (c == 0) r.warn("has no table cards");
    for (int i = 1; i <= c; ++i) {
        const std::string p = "level::cards::card" + num(i) + "::";
        card(r.number(p + "id"));
        if (r.values(p + "dim") < 2) r.bad(p + "dim needs x, y (and a rotation)");
    }
    const int reserve = r.count("level::rezerwowi::i", 0, "");
    if (reserve > 3) r.bad("level::rezerwowi::i is " + num(reserve) + "; the reserve row holds at most 3");
    for (int i = 1; i <= reserve; ++i) card(r.number("level::rezerwowi::rez" + num(i)));
    const int deck = r.count("level::deck::i", 0, "");
    for (int i = 1; i <= deck; ++i) card(r.number("level::deck::d" + num(i)));
    if (!unknown.empty()) {
        std::vector<int> ids(unknown.begin(), unknown.end());
        r.bad("names card ids that data/cards.dat lacks: " + listOf(ids));
    }
    if (!r.has("level::settings::deckX") || !r.has("level::settings::deckY"))
        r.warn("has no deck position (the default 512, 700 lies on the pass meter)");
    if (r.has("level::settings::deckImg") && !r.has("level::settings::xdeckImg"))
        r.warn("sets level::settings::deckImg, which is not read (xdeckImg is)");
    if (r.has("level::settings::background")) {
        if (const TRCMFile* bg = v.data(contentpath::kBackgroundsData)) {
            const int want = r.number("level::settings::background");
            bool found = false;
            const int b = floatToInt(bg->getFloat("backgrounds::i"));
            for (int i = 1; i <= std::min(b, 100000) && !found; ++i)
                found = floatToInt(bg->getFloat("backGrounds::bg" + num(i) + "::id")) == want;
            if (!found) r.warn("background " + num(want) + " is not in data/backgrounds.dat (background 1 stays)");
        }
    }
    checkTablePlaces(r, c);
    checkDeckRow(r, reserve);
    if (cards) checkTablePairs(r, catalogueFigures(*cards), c);
}

// --- Teams and events -------------------------------------------------------------------------

void checkTeams(Rule& r) {
    if (r.number("teams::maxGoalScore") <= 0) r.bad("teams::maxGoalScore must be above 0 (the attack draws' upper bound)");
    const int n = r.count("teams::i", 32, "the tournament draws 32 sides (ids 1..32)");
    std::set<int> ids;
    int lines = 0;
    for (int i = 1; i <= n; ++i) {
        const std::string p = "teams::team" + num(i) + "::";
        ids.insert(r.number(p + "id"));
        const std::string stem = r.text(p + "flag");
        if (stem.empty()) {
            r.bad(p + "flag names no flag");
        } else {
            r.need(stem + ".png", expect(image()), p + "flag");
            r.need(stem + "_small.png", expect(image()), p + "flag");
        }
        const int name = r.number(p + "name");
        if (name < 1) r.bad(p + "name is " + num(name) + "; it is the line of the full name (1 or more)");
        lines = std::max(lines, addSaturated(name, 1));  // the short name follows; a huge line must not wrap
        if (!r.has(p + "goal")) r.bad(p + "goal is missing (the side's strength)");
    }
    std::vector<int> lacking;
    for (int id = 1; id <= 32; ++id)
        if (!ids.count(id)) lacking.push_back(id);
    if (!lacking.empty()) r.bad("has no team with id " + listOf(lacking) + " (the tournament pool is ids 1..32)");
    r.need(r.text("teams::txt"), expect(text(std::max(1, lines))), "teams::txt");
}

void checkEventDeck(Rule& r, bool attack) {
    const int n = r.count("events::i", 1, "an empty deck hangs the panel");
    std::set<int> ids;
    int lines = 0;
    for (int i = 1; i <= n; ++i) {
        const std::string p = "events::ev" + num(i) + "::";
        ids.insert(r.number(p + "id"));
        r.need(r.text(p + "img"), expect(image()), p + "img");
        for (const char* k : {"name", "opis"}) {
            const int line = r.number(p + k);
            if (line < 1) r.bad(p + k + " is " + num(line) + ", not a line number");
            lines = std::max(lines, line);
        }
    }
    const std::string texts = attack ? contentpath::kEnemyGoalTexts : contentpath::kEventsTexts;
    r.validator().need(texts, expect(text(std::max(1, lines))), r.required(), "named by " + r.path() + " (line numbers)");
    if (attack) {
        if (n > 0 && (!ids.count(1) || ids.size() < 2))
            r.bad("the attack deck needs a card with id 1 (the opponent scores) and at least one other");
        return;
    }
    std::vector<int> lacking;
    for (int id = 1; id <= 15; ++id)
        if (!ids.count(id)) lacking.push_back(id);
    if (!lacking.empty()) r.bad("has no event with id " + listOf(lacking) + " (events 1..15 all have effects)");
}

// --- Sounds -----------------------------------------------------------------------------------

void checkSoundCatalogue(Rule& r) {
    std::set<std::string> music, effects;
    const int musics = r.count("globalSnd::musics", 11, "level music is picked among positions 1..7, and main-menu-1, tabs, match-win and match-lost must exist");
    for (int i = 1; i <= musics; ++i) {
        const std::string p = "globalSnd::music" + num(i) + "::";
        music.insert(upperCase(r.text(p + "id")));
        r.need(r.text(p + "url"), expect(sound()), p + "url");
    }
    for (const char* id : {"main-menu-1", "tabs", "match-win", "match-lost"})
        if (!music.count(upperCase(id))) r.bad("has no music \"" + std::string(id) + "\"");

    const int sounds = r.count("globalSnd::sounds", 1, "no effects");
    for (int i = 1; i <= sounds; ++i) {
        const std::string p = "globalSnd::snd" + num(i) + "::";
        effects.insert(upperCase(r.text(p + "id")));
        r.need(r.text(p + "url"), expect(sound()), p + "url");
    }
    std::vector<std::string> wanted = {"click-1", "click-2", "match-cards", "deck", "restore", "perfect",
                                       "gwizdek0", "gwizdek1", "gwizdek-begin", "start-1", "start-2",
                                       "spec-card-find", "spec-card-over", "spec-card-use", "window-show",
                                       "window-hide", "card-random", "tabs", "good0", "good1", "good2"};
    for (int d = 0; d <= 4; ++d) wanted.push_back("kick" + num(d));
    for (int d = 0; d <= 5; ++d) wanted.push_back("bad" + num(d));
    std::vector<std::string> lacking;
    for (const std::string& id : wanted)
        if (!effects.count(upperCase(id))) lacking.push_back(id);
    if (!lacking.empty()) r.bad("has no effect " + listOf(lacking, 40));
    std::vector<std::string> stems;
    for (const char* id : {"kick", "good", "bad", "gwizdek"})
        if (!effects.count(upperCase(id))) stems.push_back(id);
    if (!stems.empty()) r.warn("has no effect " + listOf(stems) + " (named among the ids that must exist)");

    // Commentary: both voices, each category numbered from 1.
    const int comments = r.count("globalSnd::comments", 56, "each of the two voices needs about 28 lines");
    std::set<std::string> lines;
    for (int i = 1; i <= comments; ++i) {
        const std::string p = "globalSnd::com" + num(i) + "::";
        const std::string id = r.text(p + "id");
        const std::string typ = upperCase(r.text(p + "typ"));
        lines.insert(upperCase(id));
        r.need(r.text(p + "url"), expect(sound()), p + "url");
        std::string bare = id.rfind("veko-", 0) == 0 ? id.substr(5) : id;
        struct Category {
            const char* prefix;
            const char* typ;
        };
        for (const Category& c : {Category{"bad-", "BAD"}, Category{"neutral-", "NEUTRAL"}, Category{"begin-", "BEGIN"},
                                  Category{"intro-", "INTRO"}, Category{"goal-", "GOAL"}}) {
            if (bare.rfind(c.prefix, 0) == 0 && typ != c.typ)
                r.bad("commentary \"" + id + "\" has typ \"" + typ + "\"; its category needs " + c.typ);
        }
        if (bare.rfind("good-", 0) == 0 &&
            (typ == "BAD" || typ == "NEUTRAL" || typ == "BEGIN" || typ == "INTRO" || typ == "GOAL"))
            r.bad("commentary \"" + id + "\" has typ \"" + typ + "\"; good lines take any other typ");
    }
    std::vector<std::string> lackingLines;
    for (const char* voice : {"", "veko-"}) {
        struct Needed {
            const char* stem;
            int count;
        };
        for (const Needed& n : {Needed{"good-", 4}, Needed{"bad-", 7}, Needed{"neutral-", 4}, Needed{"intro-", 5},
                                Needed{"begin-", 6}, Needed{"goal-", 5}})
            for (int k = 1; k <= n.count; ++k) {
                std::string id = std::string(voice) + n.stem + num(k);
                if (!lines.count(upperCase(id))) lackingLines.push_back(id);
            }
    }
    if (!lackingLines.empty()) r.bad("has no commentary " + listOf(lackingLines, 20));
}

// --- Effects, menus, tutorial, theme -----------------------------------------------------------

void checkParticles(Rule& r) {
    if (!r.has("particles::i")) return;
    const int n = r.number("particles::i");
    if (n < 8) r.bad("particles::i is " + num(n) + "; images 0..8 are used (it is the highest index)");
    for (int i = 0; i <= std::min(std::max(n, 0), 1000); ++i)
        r.need(r.text("particles::p" + num(i)), expect(image()), "particles::p" + num(i));
}

void checkFlashSpots(Rule& r) {
    const int n = r.count("spots::i", 0, "");
    for (int i = 1; i <= n; ++i)
        if (r.values("spots::spot" + num(i)) < 2) r.bad("spots::spot" + num(i) + " needs x, y");
}

void checkTutorial(Rule& r) {
    static const std::set<std::string> screens = {"MAIN-GAME", "EVENT-PANEL", "OPPONENT-GOAL", "TABELE"};
    static const std::set<std::string> conditions = {
        "FADE",    "TIP-EXECUTED", "STATE",  "GOAL",    "OPPONENT-GOAL", "NO-CAPTIONS",   "MATCH",
        "MATCHED", "KLODKA",       "KLUCZ",  "REZERWOWI", "MATCHES",     "MATCHID",       "LEVELID",
        "HAVE-WILD-CARD"};
    static const std::set<std::string> actions = {"WAIT", "SHOW-ME", "HIDE-ME", "ARROW", "SHOW-WYNIKI"};
    static const std::set<std::string> erasers = {"MOUSE"};
    const int n = r.count("tutorial::i", 0, "");
    int lines = 0;
    auto words = [&](const std::string& p, const char* countKey, const char* itemKey,
                     const std::set<std::string>& known) {
        const int c = r.number(p + countKey);
        for (int j = 1; j <= std::min(c, 1000); ++j) {
            const std::string key = p + itemKey + num(j);
            const std::vector<std::string> w = splitString(r.text(key), " ", "", "");
            if (w.empty() || !known.count(upperCase(w[0])))
                r.bad(key + " is \"" + r.text(key) + "\"; an unknown word keeps the tip waiting for ever");
        }
        return c;
    };
    for (int i = 1; i <= n; ++i) {
        const std::string p = "tutorial::tut" + num(i) + "::";
        if (r.text(p + "id").empty()) r.bad(p + "id is empty");
        for (const char* k : {"title", "txt"}) {
            const int line = r.number(p + k);
            if (line < 1) r.bad(p + k + " is " + num(line) + ", not a line number");
            lines = std::max(lines, line);
        }
        if (!screens.count(upperCase(r.text(p + "screen"))))
            r.bad(p + "screen is \"" + r.text(p + "screen") + "\"; tips run on MAIN-GAME, EVENT-PANEL, OPPONENT-GOAL, TABELE");
        r.need(r.text(p + "img"), expect(image()), p + "img");
        const std::string font = upperCase(r.text(p + "font"));
        if (font != "SMALL" && font != "MEDIUM" && font != "BIG") r.warn(p + "font is \"" + r.text(p + "font") + "\"");
        const std::string back = upperCase(r.text(p + "back"));
        if (back != "SMALL" && back != "NORMAL") r.warn(p + "back is \"" + r.text(p + "back") + "\"");
        words(p, "conds", "condition", conditions);
        words(p, "actions", "action", actions);
        if (words(p, "eraseConds", "eraseCondition", erasers) == 0)
            r.warn("tip " + num(i) + " has no erase condition; it closes at once unless a WAIT is pending");
    }
    if (r.has("tutorial::txtFile"))
        r.need(r.text("tutorial::txtFile"), expect(text(std::max(1, lines))), "tutorial::txtFile");
}

void checkTheme(Rule& r) {
    const std::string folder = contentFolderOf(r.path());
    static const char* const window[] = {"leftUp", "Up",   "rightUp", "right",  "rightdown",
                                         "down",   "leftdown", "left", "srodek"};
    for (const char* piece : window) {
        const std::string key = std::string("TEMAT::OKNO::") + piece;
        if (!r.has(key)) {
            r.bad("has no key " + key);
            continue;
        }
        r.needIn(folder, r.text(key), expect(image()), key);
    }
    static const char* const bar[] = {"lewo", "srodek", "prawo", "LU", "U",  "RU",
                                      "R",    "RD",     "D",     "LD", "L", "Middle"};
    for (const char* piece : bar) {
        const std::string key = std::string("TEMAT::BELKA::") + piece;
        if (r.has(key)) r.needIn(folder, r.text(key), expect(image()), key);
    }
    for (const char* colour : {"textRGB", "outLineRGB", "backRGB"}) {
        const std::string key = std::string("TEMAT::BELKA::") + colour;
        if (r.has(key) && r.values(key) < 3) r.bad(key + " needs three numbers r, g, b");
    }
}

}  // namespace

bool hasDataKey(const TRCMFile& file, const std::string& path) {
    std::vector<std::string> parts = splitDataPath(path);
    if (parts.empty()) return false;
    const TRCMGroup* g = file.getGroup(parts);
    return g && g->getEntry(parts.back());
}

std::string describeBraceCounts(const std::string& text) {
    int open = 0, close = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        else if (!quoted && c == '{') ++open;
        else if (!quoted && c == '}') ++close;
    }
    return "unbalanced braces: " + num(open) + " \"{\" and " + num(close) +
           " \"}\" outside quotes (the game reads nothing from it)";
}

void lintDataFile(ContentValidator& v, const std::string& path, const TRCMFile& file, bool required) {
    const std::string& text = file._txt;
    size_t start = 0;
    int lineNo = 0;
    while (start < text.size()) {
        size_t lf = text.find('\n', start);
        std::string line = text.substr(start, lf == std::string::npos ? std::string::npos : lf - start);
        start = lf == std::string::npos ? text.size() : lf + 1;
        ++lineNo;
        const std::string where = "line " + num(lineNo) + ": ";
        const std::string t = trimText(line);
        if (t.empty()) continue;
        const size_t eq = t.find('=');
        const bool braces = t.find('{') != std::string::npos || t.find('}') != std::string::npos;
        if (eq == std::string::npos) {
            if (!braces) v.malformed(path, required, where + "\"" + t + "\" has no \"=\"; it is glued onto the next key");
            continue;
        }
        if (braces) continue;
        if (t.find('=', eq + 1) != std::string::npos)
            v.malformed(path, required, where + "more than one \"=\"; the text after the second is dropped");
        const std::string key = trimText(t.substr(0, eq));
        if (key.empty()) v.malformed(path, required, where + "an entry without a key");
        std::string valuePart = t.substr(eq + 1);
        size_t eq2 = valuePart.find('=');
        if (eq2 != std::string::npos) valuePart = valuePart.substr(0, eq2);
        const std::string trimmedValue = trimText(valuePart);
        if (trimmedValue.empty()) {
            v.malformed(path, required, where + key + " has no value");
            continue;
        }
        const char first = trimmedValue[0];
        const bool number = std::isdigit(static_cast<unsigned char>(first)) || first == '-';
        // Split at commas outside quotes, as the reader does.
        std::vector<std::string> pieces;
        std::string piece;
        bool quoted = false;
        for (char c : valuePart) {
            if (c == '"') quoted = !quoted;
            if (c == ',' && !quoted) {
                pieces.push_back(piece);
                piece.clear();
            } else {
                piece.push_back(c);
            }
        }
        pieces.push_back(piece);
        for (const std::string& raw : pieces) {
            const std::string p = trimText(raw);
            if (number) {
                if (p.empty() || p.find('"') != std::string::npos ||
                    !(std::isdigit(static_cast<unsigned char>(p[0])) || p[0] == '-')) {
                    v.malformed(path, required,
                                where + key + " starts as a number, but \"" + p + "\" is not one");
                    break;
                }
                continue;
            }
            const bool wellQuoted = raw.size() >= 3 && raw[0] == ' ' && raw[1] == '"' && raw.back() == '"' &&
                                    raw.find('"', 2) == raw.size() - 1;
            if (!wellQuoted) {
                std::string why = first == '.' || first == '+'
                                      ? "numbers must start with a digit or \"-\""
                                      : "write each text as a space and a quoted text, such as = \"x\", \"y\"";
                v.malformed(path, required, where + key + " value \"" + p + "\" is misread (" + why + ")");
                break;
            }
        }
    }
}

void applyDataRole(ContentValidator& v, const std::string& path, const TRCMFile& file, DataRole role,
                   bool required) {
    Rule r(v, path, file, required);
    switch (role) {
        case DataRole::Plain: break;
        case DataRole::Cards: checkCards(r, false); break;
        case DataRole::SpecialCards: checkCards(r, true); break;
        case DataRole::Backgrounds: checkBackgrounds(r); break;
        case DataRole::MatchList: checkMatchList(r); break;
        case DataRole::MatchTemplate: checkMatchTemplate(r); break;
        case DataRole::Level: checkLevel(r); break;
        case DataRole::Teams: checkTeams(r); break;
        case DataRole::EventDeck: checkEventDeck(r, false); break;
        case DataRole::AttackDeck: checkEventDeck(r, true); break;
        case DataRole::SoundCatalogue: checkSoundCatalogue(r); break;
        case DataRole::Particles: checkParticles(r); break;
        case DataRole::FlashSpots: checkFlashSpots(r); break;
        case DataRole::Tutorial: checkTutorial(r); break;
        case DataRole::Theme: checkTheme(r); break;
    }
}
