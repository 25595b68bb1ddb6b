// Hudba10.mid - the homeless man's yard and his hideout. A minor waltz, 104 bpm:
// harmonica over a guitar's oom-pah-pah, the accordion remembering better days in C major.
// Intro, A (16 bars), B (16), A; the old man's guitar alone in F (16), the tune on the
// accordion in D minor with the harmonica answering (16), the last A with the accordion
// singing against it and the guitar picking, tag.
#include "pieces.h"
#include "score.h"

using namespace score;

namespace {

const char *kSong = // A: harmonica
    "a4q c5q e5q | a5h g5q | f5q. e5e d5q | a4h. | b4q d5q g5q | g5h f5q | e5q. d5e c5q | b4h. |"
    "a4q c5q e5q | a5h b5q | c6q. b5e a5q | f5h. | a5q. g5e f5q | e5q d5q g#4q | a4h. | rh.";
// The same tune when it comes back after B: running eighths, a turn, the second half an octave up.
const char *kSongAgain =
    "a4e b4e c5e d5e e5q | a5q. g5e e5e g5e | f5et g5et f5et e5q d5q | a4h f5e e5e | d5e b4e d5e g5e b5q |"
    "a5e g5e f5h | e5e g5e c6q. b5e | g#5q. e5e d5e b4e | c5e e5e a5q c6q | e6q. d6e c6e b5e |"
    "c6e d6e c6e a5e f5q | d5h a5e f5e | c6q. a5e f5e a5e | g#5e b5e e5q d5e b4e | a4e c5e e5e c5e a4q | rh.";
const char *kSongChords = "Am | Am | Dm | Dm | G | G | C | E7 | Am | Am | Dm | Dm | F | E7 | Am | Am";

const char *kMemory = // B: accordion
    "g5q. e5e c5q | b4q e5q g5q | a5h c6q | g5h. | f5q. e5e d5q | b4q d5q f5q | e5q. d5e c5q | c5h. |"
    "c6q. a5e f5q | e5h g5q | f5q. e5e d5q | c5h e5q | d5q f5q a5q | g#5h e5q | a5h. | g#4q b4q d5q";
const char *kMemoryChords = "C | Em | F | C | Dm | G7 | C | C | F | C | Dm | Am | Dm | E7 | Am | E7";
// The harmonica's sighs under the second half of B.
const char *kSighs = "rh. | rh. | rh. | rh. | rh. | rh. | rh. | rh. |"
                     "rh a5q | g5h. | rh f5q | e5h. | rh a5q | g#5h. | rh c6q | b5h.";

const char *kGuitarSong = // C: the guitar's own tune, in F
    "c5q f5q a5q | g5h e5q | f5q. e5e f5q | d5h. | d5q f5q bb5q | a5q g5q e5q | f5q a5q c6q | f5h. |"
    "a5q. g5e f5q | e5h c5q | bb4q d5q f5q | a5h. | bb5q. a5e g5q | e5q g5q bb5q | a5h f5q | g#5h.";
const char *kGuitarChords = "F | C7 | F | Dm | Bb | C7 | F | F | Dm | Am | Bb | F | Gm | C7 | F | E7";

// The A tune a fifth lower, in D minor; its last bar turns back towards A minor.
const char *kLowChords = "Am | Am | Dm | Dm | G | G | C | E7 | Am | Am | Dm | Dm | F | E7 | Am | B7";
const char *kAnswers = "rh. | rh. | rh. | d5q c5q bb4q | rh. | rh. | rh. | c#5q e5q g5q | rh. | rh. | rh. |"
                       "g5q a5q bb5q | rh. | rh. | rh. | e5q g#5q b5q";
// The accordion's long notes against the last A.
const char *kAgainst =
    "c5h. | e5h. | f5h. | d5h. | d5h. | b4h. | c5h. | b4h. | e5h. | c5h. | a4h. | d5h. | c5h. |"
    "b4h. | c5h. | a4h.";

} // namespace

void writeYard(const std::string &dir) {
    Song s("Hudba10.mid", "Zur ev Edivu - the yard", 104, 3);
    Part &harmonica = s.part("Harmonica", 0, 22, 127, 58, 55);
    harmonica.lead = true;
    Part &accordion = s.part("Accordion", 1, 21, 124, 74, 50);
    Part &squeeze = s.part("Accordion chords", 2, 21, 112, 80, 50);
    Part &guitar = s.part("Nylon guitar", 3, 24, 127, 44, 40);
    Part &bassPart = s.part("Acoustic bass", 4, 32, 127, 62, 30);
    Part &kit = s.part("Brushes", kDrumChannel, 40, 127, 64, 40);
    harmonica.gate = accordion.gate = 90;
    squeeze.gate = 100;
    using namespace gm;
    const int kSwirl = 40;
    const char *kWaltz = "R..|5..";

    { // Intro, bars 0-3: the accordion alone, oom-pah-pah.
        const auto ch = chords(s, 0, "Am | Dm | E7 | Am");
        bass(bassPart, s, ch, kWaltz, 33, 84);
        comp(squeeze, s, ch, ".xx", 57, 76);
        melody(accordion, s, 0, "rh. | rh. | rh e5q | e5q. d5e c5q", 80);
    }
    auto verse = [&](double at, bool second) {
        melody(harmonica, s, at, second ? kSongAgain : kSong, second ? 108 : 104);
        const auto ch = chords(s, at, kSongChords);
        bass(bassPart, s, ch, kWaltz, 33, 90);
        comp(guitar, s, ch, ".xx", 52, 70);
        if (second) {
            comp(squeeze, s, ch, "x--|x--|o--", 57, 52);
            drums(kit, s, at, 16, {{Snare, ".Xx|.XX"}, {PedalHat, ".x."}, {kSwirl, "X.."}, {Kick, "o.."}},
                  110);
        }
    };
    verse(4, false);
    { // B, bars 20-35.
        melody(accordion, s, 20, kMemory, 108);
        melody(harmonica, s, 20, kSighs, 64);
        const auto ch = chords(s, 20, kMemoryChords);
        bass(bassPart, s, ch, "R..|5..|R..|3..", 33, 94);
        comp(guitar, s, ch, ".xx|.xx|.xx|.x.", 52, 74);
        drums(kit, s, 20, 16, {{Snare, ".xx"}, {PedalHat, ".x."}, {kSwirl, "x..|x..|x..|X.."}, {Kick, "o.."}},
              100);
    }
    verse(36, true);
    { // C, bars 52-67: the guitar alone with its tune, the accordion keeps the waltz.
        melody(guitar, s, 52, kGuitarSong, 118);
        const auto ch = chords(s, 52, kGuitarChords);
        bass(bassPart, s, ch, "R..|5..|R..|3..", 33, 88);
        comp(squeeze, s, ch, ".xx|.xx|.xx|.x.", 57, 60);
        drums(kit, s, 52, 16, {{Snare, ".xx|.xo"}, {PedalHat, ".x."}, {kSwirl, "x.."}}, 100);
    }
    { // Bars 68-83: the accordion takes the tune down into D minor, the harmonica answers.
        melody(accordion, s, 68, kSong, 106, -7);
        melody(harmonica, s, 68, kAnswers, 88);
        const auto ch = chords(s, 68, kLowChords, -7);
        bass(bassPart, s, ch, kWaltz, 33, 90);
        comp(guitar, s, ch, ".xx|.x.", 52, 66);
        drums(kit, s, 68, 16, {{Snare, ".xx"}, {PedalHat, ".x."}, {kSwirl, "x..|X.."}, {Kick, "o..|..."}},
              100);
    }
    { // The last A, bars 84-99: the accordion sings against the tune, the guitar picks.
        melody(harmonica, s, 84, kSong, 110);
        melody(accordion, s, 84, kAgainst, 70);
        const auto ch = chords(s, 84, kSongChords);
        bass(bassPart, s, ch, "R..|5..|R..|R5.", 33, 92);
        arpeggio(guitar, s, ch, "123432|123453", 52, 66);
        drums(kit, s, 84, 16,
              {{Snare, ".Xx|.xX"}, {PedalHat, ".x."}, {kSwirl, "X.."}, {Kick, "o..|...|o..|..o"}}, 110);
    }
    { // Tag, bars 100-103: the tune gives up on the tonic and fades.
        melody(harmonica, s, 100, "d5q f5q a5q | g#5h. | a5h.~ | a5h.", 80);
        const auto ch = chords(s, 100, "Dm | E7 | Am | Am");
        bass(bassPart, s, ch, "R..|5..|R--|R--", 33, 84);
        comp(guitar, s, ch, ".xx|.xx|x--|o--", 52, 64);
        comp(squeeze, s, ch, "x--|x--|x--|x--", 57, 50);
        s.ritardando(101, 104, 80);
    }
    s.level(-3.1);
    s.accompaniment(-3.5);
    s.write(dir);
}
