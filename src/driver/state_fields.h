#pragma once
// GameState fields by name, for the script driver: "playerX", "enemyAlive3".
#include <string>

#include "shell/game_state.h"

namespace kv {

bool hasField(const std::string& name);
// Booleans print as True/False, numbers in decimal, directions as their texts.
bool getField(const GameState& s, const std::string& name, std::string& out);
// An empty value sets the field empty (0, "", False). Returns false for an unknown name or a
// value the field cannot hold; numbers must lie within -100000000 .. 100000000.
bool setField(GameState& s, const std::string& name, const std::string& value);
// Every field as one JSON object, slots as "enemyX1" ... in order.
std::string dumpJson(const GameState& s);

}  // namespace kv
