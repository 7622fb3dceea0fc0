// The level compiler: it refuses maps that break the game's rules, and writes exact pictures.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>

#include "base/bmp.h"
#include "base/files.h"
#include "compiler.h"
#include "level_error.h"
#include "reach.h"
#include "terrain_map.h"

namespace kv::levelc {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

fs::path levelsDir() {
    return fs::path(KVORLIN_SOURCE_DIR) / "content" / "levels";
}

json levelOne() {
    return json::parse(readFile(levelsDir() / "episode1.tmj"));
}

json& collisionLayer(json& map) {
    for (json& layer : map["layers"])
        if (layer["name"] == "collision") return layer["objects"];
    throw std::runtime_error("no collision layer");
}

json rect(const std::string& type, int x, int y, int w, int h) {
    return {{"id", 9000}, {"type", type}, {"x", x}, {"y", y}, {"width", w}, {"height", h}};
}

void eraseObject(json& map, const std::function<bool(const json&)>& which) {
    json& objects = collisionLayer(map);
    for (auto it = objects.begin(); it != objects.end(); ++it)
        if (which(*it)) {
            objects.erase(it);
            return;
        }
    throw std::runtime_error("no such object");
}

// Compiles a changed level 1 and returns the refusal; fails the test if it was accepted.
LevelError refusal(const json& map) {
    try {
        compileLevel(parseMap(map.dump(), "episode1.tmj"));
    } catch (const LevelError& e) {
        return e;
    }
    ADD_FAILURE() << "the map was accepted";
    return LevelError("none", "none");
}

void expectRefused(const json& map, const std::string& words, int x, int y) {
    const LevelError e = refusal(map);
    EXPECT_NE(std::string(e.what()).find("episode1.tmj"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
    ASSERT_TRUE(e.position().has_value()) << e.what();
    EXPECT_EQ(e.position()->x, x) << e.what();
    EXPECT_EQ(e.position()->y, y) << e.what();
}

TEST(LevelRules, RefusesPlantsObjectsAndPitsThatBreakTheRules) {
    {  // the first plant loses its pipe
        json map = levelOne();
        eraseObject(map, [](const json& o) { return o["type"] == "pipe" && o["x"] == 2005; });
        expectRefused(map, "plant 1: no pipe mouth", 2013, 141);
    }
    {  // enemies 1 and 2 lose the stone that turns them before the pond
        json map = levelOne();
        eraseObject(map, [](const json& o) { return o["x"] == 688 && o["type"] == "ground"; });
        expectRefused(map, "enemy 1 walks over a gap", 700, 302);
    }
    {  // a block where enemy 3 stands
        json map = levelOne();
        collisionLayer(map).push_back(rect("ground", 1070, 280, 20, 30));
        expectRefused(map, "enemy 3 starts with a knee in the ground", 1080, 297);
    }
    {  // the pond without its water is a bottomless pit
        json map = levelOne();
        eraseObject(map, [](const json& o) { return o["type"] == "hazard" && o["x"] == 700; });
        const LevelError e = refusal(map);
        EXPECT_NE(std::string(e.what()).find("bottomless"), std::string::npos) << e.what();
        ASSERT_TRUE(e.position().has_value());
        EXPECT_GT(e.position()->x, 660);
        EXPECT_LT(e.position()->x, 760);
    }
    {  // water that ends in mid-air
        json map = levelOne();
        for (json& o : collisionLayer(map))
            if (o["type"] == "hazard" && o["x"] == 700) o["height"] = 30;
        expectRefused(map, "open space below the hazard", 700, 342);
    }
    {  // hazard deep below the respawn point would never let the game-over fall end
        json map = levelOne();
        collisionLayer(map).push_back(rect("hazard", 50, 500, 10, 20));
        expectRefused(map, "respawn", 56, 500);
    }
    {  // a wall behind a plant would show the plant's sky-coloured backdrop around it
        json map = levelOne();
        map["layers"][0]["objects"].push_back(rect("brickwall", 2440, 220, 80, 30));
        expectRefused(map, "plant 2: the background", 2460, 220);
    }
}

TEST(LevelRules, RefusesGroundThatOverhangsTheFootOfAWall) {
    // A block on the meadow floor (y 302) with a slab on top that juts out 20 pixels to the left:
    // a player against the block has the slab over its head.
    json map = levelOne();
    collisionLayer(map).push_back(rect("ground", 2880, 242, 40, 60));
    collisionLayer(map).push_back(rect("ground", 2860, 230, 60, 12));
    expectRefused(map, "overhangs", 2860, 241);

    // The slab flush with the block is a step like any other.
    collisionLayer(map).back() = rect("ground", 2880, 230, 40, 12);
    EXPECT_NO_THROW(compileLevel(parseMap(map.dump(), "episode1.tmj"), false));
}

TEST(LevelRules, RefusesAStartThatAnEnemyCanWalkInto) {
    // Without the stone at x 180, enemy 1 walks left all the way to the level's left wall.
    json map = levelOne();
    eraseObject(map, [](const json& o) { return o["x"] == 180 && o["type"] == "ground"; });
    expectRefused(map, "enemy 1 walks into the player standing at the start", 60, 299);
}

TEST(LevelRules, RefusesALevelThatCannotBePlayedThrough) {
    json map = levelOne();
    collisionLayer(map).push_back(rect("ground", 3600, 0, 40, 302));
    const LevelError e = refusal(map);
    EXPECT_NE(std::string(e.what()).find("cannot be reached"), std::string::npos) << e.what();
    ASSERT_TRUE(e.position().has_value());
    EXPECT_LT(e.position()->x, 3600);
    EXPECT_GT(e.position()->x, 3500);
}

TEST(LevelRules, RefusesAWrongSkyAndUnknownObjects) {
    json map = levelOne();
    for (json& p : map["properties"])
        if (p["name"] == "sky") p["value"] = "#ff000000";
    EXPECT_THROW(compileLevel(parseMap(map.dump(), "episode1.tmj")), LevelError);

    json odd = levelOne();
    collisionLayer(odd).push_back(rect("trampoline", 400, 250, 30, 10));
    expectRefused(odd, "unknown object type", 400, 250);

    try {
        loadMap(levelsDir() / "episode99.tmj");
        ADD_FAILURE() << "a missing map was read";
    } catch (const LevelError& e) {
        EXPECT_NE(std::string(e.what()).find("episode99.tmj"), std::string::npos);
    }
    EXPECT_THROW(parseMap("{ not json", "episode3.tmj"), LevelError);
}

TEST(LevelMapReading, AcceptsTheKindUnderClassAndRefusesRotatedShapes) {
    json map = levelOne();
    json step = rect("ground", 400, 280, 30, 22);
    step.erase("type");
    step["class"] = "ground";
    collisionLayer(map).push_back(step);
    const LevelMap parsed = parseMap(map.dump(), "episode1.tmj");
    EXPECT_EQ(parsed.objects.back().kind, "ground");

    step["rotation"] = 45;
    collisionLayer(map).push_back(step);
    expectRefused(map, "rotated", 400, 280);
}

// A flat floor at y 302 with one block of the given height in the way at x 3000.
ReachResult runAgainstStep(int height) {
    Surface mask(6400, 520, rgb(255, 255, 255));
    const Colour ground = rgb(0, 0, 0);
    mask.fillRect(0, 302, 6400, 218, ground);
    mask.fillRect(3000, 302 - height, 40, height, ground);
    return searchReach(TerrainMap(mask, ground, rgb(255, 0, 0)), 60, 101);
}

TEST(LevelReach, JumpsStepsUpToTheJumpHeightButNotAWall) {
    EXPECT_TRUE(runAgainstStep(7).reachedEnd);    // walked up, 2 pixels a frame
    EXPECT_TRUE(runAgainstStep(100).reachedEnd);  // jumped
    const ReachResult wall = runAgainstStep(130);
    EXPECT_FALSE(wall.reachedEnd);
    EXPECT_LT(wall.furthestX, 3000);
    EXPECT_GT(wall.furthestX, 2940);
}

TEST(LevelFiles, KeyColoursReadBackExactlyAndOutputIsDeterministic) {
    const LevelMap map = loadMap(levelsDir() / "episode1.tmj");
    const CompiledLevel first = compileLevel(map, false);
    const fs::path dir = fs::temp_directory_path() / ("levelc_test_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    writeLevel(first, dir);
    const Surface mask = loadBmp(dir / "episode1mask.lev");
    EXPECT_EQ(mask.pixel(0, 0), map.colour("groundColour"));
    EXPECT_EQ(mask.pixel(1, 1), map.colour("hazardColour"));
    EXPECT_GE(mask.width(), 6366);
    EXPECT_GT(mask.height(), 346);
    const Surface background = loadBmp(dir / "episode1.lev");
    EXPECT_GE(background.width(), 6366);
    EXPECT_GE(background.height(), 346);
    const Surface title = loadBmp(dir / "e1.lev");
    EXPECT_EQ(title.width(), 155);
    EXPECT_EQ(title.height(), 141);

    const CompiledLevel second = compileLevel(loadMap(levelsDir() / "episode1.tmj"), false);
    // Compared as booleans: a mismatch would print megabytes of bytes.
    EXPECT_TRUE(encodeBmp(second.pictures.background) == readFile(dir / "episode1.lev"));
    EXPECT_TRUE(encodeBmpPaletted(second.pictures.mask) == readFile(dir / "episode1mask.lev"));
    EXPECT_TRUE(encodeBmp(second.title) == readFile(dir / "e1.lev"));
    fs::remove_all(dir);
}

TEST(LevelFiles, TheTitleCardIsFramedWithinThePartTheLoadingScreenShows) {
    // The box at (488, 208) shows 152 x 137 of the 640 x 345 screen; the file stays 155 x 141.
    const Surface title = compileLevel(loadMap(levelsDir() / "episode12.tmj"), false).title;
    ASSERT_EQ(title.width(), 155);
    ASSERT_EQ(title.height(), 141);
    const auto frame = title.pixel(0, 0);
    EXPECT_EQ(title.pixel(151, 0), frame);
    EXPECT_EQ(title.pixel(0, 136), frame);
    EXPECT_EQ(title.pixel(151, 136), frame);
    int hiddenInk = 0;
    for (int y = 0; y < 141; ++y)
        for (int x = 0; x < 155; ++x)
            if ((x >= 152 || y >= 137) && title.pixel(x, y) != 0) ++hiddenInk;
    EXPECT_EQ(hiddenInk, 0);
}

TEST(LevelFiles, AllTwelveLevelsKeepEveryRule) {
    for (int n = 1; n <= 12; ++n) {
        const fs::path file = levelsDir() / ("episode" + std::to_string(n) + ".tmj");
        EXPECT_NO_THROW(compileLevel(loadMap(file))) << file;
    }
}

}  // namespace
}  // namespace kv::levelc
