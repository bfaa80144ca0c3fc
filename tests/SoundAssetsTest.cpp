#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The fields of a canonical PCM WAV header that decide whether the sound service plays it.
struct WavFormat {
    bool Riff = false;
    int Format = 0;
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;
    double Seconds = 0;
};

uint32_t LittleEndian(const std::vector<unsigned char>& bytes, std::size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes.at(at + i);
    return value;
}

WavFormat ReadWav(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    WavFormat wav;
    if (bytes.size() < 44) return wav;
    wav.Riff = std::string(bytes.begin(), bytes.begin() + 4) == "RIFF" &&
               std::string(bytes.begin() + 8, bytes.begin() + 16) == "WAVEfmt " &&
               std::string(bytes.begin() + 36, bytes.begin() + 40) == "data";
    wav.Format = static_cast<int>(LittleEndian(bytes, 20, 2));
    wav.Channels = static_cast<int>(LittleEndian(bytes, 22, 2));
    wav.SampleRate = static_cast<int>(LittleEndian(bytes, 24, 4));
    wav.BitsPerSample = static_cast<int>(LittleEndian(bytes, 34, 2));
    const uint32_t dataBytes = LittleEndian(bytes, 40, 4);
    if (dataBytes + 44 != bytes.size()) wav.Riff = false;
    wav.Seconds = static_cast<double>(dataBytes) / (wav.SampleRate * wav.Channels * wav.BitsPerSample / 8);
    return wav;
}

// Every sound is plain 16-bit PCM, which every audio back end plays, and short enough
// for the moment it accompanies.
TEST(SoundAssets, ArePlainPcmAndShort) {
    struct Case {
        const char* File;
        double MaxSeconds;
    };
    for (const Case& c : {Case{"reprod.wav", 0.15}, Case{"to.wav", 0.4}, Case{"artg.wav", 1.6},
                          Case{"lost.wav", 1.6}, Case{"crtv.wav", 1.6}}) {
        const WavFormat wav = ReadWav(std::string(TESSARON_ASSETS_DIR) + "/" + c.File);
        EXPECT_TRUE(wav.Riff) << c.File;
        EXPECT_EQ(wav.Format, 1) << c.File;
        EXPECT_EQ(wav.Channels, 1) << c.File;
        EXPECT_EQ(wav.BitsPerSample, 16) << c.File;
        EXPECT_TRUE(wav.SampleRate == 22050 || wav.SampleRate == 44100) << c.File;
        EXPECT_GT(wav.Seconds, 0.05) << c.File;
        EXPECT_LE(wav.Seconds, c.MaxSeconds) << c.File;
    }
}

} // namespace
