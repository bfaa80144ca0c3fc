#include <gtest/gtest.h>

#include "net/ChatEncoding.h"
#include "text/Utf8.h"

namespace {

// A typed chat line (UTF-8) and the bytes that go on the wire for it.
struct Typed {
    const char* Name;
    std::string Text;
    std::string Wire;
};

void PrintTo(const Typed& c, std::ostream* os) {
    *os << c.Name;
}

class TypedChat : public testing::TestWithParam<Typed> {};

TEST_P(TypedChat, IsSentAsTheTableSaysAndReadBackUnchanged) {
    const Typed& c = GetParam();
    EXPECT_EQ(ChatBytesForWire(c.Text), c.Wire);
    EXPECT_EQ(ChatTextFromWire(c.Wire), c.Text) << "another copy reads every character";
}

INSTANTIATE_TEST_SUITE_P(Table, TypedChat,
                         testing::Values(Typed{"Empty", "", ""},
                                         Typed{"Ascii", "Hello 1-2-3-4-1 #\t~", "Hello 1-2-3-4-1 #\t~"},
                                         Typed{"Latin1", "caf\u00e9 \u00e0 \u00ff", "caf\xe9 \xe0 \xff"},
                                         Typed{"Windows1252Only", "\u20ac 5 \u2013 \u201cok\u201d \u0153",
                                               "\x80 5 \x96 \x93ok\x94 \x9c"},
                                         Typed{"Greek", "\u03b5\u03bb\u03bb\u03ac\u03b4\u03b1",
                                               "\u03b5\u03bb\u03bb\u03ac\u03b4\u03b1"},
                                         Typed{"MixedGoesWhole", "caf\u00e9 \u03b5", "caf\u00e9 \u03b5"},
                                         Typed{"Emoji", "gg \U0001F600", "gg \U0001F600"},
                                         // Its Windows-1252 bytes C3 A9 would read back as "é".
                                         Typed{"LooksLikeUtf8", "\u00c3\u00a9", "\u00c3\u00a9"}),
                         [](const auto& info) { return std::string(info.param.Name); });

// Bytes from a peer that follows the single-byte format, and the text they show.
TEST(ChatFromWire, ForeignBytesReadAsWindows1252) {
    struct Case {
        std::string Wire;
        std::string Text;
    };
    for (const Case& c : {
             Case{"caf\xe9", "caf\u00e9"},
             Case{"\x80\x81\x9f", "\u20ac\u0081\u0178"},
             Case{"\xc3", "\u00c3"},                               // a cut UTF-8 lead byte
             Case{"\xc0\xaf", "\u00c0\u00af"},                     // overlong
             Case{"\xed\xa0\x80", "\u00ed\u00a0\u20ac"},           // a surrogate
             Case{"\xf4\x90\x80\x80", "\u00f4\u0090\u20ac\u20ac"}, // past U+10FFFF
             Case{std::string("a\0b", 3), std::string("a\0b", 3)},
         })
        EXPECT_EQ(ChatTextFromWire(c.Wire), c.Text);
}

// Whatever single byte such a peer sends comes back as that byte when the text is sent on.
TEST(ChatFromWire, EverySingleByteReadsAsTextThatIsSentBackAsThatByte) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string wire(1, static_cast<char>(byte));
        const std::string text = ChatTextFromWire(wire);
        EXPECT_TRUE(IsValidUtf8(text)) << byte;
        EXPECT_EQ(ChatBytesForWire(text), wire) << byte;
    }
}

} // namespace
