#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "text/Decimal.h"
#include "text/MoveLine.h"
#include "text/Utf8.h"

namespace {

constexpr DecimalSyntax Digits{};
constexpr DecimalSyntax MoveField{.Plus = true};                                  // a received move
constexpr DecimalSyntax GameFile{.Minus = true};                                  // levels, branches
constexpr DecimalSyntax Port{.LeadingBlanks = true, .Plus = true, .Minus = true}; // a typed port

TEST(ReadDecimal, TakesTheBlanksAndSignsItsCallerAllows) {
    struct Case {
        std::string Text;
        DecimalSyntax Syntax;
        std::optional<int> Value;
    };
    const Case cases[] = {{"3", MoveField, 3},
                          {"+7", MoveField, 7},
                          {"007", MoveField, 7},
                          {"-3", MoveField, std::nullopt},
                          {"", MoveField, std::nullopt},
                          {"a", MoveField, std::nullopt},
                          {"1 ", MoveField, std::nullopt},
                          {"99999999999", MoveField, std::nullopt},
                          {"2147483647", MoveField, 2147483647},
                          {"2147483648", MoveField, std::nullopt},
                          {"++7", MoveField, std::nullopt},
                          {"+7", Digits, std::nullopt},
                          {"-0", GameFile, 0},
                          {"+1", GameFile, std::nullopt},
                          {" 1", GameFile, std::nullopt},
                          {" \t-12", Port, -12},
                          {"+-1", Port, std::nullopt},
                          {"- 1", Port, std::nullopt},
                          {" ", Port, std::nullopt},
                          {"-2147483648", Port, std::nullopt}};
    for (const Case& c : cases)
        EXPECT_EQ(ReadDecimal(c.Text, c.Syntax), c.Value) << '"' << c.Text << '"';
}

// Invalid bytes are taken as a lenient display counts them: a lead byte with the continuation
// bytes it announces, as many as follow.
TEST(ReadUtf8, TakesTheBytesALeadByteAnnounces) {
    struct Case {
        std::string Bytes;
        bool Valid;
        std::size_t Length;
    };
    const Case cases[] = {{"a", true, 1},
                          {"\xc3\xa9", true, 2},
                          {"\xf0\x9f\x98\x80", true, 4},
                          {"\x80\x80", false, 1},
                          {"\xc0\xaf", false, 2},
                          {"\xe0\x80", false, 2},
                          {"\xed\xa0\x80", false, 3},
                          {"\xf4\x90\x80\x80", false, 4},
                          {"\xf8\x80\x80\x80\x80", false, 4},
                          {"\xc3\x41", false, 1}};
    for (const Case& c : cases) {
        const Utf8Char read = ReadUtf8(c.Bytes, 0);
        EXPECT_EQ(read.Valid, c.Valid) << testing::PrintToString(c.Bytes);
        EXPECT_EQ(read.Length, c.Length) << testing::PrintToString(c.Bytes);
    }
}

TEST(MoveLine, ReadsStrictlyOnlyFiveNumbersJoinedByDashes) {
    struct Case {
        const char* Text;
        bool Valid;
    };
    for (const Case& c :
         {Case{"5-3-6-4-1", true}, Case{"10-3-6-4-0", true}, Case{"5-3-6-4-2", false}, Case{"5-3-6-4", false},
          Case{"5-3-6-4-1-1", false}, Case{"5--6-4-1", false}, Case{"5-3-6-4-1 ", false},
          Case{"+5-3-6-4-1", false}, Case{"123-3-6-4-1", false}, Case{"", false}, Case{"a-b-c-d-e", false}})
        EXPECT_EQ(ReadMoveLineStrictly(c.Text).has_value(), c.Valid) << c.Text;
    EXPECT_EQ(ReadMoveLineStrictly("05-3-6-4-01"), (std::array<int, 5>{5, 3, 6, 4, 1}));
    EXPECT_EQ(MoveLineText(5, 3, 6, 4, true), "5-3-6-4-1");
    EXPECT_EQ(MoveLineText(10, -1, 6, 4, false), "10--1-6-4-0");
}

} // namespace
