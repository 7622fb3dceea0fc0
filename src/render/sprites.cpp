#include "render/sprites.h"

namespace kv {
namespace {
#include "sprites/d.xpm"
#include "sprites/enemyl0.xpm"
#include "sprites/enemyl1.xpm"
#include "sprites/enemyr0.xpm"
#include "sprites/enemyr1.xpm"
#include "sprites/finaljl.xpm"
#include "sprites/finaljr.xpm"
#include "sprites/finall.xpm"
#include "sprites/finalr.xpm"
#include "sprites/fireball.xpm"
#include "sprites/firel.xpm"
#include "sprites/firer.xpm"
#include "sprites/kc.xpm"
#include "sprites/kcb.xpm"
#include "sprites/ko.xpm"
#include "sprites/kob.xpm"
#include "sprites/l1.xpm"
#include "sprites/l2.xpm"
#include "sprites/live.xpm"
#include "sprites/nl.xpm"
#include "sprites/nr.xpm"
#include "sprites/r1.xpm"
#include "sprites/r2.xpm"

}  // namespace

Sprites loadSprites() {
    Sprites s;
    s.l1 = spriteFromXpm(l1_xpm, "l1");
    s.l2 = spriteFromXpm(l2_xpm, "l2");
    s.r1 = spriteFromXpm(r1_xpm, "r1");
    s.r2 = spriteFromXpm(r2_xpm, "r2");
    s.nl = spriteFromXpm(nl_xpm, "nl");
    s.nr = spriteFromXpm(nr_xpm, "nr");
    s.d = spriteFromXpm(d_xpm, "d");
    s.enemyl[0] = spriteFromXpm(enemyl0_xpm, "enemyl0");
    s.enemyl[1] = spriteFromXpm(enemyl1_xpm, "enemyl1");
    s.enemyr[0] = spriteFromXpm(enemyr0_xpm, "enemyr0");
    s.enemyr[1] = spriteFromXpm(enemyr1_xpm, "enemyr1");
    s.firel = spriteFromXpm(firel_xpm, "firel");
    s.firer = spriteFromXpm(firer_xpm, "firer");
    s.finall = spriteFromXpm(finall_xpm, "finall");
    s.finalr = spriteFromXpm(finalr_xpm, "finalr");
    s.finaljl = spriteFromXpm(finaljl_xpm, "finaljl");
    s.finaljr = spriteFromXpm(finaljr_xpm, "finaljr");
    s.live = spriteFromXpm(live_xpm, "live");
    s.ko = opaqueFromXpm(ko_xpm, "ko");
    s.kc = opaqueFromXpm(kc_xpm, "kc");
    s.kob = opaqueFromXpm(kob_xpm, "kob");
    s.kcb = opaqueFromXpm(kcb_xpm, "kcb");
    s.fireball = opaqueFromXpm(fireball_xpm, "fireball");
    return s;
}

}  // namespace kv
