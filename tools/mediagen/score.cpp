#include "score.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <stdexcept>

#include "smf.h"

namespace score {
namespace {

[[noreturn]] void fail(const std::string &where, const std::string &what) {
    throw std::runtime_error(where + ": " + what);
}

std::vector<std::string_view> split(std::string_view text, char sep) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == sep) {
            out.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

// Words separated by spaces; a bar line is always a word of its own.
std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
        size_t j = i;
        if (j < text.size() && text[j] == '|')
            ++j;
        else
            while (j < text.size() && !std::isspace(static_cast<unsigned char>(text[j])) && text[j] != '|')
                ++j;
        if (j > i) out.push_back(text.substr(i, j - i));
        i = j;
    }
    return out;
}

// Small, repeatable variation of loudness so that repeated notes do not sound mechanical.
int jitter(int tick, int key) {
    uint32_t h = uint32_t(tick) * 2654435761u ^ uint32_t(key + 1) * 40503u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return int(h % 7) - 3;
}

int velocityAt(int base, int tick, int barStart, int barTicks) {
    const int pos = (tick - barStart) % barTicks;
    if (pos == 0) return base + 6;
    if (pos % kTicksPerQuarter == 0) return base + 2;
    return base - 3;
}

int pitchClass(char letter) {
    static const int pcs[] = {9, 11, 0, 2, 4, 5, 7}; // a b c d e f g
    return pcs[std::tolower(static_cast<unsigned char>(letter)) - 'a'];
}

// One key like "c#4" or "bb3", read from text[i...]; i moves past it.
int parseKey(std::string_view text, size_t &i, const std::string &where) {
    if (i >= text.size() || text[i] < 'a' || text[i] > 'g') fail(where, "expected a note name");
    int pc = pitchClass(text[i++]);
    if (i < text.size() && text[i] == '#') {
        ++pc;
        ++i;
    } else if (i + 1 < text.size() && text[i] == 'b' &&
               std::isdigit(static_cast<unsigned char>(text[i + 1]))) {
        --pc;
        ++i;
    }
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) fail(where, "missing octave");
    const int octave = text[i++] - '0';
    return 12 * (octave + 1) + pc;
}

std::vector<int> chordTones(std::string_view quality, const std::string &where) {
    static const std::map<std::string_view, std::vector<int>> table = {
        {"", {0, 4, 7}},
        {"m", {0, 3, 7}},
        {"7", {0, 4, 7, 10}},
        {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}},
        {"m7b5", {0, 3, 6, 10}},
        {"dim", {0, 3, 6}},
        {"dim7", {0, 3, 6, 9}},
        {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},
        {"sus4", {0, 5, 7}},
        {"9", {0, 4, 7, 10, 14}},
        {"7b9", {0, 4, 7, 10, 13}},
        {"aug", {0, 4, 8}},
        {"5", {0, 7}},
        {"add9", {0, 4, 7, 14}},
        {"m9", {0, 3, 7, 10, 14}},
    };
    auto it = table.find(quality);
    if (it == table.end()) fail(where, "unknown chord quality '" + std::string(quality) + "'");
    return it->second;
}

Chord parseChord(std::string_view sym, const std::string &where) {
    if (sym.empty() || sym[0] < 'A' || sym[0] > 'G') fail(where, "bad chord '" + std::string(sym) + "'");
    auto readRoot = [&](std::string_view s, size_t &i) {
        int pc = pitchClass(s[i++]);
        if (i < s.size() && s[i] == '#')
            ++pc, ++i;
        else if (i < s.size() && s[i] == 'b')
            --pc, ++i;
        return (pc + 12) % 12;
    };
    Chord c{};
    c.name = std::string(sym);
    size_t i = 0;
    c.root = readRoot(sym, i);
    c.bass = c.root;
    const size_t slash = sym.find('/');
    c.tones = chordTones(sym.substr(i, (slash == std::string_view::npos ? sym.size() : slash) - i), where);
    if (slash != std::string_view::npos) {
        size_t j = slash + 1;
        if (j >= sym.size()) fail(where, "missing bass note");
        c.bass = readRoot(sym, j);
    }
    return c;
}

int lowestAtOrAbove(int pc, int low) {
    int key = low;
    while (((key % 12) + 12) % 12 != pc)
        ++key;
    return key;
}

// A close voicing of the chord with the lowest key at or above `low`, picked so that the
// voices move as little as possible from `previous`.
std::vector<int> voicing(const Chord &chord, int low, const std::vector<int> &previous) {
    std::vector<int> pcs;
    for (int t : chord.tones) {
        if (chord.tones.size() > 4 && t == 7) continue; // ninth chords drop their fifth
        pcs.push_back((chord.root + t) % 12);
    }
    std::vector<int> best;
    long bestCost = -1;
    for (size_t inv = 0; inv < pcs.size(); ++inv) {
        for (int octave = 0; octave < 2; ++octave) {
            std::vector<int> keys;
            int key = lowestAtOrAbove(pcs[inv], low) + 12 * octave;
            keys.push_back(key);
            for (size_t k = 1; k < pcs.size(); ++k) {
                key = lowestAtOrAbove(pcs[(inv + k) % pcs.size()], key + 1);
                keys.push_back(key);
            }
            long cost = 0;
            if (previous.size() == keys.size()) {
                for (size_t k = 0; k < keys.size(); ++k)
                    cost += std::abs(keys[k] - previous[k]);
            } else {
                double mean = 0;
                for (int k : keys)
                    mean += k;
                cost = long(
                    std::abs(mean / double(keys.size()) - (previous.empty() ? low + 7 : previous[0] + 4)) *
                    4);
            }
            cost += std::max(0, keys.back() - (low + 16)) * 3; // keep the top from drifting up
            if (bestCost < 0 || cost < bestCost) bestCost = cost, best = keys;
        }
    }
    return best;
}

struct Step {
    int tick, length;
    char symbol;
};

// Lays the pattern over the whole span of the chords, bar by bar, cycling through its bars.
std::vector<Step> steps(const Song &song, const std::vector<Chord> &chords, std::string_view pattern,
                        const std::string &where) {
    std::vector<Step> out;
    if (chords.empty()) return out;
    const auto bars = split(pattern, '|');
    const int start = chords.front().tick;
    const int end = chords.back().tick + chords.back().duration;
    const int bt = song.barTicks();
    int index = 0;
    for (int barStart = start; barStart < end; barStart += bt, ++index) {
        std::string cells;
        for (char ch : bars[index % bars.size()])
            if (!std::isspace(static_cast<unsigned char>(ch))) cells += ch;
        if (cells.empty()) cells = "."; // an empty group is a bar of rest
        if (bt % int(cells.size()) != 0) fail(where, "pattern bar '" + cells + "' does not divide the bar");
        const int len = bt / int(cells.size());
        for (size_t k = 0; k < cells.size(); ++k)
            out.push_back({barStart + int(k) * len, len, cells[k]});
    }
    return out;
}

const Chord *chordAt(const std::vector<Chord> &chords, int tick) {
    for (const auto &c : chords)
        if (tick >= c.tick && tick < c.tick + c.duration) return &c;
    return tick >= chords.back().tick ? &chords.back() : &chords.front();
}

int strength(char symbol, int velocity) {
    switch (symbol) {
    case 'X':
        return velocity + 14;
    case 'o':
        return velocity - 18;
    case 'g':
        return velocity - 34;
    default:
        return velocity;
    }
}

} // namespace

// ---------------------------------------------------------------------------------- Song

Song::Song(std::string fileName, std::string title, double bpm, int beatsPerBar)
    : fileName_(std::move(fileName)), title_(std::move(title)), beats_(beatsPerBar) {
    tempos_.push_back({0, bpm});
}

int Song::at(double bar) const {
    return int(std::lround(bar * barTicks()));
}

Part &Song::part(const std::string &name, int channel, int program, int volume, int pan, int reverb,
                 int chorus) {
    parts_.push_back(Part{name, channel, program, volume, pan, reverb, chorus, 94, false, {}, {}});
    return parts_.back();
}

void Song::tempo(double bar, double bpm) {
    tempos_.push_back({at(bar), bpm});
}

double Song::bpmAt(int tick) const {
    double bpm = tempos_.front().second;
    for (const auto &[t, b] : tempos_)
        if (t <= tick) bpm = b;
    return bpm;
}

void Song::ritardando(double fromBar, double toBar, double toBpm) {
    const int from = at(fromBar), to = at(toBar);
    const double startBpm = bpmAt(from);
    for (int t = from; t < to; t += kTicksPerQuarter) {
        const double f = double(t - from + kTicksPerQuarter) / double(to - from);
        tempos_.push_back({t, startBpm + (toBpm - startBpm) * std::min(1.0, f)});
    }
}

double Song::secondsTo(int tick) const {
    auto sorted = tempos_;
    std::stable_sort(sorted.begin(), sorted.end(), [](auto &a, auto &b) { return a.first < b.first; });
    double total = 0;
    for (size_t i = 0; i < sorted.size() && sorted[i].first < tick; ++i) {
        const int next = i + 1 < sorted.size() ? std::min(sorted[i + 1].first, tick) : tick;
        total += double(next - sorted[i].first) / kTicksPerQuarter * 60.0 / sorted[i].second;
    }
    return total;
}

int Song::endTick() const {
    int last = 0;
    for (const auto &p : parts_)
        for (const auto &n : p.notes)
            last = std::max(last, n.tick + n.duration);
    const double quietFrom = secondsTo(last) + kRingOut;
    int end = (last + kTicksPerQuarter - 1) / kTicksPerQuarter * kTicksPerQuarter;
    while (secondsTo(end) < quietFrom)
        end += kTicksPerQuarter;
    return end;
}

double Song::seconds() const {
    return secondsTo(endTick());
}

namespace {
bool sameHarmony(const Chord &a, const Chord &b) {
    return a.root == b.root && a.bass == b.bass && a.tones == b.tones;
}
} // namespace

void Song::addHarmony(const std::vector<Chord> &chords) {
    for (const Chord &c : chords) {
        bool known = false;
        for (const Chord &h : harmony_) {
            if (h.tick >= c.tick + c.duration || c.tick >= h.tick + h.duration) continue;
            if (!sameHarmony(h, c))
                fail(fileName_, "bar " + std::to_string(c.tick / barTicks() + 1) + ": " + c.name +
                                    " against " + h.name + " written before");
            if (h.tick <= c.tick && c.tick + c.duration <= h.tick + h.duration) known = true;
        }
        if (!known) harmony_.push_back(c);
    }
    std::stable_sort(harmony_.begin(), harmony_.end(),
                     [](const Chord &a, const Chord &b) { return a.tick < b.tick; });
}

const Chord *Song::harmonyAt(int tick) const {
    for (const Chord &h : harmony_)
        if (tick >= h.tick && tick < h.tick + h.duration) return &h;
    return nullptr;
}

namespace {

// Swing: within each beat the off-beat eighth moves from 1/2 to 2/3 of the beat.
int swingTick(int tick) {
    const int beat = tick - tick % kTicksPerQuarter, r = tick % kTicksPerQuarter;
    const int half = kTicksPerQuarter / 2, late = kTicksPerQuarter * 2 / 3;
    return beat + (r <= half ? r * late / half : late + (r - half) * (kTicksPerQuarter - late) / half);
}

} // namespace

void Song::write(const std::string &dir) const {
    const double length = seconds();
    if (length < 150 || length > 300)
        fail(fileName_, "plays " + std::to_string(length) + " s, outside 150..300 s");
    const int end = endTick();

    std::vector<smf::Track> tracks;
    smf::Track conductor(title_);
    conductor.timeSignature(0, beats_, 4);
    for (const auto &[tick, bpm] : tempos_)
        conductor.tempo(tick, bpm);
    // The harmony as markers: a chord where it starts, "N.C." where the harmony stops.
    int sounding = -1; // the end of the chord heard so far
    for (const Chord &h : harmony_) {
        if (sounding >= 0 && sounding < h.tick) conductor.marker(sounding, "N.C.");
        const Chord *before = h.tick > 0 ? harmonyAt(h.tick - 1) : nullptr;
        if (!before || !sameHarmony(*before, h) || before->tick + before->duration <= h.tick)
            conductor.marker(h.tick, h.name);
        sounding = std::max(sounding, h.tick + h.duration);
    }
    if (sounding >= 0 && sounding < end) conductor.marker(sounding, "N.C.");
    tracks.push_back(std::move(conductor));

    for (const auto &p : parts_) {
        smf::Track track(p.name);
        if (p.lead) track.text(0, "melody"); // how anyone reading the file finds the tune
        track.program(0, p.channel, p.program);
        track.control(0, p.channel, 7,
                      std::clamp(int(std::lround(p.volume * std::pow(10.0, level_ / 40))), 0, 127));
        track.control(0, p.channel, 10, p.pan);
        track.control(
            0, p.channel, 11,
            p.lead ? 127 : std::clamp(int(std::lround(127 * std::pow(10.0, accompaniment_ / 40))), 0, 127));
        track.control(0, p.channel, 91, p.reverb);
        track.control(0, p.channel, 93, p.chorus);

        std::vector<Note> notes = p.notes;
        for (const Approach &a : p.approaches) {
            int target = -1; // the lowest key that starts at the next step
            for (const Note &n : p.notes)
                if (n.tick == a.target && (target < 0 || n.key < target)) target = n.key;
            if (target < 0) {
                const Chord *next = harmonyAt(a.target);
                if (!next) next = harmonyAt(a.target - 1);
                if (!next) fail(fileName_ + "/" + p.name, "a leading note with no harmony to lead into");
                target = lowestAtOrAbove(next->bass, a.low);
            }
            // A tone of the chord sounding with it a step from the target if there is one, else a
            // step that rubs against none of that chord's tones; only then the half step. A note
            // that is no chord tone passes quickly.
            Note &lead = notes[a.note];
            const Chord *here = harmonyAt(lead.tick);
            auto semitones = [](int from, int to) { return ((to - from) % 12 + 12) % 12; };
            auto inChord = [&](int key) {
                if (!here || semitones(here->bass, key) == 0) return here != nullptr;
                return std::count(here->tones.begin(), here->tones.end(), semitones(here->root, key)) > 0;
            };
            auto rubs = [&](int key) {
                if (!here) return false;
                for (int t : here->tones)
                    if (const int d = semitones(here->root + t, key); d == 1 || d == 11) return true;
                const int d = semitones(here->bass, key);
                return d == 1 || d == 11;
            };
            const int side = a.from < target ? -1 : 1;
            const int steps[] = {target + side, target + 2 * side, target - side, target - 2 * side};
            const int *pick = std::find_if(std::begin(steps), std::end(steps), inChord);
            if (pick == std::end(steps)) {
                pick = std::find_if(std::begin(steps), std::end(steps), [&](int k) { return !rubs(k); });
                lead.duration = std::min(lead.duration, kTicksPerQuarter * 3 / 4);
            }
            lead.key = pick != std::end(steps) ? *pick : target + side;
        }
        for (auto &n : notes) {
            n.key += 12 * p.octaves;
            while (n.key > p.highest && n.key - 12 >= p.lowest)
                n.key -= 12;
            while (n.key < p.lowest && n.key + 12 <= p.highest)
                n.key += 12;
            if (n.key < 0 || n.key > 127) fail(fileName_ + "/" + p.name, "key out of range");
            if (p.swing) {
                const int stop = swingTick(n.tick + n.duration);
                n.tick = swingTick(n.tick);
                n.duration = stop - n.tick;
            }
            const int cut = std::min(n.duration * (100 - p.gate) / 100, 90);
            n.duration = std::max(n.duration - cut, 1);
        }
        // A key struck again while still sounding is released first.
        std::stable_sort(notes.begin(), notes.end(),
                         [](const Note &a, const Note &b) { return a.tick < b.tick; });
        std::map<int, size_t> sounding;
        for (size_t i = 0; i < notes.size(); ++i) {
            auto it = sounding.find(notes[i].key);
            if (it != sounding.end()) {
                Note &prev = notes[it->second];
                if (prev.tick + prev.duration > notes[i].tick)
                    prev.duration = std::max(1, notes[i].tick - prev.tick);
            }
            sounding[notes[i].key] = i;
        }
        for (const auto &n : notes) {
            if (n.duration <= 0) continue;
            track.note(n.tick, n.duration, p.channel, n.key, n.velocity);
        }
        tracks.push_back(std::move(track));
    }

    const auto bytes = smf::file(tracks, kTicksPerQuarter, end);
    std::ofstream out(dir + "/" + fileName_, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) fail(fileName_, "cannot write into " + dir);
}

// ------------------------------------------------------------------------------ notation

void melody(Part &part, const Song &song, double bar, std::string_view line, int velocity, int transpose) {
    static const std::map<std::string_view, int> dynamics = {{"pp", 40}, {"p", 54}, {"mp", 68},
                                                             {"mf", 82}, {"f", 96}, {"ff", 110}};
    const int start = song.at(bar), bt = song.barTicks();
    int t = start, length = kTicksPerQuarter, barNo = 1;
    std::vector<size_t> tied; // notes that go on into the next token
    for (std::string_view tok : words(line)) {
        const std::string where = song.fileName() + "/" + part.name + " bar " +
                                  std::to_string(int(bar) + barNo) + " '" + std::string(tok) + "'";
        if (tok == "|") {
            if (t == start && barNo == 1) continue; // a leading bar line
            if ((t - start) != (barNo * bt)) fail(where, "bar does not add up");
            ++barNo;
            continue;
        }
        if (auto d = dynamics.find(tok); d != dynamics.end()) {
            velocity = d->second;
            continue;
        }
        std::vector<int> keys;
        size_t i = 0;
        if (tok[0] == 'r') {
            i = 1;
        } else if (tok[0] == '[') {
            ++i;
            while (i < tok.size() && tok[i] != ']')
                keys.push_back(parseKey(tok, i, where) + transpose);
            if (i >= tok.size()) fail(where, "unclosed [");
            ++i;
        } else {
            keys.push_back(parseKey(tok, i, where) + transpose);
        }
        if (i < tok.size() && std::string_view("whqes").find(tok[i]) != std::string_view::npos) {
            const char c = tok[i++];
            length = c == 'w'   ? 4 * kTicksPerQuarter
                     : c == 'h' ? 2 * kTicksPerQuarter
                     : c == 'q' ? kTicksPerQuarter
                     : c == 'e' ? kTicksPerQuarter / 2
                                : kTicksPerQuarter / 4;
            if (i < tok.size() && tok[i] == 't') length = length * 2 / 3, ++i;
            int add = length / 2;
            while (i < tok.size() && tok[i] == '.')
                length += add, add /= 2, ++i;
        }
        bool tie = false, accent = false;
        for (; i < tok.size(); ++i) {
            if (tok[i] == '~')
                tie = true;
            else if (tok[i] == '>')
                accent = true;
            else
                fail(where, "unexpected character");
        }
        std::vector<size_t> nowTied;
        for (int key : keys) {
            size_t index = part.notes.size();
            for (size_t n : tied)
                if (part.notes[n].key == key && part.notes[n].tick + part.notes[n].duration == t) index = n;
            if (index < part.notes.size()) {
                part.notes[index].duration += length;
            } else {
                const int barStart = start + (t - start) / bt * bt;
                int v = velocityAt(velocity, t, barStart, bt) + (accent ? 14 : 0) + jitter(t, key);
                part.notes.push_back({t, length, key, std::clamp(v, 1, 127)});
            }
            if (tie) nowTied.push_back(index);
        }
        tied = nowTied;
        t += length;
    }
    if ((t - start) % bt != 0)
        fail(song.fileName() + "/" + part.name + " from bar " + std::to_string(int(bar) + 1),
             "line does not end on a bar line");
}

std::vector<Chord> chords(Song &song, double bar, std::string_view line, int transpose) {
    static const char *const names[] = {"C", "Db", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
    std::vector<Chord> out;
    const int bt = song.barTicks();
    int t = song.at(bar);
    for (std::string_view group : split(line, '|')) {
        const auto syms = words(group);
        if (syms.empty()) continue;
        const int len = bt / int(syms.size());
        if (bt % int(syms.size()) != 0) fail(song.fileName(), "chords do not divide the bar");
        for (std::string_view sym : syms) {
            if (sym == ".") {
                if (out.empty()) fail(song.fileName(), "'.' before the first chord");
                out.back().duration += len;
            } else {
                Chord c = parseChord(sym, song.fileName() + " chord '" + std::string(sym) + "'");
                if (transpose % 12 != 0) {
                    const size_t quality = sym.size() > 1 && (sym[1] == '#' || sym[1] == 'b') ? 2 : 1;
                    const size_t slash = std::min(sym.find('/'), sym.size());
                    c.root = (c.root + transpose % 12 + 12) % 12;
                    c.bass = (c.bass + transpose % 12 + 12) % 12;
                    c.name = names[c.root] + std::string(sym.substr(quality, slash - quality));
                    if (slash < sym.size()) c.name += std::string("/") + names[c.bass];
                }
                c.tick = t;
                c.duration = len;
                out.push_back(c);
            }
            t += len;
        }
    }
    song.addHarmony(out);
    return out;
}

void comp(Part &part, const Song &song, const std::vector<Chord> &chords, std::string_view pattern, int low,
          int velocity) {
    std::vector<int> voiced;
    const Chord *struck = nullptr;
    std::vector<size_t> ringing;
    for (const Step &s : steps(song, chords, pattern, song.fileName() + "/" + part.name)) {
        const Chord *c = chordAt(chords, s.tick);
        char sym = s.symbol;
        if (sym == '-' && !ringing.empty() && c != struck) sym = 'o'; // the harmony moved on
        if (sym == '-') {
            for (size_t n : ringing)
                part.notes[n].duration += s.length;
        } else if (sym == '.') {
            ringing.clear();
        } else {
            if (std::string_view("Xxog").find(sym) == std::string_view::npos)
                fail(song.fileName() + "/" + part.name, std::string("bad comping step '") + sym + "'");
            voiced = voicing(*c, low, voiced);
            struck = c;
            ringing.clear();
            const int barStart = s.tick - (s.tick - chords.front().tick) % song.barTicks();
            const int v = velocityAt(strength(sym, velocity), s.tick, barStart, song.barTicks());
            for (int key : voiced) {
                ringing.push_back(part.notes.size());
                part.notes.push_back({s.tick, s.length, key, std::clamp(v + jitter(s.tick, key), 1, 127)});
            }
        }
    }
}

void arpeggio(Part &part, const Song &song, const std::vector<Chord> &chords, std::string_view pattern,
              int low, int velocity) {
    std::vector<int> voiced;
    const Chord *last = nullptr;
    long ringing = -1;
    for (const Step &s : steps(song, chords, pattern, song.fileName() + "/" + part.name)) {
        const Chord *c = chordAt(chords, s.tick);
        if (c != last) voiced = voicing(*c, low, voiced), last = c;
        if (s.symbol == '-') {
            if (ringing >= 0) part.notes[size_t(ringing)].duration += s.length;
        } else if (s.symbol == '.') {
            ringing = -1;
        } else if (std::isdigit(static_cast<unsigned char>(s.symbol)) && s.symbol != '0') {
            const int k = s.symbol - '1', n = int(voiced.size());
            const int key = voiced[size_t(k % n)] + 12 * (k / n);
            ringing = long(part.notes.size());
            part.notes.push_back({s.tick, s.length, key, std::clamp(velocity + jitter(s.tick, key), 1, 127)});
        } else {
            fail(song.fileName() + "/" + part.name, std::string("bad arpeggio step '") + s.symbol + "'");
        }
    }
}

void bass(Part &part, const Song &song, const std::vector<Chord> &chords, std::string_view pattern, int low,
          int velocity) {
    const auto all = steps(song, chords, pattern, song.fileName() + "/" + part.name);
    long ringing = -1;
    int previous = low + 6;
    for (size_t i = 0; i < all.size(); ++i) {
        const Step &s = all[i];
        const Chord *c = chordAt(chords, s.tick);
        const int root = lowestAtOrAbove(c->root, low);
        auto tone = [&](int wanted, int fallback) {
            for (int t : c->tones)
                if (t == wanted) return root + t;
            return root + fallback;
        };
        auto has = [&](int t) { return std::find(c->tones.begin(), c->tones.end(), t) != c->tones.end(); };
        int key = -1;
        switch (s.symbol) {
        case '-':
            if (ringing >= 0) part.notes[size_t(ringing)].duration += s.length;
            continue;
        case '.':
            ringing = -1;
            continue;
        case 'R':
        case '1':
            key = lowestAtOrAbove(c->bass, low);
            break;
        case '2':
            key = root + 2;
            break;
        case '3':
            key = has(3) ? root + 3 : has(4) ? root + 4 : root + 5;
            break;
        case '4':
            key = root + 5;
            break;
        case '5':
            key = has(6) && !has(7) ? root + 6 : has(8) ? root + 8 : root + 7;
            break;
        case '6':
            key = tone(9, 9);
            break;
        case '7':
            key = has(11) ? root + 11 : has(9) && !has(10) && has(6) ? root + 9 : root + 10;
            break;
        case '8':
            key = root + 12;
            break;
        case 'L':
            key = root - 5;
            break;
        case 'A': // the key is chosen when the song is written and all that follows is known
            part.approaches.push_back({part.notes.size(), s.tick + s.length, low, previous});
            key = previous;
            break;
        default:
            fail(song.fileName() + "/" + part.name, std::string("bad bass step '") + s.symbol + "'");
        }
        const bool downbeat = (s.tick - chords.front().tick) % song.barTicks() == 0;
        ringing = long(part.notes.size());
        part.notes.push_back(
            {s.tick, s.length, key, std::clamp(velocity + (downbeat ? 6 : 0) + jitter(s.tick, key), 1, 127)});
        previous = key;
    }
}

void drums(Part &part, const Song &song, double bar, int bars, std::initializer_list<DrumRow> rows,
           int percent) {
    const int bt = song.barTicks(), start = song.at(bar);
    for (const DrumRow &row : rows) {
        const auto groups = split(row.pattern, '|');
        for (int b = 0; b < bars; ++b) {
            std::string cells;
            for (char ch : groups[size_t(b) % groups.size()])
                if (!std::isspace(static_cast<unsigned char>(ch))) cells += ch;
            if (cells.empty()) continue; // a silent bar
            if (bt % int(cells.size()) != 0)
                fail(song.fileName() + "/" + part.name, "drum bar '" + cells + "' does not divide the bar");
            const int len = bt / int(cells.size());
            for (size_t k = 0; k < cells.size(); ++k) {
                const char c = cells[k];
                if (c == '.') continue;
                const int base = c == 'X' ? 118 : c == 'x' ? 96 : c == 'o' ? 72 : c == 'g' ? 46 : -1;
                if (base < 0)
                    fail(song.fileName() + "/" + part.name, std::string("bad drum step '") + c + "'");
                const int tick = start + b * bt + int(k) * len;
                const int v = base * percent / 100 + jitter(tick, row.key);
                part.notes.push_back({tick, std::min(len, 120), row.key, std::clamp(v, 1, 127)});
            }
        }
    }
}

} // namespace score
