#include "runtime/audioengine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <fluidsynth.h>
#include <map>
#include <set>
#include <sndfile.h>
#include <thread>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
std::atomic<AudioEngine::Output> output = AudioEngine::Output::Device;

// --- MIDI files ------------------------------------------------------------------------------------

void silentLog(int, const char *, void *) {}

quint32 be32(const QByteArray &d, qsizetype at) {
    const auto *p = reinterpret_cast<const unsigned char *>(d.constData() + at);
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

// A Standard MIDI File whose header and every track it announces lie within the file. FluidSynth
// would otherwise wait for tracks that never come, and the channel would never fall silent.
bool wellFormedMidi(const QByteArray &d) {
    if (d.size() < 14 || !d.startsWith("MThd") || be32(d, 4) != 6) return false;
    const int format = (uchar(d[8]) << 8) | uchar(d[9]);
    const int tracks = (uchar(d[10]) << 8) | uchar(d[11]);
    if (format > 2 || tracks < 1) return false;
    qsizetype at = 14;
    for (int t = 0; t < tracks; ++t) {
        if (at + 8 > d.size() || d.mid(at, 4) != "MTrk") return false;
        const quint32 length = be32(d, at + 4);
        if (length > quint32(d.size() - at - 8)) return false;
        at += 8 + qsizetype(length);
    }
    return true;
}

// --- the soundfont, as the music needs it ----------------------------------------------------------
//
// A General MIDI soundfont holds some two hundred instruments, and FluidSynth builds a sizeable
// structure for every zone of every one of them, although the game's music plays a few dozen. So
// the synthesizers read the soundfont through a view in which the presets no piece of music selects
// have lost their instruments (the soundfont format ignores a preset zone without one); with dynamic
// sample loading, only the samples of the presets the music selects are ever read.

// A preset as bank * 128 + program; the drum kits are bank 128.
using Presets = std::set<int>;
constexpr int kDrumBank = 128;

qsizetype readVarLen(const QByteArray &d, qsizetype &at, qsizetype end) {
    qsizetype v = 0;
    for (int i = 0; i < 4 && at < end; ++i) {
        const uchar b = uchar(d[at++]);
        v = (v << 7) | (b & 0x7f);
        if (!(b & 0x80)) return v;
    }
    return -1;
}

// Every preset a MIDI file asks for: its program changes with the bank chosen before them (on the
// drum channel, drum kits), and the default piano or drum kit of a channel that plays before it
// changes program. The file is expected to be well formed (wellFormedMidi); a damaged track ends
// the walk.
void addRequests(const QByteArray &d, std::set<std::pair<int, int>> &out) {
    qsizetype at = 14;
    bool chosen[16] = {};
    while (at + 8 <= d.size() && d.mid(at, 4) == "MTrk") {
        const qsizetype end = std::min<qsizetype>(d.size(), at + 8 + qsizetype(be32(d, at + 4)));
        int bank[16] = {};
        uchar status = 0;
        for (at += 8; at < end;) {
            if (readVarLen(d, at, end) < 0 || at >= end) break;
            uchar b = uchar(d[at]);
            if (b == 0xff || b == 0xf0 || b == 0xf7) {
                at += b == 0xff ? 2 : 1;
                const qsizetype length = readVarLen(d, at, end);
                if (length < 0) break;
                at += length;
                continue;
            }
            if (b & 0x80) {
                status = b;
                ++at;
            }
            if (!(status & 0x80)) break;
            const int kind = status & 0xf0, channel = status & 0x0f;
            const int size = kind == 0xc0 || kind == 0xd0 ? 1 : 2;
            if (at + size > end) break;
            const int v1 = uchar(d[at]) & 0x7f, v2 = size > 1 ? uchar(d[at + 1]) & 0x7f : 0;
            if (kind == 0xb0 && v1 == 0) bank[channel] = v2;
            if (kind == 0xc0) out.insert({channel == 9 ? kDrumBank : bank[channel], v1});
            if (kind == 0xc0) chosen[channel] = true;
            if (kind == 0x90 && v2 > 0 && !chosen[channel]) out.insert({channel == 9 ? kDrumBank : 0, 0});
            at += size;
        }
        at = end;
    }
}

// The view: words of the soundfont file replaced while it is read (file offset, new value).
using Patch = std::map<qint64, quint16>;

class SoundFontView {
  public:
    explicit SoundFontView(const QString &path);
    const QString &path() const { return path_; }
    // Adds what a MIDI file selects; true when the view changed (synthesizers made before lack it).
    bool addMusic(const QByteArray &midi);
    // The presets (bank * 128 + program) the synthesizer plays a MIDI file with.
    Presets presetsOf(const QByteArray &midi) const;
    std::shared_ptr<const Patch> patch() const { return patch_; }
    int generation() const { return generation_; }

  private:
    int resolve(int bank, int program, bool drum) const;
    void rebuild();

    QString path_;
    QByteArray phdr_, pbag_, pgen_;
    qint64 pgenAt_ = -1;
    Presets inFont_, used_;
    std::shared_ptr<const Patch> patch_ = std::make_shared<Patch>();
    int generation_ = 0;
};

quint16 le16(const QByteArray &d, qsizetype at) {
    return quint16(uchar(d[at]) | uchar(d[at + 1]) << 8);
}
quint32 le32(const QByteArray &d, qsizetype at) {
    return quint32(le16(d, at)) | quint32(le16(d, at + 2)) << 16;
}

SoundFontView::SoundFontView(const QString &path) : path_(path) {
    // Finds the preset chunks; anything unexpected leaves the view empty, and the whole soundfont
    // is loaded as it is.
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return;
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "sfbk") return;
    qint64 at = 12;
    while (at + 12 <= f.size() && phdr_.isEmpty()) {
        f.seek(at);
        const QByteArray list = f.read(12);
        if (list.size() < 12) return;
        const qint64 size = le32(list, 4);
        if (list.startsWith("LIST") && list.mid(8, 4) == "pdta") {
            for (qint64 sub = at + 12; sub + 8 <= std::min(f.size(), at + 8 + size);) {
                f.seek(sub);
                const QByteArray hdr = f.read(8);
                const qint64 length = le32(hdr, 4);
                if (length > 4 * 1024 * 1024) return;
                if (hdr.startsWith("phdr")) phdr_ = f.read(length);
                if (hdr.startsWith("pbag")) pbag_ = f.read(length);
                if (hdr.startsWith("pgen")) {
                    pgenAt_ = sub + 8;
                    pgen_ = f.read(length);
                }
                sub += 8 + length + (length & 1);
            }
            break;
        }
        at += 8 + size + (size & 1);
    }
    if (phdr_.size() < 2 * 38 || pbag_.size() < 8 || pgen_.size() < 8 || pgenAt_ < 0) phdr_.clear();
    for (qsizetype p = 0; p + 2 * 38 <= phdr_.size(); p += 38)
        inFont_.insert(le16(phdr_, p + 22) * 128 + le16(phdr_, p + 20));
    // What every synthesizer selects before any music: the piano, and the standard drum kit.
    used_ = {resolve(0, 0, false), resolve(kDrumBank, 0, true)};
    rebuild();
}

// The preset FluidSynth falls back to when the one asked for is missing.
int SoundFontView::resolve(int bank, int program, bool drum) const {
    for (int p : {bank * 128 + program, drum ? kDrumBank * 128 : program, drum ? kDrumBank * 128 : 0})
        if (inFont_.count(p)) return p;
    return -1;
}

Presets SoundFontView::presetsOf(const QByteArray &midi) const {
    std::set<std::pair<int, int>> asked;
    addRequests(midi, asked);
    Presets presets;
    for (auto [bank, program] : asked)
        if (const int p = resolve(bank, program, bank == kDrumBank); p >= 0) presets.insert(p);
    return presets;
}

bool SoundFontView::addMusic(const QByteArray &midi) {
    std::set<std::pair<int, int>> asked;
    addRequests(midi, asked);
    const size_t before = used_.size();
    for (auto [bank, program] : asked)
        used_.insert(resolve(bank, program, bank == kDrumBank));
    if (used_.size() == before) return false;
    rebuild();
    return true;
}

void SoundFontView::rebuild() {
    ++generation_;
    auto patch = std::make_shared<Patch>();
    const qsizetype presets = phdr_.size() / 38 - 1; // the last record only ends the list
    for (qsizetype i = 0; i < presets; ++i) {
        const qsizetype p = i * 38;
        if (used_.count(le16(phdr_, p + 22) * 128 + le16(phdr_, p + 20))) continue;
        for (qsizetype bag = le16(phdr_, p + 24); bag < le16(phdr_, p + 38 + 24); ++bag) {
            // Not laid out as expected: the whole soundfont, then.
            if ((bag + 2) * 4 > pbag_.size()) return patch_.reset(new Patch);
            for (qsizetype gen = le16(pbag_, bag * 4); gen < le16(pbag_, bag * 4 + 4); ++gen) {
                if ((gen + 1) * 4 > pgen_.size()) return patch_.reset(new Patch);
                // The zone's instrument becomes a generator that presets may not carry, and the
                // zone is dropped as it is read.
                if (le16(pgen_, gen * 4) == 41) patch->emplace(pgenAt_ + gen * 4, 0);
            }
        }
    }
    patch_ = std::move(patch);
}

std::mutex viewMutex;
std::shared_ptr<const Patch> currentPatch; // read by the file callbacks, on the audio thread too

struct ViewFile {
    FILE *file;
    std::shared_ptr<const Patch> patch;
};

void *viewOpen(const char *name) {
    FILE *f = std::fopen(name, "rb");
    if (!f) return nullptr;
    std::lock_guard lock(viewMutex);
    return new ViewFile{f, currentPatch};
}
int viewRead(void *buf, fluid_long_long_t count, void *handle) {
    auto *v = static_cast<ViewFile *>(handle);
    const qint64 from = std::ftell(v->file);
    if (from < 0 || std::fread(buf, 1, size_t(count), v->file) != size_t(count)) return FLUID_FAILED;
    if (v->patch)
        for (auto it = v->patch->lower_bound(from - 1); it != v->patch->end() && it->first < from + count;
             ++it)
            for (int k = 0; k < 2; ++k)
                if (it->first + k >= from && it->first + k < from + count)
                    static_cast<char *>(buf)[it->first + k - from] = char(it->second >> (8 * k));
    return FLUID_OK;
}
int viewSeek(void *handle, fluid_long_long_t offset, int origin) {
    return std::fseek(static_cast<ViewFile *>(handle)->file, long(offset), origin) == 0 ? FLUID_OK
                                                                                        : FLUID_FAILED;
}
fluid_long_long_t viewTell(void *handle) {
    return std::ftell(static_cast<ViewFile *>(handle)->file);
}
int viewClose(void *handle) {
    auto *v = static_cast<ViewFile *>(handle);
    std::fclose(v->file);
    delete v;
    return FLUID_OK;
}

// The view of the system's soundfont, made with the first piece of music and widened by every
// piece that selects more. All the MIDI files beside the game are read at once, so that one
// synthesizer serves the whole game. It outlives the engine, whose loader may still be using it
// while the program ends.
SoundFontView *soundFontView() {
    static std::unique_ptr<SoundFontView> &view = *new std::unique_ptr<SoundFontView>;
    if (!view) {
        const QString font = findSoundFont();
        if (font.isEmpty()) return nullptr;
        view = std::make_unique<SoundFontView>(font);
        const QDir dir = QDir::current();
        for (const QString &name : dir.entryList({"*.mid", "*.midi"}, QDir::Files)) {
            QFile f(dir.filePath(name));
            if (f.size() <= AudioEngine::kMaxFileBytes && f.open(QIODevice::ReadOnly)) {
                const QByteArray midi = f.readAll();
                if (wellFormedMidi(midi)) view->addMusic(midi);
            }
        }
    }
    return view.get();
}

// --- the synthesizers ------------------------------------------------------------------------------

// FluidSynth synthesizers are costly to make (the soundfont is loaded into each), so one is kept and
// reused: a channel that switches tracks gets a reset synthesizer, not a new one. A second one,
// made while another was in use (the menu's music over the game's), is let go when its channel
// closes, or its 6 MB would stay for the rest of the game.
struct Synth {
    fluid_settings_t *settings = nullptr;
    fluid_synth_t *synth = nullptr;
    int generation = 0; // of the soundfont view it was made with
    int font = -1;      // its id in the synthesizer
    Presets pinned;     // the instruments of the piece it plays, loaded before the piece starts
};
std::vector<Synth> &idleSynths() {
    // Outlives the engine, whose destructor empties it.
    static auto *idle = new std::vector<Synth>;
    return *idle;
}

int synthsInUse = 0; // held by a source

// Loads the samples of a piece's instruments now, on the caller's thread, so that the piece's own
// program changes at its first tick find them ready instead of reading a large soundfont in the
// middle of the mix; the previous piece's instruments are let go. No channel keeps the default
// piano either, whose samples would otherwise stay loaded for nothing.
void selectInstruments(Synth &s, const Presets &presets) {
    for (int p : presets)
        if (!s.pinned.count(p)) fluid_synth_pin_preset(s.synth, s.font, p / 128, p % 128);
    for (int channel = 0; channel < 16; ++channel)
        fluid_synth_unset_program(s.synth, channel);
    for (int p : s.pinned)
        if (!presets.count(p)) fluid_synth_unpin_preset(s.synth, s.font, p / 128, p % 128);
    s.pinned = presets;
}

void deleteSynth(Synth &s) {
    delete_fluid_synth(s.synth);
    delete_fluid_settings(s.settings);
}

bool takeSynth(Synth &s, const QByteArray &midi) {
    SoundFontView *view = soundFontView();
    if (!view) return false;
    view->addMusic(midi);
    // Synthesizers made before the view last widened lack some of this music's instruments.
    auto &idle = idleSynths();
    for (Synth &old : idle)
        if (old.generation != view->generation()) deleteSynth(old);
    idle.erase(std::remove_if(idle.begin(), idle.end(),
                              [&](const Synth &old) { return old.generation != view->generation(); }),
               idle.end());
    if (!idle.empty()) {
        s = idle.back();
        idle.pop_back();
        ++synthsInUse;
        selectInstruments(s, view->presetsOf(midi));
        return true;
    }
    static bool quiet = false;
    if (!quiet) {
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
            fluid_set_log_function(level, silentLog, nullptr);
        quiet = true;
    }
    s.settings = new_fluid_settings();
    fluid_settings_setnum(s.settings, "synth.sample-rate", AudioEngine::kRate);
    // The music is balanced for FluidR3 at this gain: about -16 LUFS, every peak under -2 dBFS.
    fluid_settings_setnum(s.settings, "synth.gain", 1.14);
    fluid_settings_setstr(s.settings, "player.timing-source", "sample");
    fluid_settings_setint(s.settings, "synth.threadsafe-api", 0);
    fluid_settings_setint(s.settings, "synth.dynamic-sample-loading", 1);
    // Every voice costs some 11 KB whether it sounds or not; the densest piece of the game's music
    // sounds 144 at once.
    fluid_settings_setint(s.settings, "synth.polyphony", 192);
    s.synth = new_fluid_synth(s.settings);
    s.generation = view->generation();
    if (s.synth) {
        if (fluid_sfloader_t *loader = new_fluid_defsfloader(s.settings)) {
            fluid_sfloader_set_callbacks(loader, viewOpen, viewRead, viewSeek, viewTell, viewClose);
            fluid_synth_add_sfloader(s.synth, loader);
        }
        std::lock_guard lock(viewMutex);
        currentPatch = view->patch();
    }
    if (!s.synth || (s.font = fluid_synth_sfload(s.synth, QFile::encodeName(view->path()).constData(), 1)) ==
                        FLUID_FAILED) {
        if (s.synth) delete_fluid_synth(s.synth);
        delete_fluid_settings(s.settings);
        return false;
    }
    selectInstruments(s, view->presetsOf(midi));
#ifdef __GLIBC__
    // Reading the soundfont leaves megabytes of freed scratch memory scattered through the heap,
    // where the C library would keep it for the life of the program: hand it back now.
    malloc_trim(0);
#endif
    ++synthsInUse;
    return true;
}

void giveBack(Synth s) {
    --synthsInUse;
    if (synthsInUse > 0 || !idleSynths().empty()) {
        deleteSynth(s);
#ifdef __GLIBC__
        malloc_trim(0);
#endif
        return;
    }
    // Silent, and with the controllers a piece may have left behind back at their defaults; a full
    // reset would select the default piano on every channel and load its samples.
    for (int channel = 0; channel < 16; ++channel) {
        fluid_synth_all_sounds_off(s.synth, channel);
        fluid_synth_cc(s.synth, channel, 121, 0); // reset all controllers
        for (auto [control, value] : {std::pair{0, 0}, {32, 0}, {7, 100}, {10, 64}, {91, 40}, {93, 0}})
            fluid_synth_cc(s.synth, channel, control, value);
    }
    idleSynths().push_back(s);
}

class MidiSource : public AudioSource {
  public:
    MidiSource(Synth synth, fluid_player_t *player) : synth_(synth), player_(player) {}
    ~MidiSource() override {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
        giveBack(synth_);
    }
    int mixInto(float *out, int frames) override {
        if (!started_) {
            started_ = fluid_player_play(player_) == FLUID_OK;
            if (!started_) return 0;
        }
        buf_.assign(size_t(frames) * 2, 0.0f);
        fluid_synth_write_float(synth_.synth, frames, buf_.data(), 0, 2, buf_.data(), 1, 2);
        for (int i = 0; i < frames * 2; ++i)
            out[i] += buf_[i];
        // The player only says "done" a while after the music ends; the musical end is its last tick.
        const int total = fluid_player_get_total_ticks(player_);
        const bool done = fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING ||
                          (total > 0 && fluid_player_get_current_tick(player_) >= total);
        return done ? 0 : frames;
    }

  private:
    Synth synth_;
    fluid_player_t *player_;
    bool started_ = false;
    std::vector<float> buf_;
};

void sdlCallback(void *, Uint8 *stream, int len) {
    AudioEngine::instance().render(reinterpret_cast<float *>(stream), len / int(sizeof(float) * 2));
}
} // namespace

// --- loading ---------------------------------------------------------------------------------------

namespace {
// libsndfile reads the WAV from memory through these.
struct MemoryFile {
    const QByteArray *data;
    sf_count_t pos = 0;
};
sf_count_t memLength(void *user) {
    return static_cast<MemoryFile *>(user)->data->size();
}
sf_count_t memSeek(sf_count_t offset, int whence, void *user) {
    auto *m = static_cast<MemoryFile *>(user);
    const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m->pos : m->data->size();
    m->pos = std::clamp<sf_count_t>(base + offset, 0, m->data->size());
    return m->pos;
}
sf_count_t memRead(void *ptr, sf_count_t count, void *user) {
    auto *m = static_cast<MemoryFile *>(user);
    const sf_count_t n = std::clamp<sf_count_t>(m->data->size() - m->pos, 0, count);
    std::memcpy(ptr, m->data->constData() + m->pos, size_t(n));
    m->pos += n;
    return n;
}
sf_count_t memWrite(const void *, sf_count_t, void *) {
    return 0;
}
sf_count_t memTell(void *user) {
    return static_cast<MemoryFile *>(user)->pos;
}
} // namespace

namespace {
// A WAV is played straight from its file's bytes and decoded as it sounds, so it costs the memory
// of the file (the bar's loop 3.3 MB) instead of twice that as samples, and opening it costs
// nothing but reading it. Other rates are resampled on the way (linearly), one channel is played
// on both sides, and of more than two the first two are played.
class WavSource : public AudioSource {
  public:
    explicit WavSource(const QByteArray &data) : data_(data), mem_{&data_} {}
    ~WavSource() override {
        if (file_) sf_close(file_);
    }
    WavSource(const WavSource &) = delete;
    WavSource &operator=(const WavSource &) = delete;

    // False when nothing in the data can be played.
    bool open() {
        SF_VIRTUAL_IO io{memLength, memSeek, memRead, memWrite, memTell};
        SF_INFO info{};
        file_ = sf_open_virtual(&io, SFM_READ, &info, &mem_);
        if (!file_ || info.channels < 1 || info.channels > 16 || info.samplerate < 1000 ||
            info.samplerate > 384000)
            return false;
        channels_ = info.channels;
        step_ = double(info.samplerate) / AudioEngine::kRate;
        // A loop marked in the file (the bar's music, which the bar plays again and again).
        SF_INSTRUMENT instrument{};
        if (info.samplerate == AudioEngine::kRate &&
            sf_command(file_, SFC_GET_INSTRUMENT, &instrument, sizeof instrument) == SF_TRUE &&
            instrument.loop_count > 0 && instrument.loops[0].start == 0 && instrument.loops[0].end > kGrace)
            loopEnd_ = std::min<qint64>(instrument.loops[0].end, info.frames);
        left_ = size_t(info.samplerate) * 600; // the header's length is not trusted: ten minutes at most
        chunk_.resize(size_t(kChunk) * size_t(channels_));
        frames_.resize(size_t(kChunk + 1) * 2);
        return fill();
    }

    int mixInto(float *out, int frames) override {
        int n = 0;
        for (; n < frames; ++n) {
            float gain = 1;
            if (loopEnd_ > 0) {
                // At the loop's end the sound goes on from its start, for a moment only unless it is
                // played again meanwhile: then it fades out and ends.
                if (played_ == loopEnd_) {
                    if (!seekTo(0)) break;
                    pastEnd_ = !restarted_;
                    restarted_ = false;
                }
                if (pastEnd_ && played_ >= kGrace) break;
                if (pastEnd_) gain = std::min(1.0f, float(kGrace - played_) / AudioEngine::kFadeOut);
            }
            size_t a = size_t(pos_);
            while (a + 1 >= have_ && fill())
                a = size_t(pos_);
            if (a >= have_) break; // played to the end
            const size_t b = a + 1 < have_ ? a + 1 : a;
            const float f = float(pos_ - double(a));
            out[n * 2] += gain * (frames_[a * 2] * (1 - f) + frames_[b * 2] * f);
            out[n * 2 + 1] += gain * (frames_[a * 2 + 1] * (1 - f) + frames_[b * 2 + 1] * f);
            pos_ += step_;
            ++played_;
        }
        return n;
    }

    bool continueLoop(int heard) override {
        if (loopEnd_ <= 0) return false;
        std::vector<float> discard(size_t(std::max(heard, 1)) * 2);
        if (heard > 0 && mixInto(discard.data(), heard) < heard) return false;
        if (pastEnd_ && played_ + AudioEngine::kFadeOut < kGrace) { // played again just after the end
            pastEnd_ = false;
            return true;
        }
        if (!pastEnd_ && !restarted_ && loopEnd_ - played_ <= kGrace) { // just before it
            restarted_ = true;
            return true;
        }
        return false;
    }
    Mark mark() const override {
        if (loopEnd_ <= 0) return {};
        if (played_ == loopEnd_) return {0, !restarted_, false}; // as it goes on across
        return {played_, pastEnd_, restarted_};
    }
    void rewind(const Mark &m) override {
        if (loopEnd_ <= 0 || m.frame < 0 || !seekTo(m.frame)) return;
        pastEnd_ = m.pastEnd;
        restarted_ = m.restarted;
    }

  private:
    static constexpr int kChunk = 4096;
    // How far from its loop's end a looping sound may be played again and still go on seamlessly:
    // the timer that plays it again runs on the user interface, the sound on the audio device.
    static constexpr qint64 kGrace = AudioEngine::kRate / 2;

    bool seekTo(qint64 frame) {
        if (sf_seek(file_, frame, SEEK_SET) != frame) return false;
        have_ = 0;
        pos_ = 0;
        ended_ = false;
        left_ = size_t(AudioEngine::kRate) * 600 - size_t(frame);
        played_ = frame;
        return fill();
    }

    // Decodes the next frames after the last one decoded, which stays in front of them for the
    // interpolation across.
    bool fill() {
        if (ended_) return false;
        const sf_count_t got =
            left_ > 0 ? sf_readf_float(file_, chunk_.data(), std::min<sf_count_t>(kChunk, left_)) : 0;
        if (got <= 0) {
            ended_ = true;
            return false;
        }
        left_ -= size_t(got);
        size_t at = 0;
        if (have_ > 0) {
            frames_[0] = frames_[(have_ - 1) * 2];
            frames_[1] = frames_[(have_ - 1) * 2 + 1];
            pos_ -= double(have_ - 1);
            at = 1;
        }
        for (sf_count_t i = 0; i < got; ++i, ++at) {
            const float l = chunk_[size_t(i) * size_t(channels_)];
            const float r = channels_ > 1 ? chunk_[size_t(i) * size_t(channels_) + 1] : l;
            frames_[at * 2] = std::isfinite(l) ? std::clamp(l, -1.0f, 1.0f) : 0.0f;
            frames_[at * 2 + 1] = std::isfinite(r) ? std::clamp(r, -1.0f, 1.0f) : 0.0f;
        }
        have_ = at;
        return true;
    }

    QByteArray data_;
    MemoryFile mem_;
    SNDFILE *file_ = nullptr;
    int channels_ = 0;
    double step_ = 1;           // frames of the file per frame played
    size_t left_ = 0;           // frames the ten-minute limit still allows
    std::vector<float> chunk_;  // as read, every channel
    std::vector<float> frames_; // stereo: the last frame decoded before, then the chunk
    size_t have_ = 0;           // frames in frames_
    double pos_ = 0;            // where playing is, in frames_
    bool ended_ = false;
    qint64 played_ = 0;  // frames played since the start (of the loop, for a looping sound)
    qint64 loopEnd_ = 0; // 0: the sound does not loop
    bool pastEnd_ = false, restarted_ = false; // beyond the loop's end; played again before it
};
} // namespace

std::unique_ptr<AudioSource> loadWav(const QByteArray &data) {
    auto source = std::make_unique<WavSource>(data);
    if (!source->open()) return nullptr;
    return source;
}

std::unique_ptr<AudioSource> loadMidi(const QByteArray &data) {
    if (!wellFormedMidi(data)) return nullptr;
    Synth s;
    if (!takeSynth(s, data)) return nullptr;
    fluid_player_t *player = new_fluid_player(s.synth);
    if (!player || fluid_player_add_mem(player, data.constData(), size_t(data.size())) != FLUID_OK) {
        if (player) delete_fluid_player(player);
        giveBack(s);
        return nullptr;
    }
    return std::make_unique<MidiSource>(s, player);
}

QString resolveMediaFile(const QString &bareName) {
    if (bareName.isEmpty() || bareName.contains('/') || bareName.contains('\\') || bareName == ".." ||
        bareName == ".")
        return {};
    QDir dir = QDir::current();
    if (QFileInfo(dir.filePath(bareName)).isFile()) return dir.filePath(bareName);
    const QStringList names = dir.entryList(QDir::Files);
    for (const QString &n : names)
        if (n.compare(bareName, Qt::CaseInsensitive) == 0) return dir.filePath(n);
    return {};
}

QStringList soundFontPreference() {
    // FluidR3 first: full bandwidth and every instrument the music uses, and light because only the
    // presets the music selects are ever read. TimGM6mb, the small set of the 1990s' sound, only
    // where FluidR3 is not installed; then whatever the system calls its General MIDI set.
    return {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/FluidR3_GM.sf2",
            "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
            "/usr/share/soundfonts/default.sf2"};
}

QString findSoundFont(const QStringList &candidates) {
    for (const QString &c : candidates)
        if (QFileInfo(c).isReadable()) return c;
    return {};
}

// --- the limiter -----------------------------------------------------------------------------------

void Limiter::process(float *stereo, int frames) {
    // Holding the reduced gain for a while and letting it rise over a fifth of a second keeps it from
    // following the waveform itself, which would only be clipping by another name.
    constexpr int kHold = AudioEngine::kRate / 40;
    const double rise = 1.0 - std::exp(-1.0 / (0.2 * AudioEngine::kRate));
    for (int i = 0; i < frames; ++i) {
        float &l = stereo[i * 2], &r = stereo[i * 2 + 1];
        if (!std::isfinite(l)) l = 0;
        if (!std::isfinite(r)) r = 0;
        const double peak = std::max(std::abs(l), std::abs(r));
        if (hold_ > 0)
            --hold_;
        else if (gain_ < 1.0)
            gain_ = gain_ > 0.9999 ? 1.0 : gain_ + (1.0 - gain_) * rise;
        if (peak * gain_ > kCeiling) {
            gain_ = kCeiling / peak;
            hold_ = kHold;
        }
        const float g = float(gain_);
        l = std::clamp(l * g, -kCeiling, kCeiling);
        r = std::clamp(r * g, -kCeiling, kCeiling);
    }
}

// --- the engine ------------------------------------------------------------------------------------

// Prepares sounds away from the UI thread: making a synthesizer and loading a piece's instruments out
// of a large soundfont takes from a few to a few hundred milliseconds, decoding the bar's loop a few,
// and a click must never wait for that. Sounds let go are freed here too, since freeing a piece hands
// its synthesizer back to the pool the loads take theirs from. One job at a time, in the order they
// were asked for.
class AudioEngine::Loader {
  public:
    struct Job {
        int channel = 0;
        unsigned ticket = 0;
        QString path; // empty: only sounds to free
        std::vector<std::unique_ptr<AudioSource>> release;
    };
    explicit Loader(AudioEngine &engine) : engine_(engine), thread_([this] { run(); }) {}
    ~Loader() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    void post(Job job) {
        {
            std::lock_guard lock(mutex_);
            jobs_.push_back(std::move(job));
        }
        wake_.notify_all();
    }
    void wait() {
        std::unique_lock lock(mutex_);
        ++waiting_;
        wake_.notify_all();
        done_.wait(lock, [this] { return jobs_.empty() && !busy_; });
        --waiting_;
    }

  private:
    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            // Offline, nothing is prepared before somebody waits for it: as late as it could ever be.
            wake_.wait(lock, [this] {
                return stop_ || (!jobs_.empty() && (output == Output::Device || waiting_ > 0));
            });
            if (jobs_.empty()) return;
            Job job = std::move(jobs_.front());
            jobs_.pop_front();
            busy_ = true;
            const bool ending = stop_; // the program ends: what is left only needs freeing
            lock.unlock();
            job.release.clear();
            if (!job.path.isEmpty() && !ending)
                engine_.install(job.channel, job.ticket, load(job.path), job.path);
            lock.lock();
            busy_ = false;
            done_.notify_all();
        }
    }
    AudioEngine &engine_;
    std::mutex mutex_;
    std::condition_variable wake_, done_;
    std::deque<Job> jobs_;
    bool busy_ = false, stop_ = false;
    int waiting_ = 0;
    std::thread thread_;
};

AudioEngine &AudioEngine::instance() {
    static AudioEngine engine;
    return engine;
}

void AudioEngine::setOutput(Output o) {
    output = o;
}

AudioEngine::AudioEngine() : loader_(std::make_unique<Loader>(*this)) {}

AudioEngine::~AudioEngine() {
    loader_.reset(); // lets what it is preparing finish
    if (device_) SDL_CloseAudioDevice(device_);
    channels_.clear();
    for (Synth &s : idleSynths())
        deleteSynth(s);
    idleSynths().clear();
}

AudioEngine::Channel *AudioEngine::find(int id) {
    for (Channel &c : channels_)
        if (c.id == id) return &c;
    return nullptr;
}

const AudioEngine::Channel *AudioEngine::find(int id) const {
    for (const Channel &c : channels_)
        if (c.id == id) return &c;
    return nullptr;
}

int AudioEngine::createChannel() {
    std::lock_guard lock(mutex_);
    channels_.emplace_back();
    channels_.back().id = nextId_;
    return nextId_++;
}

void AudioEngine::destroyChannel(int channel) {
    Loader::Job job;
    {
        std::lock_guard lock(mutex_);
        auto it = std::find_if(channels_.begin(), channels_.end(),
                               [&](const Channel &c) { return c.id == channel; });
        if (it == channels_.end()) return;
        job.release.push_back(std::move(it->source));
        job.release.push_back(std::move(it->looping));
        channels_.erase(it);
    }
    loader_->post(std::move(job));
}

namespace {
float fadeOutGain(int i) { // frame i of the fade-out, from 1 down to 0
    return float(0.5 * (1 + std::cos(M_PI * (i + 1) / AudioEngine::kFadeOut)));
}
float fadeInGain(int i) { // frame i of the fade-in, from 0 up to 1
    return float(0.5 * (1 - std::cos(M_PI * (i + 1) / (AudioEngine::kFadeIn + 1))));
}
} // namespace

// Cuts the channel's track off: its next moment is mixed now, faded out, and played as the tail.
// A looping sound is kept where it was, in case it is played again at once (the sources to release
// are freed by the caller, outside the lock).
void AudioEngine::cut(Channel &c, std::vector<std::unique_ptr<AudioSource>> &release) {
    ++c.ticket; // a piece still being prepared for the channel will not be played
    c.loading = false;
    if (!c.source) {
        c.playing = false;
        return;
    }
    if (c.playing) {
        std::vector<float> tail(size_t(kFadeOut) * 2, 0.0f), next(size_t(kFadeOut) * 2, 0.0f);
        for (size_t i = c.tailAt * 2, k = 0; i < c.tail.size(); ++i, ++k)
            tail[k] = c.tail[i];
        const AudioSource::Mark mark = c.source->mark();
        const int n = c.source->mixInto(next.data(), kFadeOut);
        for (int i = 0; i < n; ++i) {
            const float g = fadeOutGain(i) * (c.faded + i < kFadeIn ? fadeInGain(c.faded + i) : 1.0f);
            tail[i * 2] += next[i * 2] * g;
            tail[i * 2 + 1] += next[i * 2 + 1] * g;
        }
        c.tail = std::move(tail);
        c.tailAt = 0;
        if (mark.frame >= 0) {
            c.source->rewind(mark);
            release.push_back(std::move(c.looping));
            c.looping = std::move(c.source);
        }
    }
    release.push_back(std::move(c.source));
    c.playing = false;
}

bool AudioEngine::open(int channel, const QString &path) {
    Loader::Job job;
    job.channel = channel;
    job.path = path;
    {
        std::lock_guard lock(mutex_);
        Channel *c = find(channel);
        if (!c) return false;
        cut(*c, job.release);
        job.ticket = c->ticket;
        // The same looping sound again, close to its loop's end: it goes on without a seam.
        if (c->looping && c->path == path && c->looping->continueLoop(int(c->tailAt))) {
            c->source = std::move(c->looping);
            c->tail.clear();
            c->tailAt = 0;
            c->playing = true;
            c->faded = kFadeIn;
            job.path.clear(); // nothing to prepare, only what was cut off to free
        } else {
            job.release.push_back(std::move(c->looping));
            c->loading = !path.isEmpty();
        }
    }
    const bool opened = !path.isEmpty();
    loader_->post(std::move(job));
    return opened;
}

// Reads, decodes and prepares a sound file: nullptr when it cannot be played.
std::unique_ptr<AudioSource> AudioEngine::load(const QString &path) {
    QFile f(path);
    // The game's files are a few megabytes at most; anything huge is not one of them.
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly) || f.size() > kMaxFileBytes) return nullptr;
    const QByteArray data = f.readAll();
    if (path.endsWith(".mid", Qt::CaseInsensitive) || path.endsWith(".midi", Qt::CaseInsensitive))
        return loadMidi(data);
    return loadWav(data);
}

// Puts a prepared sound on its channel, unless the channel has moved on since it was asked for.
void AudioEngine::install(int channel, unsigned ticket, std::unique_ptr<AudioSource> source,
                          const QString &path) {
    {
        std::lock_guard lock(mutex_);
        Channel *c = find(channel);
        if (!c || c->ticket != ticket) return; // the source is freed below, outside the lock
        c->loading = false;
        c->source = std::move(source);
        c->path = path;
        c->faded = 0;
        if (!c->source) c->playing = false;
    }
    updatePause();
}

void AudioEngine::play(int channel) {
    {
        std::lock_guard lock(mutex_);
        Channel *c = find(channel);
        if (!c || !(c->source || c->loading)) return;
        c->playing = true;
    }
    ensureDevice();
    updatePause();
}

void AudioEngine::close(int channel) {
    Loader::Job job; // what is cut off is freed on the loader's thread
    {
        std::lock_guard lock(mutex_);
        if (Channel *c = find(channel)) cut(*c, job.release);
    }
    loader_->post(std::move(job));
    updatePause();
}

void AudioEngine::closeAll() {
    Loader::Job job;
    {
        std::lock_guard lock(mutex_);
        for (Channel &c : channels_) {
            cut(c, job.release);
            job.release.push_back(std::move(c.looping));
        }
    }
    loader_->post(std::move(job));
    updatePause();
}

// Offline, the mix and its state are those of every piece asked for so far, as if loading took no
// time: what the tests and the benchmark hear does not depend on how busy the machine is.
void AudioEngine::settle() const {
    if (output == Output::Offline) loader_->wait();
}

bool AudioEngine::isPlaying(int channel) const {
    settle();
    std::lock_guard lock(mutex_);
    const Channel *c = find(channel);
    return c && (c->source || c->loading) && c->playing;
}

bool AudioEngine::isOpen(int channel) const {
    settle();
    std::lock_guard lock(mutex_);
    const Channel *c = find(channel);
    return c && (c->source || c->loading);
}

void AudioEngine::render(float *out, int frames) {
    std::memset(out, 0, sizeof(float) * size_t(frames) * 2);
    settle();
    std::lock_guard lock(mutex_);
    if (scratch_.size() < size_t(frames) * 2) scratch_.resize(size_t(frames) * 2);
    for (Channel &c : channels_) {
        for (int i = 0; i < frames && c.tailAt * 2 < c.tail.size(); ++i, ++c.tailAt) {
            out[i * 2] += c.tail[c.tailAt * 2] * c.gain;
            out[i * 2 + 1] += c.tail[c.tailAt * 2 + 1] * c.gain;
        }
        if (!c.playing || !c.source) continue;
        std::fill_n(scratch_.begin(), size_t(frames) * 2, 0.0f);
        // A quieter channel goes on playing (also at 0) so that it keeps its place in the track.
        const int n = c.source->mixInto(scratch_.data(), frames);
        for (int i = 0; i < n && c.faded < kFadeIn; ++i, ++c.faded) {
            scratch_[i * 2] *= fadeInGain(c.faded);
            scratch_[i * 2 + 1] *= fadeInGain(c.faded);
        }
        for (int i = 0; i < frames * 2; ++i)
            out[i] += scratch_[i] * c.gain;
        if (n < frames) c.playing = false; // the track has ended
    }
    limiter_.process(out, frames);
}

void AudioEngine::setGain(int channel, float gain) {
    std::lock_guard lock(mutex_);
    if (Channel *c = find(channel)) c->gain = std::clamp(gain, 0.0f, 1.0f);
}

namespace {
// While SDL looks for a device, the sound libraries behind it write their own complaints straight to
// the standard error (ALSA's "cannot find card '0'" and half a dozen lines more): they go nowhere.
class SilencedStderr {
  public:
    SilencedStderr() {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
        if (null >= 0) ::close(null);
    }
    ~SilencedStderr() {
        std::fflush(stderr);
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            ::close(saved_);
        }
    }

  private:
    int saved_;
};
} // namespace

void AudioEngine::ensureDevice() {
    if (deviceTried_ || output == Output::Offline) return;
    deviceTried_ = true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // Ctrl-C and kill must still end the game
    {
        SilencedStderr quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            SDL_AudioSpec want{}, have{};
            want.freq = kRate;
            want.format = AUDIO_F32SYS;
            want.channels = 2;
            want.samples = 1024;
            want.callback = sdlCallback;
            std::lock_guard pause(pauseMutex_);
            device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
            if (!device_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }
    if (!device_) std::fputs("no sound device: playing without sound\n", stderr);
}

void AudioEngine::updatePause() {
    std::lock_guard pause(pauseMutex_);
    if (!device_) return;
    bool any = false;
    {
        std::lock_guard lock(mutex_);
        for (const Channel &c : channels_)
            any = any || (c.playing && (c.source || c.loading)) || c.tailAt * 2 < c.tail.size();
    }
    // Nothing to play: let the device sleep instead of mixing silence.
    if (any == !paused_) return;
    paused_ = !any;
    SDL_PauseAudioDevice(device_, paused_ ? 1 : 0);
}
