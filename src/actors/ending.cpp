#include "actors/ending.h"

#include "levels/game_over.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

// The runs of spaces push the prompt onto a line of its own.
std::string BossSpeechText() {
    return "Ah ... !! konečně jsi tady !! už jsem myslel,že tady vůbec nedojdeš :-) ... to je "
           "jedno,stejně tady zemřeš moji vlastní rukou !!ale že to jsi ty,dám ti plné životy:-)" +
           std::string(63, ' ') + "- press space -";
}

std::string FarewellText() {
    return "počkej !! prosím nezabíjej mně !! dobrá,uznávám,že jsi lepší než já a přenechávám ti "
           "titul MISTER OF KVORLIN !! a odcházím z tohoto světa !!" +
           std::string(34, ' ') + "- press space -";
}

std::string ClosingText() {
    return "to je konec ... Blahopřeji Mistře Hry Kvorlin !!" + std::string(32, ' ') +
           "- press space - ";
}

void EndingTick(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);
    auto grey = [&] { return rgb(s.speechShade, s.speechShade, s.speechShade); };
    // Four tests in a row: a step changed by one is seen by the ones after it.
    if (s.speechStep == 0 && s.speechShade != 5) {
        s.speechShade -= 5;
        f.Label10->foreColour = grey();
    }
    if (s.speechStep == 1 && s.speechShade != 5) {
        s.speechShade -= 5;
        f.Label9->foreColour = grey();
    }
    if (s.speechStep == 2) {
        if (s.speechShade == 255) {
            f.Label9->caption = ClosingText();
            s.speechStep = 3;
        } else {
            s.speechShade += 5;
            f.Label9->foreColour = grey();
        }
    }
    if (s.speechStep == 3 && s.speechShade != 5) {
        s.speechShade -= 5;
        f.Label9->foreColour = grey();
    }
}

void AdvanceEnding(App& app) {
    GameState& s = app.state;
    const MainWindow& f = app.windows.loaded(app.Form1);
    if (!f.finaltext->visible) return;
    if (s.speechStep == 1)
        s.speechStep = 2;
    else if (s.speechStep == 3)
        FinishGame(app);
}

}  // namespace kv
