// The player's shot: thrown on the Ctrl release during the boss fight only, one at a time, from
// the side the player walks or faces, flying 30 pixels a frame.
#include <gtest/gtest.h>

#include "actors/fireballs.h"
#include "support/play_fixture.h"

namespace kv {
namespace {

struct Shot : test::PlayFixture {
    void SetUp() override {
        PlayFixture::SetUp();
        startLevel(12);
        place(1000, 250, 700);
        s.bossFight = true;
    }
    void ctrl() {
        const bool flying = s.shotActive;
        app.windows.keyDown(keys::Ctrl);
        EXPECT_EQ(s.shotActive, flying) << "thrown on the press";
        app.windows.keyUp(keys::Ctrl);
    }
};

TEST_F(Shot, StartsFromTheWalkOrTheFacing) {
    struct Row {
        Dir walk, facing;
        int x, speed;
    };
    for (const Row& r :
         {Row{Dir::Left, Dir::Right, 1000, -30}, Row{Dir::Right, Dir::Left, 1035, 30},
          Row{Dir::None, Dir::Left, 1000, -30}, Row{Dir::None, Dir::Right, 1035, 30}}) {
        s.shotActive = false;
        s.walkDirection = r.walk;
        s.facing = r.facing;
        ctrl();
        ASSERT_TRUE(s.shotActive);
        EXPECT_EQ(s.shotX, r.x);
        EXPECT_EQ(s.shotY, s.playerY + 10);
        EXPECT_EQ(s.shotSpeed, r.speed);
    }
    // Standing, never having walked: no way to throw.
    s.shotActive = false;
    s.walkDirection = Dir::None;
    s.facing = Dir::None;
    ctrl();
    EXPECT_FALSE(s.shotActive);
}

TEST_F(Shot, OneAtATimeAndOnlyInTheFight) {
    s.facing = Dir::Right;
    ctrl();
    ASSERT_TRUE(s.shotActive);
    MoveShot(app);
    EXPECT_EQ(s.shotX, 1065);
    s.facing = Dir::Left;
    ctrl();
    EXPECT_EQ(s.shotSpeed, 30) << "a second throw while one flies";
    EXPECT_EQ(s.shotX, 1065);

    s.shotActive = false;
    s.bossFight = false;
    ctrl();
    EXPECT_FALSE(s.shotActive);
}

}  // namespace
}  // namespace kv
