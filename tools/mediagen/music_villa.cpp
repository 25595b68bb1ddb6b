// Hudba2.mid - the president's villa. D major, a stately three-four at 92 bpm: the house
// thinks itself a palace. A pompous oboe over a harpsichord that struts in the polonaise
// rhythm, strings, a double bass and timpani. Horn fanfare; minuet (A, then B through
// A major); a comic trio in G for the bassoon; the harpsichord showing off alone; the minuet
// again with flute, horns and drums in full pomp; a grand coda.
#include "pieces.h"
#include "score.h"

using namespace score;

namespace {

const char *kMinuet = // A: sixteen bars, the first eight end on the dominant
    "d5q. e5s f#5s a5q | b5h g5q | e5e. f#5s g5e. e5s c#5q | d5h a4q | b4e. c#5s d5e. e5s f#5q |"
    "g#5q. f#5e e5q | a5e. g#5s a5e. b5s c#6q | c#6q e6q a5q |"
    "d6q. c#6s b5s a5q | b5e. a5s g5e. f#5s g5q | a5q g5q e5q | f#5h d5q | g5e. a5s b5e. c#6s d6q |"
    "f#5q. e5e d5q | e5e. f#5s e5e. d5s c#5q | d5h.";
const char *kMinuetChords = "D | G | A7 | D | Bm | E7 | A | A7 | D | G | A7 | D | G | D/A | A7 | D";

const char *kMinuetB = // B: out to A major and home again
    "e5q a5q c#6q | b5q. a5e g#5q | a5e. b5s c#6e. d6s e6q | d6h b5q | c#6q. b5e a5q | g#5q e#5q c#5q |"
    "f#5h a5q | g#5h. | c#6q. d6e e6q | f#6q. e6e d6q | b5q. a5e g5q | f#5q a5q d6q |"
    "g5e. f#5s e5e. f#5s g5q | a5e. g5s f#5e. g5s e5q | d5q f#5q a5q | d6h rq";
const char *kMinuetBChords = "A | E7 | A | E7 | F#m | C#7 | F#m | E7 | A | D | G | D | Em | A7 | D | D";

const char *kTrio = // the bassoon, pleased with itself
    "g3q b3q d4q | c4q. b3e a3q | b3e c4e d4q g4q | e4h c4q | d4q. e4e d4q | c#4q e4q g4q | f#4h. |"
    "c4q a3q f#3q | g3q. a3e b3q | d4q f4q b3q | c4q e4q g4q | eb4h. | d4q. b3e g3q | f#3q a3q c4q |"
    "b3h g3q | a3q c#4q e4q";
const char *kTrioChords = "G | D7 | G | C | G | A7 | D | D7 | G | G7 | C | Cm | G/D | D7 | G | A7";

// The harpsichord alone: the minuet's first half in running sixteenths.
const char *kShowOff =
    "d5s f#5s a5s d6s a5s f#5s d5s f#5s a5s d6s f#6s a6s | b5s g5s d5s g5s b5s d6s g6s d6s b5s g5s d5s b4s |"
    "c#5s e5s g5s a5s c#6s e6s g6s e6s c#6s a5s g5s e5s | f#5s d5s a4s d5s f#5s a5s d6s a5s f#5s d5s a4s "
    "f#4s |"
    "b4s d5s f#5s b5s d6s b5s f#5s d5s b4s c#5s d5s f#5s | g#5s b5s d6s e6s d6s b5s g#5s e5s d5s e5s g#5s "
    "b5s |"
    "a5s c#6s e6s a6s e6s c#6s a5s e5s c#5s e5s a5s c#6s | e6s c#6s a5s g5s e5s c#5s a4s c#5s e5s g5s a5s "
    "c#6s";
const char *kShowOffChords = "D | G | A7 | D | Bm | E7 | A | A7";

// The horns' held notes under the minuet's return.
const char *kHornPedals =
    "f#4h. | g4h. | g4h. | f#4h. | f#4h. | g#4h. | a4h. | g4h. | f#4h. | g4h. | e4h. | f#4h. |"
    "g4h. | a4h. | g4h. | f#4h.";

const char *kPolonaise = "x.xxx.x.x.x."; // the harpsichord's strut: an eighth, two sixteenths, four eighths

} // namespace

void writeVilla(const std::string &dir) {
    Song s("Hudba2.mid", "Zur ev Edivu - the president's villa", 92, 3);
    Part &oboe = s.part("Oboe", 0, 68, 104, 56, 50);
    oboe.lead = true;
    Part &flute = s.part("Flute", 1, 73, 90, 80, 55);
    flute.highest = 96;
    Part &bassoon = s.part("Bassoon", 2, 70, 110, 48, 45);
    Part &harpsichord = s.part("Harpsichord", 3, 6, 127, 72, 45);
    harpsichord.highest = 89;
    Part &strings = s.part("Strings", 4, 48, 56, 84, 65);
    Part &horns = s.part("Horns", 5, 60, 72, 40, 60);
    Part &bassPart = s.part("Double bass", 6, 43, 112, 60, 40);
    Part &timpani = s.part("Timpani", 7, 47, 96, 64, 55);
    timpani.lowest = 38; // the largest kettle
    timpani.highest = 60;
    Part &pizz = s.part("Pizzicato", 8, 45, 116, 90, 45);
    oboe.gate = flute.gate = 88;
    bassoon.gate = 70; // short and pompous
    strings.gate = horns.gate = 100;
    harpsichord.gate = 85;

    { // Intro, bars 0-3: horn fanfare over timpani, the harpsichord already strutting.
        melody(horns, s, 0,
               "[d4a4]q. [d4a4]e [d4a4]q | [d4f#4a4]h. | [e4g4a4]q. [e4g4a4]e [e4g4c#5]q | [f#4a4d5]h rq",
               96);
        melody(timpani, s, 0, "d2q. d2e d2q | a1q a1q a1q | a1q. a1e a1q | d2h rq", 100);
        const auto ch = chords(s, 0, "D | D | A7 | D");
        comp(harpsichord, s, ch,
             std::string(kPolonaise) + "|" + kPolonaise + "|" + kPolonaise + "|x...........", 55, 78);
        melody(bassPart, s, 0, "d2h. | d2h. | a1h. | d2h rq", 92);
    }
    // The minuet; `grand` is its return with everyone.
    auto minuet = [&](double at, bool grand) {
        melody(oboe, s, at, kMinuet, grand ? 104 : 96);
        const auto ch = chords(s, at, kMinuetChords);
        comp(harpsichord, s, ch, kPolonaise, 55, grand ? 92 : 96);
        comp(strings, s, ch, grand ? "x-x" : "x--", 55, grand ? 60 : 52);
        bass(bassPart, s, ch, "R-5|R-5|R-5|R-A", 36, 92);
        if (grand) {
            melody(flute, s, at, kMinuet, 88, 12);
            melody(horns, s, at, kHornPedals, 74);
            melody(timpani, s, at,
                   "d2q rh | rh. | a1q rh | d2q a1q rq | rh. | rh. | a1q rh | a1q a1q a1q |"
                   "d2q rh | rh. | a1q rh | d2q a1q rq | rh. | a1q rh | a1s a1 a1 a1 a1 a1 a1 a1 a1 a1 a1 a1 "
                   "| d2h rq",
                   92);
        } else {
            melody(timpani, s, at,
                   "d2q rh | rh. | rh. | rh. | rh. | rh. | rh. | a1q rh |"
                   "d2q rh | rh. | rh. | rh. | rh. | rh. | a1q a1q a1q | d2h rq",
                   84);
        }
    };

    minuet(4, false);
    { // B, bars 20-35: the oboe strays into A major; the flute joins it on the way home.
        melody(oboe, s, 20, kMinuetB, 98);
        melody(flute, s, 28,
               "rh. | rh. | rh. | rh. | g5e. f#5s e5e. f#5s g5q | a5e. g5s f#5e. g5s e5q | d5q f#5q a5q | "
               "d6h rq",
               84, 12);
        const auto ch = chords(s, 20, kMinuetBChords);
        comp(harpsichord, s, ch, std::string(kPolonaise) + "|x.x.x.x.x.x.", 55, 76);
        comp(strings, s, ch, "x--", 55, 54);
        bass(bassPart, s, ch, "R-5|R-5|R-5|R5A", 36, 90);
        melody(horns, s, 20,
               "rh. | rh. | rh. | [e4g#4b4]h. | rh. | rh. | rh. | [e4g#4b4]h. |"
               "rh. | rh. | rh. | rh. | rh. | [e4g4a4]h. | [d4f#4a4]h. | [d4f#4a4]h rq",
               80);
    }
    { // Trio, bars 36-51: the bassoon in G, plucked strings and a lighter harpsichord.
        melody(bassoon, s, 36, kTrio, 112);
        const auto ch = chords(s, 36, kTrioChords);
        arpeggio(harpsichord, s, ch, "132323", 60, 80);
        comp(pizz, s, ch, ".xx", 55, 70);
        bass(bassPart, s, ch, "R..|R..|R..|R.A", 36, 88);
        melody(oboe, s, 44, "rh. | rh. | e5h. | eb5h. | d5h. | c5h. | b4h. | c#5h.", 68);
    }
    { // Bars 52-59: the harpsichord shows off; only the bass dares to keep time.
        melody(harpsichord, s, 52, kShowOff, 116);
        const auto ch = chords(s, 52, kShowOffChords);
        bass(bassPart, s, ch, "R..|R..|R..|R.A", 36, 84);
        comp(pizz, s, ch, "...|...|...|.xx", 55, 60);
    }
    minuet(60, true);
    { // Coda, bars 76-83: the grand cadence, and a last chord left to ring.
        const char *last =
            "a5q. b5e a5q | d6q. c#6e b5q | a5q f#5q d5q | e5e. f#5s g5e. e5s c#5q | d5q f#5q a5q |"
            "d6h c#6q | d6h.~ | d6h.";
        melody(oboe, s, 76, last, 106);
        melody(flute, s, 76, last, 90, 12);
        const auto ch = chords(s, 76, "D | G | D/A | A7 | D | G . A7 | D | D");
        comp(horns, s, ch, "x.x|x.x|x.x|x.x|x.x|x-x|x--|x--", 55, 84);
        comp(strings, s, ch, "x-x|x-x|x-x|x-x|x-x|x-x|x--|x--", 55, 66);
        comp(harpsichord, s, ch,
             std::string(kPolonaise) + "|" + kPolonaise + "|" + kPolonaise + "|" + kPolonaise + "|" +
                 kPolonaise + "|" + kPolonaise + "|x...........|x...........",
             55, 80);
        bass(bassPart, s, ch, "R-5|R-5|R-R|R-R|R-5|R-R|R--|R--", 36, 96);
        melody(timpani, s, 76,
               "d2q rh | rh. | a1q rh | a1q a1q a1q | d2q rh | rh. |"
               "d2s d2 d2 d2 d2 d2 d2 d2 d2 d2 d2 d2 | d2q rh",
               98);
        s.ritardando(81, 84, 76);
    }
    s.level(-3.3);
    s.accompaniment(-7.8);
    s.write(dir);
}
