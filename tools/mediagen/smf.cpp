#include "smf.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace smf {
namespace {

void put32(std::vector<uint8_t> &out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(v >> shift));
}

void putVarLen(std::vector<uint8_t> &out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7f;
    while (v >>= 7)
        buf[n++] = uint8_t(0x80 | (v & 0x7f));
    while (n)
        out.push_back(buf[--n]);
}

uint8_t data7(int v) {
    if (v < 0 || v > 127) throw std::runtime_error("MIDI data byte out of range: " + std::to_string(v));
    return uint8_t(v);
}

uint8_t status(int kind, int channel) {
    if (channel < 0 || channel > 15) throw std::runtime_error("MIDI channel out of range");
    return uint8_t(kind | channel);
}

} // namespace

namespace {
std::vector<uint8_t> textEvent(uint8_t type, const std::string &text) {
    std::vector<uint8_t> meta{0xff, type};
    putVarLen(meta, uint32_t(text.size()));
    meta.insert(meta.end(), text.begin(), text.end());
    return meta;
}
} // namespace

Track::Track(const std::string &name) {
    add(0, Meta, textEvent(0x03, name));
}

void Track::marker(int tick, const std::string &text) {
    add(tick, Meta, textEvent(0x06, text));
}

void Track::text(int tick, const std::string &text) {
    add(tick, Meta, textEvent(0x01, text));
}

void Track::add(int tick, Order order, std::vector<uint8_t> bytes) {
    if (tick < 0) throw std::runtime_error("MIDI event before the start");
    events_.push_back({tick, order, int(events_.size()), std::move(bytes)});
}

void Track::tempo(int tick, double bpm) {
    const auto us = uint32_t(std::lround(60'000'000.0 / bpm));
    add(tick, Meta, {0xff, 0x51, 0x03, uint8_t(us >> 16), uint8_t(us >> 8), uint8_t(us)});
}

void Track::timeSignature(int tick, int numerator, int denominator) {
    int log2den = 0;
    while ((1 << log2den) < denominator)
        ++log2den;
    add(tick, Meta, {0xff, 0x58, 0x04, data7(numerator), uint8_t(log2den), 24, 8});
}

void Track::program(int tick, int channel, int program) {
    add(tick, Setup, {status(0xc0, channel), data7(program)});
}

void Track::control(int tick, int channel, int controller, int value) {
    add(tick, Setup, {status(0xb0, channel), data7(controller), data7(value)});
}

void Track::note(int tick, int duration, int channel, int key, int velocity) {
    if (duration <= 0) throw std::runtime_error("note without length");
    add(tick, NoteOn, {status(0x90, channel), data7(key), data7(std::clamp(velocity, 1, 127))});
    add(tick + duration, NoteOff, {status(0x80, channel), data7(key), 64});
}

std::vector<uint8_t> Track::encode(int endTick) const {
    std::vector<const Event *> sorted;
    for (const auto &e : events_)
        sorted.push_back(&e);
    std::sort(sorted.begin(), sorted.end(), [](const Event *a, const Event *b) {
        if (a->tick != b->tick) return a->tick < b->tick;
        if (a->order != b->order) return a->order < b->order;
        return a->seq < b->seq;
    });
    std::vector<uint8_t> body;
    int now = 0;
    for (const Event *e : sorted) {
        putVarLen(body, uint32_t(e->tick - now));
        body.insert(body.end(), e->bytes.begin(), e->bytes.end());
        now = e->tick;
    }
    putVarLen(body, uint32_t(std::max(0, endTick - now)));
    body.insert(body.end(), {0xff, 0x2f, 0x00});

    std::vector<uint8_t> chunk{'M', 'T', 'r', 'k'};
    put32(chunk, uint32_t(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<uint8_t> file(const std::vector<Track> &tracks, int ticksPerQuarter, int endTick) {
    std::vector<uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.push_back(uint8_t(tracks.size() >> 8));
    out.push_back(uint8_t(tracks.size()));
    out.push_back(uint8_t(ticksPerQuarter >> 8));
    out.push_back(uint8_t(ticksPerQuarter));
    for (const auto &t : tracks) {
        auto chunk = t.encode(endTick);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

} // namespace smf
