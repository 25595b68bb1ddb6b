// Hudba13.mid - the police station. C minor, 126 bpm swing: walking bass, brushes,
// piano comping, a tenor sax on the case and a vibraphone bridge. Intro, A A B A, tag.
#include "pieces.h"
#include "score.h"

using namespace score;

namespace {

const char *kCase = // A: the sax sneaks around the C minor chord
    "re g4e c5e eb5e g5q. f5e | eb5q c5e ab4e gb4h | re g4e c5e eb5e g5e bb5e g5e eb5e | f5q. eb5e c5h |"
    "re ab4e c5e eb5e f5q ab5q | g5q. f5e d5e b4e ab4q | g4e c5e eb5e g5e gb5q. eb5e |";
const char *kCaseOpen = "d5h b4q rq";
const char *kCaseClosed = "d5q b4q c5h";
const char *kCaseChords = "Cm7 | Ab7 | Cm7 | Ab7 | Fm7 | G7 | Cm7 Ab7 |";

const char *kClue = // B: the vibraphone walks through the relative major
    "c5q. ab4e c5e eb5e f5q | d5h. rq | re bb4e eb5e g5e bb5q. g5e | c6q. bb5e g5h |"
    "ab5q. f5e d5e c5e ab4q | b4e d5e f5e ab5e g5h | eb5q. d5e c5e bb4e g4q | b4q d5q f5q rq";
const char *kClueGuide = "ab4w | ab4w | g4w | g4w | f4w | f4w | eb4w | d4h. rq";
const char *kClueChords = "Fm7 | Bb7 | Ebmaj7 | Abmaj7 | Dm7b5 | G7 | Cm7 | G7";

const char *kWalk = "R35A|R235|R85A|R3 5A|R35A|R5RA|R35A|R75A";

} // namespace

void writePoliceStation(const std::string &dir) {
    Song s("Hudba13.mid", "Zur ev Edivu - the police station", 126, 4);
    Part &sax = s.part("Tenor sax", 0, 66, 124, 54, 45);
    Part &vibes = s.part("Vibraphone", 1, 11, 120, 78, 50);
    Part &piano = s.part("Piano", 2, 0, 102, 84, 40);
    Part &bassPart = s.part("Acoustic bass", 3, 32, 127, 60, 25);
    Part &kit = s.part("Brushes", kDrumChannel, 40, 122, 64, 35);
    for (Part *p : {&sax, &vibes, &piano, &bassPart, &kit})
        p->swing = true;
    bassPart.gate = 88;
    using namespace gm;
    const int kSwirl = 40; // the brush kit's swirl

    auto groove = [&](double at, int bars, int percent) {
        drums(kit, s, at, bars,
              {{Ride, "x.xxx.xx"},
               {PedalHat, "..x...x."},
               {Snare, "g..g...g|..g..g.g"},
               {kSwirl, "o.......|....o..."},
               {Kick, "o.......|........"}},
              percent);
    };
    auto fill = [&](double at) {
        drums(kit, s, at, 1, {{Ride, "x.xx...."}, {Snare, "....gxox"}, {Kick, "......o."}}, 90);
    };

    { // Intro, bars 0-3: bass and brushes, the piano slips in.
        const auto ch = chords(s, 0, "Cm7 | Ab7 | Cm7 | G7");
        bass(bassPart, s, ch, kWalk, 36, 88);
        comp(piano, s, chords(s, 2, "Cm7 | G7"), "...x..x.|..x..x..", 53, 64);
        groove(0, 3, 80);
        fill(3);
    }
    auto verse = [&](double at, const char *ending, const char *lastChord, bool withVibes) {
        const std::string tune = std::string(kCase) + ending;
        melody(sax, s, at, tune, 92);
        if (withVibes) melody(vibes, s, at, tune, 70, 12);
        const auto ch = chords(s, at, std::string(kCaseChords) + lastChord);
        bass(bassPart, s, ch, kWalk, 36, 90);
        comp(piano, s, ch, "x..x....|...x..x.|..x...x.|.x...x..", 53, 62);
        groove(at, 7, 88);
        fill(at + 7);
    };
    verse(4, kCaseOpen, "G7", false);
    verse(12, kCaseClosed, "G7 Cm7", false);
    { // B, bars 20-27.
        melody(vibes, s, 20, kClue, 92);
        melody(sax, s, 20, kClueGuide, 62);
        const auto ch = chords(s, 20, kClueChords);
        bass(bassPart, s, ch, kWalk, 36, 90);
        comp(piano, s, ch, "...x..x.|.x..x...", 53, 60);
        groove(20, 7, 92);
        fill(27);
    }
    verse(28, kCaseClosed, "G7 Cm7", true);
    { // Tag, bars 36-37: a last look around, then the case is closed.
        melody(sax, s, 36, "g5e eb5e c5e g4e ab4q g4q | c5w", 86);
        melody(vibes, s, 37, "[c5eb5g5bb5d6]w", 74);
        const auto ch = chords(s, 36, "Cm7 | Cm9");
        bass(bassPart, s, ch, "R35A|R---", 36, 88);
        comp(piano, s, ch, "..x..x..|x-------", 53, 60);
        drums(kit, s, 36, 1, {{Ride, "x.xxx.xx"}, {PedalHat, "..x...x."}, {kSwirl, "o......."}}, 80);
        drums(kit, s, 37, 1, {{Ride, "x......."}, {Kick, "o......."}, {kSwirl, "x......."}}, 80);
        s.ritardando(37, 38, 110);
    }
    s.write(dir);
}
