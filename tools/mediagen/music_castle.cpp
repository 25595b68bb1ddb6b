// Hudba15.mid - the castle ruin. E minor (aeolian), 88 bpm: a slow processional drum,
// cellos in open fifths, a recorder tune with harp, a violin and choir bridge
// falling to the Phrygian E. Intro, A, A', B; then the minstrels' dance in G for shawm and
// lute, the hall emptying again, the lament sung by the choir, the last A and a tag.
#include "pieces.h"
#include "score.h"

using namespace score;

namespace {

const char *kCall = "e5q. f#5e g5q a5q | f#5h d5h | e5q. d5e c5q e5q | d5q. e5e f#5q d5q |";
const char *kEnd1 = "e5q. f#5e g5q b5q | d6q. c6e b5q a5q | f#5q. g5e a5q f#5q | e5w";
const char *kEnd2 = "g5q. a5e b5q e6q | d6q. c6e b5q g5q | a5q. g5e f#5q d5q | e5w";
const char *kCallChords = "Em | D | C | D | Em | G | D | Em";

const char *kLament = "a5q. b5e c6q a5q | b5q. a5e g5q d5q | a5q. g5e f5q a5q | g#5h. rq |"
                      "c6q. b5e a5q e6q | d6q. c6e b5q g5q | a5q g5q f5q d5q | e5w";
const char *kLamentChords = "Am | G | F | E | Am | G | F | E";

// The minstrels' dance, in G: a shawm over a lute.
const char *kDanceA =
    "g5q b5e a5e g5q d5q | f#5q a5e g5e f#5q d5q | e5q g5e f#5e e5q b4q | d5e e5e f#5e g5e a5h |"
    "b5q d6e c6e b5q g5q | c6q e6e d6e c6q g5q | a5e b5e c6e a5e f#5q d5q | g5h. rq";
const char *kDanceAChords = "G | D | Em | D | G | C | D | G";
const char *kDanceB = "b5q. a5e g5q e5q | f#5q. e5e d5q b4q | c5e d5e e5e g5e c6q. b5e | a5q f#5q d5h |"
                      "e5q g5e a5e b5q e6q | c6q b5e a5e e5q a5q | f#5e g5e a5e f#5e d5q f#5q | g5h. rq";
const char *kDanceBChords = "Em | Bm | C | D | Em | Am | D | G";

// The violin's line under the choir's lament.
const char *kLamentCounter = "e5h c5h | d5h b4h | c5h a4h | b4h g#4h | a4h e5h | d5h g5h | f5h c5h | b4w";

} // namespace

void writeCastle(const std::string &dir) {
    Song s("Hudba15.mid", "Zur ev Edivu - the castle ruin", 88, 4);
    Part &recorder = s.part("Recorder", 0, 74, 124, 56, 80);
    recorder.lead = true;
    Part &violin = s.part("Violin", 1, 40, 96, 74, 80);
    Part &harp = s.part("Harp", 2, 46, 88, 84, 70);
    Part &strings = s.part("Strings", 3, 48, 58, 40, 90);
    Part &choir = s.part("Choir", 4, 52, 96, 64, 100);
    choir.highest = 84; // a soprano's top C
    Part &drone = s.part("Cello drone", 5, 42, 92, 60, 70);
    Part &shawm = s.part("Shawm", 6, 68, 96, 52, 70);
    Part &lute = s.part("Lute", 7, 24, 110, 80, 60);
    Part &kit = s.part("Drum", kDrumChannel, 0, 100, 64, 70);
    recorder.gate = 90;
    strings.gate = choir.gate = drone.gate = harp.gate = 100;
    shawm.gate = 86;
    using namespace gm;

    auto procession = [&](double at, int bars, int percent) {
        drums(kit, s, at, bars, {{LowFloorTom, "x.......x...o..."}, {AcousticKick, "x.......x......."}},
              percent);
    };
    // The cellos move in open fifths under the tune, like an old organum.
    const char *kDrone = "[e2b2]w | [d2a2]w | [c2g2]w | [d2a2]w | [e2b2]w | [g2d3]w | [d2a2]w | [e2b2]w";

    { // Intro, bars 0-1: the drone and the drum in the empty hall.
        melody(drone, s, 0, "[e2b2]w | [e2b2]w", 70);
        comp(strings, s, chords(s, 0, "Em | Em"), "x---", 52, 48);
        procession(0, 2, 70);
    }
    { // A, bars 2-9: the recorder alone over the drone.
        melody(recorder, s, 2, std::string(kCall) + kEnd1, 88);
        melody(drone, s, 2, kDrone, 74);
        comp(strings, s, chords(s, 2, kCallChords), "x---", 52, 52);
        procession(2, 8, 80);
    }
    { // A', bars 10-17: the harp joins, the tune climbs at the end.
        melody(recorder, s, 10, std::string(kCall) + kEnd2, 92);
        melody(drone, s, 10, kDrone, 74);
        const auto ch = chords(s, 10, kCallChords);
        comp(strings, s, ch, "x---", 52, 56);
        arpeggio(harp, s, ch, "12343212", 52, 66);
        procession(10, 8, 86);
    }
    { // B, bars 18-25: the lament, violin and choir, down to E major.
        melody(violin, s, 18, kLament, 94);
        const auto ch = chords(s, 18, kLamentChords);
        comp(choir, s, ch, "x---", 55, 56);
        comp(strings, s, ch, "x-x-", 48, 54);
        arpeggio(harp, s, ch, "1.2.3.4.", 52, 58);
        melody(drone, s, 18, "a2w | g2w | f2w | e2w | a2w | g2w | f2w | e2w", 80);
        drums(kit, s, 18, 8,
              {{LowFloorTom, "x.......x...o..."},
               {AcousticKick, "x.......x......."},
               {Tambourine, "....o.......o..."}},
              90);
    }
    { // The dance, bars 26-41: the shawm plays, the lute picks, tambourine and hand drum.
        melody(shawm, s, 26, kDanceA, 104);
        auto ch = chords(s, 26, kDanceAChords);
        arpeggio(lute, s, ch, "13231323", 52, 86);
        bass(drone, s, ch, "R-5-", 36, 72);
        drums(kit, s, 26, 8,
              {{Tambourine, "x.o.x.o.|x.o.x.oo"},
               {LowConga, "x..x..x.|x..x.x.."},
               {AcousticKick, "x.......|x.......|x.......|x...x..."}},
              82);
        melody(shawm, s, 34, kDanceB, 108);
        melody(recorder, s, 34, "rw | rw | rw | rw | g5h b5h | a5h e5h | d5h f#5h | g5h. rq", 72);
        ch = chords(s, 34, kDanceBChords);
        comp(lute, s, ch, "x.x.x.xx|x.x.xx.x", 52, 80);
        bass(drone, s, ch, "R-5-|R-R-|R-5-|R-5A", 36, 74);
        drums(kit, s, 34, 7,
              {{Tambourine, "x.o.x.o.|x.o.x.ox"},
               {LowConga, "x..x..x.|x..x.x.x"},
               {AcousticKick, "x.......|x...x..."}},
              86);
        drums(kit, s, 41, 1, {{Tambourine, "x.x.x.x."}, {LowConga, "x.x.xxxx"}, {AcousticKick, "x...x..."}},
              86);
    }
    { // Bars 42-45: the minstrels are gone, the hall is empty again.
        melody(drone, s, 42, "[e2b2]w | [e2b2]w | [a2e3]w | [e2b2]w", 70);
        melody(recorder, s, 42, "rw | e5q. f#5e g5q a5q | rw | g#5w", 74);
        comp(strings, s, chords(s, 42, "Em | Em | Am | E"), "x---", 52, 50);
        procession(42, 4, 74);
    }
    { // B', bars 46-53: the choir sings the lament, the violin moves beneath it.
        melody(choir, s, 46, kLament, 116);
        melody(violin, s, 46, kLamentCounter, 82);
        const auto ch = chords(s, 46, kLamentChords);
        comp(strings, s, ch, "x---", 48, 50);
        arpeggio(harp, s, ch, "1234|5432", 52, 60);
        melody(drone, s, 46, "[a2e3]w | [g2d3]w | [f2c3]w | [e2b2]w | [a2e3]w | [g2d3]w | [f2c3]w | [e2b2]w",
               78);
        drums(kit, s, 46, 8,
              {{LowFloorTom, "x...........o...|x......."},
               {AcousticKick, "x.......x......."},
               {Triangle, "o...............|................"}},
              80);
    }
    { // A, bars 54-61: everyone; the violin doubles the recorder an octave lower.
        const std::string tune = std::string(kCall) + kEnd1;
        melody(recorder, s, 54, tune, 96);
        melody(violin, s, 54, tune, 76, -12);
        melody(drone, s, 54, kDrone, 78);
        const auto ch = chords(s, 54, kCallChords);
        comp(strings, s, ch, "x---", 52, 60);
        comp(choir, s, ch, "x---", 55, 44);
        arpeggio(harp, s, ch, "12343212", 52, 66);
        procession(54, 8, 92);
    }
    { // Tag, bars 62-63: the last step of the procession.
        melody(recorder, s, 62, "f#5q e5q d5q f#5q | e5w", 84);
        melody(drone, s, 62, "[d2a2]w | [e2b2]w", 74);
        const auto ch = chords(s, 62, "D | Em");
        comp(strings, s, ch, "x---", 52, 56);
        arpeggio(harp, s, ch, "12343212|1-------", 52, 60);
        drums(kit, s, 62, 2,
              {{LowFloorTom, "x.......x...o...|X..............."},
               {AcousticKick, "x.......x.......|x..............."}},
              86);
        s.ritardando(62, 64, 70);
    }
    s.level(-3.5);
    s.accompaniment(-2.4);
    s.write(dir);
}
