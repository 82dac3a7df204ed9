#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "TestSupport.h"
#include "resource/Encoding.h"

TEST(Encoding, Utf8BecomesWindows1252AndWhatItCannotHoldBecomesOneWarnedQuestionMarkEach) {
    // UTF-8, Windows-1252, and how many characters were replaced, the first where.
    for (const auto& [utf8, expected, replaced, first] :
         {std::tuple<std::string, std::string, int, std::string>{
              u8"åäöÅÄÖé", "\xE5\xE4\xF6\xC5\xC4\xD6\xE9", 0, ""},
          {u8"12 €", "12 \x80", 0, ""},
          {u8"– — “ ” ‘ ’ …", "\x96 \x97 \x93 \x94 \x91 \x92 \x85", 0, ""},
          {"plain ascii\n\t", "plain ascii\n\t", 0, ""},
          {"\xEF\xBB\xBF<a/>", "<a/>", 0, ""},  // the byte order mark is dropped
          // U+0101 and an emoji; a lone lead byte; an overlong slash; a surrogate.
          {u8"a\u0101b\U0001F600c", "a?b?c", 2, "U+0101 at byte 1"},
          {"x\xC3", "x?", 1, "invalid UTF-8 at byte 1"},
          {"\xC0\xAF", "??", 2, "invalid UTF-8 at byte 0"},
          {"\xED\xA0\x80.", "???.", 3, "invalid UTF-8 at byte 0"},
          // The C1 controls are not the Windows-1252 letters that share their bytes.
          {u8"\u0080", "?", 1, "U+0080 at byte 0"}}) {
        test::LogCapture log;
        EXPECT_EQ(text::toWindows1252(utf8), expected) << utf8;
        const std::string warning = "[WW] [text::toWindows1252]\t\treplaced " +
                                    std::to_string(replaced) +
                                    " characters not in Windows-1252 by '?', first " + first;
        EXPECT_EQ(log.lines(), replaced ? std::vector{warning} : std::vector<std::string>{})
            << utf8;
        EXPECT_TRUE(!replaced || !text::isConvertible(utf8)) << utf8;
    }
    EXPECT_EQ(W1252(u8"Sälj"), "S\xE4lj");
}

TEST(Encoding, EveryDefinedByteSurvivesTheRoundTripAndProblemsAreLocated) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D) {
            all += static_cast<char>(byte);
        }
    }
    const std::string utf8 = text::toUtf8(all);
    EXPECT_TRUE(text::isConvertible(utf8));
    EXPECT_EQ(text::toWindows1252(utf8), all);
    EXPECT_EQ(text::toUtf8("\x81"), u8"\uFFFD");
    std::string problem;
    EXPECT_FALSE(text::isConvertible(u8"rad 1\nrad 2 \u0101", &problem));
    EXPECT_EQ(problem, "U+0101 at byte 12 (line 2)");
}
