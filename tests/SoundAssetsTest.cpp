#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/sound/WavFile.h"

namespace {

// Every sound is plain 16-bit PCM mono at the output's rate, which the program's own
// reader takes, and short enough for the moment it accompanies.
TEST(SoundAssets, ArePlainPcmAndShort) {
    struct Case {
        const char* File;
        double MaxSeconds;
    };
    for (const Case& c : {Case{"reprod.wav", 0.15}, Case{"to.wav", 0.4}, Case{"artg.wav", 1.6},
                          Case{"lost.wav", 1.6}, Case{"crtv.wav", 1.6}}) {
        std::ifstream file(std::string(TESSARON_ASSETS_DIR) + "/" + c.File, std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                         std::istreambuf_iterator<char>());
        const auto wav = ParseWav(bytes);
        ASSERT_TRUE(wav) << c.File;
        EXPECT_EQ(wav->Channels, 1) << c.File;
        EXPECT_EQ(wav->BitsPerSample, 16) << c.File;
        EXPECT_EQ(wav->SampleRate, 22050) << c.File;
        const double seconds = static_cast<double>(wav->Frames.size()) / (2 * wav->SampleRate);
        EXPECT_GT(seconds, 0.05) << c.File;
        EXPECT_LE(seconds, c.MaxSeconds) << c.File;
    }
}

} // namespace
