#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "resource/Encoding.h"

TEST(Encoding, SwedishLettersAndTypographyMapToTheirWindows1252Bytes) {
    EXPECT_EQ(text::toWindows1252(u8"åäöÅÄÖé"), "\xE5\xE4\xF6\xC5\xC4\xD6\xE9");
    EXPECT_EQ(text::toWindows1252(u8"12 €"), "12 \x80");
    EXPECT_EQ(text::toWindows1252(u8"– — “ ” ‘ ’ …"), "\x96 \x97 \x93 \x94 \x91 \x92 \x85");
    EXPECT_EQ(W1252(u8"Sälj"), "S\xE4lj");
    EXPECT_EQ(text::toWindows1252("plain ascii\n\t"), "plain ascii\n\t");
}

TEST(Encoding, EveryDefinedByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D) {
            all += static_cast<char>(byte);
        }
    }
    const std::string utf8 = text::toUtf8(all);
    EXPECT_TRUE(text::isConvertible(utf8));
    test::LogCapture log;
    EXPECT_EQ(text::toWindows1252(utf8), all);
    EXPECT_TRUE(log.lines().empty());
    EXPECT_EQ(text::toUtf8("\x81"), u8"\uFFFD");
}

TEST(Encoding, CharactersOutsideWindows1252AndBrokenUtf8BecomeQuestionMarks) {
    test::LogCapture log;
    // U+0101, an emoji, a lone lead byte, an overlong slash, a surrogate.
    EXPECT_EQ(text::toWindows1252(u8"a\u0101b\U0001F600c"), "a?b?c");
    EXPECT_EQ(text::toWindows1252("x\xC3"), "x?");
    EXPECT_EQ(text::toWindows1252("\xC0\xAF"), "??");
    EXPECT_EQ(text::toWindows1252("\xED\xA0\x80."), "???.");
    // The C1 controls are not the Windows-1252 letters that share their bytes.
    EXPECT_EQ(text::toWindows1252(u8"\u0080"), "?");
    EXPECT_EQ(log.countPrefix("[WW] [text::toWindows1252]\t\treplaced "), 5);
    EXPECT_TRUE(
        log.has("[WW] [text::toWindows1252]\t\treplaced 2 characters not in "
                "Windows-1252 by '?', first U+0101 at byte 1"));

    std::string problem;
    EXPECT_FALSE(text::isConvertible(u8"rad 1\nrad 2 \u0101", &problem));
    EXPECT_NE(problem.find("U+0101"), std::string::npos);
    EXPECT_NE(problem.find("line 2"), std::string::npos);
    EXPECT_FALSE(text::isConvertible("\xFF"));
}

TEST(Encoding, AByteOrderMarkIsDropped) {
    test::LogCapture log;
    EXPECT_EQ(text::toWindows1252("\xEF\xBB\xBF<a/>"), "<a/>");
    EXPECT_TRUE(log.lines().empty());
}
