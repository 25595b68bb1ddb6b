#pragma once
// The audio engine behind the media channels: each channel holds at most one source (a WAV decoded
// with libsndfile, or a MIDI file played by FluidSynth), and all channels are mixed into one SDL2
// output stream. Without a device (or in tests) the mix can be pulled offline with render().
// Every failure is silent: the channel simply has nothing to play.
// Sounds are prepared on a thread of their own (music's instruments come from a large soundfont), so
// opening one returns at once and it starts from its beginning as soon as it is ready.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

class AudioSource {
  public:
    virtual ~AudioSource() = default;
    // Adds up to frames stereo frames into out (interleaved L R); returns how many it produced.
    // Fewer than asked means the source has reached its end.
    virtual int mixInto(float *out, int frames) = 0;
    // A sound whose file marks a loop and that is played again close to the loop's end (a little
    // before or after it) goes on across it without a seam, instead of starting over: true when it
    // does. `heard` frames beyond where it was closed have already been mixed, fading out.
    virtual bool continueLoop(int heard) {
        (void)heard;
        return false;
    }
    // Where the sound is, to come back to it (continueLoop); only a looping sound has one.
    struct Mark {
        qint64 frame = -1;
        bool pastEnd = false, restarted = false;
    };
    virtual Mark mark() const { return {}; }
    virtual void rewind(const Mark &) {}
};

// The last stage of the mix: where the channels together would pass the ceiling, the whole mix is
// turned down at once and comes back up slowly, so loud moments keep their shape instead of being
// clipped flat. Below the ceiling the mix passes untouched.
class Limiter {
  public:
    static constexpr float kCeiling = 0.891f; // -1 dBFS
    void process(float *stereo, int frames);

  private:
    double gain_ = 1.0;
    int hold_ = 0; // frames before the gain may rise again
};

class AudioEngine {
  public:
    static constexpr int kRate = 44100;
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
    // A track that is cut off fades out over its last moment, and a new one fades in over its first,
    // so a change is immediate to the ear but never a click.
    static constexpr int kFadeOut = kRate * 15 / 1000;
    static constexpr int kFadeIn = kRate * 5 / 1000;

    enum class Output { Device, Offline };
    static AudioEngine &instance();
    // Tests switch to Offline before any sound is played: no device is opened, render() pulls the mix,
    // and render() and the questions below first wait until every piece asked for is ready.
    static void setOutput(Output output);

    int createChannel();
    void destroyChannel(int channel);
    // Hands a file to the loader, which prepares it for the channel (decoding a WAV, loading a MIDI
    // file into a player); false when there is no file. Whatever the channel held before is dropped.
    // A file that turns out to be unplayable (damaged, or music without a soundfont) leaves the
    // channel closed.
    bool open(int channel, const QString &path);
    void play(int channel);
    void close(int channel);
    bool isPlaying(int channel) const; // sounding now (false once the track has ended)
    bool isOpen(int channel) const;
    void closeAll();
    // The channel's own loudness in the mix, 0 (silent) to 1 (as recorded); it applies at once.
    void setGain(int channel, float gain);

    void render(float *out, int frames); // the mix, stereo interleaved
    bool deviceOpen() const { return device_ != 0; }

    ~AudioEngine();

  private:
    class Loader;
    AudioEngine();
    struct Channel {
        int id;
        std::unique_ptr<AudioSource> source;
        bool playing = false;
        int faded = 0;                        // frames of the source played so far, while it fades in
        std::vector<float> tail;              // the last moment of the track cut off before, faded out
        size_t tailAt = 0;                    // frames of the tail mixed so far
        QString path;                         // of the source, or of the looping sound below
        std::unique_ptr<AudioSource> looping; // closed near its loop's end, in case it comes again
        float gain = 1.0f;                    // the player's volume for this channel
        bool loading = false;                 // a piece is being prepared for it
        unsigned ticket = 0;                  // counts opens and closes: a piece ready too late is dropped
    };
    Channel *find(int id);
    const Channel *find(int id) const;
    void ensureDevice();
    void updatePause();
    void cut(Channel &c, std::vector<std::unique_ptr<AudioSource>> &release);
    void install(int channel, unsigned ticket, std::unique_ptr<AudioSource> source, const QString &path);
    void settle() const;
    static std::unique_ptr<AudioSource> load(const QString &path);

    mutable std::mutex mutex_;
    std::vector<Channel> channels_;
    int nextId_ = 1;
    std::atomic<unsigned> device_ = 0;
    bool deviceTried_ = false;
    std::mutex pauseMutex_; // the loader may wake the device as well
    bool paused_ = true;
    Limiter limiter_;
    std::vector<float> scratch_; // a channel with a gain of its own is mixed here first
    std::unique_ptr<Loader> loader_;
};

// Looks a bare file name up in the working directory, without regard to letter case.
// Returns the path to open, or an empty string.
QString resolveMediaFile(const QString &bareName);
// The General MIDI soundfonts the music may be played with, the preferred first.
QStringList soundFontPreference();
// The first of them found on the system, or an empty string.
QString findSoundFont(const QStringList &candidates = soundFontPreference());
// Sources, exposed for tests and the fuzzers: nullptr when the data cannot be played. Music shares
// its synthesizers with the loader, so they are made and freed offline only, where the loader works
// while somebody waits for it, never beside them.
std::unique_ptr<AudioSource> loadWav(const QByteArray &data);
std::unique_ptr<AudioSource> loadMidi(const QByteArray &data);
