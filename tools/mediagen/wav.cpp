#include "wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

void put16(std::vector<uint8_t> &out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t> &out, uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}
void tag(std::vector<uint8_t> &out, const char *fourcc) {
    out.insert(out.end(), fourcc, fourcc + 4);
}

int16_t sample(double v) {
    return int16_t(std::clamp(std::lround(v * 32767.0), -32768L, 32767L));
}

} // namespace

void writeWav(const std::string &path, const synth::Stereo &buffer, bool stereo, bool loops) {
    const uint32_t channels = stereo ? 2 : 1, frames = uint32_t(buffer.size());
    const uint32_t dataBytes = frames * channels * 2;
    std::vector<uint8_t> out;
    tag(out, "RIFF");
    const uint32_t smplBytes = loops ? 8 + 60 : 0;
    put32(out, 36 + smplBytes + dataBytes);
    tag(out, "WAVE");
    tag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, synth::kRate);
    put32(out, synth::kRate * channels * 2);
    put16(out, channels * 2);
    put16(out, 16);
    if (loops) {
        tag(out, "smpl");
        put32(out, 60);
        for (uint32_t v : {0u, 0u, uint32_t(1000000000.0 / synth::kRate), 60u, 0u, 0u, 0u, 1u, 0u})
            put32(out, v); // maker, product, sample period, unity key, tuning, SMPTE, loops, extra
        for (uint32_t v : {0u, 0u, 0u, frames - 1, 0u, 0u})
            put32(out, v); // cue id, forward loop, first frame, last frame (inclusive), fraction, forever
    }
    tag(out, "data");
    put32(out, dataBytes);
    for (uint32_t i = 0; i < frames; ++i) {
        if (stereo) {
            put16(out, uint16_t(sample(buffer.left[i])));
            put16(out, uint16_t(sample(buffer.right[i])));
        } else {
            put16(out, uint16_t(sample(0.5 * (buffer.left[i] + buffer.right[i]))));
        }
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char *>(out.data()), std::streamsize(out.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}
