#pragma once
// Plays the whole game headless with key input only: the main menu's new game, the twelve
// levels, the boss fight and the ending, up to the window a game ends in. Each stretch of play is
// planned in the sandbox and then played for real, frame by frame, checked against the plan.
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/headless/headless_host.h"
#include "sandbox.h"
#include "search.h"
#include "shell/app.h"

namespace kv::bot {

struct Figures {
    std::string stretch;  // "level 3", "boss fight", "ending"
    long frames = 0;
    Millis ms = 0;  // virtual time
    int livesLost = 0;
    long lookahead = 0;  // frames run in the sandbox
    int replans = 0;     // plans dropped because the game went another way
};

struct RunOptions {
    std::filesystem::path shots;  // screenshots go here when set
    long frameLimit = 200000;
    LevelSearch level;
    FightSearch fight;
};

class Runner {
  public:
    Runner(const std::filesystem::path& build, const std::filesystem::path& work,
           RunOptions options);
    // True when the game was won and the window a game ends in opened.
    bool run();
    void report(std::ostream& out);

  private:
    void frame();
    void key(bool down, int key);
    void send(const Input& in);
    bool ready() const;
    void waitUntilReady();
    // Plays a plan; false when the game left it (the plan is then dropped).
    bool play(const Plan& plan, std::size_t frames);
    void startGame();
    void playLevel(int level);
    void fight();
    void ending();
    void screenshot(const std::string& name);
    void begin(const std::string& stretch);
    void end();
    void fail(const std::string& why);

    RunOptions options_;
    HeadlessHost host_;
    App app_;
    Sandbox sandbox_;
    long frames_ = 0;
    int lastLives_ = 0;
    std::vector<Figures> figures_;
    Figures current_;
    long stretchStart_ = 0;
    Millis stretchClock_ = 0;
    bool plantShot_ = false;
    bool failed_ = false;
    std::string failure_;
};

}  // namespace kv::bot
