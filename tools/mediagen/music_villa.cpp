// Hudba2.mid - the president's villa. B-flat major, 112 bpm march: fanfare, trumpet
// tune with tuba and snare, a broad trio in E-flat for horns and strings, the tune again
// with glockenspiel, a grand ending. Intro, A A B A, coda.
#include "pieces.h"
#include "score.h"

using namespace score;

namespace {

const char *kMarch =
    "f4e. bb4s d5q f5q. d5e | eb5q g5q bb5h | bb5e. a5s bb5e. f5s d5q bb4q | c5e. d5s eb5e. f5s c5h |"
    "f4e. bb4s d5q f5q. d5e | g5q bb5q eb6h | c6e. d6s c6e. a5s f5q a5q |";
const char *kHome = "bb5q f5q bb4q rq";
const char *kToTrio = "bb5q f5q d5q ab4q";
const char *kMarchChords = "Bb | Eb | Bb | F | Bb | Eb | F7 |";

const char *kTrio =
    "g5h bb5q. g5e | c6h. ab5q | bb5q. g5e eb5q g5q | f5h. rq | g5h bb5q. g5e | c6q. bb5e ab5q c6q |"
    "eb6q. d6e c6q a5q | c6h. rq";
const char *kTrioChords = "Eb | Ab | Eb | Bb7 | Eb | Ab | Cm F7 | F7";

} // namespace

void writeVilla(const std::string &dir) {
    Song s("Hudba2.mid", "Zur ev Edivu - the president's villa", 112, 4);
    Part &trumpet = s.part("Trumpet", 0, 56, 86, 56, 50);
    Part &glock = s.part("Glockenspiel", 1, 9, 58, 86, 50);
    Part &horns = s.part("Horns", 2, 60, 86, 44, 60);
    Part &strings = s.part("Strings", 3, 48, 76, 80, 70);
    Part &brass = s.part("Brass", 4, 61, 74, 70, 50);
    Part &tuba = s.part("Tuba", 5, 58, 88, 64, 30);
    Part &timpani = s.part("Timpani", 6, 47, 82, 64, 50);
    Part &kit = s.part("Band drums", kDrumChannel, 0, 76, 64, 40);
    strings.gate = 100;
    using namespace gm;

    auto snareMarch = [&](double at, int bars, int percent) {
        drums(kit, s, at, bars,
              {{Snare, "x..ox.o.x..ox.oo|x..ox.o.x.oox..."},
               {AcousticKick, "x.......x......."},
               {Crash2, "o...............|................|................|................"}},
              percent);
    };
    auto roll = [&](double at) {
        drums(kit, s, at, 1, {{Snare, "ggggooooxxxxxxxX"}, {AcousticKick, "x.......x......."}}, 90);
    };

    { // Intro, bars 0-3: fanfare.
        const char *top = "f5q. f5e f5q bb5q | bb5h. g5q | bb5e. bb5s bb5e. bb5s d6h | c6h f5q rq";
        melody(trumpet, s, 0, top, 104);
        melody(brass, s, 0,
               "[bb4d5f5]q. [bb4d5f5]e [bb4d5f5]q [d5f5bb5]q | [eb5g5bb5]h. [bb4eb5g5]q |"
               "[d5f5bb5]e. [d5f5bb5]s [d5f5bb5]e. [d5f5bb5]s [f5bb5d6]h | [a4eb5c6]h [a4c5f5]q rq",
               96, -12);
        melody(
            timpani, s, 0,
            "bb2q. bb2e bb2q f2q | eb2h. bb2q | bb2e. bb2s bb2e. bb2s bb2h | f2s f2 f2 f2 f2 f2 f2 f2 f2q rq",
            98);
        melody(tuba, s, 0, "bb1q. bb1e bb1q f1q | eb2h. bb1q | bb1h bb1h | f1h f1q rq", 98);
        comp(strings, s, chords(s, 0, "Bb | Eb | Bb | F7"), "x---|x---|x---|x-x.", 58, 72);
        drums(kit, s, 0, 2, {{Crash, "x...............|"}, {AcousticKick, "x.......x......."}}, 96);
        drums(kit, s, 2, 1, {{AcousticKick, "x.......x......."}, {Snare, "x..xx..xxxxxxxxX"}}, 90);
        roll(3);
    }
    auto march = [&](double at, const char *ending, const char *lastChord, bool tutti) {
        const std::string tune = std::string(kMarch) + ending;
        melody(trumpet, s, at, tune, tutti ? 106 : 98);
        if (tutti) {
            melody(glock, s, at, tune, 80, 12);
            melody(horns, s, at, tune, 82, -12);
        }
        const auto ch = chords(s, at, std::string(kMarchChords) + lastChord);
        bass(tuba, s, ch, "R.5.|R.5.|R.5.|R.5.|R.5.|R.5.|R.5.|R.R.", 34, 94);
        comp(brass, s, ch, ".x.x", 55, 70);
        comp(strings, s, ch, tutti ? "x-x-" : "x---", 58, tutti ? 70 : 60);
        snareMarch(at, 7, tutti ? 92 : 84);
        roll(at + 7);
    };
    march(4, kHome, "Bb", false);
    march(12, kToTrio, "Bb Bb7", false);
    { // Trio, bars 20-27: broad, in E-flat.
        melody(strings, s, 20, kTrio, 92);
        melody(horns, s, 20, kTrio, 92, -12);
        const auto ch = chords(s, 20, kTrioChords);
        bass(tuba, s, ch, "R-5-|R-5-|R-5-|R-5-|R-5-|R-5-|R-R-|R5RA", 34, 88);
        comp(brass, s, ch, ".o.o", 55, 64);
        arpeggio(trumpet, s, ch, "........|........|........|....1.2.|........|........|........|3.2.1...",
                 62, 70);
        drums(kit, s, 20, 8,
              {{AcousticKick, "x.......x......."}, {Snare, "....g.......g.g."}, {Ride, "x...x...x...x..."}},
              80);
    }
    march(28, kHome, "Bb", true);
    { // Coda, bars 36-39: the grand finish.
        const char *last = "f5e. f5s bb5q d6q. bb5e | eb6q. c6e g5q c6q | a5q. c6e f5q a5q | bb5h. rq";
        melody(trumpet, s, 36, last, 108);
        melody(glock, s, 36, last, 84, 12);
        melody(horns, s, 36, last, 90, -12);
        const auto ch = chords(s, 36, "Bb | Eb | F7 | Bb");
        bass(tuba, s, ch, "R.5.|R.5.|R.5.|R---", 34, 98);
        comp(brass, s, ch, "x.x.|x.x.|x.x.|X--.", 55, 86);
        comp(strings, s, ch, "x---|x---|x-x-|x--.", 58, 78);
        melody(timpani, s, 36,
               "bb2q rq f2q rq | eb2q rq bb2q rq | f2q rq f2q f2q | bb2s bb2 bb2 bb2 bb2 bb2 bb2 bb2 bb2q rq",
               100);
        snareMarch(36, 3, 96);
        drums(kit, s, 39, 1,
              {{Crash, "X..............."}, {AcousticKick, "X..............."}, {Snare, "Xgggoooxxxxx...."}});
        s.ritardando(38, 40, 92);
    }
    s.write(dir);
}
