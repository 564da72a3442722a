// Feeds arbitrary bytes to the level reader as a level file, checks that the
// written form of the level reads back to the same written form, then plays
// the model's level operations on it (covering, counting, deals, restore) and
// writes and reads it once more.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cardgame/level.h"
#include "datafile/rcm_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    LevelRef level = loadLevelText(bytes, "fuzz.lvl");

    TRCMFile first;
    level->writeTo(first);
    const std::string text = first.saveText();
    LevelRef again = loadLevelText(text, "again.lvl");
    TRCMFile second;
    again->writeTo(second);
    if (second.saveText() != text) __builtin_trap();

    level->checkCards(1);
    level->countPlayableCards();
    level->countOnlyPlayableCards();
    level->getFreeSpot();
    level->getDeckDimReverse();
    level->_prepareCardsShuffle();
    level->_prepareDeckShuffle();
    level->_prepareWildCards();
    for (int i = 0; i < 3; ++i) level->addCardFromDeck();
    level->addCardFromDeck();  // with an empty deck: the restore
    level->updateCards_off();

    TRCMFile played;
    level->writeTo(played);
    loadLevelText(played.saveText(), "played.lvl");
    return 0;
}
