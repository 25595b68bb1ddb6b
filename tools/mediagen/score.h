// A small text notation for writing the game's MIDI music as data.
//
// Melody lines: tokens separated by spaces.
//   c4 = middle C, c#4 / eb4 sharps and flats, r = rest, [c4e4g4] = several keys at once.
//   Length follows the pitch: w h q e s (whole .. sixteenth), "t" makes it a triplet,
//   "." dots it; a token without a length keeps the previous one.
//   "~" after a token ties it into the next token of the same key, ">" accents it.
//   pp p mp mf f ff set the loudness of the following notes.
//   "|" marks a bar line: the tool stops with an error if a bar does not add up.
// Chord lines: "| Am F | G7 . . C |": the chords of a bar share it equally,
//   "." holds the previous chord. Symbols: C Cm C7 Cm7 Cmaj7 Cm7b5 Cdim Cdim7 C6 Cm6
//   Csus4 C9 C7b9 Caug C5 Cadd9, with an optional bass note: C/E.
// Patterns (comping, arpeggios, bass, drums): one character per step, a bar per
//   "|"-separated group, the groups used in turn bar after bar. "." rest, "-" hold;
//   an empty group is a silent bar.
#pragma once
#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace score {

constexpr int kTicksPerQuarter = 480;
constexpr int kDrumChannel = 9;

struct Note {
    int tick, duration, key, velocity;
};

// A bass note that leads by a half step into whatever the bass plays next. The next note may
// belong to a section that is written later, so the key is chosen when the song is written.
struct Approach {
    size_t note;   // index into Part::notes
    int target;    // tick of the step that follows
    int low, from; // the bass register and the key played before
};

struct Part {
    std::string name;
    int channel, program, volume, pan, reverb, chorus;
    int gate = 94;      // percent of a note's written length that sounds (breath between notes)
    bool swing = false; // off-beat eighths are played late, 2:1
    std::vector<Note> notes;
    std::vector<Approach> approaches;
    // The part played this many octaves away, and any note beyond the instrument's playable range
    // (lowest, highest) taken an octave in.
    int octaves = 0, lowest = 0, highest = 127;
    bool lead = false; // carries the tune, and stands in front of the accompaniment; marked "melody"
};

struct Chord {
    std::string name;
    int tick, duration;
    int root, bass;         // pitch classes, 0 = C
    std::vector<int> tones; // semitones above the root
};

class Song {
  public:
    Song(std::string fileName, std::string title, double bpm, int beatsPerBar);

    int barTicks() const { return beats_ * kTicksPerQuarter; }
    int at(double bar) const; // tick at the start of a bar counted from 0

    Part &part(const std::string &name, int channel, int program, int volume, int pan, int reverb = 40,
               int chorus = 0);
    void tempo(double bar, double bpm);
    // Slows down step by step (each beat) from the tempo at fromBar to toBpm at toBar.
    void ritardando(double fromBar, double toBar, double toBpm);

    // Moves every part's volume by about this many decibels, to set the whole piece's level.
    void level(double dB) { level_ = dB; }
    // Moves every part but the leading ones by about this many decibels (with its expression).
    void accompaniment(double dB) { accompaniment_ = dB; }

    // The first beat at least kRingOut seconds after the last note-off: the player stops a track
    // at its end, so the last notes must have died away (release and reverb) by then.
    static constexpr double kRingOut = 3.0;
    int endTick() const;
    double seconds() const; // playing time up to endTick
    const std::string &fileName() const { return fileName_; }

    // The harmony of the whole song, gathered from every chord line; a chord line that contradicts
    // one written earlier for the same time is an error.
    void addHarmony(const std::vector<Chord> &chords);
    const Chord *harmonyAt(int tick) const;

    // Writes OUTDIR/fileName with the harmony as chord markers; stops with an error if the piece
    // is not 150 to 300 s long.
    void write(const std::string &dir) const;

  private:
    double bpmAt(int tick) const;
    double secondsTo(int tick) const;
    std::string fileName_, title_;
    int beats_;
    double level_ = 0, accompaniment_ = 0;
    std::vector<std::pair<int, double>> tempos_;
    std::deque<Part> parts_;
    std::vector<Chord> harmony_;
};

// Adds the line from the given bar on, `transpose` semitones up (for doublings).
void melody(Part &part, const Song &song, double bar, std::string_view line, int velocity, int transpose = 0);
// Reads a chord line, `transpose` semitones up, and adds it to the song's harmony.
std::vector<Chord> chords(Song &song, double bar, std::string_view line, int transpose = 0);

// Block chords: X accent, x strike, o soft strike. The voicing stays close to the previous
// chord, with its lowest key at or above `low`.
void comp(Part &part, const Song &song, const std::vector<Chord> &chords, std::string_view pattern, int low,
          int velocity);
// Broken chords: 1..9 pick a key of the voicing counted from its bottom (going on upward
// by octaves).
void arpeggio(Part &part, const Song &song, const std::vector<Chord> &chords, std::string_view pattern,
              int low, int velocity);
// Bass line by degree of the current chord: R root (or the slash bass), 2 3 4 5 6 7 8,
// L the fifth below, A a half step leading into the bass's next note (also across into the next
// section), or into the next chord's bass when a rest follows.
void bass(Part &part, const Song &song, const std::vector<Chord> &chords, std::string_view pattern, int low,
          int velocity);

// Drum rows: X accent, x hit, o soft, g ghost note. `percent` scales all velocities.
struct DrumRow {
    int key;
    std::string_view pattern;
};
void drums(Part &part, const Song &song, double bar, int bars, std::initializer_list<DrumRow> rows,
           int percent = 100);

// General MIDI drum keys.
namespace gm {
constexpr int Kick = 36, AcousticKick = 35, SideStick = 37, Snare = 38, Clap = 39, LowFloorTom = 41,
              ClosedHat = 42, HighFloorTom = 43, PedalHat = 44, LowTom = 45, OpenHat = 46, MidTom = 47,
              HighTom = 50, Crash = 49, Ride = 51, RideBell = 53, Tambourine = 54, Splash = 55, Cowbell = 56,
              Crash2 = 57, LowConga = 64, OpenConga = 63, MuteConga = 62, HighBongo = 60, LowBongo = 61,
              Cabasa = 69, Maracas = 70, Claves = 75, HighWood = 76, LowWood = 77, Triangle = 81,
              MuteTriangle = 80;
}

} // namespace score
