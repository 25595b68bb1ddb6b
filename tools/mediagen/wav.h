// RIFF WAVE writer: 16-bit PCM, 44100 Hz, mono or stereo.
#pragma once
#include <string>

#include "synth.h"

// Writes the buffer (both sides, or their average when `stereo` is false). Samples are
// rounded and limited to the 16-bit range; the caller keeps them below full scale. A looping
// sound marks the whole buffer as its loop (a "smpl" chunk), so that a player can go on across.
void writeWav(const std::string &path, const synth::Stereo &buffer, bool stereo, bool loops = false);
