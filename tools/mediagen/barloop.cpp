// Hudbabarvstupatd.wav - the rock bar's loop. The bar restarts it every 18630 ms, so the
// file is exactly 18.63 s (821583 frames): a 12-bar boogie in E whose 48 beats fill that
// time exactly (154.6 bpm). Drums, a walking bass and two distorted guitars (double-tracked,
// left and right) playing the boogie riff, palm-muted for the first four bars. The last bar
// turns around on B with a tom fill, so the restart lands on the crash of bar one.
#include <algorithm>
#include <cmath>

#include "pieces.h"
#include "synth.h"
#include "wav.h"

using namespace synth;

namespace {

constexpr size_t kLoopFrames = 821583; // 18.63 s at 44100 Hz
// Played without a seam, the loop follows itself: what rings on past its end (the last B, the
// room) is folded back onto its start.
constexpr size_t kRingFrames = 2 * 44100;
constexpr int kBars = 12;
constexpr double kBeat = double(kLoopFrames) / (kBars * 4); // frames per beat

size_t at(double beat) {
    return size_t(std::lround(beat * kBeat));
}

// -------------------------------------------------------------------------- drum voices

Mono kick(Noise &noise) {
    Mono out(frames(0.45));
    Oscillator body;
    Filter click;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double f = 48 + 120 * std::exp(-t / 0.03);
        const double v =
            body.sine(f) * std::exp(-t / 0.22) + click.low(noise.white(), 3000) * std::exp(-t / 0.004) * 0.6;
        out[i] = float(std::tanh(1.6 * v));
    }
    return out;
}

Mono snare(Noise &noise) {
    Mono out(frames(0.35));
    Oscillator a, b;
    Filter hp, lp;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double tone =
            a.sine(185) * 0.55 * std::exp(-t / 0.06) + b.sine(330) * 0.25 * std::exp(-t / 0.04);
        const double rattle = lp.low(hp.high(noise.white(), 1400), 9000) * std::exp(-t / 0.13);
        out[i] = float(tone + 0.9 * rattle);
    }
    return out;
}

// Six detuned squares through a high band: the metallic body of hats and cymbals.
Mono metal(Noise &noise, double seconds, double decay, double cutoff, double noiseMix) {
    static const double partials[] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
    Mono out(frames(seconds));
    Oscillator osc[6];
    Filter band, high;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        double m = 0;
        for (int k = 0; k < 6; ++k)
            m += osc[k].square(partials[k] * 1.7);
        const double v = (m / 6) * (1 - noiseMix) + noise.white() * noiseMix;
        const double env = std::min(1.0, t / 0.0008) * std::exp(-t / decay);
        out[i] = float(high.high(band.band(float(v), cutoff, 0.9), cutoff * 0.7) * env);
    }
    return out;
}

Mono tom(Noise &noise, double freq) {
    Mono out(frames(0.45));
    Oscillator body;
    Filter lp;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double f = freq * (1 + 0.5 * std::exp(-t / 0.025));
        out[i] = float(body.sine(f) * std::exp(-t / 0.2) +
                       lp.low(noise.white(), 2500) * 0.3 * std::exp(-t / 0.03));
    }
    return out;
}

// ------------------------------------------------------------------------ pitched voices

struct Stroke {
    double beat, beats; // start and length
    int keys[2];        // two strings, or -1
    bool muted;         // palm mute: darker, shorter
};

// A clean, bright string pair; the amp (below) does the rest.
void pluck(Mono &out, const Stroke &s, double detune, uint32_t seed) {
    Noise noise(seed);
    const size_t start = at(s.beat), len = at(s.beat + s.beats) - start;
    const size_t tail = frames(0.012);
    for (int key : s.keys) {
        if (key < 0) continue;
        Oscillator a, b;
        Filter tone;
        const double f = hz(key);
        for (size_t i = 0; i < len + tail && start + i < out.size(); ++i) {
            const double t = double(i) / kRate;
            double env = std::min(1.0, t / 0.002) *
                         (s.muted ? 0.35 + 0.65 * std::exp(-t / 0.05) : 0.7 + 0.3 * std::exp(-t / 0.12));
            if (i >= len) env *= 1 - double(i - len) / double(tail);
            const double cutoff =
                s.muted ? 500 + 900 * std::exp(-t / 0.03) : 2200 + 3000 * std::exp(-t / 0.08);
            const double raw = a.saw(f * (1 + detune)) + b.saw(f * (1 - detune)) + 0.02 * noise.white();
            out[start + i] += float(tone.low(float(raw), cutoff) * env * 0.5);
        }
    }
}

// Overdriven amplifier and a speaker cabinet with its bite around 2.4 kHz.
void amp(Mono &guitar, double drive) {
    Filter pre, cab1, cab2, presence, post;
    for (float &v : guitar) {
        const double x = pre.high(v, 180) * drive;
        const double clipped = std::tanh(x + 0.15) - std::tanh(0.15); // a touch asymmetric
        const float cab = cab2.low(cab1.low(float(clipped), 5200, 1.3), 8000);
        v = post.high(cab + 0.9f * presence.band(cab, 2400, 1.0), 90);
    }
}

void bassNote(Mono &out, int key, double beat, double beats) {
    const size_t start = at(beat), len = at(beat + beats) - start - frames(0.01);
    Oscillator saw, sub;
    Filter lp;
    const double f = hz(key);
    for (size_t i = 0; i < len + frames(0.01) && start + i < out.size(); ++i) {
        const double t = double(i) / kRate;
        double env = std::min(1.0, t / 0.003) * (0.75 + 0.25 * std::exp(-t / 0.1));
        if (i >= len) env *= 1 - double(i - len) / double(frames(0.01));
        const double v = lp.low(saw.saw(f), 380 + 1400 * std::exp(-t / 0.06), 1.1) + 0.6 * sub.sine(f);
        out[start + i] += float(std::tanh(1.4 * v) * env);
    }
}

} // namespace

void writeBarLoop(const std::string &dir) {
    // The twelve bars and their roots (E2 = 40): E E E E | A A E E | B A E B.
    static const int roots[kBars] = {40, 40, 40, 40, 45, 45, 40, 40, 47, 45, 40, 47};
    // Boogie riff: the root with its fifth, sixth, flat seventh, sixth - two eighths each.
    static const int riff[8] = {7, 7, 9, 9, 10, 10, 9, 9};
    // Walking bass, quarter notes: up the chord, then back down in the second bar.
    static const int walkUp[4] = {0, 4, 7, 9}, walkDown[4] = {10, 9, 7, 4};

    std::vector<Stroke> strokes;
    Mono bass(kLoopFrames + kRingFrames);
    for (int bar = 0; bar < kBars; ++bar) {
        const int root = roots[bar];
        const bool muted = bar < 4, turnaround = bar == kBars - 1;
        for (int e = 0; e < 8; ++e) {
            if (turnaround && e >= 4) break;
            strokes.push_back({bar * 4 + e * 0.5, 0.5, {root, root + riff[e]}, muted});
        }
        if (turnaround) strokes.push_back({bar * 4 + 2.0, 2.0, {root, root + 7}, false}); // let B ring
        const bool sameAsNext = bar + 1 < kBars && roots[bar + 1] == root && bar % 2 == 0;
        for (int q = 0; q < 4; ++q) {
            if (turnaround && q >= 2) {
                bassNote(bass, root - 12, bar * 4 + 2.0, 2.0);
                break;
            }
            const int step = (sameAsNext || bar % 2 == 0) ? walkUp[q] : walkDown[q];
            bassNote(bass, root - 12 + step, bar * 4 + q, 1.0);
        }
    }

    Mono left(kLoopFrames + kRingFrames), right(kLoopFrames + kRingFrames);
    uint32_t seed = 1;
    for (const Stroke &s : strokes) {
        pluck(left, s, 0.0016, seed++);
        Stroke late = s;
        late.beat += 0.012; // the second take is a hair behind
        pluck(right, late, 0.0023, seed++);
    }
    amp(left, 14);
    amp(right, 16);

    Stereo mix(kLoopFrames + kRingFrames);
    mix.mix(left, 0, 0.53, -0.7);
    mix.mix(right, 0, 0.53, 0.7);

    Noise noise(2024);
    const Mono kickHit = kick(noise), snareHit = snare(noise), hat = metal(noise, 0.12, 0.035, 9000, 0.35),
               openHat = metal(noise, 0.5, 0.25, 8000, 0.4), crash = metal(noise, 2.2, 0.9, 6000, 0.6);
    const Mono toms[3] = {tom(noise, 190), tom(noise, 140), tom(noise, 100)};
    for (int bar = 0; bar < kBars; ++bar) {
        const double b = bar * 4;
        const bool turnaround = bar == kBars - 1;
        if (bar % 4 == 0) mix.mix(crash, at(b), 0.45, -0.3);
        for (int e = 0; e < 8; ++e) {
            if (turnaround && e >= 4) break;
            const bool open = e == 7 && bar % 2 == 1;
            mix.mix(open ? openHat : hat, at(b + e * 0.5), e % 2 ? 0.3 : 0.42, 0.35);
        }
        mix.mix(kickHit, at(b), 0.85);
        mix.mix(snareHit, at(b + 1), 0.7, 0.05);
        if (!turnaround) {
            mix.mix(kickHit, at(b + 2), 0.8);
            if (bar % 2 == 1) mix.mix(kickHit, at(b + 2.5), 0.7);
            mix.mix(snareHit, at(b + 3), 0.72, 0.05);
        } else {
            // Fill: snare and toms in sixteenths over the ringing B, down into the restart.
            mix.mix(kickHit, at(b + 2), 0.9);
            mix.mix(crash, at(b + 2), 0.35, 0.3);
            for (int s = 0; s < 8; ++s) {
                const double beat = b + 2 + s * 0.25;
                if (s < 2)
                    mix.mix(snareHit, at(beat), 0.45 + 0.1 * s, 0.05);
                else
                    mix.mix(toms[(s - 2) / 2], at(beat), 0.7, 0.4 - 0.3 * ((s - 2) / 2));
            }
            mix.mix(kickHit, at(b + 3.5), 0.8);
        }
    }

    Reverb room(0.35, 0.5);
    room.process(mix, 0.18);
    // The bass stays dry and in the middle, and gives small speakers nothing they cannot play.
    Filter lowCut[2];
    for (float &v : bass)
        v = lowCut[1].high(lowCut[0].high(v, 45), 45);
    mix.mix(bass, 0, 0.4, 0);
    for (size_t i = kLoopFrames; i < mix.size(); ++i) {
        mix.left[i - kLoopFrames] += mix.left[i];
        mix.right[i - kLoopFrames] += mix.right[i];
    }
    mix.left.resize(kLoopFrames);
    mix.right.resize(kLoopFrames);

    normalise(mix, 0.0);
    for (size_t i = 0; i < mix.size(); ++i) { // gentle bus saturation rounds off the drum peaks
        mix.left[i] = std::tanh(mix.left[i]);
        mix.right[i] = std::tanh(mix.right[i]);
    }
    normalise(mix, -5.5); // as loud as the music of the other places
    writeWav(dir + "/Hudbabarvstupatd.wav", mix, true, true);
}
