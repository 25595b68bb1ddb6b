// hudba8.mid - the main theme. Plays under the main menu and again, as a fanfare, when
// the president's teleport comes alive. C major, 132 bpm: brass fanfare, a bouncy A A B A
// with oom-pah tuba and pizzicato, a horn-and-strings bridge; then a gentler trio in F for
// clarinet and strings, trumpet and xylophone trading phrases, a climb that lifts the whole
// band into D major for the last round, stop-time hits and the "shave and a haircut" tag.
#include "pieces.h"
#include "score.h"

using namespace score;

namespace {

// The tune's first half, shared by every A.
const char *kHook =
    "c5e. c5s g5q. e5e c5q | d5e e5e f5e e5e d5q g4q | a4e. a4s f5q. e5e d5q | c5e b4e c5e e5e g5h |";
const char *kOpenEnd = // first A: ends on the dominant, asking for more
    "a5e. a5s e5q. c5e a4q | f#5e e5e f#5e a5e d5h | g5q d5e e5e f5q d5q | b4e c5e d5e e5e f5q rq";
const char *kClosedEnd = // later A's: come home
    "a5e. a5s g5e f5e c6q a5q | g5e. f5s e5e d5e b4q g4q | c5e e5e g5e c6e e6q. d6e | c6h rq g4q";

const char *kOpenChords = "C | G7 | F | C | Am | D7 | G | G7";
const char *kClosedChords = "C | G7 | F | C | F | G7 | C | C";
// The horns' answer under the last A's: long notes that move against the tune.
const char *kCounter = "e4h g4h | f4h d4h | c4h a3h | g3h. g3q | a3h c4h | b3h d4h | e4h g4h | e4h. rq";

const char *kBridge =
    "e5h. c5e d5e | f5q. e5e c5h | g5h. e5e f5e | g5q a5q d5h | a5h. g5e f5e | c5q f5q a5h |"
    "f#5q. e5e d5q c5q | b4e c5e d5e f5e g5q rq";
const char *kBridgeChords = "Am | F | C | G | Am | F | D7 | G7";

// The trio, in F: a singing tune for the clarinet, answered by strings and flute.
const char *kTrioA = "a4h c5q f5q | f5h. d5q | c5q. a4e c5q f5q | e5h. rq | a4h c5q f5q | g5h. f5q |"
                     "e5q. d5e e5q g5q | bb4h. rq";
const char *kTrioAChords = "F | Bb | F | C7 | F | Gm7 | C7 | C7";
const char *kTrioB = "a5h. g5e f5e | eb5h. c5q | d5q. c5e bb4q d5q | f5h. db5q | c5q. d5e c5q a4q |"
                     "f#4h a4q d5q | d5q bb4q c5q e5q | f5h. rq";
const char *kTrioBChords = "F | F7 | Bb | Bbm | F/C | D7 | Gm7 C7 | F";

} // namespace

void writeMainTheme(const std::string &dir) {
    Song s("hudba8.mid", "Zur ev Edivu - main theme", 132, 4);
    Part &trumpet = s.part("Trumpet", 0, 56, 120, 58, 40);
    trumpet.highest = 86;
    trumpet.lead = true;
    Part &xylo = s.part("Xylophone", 1, 13, 127, 84, 30);
    Part &horns = s.part("Horns", 2, 60, 100, 44, 50);
    Part &strings = s.part("Strings", 3, 48, 56, 78, 60);  // held chords, under everything
    Part &violins = s.part("Violins", 11, 48, 72, 72, 60); // the same strings when they sing
    Part &pizz = s.part("Pizzicato", 4, 45, 96, 88, 40);
    Part &brass = s.part("Brass", 5, 61, 92, 70, 50);
    Part &tuba = s.part("Tuba", 6, 58, 120, 64, 25);
    Part &timpani = s.part("Timpani", 7, 47, 100, 64, 40);
    Part &clarinet = s.part("Clarinet", 8, 71, 127, 50, 55);
    Part &flute = s.part("Flute", 10, 73, 84, 76, 60);
    Part &kit = s.part("Drums", kDrumChannel, 0, 96, 64, 30);
    strings.gate = violins.gate = pizz.gate = 100;
    clarinet.gate = flute.gate = 92;
    using namespace gm;

    // Intro, bars 0-3: fanfare over timpani, a snare roll into the tune.
    chords(s, 0, "C | G | C | G7");
    melody(trumpet, s, 0,
           "g4e. g4s c5q g4e. g4s e5q | g4e. g4s g5q f5e e5e d5q | c5e. c5s e5q g5q c6q | b5e a5e g5e f5e "
           "e5q d5q",
           100);
    melody(brass, s, 0,
           "[c4e4]e. [c4e4]s [e4g4]q [c4e4]e. [c4e4]s [g4c5]q | [b3d4]e. [b3d4]s [b3d4g4]q [d4f4]e [c4e4]e "
           "[b3d4]q |"
           "[e4g4]e. [e4g4]s [g4c5]q [c5e5]q [e5g5]q | [d5f5]e [c5f5]e [b4d5]e [b4d5]e [g4c5]q [f4b4]q",
           92);
    melody(timpani, s, 0,
           "c3e. c3s c3q g2e. g2s c3q | g2e. g2s g2q rh | c3e. c3s c3q c3q c3q |"
           "mp g2s g2 g2 g2 mf g2 g2 g2 g2 f g2 g2 g2 g2 ff g2 g2 g2 g2",
           96);
    melody(tuba, s, 0, "c2q rq g1q c2q | g1q rq g1q rq | c2q rq c2q e2q | g1q rq g1q rq", 96);
    drums(kit, s, 0, 3,
          {{Crash, "x...............|................"}, {Kick, "x.......x.......|x.......x......."}});
    drums(kit, s, 3, 1, {{Snare, "ggggooooxxxxxxXX"}, {Kick, "x.......x......."}});

    // An A: the hook and one of its endings; `key` lifts it for the last round.
    enum Dress { Plain, Xylophone, Countered, Tutti };
    auto verse = [&](double at, const char *ending, const char *harmony, Dress dress, int key) {
        const std::string tune = std::string(kHook) + ending;
        melody(trumpet, s, at, tune, dress == Plain ? 92 : 100, key);
        if (dress != Plain) melody(xylo, s, at, tune, dress == Tutti ? 112 : 108, 12 + key);
        if (dress == Countered || dress == Tutti)
            melody(horns, s, at, kCounter, dress == Tutti ? 92 : 80, key);
        const auto ch = chords(s, at, harmony, key);
        bass(tuba, s, ch, "R.5.|R.5.|R.5.|R.5.|R.5.|R.5.|R.5.|R.5A", 36, 92);
        comp(pizz, s, ch, ".x.x", 55, 80);
        comp(strings, s, ch, dress == Tutti ? "x-x-" : "x---", 55, dress == Plain ? 50 : 58);
        if (dress == Tutti) comp(brass, s, ch, ".o.o|.o.o|.o.o|.oo.", 55, 64);
        if (dress == Countered || dress == Tutti)
            drums(kit, s, at, 7,
                  {{Crash, "x.......|........|........|........"},
                   {Kick, "x...x...|x...x..x"},
                   {Snare, "..x...x.|..x..ox."},
                   {Ride, "x.xxx.xx"},
                   {HighWood, "........|.......o|........|....o..o"}},
                  90);
        else
            drums(kit, s, at, 7,
                  {{Crash, "x.......|........"},
                   {Kick, "x...x..."},
                   {Snare, "..x...x."},
                   {ClosedHat, "xoxoxoxo"},
                   {HighWood, "........|.......o|........|....o..o"}},
                  88);
        drums(kit, s, at + 7, 1, {{Kick, "x...x..."}, {Snare, "..x.xxxX"}, {ClosedHat, "xoxo...."}}, 88);
    };
    // The bridge: a singing line over toms and ride.
    auto bridge = [&](double at, int key, bool grand) {
        if (grand) {
            melody(trumpet, s, at, kBridge, 100, key);
            melody(horns, s, at, kBridge, 96, key - 12);
            melody(violins, s, at, kBridge, 84, key + 12);
        } else {
            melody(violins, s, at, kBridge, 92, key);
            melody(horns, s, at, kBridge, 88, key - 12);
        }
        const auto ch = chords(s, at, kBridgeChords, key);
        bass(tuba, s, ch, "R--5|R-5-|R--5|R-5-|R--5|R-5-|R-5-|R5RA", 36, 88);
        comp(brass, s, ch, grand ? "x-xo|x-x-" : "x--o|x---", 55, grand ? 70 : 62);
        arpeggio(pizz, s, ch, grand ? "1.3.2.3.|1.3.5.3." : "1.3.2.3.", 55, 74);
        if (grand) melody(timpani, s, at + 7, "g2e g2 g2 g2 g2 g2 g2 g2", 96, key);
        drums(kit, s, at, 7,
              {{Crash, grand ? "x.......|....x..." : "x.......|........"},
               {Kick, "x..x..x.|x..x...."},
               {LowTom, "......x.|....x.x."},
               {Ride, "x.x.x.x."}},
              grand ? 92 : 84);
        drums(kit, s, at + 7, 1, {{Kick, "x...x..."}, {Snare, "....xxxX"}, {MidTom, "..xx...."}}, 88);
    };

    // Three A's around a bridge: A (open) at 4, A (closed) at 12, B at 20, A (closed) at 28.
    verse(4, kOpenEnd, kOpenChords, Plain, 0);
    verse(12, kClosedEnd, kClosedChords, Xylophone, 0);
    bridge(20, 0, false);
    verse(28, kClosedEnd, kClosedChords, Countered, 0);

    { // Bars 36-39: the xylophone tumbles down into F, the band drops to a whisper.
        const double at = 36;
        melody(xylo, s, at,
               "c6e g5e e5e g5e c6e g5e e6e c6e | a5e e5e c5e e5e a5e c6e e6e a6e |"
               "f6e d6e a5e f5e g5e b5e d6e g6e | e6e c6e bb5e g5e e5e g5e bb5e c6e",
               116);
        const auto ch = chords(s, at, "C | Am | Dm G7 | C7");
        bass(tuba, s, ch, "R.5.|R.5.|R.R.|R.5A", 36, 80);
        comp(pizz, s, ch, ".x.x", 55, 70);
        drums(kit, s, at, 3, {{Snare, "..o...o."}, {ClosedHat, "x.x.x.x."}}, 70);
        drums(kit, s, at + 3, 1, {{Snare, "..o.ooox"}, {ClosedHat, "x.x....."}}, 74);
    }
    { // Trio, bars 40-55: the clarinet sings, then strings and flute; the drums only keep time.
        const double at = 40;
        melody(clarinet, s, at, kTrioA, 108);
        auto ch = chords(s, at, kTrioAChords);
        bass(tuba, s, ch, "R-5-|R-5-|R-5-|R-5-|R-5-|R-5-|R-5-|R-5A", 36, 80);
        comp(strings, s, ch, "x---", 55, 52);
        comp(pizz, s, ch, ".x.x|.x.x|.x.x|.xx.", 58, 66);
        drums(kit, s, at, 8, {{Ride, "x.x.x.x."}, {Kick, "x.......|x.....x."}, {SideStick, "....x..."}}, 74);

        melody(violins, s, at + 8, kTrioB, 88);
        melody(flute, s, at + 8, kTrioB, 80, 12);
        melody(clarinet, s, at + 8,
               "c5h. rq | c5h. a4q | bb4h. f4q | f4h. f4q | f4h. f4q | d5h c5q a4q | bb4h g4h | a4h. rq", 70);
        ch = chords(s, at + 8, kTrioBChords);
        bass(tuba, s, ch, "R-5-|R-5-|R-5-|R-5-|R-5-|R-5-|R-R-|R-5A", 36, 82);
        arpeggio(pizz, s, ch, "1.3.2.3.|1.3.5.3.", 55, 68);
        comp(brass, s, ch, "x---|........|x---|........", 53, 50);
        drums(kit, s, at + 8, 7,
              {{Ride, "x.x.x.x."}, {Kick, "x.......|x.....x."}, {SideStick, "....x...|....x..x"}}, 78);
        drums(kit, s, at + 15, 1, {{Ride, "x.x....."}, {Snare, "....oxxX"}, {Kick, "x......."}}, 84);
    }
    { // Bars 56-63: the trumpet calls, the xylophone answers, two bars each.
        const double at = 56;
        melody(trumpet, s, at,
               "f5e. f5s a5q c6q. a5e | d6q. c6e a5q f5q | rw | rw | a5q c6e a5e f5q a5q | d6q. e6e f6q d6q |"
               "rw | rw",
               98);
        melody(xylo, s, at,
               "rw | rw | g6e bb6e d7e bb6e g6e f6e d6e bb5e | c6e e6e g6e bb6e c7q rq | rw | rw |"
               "bb6e f6e d6e bb5e d6e f6e bb6e d7e | c7e bb6e g6e e6e c6q rq",
               118);
        const auto ch = chords(s, at, "F | Dm | Gm7 | C7 | F | Dm | Bb | C7");
        bass(tuba, s, ch, "R.5.|R.5.|R.5.|R.5A", 36, 90);
        comp(pizz, s, ch, ".x.x", 55, 76);
        comp(strings, s, ch, "x---|x-x-", 55, 54);
        drums(kit, s, at, 7,
              {{Crash, "x.......|........"},
               {Kick, "x...x..."},
               {Snare, "..x...x.|..x..xx."},
               {ClosedHat, "xoxoxoxo"}},
              86);
        drums(kit, s, at + 7, 1, {{Kick, "x...x..."}, {Snare, "..x.x.xx"}, {ClosedHat, "xoxo...."}}, 86);
    }
    { // Bars 64-67: the climb. Timpani and a long snare roll lift the band into D major.
        const double at = 64;
        const auto ch = chords(s, at, "Dm | Bb | E7 | A7");
        comp(brass, s, ch, "x--x|x--x|x-x-|xxxx", 55, 72);
        comp(strings, s, ch, "x---", 60, 66);
        melody(horns, s, at, "a3h d4h | f4h d4h | e4h g#4h | a4h c#5h", 84);
        melody(trumpet, s, at, "rw | rw | rh b4q d5q | c#5q e5q g5q a5q", 94);
        melody(tuba, s, at, "d2h a1h | bb1h f2h | e2h b1h | a1q c#2q e2q a1q", 92);
        melody(timpani, s, at,
               "d3q rq a2q rq | bb2q rq f2q rq | pp e2s e2 e2 e2 e2 e2 e2 e2 mp e2 e2 e2 e2 e2 e2 e2 e2 |"
               "mf a2s a2 a2 a2 a2 a2 a2 a2 f a2 a2 a2 a2 ff a2 a2 a2 a2",
               90);
        drums(kit, s, at, 2, {{Kick, "x...x...|x...x..x"}, {Snare, "g.g.g.g.|g.g.gggg"}}, 80);
        drums(kit, s, at + 2, 2, {{Kick, "x...x...|x.x.x.xx"}, {Snare, "gggggggg|ooooxxxX"}}, 88);
    }
    // The last round in D: everyone plays, the bridge is sung by the whole brass.
    verse(68, kClosedEnd, kClosedChords, Tutti, 2);
    bridge(76, 2, true);
    { // Bars 84-87: stop-time. The band hits the downbeats, the trumpet plays the hook alone.
        const double at = 84;
        melody(trumpet, s, at, kHook, 104, 2);
        melody(xylo, s, at, kHook, 110, 14);
        const auto ch = chords(s, at, "C | G7 | F | C", 2);
        comp(brass, s, ch, "X...|X...|X...|X..X", 57, 88);
        comp(strings, s, ch, "x...|x...|x...|x..x", 62, 76);
        bass(tuba, s, ch, "R...|R...|R...|R..A", 36, 96);
        drums(kit, s, at, 3, {{Crash, "x.......|........"}, {Kick, "x......."}, {Snare, "x......."}}, 92);
        drums(kit, s, at + 3, 1, {{Kick, "x.....x."}, {Snare, "x...xxxX"}}, 92);
    }
    { // Coda, bars 88-91: the comic tag, and a last chord that is left to ring.
        const double at = 88;
        const char *tag = "c5e. c5s g5q. e5e c5q | f5q a5q g5q b5q | c6q g5e g5e a5q g5q | rq b5q> c6q> rq";
        melody(trumpet, s, at, tag, 104, 2);
        melody(xylo, s, at, tag, 114, 14);
        const auto ch = chords(s, at, "C | F G | C | G7 C", 2);
        bass(tuba, s, ch, "R.5.|R.R.|R.5.|.R R.", 36, 96);
        comp(brass, s, ch, "x.x.|x.x.|x.x.|.XX.", 55, 84);
        comp(strings, s, ch, "x---|x-x-|x---|.x-.", 60, 70);
        melody(timpani, s, at, "c3q rq g2q rq | f2q rq g2q rq | c3q rq g2q rq | rq g2q c3q rq", 96, 2);
        drums(
            kit, s, at, 3,
            {{Crash, "x.......|........"}, {Kick, "x...x..."}, {Snare, "..x...x."}, {ClosedHat, "xoxoxoxo"}},
            92);
        drums(kit, s, at + 3, 1, {{Kick, "..x.x..."}, {Snare, "..X.X..."}, {Crash, "....X..."}});
        s.ritardando(90, 92, 118);
    }
    s.level(-2.8);
    s.accompaniment(-6.9);
    s.write(dir);
}
