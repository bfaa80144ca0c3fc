#include <gtest/gtest.h>

#include "app/settings/RegistryText.h"

namespace {

struct DataCase {
    const char* Name;
    const char* Data;
    RegValueKind Kind;
    uint32_t Integer;
    const char* Text;
};

void PrintTo(const DataCase& c, std::ostream* os) {
    *os << c.Name;
}

class ValueDataTest : public ::testing::TestWithParam<DataCase> {};

TEST_P(ValueDataTest, ReadsTheValueOrClassifiesIt) {
    const DataCase& c = GetParam();
    const RegValue value = ParseValueData(c.Data);
    EXPECT_EQ(value.Kind, c.Kind);
    if (c.Kind == RegValueKind::Integer) {
        EXPECT_EQ(value.Integer, c.Integer);
    }
    if (c.Kind == RegValueKind::String) {
        EXPECT_EQ(value.Text, c.Text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Data, ValueDataTest,
    ::testing::Values(
        DataCase{"Dword", "dword:00000001", RegValueKind::Integer, 1, ""},
        DataCase{"DwordAllBits", "dword:FFFFFFFF", RegValueKind::Integer, 0xffffffffu, ""},
        DataCase{"DwordShortAndUpperCase", "DWORD:1a  ", RegValueKind::Integer, 26, ""},
        DataCase{"DwordNoDigits", "dword:", RegValueKind::Unreadable, 0, ""},
        DataCase{"DwordTooLong", "dword:123456789", RegValueKind::Unreadable, 0, ""},
        DataCase{"DwordNotHex", "dword:12g", RegValueKind::Unreadable, 0, ""},
        DataCase{"DwordTruncated", "dwo", RegValueKind::Unreadable, 0, ""},
        DataCase{"String", "\"127.0.0.1\"", RegValueKind::String, 0, "127.0.0.1"},
        DataCase{"StringEscapes", R"("a\\b\"c\nd")", RegValueKind::String, 0, "a\\b\"c\nd"},
        DataCase{"EmptyString", "\"\"", RegValueKind::String, 0, ""},
        DataCase{"StringUnterminated", "\"127.0", RegValueKind::Unreadable, 0, ""},
        DataCase{"StringEndsInEscape", "\"abc\\", RegValueKind::Unreadable, 0, ""},
        DataCase{"StringUnknownEscape", R"("a\tb")", RegValueKind::Unreadable, 0, ""},
        DataCase{"StringTrailingText", "\"a\" b", RegValueKind::Unreadable, 0, ""},
        DataCase{"Binary", "hex:01,02", RegValueKind::OtherType, 0, ""},
        DataCase{"ExpandString", "hex(2):41,00,00,00", RegValueKind::String, 0, "A"},
        DataCase{"ExpandStringContinued", "HEX(2):25,00,48,00,4f,00,4D,00,\\\n  45,00,25,00,00,00",
                 RegValueKind::String, 0, "%HOME%"},
        DataCase{"ExpandStringUnterminated", "hex(2):31,00,32,00", RegValueKind::String, 0, "12"},
        DataCase{"ExpandStringEmpty", "hex(2):", RegValueKind::String, 0, ""},
        DataCase{"ExpandStringNonAscii", "hex(2):e9,00,3d,d8,00,de,00,00", RegValueKind::String, 0,
                 "\u00e9\U0001F600"},
        DataCase{"StringAsBytes", "hex(1):61,00,00,00", RegValueKind::String, 0, "a"},
        DataCase{"ExpandStringOddBytes", "hex(2):41,00,00", RegValueKind::Unreadable, 0, ""},
        DataCase{"ExpandStringLoneSurrogate", "hex(2):00,dc,00,00", RegValueKind::Unreadable, 0, ""},
        DataCase{"ExpandStringBadByte", "hex(2):4,00", RegValueKind::Unreadable, 0, ""},
        DataCase{"ExpandStringTrailingComma", "hex(2):41,00,", RegValueKind::Unreadable, 0, ""},
        DataCase{"MultiString", "hex(7):41,00,00,00,00,00", RegValueKind::OtherType, 0, ""},
        DataCase{"Qword", "qword:0000000000000001", RegValueKind::OtherType, 0, ""},
        DataCase{"Deleted", "-", RegValueKind::Unreadable, 0, ""},
        DataCase{"Empty", "", RegValueKind::Unreadable, 0, ""},
        DataCase{"Garbage", "12 monkeys", RegValueKind::Unreadable, 0, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

constexpr const char* Key = "HKEY_CURRENT_USER\\Software\\Tessaron";

TEST(RegistryDocument, KeepsForeignLinesAndUpdatesValuesInPlace) {
    const std::string text = "Windows Registry Editor Version 5.00\r\n"
                             "\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                             "\"Blob\"=hex:01,02,\\\r\n"
                             "  03,04\r\n"
                             "\r\n"
                             "[hkey_current_user\\software\\tessaron]\n"
                             "; chosen by hand\n"
                             "\"type1\"=dword:00000002\n"
                             "\"Level1\"=dword:00000001\n"
                             "\"Level1\"=dword:00000004\n"
                             "\n";
    RegistryDocument doc = RegistryDocument::Parse(text);
    ASSERT_TRUE(doc.HasKey(Key));
    EXPECT_EQ(doc.Find(Key, "Type1")->Integer, 2u);
    EXPECT_EQ(doc.Find(Key, "Level1")->Integer, 4u) << "the last of duplicate values counts";
    EXPECT_FALSE(doc.Find(Key, "Blob")) << "values of another key are not this key's";
    EXPECT_FALSE(doc.Find(Key, "Sound"));

    doc.SetInteger(Key, "Type1", 1);
    doc.SetInteger(Key, "Level1", 7);
    doc.SetString(Key, "HostClient", "host");
    EXPECT_EQ(doc.Serialize(), "Windows Registry Editor Version 5.00\n"
                               "\n"
                               "[HKEY_CURRENT_USER\\Software\\Other]\n"
                               "\"Blob\"=hex:01,02,\\\n"
                               "  03,04\n"
                               "\n"
                               "[hkey_current_user\\software\\tessaron]\n"
                               "; chosen by hand\n"
                               "\"Type1\"=dword:00000001\n"
                               "\"Level1\"=dword:00000007\n"
                               "\"HostClient\"=\"host\"\n"
                               "\n");
}

TEST(RegistryDocument, ContinuedValueOfAnotherTypeIsOneEntry) {
    RegistryDocument doc = RegistryDocument::Parse("[" + std::string(Key) + "]\n\"Sound\"=hex:01,\\\n  00\n");
    EXPECT_EQ(doc.Find(Key, "Sound")->Kind, RegValueKind::OtherType);
    doc.SetInteger(Key, "Sound", 1);
    EXPECT_EQ(doc.Serialize(), "[" + std::string(Key) + "]\n\"Sound\"=dword:00000001\n");
}

TEST(RegistryDocument, TruncatedStringDoesNotSwallowTheNextLine) {
    const RegistryDocument doc = RegistryDocument::Parse(
        "[" + std::string(Key) + "]\n\"HostClient\"=\"abc\\\n\"Board\"=dword:00000002");
    EXPECT_EQ(doc.Find(Key, "HostClient")->Kind, RegValueKind::Unreadable);
    EXPECT_EQ(doc.Find(Key, "Board")->Integer, 2u);
}

TEST(RegistryDocument, AddedKeyIsSeparatedFromEarlierText) {
    RegistryDocument doc = RegistryDocument::Parse("; notes\n");
    doc.AddKey(Key);
    doc.SetString(Key, "Port\"Q", "a\\b\"\r\n");
    EXPECT_EQ(doc.Serialize(), "; notes\n\n[" + std::string(Key) + "]\n\"Port\\\"Q\"=\"a\\\\b\\\"\\r\\n\"\n");
    const RegistryDocument reread = RegistryDocument::Parse(doc.Serialize());
    EXPECT_EQ(reread.Find(Key, "Port\"Q")->Text, "a\\b\"\r\n");
}

} // namespace
