#include "app/sound/WavFile.h"

#include <algorithm>
#include <string_view>

namespace {

// Sample rates outside this range are not sounds the program plays; the bound also keeps
// the converted sound within a small multiple of the file's size.
constexpr int MinSampleRate = 4000;
constexpr int MaxSampleRate = 192000;

uint32_t LittleEndian(std::span<const uint8_t> bytes, std::size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[at + i];
    return value;
}

bool HasTag(std::span<const uint8_t> bytes, std::size_t at, std::string_view tag) {
    return std::string_view(reinterpret_cast<const char*>(bytes.data() + at), 4) == tag;
}

// One channel of one frame as a signed 16-bit value.
int Sample(const WavData& wav, std::size_t frame, int channel) {
    const std::size_t bytesPerSample = static_cast<std::size_t>(wav.BitsPerSample / 8);
    const std::size_t at =
        (frame * static_cast<std::size_t>(wav.Channels) + static_cast<std::size_t>(channel)) * bytesPerSample;
    if (bytesPerSample == 1) return (static_cast<int>(wav.Frames[at]) - 128) * 256;
    return static_cast<int16_t>(wav.Frames[at] | wav.Frames[at + 1] << 8);
}

} // namespace

std::optional<WavData> ParseWav(std::span<const uint8_t> bytes) {
    if (bytes.size() < 12 || !HasTag(bytes, 0, "RIFF") || !HasTag(bytes, 8, "WAVE")) return std::nullopt;
    std::optional<WavData> format;
    // Chunks follow one another, each an id, a size and its bytes padded to an even length.
    std::size_t at = 12;
    while (bytes.size() - at >= 8) {
        const uint32_t size = LittleEndian(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        const std::size_t available = bytes.size() - body;
        if (HasTag(bytes, at, "fmt ")) {
            if (size < 16 || size > available) return std::nullopt;
            WavData wav;
            const uint32_t encoding = LittleEndian(bytes, body, 2);
            wav.Channels = static_cast<int>(LittleEndian(bytes, body + 2, 2));
            const uint32_t rate = LittleEndian(bytes, body + 4, 4);
            wav.BitsPerSample = static_cast<int>(LittleEndian(bytes, body + 14, 2));
            const bool pcm = encoding == 1 && (wav.BitsPerSample == 8 || wav.BitsPerSample == 16) &&
                             (wav.Channels == 1 || wav.Channels == 2) && rate >= MinSampleRate &&
                             rate <= MaxSampleRate;
            if (!pcm) return std::nullopt;
            wav.SampleRate = static_cast<int>(rate);
            format = wav;
        } else if (HasTag(bytes, at, "data")) {
            if (!format) return std::nullopt;
            const std::size_t frameBytes =
                static_cast<std::size_t>(format->Channels * format->BitsPerSample / 8);
            const std::size_t length = std::min<std::size_t>(size, available);
            format->Frames = bytes.subspan(body, length - length % frameBytes);
            return format;
        }
        if (size > available) return std::nullopt;
        at = body + size + size % 2;
        if (at > bytes.size()) return std::nullopt;
    }
    return std::nullopt;
}

std::vector<int16_t> ToMono16(const WavData& wav, int outputRate) {
    const std::size_t frameBytes = static_cast<std::size_t>(wav.Channels * wav.BitsPerSample / 8);
    const std::size_t frames = frameBytes == 0 ? 0 : wav.Frames.size() / frameBytes;
    if (frames == 0 || outputRate <= 0) return {};
    std::vector<int> mono(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        int sum = 0;
        for (int c = 0; c < wav.Channels; ++c)
            sum += Sample(wav, f, c);
        mono[f] = sum / wav.Channels;
    }
    if (wav.SampleRate == outputRate) return std::vector<int16_t>(mono.begin(), mono.end());

    // Each output sample lies between two input samples; it takes the weighted mean of both.
    const std::size_t count =
        static_cast<std::size_t>(static_cast<uint64_t>(frames) * static_cast<uint64_t>(outputRate) /
                                 static_cast<uint64_t>(wav.SampleRate));
    std::vector<int16_t> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const uint64_t position = static_cast<uint64_t>(i) * static_cast<uint64_t>(wav.SampleRate);
        const std::size_t index = static_cast<std::size_t>(position / static_cast<uint64_t>(outputRate));
        const double fraction = static_cast<double>(position % static_cast<uint64_t>(outputRate)) /
                                static_cast<double>(outputRate);
        const int next = index + 1 < frames ? mono[index + 1] : mono[index];
        out[i] = static_cast<int16_t>(mono[index] + (next - mono[index]) * fraction);
    }
    return out;
}
