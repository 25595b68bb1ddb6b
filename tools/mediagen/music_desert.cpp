// Hudba7.mid - the crash site in the desert. D minor, 76 bpm: a halo pad, a lonely pan
// flute answered by its own echo, kalimba and hand drums. Intro, A, B; the kalimba's own song
// in F; the tune again on an ocarina as night falls; the wind rises and carries the B tune up
// into E minor; the flute finds its way home to a shortened A.
#include "pieces.h"
#include "score.h"

using namespace score;

namespace {

const char *kTune = // A: a question that ends on the dominant
    "rh a4q d5q | e5q. f5e e5q d5q | d5h. rq | rq c5e d5e e5q g5q | f5h. e5e f5e | g5q. f5e d5h |"
    "e5q. c#5e e5q a5q | a5h. rq";
const char *kTuneChords = "Dm | Dm | Bb | C | Dm | Gm | A | A";

const char *kHigh = // B: climbs higher, the sun at noon
    "d6h c6q bb5q | a5h. f5q | g5q. a5e g5q e5q | d5h. rq | d6q. c6e bb5q f5q | a5q. bb5e a5q c6q |"
    "bb5q a5q g5q bb5q | a5w";
const char *kHighChords = "Bb | F | C | Dm | Bb | F | Gm | A";

const char *kKalimbaSong = // C: the kalimba leads, in the relative major
    "c6e a5e f5e a5e c6q. d6e | c6e g5e e5e g5e c6q e6q | d6e a5e f5e a5e d6q. f6e | f6e d6e bb5e d6e f6h |"
    "a5e c6e f6e c6e a5e c6e f6e a6e | g6e e6e c6e e6e g6q. e6e | f6e d6e bb5e f5e d6q. c6e |"
    "c#6e a5e e5e a5e c#6e e6e g6e e6e";
const char *kKalimbaChords = "F | C/E | Dm | Bb | F | C | Bb | A7";

const char *kNight = // A': the tune told again, more freely
    "rq. a4e d5e e5e f5q | e5e f5e g5e f5e e5q d5q | d5q f5e d5e bb4h | c5e d5e e5e c5e e5q g5q |"
    "a5q. g5e f5q e5e f5e | g5q bb5q d5e bb4e d5q | e5q. c#5e e5e g5e a5e g5e | a5h. rq";

const char *kHomeward = "b5h. a5e g5e | e5q. g5e c6q e5q | d5q. f5e bb5q d5q | c#5h e5h";
const char *kHomewardChords = "Em | C | Bb | A7";

const char *kLast = "rh a4q d5q | e5q. f5e e5q d5q | f5q e5q d5h | c#5h. e5q | d5w~ | d5h. rq";
const char *kLastChords = "Dm | Dm | Bb | A | Dm | Dm";

} // namespace

void writeDesert(const std::string &dir) {
    Song s("Hudba7.mid", "Zur ev Edivu - the crash site", 76, 4);
    Part &flute = s.part("Pan flute", 0, 75, 127, 56, 90);
    Part &echo = s.part("Pan flute echo", 1, 75, 86, 96, 110);
    Part &pad = s.part("Halo pad", 2, 94, 61, 64, 80, 40);
    Part &bassPart = s.part("Finger bass", 3, 33, 127, 64, 40);
    Part &kalimba = s.part("Kalimba", 4, 108, 127, 84, 70);
    Part &ocarina = s.part("Ocarina", 5, 79, 112, 46, 100);
    flute.lead = ocarina.lead = true;
    Part &kit = s.part("Hand drums", kDrumChannel, 0, 106, 64, 60);
    flute.gate = echo.gate = ocarina.gate = 92;
    pad.gate = bassPart.gate = 100;
    using namespace gm;

    // The flute's echo comes back a dotted eighth later, softer, from the other side.
    auto sing = [&](double at, const char *line, int velocity, int key = 0) {
        melody(flute, s, at, line, velocity, key);
        melody(echo, s, at + 0.1875, line, velocity - 34, key);
    };

    { // Intro, bars 0-3: heat haze.
        const auto ch = chords(s, 0, "Dm | Dm | Bb/D | Dm");
        comp(pad, s, ch, "x---", 50, 62);
        bass(bassPart, s, ch, "R---|R---|R---|R-5-", 33, 70);
        arpeggio(kalimba, s, ch, "1...3...|..5.4...|1...3...|2.3.5...", 62, 60);
        drums(kit, s, 0, 4, {{Triangle, "o...............|"}, {Maracas, "o.g.o.g.o.g.o.g."}}, 70);
    }
    { // A, bars 4-11.
        sing(4, kTune, 96);
        const auto ch = chords(s, 4, kTuneChords);
        comp(pad, s, ch, "x---", 50, 60);
        bass(bassPart, s, ch, "R---|R-5-", 33, 78);
        drums(kit, s, 4, 8,
              {{LowConga, "x.........x.....|x.........x..o.."},
               {OpenConga, "......o.....o.o."},
               {Maracas, "o.g.o.g.o.g.o.g."},
               {Triangle, "o...............|................"}},
              72);
    }
    { // B, bars 12-19.
        sing(12, kHigh, 100);
        const auto ch = chords(s, 12, kHighChords);
        comp(pad, s, ch, "x---", 52, 66);
        bass(bassPart, s, ch, "R--5|R---", 33, 82);
        arpeggio(kalimba, s, ch, "1.3.5...|..4.3.1.", 62, 58);
        drums(kit, s, 12, 8,
              {{LowConga, "x.........x.....|x.....x...x..o.."},
               {OpenConga, "......o.....o.o."},
               {HighBongo, "..g...g...g...gg"},
               {Maracas, "o.g.o.g.o.g.o.g."}},
              76);
    }
    { // C, bars 20-27: the kalimba sings in F, the flute holds long notes above it.
        melody(kalimba, s, 20, kKalimbaSong, 108);
        melody(flute, s, 20, "rw | rw | rw | rw | a5w | g5w | f5w | e5w", 70);
        const auto ch = chords(s, 20, kKalimbaChords);
        comp(pad, s, ch, "x---|x-x-", 50, 44);
        bass(bassPart, s, ch, "R--5|R-5-|R--5|R-5A", 33, 80);
        drums(kit, s, 20, 8,
              {{LowConga, "x.....x...x.....|x.........x..o.."},
               {OpenConga, "....o.....o.o.o."},
               {HighBongo, "..g.g...g.g...g.|..g...g...g.gggg"},
               {Cabasa, "oggoggoggoggoggo"}},
              74);
    }
    { // A', bars 28-35: night falls. The ocarina tells the tune again, the drums fall quiet.
        melody(ocarina, s, 28, kNight, 90);
        const auto ch = chords(s, 28, kTuneChords);
        comp(pad, s, ch, "x---", 48, 56);
        bass(bassPart, s, ch, "R---|R---|R---|R--A", 33, 70);
        arpeggio(kalimba, s, ch, "1.......|..3.....|1...5...|........", 62, 50);
        drums(kit, s, 28, 8, {{Triangle, "o...............|........o......."}, {Maracas, "g...g...g...g..."}},
              60);
    }
    { // D, bars 36-43: the wind rises; the B tune comes back a step higher, in E minor.
        sing(36, kHigh, 102, 2);
        const auto ch = chords(s, 36, kHighChords, 2);
        comp(pad, s, ch, "x-x-", 52, 64);
        bass(bassPart, s, ch, "R-R5|R-5-", 33, 84);
        arpeggio(kalimba, s, ch, "12345432", 62, 54);
        drums(kit, s, 36, 8,
              {{LowConga, "x.....x...x.....|x.....x...x..o.."},
               {OpenConga, "...o..o.....o.o."},
               {LowTom, "x...............|........x......."},
               {HighBongo, "..g...g...g...gg"},
               {Maracas, "o.g.o.g.o.g.o.g."}},
              80);
    }
    { // Bars 44-47: the flute finds its way back towards D minor.
        sing(44, kHomeward, 96);
        const auto ch = chords(s, 44, kHomewardChords);
        comp(pad, s, ch, "x---", 50, 60);
        bass(bassPart, s, ch, "R---|R---|R---|R--A", 33, 76);
        drums(
            kit, s, 44, 4,
            {{LowConga, "x.........x....."}, {OpenConga, "......o.....o..."}, {Maracas, "o.g.o.g.o.g.o.g."}},
            68);
    }
    { // The tune once more, then the flute's last note fades with the pad.
        sing(48, kLast, 92);
        const auto ch = chords(s, 48, kLastChords);
        comp(pad, s, ch, "x---", 50, 58);
        bass(bassPart, s, ch, "R---|R---|R---|R---|R---|R---", 33, 74);
        arpeggio(kalimba, s, ch, "1...3...|........|1...3...|........|1.3.5.8.|........", 62, 54);
        drums(
            kit, s, 48, 4,
            {{LowConga, "x.........x....."}, {OpenConga, "......o.....o..."}, {Maracas, "o.g.o.g.o.g.o.g."}},
            64);
        drums(kit, s, 52, 1, {{Triangle, "o..............."}, {Maracas, "o.g.o.g.g......."}}, 56);
        s.ritardando(52, 54, 64);
    }
    s.level(-5.7);
    s.write(dir);
}
