// The game's short sound effects: the rocket launch, the arrival on the city map, the lost
// game's sting and the police siren. All synthesized; noise from fixed seeds.
#include <algorithm>
#include <cmath>

#include "pieces.h"
#include "synth.h"
#include "wav.h"

using namespace synth;

// frame3start.wav - 4.0 s under the launch picture: the igniter fires with a thump at once and the
// fuel pumps start to whine, the engine coughs, a rumble builds up, the roar with its crackle, then
// the rocket climbs away and the sound thins out.
void writeLaunch(const std::string &dir) {
    Stereo out(frames(4.0));
    Noise nl(101), nr(202), nc(303), nt(404);
    Filter rumbleL, rumbleR, roarL, roarR, bodyL, bodyR, crackleF, whooshL, whooshR, turbulence, cough, spark;
    Oscillator thump, pump, pumpOver;
    double brownL = 0, brownR = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double build = smoothstep(0.2, 1.6, t);                        // ignition to full thrust
        const double away = t < 2.1 ? 1.0 : std::exp(-(t - 2.1) * 1.25);     // climbing out of earshot
        const double wobble = 1 + 0.25 * turbulence.low(nt.white(), 6) * 12; // slow flutter of the flame

        // Three coughs of the igniter before the engine catches.
        double pops = 0;
        for (double p : {0.04, 0.17, 0.29}) {
            if (t >= p) pops += std::exp(-(t - p) / 0.035) * (0.9 + p);
        }
        const float pop = cough.band(nc.white(), 700, 1.2) * float(pops);

        // The igniter: a low thump with a hiss of sparks, right at the start.
        const double bang = t < 0.02 ? 0.0
                                     : thump.sine(42 + 60 * std::exp(-(t - 0.02) / 0.04)) *
                                           std::exp(-(t - 0.02) / 0.18) * std::min(1.0, (t - 0.02) / 0.004);
        const double sparks = spark.high(nc.white(), 2500) * std::exp(-t / 0.25) * smoothstep(0.0, 0.01, t);

        // The fuel pumps spin up under everything and fade into the roar.
        const double pumpHz = 180 + 900 * smoothstep(0.0, 1.4, t);
        const double whine = (pump.sine(pumpHz) + 0.4 * pumpOver.sine(pumpHz * 2.01)) *
                             smoothstep(0.0, 0.06, t) * (1 - smoothstep(1.0, 2.2, t)) * 0.09;
        const double ignition = bang * 0.35 + sparks * 0.12 + whine;

        brownL = 0.995 * brownL + 0.05 * nl.white();
        brownR = 0.995 * brownR + 0.05 * nr.white();
        const double lowCut = 45 + 140 * build;
        const double rumble = (0.2 + 0.8 * build) * smoothstep(0.0, 0.4, t) * (0.35 + 0.65 * away);

        const double roarCut = std::max(350.0, (300 + 5200 * build * build) * std::pow(away, 1.6));
        const double roar = smoothstep(0.55, 1.7, t) * std::pow(away, 1.1) * wobble;

        // Crackle: sparse sharp grains, denser at full thrust.
        const double grain = nc.uniform() < 0.004 * build * away ? nc.white() * 3.0 : 0.0;
        const float crackle = crackleF.band(float(grain), 2200, 0.8);

        // Doppler-like whoosh as the rocket leaves: a resonance sliding down.
        const double sweep = 1800 * std::exp(-std::max(0.0, t - 2.0) * 1.3);
        const double whoosh = smoothstep(1.9, 2.5, t) * (1 - smoothstep(3.0, 4.0, t)) * 0.35;

        // The roar: a hiss up to roarCut over a heavier body below a quarter of it.
        const float wl = nl.white(), wr = nr.white();
        const double roarL1 = roarL.low(wl, roarCut) * 0.8 + bodyL.low(wl, roarCut * 0.25) * 1.4;
        const double roarR1 = roarR.low(wr, roarCut) * 0.8 + bodyR.low(wr, roarCut * 0.25) * 1.4;
        const double l = rumbleL.low(float(brownL), lowCut, 0.9) * 1.8 * rumble + roarL1 * roar +
                         whooshL.band(nl.white(), sweep, 2.5) * whoosh + crackle * 0.8 + pop + ignition;
        const double r = rumbleR.low(float(brownR), lowCut, 0.9) * 1.8 * rumble + roarR1 * roar +
                         whooshR.band(nr.white(), sweep * 1.04, 2.5) * whoosh + crackle * 0.6 + pop +
                         ignition;
        out.left[i] = float(l);
        out.right[i] = float(r);
    }
    Reverb(0.5, 0.4).process(out, 0.25);
    // Below 30 Hz a laptop plays nothing and a subwoofer only thumps: the rumble starts above it.
    // The ignition is brought up to the roar, so the launch is as loud as the music it cuts off
    // from its first moment.
    Filter lowCut[4];
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate, lift = 1 + 1.6 * (1 - smoothstep(0.4, 1.3, t));
        out.left[i] = float(lift * lowCut[1].high(lowCut[0].high(out.left[i], 32), 32));
        out.right[i] = float(lift * lowCut[3].high(lowCut[2].high(out.right[i], 32), 32));
    }
    normalise(out, -1.5);
    fade(out, 0.003, 0.35);
    writeWav(dir + "/frame3start.wav", out, true);
}

namespace {

// A glockenspiel-like bar: a bright strike with its inharmonic overtones.
Mono chime(double key, double seconds) {
    static const double ratio[] = {1.0, 2.76, 5.40, 8.93}, gain[] = {1.0, 0.45, 0.22, 0.08},
                        decay[] = {0.9, 0.3, 0.12, 0.05};
    Mono out(frames(seconds));
    const double f = hz(key);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (int k = 0; k < 4; ++k)
            if (f * ratio[k] < kRate / 2.5)
                v += gain[k] * std::exp(-t / decay[k]) * std::sin(2 * kPi * f * ratio[k] * t);
        out[i] = float(v * std::min(1.0, t / 0.0015));
    }
    return out;
}

} // namespace

// 9m18.wav - arriving on the map: a whoosh and a slide whistle dive from left to right,
// a soft bump on landing, and a cheerful chime arpeggio up to high C.
void writeArrival(const std::string &dir) {
    Stereo out(frames(2.6));
    Noise noise(909);
    Filter band;
    Oscillator whistle, thump;
    Filter thumpClick;
    for (size_t i = 0; i < frames(1.05); ++i) {
        const double t = double(i) / kRate;
        const double env = std::pow(std::sin(kPi * std::min(1.0, t / 1.0)), 2);
        const double pan = -0.8 + 1.6 * t;
        const double center = 3800 * std::exp(-t * 2.6);
        const double air = band.band(noise.white(), center, 2.5) * env * 0.9;
        const double slide = 1900 * std::exp(-t * 1.15) * (1 + 0.012 * std::sin(2 * kPi * 7 * t));
        const double tone = whistle.sine(slide) * env * 0.22 * smoothstep(0.05, 0.25, t);
        const double v = air + tone;
        const double angle = (pan + 1) * kPi / 4;
        out.left[i] += float(v * std::cos(angle) * 1.4);
        out.right[i] += float(v * std::sin(angle) * 1.4);
    }
    { // landing
        Mono bump(frames(0.3));
        for (size_t i = 0; i < bump.size(); ++i) {
            const double t = double(i) / kRate;
            bump[i] = float(thump.sine(50 + 70 * std::exp(-t / 0.03)) * std::exp(-t / 0.08) +
                            thumpClick.low(noise.white(), 1500) * std::exp(-t / 0.01) * 0.3);
        }
        out.mix(bump, frames(0.95), 0.55);
    }
    const double keys[] = {79, 84, 88, 91, 96}; // G5 C6 E6 G6 C7
    for (int k = 0; k < 5; ++k) {
        const double start = 1.0 + 0.09 * k;
        out.mix(chime(keys[k], 2.6 - start), frames(start), k == 4 ? 0.5 : 0.36, -0.4 + 0.2 * k);
    }
    out.mix(chime(72, 1.4), frames(1.36), 0.25, 0); // a low C under the top note
    Reverb(0.6, 0.3).process(out, 0.35);
    normalise(out, -3.0);
    fade(out, 0.003, 0.25);
    writeWav(dir + "/9m18.wav", out, true);
}

// uvod2.wav - the lost game: a muted trombone sighs down four half steps, "wah wah wah
// waaah", the last note wobbling and sagging before it dies.
void writeLost(const std::string &dir) {
    struct Wah {
        double key, start, length;
    };
    const Wah notes[] = {{62, 0.05, 0.40}, {61, 0.50, 0.40}, {60, 0.95, 0.40}, {59, 1.40, 1.10}};
    Stereo out(frames(2.8));
    for (const Wah &n : notes) {
        const bool last = &n == &notes[3];
        Oscillator saw;
        Filter mute, body;
        const size_t len = frames(n.length), tail = frames(0.07);
        Mono sound(len + tail);
        for (size_t i = 0; i < sound.size(); ++i) {
            const double t = double(i) / kRate;
            double cents = -40 * std::exp(-t / 0.03); // a lazy slide into each note
            double open = smoothstep(0.0, 0.09, t) * (1 - 0.7 * smoothstep(0.09, n.length, t));
            if (last) {
                cents += 30 * std::sin(2 * kPi * 5.5 * t) * smoothstep(0.15, 0.5, t);
                cents -= 150 * smoothstep(n.length - 0.45, n.length, t); // the final sag
                open = smoothstep(0.0, 0.09, t) *
                       (0.45 + 0.55 * (0.5 + 0.5 * std::cos(2 * kPi * 5.5 * (t - 0.09)))) *
                       (1 - 0.6 * smoothstep(0.3, n.length, t));
            }
            const double f = hz(n.key + cents / 100);
            double env = std::min(1.0, t / 0.025);
            if (i >= len) env *= 1 - double(i - len) / double(tail);
            const float raw = saw.saw(f);
            const float voiced = mute.low(raw, 300 + 1500 * open, 2.2);
            sound[i] = float(body.high(voiced, 120) * env);
        }
        out.mix(sound, frames(n.start), 0.8);
    }
    Reverb(0.5, 0.5).process(out, 0.3);
    normalise(out, -3.0);
    fade(out, 0.002, 0.2);
    writeWav(dir + "/uvod2.wav", out, true);
}

// police.wav - a patrol car with its two-tone horn (A and D, alternating every 0.6 s, in tune with
// the music's keys)
// drives past along the street: it comes from afar on the left, passes a few metres away and drives
// off to the right. Its level follows the distance, the far car sounds duller (the air swallows the
// highs), and the pitch drops as it goes by. It plays over the music every 26 s, so it stays well
// under it.
void writeSiren(const std::string &dir) {
    const double length = 4.4, closest = length / 2;
    const double speed = 14.0, nearest = 6.0, sound = 343.0; // 50 km/h, 6 m from the listener
    Stereo out(frames(length));
    Oscillator square, saw;
    Filter horn, speaker, high, grille, air;
    double logf = std::log(hz(74));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double along = speed * (t - closest);
        const double distance = std::hypot(nearest, along);
        const double approach = speed * along / distance; // > 0 while it drives away
        const bool hi = int(t / 0.6) % 2 == 0;
        const double target = std::log(hz(hi ? 74 : 69));                // D 5, A 4
        logf += (target - logf) * (1 - std::exp(-1.0 / (0.02 * kRate))); // 20 ms glide
        const double f = std::exp(logf) * sound / (sound + approach);
        const double raw = 0.75 * square.square(f) + 0.25 * saw.saw(f);
        const double shaped = horn.band(float(raw), 1000, 0.9) * 1.6 + speaker.low(float(raw), 2400) * 0.5;
        const double horned = grille.low(float(std::tanh(1.2 * high.high(float(shaped), 250))), 3000, 0.6);
        const double v = air.low(float(horned), 1200 + 4000 * nearest / distance) * nearest / distance;
        const double pan = std::clamp(along / 12.0, -1.0, 1.0) * 0.7;
        const double angle = (pan + 1) * kPi / 4;
        out.left[i] = float(v * std::cos(angle));
        out.right[i] = float(v * std::sin(angle));
    }
    Reverb(0.4, 0.5).process(out, 0.2);
    removeDc(out);
    normalise(out, -16.0);
    fade(out, 0.04, 0.3);
    writeWav(dir + "/police.wav", out, true);
}
