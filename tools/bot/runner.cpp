#include "runner.h"

#include <iomanip>
#include <iostream>

#include "base/bmp.h"
#include "persist/score_window.h"
#include "shell/main_window.h"

namespace kv::bot {

namespace fs = std::filesystem;

namespace {

fs::path prepared(const fs::path& build, const fs::path& folder) {
    makeProgramFolder(build, folder);
    return folder;
}

// The first field in which the game and the plan part ways, or empty.
std::string difference(const Pose& game, const Pose& plan) {
    if (game == plan) return {};
    const std::pair<const char*, bool> fields[] = {
        {"playerX", game.playerX != plan.playerX},
        {"playerY", game.playerY != plan.playerY},
        {"scrollX", game.scrollX != plan.scrollX},
        {"jumpStep", game.jumpStep != plan.jumpStep},
        {"lives", game.lives != plan.lives},
        {"playerHurt", game.hurt != plan.hurt},
        {"shotX", game.shotX != plan.shotX},
        {"life", game.life != plan.life},
        {"enemyAlive", game.alive != plan.alive},
        {"walkDirection", game.walk != plan.walk},
        {"facing", game.facing != plan.facing},
        {"blinkTicks", game.blinkTicks != plan.blinkTicks},
    };
    for (const auto& [name, differs] : fields)
        if (differs) return name;
    return "another field";
}

}  // namespace

Runner::Runner(const fs::path& build, const fs::path& work, RunOptions options)
    : options_(std::move(options)),
      app_(host_, prepared(build, work / "game")),
      sandbox_(prepared(build, work / "sandbox")) {}

void Runner::fail(const std::string& why) {
    if (!failed_) failure_ = why;
    failed_ = true;
}

void Runner::frame() {
    if (failed_) return;
    if (frames_ >= options_.frameLimit)
        return fail("no end after " + std::to_string(frames_) + " frames");
    if (!app_.step()) return fail("the game stopped");
    ++frames_;
    const int lives = app_.state.lives;
    if (lives < lastLives_) current_.livesLost += lastLives_ - lives;
    lastLives_ = lives;

    // One picture per level of a plant halfway out of its pipe.
    const GameState& s = app_.state;
    if (!plantShot_ && !s.gamePaused && !app_.Form1.loading->visible)
        for (int k = 1; k <= 5; ++k) {
            const int x = s.plantX[k] - s.scrollX;
            if (x > 150 && x < 450 && s.plantHeight[k] > 20 && s.plantHeight[k] < 40 &&
                s.plantY[k] > 0) {
                screenshot("plant_level" + std::to_string(s.levelNumber));
                plantShot_ = true;
                break;
            }
        }
}

void Runner::key(bool down, int k) {
    if (down)
        app_.windows.keyDown(k);
    else
        app_.windows.keyUp(k);
}

void Runner::send(const Input& in) {
    for (const KeyEvent& e : keysFor(app_.state.walkDirection, in)) key(e.down, e.key);
}

bool Runner::ready() const {
    const MainWindow& f = app_.Form1;
    const GameState& s = app_.state;
    return f.keyPreview && !f.loading->visible && !f.Timer3->enabled() && !s.gamePaused &&
           !s.deathFall && !s.inMainMenu;
}

void Runner::waitUntilReady() {
    while (!failed_ && !ready()) frame();
}

bool Runner::play(const Plan& plan, std::size_t frames) {
    frames = std::min(frames, plan.inputs.size());
    for (std::size_t i = 0; i < frames && !failed_; ++i) {
        send(plan.inputs[i]);
        frame();
        const Pose game = readPose(app_.state, app_.Form1.finallife->width);
        const int k = static_cast<int>(i) + 1;
        std::string why = difference(game, plan.poses[i]);
        if (why.empty() && host_.clock().ticks() != sandbox_.frameTime(k)) why = "the frame's time";
        // The frame that ends play (speech, beaten boss) keeps no world to compare with.
        if (sandbox_.hasWorld(k)) {
            const GameState& world = sandbox_.world(k);
            for (int e = 1; why.empty() && e <= 10; ++e)
                if (world.enemyX[e] != app_.state.enemyX[e]) why = "enemyX" + std::to_string(e);
            if (why.empty() && (world.bossX != app_.state.bossX || world.bossY != app_.state.bossY))
                why = "the boss";
        }
        if (!why.empty()) {
            ++current_.replans;
            std::cout << "  " << current_.stretch << ", frame " << frames_ << ": the game went "
                      << "another way than planned (" << why << ")\n";
            return false;
        }
    }
    return true;
}

void Runner::begin(const std::string& stretch) {
    current_ = {};
    current_.stretch = stretch;
    stretchStart_ = frames_;
    stretchClock_ = host_.clock().ticks();
    plantShot_ = false;
}

void Runner::end() {
    current_.frames = frames_ - stretchStart_;
    current_.ms = host_.clock().ticks() - stretchClock_;
    figures_.push_back(current_);
    std::cout << "  " << current_.stretch << ": " << current_.frames << " frames, "
              << current_.ms / 1000.0 << " s, lives lost " << current_.livesLost << ", look ahead "
              << current_.lookahead << " frames" << std::endl;
}

void Runner::screenshot(const std::string& name) {
    if (options_.shots.empty()) return;
    fs::create_directories(options_.shots);
    saveBmp(app_.windows.snapshot(), options_.shots / (name + ".bmp"));
}

void Runner::startGame() {
    app_.start();
    // The intro, when there is one, gives way to Space.
    for (int i = 0; i < 100000 && !failed_; ++i) {
        if (app_.Form1.isLoaded() && app_.windows.top() == &app_.Form1) break;
        if (app_.windows.top() && app_.windows.top() != &app_.Form1) {
            key(true, keys::Space);
            key(false, keys::Space);
        }
        if (!app_.step()) return fail("the main window never opened");
    }
    for (int i = 0; i < 40; ++i) frame();
    screenshot("main_menu");
    app_.windows.click(app_.Form1, *app_.Form1.novahra);
    lastLives_ = app_.state.lives;
}

void Runner::playLevel(int level) {
    begin("level " + std::to_string(level));
    while (!failed_ && app_.state.levelNumber == level) {
        if (level == 12 && app_.Form1.Picture3->visible) break;
        waitUntilReady();
        sandbox_.sync(app_);
        Plan plan = searchLevel(sandbox_, level, options_.level);
        current_.lookahead += plan.expanded;
        if (!plan.found) {
            LevelSearch hurtOk = options_.level;
            hurtOk.hurtPenalty = 400;
            sandbox_.sync(app_);
            Plan second = searchLevel(sandbox_, level, hurtOk);
            current_.lookahead += second.expanded;
            if (second.found || second.poses.size() > plan.poses.size()) plan = std::move(second);
            std::cout << "  level " << level << ": no way without a hurt from x "
                      << sandbox_.rootPose().levelX() << (plan.found ? "; one with " : "; ")
                      << plan.hurts << " hurts" << std::endl;
        }
        if (plan.inputs.empty()) {
            send({Dir::None, false, false});
            frame();
            continue;
        }
        if (!play(plan, plan.inputs.size()) || !plan.found) continue;
        if (level == 12) break;
        // Right held completes the level; the loading second is walked through.
        send({Dir::Right, false, false});
        for (int i = 0; i < 10 && app_.state.levelNumber == level; ++i) frame();
    }
    if (level != 12)
        while (!failed_ && (app_.Form1.loading->visible || app_.Form1.Timer3->enabled())) frame();
    end();
}

void Runner::fight() {
    const MainWindow& f = app_.Form1;
    begin("boss fight");
    // The speech fades in; then Space starts the fight.
    for (int i = 0; i < 55 && !failed_; ++i) frame();
    screenshot("speech");
    key(true, keys::Space);
    key(false, keys::Space);
    lastLives_ = app_.state.lives;
    long shotsTaken = 0;
    while (!failed_ && !(app_.state.speechStep == 1 && f.finaltext->visible)) {
        if (!ready()) {
            frame();
            continue;
        }
        sandbox_.sync(app_);
        const Plan plan = searchFight(sandbox_, options_.fight);
        current_.lookahead += plan.expanded;
        if (plan.inputs.empty()) {
            send({Dir::None, false, false});
            frame();
            continue;
        }
        play(plan, plan.found ? plan.inputs.size() : std::size_t(20));
        if ((frames_ - stretchStart_) / 150 > shotsTaken) {
            ++shotsTaken;
            if (shotsTaken <= 4) screenshot("fight" + std::to_string(shotsTaken));
        }
    }
    screenshot("beaten");
    end();
}

void Runner::ending() {
    begin("ending");
    for (int i = 0; i < 55 && !failed_; ++i) frame();
    screenshot("farewell");
    key(true, keys::Space);
    key(false, keys::Space);
    while (!failed_ && app_.state.speechStep != 3) frame();
    for (int i = 0; i < 55 && !failed_; ++i) frame();
    screenshot("closing");
    key(true, keys::Space);
    key(false, keys::Space);
    frame();
    if (app_.windows.top() != static_cast<Window*>(&app_.score1))
        fail("the last Space did not end the game");
    screenshot("end");
    end();
}

bool Runner::run() {
    startGame();
    for (int level = 1; level <= 12 && !failed_; ++level) playLevel(level);
    if (!failed_) fight();
    if (!failed_) ending();
    return !failed_;
}

void Runner::report(std::ostream& out) {
    int lost = 0;
    for (const Figures& f : figures_) lost += f.livesLost;
    out << std::left << std::setw(12) << "stretch" << std::right << std::setw(8) << "frames"
        << std::setw(10) << "seconds" << std::setw(12) << "lives lost" << std::setw(12)
        << "look ahead" << std::setw(9) << "replans" << '\n';
    for (const Figures& f : figures_)
        out << std::left << std::setw(12) << f.stretch << std::right << std::setw(8) << f.frames
            << std::setw(10) << std::fixed << std::setprecision(1) << f.ms / 1000.0 << std::setw(12)
            << f.livesLost << std::setw(12) << f.lookahead << std::setw(9) << f.replans << '\n';
    out << "whole game: " << frames_ << " frames, " << std::fixed << std::setprecision(1)
        << host_.clock().ticks() / 1000.0 - 1000.0 << " virtual seconds, lives lost " << lost
        << ", final score " << app_.Form1.score->caption << '\n';
    if (failed_) out << "NOT FINISHED: " << failure_ << '\n';
}

}  // namespace kv::bot
