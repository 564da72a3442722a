#include "app/control.h"

#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/singletons.h"
#include "cardgame/level.h"
#include "cardgame/main_game.h"
#include "menus/more_games.h"
#include "profiles/profile_manager.h"
#include "tournament/match_end_info.h"
#include "tournament/mecz.h"

namespace {

// A profile that records what the dispatcher asked of it.
class RecordingProfile : public TProfile {
public:
    int started = 0, restarted = 0, nextAsked = 0;
    std::string next = "TABELE";
    void QUEST_startNew() override { ++started; }
    void QUEST_RestartLevel() override { ++restarted; }
    std::string setNextLevel() override {
        ++nextAsked;
        return next;
    }
};

class CountingMatchEnd : public TMatchEndInfo {
public:
    int shown = 0;
    std::string mainLoop() override {
        ++shown;
        return "";
    }
};

class CountingMore : public TMoreGames {
public:
    std::string seenId;
    std::string mainLoop() override {
        seenId = currentScreenId;
        return "SOMETHING-ELSE";
    }
};

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::internal::CaptureStderr();  // missing start-up pictures are reported
        constructSingletons();
        testing::internal::GetCapturedStderr();
        profile = std::make_shared<RecordingProfile>();
        profileManager->profile = profile;
        savedEnd = matchEndInfo;
        matchEndInfo = &matchEnd;
        savedMore = moreGames;
        moreGames = &more;
    }
    void TearDown() override {
        profileManager->profile.reset();
        matchEndInfo = savedEnd;
        moreGames = savedMore;
    }
    std::shared_ptr<RecordingProfile> profile;
    CountingMatchEnd matchEnd;
    CountingMore more;
    TMatchEndInfo* savedEnd = nullptr;
    TMoreGames* savedMore = nullptr;
};

TEST_F(ControlTest, IdsAreComparedUpperCased) {
    EXPECT_EQ(Control::dispatch("restart-level"), "MAIN-GAME");
    EXPECT_EQ(profile->restarted, 1);
    EXPECT_EQ(Control::dispatch("Start-New-World-Cup"), "TABELE");
    EXPECT_EQ(profile->started, 1);
    EXPECT_EQ(profile->nextAsked, 1);
}

TEST_F(ControlTest, UnknownIdGoesToTheMainMenu) { EXPECT_EQ(Control::dispatch("NOWHERE"), "MAIN-MENU"); }

TEST_F(ControlTest, MoreRunsItsPageAndReturnsToTheMainMenuWhateverItSays) {
    currentScreenId = "MORE";
    EXPECT_EQ(Control::dispatch("more"), "MAIN-MENU");
    EXPECT_EQ(more.seenId, "MAIN-MENU");
}

TEST_F(ControlTest, GetNextLevelShowsMatchEndOnlyAfterTheLastLayout) {
    profile->mecz = std::make_shared<TMecz>();
    profile->mecz->levels.resize(3);
    mainGame->pass = 2.0f;
    mainGame->dPass = 2.0f;
    mainGame->seqCombo = 4;

    profile->levelId = 2;
    EXPECT_EQ(Control::QUEST_getNextLevel(), "TABELE");
    EXPECT_EQ(matchEnd.shown, 0);
    EXPECT_EQ(mainGame->pass, 0.0f);
    EXPECT_EQ(mainGame->dPass, 0.0f);
    EXPECT_EQ(mainGame->seqCombo, 0);

    profile->levelId = 3;
    profile->next = "WIN-ALL";
    EXPECT_EQ(Control::QUEST_getNextLevel(), "WIN-ALL");
    EXPECT_EQ(matchEnd.shown, 1);
}

TEST_F(ControlTest, ResumeHandsTheSavedLayoutToTheGame) {
    auto level = std::make_shared<TLevel>();
    profile->questLevel = level;
    mainGame->setLevel(nullptr, nullptr);
    EXPECT_EQ(Control::RESUME_Quest(), "MAIN-GAME");
    EXPECT_EQ(mainGame->level, level);
    EXPECT_EQ(gameType, "QUEST");
}

TEST_F(ControlTest, RestartWritesGameTypeDiagnostic) {
    testing::internal::CaptureStdout();
    Control::RESTART_Level();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "GAME_TYPE : QUEST\n");
}

TEST_F(ControlTest, IsPlayerPlayingLevelOnlyInTheGame) {
    currentScreenId = "main-game";
    EXPECT_EQ(Control::isPlayerPlayingLevel(), 1);
    currentScreenId = "TABELE";
    EXPECT_EQ(Control::isPlayerPlayingLevel(), 0);
}

}  // namespace
