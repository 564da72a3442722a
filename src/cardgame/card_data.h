// The card catalogue: every card identity the game can deal, the pictures all
// cards share (backs, outline mask, bonus faces) and the table backgrounds.
// Read once while the game loads; afterwards only looked up.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"

// One card identity, shared by every card that shows it.
struct TCardData {
    int id = 0;
    platform::ImageRef img;  // the strip the face is drawn from
    int frame = 0;
    std::string nazwa;       // figure; cards pair when these texts are equal
    int kolor = 0;           // suit 1..4; suits 1 and 4 are one colour, 2 and 3 the other
    int seqN = 0;            // rank for runs: A 14, K 13, Q 12, J 11, else the number
    // A stand-in for an id the catalogue lacks: it keeps the id (so a layout
    // saves it back unchanged), never pairs, ranks 0 and shows the card back.
    bool placeholder = false;
};
using CardDataRef = std::shared_ptr<TCardData>;
using CardDataList = std::vector<CardDataRef>;

// Ids with a fixed meaning.
namespace cardid {
inline constexpr int kLastOrdinary = 99;    // 1..99 are dealt at random
inline constexpr int kNeverDealt = 100;
inline constexpr int kReserveSlot = 101;
inline constexpr int kEvent = 102;
inline constexpr int kOpponentGoal = 103;
inline constexpr int kPadlock = 104;
inline constexpr int kKey = 105;
}  // namespace cardid

// Bonus codes carried by cards.
namespace bonus {
inline constexpr int kNone = 0;
inline constexpr int kShuffle = 1;
inline constexpr int kRetry = 2;
inline constexpr int kUndo = 3;
inline constexpr int kRestore = 4;
}  // namespace bonus

// One table background; its picture is loaded the first time it is needed.
class TBackground {
public:
    virtual ~TBackground() = default;
    int id = 0;
    std::string url;
    platform::ImageRef img;

    // Loads the picture; a missing file is reported and leaves img empty.
    virtual void loadMe();
    // Loads the picture when it is not loaded yet.
    virtual void check();
};
using BackgroundRef = std::shared_ptr<TBackground>;

// Empty record kept for the power-up hook of the loading order.
struct TPowerUpData {};

extern CardDataList cardCatalogue;        // cards.dat, id <= 100, file order
extern CardDataList actionCardCatalogue;  // cards.dat, id > 100
extern CardDataList specCardCatalogue;    // speccards.dat
extern std::vector<BackgroundRef> backgroundCatalogue;
extern platform::ImageRef cardReverseImages[3];
extern platform::ImageRef cardMaskImage;
extern platform::ImageRef bonusCardImages[5];  // by bonus code; 0 stays empty

void loadCardCatalogue();
void loadSpecCardCatalogue();
void loadBackgroundCatalogue();

// The rank of a figure: A 14, K 13, Q 12, J 11, a number its value, else 0.
int figureRank(const std::string& nazwa);

CardDataRef findCardData(int id);
CardDataRef findSpecCardData(int id);
BackgroundRef findBackground(int id);
// A new list of the catalogue's cards with ids below 100 (the pool decks are
// refilled from).
CardDataList getDeckCardDataList();
// A new stand-in identity for a card id the catalogue lacks.
CardDataRef placeholderCardData(int id);

// The card back of a level's back number (0..2), or null out of range.
platform::ImageRef cardReverseImage(int n);
// The bonus face of a bonus code (1..4), or null out of range.
platform::ImageRef bonusCardImage(int code);
