// Feeds arbitrary bytes to the WAV reader and converts whatever it accepts. Checks that
// the audio data lies inside the input, holds whole frames, and that the converted sound
// has the length its frame count and rates give.
#include <cstdint>
#include <cstdlib>

#include "app/sound/WavFile.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const auto wav = ParseWav(bytes);
    if (!wav) return 0;
    Check(wav->Frames.data() >= data && wav->Frames.data() + wav->Frames.size() <= data + size);
    const std::size_t frameBytes = static_cast<std::size_t>(wav->Channels * wav->BitsPerSample / 8);
    Check(frameBytes > 0 && wav->Frames.size() % frameBytes == 0);
    const std::size_t frames = wav->Frames.size() / frameBytes;
    for (const int rate : {22050, 44100, 8000}) {
        const std::size_t expected =
            static_cast<std::size_t>(uint64_t(frames) * uint64_t(rate) / uint64_t(wav->SampleRate));
        Check(ToMono16(*wav, rate).size() == expected);
    }
    return 0;
}
