#include "base/core/text.h"
#include "base/core/text_encoding.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const char* text) {
    std::vector<std::string> out;
    char line[260];
    for (int i = 0; GetLine(text, i, line, sizeof line); ++i) out.push_back(line);
    return out;
}

std::vector<std::string> Tokens(const char* text, char sep) {
    std::vector<std::string> out;
    char field[260];
    for (int i = 0; GetToken(text, sep, i, field, sizeof field); ++i) out.push_back(field);
    return out;
}

using V = std::vector<std::string>;

TEST(GetLine, DropsCarriageReturnsAndStopsAtTheEnd) {
    EXPECT_EQ(Lines("a\r\nb"), (V{"a", "b"}));
    EXPECT_EQ(Lines("a\n\nb\n"), (V{"a", "", "b"}));
    EXPECT_EQ(Lines("x\ry\n"), (V{"xy"}));
    EXPECT_EQ(Lines(""), V{});
    EXPECT_EQ(Lines("\n"), (V{""}));
    char out[4] = "zz";
    EXPECT_FALSE(GetLine(nullptr, 0, out, sizeof out));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(GetLine("a", -1, out, sizeof out));
}

TEST(GetLine, CutsLinesLongerThanTheBuffer) {
    const std::string longLine(1000, 'q');
    char out[8];
    std::memset(out, 'X', sizeof out);
    ASSERT_TRUE(GetLine((longLine + "\nnext").c_str(), 0, out, sizeof out));
    EXPECT_STREQ(out, "qqqqqqq");
    ASSERT_TRUE(GetLine((longLine + "\nnext").c_str(), 1, out, sizeof out));
    EXPECT_STREQ(out, "next");
    EXPECT_TRUE(GetLine("abc", 0, nullptr, 0));  // the result still says a line exists
}

TEST(GetToken, EmptyLastFieldEndsTheIteration) {
    EXPECT_EQ(Tokens("30,a0,", ','), (V{"30", "a0"}));
    EXPECT_EQ(Tokens("a,,b", ','), (V{"a", "", "b"}));
    EXPECT_EQ(Tokens(",", ','), (V{""}));
    EXPECT_EQ(Tokens("", ','), V{});
    // Carriage returns are kept in fields.
    EXPECT_EQ(Tokens("a\r,b", ','), (V{"a\r", "b"}));
    char out[3];
    ASSERT_TRUE(GetToken("abcdef,g", ',', 0, out, sizeof out));
    EXPECT_STREQ(out, "ab");
}

TEST(RemoveChar, DeletesEveryOccurrence) {
    char text[] = "a b  c ";
    RemoveChar(text, ' ');
    EXPECT_STREQ(text, "abc");
    RemoveChar(nullptr, ' ');
}

TEST(ParseNumbers, DecimalAndHexRules) {
    EXPECT_EQ(ParseDecimal("12"), 12);
    EXPECT_EQ(ParseDecimal("-1"), -1);
    EXPECT_EQ(ParseDecimal(" 1"), -1);
    EXPECT_EQ(ParseDecimal(""), -1);
    EXPECT_EQ(ParseDecimal("0"), 0);
    EXPECT_EQ(ParseHex("ff"), 255);
    EXPECT_EQ(ParseHex("FF"), -1);
    EXPECT_EQ(ParseHex(""), -1);
    EXPECT_EQ(ParseHex("g"), -1);
    EXPECT_EQ(ParseHex("7fffffff"), 0x7fffffff);
    EXPECT_EQ(ParseHex("ffffffff"), -1);
}

TEST(ParseNumbers, LongInputsHaveDefinedResults) {
    // Wraps modulo 2^32 instead of overflowing a signed value.
    EXPECT_EQ(ParseDecimal("4294967296"), 0);
    EXPECT_EQ(ParseDecimal("4294967297"), 1);
    // 10 to the 32nd or more is a multiple of 2^32: only what follows remains.
    EXPECT_EQ(ParseDecimal(("1" + std::string(500, '0') + "7").c_str()), 7);
    // Only the last eight hex digits count; no shift of 32 or more happens.
    EXPECT_EQ(ParseHex("123456789"), 0x23456789);
    EXPECT_EQ(ParseHex(std::string(300, 'f').c_str()), -1);
    EXPECT_EQ(ParseHex((std::string(40, '1') + "0a").c_str()), 0x1111110a);
}

TEST(ExtensionOf, TextAfterTheLastPoint) {
    char out[260];
    ExtensionOf("a.b.url", out, sizeof out);
    EXPECT_STREQ(out, "url");
    ExtensionOf("name", out, sizeof out);
    EXPECT_STREQ(out, "");
    ExtensionOf("trailing.", out, sizeof out);
    EXPECT_STREQ(out, "");
    char small[3];
    ExtensionOf("x.html", small, sizeof small);
    EXPECT_STREQ(small, "ht");
}

TEST(LowerAscii, LeavesDoubleByteCharactersAlone) {
    char text[] = "AbC\x83\x41Z";  // 0x83 0x41 is one CP932 character ("ア"), its trail byte looks like 'A'
    LowerAscii(text);
    EXPECT_STREQ(text, "abc\x83\x41z");
}

TEST(EncodingOfMark, TheMarkDecidesAndIsSkipped) {
    size_t mark = 9;
    EXPECT_EQ(EncodingOfMark("\xEF\xBB\xBF"
                             "a",
                             4, &mark),
              TextEncoding::kUtf8);
    EXPECT_EQ(mark, 3u);
    EXPECT_EQ(EncodingOfMark("\xFF\xFE"
                             "a\0",
                             4, &mark),
              TextEncoding::kUtf16Le);
    EXPECT_EQ(mark, 2u);
    EXPECT_EQ(EncodingOfMark("\xFE\xFF\0a", 4, &mark), TextEncoding::kUtf16Be);
    EXPECT_EQ(mark, 2u);
    // A truncated mark, or CP932 text that starts like one, is no mark.
    EXPECT_EQ(EncodingOfMark("\xEF\xBB", 2, &mark), TextEncoding::kCodePage);
    EXPECT_EQ(mark, 0u);
    EXPECT_EQ(EncodingOfMark("\xFF", 1, &mark), TextEncoding::kCodePage);
    EXPECT_EQ(EncodingOfMark(nullptr, 0, nullptr), TextEncoding::kCodePage);
}

TEST(IsNonAsciiUtf8, WellFormedAndNotPlainAscii) {
    auto utf8 = [](const std::string& s) { return IsNonAsciiUtf8(s.data(), s.size()); };
    EXPECT_TRUE(utf8("\xE3\x83\xA1\xE3\x83\xA2.lnk"));  // "メモ.lnk"
    EXPECT_TRUE(utf8("caf\xC3\xA9"));
    EXPECT_TRUE(utf8("\xF0\x9F\x98\x80"));
    EXPECT_FALSE(utf8("plain.lnk"));
    EXPECT_FALSE(utf8("\x83\x81\x83\x82.lnk"));  // the same name in CP932
    EXPECT_FALSE(utf8("\xC0\xAF"));              // overlong '/'
    EXPECT_FALSE(utf8("\xED\xA0\x80"));          // a surrogate
    EXPECT_FALSE(utf8("\xF4\x90\x80\x80"));      // past U+10FFFF
    EXPECT_FALSE(utf8("\xE3\x83"));              // cut short
    EXPECT_FALSE(IsNonAsciiUtf8(nullptr, 3));
}

}  // namespace
