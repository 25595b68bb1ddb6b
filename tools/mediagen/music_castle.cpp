// Hudba15.mid - the castle ruin. E minor (aeolian), 88 bpm: a slow processional drum,
// cellos in open fifths, a recorder tune with harp, a violin and choir bridge
// falling to the Phrygian E. Intro, A, A', B, A, tag.
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

} // namespace

void writeCastle(const std::string &dir) {
    Song s("Hudba15.mid", "Zur ev Edivu - the castle ruin", 88, 4);
    Part &recorder = s.part("Recorder", 0, 74, 100, 56, 80);
    Part &violin = s.part("Violin", 1, 40, 96, 74, 80);
    Part &harp = s.part("Harp", 2, 46, 88, 84, 70);
    Part &strings = s.part("Strings", 3, 48, 76, 40, 90);
    Part &choir = s.part("Choir", 4, 52, 80, 64, 100);
    Part &drone = s.part("Cello drone", 5, 42, 92, 60, 70);
    Part &kit = s.part("Drum", kDrumChannel, 0, 100, 64, 70);
    recorder.gate = 90;
    strings.gate = choir.gate = drone.gate = harp.gate = 100;
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
        comp(choir, s, ch, "x---", 55, 64);
        comp(strings, s, ch, "x-x-", 48, 54);
        arpeggio(harp, s, ch, "1.2.3.4.", 52, 58);
        melody(drone, s, 18, "a2w | g2w | f2w | e2w | a2w | g2w | f2w | e2w", 80);
        drums(kit, s, 18, 8,
              {{LowFloorTom, "x.......x...o..."},
               {AcousticKick, "x.......x......."},
               {Tambourine, "....o.......o..."}},
              90);
    }
    { // A, bars 26-33: everyone; the violin doubles the recorder an octave lower.
        const std::string tune = std::string(kCall) + kEnd1;
        melody(recorder, s, 26, tune, 96);
        melody(violin, s, 26, tune, 76, -12);
        melody(drone, s, 26, kDrone, 78);
        const auto ch = chords(s, 26, kCallChords);
        comp(strings, s, ch, "x---", 52, 60);
        comp(choir, s, ch, "x---", 55, 50);
        arpeggio(harp, s, ch, "12343212", 52, 66);
        procession(26, 8, 92);
    }
    { // Tag, bars 34-35: the last step of the procession.
        melody(recorder, s, 34, "f#5q e5q d5q f#5q | e5w", 84);
        melody(drone, s, 34, "[d2a2]w | [e2b2]w", 74);
        const auto ch = chords(s, 34, "D | Em");
        comp(strings, s, ch, "x---", 52, 56);
        arpeggio(harp, s, ch, "12343212|1-------", 52, 60);
        drums(kit, s, 34, 2,
              {{LowFloorTom, "x.......x...o...|X..............."},
               {AcousticKick, "x.......x.......|x..............."}},
              86);
        s.ritardando(34, 36, 70);
    }
    s.write(dir);
}
