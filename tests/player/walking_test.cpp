// Walking and the camera: the figure moves inside a band of the screen, the level scrolls outside
// it; the ends of the level; walls and low steps.
#include <gtest/gtest.h>

#include <vector>

#include "levels/life_and_level.h"
#include "player/update_player.h"
#include "support/play_fixture.h"

namespace kv {
namespace {

struct Walk : test::PlayFixture {
    // One walking step as the frame makes it (no gravity in between).
    void step(Dir d) {
        s.walkDirection = d;
        UpdateLifeAndLevel(app);
    }
    struct View {
        int playerX, scrollX;
        bool operator==(const View&) const = default;
    };
    View view() const { return {s.playerX, s.scrollX}; }
};

void PrintTo(const Walk::View& v, std::ostream* os) {
    *os << "{playerX " << v.playerX << ", scrollX " << v.scrollX << "}";
}

TEST_F(Walk, RightTheFigureMovesUntilPast400ThenTheCameraScrolls) {
    startLevel();
    s.playerY = 100;
    s.playerX = 386;
    s.scrollX = 1001;
    std::vector<View> seen;
    for (int i = 0; i < 4; ++i) {
        step(Dir::Right);
        seen.push_back(view());
    }
    EXPECT_EQ(seen, (std::vector<View>{{393, 1001}, {400, 1001}, {407, 1001}, {407, 1008}}));
    s.playerX = 401;
    step(Dir::Right);
    EXPECT_EQ(view(), (View{401, 1015}));
}

TEST_F(Walk, LeftTheFigureMovesUntilBelow200ThenTheCameraScrolls) {
    startLevel();
    s.playerY = 100;
    s.playerX = 214;
    s.scrollX = 1001;
    std::vector<View> seen;
    for (int i = 0; i < 4; ++i) {
        step(Dir::Left);
        seen.push_back(view());
    }
    EXPECT_EQ(seen, (std::vector<View>{{207, 1001}, {200, 1001}, {193, 1001}, {193, 994}}));
}

TEST_F(Walk, BossFightNarrowsTheBandTo300And340) {
    startLevel();
    s.bossFight = true;
    s.playerY = 100;
    s.scrollX = 1001;
    s.playerX = 340;
    step(Dir::Right);
    EXPECT_EQ(view(), (View{347, 1001}));
    step(Dir::Right);
    EXPECT_EQ(view(), (View{347, 1008}));
    s.playerX = 300;
    step(Dir::Left);
    EXPECT_EQ(view(), (View{293, 1008}));
    step(Dir::Left);
    EXPECT_EQ(view(), (View{293, 1001}));
}

TEST_F(Walk, LeftEndOfTheLevel) {
    startLevel();
    s.playerY = 100;
    s.scrollX = 7;
    s.playerX = 150;
    step(Dir::Left);
    EXPECT_EQ(view(), (View{150, 0}));
    step(Dir::Left);
    EXPECT_EQ(view(), (View{143, 0}));

    s.playerX = 4;
    step(Dir::Left);
    EXPECT_EQ(view(), (View{4, 0}));
    s.playerX = 5;
    step(Dir::Left);
    EXPECT_EQ(view(), (View{-2, 0}));
    step(Dir::Left);
    EXPECT_EQ(view(), (View{-2, 0}));
    // A camera at 5 or less no longer scrolls; the figure walks.
    s.scrollX = 5;
    s.playerX = 100;
    step(Dir::Left);
    EXPECT_EQ(view(), (View{93, 5}));
}

TEST_F(Walk, RightEndTheCameraStopsAt5726AndTheFigureWalksOn) {
    startLevel();
    s.playerY = 100;
    s.scrollX = 5712;
    s.playerX = 450;
    std::vector<View> seen;
    for (int i = 0; i < 4; ++i) {
        step(Dir::Right);
        seen.push_back(view());
    }
    EXPECT_EQ(seen, (std::vector<View>{{450, 5719}, {450, 5726}, {457, 5726}, {464, 5726}}));
    s.playerX = 574;
    step(Dir::Right);
    EXPECT_EQ(view(), (View{581, 5726}));
    EXPECT_EQ(s.levelNumber, 1);
}

TEST_F(Walk, TheLevelCompletesOnlyWalkingRightPast580WithTheLoadingScreenHidden) {
    storeLevelFiles(2);
    startLevel();
    s.playerY = 100;
    s.scrollX = 5726;

    s.playerX = 600;
    step(Dir::None);  // standing past 580 does nothing
    s.playerX = 580;
    step(Dir::Right);  // not past 580 yet
    EXPECT_EQ(view(), (View{587, 5726}));
    s.playerX = 581;
    f.loading->visible = true;
    step(Dir::Right);  // under the loading screen the figure walks on
    EXPECT_EQ(view(), (View{588, 5726}));
    EXPECT_EQ(s.levelNumber, 1);
    EXPECT_EQ(f.score->caption, "0");

    f.loading->visible = false;
    s.playerX = 581;
    step(Dir::Right);
    EXPECT_EQ(s.levelNumber, 2);
    EXPECT_EQ(view(), (View{581, 5726}));
    EXPECT_TRUE(f.loading->visible);
    EXPECT_EQ(f.score->caption, "100");
}

TEST_F(Walk, AGroundPixelAtTheProbeBlocksTheStep) {
    startLevel();
    place(1000, 200);
    const int row = 200 - 5;
    // Left probe (LX - 5, Y + H - 5).
    mask.setPixel(995, row, test::Ground);
    remask();
    step(Dir::Left);
    EXPECT_EQ(levelX(), 1000);
    // One pixel further away or one row lower does not block.
    mask.setPixel(995, row, test::Air);
    mask.setPixel(994, row, test::Ground);
    mask.setPixel(995, row + 1, test::Ground);
    remask();
    step(Dir::Left);
    EXPECT_EQ(levelX(), 993);

    // Right probe (LX + W + 4, Y + H - 5): whatever the distance, a blocked step is not made.
    place(1000, 200);
    mask.setPixel(1029, row, test::Ground);
    remask();
    step(Dir::Right);
    EXPECT_EQ(levelX(), 1000);
    mask.setPixel(1029, row, test::Air);
    mask.setPixel(1030, row, test::Ground);
    remask();
    step(Dir::Right);
    EXPECT_EQ(levelX(), 1007);
}

TEST_F(Walk, AStepBelowTheProbeRowIsWalkedIntoAndClimbed) {
    constexpr int Floor = 300;
    ground(100, Floor, 1500, 46);
    ground(1025, Floor - 8, 400, 8);  // top row 292, one below the probe row 291
    startLevel();
    place(1000, Floor - 4);
    const int start = s.playerY;
    step(Dir::Right);  // the probe (1029, 291) lies just above the step
    EXPECT_EQ(levelX(), 1007);
    s.walkDirection = Dir::None;
    std::vector<int> ys;
    for (int i = 0; i < 6; ++i) {
        UpdatePlayer(app);
        ys.push_back(s.playerY - start);
    }
    // The right foot stands in the step: lifted 2 a frame until the step is 4 below the box.
    EXPECT_EQ(ys, (std::vector<int>{-2, -4, -6, -8, -8, -8}));
    EXPECT_EQ(feet(), Floor - 12);
    EXPECT_TRUE(s.onGround);

    // A step one row higher reaches the probe row and stops the figure dead.
    place(1000, Floor - 4);
    ground(1025, Floor - 9, 400, 1);
    remask();
    step(Dir::Right);
    EXPECT_EQ(levelX(), 1000);
}

}  // namespace
}  // namespace kv
