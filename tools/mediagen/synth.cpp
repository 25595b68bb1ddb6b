#include "synth.h"

#include <algorithm>

namespace synth {

double smoothstep(double a, double b, double x) {
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

void Stereo::mix(const Mono &sound, size_t at, double gain, double pan) {
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1) * kPi / 4;
    const float gl = float(gain * std::cos(angle) * std::sqrt(2.0));
    const float gr = float(gain * std::sin(angle) * std::sqrt(2.0));
    for (size_t i = 0; i < sound.size() && at + i < size(); ++i) {
        left[at + i] += gl * sound[i];
        right[at + i] += gr * sound[i];
    }
}

namespace {
// Smooths the jump of a naive waveform at the wrap of its phase.
double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}
} // namespace

float Oscillator::saw(double freq) {
    const double dt = freq / kRate;
    const double v = 2 * phase_ - 1 - polyBlep(phase_, dt);
    phase_ += dt;
    phase_ -= std::floor(phase_);
    return float(v);
}

float Oscillator::square(double freq) {
    const double dt = freq / kRate;
    double v = phase_ < 0.5 ? 1 : -1;
    v += polyBlep(phase_, dt);
    v -= polyBlep(std::fmod(phase_ + 0.5, 1.0), dt);
    phase_ += dt;
    phase_ -= std::floor(phase_);
    return float(v);
}

float Oscillator::sine(double freq) {
    const double v = std::sin(2 * kPi * phase_);
    phase_ += freq / kRate;
    phase_ -= std::floor(phase_);
    return float(v);
}

Filter::Out Filter::run(float x, double cutoff, double q) {
    const double g = std::tan(kPi * std::clamp(cutoff, 10.0, kRate * 0.45) / kRate);
    const double k = 1 / q;
    const double a1 = 1 / (1 + g * (g + k)), a2 = g * a1, a3 = g * a2;
    const double v3 = x - ic2_;
    const double v1 = a1 * ic1_ + a2 * v3;
    const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2 * v1 - ic1_;
    ic2_ = 2 * v2 - ic2_;
    return {float(v2), float(v1), float(x - k * v1 - v2)};
}

Reverb::Reverb(double size, double damping) : feedback_(0.7 + 0.28 * size), damping_(damping) {
    static const int combs[] = {1116, 1188, 1277, 1356, 1422, 1491};
    static const int passes[] = {556, 441, 341};
    for (int side = 0; side < 2; ++side) {
        for (int c : combs)
            combs_[side].push_back(Line{std::vector<float>(size_t(c + 23 * side)), 0, 0});
        for (int p : passes)
            passes_[side].push_back(Line{std::vector<float>(size_t(p + 23 * side)), 0, 0});
    }
}

void Reverb::process(Stereo &buffer, double wet) {
    for (size_t i = 0; i < buffer.size(); ++i) {
        const float input = 0.5f * (buffer.left[i] + buffer.right[i]) * 0.12f;
        for (int side = 0; side < 2; ++side) {
            float out = 0;
            for (Line &c : combs_[side]) {
                const float y = c.data[c.pos];
                c.store = float(y * (1 - damping_) + c.store * damping_);
                c.data[c.pos] = float(input + c.store * feedback_);
                c.pos = (c.pos + 1) % c.data.size();
                out += y;
            }
            for (Line &p : passes_[side]) {
                const float y = p.data[p.pos];
                p.data[p.pos] = out + y * 0.5f;
                p.pos = (p.pos + 1) % p.data.size();
                out = y - out;
            }
            (side ? buffer.right : buffer.left)[i] += float(wet) * out;
        }
    }
}

Level measure(const Stereo &buffer) {
    double peak = 0, sum = 0;
    for (size_t i = 0; i < buffer.size(); ++i) {
        for (float v : {buffer.left[i], buffer.right[i]}) {
            peak = std::max(peak, double(std::abs(v)));
            sum += double(v) * v;
        }
    }
    const double rms = std::sqrt(sum / std::max<size_t>(1, 2 * buffer.size()));
    return {20 * std::log10(peak + 1e-12), 20 * std::log10(rms + 1e-12)};
}

void normalise(Stereo &buffer, double peakDb) {
    const double gain = db(peakDb - measure(buffer).peakDb);
    for (size_t i = 0; i < buffer.size(); ++i) {
        buffer.left[i] = float(buffer.left[i] * gain);
        buffer.right[i] = float(buffer.right[i] * gain);
    }
}

void removeDc(Stereo &buffer) {
    const double r = 1 - 2 * kPi * 10.0 / kRate;
    for (Mono *side : {&buffer.left, &buffer.right}) {
        double x1 = 0, y1 = 0;
        for (float &v : *side) {
            const double y = v - x1 + r * y1;
            x1 = v;
            y1 = y;
            v = float(y);
        }
    }
}

void fade(Stereo &buffer, double inSeconds, double outSeconds) {
    const size_t n = buffer.size(), in = frames(inSeconds), out = frames(outSeconds);
    for (size_t i = 0; i < n; ++i) {
        double g = 1;
        if (i < in) g *= double(i) / double(in);
        if (i + out >= n && out > 0) g *= double(n - 1 - i) / double(out);
        buffer.left[i] = float(buffer.left[i] * g);
        buffer.right[i] = float(buffer.right[i] * g);
    }
}

} // namespace synth
