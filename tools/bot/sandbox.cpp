#include "sandbox.h"

#include <fstream>
#include <iostream>

#include "actors/boss_timer.h"
#include "actors/fireballs.h"
#include "actors/update_actors.h"
#include "game/key_handlers.h"
#include "levels/life_and_level.h"
#include "platform/headless/recording_music.h"
#include "player/animation_clock.h"
#include "player/update_player.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv::bot {

namespace fs = std::filesystem;

std::unique_ptr<MusicPlayer> SandboxHost::makeMusicPlayer() {
    return makeRecordingMusicPlayer();
}

void SandboxHost::showError(const std::string& message) {
    std::cerr << "sandbox: " << message << std::endl;
}

Pose readPose(const GameState& s, int life) {
    Pose p;
    p.playerX = s.playerX;
    p.playerY = s.playerY;
    p.scrollX = s.scrollX;
    p.jumpStep = s.jumpStep;
    p.blinkTicks = s.blinkTicks;
    p.lives = s.lives;
    p.shotX = s.shotX;
    p.shotY = s.shotY;
    p.shotSpeed = s.shotSpeed;
    p.life = life;
    p.walk = s.walkDirection;
    p.facing = s.facing;
    p.jumping = s.jumping;
    p.onGround = s.onGround;
    p.hurt = s.playerHurt;
    p.hurtLifePending = s.hurtLifePending;
    p.visible = s.playerVisible;
    p.shotActive = s.shotActive;
    p.deathFall = s.deathFall;
    for (int i = 1; i <= 10; ++i)
        if (s.enemyAlive[i]) p.alive |= static_cast<std::uint16_t>(1u << (i - 1));
    return p;
}

void writePose(GameState& s, const Pose& p) {
    s.playerX = p.playerX;
    s.playerY = p.playerY;
    s.scrollX = p.scrollX;
    s.jumpStep = p.jumpStep;
    s.blinkTicks = p.blinkTicks;
    s.lives = p.lives;
    s.shotX = p.shotX;
    s.shotY = p.shotY;
    s.shotSpeed = p.shotSpeed;
    s.walkDirection = p.walk;
    s.facing = p.facing;
    s.jumping = p.jumping;
    s.onGround = p.onGround;
    s.playerHurt = p.hurt;
    s.hurtLifePending = p.hurtLifePending;
    s.playerVisible = p.visible;
    s.shotActive = p.shotActive;
    s.deathFall = p.deathFall;
    for (int i = 1; i <= 10; ++i) s.enemyAlive[i] = (p.alive >> (i - 1)) & 1u;
}

std::vector<KeyEvent> keysFor(Dir current, const Input& in) {
    auto arrow = [](Dir d) { return d == Dir::Left ? keys::Left : keys::Right; };
    std::vector<KeyEvent> events;
    if (current != in.walk) {
        if (current != Dir::None) events.push_back({false, arrow(current)});
        if (in.walk != Dir::None) events.push_back({true, arrow(in.walk)});
    }
    if (in.jump) {
        events.push_back({true, keys::Space});
        events.push_back({false, keys::Space});
    }
    if (in.shoot) {
        events.push_back({true, keys::Ctrl});
        events.push_back({false, keys::Ctrl});
    }
    return events;
}

bool TimerPlan::fires(Millis now) {
    if (!enabled || interval <= 0 || now < due) return false;
    due += interval;
    if (due <= now) due += (now - due) / interval * interval + interval;
    return true;
}

Sandbox::Sandbox(const fs::path& folder) : app_(std::make_unique<App>(host_, folder)) {
    app_->start();
    MainWindow& f = app_->windows.loaded(app_->Form1);
    // A level is never completed here: the frame that would complete it walks on, as it does
    // while the loading screen shows.
    f.loading->visible = true;
    app_->state.inMainMenu = false;
}

Sandbox::~Sandbox() = default;

void Sandbox::sync(App& real) {
    App& a = *app_;
    MainWindow& f = a.Form1;
    const MainWindow& r = real.Form1;
    a.state = real.state;
    f.mask->picture = r.mask->picture;
    f.finallife->width = r.finallife->width;
    f.Picture3->visible = false;
    f.finaltext->visible = false;
    f.loading->visible = true;
    root_ = readPose(real.state, r.finallife->width);
    worlds_.assign(1, real.state);
    fires_.assign(1, 0);
    // The next frame starts one millisecond after nextFrameTime; the ones after it each a frame
    // period and a millisecond later.
    spacing_ = std::max<Millis>(real.state.framePeriod.millis(), 0) + 1;
    firstFrame_ = real.state.nextFrameTime + 1;
    auto plan = [](const Timer& t) { return TimerPlan{t.enabled(), t.due(), t.interval()}; };
    timer2_ = plan(*r.Timer2);
    timer5_ = plan(*r.Timer5);
}

void Sandbox::timersUpTo(int k) {
    while (static_cast<int>(fires_.size()) <= k) {
        const Millis now = frameTime(static_cast<int>(fires_.size()));
        std::uint8_t bits = 0;
        if (timer2_.fires(now)) bits |= 1;
        if (timer5_.fires(now)) bits |= 2;
        fires_.push_back(bits);
    }
}

Outcome Sandbox::step(int k, const Pose& pose, const Input& in, Pose& after) {
    App& a = *app_;
    GameState& s = a.state;
    MainWindow& f = a.Form1;
    s = worlds_[k];
    writePose(s, pose);
    f.finallife->width = pose.life;
    // Left from an earlier look ahead: Space must not start the fight or the ending here.
    f.Picture3->visible = false;
    f.finaltext->visible = false;
    for (const KeyEvent& e : keysFor(pose.walk, in)) {
        if (e.down)
            Form1KeyDown(a, e.key);
        else
            Form1KeyUp(a, e.key);
    }

    // GameTick of an unpaused frame, after the yield that fires the due timers.
    const int frame = k + 1;
    timersUpTo(frame);
    host_.setClock().set(frameTime(frame));
    if (fires_[frame] & 1) AnimationTick(a);
    if (fires_[frame] & 2) BossTimerTick(a);
    if (s.shotActive) MoveShot(a);
    UpdateLifeAndLevel(a);
    const bool speech = s.gamePaused;
    UpdatePlayer(a);
    UpdateActors(a);

    after = readPose(s, f.finallife->width);
    if (static_cast<int>(worlds_.size()) == frame && !s.gamePaused && !s.deathFall)
        worlds_.push_back(s);
    if (s.deathFall || s.playerY > 480) return Outcome::Dead;
    // The beaten boss stops the animation clock: a touch in that frame costs nothing.
    if (s.speechStep == 1 && f.finaltext->visible) return Outcome::Beaten;
    if (s.playerHurt && !pose.hurt) return Outcome::Hurt;
    if (speech) return Outcome::Speech;
    return Outcome::Going;
}

const GameState& Sandbox::state() const {
    return app_->state;
}

void makeProgramFolder(const fs::path& build, const fs::path& folder) {
    fs::remove_all(folder);
    fs::create_directories(folder / "grafix");
    fs::create_directories(folder / "music");
    for (const char* sub : {"grafix", "music"})
        for (const auto& e : fs::directory_iterator(build / sub))
            if (e.path().extension() == ".lev" || e.path().extension() == ".mus")
                fs::create_symlink(fs::absolute(e.path()), folder / sub / e.path().filename());
    std::ofstream(folder / "sys.ini") << "[KV]\r\nfirstrun=no\r\nspeed=25\r\nNastaveni8=False\r\n";
}

}  // namespace kv::bot
