// hudba8.mid - the main theme. Plays under the main menu and again, as a fanfare, when
// the president's teleport comes alive. C major, 132 bpm: brass fanfare, a bouncy A A B A
// with oom-pah tuba and pizzicato, a horn-and-strings bridge, and a "shave and a haircut" tag.
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

const char *kBridge =
    "e5h. c5e d5e | f5q. e5e c5h | g5h. e5e f5e | g5q a5q d5h | a5h. g5e f5e | c5q f5q a5h |"
    "f#5q. e5e d5q c5q | b4e c5e d5e f5e g5q rq";
const char *kBridgeChords = "Am | F | C | G | Am | F | D7 | G7";

} // namespace

void writeMainTheme(const std::string &dir) {
    Song s("hudba8.mid", "Zur ev Edivu - main theme", 132, 4);
    Part &trumpet = s.part("Trumpet", 0, 56, 100, 58, 40);
    Part &xylo = s.part("Xylophone", 1, 13, 78, 84, 30);
    Part &horns = s.part("Horns", 2, 60, 100, 44, 50);
    Part &strings = s.part("Strings", 3, 48, 88, 78, 60);
    Part &pizz = s.part("Pizzicato", 4, 45, 96, 88, 40);
    Part &brass = s.part("Brass", 5, 61, 92, 70, 50);
    Part &tuba = s.part("Tuba", 6, 58, 104, 64, 25);
    Part &timpani = s.part("Timpani", 7, 47, 100, 64, 40);
    Part &kit = s.part("Drums", kDrumChannel, 0, 96, 64, 30);
    strings.gate = pizz.gate = 100;
    using namespace gm;

    // Intro, bars 0-3: fanfare over timpani, a snare roll into the tune.
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

    // Three A's around a bridge: A (open) at 4, A (closed) at 12, B at 20, A (closed) at 28.
    auto verse = [&](double at, const char *ending, const char *harmony, bool full) {
        const std::string tune = std::string(kHook) + ending;
        melody(trumpet, s, at, tune, full ? 100 : 92);
        if (full) melody(xylo, s, at, tune, 84, 12);
        const auto ch = chords(s, at, harmony);
        bass(tuba, s, ch, "R.5.|R.5.|R.5.|R.5.|R.5.|R.5.|R.5.|R.5A", 36, 92);
        comp(pizz, s, ch, ".x.x", 55, 80);
        comp(strings, s, ch, "x---", 55, full ? 58 : 50);
        drums(kit, s, at, 7,
              {{Crash, "x.......|........"},
               {Kick, "x...x..."},
               {Snare, "..x...x."},
               {ClosedHat, "xoxoxoxo"},
               {HighWood, "........|.......o|........|....o..o"}},
              88);
        drums(kit, s, at + 7, 1, {{Kick, "x...x..."}, {Snare, "..x.xxxX"}, {ClosedHat, "xoxo...."}}, 88);
    };
    verse(4, kOpenEnd, kOpenChords, false);
    verse(12, kClosedEnd, kClosedChords, true);

    { // Bridge: the horns and strings sing, toms roll underneath.
        const double at = 20;
        melody(strings, s, at, kBridge, 92);
        melody(horns, s, at, kBridge, 88, -12);
        const auto ch = chords(s, at, kBridgeChords);
        bass(tuba, s, ch, "R--5|R-5-|R--5|R-5-|R--5|R-5-|R-5-|R5RA", 36, 88);
        comp(brass, s, ch, "x--o|x---", 55, 62);
        arpeggio(pizz, s, ch, "1.3.2.3.", 55, 74);
        drums(kit, s, at, 7,
              {{Crash, "x.......|........"},
               {Kick, "x..x..x.|x..x...."},
               {LowTom, "......x.|....x.x."},
               {Ride, "x.x.x.x."}},
              84);
        drums(kit, s, at + 7, 1, {{Kick, "x...x..."}, {Snare, "....xxxX"}, {MidTom, "..xx...."}}, 88);
    }
    verse(28, kClosedEnd, kClosedChords, true);

    { // Coda: the hook once more, and the comic tag.
        const double at = 36;
        const char *tag = "c5e. c5s g5q. e5e c5q | f5q a5q g5q b5q | c6q g5e g5e a5q g5q | rq b5q> c6q> rq";
        melody(trumpet, s, at, tag, 104);
        melody(xylo, s, at, tag, 88, 12);
        const auto ch = chords(s, at, "C | F G | C | G7 C");
        bass(tuba, s, ch, "R.5.|R.R.|R.5.|.R R.", 36, 96);
        comp(brass, s, ch, "x.x.|x.x.|x.x.|.XX.", 55, 84);
        comp(strings, s, ch, "x---|x-x-|x---|.x-.", 60, 70);
        melody(timpani, s, at, "c3q rq g2q rq | f2q rq g2q rq | c3q rq g2q rq | rq g2q c3q rq", 96);
        drums(
            kit, s, at, 3,
            {{Crash, "x.......|........"}, {Kick, "x...x..."}, {Snare, "..x...x."}, {ClosedHat, "xoxoxoxo"}},
            92);
        drums(kit, s, at + 3, 1, {{Kick, "..x.x..."}, {Snare, "..X.X..."}, {Crash, "....X..."}});
        s.ritardando(38, 40, 118);
    }
    s.write(dir);
}
