#include "FunkScore.hpp"

#include "Random.hpp"

#include <algorithm>
#include <cmath>

namespace {

enum class Section { Intro, A, B, Break, Reprise };

Section sectionOf(int bar) {
    if (bar < 4) return Section::Intro;
    if (bar < 12) return Section::A;
    if (bar < 20) return Section::B;
    if (bar < 24) return Section::Break;
    return Section::Reprise;
}

// Last bar of a phrase: the drums fill and the next bar opens with a crash.
bool fillBar(int bar) {
    return bar == 11 || bar == 19 || bar == FunkScore::kBars - 1;
}

}  // namespace

double FunkScore::at(int bar, double step) {
    // Off sixteenths land late: that lag is the groove.
    const double swing = (static_cast<int>(step) % 2 == 1) ? 0.022 : 0.0;
    return (bar * kSteps + step) * stepSeconds() + swing;
}

const FunkScore::Chord& FunkScore::chordOf(int bar) {
    static const Chord am9{33, 3, 10, {60, 64, 67, 71}};
    static const Chord fmaj7{29, 4, 11, {57, 60, 64, 67}};
    static const Chord e7s9{28, 4, 10, {56, 59, 62, 67}};
    static const Chord dm9{38, 3, 10, {53, 57, 60, 64}};
    static const Chord bbmaj7{34, 4, 11, {57, 62, 64, 69}};
    static const Chord e7b9{28, 4, 10, {56, 62, 65, 71}};
    switch (sectionOf(bar)) {
    case Section::Intro: return am9;
    case Section::A:
    case Section::Reprise: {
        const int inPhrase = (bar - 4) % 4;
        return inPhrase < 2 ? am9 : inPhrase == 2 ? fmaj7 : e7s9;
    }
    case Section::B: {
        const Chord* b[8] = {&dm9, &dm9, &bbmaj7, &bbmaj7, &dm9, &dm9, &e7b9, &e7b9};
        return *b[bar - 12];
    }
    case Section::Break: return bar < 22 ? am9 : fmaj7;
    }
    return am9;
}

std::vector<FunkScore::Hit> FunkScore::drums() const {
    Random rng(0xD7C45);
    std::vector<Hit> hits;
    for (int bar = 0; bar < kBars; ++bar) {
        const Section sec = sectionOf(bar);
        const bool odd = bar % 2 == 1;
        const bool fill = fillBar(bar);
        auto add = [&](Drum d, int step, double vel, double seconds = 0.0) {
            // A hair of looseness, always late so nothing precedes the loop start.
            hits.push_back({d, at(bar, step) + rng.range(0.0, 0.003), vel * rng.range(0.93, 1.0), seconds});
        };
        // Kick: on the one, pushing the "a" of one and the "and" of three.
        if (sec == Section::Break) {
            add(Drum::Kick, 0, 1.0);
            add(Drum::Kick, 10, 0.8);
        } else {
            add(Drum::Kick, 0, 1.0);
            add(Drum::Kick, 3, 0.5);
            add(Drum::Kick, odd ? 6 : 7, odd ? 0.7 : 0.8);
            add(Drum::Kick, 10, 0.92);
            if (odd && !fill) add(Drum::Kick, 13, 0.55);
        }
        // Snare: backbeat and ghost notes; the break keeps only a soft two and four.
        if (sec == Section::Break) {
            add(Drum::Snare, 4, 0.45);
            add(Drum::Snare, 12, 0.5);
        } else {
            add(Drum::Snare, 4, 1.0);
            add(Drum::Snare, 12, 1.0);
            for (int s : {2, 7, 9}) add(Drum::Snare, s, 0.16 + 0.06 * rng.unit());
            if (!fill) add(Drum::Snare, odd ? 15 : 14, 0.22);
        }
        if (fill) {
            for (int s = 13; s < 16; ++s) add(Drum::Snare, s, 0.45 + 0.15 * (s - 12));
            add(Drum::Kick, 14, 0.7);
        }
        // Hats: sixteenths with accents, opening on the "and" of four
        // every other bar (never under a fill).
        const int openStep = (odd && !fill && sec != Section::Break) ? 14 : -1;
        for (int s = 0; s < kSteps; ++s) {
            if (fill && s >= 13) continue;
            const double accent = s % 4 == 0 ? 0.8 : s % 2 == 0 ? 0.6 : 0.38;
            const double soft = sec == Section::Break ? 0.75 : 1.0;
            if (s == openStep)
                add(Drum::OpenHat, s, 0.75, at(bar, s + 1) - at(bar, s));
            else
                add(Drum::ClosedHat, s, accent * soft);
        }
        if (bar == 0 || fillBar(bar - 1) || bar == 4) add(Drum::Crash, 0, bar == 0 ? 0.8 : 0.9);
    }
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.time < b.time; });
    return hits;
}

std::vector<FunkScore::Note> FunkScore::bass() const {
    // Degrees: 0 root, 1 octave, 3 third, 5 fifth, 7 seventh, -7 low
    // seventh, 9 approach to the next bar's root, 99 dead note.
    struct Step {
        int step, degree;
        double length, velocity;
    };
    static const std::vector<Step> groove = {{0, 0, 2, 1.0},  {3, 1, 1, 0.75},  {4, 99, 1, 0.45}, {6, 0, 1, 0.85},
                                             {7, 7, 1, 0.6},  {8, 99, 1, 0.4},  {10, 3, 2, 0.8},  {12, 5, 1, 0.75},
                                             {13, 99, 1, 0.4}, {14, -7, 1, 0.7}, {15, 9, 1, 0.65}};
    static const std::vector<Step> answer = {{0, 0, 2, 1.0},  {3, 1, 1, 0.7},  {5, 0, 1, 0.6},   {6, 1, 1, 0.7},
                                             {7, 7, 1, 0.6},  {8, 5, 2, 0.8},  {10, 99, 1, 0.4}, {11, 5, 1, 0.7},
                                             {12, 3, 2, 0.8}, {14, 0, 1, 0.6}, {15, 9, 1, 0.65}};
    static const std::vector<Step> sparse = {{0, 0, 6, 0.9}, {7, 1, 1, 0.55}, {8, 0, 4, 0.8}, {14, 5, 1, 0.6},
                                             {15, 9, 1, 0.5}};
    std::vector<Note> notes;
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& c = chordOf(bar);
        const Chord& next = chordOf((bar + 1) % kBars);
        const auto& pattern = sectionOf(bar) == Section::Break ? sparse : bar % 2 == 0 ? groove : answer;
        for (const Step& s : pattern) {
            int midi = c.root;
            switch (s.degree) {
            case 1: midi += 12; break;
            case 3: midi += c.third; break;
            case 5: midi += 7; break;
            case 7: midi += c.seventh; break;
            case -7: midi += c.seventh - 12; break;
            case 9: midi = next.root + (next.root > c.root ? -1 : 1); break;
            default: break;
            }
            // Keep the line in the bass register whatever the chord.
            while (midi < 28) midi += 12;
            const double len = s.length * stepSeconds() * 0.85;
            notes.push_back({at(bar, s.step), len, midi, s.velocity, s.degree == 99});
        }
    }
    return notes;
}

std::vector<FunkScore::Note> FunkScore::keys() const {
    struct Stab {
        int step;
        double length, velocity;
    };
    static const std::vector<Stab> comp1 = {{2, 2, 0.75}, {7, 1, 0.6}, {10, 3, 0.8}, {15, 1, 0.5}};
    static const std::vector<Stab> comp2 = {{2, 1, 0.7}, {3, 2, 0.65}, {8, 2, 0.75}, {11, 3, 0.8}};
    static const std::vector<Stab> intro = {{10, 3, 0.6}};
    Random rng(0xE91A);
    std::vector<Note> notes;
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& c = chordOf(bar);
        const Section sec = sectionOf(bar);
        if (sec == Section::Break) {
            // Broken chords in eighths, up then down, left to ring.
            static const int order[8] = {0, 1, 2, 3, 2, 1, 0, 1};
            for (int i = 0; i < 8; ++i)
                notes.push_back({at(bar, 2 * i), 3 * stepSeconds(), c.voicing[order[i]] + 12, 0.45, false});
            continue;
        }
        if (sec == Section::Intro && bar < 2) continue;
        const auto& pattern = sec == Section::Intro ? intro : bar % 2 == 0 ? comp1 : comp2;
        for (const Stab& s : pattern) {
            // Chord notes a few ms apart, as fingers land.
            double spread = 0.0;
            for (int m : c.voicing) {
                notes.push_back({at(bar, s.step) + spread, s.length * stepSeconds() * 0.9, m,
                                 s.velocity * rng.range(0.9, 1.0), false});
                spread += rng.range(0.002, 0.006);
            }
        }
    }
    return notes;
}

std::vector<Theremin::Note> FunkScore::lead() const {
    struct Phrase {
        int bar, step, midi, steps;
    };
    // A rising, questioning line over B; fragments of it over the break.
    static const std::vector<Phrase> melody = {
        {12, 0, 69, 6}, {12, 6, 72, 2}, {12, 8, 74, 4}, {12, 12, 76, 4},
        {13, 0, 76, 8}, {13, 10, 74, 2}, {13, 12, 72, 4},
        {14, 0, 74, 8}, {14, 8, 77, 4}, {14, 12, 76, 4},
        {15, 0, 74, 6}, {15, 6, 69, 10},
        {16, 0, 69, 6}, {16, 6, 72, 2}, {16, 8, 74, 4}, {16, 12, 77, 4},
        {17, 0, 76, 10}, {17, 10, 74, 2}, {17, 12, 72, 4},
        {18, 0, 68, 4}, {18, 4, 71, 4}, {18, 8, 74, 4}, {18, 12, 77, 4},
        {19, 0, 76, 8}, {19, 8, 74, 2}, {19, 10, 72, 2}, {19, 12, 71, 4},
        {20, 4, 64, 4}, {20, 8, 67, 4}, {21, 0, 69, 12},
        {22, 4, 72, 4}, {22, 8, 71, 4}, {23, 0, 64, 12},
    };
    std::vector<Theremin::Note> notes;
    for (const Phrase& p : melody) {
        const double start = at(p.bar, p.step);
        const double end = (p.bar * kSteps + p.step + p.steps) * stepSeconds();
        notes.push_back({start, end - start - 0.02, p.midi, p.bar >= 20 ? 0.6 : 0.85});
    }
    return notes;
}
