#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The audio data of a WAV file: uncompressed PCM, 8-bit unsigned or 16-bit signed,
// mono or stereo, interleaved as in the file.
struct WavData {
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;
    std::span<const uint8_t> Frames;
};

// Finds the format and the audio data of a RIFF WAVE file. Anything else (another
// encoding, a truncated header, chunk sizes that point outside the file) gives nothing;
// a data chunk longer than the file is cut to the whole frames present.
std::optional<WavData> ParseWav(std::span<const uint8_t> bytes);

// The sound as 16-bit mono samples at the given rate: channels are averaged and the rate
// is converted by linear interpolation.
std::vector<int16_t> ToMono16(const WavData& wav, int outputRate);
