#pragma once
// The figures of the game, drawn once each as XPM: masks and images both come from one drawing.
#include "platform/picture.h"

namespace kv {

struct Sprites {
    SpritePair l1, l2, r1, r2, nl, nr, d;  // the player
    SpritePair enemyl[2], enemyr[2];       // enemy frames 1 and 2 in variants 0 and 1
    SpritePair firel, firer;               // the player's shot
    SpritePair finall, finalr;             // the boss
    SpritePair finaljl, finaljr;           // the boss in a leap
    SpritePair live;                       // a life heart
    Picture ko, kc, kob, kcb;              // the plant on sky and on black, opaque
    Picture fireball;                      // opaque, on black
};

// Decodes every drawing; the application does this once and keeps the pictures.
Sprites loadSprites();

}  // namespace kv
