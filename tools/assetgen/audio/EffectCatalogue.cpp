#include "EffectCatalogue.hpp"

#include "CombatSounds.hpp"
#include "CreatureSounds.hpp"
#include "InterfaceSounds.hpp"
#include "ItemSounds.hpp"
#include "Loudness.hpp"
#include "StepSounds.hpp"

#include <algorithm>
#include <cmath>

namespace {

using Kind = EffectCatalogue::Kind;
using Terrain = StepSounds::Terrain;

std::vector<EffectCatalogue::Entry> build() {
    std::vector<EffectCatalogue::Entry> e = {
        {"Interface_KeyboardFocus.wav", Kind::Interface, InterfaceSounds::focus},
        {"Interface_MouseClick.wav", Kind::Interface, InterfaceSounds::click},
        {"Interface_MouseHover.wav", Kind::Interface, InterfaceSounds::hover},
        {"SFX_DrawSword.wav", Kind::Effect, CombatSounds::drawSword},
        {"SFX_DrinkPotion.wav", Kind::Effect, ItemSounds::drinkPotion},
        {"SFX_OpenChest.wav", Kind::Effect, ItemSounds::openChest},
        {"SFX_OpenDropBag.wav", Kind::Effect, ItemSounds::openBag},
        {"SFX_DropFallen.wav", Kind::Effect, ItemSounds::bagFalls},
        {"SFX_PlayerDeathSpecial1.wav", Kind::Effect, CreatureSounds::playerDeathCry},
        {"SFX_PlayerDeathSpecial2.wav", Kind::Effect, CreatureSounds::playerDeathGasp},
        {"SFX_HumanoidDeath.wav", Kind::Effect, CreatureSounds::humanoidDeath},
        {"SFX_CrawlerDeath.wav", Kind::Effect, CreatureSounds::crawlerDeath},
        {"SFX_UndeadDeathCrumble.wav", Kind::Effect, CreatureSounds::undeadCrumble},
    };
    const Terrain terrains[] = {Terrain::Bridge, Terrain::Earth, Terrain::Grass,
                                Terrain::Lake,   Terrain::Mountain, Terrain::River,
                                Terrain::Sand,   Terrain::Snow,  Terrain::Way};
    for (bool run : {false, true}) {
        for (Terrain t : terrains) {
            e.push_back({std::string(run ? "SFX_Run" : "SFX_Walk") + StepSounds::name(t) + ".wav", Kind::Step,
                         [t, run] { return StepSounds::make(t, run); }});
        }
    }
    const std::vector<EffectCatalogue::Entry> rest = {
        {"SFX_ItemBowAttack.wav", Kind::Effect, CombatSounds::bowRelease},
        {"SFX_ItemArrowMiss.wav", Kind::Effect, CombatSounds::arrowMiss},
        {"SFX_ItemArrowHit.wav", Kind::Effect, CombatSounds::arrowHit},
        {"SFX_ItemSwordAttack.wav", Kind::Effect, CombatSounds::swordSwing},
        {"SFX_ItemSwordMiss.wav", Kind::Effect, CombatSounds::swordMiss},
        {"SFX_ItemSwordHumanoidHit.wav", Kind::Effect, CombatSounds::swordHitHumanoid},
        {"SFX_ItemSwordCrawlerHit.wav", Kind::Effect, CombatSounds::swordHitCrawler},
        {"SFX_ItemSwordUndeadHit.wav", Kind::Effect, CombatSounds::swordHitUndead},
        {"SFX_UnarmedAttack.wav", Kind::Effect, CombatSounds::punchSwing},
        // The unarmed miss has nothing to say, but the game loads a file.
        {"_null.wav", Kind::Silent, [] { return Signal(0.01); }},
        {"SFX_UnarmedHit.wav", Kind::Effect, CombatSounds::punchHit},
    };
    e.insert(e.end(), rest.begin(), rest.end());
    return e;
}

}  // namespace

const std::vector<EffectCatalogue::Entry>& EffectCatalogue::entries() {
    static const std::vector<Entry> all = build();
    return all;
}

double EffectCatalogue::targetDb(Kind kind) {
    return kind == Kind::Interface ? kInterfaceDb : kEffectDb;
}

Signal EffectCatalogue::render(const Entry& entry) {
    Signal s = entry.recipe();
    if (entry.kind == Kind::Silent) return s;
    // Drop the tail once it is 60 dB under the peak, keeping 5 ms of it.
    const double floor = s.peak() * 1e-3;
    std::size_t end = s.size();
    while (end > 0 && std::fabs(s[end - 1]) < floor) --end;
    s.resize(std::min(s.size(), end + Signal::samplesOf(0.005)));
    s.fade(0.001, std::min(0.02, s.seconds() * 0.15));
    Loudness::normalise(s, targetDb(entry.kind), kCeilingDb);
    return s;
}
