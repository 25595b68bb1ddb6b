// Hudba13.mid - the police station. C minor, 126 bpm swing: walking bass, brushes,
// piano comping, a tenor sax on the case and a vibraphone bridge. The head (A A B A), two
// choruses of sax solo, the piano over the bridge, the vibes over an A, sax and drums trading
// fours, then the head out with the bridge's roles swapped, and a tag.
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

// Solos, each written over the chords of its section.
const char *kSaxSolo1 =
    "rq g4e bb4e c5e eb5e g5e f5e | gb5q. eb5e c5e ab4e gb4q | g4e c5e eb5e g5e bb5q g5q |"
    "c6e bb5e ab5e gb5e eb5q c5q | rq f5e ab5e c6q. ab5e | g5e f5e d5e b4e ab4e b4e d5e f5e |"
    "eb5q. c5e gb5q. eb5e | d5q b4q g4h";
const char *kSaxSolo2 =
    "c6q. bb5e g5e eb5e c5e bb4e | c5e eb5e gb5e ab5e c6e ab5e gb5e eb5e |"
    "d5e eb5e g5e bb5e d6q c6q | rq eb6e c6e ab5e gb5e eb5e c5e | ab5q. g5e f5e eb5e c5e ab4e |"
    "b4e d5e f5e ab5e g5q. f5e | eb5e g5e c6e eb6e c6q eb5q | d5q b4q c5h";
const char *kPianoSolo =
    "c6e ab5e f5e eb5e f5e ab5e c6e eb6e | d6q. bb5e ab5e f5e d5e bb4e |"
    "eb5e g5e bb5e d6e g6q. f6e | eb6e c6e ab5e g5e ab5q c6q | d6e c6e ab5e f5e d5e f5e ab5e c6e |"
    "b5q. ab5e g5e f5e d5e b4e | c5e eb5e g5e bb5e c6h | b5e d6e f6e ab6e g6q rq";
const char *kVibesSolo =
    "g5e bb5e c6e eb6e g6q eb6q | gb6e eb6e c6e ab5e gb5q. ab5e | g5q rq eb6e d6e c6e bb5e |"
    "c6e eb6e gb6e ab6e gb6q eb6q | f6q. eb6e c6e ab5e f5e ab5e | g5e b5e d6e f6e ab6q g6q |"
    "eb6q c6q gb5q ab5q | b5e d6e f6e d6e b5q g5q";
const char *kSaxTrade =
    "c5e eb5e g5e bb5e c6e bb5e g5e eb5e | gb5q ab5q c6q eb6q | d6e c6e bb5e g5e eb5q c5q |"
    "eb5e gb5e ab5e c6e gb5q rq";

const char *kWalk = "R35A|R235|R85A|R3 5A|R35A|R5RA|R35A|R75A";

} // namespace

void writePoliceStation(const std::string &dir) {
    Song s("Hudba13.mid", "Zur ev Edivu - the police station", 126, 4);
    Part &sax = s.part("Tenor sax", 0, 66, 124, 54, 45);
    sax.octaves = -1; // where a tenor sings
    sax.lowest = 44;
    sax.highest = 76;
    sax.lead = true;
    Part &vibes = s.part("Vibraphone", 1, 11, 120, 78, 50);
    vibes.lowest = 53; // the bars of a vibraphone
    vibes.highest = 89;
    Part &piano = s.part("Piano", 2, 0, 127, 84, 40);
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
    auto verse = [&](double at, const char *ending, const char *lastChord, bool withVibes,
                     const char *comping = "x..x....|...x..x.|..x...x.|.x...x..") {
        const std::string tune = std::string(kCase) + ending;
        melody(sax, s, at, tune, 102);
        if (withVibes) melody(vibes, s, at, tune, 70, 12);
        const auto ch = chords(s, at, std::string(kCaseChords) + lastChord);
        bass(bassPart, s, ch, kWalk, 36, 90);
        comp(piano, s, ch, comping, 53, 62);
        groove(at, 7, 88);
        fill(at + 7);
    };
    // A soloist over the A changes: the piano comps behind, the band keeps the groove.
    auto chorus = [&](Part &soloist, double at, const char *line, const char *lastChord, int velocity,
                      const char *comping) {
        melody(soloist, s, at, line, velocity);
        const auto ch = chords(s, at, std::string(kCaseChords) + lastChord);
        bass(bassPart, s, ch, kWalk, 36, 92);
        comp(piano, s, ch, comping, 53, 58);
        groove(at, 7, 92);
        fill(at + 7);
    };
    verse(4, kCaseOpen, "G7", false);
    verse(12, kCaseClosed, "G7 Cm7", false, "...x..x.|x..x....|.x...x..|..x...x.");
    { // B, bars 20-27.
        melody(vibes, s, 20, kClue, 102);
        melody(sax, s, 20, kClueGuide, 62);
        const auto ch = chords(s, 20, kClueChords);
        bass(bassPart, s, ch, kWalk, 36, 90);
        comp(piano, s, ch, "...x..x.|.x..x...", 53, 60);
        groove(20, 7, 92);
        fill(27);
    }
    verse(28, kCaseClosed, "G7 Cm7", true);

    // Solos, bars 36-75.
    chorus(sax, 36, kSaxSolo1, "G7", 104, ".x..x...|..x...x.|x...x...|...x.x..");
    chorus(sax, 44, kSaxSolo2, "G7 Cm7", 108, "x..x..x.|.x..x...|..x..x.x|x...x...");
    { // The piano takes the bridge and the band drops back under it: the vibes comp softly, the
      // bass and brushes play lighter, the sax rests.
        melody(piano, s, 52, kPianoSolo, 121);
        const auto ch = chords(s, 52, kClueChords);
        bass(bassPart, s, ch, kWalk, 36, 64);
        comp(vibes, s, ch, "x...x...|..x.....|x.....x.|....x...", 53, 46);
        groove(52, 7, 70);
        fill(59);
    }
    chorus(vibes, 60, kVibesSolo, "G7", 104, "...x..x.|.x...x..|...x...x|..x.x...");
    { // Trading fours: the sax plays four bars, then the drums answer alone.
        melody(sax, s, 68, kSaxTrade, 108);
        const auto ch = chords(s, 68, "Cm7 | Ab7 | Cm7 | Ab7");
        bass(bassPart, s, ch, "R35A|R235|R85A|R357", 36, 92);
        comp(piano, s, ch, "x..x....|...x..x.|..x...x.|.x......", 53, 60);
        groove(68, 4, 92);
        drums(kit, s, 72, 4,
              {{Snare, "x..x.xx.|.x..x.x.|x.xx..x.|xxxxxxxX"},
               {Kick, "x.....x.|..x.....|x...x...|x......."},
               {MidTom, "........|......x.|....x...|........"},
               {LowTom, "........|.......x|.....xx.|........"},
               {Ride, "x.x.x.x.|x.x.x.x.|........|........"}},
              96);
    }
    { // Head out: the bridge with the roles swapped, the sax sings and the vibes hold the guide tones.
        melody(sax, s, 76, kClue, 104, -12);
        melody(vibes, s, 76, kClueGuide, 66, 12);
        const auto ch = chords(s, 76, kClueChords);
        bass(bassPart, s, ch, kWalk, 36, 90);
        comp(piano, s, ch, "..x..x..|x...x...", 53, 60);
        groove(76, 7, 90);
        fill(83);
    }
    verse(84, kCaseClosed, "G7 Cm7", true, "..x..x..|x...x...|..x...x.|x.x.....");
    { // Tag, bars 92-93: a last look around, then the case is closed.
        melody(sax, s, 92, "g5e eb5e c5e g4e ab4q g4q | c5w", 86);
        melody(vibes, s, 93, "[c5eb5g5bb5d6]w", 74);
        const auto ch = chords(s, 92, "Cm7 | Cm9");
        bass(bassPart, s, ch, "R35A|R---", 36, 88);
        comp(piano, s, ch, "..x..x..|x-------", 53, 60);
        drums(kit, s, 92, 1, {{Ride, "x.xxx.xx"}, {PedalHat, "..x...x."}, {kSwirl, "o......."}}, 80);
        drums(kit, s, 93, 1, {{Ride, "x......."}, {Kick, "o......."}, {kSwirl, "x......."}}, 80);
        s.ritardando(93, 94, 110);
    }
    s.level(-5.0);
    s.accompaniment(-2.0);
    s.write(dir);
}
