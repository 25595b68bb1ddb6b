// libFuzzer target for the loaders of the game's media: the first byte chooses WAV or MIDI, the rest
// is the file. A loaded source is also rendered for a moment, since MIDI files are parsed as they play.
#include "runtime/audioengine.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const QByteArray file(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    std::unique_ptr<AudioSource> source = (data[0] & 1) ? loadMidi(file) : loadWav(file);
    if (source) {
        std::vector<float> out(4096 * 2);
        for (int i = 0; i < 4 && source->mixInto(out.data(), 4096) == 4096; ++i) {
        }
    }
    return 0;
}
