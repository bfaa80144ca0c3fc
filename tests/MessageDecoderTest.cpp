#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "net/MessageDecoder.h"

namespace {

using Kind = NetMessage::Kind;

NetMessage MoveMsg(std::string text) {
    return {Kind::MoveLine, std::move(text)};
}
NetMessage ChatMsg(std::string text) {
    return {Kind::Chat, std::move(text)};
}

std::vector<NetMessage> FeedAll(MessageDecoder& decoder, const std::vector<std::string>& reads) {
    std::vector<NetMessage> all;
    for (const std::string& read : reads) {
        std::vector<NetMessage> some = decoder.Feed(read);
        all.insert(all.end(), some.begin(), some.end());
    }
    return all;
}

// The bytes that produced the messages: each chat with its "#", then what is still kept.
std::string Rebuild(const std::vector<NetMessage>& messages, const MessageDecoder& decoder) {
    std::string bytes;
    for (const NetMessage& message : messages)
        bytes += (message.Type == Kind::Chat ? "#" : "") + message.Text;
    return bytes + decoder.Partial();
}

std::string RandomMoveLine(std::mt19937& random) {
    std::uniform_int_distribution<int> digit(1, 9);
    std::uniform_int_distribution<int> kind(0, 1);
    std::string line;
    for (int field = 0; field < 4; ++field)
        line += std::to_string(digit(random)) + "-";
    return line + std::to_string(kind(random));
}

struct SingleReadCase {
    const char* Name;
    std::string Read;
    std::vector<NetMessage> Expected;
    std::string Kept;
};

class SingleRead : public testing::TestWithParam<SingleReadCase> {};

TEST_P(SingleRead, GivesTheExpectedMessages) {
    MessageDecoder decoder;
    EXPECT_EQ(decoder.Feed(GetParam().Read), GetParam().Expected);
    EXPECT_EQ(decoder.Partial(), GetParam().Kept);
}

INSTANTIATE_TEST_SUITE_P(
    Reads, SingleRead,
    testing::Values(
        SingleReadCase{"Clone", "3-2-4-3-1", {MoveMsg("3-2-4-3-1")}, ""},
        SingleReadCase{"Jump", "1-1-3-2-0", {MoveMsg("1-1-3-2-0")}, ""},
        SingleReadCase{"Chat", "#hello there", {ChatMsg("hello there")}, ""},
        SingleReadCase{"EmptyChat", "#", {ChatMsg("")}, ""},
        SingleReadCase{"ChatThatLooksLikeAMove", "#1-2-3-4-1", {ChatMsg("1-2-3-4-1")}, ""},
        SingleReadCase{"ChatHoldingHashes", "#a#b-#", {ChatMsg("a#b-#")}, ""},
        SingleReadCase{
            "TwoGluedMoves", "1-1-3-2-03-2-4-3-1", {MoveMsg("1-1-3-2-0"), MoveMsg("3-2-4-3-1")}, ""},
        SingleReadCase{"MoveThenChat", "1-1-3-2-0#hi", {MoveMsg("1-1-3-2-0"), ChatMsg("hi")}, ""},
        SingleReadCase{"MoveThenStartOfMove", "1-1-3-2-05-5-", {MoveMsg("1-1-3-2-0")}, "5-5-"},
        SingleReadCase{"StartOfMoveOnly", "1-2-3", {}, "1-2-3"},
        // A read that is one malformed line stays whole, exactly as it arrived.
        SingleReadCase{"LongKind", "1-2-3-4-10", {MoveMsg("1-2-3-4-10")}, ""},
        SingleReadCase{"KindTwo", "1-2-3-4-2", {MoveMsg("1-2-3-4-2")}, ""},
        SingleReadCase{"TwoDigitField", "12-3-4-5-1", {MoveMsg("12-3-4-5-1")}, ""},
        SingleReadCase{"ZeroCoordinate", "0-1-1-2-1", {MoveMsg("0-1-1-2-1")}, ""},
        SingleReadCase{"Words", "hello", {MoveMsg("hello")}, ""},
        // A line followed by what cannot follow a line is not taken apart.
        SingleReadCase{"MoveThenGarbage", "1-1-3-2-0x\n\x01", {MoveMsg("1-1-3-2-0x\n\x01")}, ""},
        SingleReadCase{
            "MovesThenGarbage", "1-1-3-2-01-1-3-2-0x", {MoveMsg("1-1-3-2-0"), MoveMsg("1-1-3-2-0x")}, ""},
        SingleReadCase{"NulBytes", std::string("\0\0-1", 4), {MoveMsg(std::string("\0\0-1", 4))}, ""},
        SingleReadCase{"Nothing", "", {}, ""}),
    [](const testing::TestParamInfo<SingleReadCase>& info) { return std::string(info.param.Name); });

TEST(MessageDecoder, JoinsAMoveLineSplitAcrossReads) {
    MessageDecoder decoder;
    EXPECT_TRUE(decoder.Feed("3-2-").empty());
    EXPECT_EQ(decoder.Partial(), "3-2-");
    EXPECT_EQ(decoder.Feed("4-3-13-"), std::vector<NetMessage>{MoveMsg("3-2-4-3-1")});
    EXPECT_EQ(decoder.Feed("2-4-3-0"), std::vector<NetMessage>{MoveMsg("3-2-4-3-0")});
    EXPECT_EQ(decoder.Partial(), "");
}

TEST(MessageDecoder, DecodesOneByteAtATime) {
    const std::string stream = "1-1-3-2-09-9-7-8-15-4-6-5-1";
    MessageDecoder decoder;
    std::vector<std::string> bytes;
    for (char ch : stream)
        bytes.emplace_back(1, ch);
    EXPECT_EQ(FeedAll(decoder, bytes),
              (std::vector<NetMessage>{MoveMsg("1-1-3-2-0"), MoveMsg("9-9-7-8-1"), MoveMsg("5-4-6-5-1")}));
}

TEST(MessageDecoder, HandsOnAnUnfinishedMoveLineWhenAChatFollows) {
    MessageDecoder decoder;
    EXPECT_TRUE(decoder.Feed("1-1-").empty());
    EXPECT_EQ(decoder.Feed("#hi"), (std::vector<NetMessage>{MoveMsg("1-1-"), ChatMsg("hi")}));
    EXPECT_EQ(decoder.Partial(), "");
}

TEST(MessageDecoder, ResetForgetsTheKeptStart) {
    MessageDecoder decoder;
    decoder.Feed("1-1-");
    decoder.Reset();
    EXPECT_EQ(decoder.Feed("3-2-4-3-1"), std::vector<NetMessage>{MoveMsg("3-2-4-3-1")});
}

// Move lines decode the same however TCP cuts the stream, byte by byte included.
TEST(MessageDecoderProperty, AnySplitOfMoveLinesDecodesLikeTheWholeStream) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 300; ++round) {
        std::vector<NetMessage> expected;
        std::string stream;
        const int lines = std::uniform_int_distribution<int>(1, 30)(random);
        for (int i = 0; i < lines; ++i) {
            expected.push_back(MoveMsg(RandomMoveLine(random)));
            stream += expected.back().Text;
        }
        MessageDecoder whole;
        ASSERT_EQ(whole.Feed(stream), expected);

        std::vector<std::string> reads;
        for (std::size_t at = 0; at < stream.size();) {
            const std::size_t length =
                round % 3 == 0 ? 1 : std::uniform_int_distribution<std::size_t>(1, 20)(random);
            reads.push_back(stream.substr(at, length));
            at += length;
        }
        MessageDecoder pieces;
        ASSERT_EQ(FeedAll(pieces, reads), expected) << "round " << round;
        EXPECT_EQ(pieces.Partial(), "");
    }
}

// Whatever arrives, no byte is lost or made up, and what is kept stays short.
TEST(MessageDecoderProperty, KeepsEveryByteOfArbitraryReads) {
    std::mt19937 random(7);
    const std::string alphabet = "0123456789--##x\n";
    for (int round = 0; round < 500; ++round) {
        std::vector<std::string> reads(std::uniform_int_distribution<int>(1, 8)(random));
        std::string fed;
        for (std::string& read : reads) {
            const int length = std::uniform_int_distribution<int>(0, 25)(random);
            for (int i = 0; i < length; ++i)
                read += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
            fed += read;
        }
        MessageDecoder decoder;
        std::vector<NetMessage> messages;
        for (const std::string& read : reads) {
            std::vector<NetMessage> some = decoder.Feed(read);
            messages.insert(messages.end(), some.begin(), some.end());
            ASSERT_LT(decoder.Partial().size(), MessageDecoder::MoveLineLength);
        }
        ASSERT_EQ(Rebuild(messages, decoder), fed) << "round " << round;
    }
}

TEST(MessageDecoder, CopesWithAMegabyte) {
    constexpr std::size_t Megabyte = 1 << 20;
    const std::string line = "5-4-6-5-1";
    std::string moves;
    while (moves.size() + line.size() <= Megabyte)
        moves += line;

    MessageDecoder decoder;
    std::size_t decoded = 0;
    for (std::size_t at = 0; at < moves.size(); at += 4096) {
        for (const NetMessage& message : decoder.Feed(std::string_view(moves).substr(at, 4096))) {
            ASSERT_EQ(message, MoveMsg(line));
            ++decoded;
        }
    }
    EXPECT_EQ(decoded, moves.size() / line.size());

    const std::string garbage(Megabyte, 'z');
    EXPECT_EQ(decoder.Feed(garbage), std::vector<NetMessage>{MoveMsg(garbage)});
    const std::vector<NetMessage> chat = decoder.Feed("#" + garbage);
    ASSERT_EQ(chat.size(), 1u);
    EXPECT_EQ(chat[0].Text.size(), Megabyte);
}

} // namespace
