#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/sound/SoundQueue.h"
#include "app/sound/WavFile.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put(Bytes& out, uint32_t value, int count) {
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutTag(Bytes& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

// Byte by byte: GCC 12 warns wrongly about inserting one byte vector into another.
void Append(Bytes& out, const Bytes& more) {
    for (uint8_t b : more)
        out.push_back(b);
}

Bytes FormatChunk(int encoding, int channels, int rate, int bits) {
    Bytes out;
    PutTag(out, "fmt ");
    Put(out, 16, 4);
    Put(out, encoding, 2);
    Put(out, channels, 2);
    Put(out, rate, 4);
    Put(out, rate * channels * bits / 8, 4);
    Put(out, channels * bits / 8, 2);
    Put(out, bits, 2);
    return out;
}

Bytes Chunk(const char* tag, const Bytes& body, uint32_t declaredSize) {
    Bytes out;
    PutTag(out, tag);
    Put(out, declaredSize, 4);
    Append(out, body);
    return out;
}

Bytes Riff(std::initializer_list<Bytes> chunks) {
    Bytes out;
    PutTag(out, "RIFF");
    Put(out, 0, 4); // players ignore the RIFF size, and so does the reader
    PutTag(out, "WAVE");
    for (const Bytes& c : chunks)
        Append(out, c);
    return out;
}

const Bytes FourSamples = {1, 0, 2, 0, 3, 0, 4, 0};

TEST(WavFile, RefusesWhatIsNotPlainPcm) {
    struct Case {
        const char* Name;
        Bytes File;
    };
    const Case cases[] = {
        {"empty", {}},
        {"not RIFF", Bytes(44, 0)},
        {"no data chunk", Riff({FormatChunk(1, 1, 22050, 16)})},
        {"data before format", Riff({Chunk("data", FourSamples, 8), FormatChunk(1, 1, 22050, 16)})},
        {"compressed", Riff({FormatChunk(2, 1, 22050, 16), Chunk("data", FourSamples, 8)})},
        {"24-bit", Riff({FormatChunk(1, 1, 22050, 24), Chunk("data", FourSamples, 8)})},
        {"six channels", Riff({FormatChunk(1, 6, 22050, 16), Chunk("data", FourSamples, 8)})},
        {"rate 1 Hz", Riff({FormatChunk(1, 1, 1, 16), Chunk("data", FourSamples, 8)})},
        {"format cut short", Riff({Chunk("fmt ", Bytes(8, 0), 8), Chunk("data", FourSamples, 8)})},
        {"chunk past the end", Riff({Chunk("LIST", Bytes(4, 0), 0xFFFFFFF0u), FormatChunk(1, 1, 22050, 16)})},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(ParseWav(c.File)) << c.Name;
}

// Other chunks are skipped, an odd-sized one with its pad byte; a data chunk that claims
// more than the file holds gives the whole frames present.
TEST(WavFile, FindsTheDataPastOtherChunksAndCutsItToTheFile) {
    const Bytes file = Riff({Chunk("LIST", {7, 7, 7, 0}, 3), FormatChunk(1, 2, 22050, 16),
                             Chunk("data", {1, 0, 2, 0, 3, 0, 4, 0, 5, 0}, 1000)});
    const auto wav = ParseWav(file);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->Channels, 2);
    EXPECT_EQ(wav->SampleRate, 22050);
    EXPECT_EQ(wav->Frames.size(), 8u);
    EXPECT_EQ(ToMono16(*wav, 22050), (std::vector<int16_t>{1, 3}));
}

TEST(WavFile, ConvertsToMono16AtTheOutputRate) {
    // The audio data stays in the file's bytes, so each file is kept while it is read.
    // 8-bit samples are unsigned around 128.
    const Bytes eightBitFile = Riff({FormatChunk(1, 1, 22050, 8), Chunk("data", {128, 255, 0}, 3)});
    const auto eightBit = ParseWav(eightBitFile);
    ASSERT_TRUE(eightBit);
    EXPECT_EQ(ToMono16(*eightBit, 22050), (std::vector<int16_t>{0, 127 * 256, -128 * 256}));

    // Half the rate: twice the samples, the originals in place and the means between them.
    const Bytes slowFile = Riff({FormatChunk(1, 1, 11025, 16), Chunk("data", {0, 0, 100, 0, 0, 1}, 6)});
    const auto slow = ParseWav(slowFile);
    ASSERT_TRUE(slow);
    EXPECT_EQ(ToMono16(*slow, 22050), (std::vector<int16_t>{0, 50, 100, 178, 256, 256}));

    // Twice the rate: every other sample.
    const Bytes fastFile = Riff({FormatChunk(1, 1, 44100, 16), Chunk("data", FourSamples, 8)});
    const auto fast = ParseWav(fastFile);
    ASSERT_TRUE(fast);
    EXPECT_EQ(ToMono16(*fast, 22050), (std::vector<int16_t>{1, 3}));
}

std::vector<int16_t> Take(SoundQueue& queue, std::size_t count) {
    std::vector<int16_t> out(count, -1);
    queue.Fill(out.data(), count);
    return out;
}

// The output pulls in pieces of its own size: a sound comes out whole across them, then
// silence for as long as it asks; a new sound replaces the part not yet pulled.
TEST(SoundQueue, PlaysEachSoundWholeThenSilenceAndANewOneReplacesTheRest) {
    SoundQueue queue;
    EXPECT_EQ(Take(queue, 3), (std::vector<int16_t>{0, 0, 0}));

    const auto first = std::make_shared<const std::vector<int16_t>>(std::vector<int16_t>{1, 2, 3, 4, 5});
    queue.Play(first);
    EXPECT_EQ(Take(queue, 2), (std::vector<int16_t>{1, 2}));
    EXPECT_EQ(Take(queue, 2), (std::vector<int16_t>{3, 4}));
    EXPECT_EQ(Take(queue, 3), (std::vector<int16_t>{5, 0, 0}));
    EXPECT_EQ(Take(queue, 2), (std::vector<int16_t>{0, 0}));

    queue.Play(first);
    EXPECT_EQ(Take(queue, 2), (std::vector<int16_t>{1, 2}));
    queue.Play(std::make_shared<const std::vector<int16_t>>(std::vector<int16_t>{9}));
    EXPECT_EQ(Take(queue, 3), (std::vector<int16_t>{9, 0, 0}));
}

} // namespace
