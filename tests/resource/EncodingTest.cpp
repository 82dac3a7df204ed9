#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "resource/Encoding.h"

TEST(Encoding, Utf8BecomesWindows1252AndWhatItCannotHoldBecomesOneWarnedQuestionMarkEach) {
    struct Case {
        std::string utf8, expected;
        const char* warning;  // after "replaced "
    };
    const Case cases[] = {
        {u8"åäöÅÄÖé", "\xE5\xE4\xF6\xC5\xC4\xD6\xE9", nullptr},
        {u8"12 €", "12 \x80", nullptr},
        {u8"– — “ ” ‘ ’ …", "\x96 \x97 \x93 \x94 \x91 \x92 \x85", nullptr},
        {"plain ascii\n\t", "plain ascii\n\t", nullptr},
        {"\xEF\xBB\xBF<a/>", "<a/>", nullptr},  // the byte order mark is dropped
        // U+0101 and an emoji; a lone lead byte; an overlong slash; a surrogate.
        {u8"a\u0101b\U0001F600c", "a?b?c",
         "2 characters not in Windows-1252 by '?', first U+0101 at byte 1"},
        {"x\xC3", "x?", "1 characters not in Windows-1252 by '?', first invalid UTF-8 at byte 1"},
        {"\xC0\xAF", "??",
         "2 characters not in Windows-1252 by '?', first invalid UTF-8 at byte 0"},
        {"\xED\xA0\x80.", "???.",
         "3 characters not in Windows-1252 by '?', first invalid UTF-8 at byte 0"},
        // The C1 controls are not the Windows-1252 letters that share their bytes.
        {u8"\u0080", "?", "1 characters not in Windows-1252 by '?', first U+0080 at byte 0"}};
    for (const Case& c : cases) {
        test::LogCapture log;
        EXPECT_EQ(text::toWindows1252(c.utf8), c.expected) << c.utf8;
        EXPECT_EQ(log.lines(),
                  c.warning ? std::vector<std::string>{"[WW] [text::toWindows1252]\t\treplaced " +
                                                       std::string(c.warning)}
                            : std::vector<std::string>{})
            << c.utf8;
        EXPECT_TRUE(!c.warning || !text::isConvertible(c.utf8)) << c.utf8;
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
