// Small helpers: XML attribute reading, text encoding and random numbers.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <climits>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "TestSupport.h"
#include "resource/Encoding.h"
#include "resource/Randomizer.h"
#include "resource/Xml.h"

namespace {

const std::string kMissing = "[WW] [xml::findAttribute]\t\telement doesnt have attribute ";
const std::string kNull = "[WW] [xml::findAttribute]\t\tgot null element";

std::vector<float> rgba(const xml::Color& color) {
    return {color.r, color.g, color.b, color.a};
}

}  // namespace

TEST(Xml, NumbersUseAtofAndAtoiOnlyNoAndZeroAreFalseAndColoursAndVectorsDefaultPerPart) {
    TiXmlDocument document;
    document.Parse(
        "<r f='2.5' i='42abc' n='abc' neg='-3.75' no='no' zero='0' yes='yes'"
        " false='false' empty='' No='No' one='1'><color r='255' g='128' b='0.5' a='200'/>"
        "<red r='10'/><position x='12.5' y='-4'/><half y='3'/></r>");
    const TiXmlElement* root = document.RootElement();
    test::LogCapture log;
    for (const auto& [name, number] :
         {std::pair("f", 2.5f), std::pair("i", 42.0f), std::pair("n", 0.0f),
          std::pair("neg", -3.75f), std::pair("no", 0.0f), std::pair("zero", 0.0f),
          std::pair("yes", 0.0f), std::pair("false", 0.0f), std::pair("empty", 0.0f),
          std::pair("No", 0.0f), std::pair("one", 1.0f)}) {
        const std::string key = name;
        EXPECT_FLOAT_EQ(xml::getAttributeFloat(root, key), number) << key;
        EXPECT_EQ(xml::getAttributeInt(root, key), static_cast<int>(number)) << key;
        EXPECT_EQ(xml::getAttributeBool(root, key), key != "no" && key != "zero") << key;
    }
    EXPECT_TRUE(log.lines().empty());

    // A missing attribute or element gives the neutral value, with a warning if asked.
    EXPECT_EQ(xml::getAttributeInt(root, "missing", true), 0);
    EXPECT_FLOAT_EQ(xml::getAttributeFloat(root, "gone", true), 0.0f);
    EXPECT_EQ(xml::getAttributeString(root, "nothing", true), "");
    EXPECT_EQ(xml::findAttribute(root, "absent", true), nullptr);
    EXPECT_TRUE(xml::getAttributeBool(root, "unset", true));
    EXPECT_EQ(xml::findAttribute(nullptr, "x"), nullptr);
    EXPECT_EQ(xml::getAttributeInt(nullptr, "x"), 0);
    EXPECT_TRUE(xml::getAttributeBool(nullptr, "x"));
    EXPECT_EQ(log.take(), (std::vector<std::string>{kMissing + "missing", kMissing + "gone",
                                                    kMissing + "nothing", kMissing + "absent",
                                                    kMissing + "unset", kNull, kNull, kNull}));
    EXPECT_EQ(xml::getAttributeInt(root, "missing", false), 0);
    EXPECT_EQ(xml::getAttributeString(nullptr, "x", false), "");
    EXPECT_TRUE(log.lines().empty());

    // Colours and vectors default per channel and per missing child.
    EXPECT_EQ(rgba(xml::getElementColor(root, "color")), (std::vector<float>{255, 128, 0.5f, 200}));
    // Only "r": the other channels, alpha included, are 0.
    EXPECT_EQ(rgba(xml::getElementColor(root, "red", false)), (std::vector<float>{10, 0, 0, 0}));
    EXPECT_EQ(xml::getElementVector(root, "position"), hgeVector(12.5f, -4));
    EXPECT_EQ(xml::getVector(root->FirstChildElement("half"), false), hgeVector(0, 3));
    EXPECT_TRUE(log.lines().empty());

    // A missing child: white and the origin, each with its own warning.
    EXPECT_EQ(rgba(xml::getElementColor(root, "tint")), (std::vector<float>{1, 1, 1, 1}));
    EXPECT_EQ(xml::getElementVector(root, "size"), hgeVector(0, 0));
    EXPECT_EQ(log.take(), (std::vector<std::string>{
                              "[WW] [xml::getElementColor]\t\telement doesnt have child tint",
                              "[WW] [xml::getElementVector]\t\telement doesnt have child size"}));

    // A child with no attributes warns for each one read.
    xml::getElementColor(root, "half");
    EXPECT_EQ(log.take(), (std::vector<std::string>{kMissing + "a", kMissing + "b", kMissing + "g",
                                                    kMissing + "r"}));
    EXPECT_EQ(rgba(xml::getElementColor(nullptr, "color", false)),
              (std::vector<float>{1, 1, 1, 1}));
    EXPECT_TRUE(log.lines().empty());
}

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

    // Every defined byte survives the round trip; problems are located.
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

TEST(Randomizer, AFixedSeedSeedsOnceAndValuesFillTheHalfOpenRange) {
    // A fixed seed seeds once, so that the sequence goes on.
    setenv("FISCORA_SEED", "42", 1);
    Randomizer::seed();
    const int first = std::rand();
    Randomizer::seed();
    const int second = std::rand();
    std::srand(42);
    EXPECT_EQ(first, std::rand());
    EXPECT_EQ(second, std::rand());
    unsetenv("FISCORA_SEED");

    test::LogCapture log;
    std::srand(12345);
    for (const auto& [low, high, all] : {std::tuple<int, int, std::set<int>>{3, 8, {3, 4, 5, 6, 7}},
                                         {-3, 2, {-3, -2, -1, 0, 1}},
                                         {0, 1, {0}},
                                         {7, 7, {7}},
                                         {-2, -2, {-2}},
                                         {5, 3, {0}}}) {
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i) {
            seen.insert(Randomizer::getInt(low, high));
        }
        EXPECT_EQ(seen, all) << low << ".." << high;
    }
    // Only the reversed bounds were logged.
    EXPECT_EQ(log.lines(),
              std::vector<std::string>(
                  2000, test::logLine("EE", "Randomizer::getInt",
                                      "highbound is lower than lowbound, returning 0")));
    // The widest span does not overflow.
    for (int i = 0; i < 100; ++i) {
        ASSERT_LT(Randomizer::getInt(INT_MIN, INT_MAX), INT_MAX);
    }
}
