// Standard MIDI File writer (format 1). Events are collected at absolute ticks and
// encoded with delta times when the file is written.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace smf {

class Track {
  public:
    explicit Track(const std::string &name);

    void tempo(int tick, double bpm);
    void timeSignature(int tick, int numerator, int denominator);
    void marker(int tick, const std::string &text);
    void text(int tick, const std::string &text);
    void program(int tick, int channel, int program);
    void control(int tick, int channel, int controller, int value);
    void note(int tick, int duration, int channel, int key, int velocity);

    // The MTrk chunk, closed by end-of-track at endTick (or at the last event if later).
    std::vector<uint8_t> encode(int endTick) const;

  private:
    // At one tick: meta events, then channel setup, then note-offs, then note-ons,
    // so a repeated key is released before it is struck again.
    enum Order { Meta, Setup, NoteOff, NoteOn };
    struct Event {
        int tick;
        Order order;
        int seq;
        std::vector<uint8_t> bytes;
    };
    void add(int tick, Order order, std::vector<uint8_t> bytes);
    std::vector<Event> events_;
};

// A whole type 1 file: header chunk plus the tracks, all ending at endTick.
std::vector<uint8_t> file(const std::vector<Track> &tracks, int ticksPerQuarter, int endTick);

} // namespace smf
