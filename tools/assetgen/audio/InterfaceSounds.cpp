#include "InterfaceSounds.hpp"

#include "Envelope.hpp"
#include "Random.hpp"
#include "Synth.hpp"

Signal InterfaceSounds::focus() {
    // C6 with a small upward lean into the note.
    auto pitch = [](double t) { return Envelope::glide(t, 990.0, 1046.5, 0.01); };
    Signal out = Synth::sine(0.09, pitch, [](double t) { return Envelope::attackDecay(t, 0.003, 0.022); });
    out.mix(Synth::sine(0.09, [=](double t) { return 2.0 * pitch(t); },
                        [](double t) { return Envelope::attackDecay(t, 0.003, 0.012); }),
            0.0, 0.25);
    return out;
}

Signal InterfaceSounds::click() {
    Random rng(0xC11C);
    Signal out = Synth::strike(rng, {{1568, 0.012, 1.0}, {3136, 0.006, 0.3}}, 0.06, 0.0005);
    out.mix(Synth::strike(rng, {{392, 0.008, 0.3}}, 0.06, 0.0005), 0.0);
    return out;
}

Signal InterfaceSounds::hover() {
    Signal out = Synth::sine(0.07, [](double) { return 784.0; },
                             [](double t) { return Envelope::attackDecay(t, 0.006, 0.018); });
    out.mix(Synth::sine(0.07, [](double) { return 3.0 * 784.0; },
                        [](double t) { return Envelope::attackDecay(t, 0.006, 0.01); }),
            0.0, 0.1);
    return out;
}
