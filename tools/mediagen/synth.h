// Small building blocks for the game's synthesized sounds: buffers, oscillators, filters,
// envelopes, a reverb. Everything is deterministic: noise comes from a seeded generator.
#pragma once
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace synth {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

inline size_t frames(double seconds) {
    return size_t(std::lround(seconds * kRate));
}
inline double hz(double key) {
    return 440.0 * std::pow(2.0, (key - 69.0) / 12.0);
}
inline double db(double decibels) {
    return std::pow(10.0, decibels / 20.0);
}
// 0 before a, 1 after b, a smooth S between.
double smoothstep(double a, double b, double x);

using Mono = std::vector<float>;

struct Stereo {
    Mono left, right;
    explicit Stereo(size_t n) : left(n), right(n) {}
    size_t size() const { return left.size(); }
    // Adds a mono sound starting at frame `at`; pan -1 (left) .. 1 (right), equal power.
    void mix(const Mono &sound, size_t at, double gain, double pan = 0);
};

// xorshift32 with a fixed seed: the same "random" numbers on every run.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    float white() { return float(next() * (2.0 / 4294967296.0) - 1.0); } // -1 .. 1
    double uniform() { return next() / 4294967296.0; }                   // 0 .. 1
  private:
    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    uint32_t state_;
};

// Band-limited sawtooth and square (polyBLEP), phase in 0..1.
class Oscillator {
  public:
    float saw(double freq);
    float square(double freq);
    float sine(double freq);

  private:
    double phase_ = 0;
};

// State variable filter (topology-preserving); the cutoff may move every sample.
class Filter {
  public:
    struct Out {
        float low, band, high;
    };
    Out run(float x, double cutoff, double q = 0.707);
    float low(float x, double cutoff, double q = 0.707) { return run(x, cutoff, q).low; }
    float band(float x, double cutoff, double q = 0.707) { return run(x, cutoff, q).band; }
    float high(float x, double cutoff, double q = 0.707) { return run(x, cutoff, q).high; }

  private:
    double ic1_ = 0, ic2_ = 0;
};

// A compact Schroeder/Freeverb-style room: combs and all-passes, different per side.
class Reverb {
  public:
    Reverb(double size, double damping);
    void process(Stereo &buffer, double wet);

  private:
    struct Line {
        std::vector<float> data;
        size_t pos = 0;
        float store = 0;
    };
    std::vector<Line> combs_[2], passes_[2];
    double feedback_, damping_;
};

// Peak and RMS over the whole buffer, in dBFS.
struct Level {
    double peakDb, rmsDb;
};
Level measure(const Stereo &buffer);
void normalise(Stereo &buffer, double peakDb);
// A gentle high-pass (about 10 Hz) that takes out any DC offset a saturation stage leaves.
void removeDc(Stereo &buffer);
void fade(Stereo &buffer, double inSeconds, double outSeconds);

} // namespace synth
