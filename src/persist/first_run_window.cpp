#include "persist/first_run_window.h"

#include <algorithm>
#include <climits>
#include <string>

#include "art/first_run_art.h"
#include "base/numbers.h"
#include "persist/settings_holder.h"
#include "screens/intro_window.h"
#include "shell/app.h"

namespace kv {
namespace {

// The help text: its runs of spaces put each sentence on a line of its own.
std::string helpText() {
    const std::string sp2(2, ' '), sp6(6, ' ');
    return sp6 + "Vítejte ve hře Kvorlin" + std::string(40, ' ') +
           "First Run Testem nastavujete rychlost vašeho stroje pro tuto hru.klávesami" + sp2 +
           "+ a - nastavte" + sp2 +
           "hodnotu tak,aby Fps bylo okolo 35 což je akorátní stav pro hraní hry." + sp6 +
           "rychlost lze měnit i během hry ...." + std::string(130, ' ') + "klávesou" + sp2 +
           "\"s\" spustíte ve hře Dravex Engine ";
}

// The volume caption as a 32-bit number; it only ever holds one.
int volumeOf(const std::string& caption) {
    return parseWholeNumber(caption).value_or(0);
}

}  // namespace

void FirstRunWindow::build() {
    caption = "First Run Test";
    const TextRenderer& text = app_.text;
    if (!art_.background)
        art_ = {firstRunBackground(), firstRunLogo(text), firstRunGoButton(text),
                firstRunVolumeButton(text, "Volume +"), firstRunVolumeButton(text, "volume -")};
    client().backColour = rgb(255, 255, 255);
    client().picture = art_.background;

    // A little wider than the words need at first, so larger readings still fit.
    Label1 = &addLabel(client(), "Label1", 8, 16, 60, 13, "Fps : 38");
    Label1->foreColour = rgb(255, 0, 0);
    Label4 = &addLabel(client(), "Label4", 8, 32, 100, 13, "Game Time : 0");
    Label2 = &addLabel(client(), "Label2", 8, 48, 30, 13, "25");
    Label3 = &addLabel(client(), "Label3", 8, 72, 276, 101, helpText());
    Label3->wordWrap = true;
    Label3->style.size = 10;
    for (Label* l : {Label1, Label4, Label2, Label3}) l->transparent = true;

    Command2 = &addPicture(client(), "Command2", 320, 104, 65, 17);
    Command2->picture = art_.louder;
    Command2->onClick = [this] { VolumeStep(100); };
    Label5 = &addLabel(client(), "Label5", 336, 128, 40, 13, "-1500");
    Label5->transparent = true;
    Command1 = &addPicture(client(), "Command1", 320, 144, 65, 17);
    Command1->picture = art_.quieter;
    Command1->onClick = [this] { VolumeStep(-100); };
    Picture2 = &addPicture(client(), "Picture2", 400, 120, 73, 47);
    Picture2->picture = art_.go;
    Picture2->onClick = [this] { Confirm(); };
    Picture1 = &addPicture(client(), "Picture1", 112, -70, 319, 65);
    Picture1->picture = art_.logo;

    Timer1 = &addTimer("Timer1", 1000, true);
    Timer1->onTick = [this] {
        ++testSeconds;
        Label4->caption = "Game Time : " + std::to_string(testSeconds);
        Label1->caption = "Fps : " + std::to_string(testFrames);
        testFrames = 0;
    };
    Timer2 = &addTimer("Timer2", 10, true);
    Timer2->onTick = [this] {
        if (Picture1->top < 0) Picture1->top += 5;
    };

    testFrames = 0;
    testNextFrame = 0;
}

void FirstRunWindow::onLoad() {
    keyPreview = true;
    MediaPlayer1 = app_.host.makeMusicPlayer();
    MediaPlayer1->setFileName(app_.paths.data("/music/1.mid").string());
    MediaPlayer1->setVolume(volumeOf(Label5->caption));
    MediaPlayer1->play();

    app_.windows.show(*this);
    testPeriod = 25;
    testSeconds = 0;

    // The loop ends with the window.
    app_.windows.setFrameLoop(
        {this, [this] { return testNextFrame + 1; }, [this] { return TestLoopPass(); }});
}

void FirstRunWindow::onUnload() {
    MediaPlayer1.reset();
}

bool FirstRunWindow::TestLoopPass() {
    testNextFrame = app_.host.clock().ticks() + testPeriod;
    app_.windows.countFrame();
    app_.windows.pump(false);
    ++testFrames;
    app_.windows.pump(true);
    return true;
}

void FirstRunWindow::onKeyDown(int key) {
    if (key == keys::Add) --testPeriod;
    if (key == keys::Subtract) ++testPeriod;
    Label2->caption = std::to_string(testPeriod);
}

void FirstRunWindow::VolumeStep(int hundredths) {
    const long long next = static_cast<long long>(volumeOf(Label5->caption)) + hundredths;
    const int volume = static_cast<int>(std::clamp<long long>(next, INT_MIN, INT_MAX));
    Label5->caption = std::to_string(volume);
    if (MediaPlayer1) MediaPlayer1->setVolume(volume);
}

void FirstRunWindow::Confirm() {
    app_.ini.Text[2] = std::to_string(testPeriod);
    app_.ini.Text[10] = Label5->caption;
    app_.ini.SaveSettings();
    app_.windows.loaded(app_.checkpoint).Label1->caption = std::to_string(testPeriod);
    Picture1->release();
    client().picture.reset();
    app_.windows.show(app_.windows.loaded(app_.checkpoint));
    app_.windows.unload(*this);
}

}  // namespace kv
