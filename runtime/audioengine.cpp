#include "runtime/audioengine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <fluidsynth.h>
#include <sndfile.h>

namespace {
AudioEngine::Output output = AudioEngine::Output::Device;

// --- WAV -------------------------------------------------------------------------------------------

class WavSource : public AudioSource {
  public:
    explicit WavSource(std::vector<float> frames) : data_(std::move(frames)) {}
    int mixInto(float *out, int frames) override {
        const size_t total = data_.size() / 2;
        const int n = int(std::min<size_t>(frames, total - pos_));
        const float *src = data_.data() + pos_ * 2;
        for (int i = 0; i < n * 2; ++i)
            out[i] += src[i];
        pos_ += n;
        return n;
    }

  private:
    std::vector<float> data_;
    size_t pos_ = 0;
};

// Linear resampling of interleaved stereo to the engine's rate.
std::vector<float> resample(const std::vector<float> &in, int fromRate) {
    if (fromRate == AudioEngine::kRate || in.empty()) return in;
    const size_t inFrames = in.size() / 2;
    const size_t outFrames = size_t(double(inFrames) * AudioEngine::kRate / fromRate);
    std::vector<float> out(outFrames * 2);
    const double step = double(fromRate) / AudioEngine::kRate;
    for (size_t i = 0; i < outFrames; ++i) {
        const double x = i * step;
        const size_t a = std::min(size_t(x), inFrames - 1), b = std::min(a + 1, inFrames - 1);
        const float f = float(x - double(a));
        for (int c = 0; c < 2; ++c)
            out[i * 2 + c] = in[a * 2 + c] * (1 - f) + in[b * 2 + c] * f;
    }
    return out;
}

// --- MIDI ------------------------------------------------------------------------------------------

void silentLog(int, const char *, void *) {}

// FluidSynth synthesizers are costly to make (the soundfont is loaded into each), so they are kept
// and reused: a channel that switches tracks gets a reset synthesizer, not a new one.
struct Synth {
    fluid_settings_t *settings = nullptr;
    fluid_synth_t *synth = nullptr;
};
std::vector<Synth> &idleSynths() {
    // Outlives the engine, whose destructor empties it.
    static auto *idle = new std::vector<Synth>;
    return *idle;
}

bool takeSynth(Synth &s) {
    if (!idleSynths().empty()) {
        s = idleSynths().back();
        idleSynths().pop_back();
        return true;
    }
    const QString font = findSoundFont();
    if (font.isEmpty()) return false;
    static bool quiet = false;
    if (!quiet) {
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
            fluid_set_log_function(level, silentLog, nullptr);
        quiet = true;
    }
    s.settings = new_fluid_settings();
    fluid_settings_setnum(s.settings, "synth.sample-rate", AudioEngine::kRate);
    fluid_settings_setnum(s.settings, "synth.gain", 0.7);
    fluid_settings_setstr(s.settings, "player.timing-source", "sample");
    fluid_settings_setint(s.settings, "synth.threadsafe-api", 0);
    s.synth = new_fluid_synth(s.settings);
    if (!s.synth || fluid_synth_sfload(s.synth, QFile::encodeName(font).constData(), 1) == FLUID_FAILED) {
        if (s.synth) delete_fluid_synth(s.synth);
        delete_fluid_settings(s.settings);
        return false;
    }
    return true;
}

void giveBack(Synth s) {
    fluid_synth_system_reset(s.synth);
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

std::unique_ptr<AudioSource> loadWav(const QByteArray &data) {
    SF_VIRTUAL_IO io{memLength, memSeek, memRead, memWrite, memTell};
    MemoryFile mem{&data};
    SF_INFO info{};
    SNDFILE *f = sf_open_virtual(&io, SFM_READ, &info, &mem);
    if (!f) return nullptr;
    std::vector<float> stereo;
    if (info.channels >= 1 && info.channels <= 16 && info.samplerate >= 1000 && info.samplerate <= 384000) {
        // The header's length is not trusted: read until the data ends, at most ten minutes.
        const size_t limit = size_t(info.samplerate) * 600;
        std::vector<float> chunk(size_t(4096) * info.channels);
        size_t frames = 0;
        sf_count_t got;
        while (frames < limit && (got = sf_readf_float(f, chunk.data(), 4096)) > 0) {
            for (sf_count_t i = 0; i < got; ++i) {
                const float l = chunk[size_t(i) * info.channels];
                const float r = info.channels > 1 ? chunk[size_t(i) * info.channels + 1] : l;
                stereo.push_back(std::isfinite(l) ? std::clamp(l, -1.0f, 1.0f) : 0.0f);
                stereo.push_back(std::isfinite(r) ? std::clamp(r, -1.0f, 1.0f) : 0.0f);
            }
            frames += size_t(got);
        }
        stereo = resample(stereo, info.samplerate);
    }
    sf_close(f);
    if (stereo.empty()) return nullptr;
    return std::make_unique<WavSource>(std::move(stereo));
}

namespace {
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
} // namespace

std::unique_ptr<AudioSource> loadMidi(const QByteArray &data) {
    if (!wellFormedMidi(data)) return nullptr;
    Synth s;
    if (!takeSynth(s)) return nullptr;
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

QString findSoundFont() {
    // The small TimGM6mb first: the music was balanced with it, and it costs a tenth of the memory of
    // the large fonts a system may also have.
    static const char *const candidates[] = {
        "/usr/share/sounds/sf2/TimGM6mb.sf2",   "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2",
        "/usr/share/soundfonts/FluidR3_GM.sf2",
    };
    for (const char *c : candidates)
        if (QFileInfo(QString::fromLatin1(c)).isReadable()) return QString::fromLatin1(c);
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

AudioEngine &AudioEngine::instance() {
    static AudioEngine engine;
    return engine;
}

void AudioEngine::setOutput(Output o) {
    output = o;
}

AudioEngine::~AudioEngine() {
    if (device_) SDL_CloseAudioDevice(device_);
    channels_.clear();
    for (Synth &s : idleSynths()) {
        delete_fluid_synth(s.synth);
        delete_fluid_settings(s.settings);
    }
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
    channels_.push_back(Channel{nextId_, nullptr, false});
    return nextId_++;
}

void AudioEngine::destroyChannel(int channel) {
    std::unique_ptr<AudioSource> old;
    {
        std::lock_guard lock(mutex_);
        auto it = std::find_if(channels_.begin(), channels_.end(),
                               [&](const Channel &c) { return c.id == channel; });
        if (it == channels_.end()) return;
        old = std::move(it->source);
        channels_.erase(it);
    }
}

bool AudioEngine::open(int channel, const QString &path) {
    close(channel);
    std::unique_ptr<AudioSource> src;
    QFile f(path);
    // The game's files are a few megabytes at most; anything huge is not one of them.
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly) || f.size() > kMaxFileBytes) return false;
    const QByteArray data = f.readAll();
    if (path.endsWith(".mid", Qt::CaseInsensitive) || path.endsWith(".midi", Qt::CaseInsensitive))
        src = loadMidi(data);
    else
        src = loadWav(data);
    if (!src) return false;
    std::lock_guard lock(mutex_);
    if (Channel *c = find(channel)) {
        c->source = std::move(src);
        c->playing = false;
        return true;
    }
    return false;
}

void AudioEngine::play(int channel) {
    {
        std::lock_guard lock(mutex_);
        Channel *c = find(channel);
        if (!c || !c->source) return;
        c->playing = true;
    }
    ensureDevice();
    updatePause();
}

void AudioEngine::close(int channel) {
    std::unique_ptr<AudioSource> old; // released outside the lock
    {
        std::lock_guard lock(mutex_);
        if (Channel *c = find(channel)) {
            old = std::move(c->source);
            c->playing = false;
        }
    }
    updatePause();
}

void AudioEngine::closeAll() {
    std::vector<std::unique_ptr<AudioSource>> old;
    {
        std::lock_guard lock(mutex_);
        for (Channel &c : channels_) {
            old.push_back(std::move(c.source));
            c.playing = false;
        }
    }
    updatePause();
}

bool AudioEngine::isPlaying(int channel) const {
    std::lock_guard lock(mutex_);
    const Channel *c = find(channel);
    return c && c->source && c->playing;
}

bool AudioEngine::isOpen(int channel) const {
    std::lock_guard lock(mutex_);
    const Channel *c = find(channel);
    return c && c->source;
}

void AudioEngine::render(float *out, int frames) {
    std::memset(out, 0, sizeof(float) * size_t(frames) * 2);
    std::lock_guard lock(mutex_);
    for (Channel &c : channels_) {
        if (!c.playing || !c.source) continue;
        if (c.source->mixInto(out, frames) < frames) c.playing = false; // the track has ended
    }
    limiter_.process(out, frames);
}

void AudioEngine::ensureDevice() {
    if (deviceTried_ || output == Output::Offline) return;
    deviceTried_ = true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // Ctrl-C and kill must still end the game
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    SDL_AudioSpec want{}, have{};
    want.freq = kRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = sdlCallback;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (!device_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void AudioEngine::updatePause() {
    if (!device_) return;
    bool any = false;
    {
        std::lock_guard lock(mutex_);
        for (const Channel &c : channels_)
            any = any || (c.playing && c.source);
    }
    // Nothing to play: let the device sleep instead of mixing silence.
    if (any == !paused_) return;
    paused_ = !any;
    SDL_PauseAudioDevice(device_, paused_ ? 1 : 0);
}
