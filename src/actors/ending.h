#pragma once
#include <string>

namespace kv {

class App;

// The boss speech and the ending texts, one frame.
void EndingTick(App& app);
// Space during the farewell and the closing text: on to the closing text, or the game ends.
void AdvanceEnding(App& app);

// The words of the boss before the fight, of its farewell, and the closing message.
std::string BossSpeechText();
std::string FarewellText();
std::string ClosingText();

}  // namespace kv
