#pragma once
// Where the player, the five plants and the ten enemies of each level start. Constant data:
// SetupLevel applies it at every level start, and the level compiler checks the maps against it.
#include <array>

namespace kv {

// A plant's motion as a level sets it; Keep leaves whatever the previous level left.
enum class PlantStart { Keep, Up, Down };

struct PlantSlot {
    int x;
    int y;
    PlantStart state = PlantStart::Keep;
};

struct EnemySlot {
    int x;
    int y;
};

struct LevelObjects {
    int playerX;
    int playerY;
    std::array<PlantSlot, 5> plants;
    std::array<EnemySlot, 10> enemies;
};

inline constexpr int kLevelCount = 12;

namespace detail {
constexpr PlantStart U = PlantStart::Up;
constexpr PlantStart D = PlantStart::Down;
}  // namespace detail

// One row of the table per level reads better than one value per line.
// clang-format off
inline constexpr std::array<LevelObjects, kLevelCount> kLevelObjects{{
    {60, 101,
     {{{2013, 91}, {2460, 206}, {2745, 206}, {5350, 206}, {5550, 113}}},
     {{{280, 267}, {580, 267}, {1080, 267}, {1580, 267}, {1880, 267},
       {3300, 118}, {4080, 267}, {5950, 267}, {5680, 267}, {5280, 267}}}},
    {40, 240,
     {{{510, 159}, {795, 157}, {2745, 206}, {2460, 206}, {4766, 191}}},
     {{{1000, 267}, {1100, 267}, {3200, 260}, {3250, 260}, {3900, 269},
       {4000, 269}, {5700, 267}, {5800, 267}, {5900, 267}, {6000, 267}}}},
    {60, 101,
     {{{2595, 206}, {2460, 206}, {2745, 206}, {5332, 206}, {5190, 160}}},
     {{{580, 267}, {1270, 85}, {3080, 267}, {3350, 267}, {4450, 267},
       {4700, 260}, {5700, 267}, {5800, 267}, {5900, 267}, {6000, 267}}}},
    {50, 180,
     {{{2450, 206}, {2740, 206}, {4380, 206}, {5332, 206}, {5880, 206}}},
     {{{1300, 267}, {1700, 267}, {2000, 267}, {2100, 267}, {2100, 133},
       {5200, 260}, {5700, 267}, {5800, 267}, {6050, 267}, {6000, 267}}}},
    {100, 50,
     {{{2600, 205}, {2745, 205, detail::U}, {2810, 205, detail::U}, {2880, 205, detail::D},
       {2800, -50}}},
     {{{200, 293}, {100, 293}, {300, 293}, {1650, 198}, {1700, 198},
       {1750, 198}, {3200, 198}, {3150, 198}, {5700, 270}, {5850, 270}}}},
    {50, 150,
     {{{2410, 205}, {2287, 86, detail::U}, {2685, 86, detail::U}, {4560, 87, detail::D},
       {4948, 86}}},
     {{{100, 267}, {200, 267}, {300, 267}, {1900, 197}, {1950, 197},
       {2000, 197}, {2050, 197}, {5800, 267}, {5900, 267}, {6000, 267}}}},
    {50, 100,
     {{{1425, 210}, {3416, 243, detail::U}, {3538, 243, detail::U}, {3661, 243, detail::D},
       {4115, 140}}},
     {{{1000, 229}, {900, 229}, {950, 229}, {1050, 229}, {4000, 260},
       {3800, 260}, {2050, 73}, {3100, 210}, {6000, 262}, {6050, 262}}}},
    {50, 180,
     {{{2616, 48}, {3134, 167, detail::U}, {3408, 244, detail::U}, {3270, 167, detail::D},
       {3796, 244}}},
     {{{100, 265}, {150, 265}, {1800, 226}, {1900, 226}, {4300, 182},
       {4200, 182}, {1550, 27}, {1200, 130}, {1380, 76}, {3500, 260}}}},
    {50, 180,
     {{{4020, 152}, {4365, 113, detail::U}, {4645, 152, detail::U}, {4983, 113, detail::D},
       {5115, 152}}},
     {{{100, 267}, {150, 267}, {400, 267}, {450, 267}, {1200, 267},
       {1250, 267}, {1550, 267}, {1500, 267}, {4300, 192}, {4900, 192}}}},
    {50, 180,
     {{{3955, 206}, {4155, 113, detail::U}, {4360, 113, detail::U}, {4225, 174, detail::D},
       {5110, 152}}},
     {{{100, 267}, {200, 267}, {500, 267}, {600, 267}, {2650, 266},
       {3130, 265}, {4040, 267}, {4290, 267}, {4800, 267}, {5000, 267}}}},
    {50, 180,
     {{{2990, 187}, {3087, 89, detail::U}, {3825, 26, detail::U}, {4778, -6, detail::D},
       {5678, 191}}},
     {{{100, 270}, {200, 270}, {300, 270}, {400, 270}, {1200, 100},
       {1300, 100}, {2000, 100}, {2100, 100}, {3100, 268}, {3900, 77}}}},
    {50, 180,
     {{{2990, -80}, {3087, -80, detail::U}, {3825, -80, detail::U}, {4778, -80, detail::D},
       {5678, -80}}},
     {{{100, 270}, {200, 270}, {300, 270}, {400, 270}, {2050, 216},
       {2150, 216}, {2000, 216}, {2100, 216}, {3460, 176}, {3900, 83}}}},
}};
// clang-format on

// The objects of level 1..12.
constexpr const LevelObjects& levelObjects(int level) {
    return kLevelObjects.at(level - 1);
}

// Enemy slots that roll as fireballs: 7 and 8 in level 7, 7 to 9 in level 8.
constexpr bool isRollingFireball(int level, int slot) {
    return (level == 7 && (slot == 7 || slot == 8)) || (level == 8 && slot >= 7 && slot <= 9);
}

}  // namespace kv
