#pragma once

#include "Theremin.hpp"

#include <vector>

// What "mysteriousfunk" plays: A minor at 96 beats a minute, 28 bars of
// 4/4 (70 s) that loop. Intro groove (4 bars), A (8), B with the lead (8),
// a thinned-out break (4), A again (4) ending on a fill and E7#9 that
// falls back into the first bar.
class FunkScore {
public:
    static constexpr double kTempo = 96.0;
    static constexpr int kBars = 28;
    static constexpr int kSteps = 16;  // sixteenths in a bar

    enum class Drum { Kick, Snare, ClosedHat, OpenHat, Crash };

    struct Hit {
        Drum drum;
        double time;
        double velocity;
        double seconds;  // how long an open hat rings before the next hat chokes it
    };

    struct Note {
        double time;
        double seconds;
        int midi;
        double velocity;
        bool dead;  // a muted bass pluck
    };

    static double stepSeconds() { return 60.0 / kTempo / 4.0; }
    static double barSeconds() { return stepSeconds() * kSteps; }
    static double loopSeconds() { return barSeconds() * kBars; }

    std::vector<Hit> drums() const;
    std::vector<Note> bass() const;
    std::vector<Note> keys() const;
    std::vector<Theremin::Note> lead() const;

    // Time of a sixteenth, with the swing on the off ones.
    static double at(int bar, double step);

private:
    struct Chord {
        int root;  // bass root, MIDI
        int third, seventh;  // semitones above the root
        std::vector<int> voicing;  // piano notes, MIDI
    };
    static const Chord& chordOf(int bar);
};
