#include <gtest/gtest.h>

#include <iconv.h>
#include <utility>

#include "store/code_page.h"

namespace {

// glibc's conversion of one Windows-1251 byte, empty when it has none.
std::string IconvUtf8(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-8", "WINDOWS-1251");
    char in[1] = {static_cast<char>(byte)};
    char out[8];
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    return ok ? std::string(out, outPtr) : std::string();
}

}  // namespace

TEST(CodePage, EveryAssignedByteMatchesGlibc)
{
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98)
            continue;
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Cp1251ToUtf8(byte), IconvUtf8(static_cast<unsigned char>(b))) << b;
    }
}

TEST(CodePage, EveryByteStringRoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xC2\x98");
    const Cp1251Encoding back = Utf8ToCp1251(Cp1251ToUtf8(all));
    EXPECT_FALSE(back.unencodable);
    EXPECT_EQ(back.bytes, all);
}

TEST(CodePage, RussianText)
{
    EXPECT_EQ(Utf8ToCp1251("Дата: Ёё №").bytes, "\xC4\xE0\xF2\xE0: \xA8\xB8 \xB9");
    EXPECT_EQ(Cp1251ToUtf8("\xC7\xE0\xEC\xE5\xF0:"), "Замер:");
}

// A text converted into again holds the new text alone, shorter or longer.
TEST(CodePage, ConvertingIntoATextReplacesIt)
{
    std::string text = "an older and longer text";
    for (const auto& [cp1251, utf8] : {std::pair<const char*, const char*>{"0.3", "0.3"},
                                       {"\xC7\xE0\xEC\xE5\xF0: 0.75", "Замер: 0.75"}, {"", ""}, {"5\xB9", "5№"}}) {
        Cp1251ToUtf8(cp1251, text);
        EXPECT_EQ(text, utf8);
    }
}

TEST(CodePage, ReportsTheFirstCharacterItCannotEncode)
{
    const Cp1251Encoding e = Utf8ToCp1251("ab€Σx😀");
    ASSERT_TRUE(e.unencodable);
    EXPECT_EQ(*e.unencodable, "Σ");
    EXPECT_EQ(e.unencodablePosition, 5u);
    EXPECT_EQ(e.bytes, "ab\x88");
    const Cp1251Encoding emoji = Utf8ToCp1251("😀");
    EXPECT_EQ(emoji.unencodable, "😀");
}

TEST(CodePage, MalformedUtf8IsReportedByItsFirstByte)
{
    for (const char* bad : {"a\xFF", "a\xC3", "a\xC0\x80", "a\xED\xA0\x80", "a\xE0\x80\x80", "a\x80", "a\xF4\x90\x80\x80"}) {
        const Cp1251Encoding e = Utf8ToCp1251(bad);
        ASSERT_TRUE(e.unencodable) << bad;
        EXPECT_EQ(*e.unencodable, std::string(1, bad[1]));
        EXPECT_EQ(e.unencodablePosition, 1u);
    }
}
