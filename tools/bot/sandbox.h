#pragma once
// The bot's sandbox: a second copy of the game that is never shown and never stepped. Before each
// look ahead it takes over the real game's state, and frames there run the game's own rules on
// copies of that state. The world (enemies, plants, the boss) runs by the clock alone; what the
// player can change is kept apart as a Pose.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/clock.h"
#include "platform/host.h"
#include "shell/game_state.h"

namespace kv {
class App;
}

namespace kv::bot {

// A clock the sandbox sets to the time of the frame it runs, forwards or back.
class SetClock final : public Clock {
  public:
    Millis ticks() const override { return now_; }
    void waitUntil(Millis due) override {
        if (due > now_) now_ = due;
    }
    void set(Millis t) { now_ = t; }

  private:
    Millis now_ = 1000000;
};

class SandboxHost final : public Host {
  public:
    SetClock& setClock() { return clock_; }
    Clock& clock() override { return clock_; }
    void pollInput(InputSink&) override {}
    void present(const Surface&) override {}
    bool showsFrames() const override { return false; }
    void idleUntil(Millis due) override { clock_.waitUntil(due); }
    std::unique_ptr<MusicPlayer> makeMusicPlayer() override;
    void showError(const std::string& message) override;

  private:
    SetClock clock_;
};

// What the player's input can change; everything else in GameState runs by the clock.
struct Pose {
    int playerX = 0, playerY = 0, scrollX = 0, jumpStep = 0, blinkTicks = 0, lives = 0;
    int shotX = 0, shotY = 0, shotSpeed = 0;
    int life = 0;  // width of the boss's life bar
    Dir walk = Dir::None, facing = Dir::None;
    bool jumping = false, onGround = false, hurt = false, hurtLifePending = false;
    bool visible = false, shotActive = false, deathFall = false;
    std::uint16_t alive = 0;  // enemy slots 1..10, bit i-1
    bool operator==(const Pose&) const = default;

    int levelX() const { return playerX + scrollX; }
};

Pose readPose(const GameState& s, int life);
void writePose(GameState& s, const Pose& p);

// The keys of one frame: the walk to hold, Space pressed, Ctrl released.
struct Input {
    Dir walk = Dir::None;
    bool jump = false;
    bool shoot = false;
    bool operator==(const Input&) const = default;
};

// A key event for the main window.
struct KeyEvent {
    bool down;
    int key;
};
// The events that take the game from the walk it has to the input's: releasing an arrow stops
// the walk (and sets the facing), pressing one starts it.
std::vector<KeyEvent> keysFor(Dir current, const Input& in);

// Timer schedules as the window runtime keeps them, for frames that have not run yet.
struct TimerPlan {
    bool enabled = false;
    Millis due = 0;
    int interval = 0;
    // Whether the timer fires in a frame at `now`; moves the schedule on when it does.
    bool fires(Millis now);
};

// What one simulated frame ended in.
enum class Outcome {
    Going,   // nothing final happened
    Hurt,    // a new hurt (an enemy, a plant, the boss)
    Dead,    // the hazard, or fallen out of the screen
    Speech,  // the boss speech began
    Beaten,  // the boss is beaten
};

class Sandbox {
  public:
    explicit Sandbox(const std::filesystem::path& folder);
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    // Takes over the real game as it stands between two frames: frame 1 is its next frame.
    void sync(App& real);
    const Pose& rootPose() const { return root_; }

    // Runs frame k + 1 for a player at frame k with `pose` and the keys `in`; returns what it
    // ended in and the pose after it.
    Outcome step(int k, const Pose& pose, const Input& in, Pose& after);
    // The state after the last step (for goal tests that need more than the pose).
    const GameState& state() const;
    App& app() { return *app_; }
    // The world after frame k (enemies, plants, the boss), once some step has reached it.
    const GameState& world(int k) const { return worlds_[k]; }
    bool hasWorld(int k) const { return k < static_cast<int>(worlds_.size()); }
    Millis frameTime(int k) const { return firstFrame_ + static_cast<Millis>(k - 1) * spacing_; }

  private:
    void timersUpTo(int k);

    SandboxHost host_;
    std::unique_ptr<App> app_;
    Pose root_;
    std::vector<GameState> worlds_;  // worlds_[k]: after frame k; worlds_[0] is the synced state
    // Per frame k (index k): bit 0 Timer2, bit 1 Timer5.
    std::vector<std::uint8_t> fires_;
    TimerPlan timer2_, timer5_;
    Millis firstFrame_ = 0, spacing_ = 26;
};

// Creates a program folder for a copy of the game: the level pictures and tunes of `build`
// linked in, and settings that skip the first-run test.
void makeProgramFolder(const std::filesystem::path& build, const std::filesystem::path& folder);

}  // namespace kv::bot
