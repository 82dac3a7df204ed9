#include <gtest/gtest.h>
#include <physfs.h>

#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "resource/ResourceManager.h"

namespace {

const char* const kCtor = "resource::Manager::Manager";
const char* const kTxt = "resource::Manager::getTxt";
const char* const kXml = "resource::Manager::getXml";
const char* const kRaw = "resource::Manager::getRaw";

resource::Manager* manager() {
    return resource::Manager::instance();
}

std::string txt(const std::string& name) {
    std::string text;
    manager()->getTxt(name, text);
    return text;
}

}  // namespace

TEST(ResourceManager, PlainFoldersAreSearchedBaseFolderFirstThenInOrder) {
    test::Installation install("data/", "folders");
    install.addFile("", "where.txt", "base");
    install.addFile("bin", "where.txt", "bin");
    install.addFile("bin", "order.txt", "bin");
    install.addFile("xml", "order.txt", "xml");
    install.addFile("xml", "only.txt", "xml");
    install.mount();
    test::LogCapture log;

    EXPECT_EQ(manager()->getPrefix(), "data/");
    EXPECT_FALSE(manager()->isArchiveMode());
    EXPECT_TRUE(log.has(test::logLine("II", kCtor, "initiating file system")));
    EXPECT_TRUE(log.has(test::logLine("DD", kCtor, "stuff files will be read as folders")));
    EXPECT_EQ(log.countPrefix("[WW]") + log.countPrefix("[EE]"), 0);

    EXPECT_EQ(txt("where.txt"), "base");
    EXPECT_EQ(txt("order.txt"), "bin");
    EXPECT_EQ(txt("only.txt"), "xml");
    EXPECT_EQ(std::string(PHYSFS_getWriteDir()), install.folder("usr"));
}

TEST(ResourceManager, MissingContentFolderWarnsAndTheOthersStillMount) {
    test::Installation install("data/", "folders");
    install.removeFolder("snd");
    install.addFile("txt", "a.txt", "A");
    install.addFile("xml", "b.xml", "<b/>");
    install.mount();
    test::LogCapture log;
    manager();

    const std::string warning =
        test::logLine("WW", "resource::Manager::addSearchPath",
                      "unable to add searchpath (" + install.folder("snd") + "): ");
    EXPECT_EQ(log.countPrefix(warning), 1);
    EXPECT_EQ(log.countPrefix("[WW]"), 1);
    EXPECT_EQ(txt("a.txt"), "A");
    EXPECT_EQ(txt("b.xml"), "<b/>");
}

TEST(ResourceManager, WithoutSideFileOnlyTheBaseFolderIsSearched) {
    test::Installation install;
    install.removeSideFile();
    install.addFile("", "beside.txt", "here");
    install.addFile("xml", "gui.xml", "<gui/>");
    install.mount();
    test::LogCapture log;
    manager();

    EXPECT_TRUE(log.has(test::logLine(
        "EE", kCtor,
        "unable to read " + install.executable() + ".info, files wont be ablo to load")));
    EXPECT_EQ(log.countPrefix("[WW] [resource::Manager::addSearchPath]"), 0);
    EXPECT_EQ(txt("beside.txt"), "here");

    log.take();
    std::string text = "stale";
    EXPECT_EQ(manager()->getTxt("gui.xml", text), 0);
    EXPECT_EQ(text, "");
    EXPECT_TRUE(log.has(test::logLine("WW", kRaw, "file gui.xml doesnt exist")));
}

TEST(ResourceManager, DotPrefixAndEncryptedReadZipArchivesBesideTheProgram) {
    test::Installation install(".", "encrypted");
    install.addFixture("xml", "swedish.xml", "resource/swedish.xml");
    install.addFile("txt", "note.txt", "from the archive");
    install.addFile("bin", "note.txt", "bin wins");
    install.removeFolder("psi");
    ASSERT_TRUE(install.packAll());
    std::filesystem::create_directories(install.folder("usr"));
    install.mount();
    test::LogCapture log;

    EXPECT_EQ(manager()->getPrefix(), "");
    EXPECT_TRUE(manager()->isArchiveMode());
    EXPECT_TRUE(log.has(test::logLine("DD", kCtor, "stuff files will be read as archives")));
    // Only the archive that is not there is missed; the write folder is the
    // plain folder usr beside the program.
    EXPECT_EQ(log.countPrefix(
                  test::logLine("WW", "resource::Manager::addSearchPath",
                                "unable to add searchpath (" + install.root() + "/psi.stuff): ")),
              1);
    EXPECT_EQ(log.countPrefix("[WW]"), 1);
    EXPECT_EQ(std::string(PHYSFS_getWriteDir()), install.root() + "/usr");

    EXPECT_EQ(txt("note.txt"), "bin wins");
    TiXmlDocument document;
    const std::string original = test::readFile(test::fixturePath("resource/swedish.xml"));
    EXPECT_EQ(manager()->getXml("swedish.xml", document), static_cast<int32_t>(original.size()));
    ASSERT_NE(document.RootElement(), nullptr);
    EXPECT_STREQ(document.RootElement()->Value(), "shops");
}

TEST(ResourceManager, PrefixWithoutTrailingSeparatorStillNamesAFolder) {
    test::Installation install("data", "folders");
    install.addFile("xml", "a.xml", "<a/>");
    install.mount();
    EXPECT_EQ(txt("a.xml"), "<a/>");
}

TEST(ResourceManager, OnlyAWindowsExeSuffixIsCutFromTheStem) {
    test::Installation install;
    install.addFile("xml", "a.xml", "<a/>");
    // A program named "game.bin" looks for "game.bin.info", not "game.info".
    install.writeSideFile("nowhere/ folders\n");
    test::writeFile(install.executable() + ".bin.info", "data/ folders\n");
    resource::Manager::setExecutablePath(install.executable() + ".bin");
    EXPECT_EQ(manager()->getStem(), install.executable() + ".bin");
    EXPECT_EQ(manager()->getProgramName(), "game.bin");
    EXPECT_EQ(txt("a.xml"), "<a/>");

    test::Installation::unmount();
    install.writeSideFile("data/ folders\n");
    resource::Manager::setExecutablePath(install.executable() + ".exe");
    EXPECT_EQ(manager()->getStem(), install.executable());
    EXPECT_EQ(manager()->getProgramName(), "game");
    EXPECT_EQ(txt("a.xml"), "<a/>");
}

TEST(ResourceManager, ATextFileIsReadOnceAndServedFromTheCache) {
    test::Installation install;
    install.addFile("txt", "a.txt", "first");
    install.mount();
    manager();
    test::LogCapture log;

    std::string text;
    EXPECT_EQ(manager()->getTxt("a.txt", text), 5);
    EXPECT_EQ(text, "first");
    EXPECT_TRUE(log.has(test::logLine("DD", kRaw, "reading a.txt")));

    // Changing the file on disk has no effect while the program runs.
    install.addFile("txt", "a.txt", "second version");
    log.take();
    EXPECT_EQ(manager()->getTxt("a.txt", text), 5);
    EXPECT_EQ(text, "first");
    EXPECT_EQ(log.take(), std::vector<std::string>{
                              test::logLine("DD", kTxt, "returning cached contents of a.txt")});
}

TEST(ResourceManager, AMissingFileIsTriedOnceOnly) {
    test::Installation install;
    install.mount();
    manager();
    test::LogCapture log;

    std::string text;
    EXPECT_EQ(manager()->getTxt("late.xml", text), 0);
    EXPECT_TRUE(log.has(test::logLine("WW", kRaw, "file late.xml doesnt exist")));
    EXPECT_TRUE(log.has(test::logLine("EE", kTxt, "got no handle for late.xml")));

    // Even once the file appears, the cached miss answers.
    install.addFile("xml", "late.xml", "<late/>");
    log.take();
    TiXmlDocument document;
    EXPECT_EQ(manager()->getTxt("late.xml", text), 0);
    EXPECT_EQ(manager()->getXml("late.xml", document), 0);
    EXPECT_EQ(document.RootElement(), nullptr);
    EXPECT_EQ(log.countPrefix("[WW]") + log.countPrefix("[EE]"), 0);
    EXPECT_EQ(log.count(test::logLine("DD", kTxt, "returning cached contents of late.xml")), 2);
}

TEST(ResourceManager, TextStopsAtAZeroByteButTheLengthCountsEveryByte) {
    test::Installation install;
    install.addFile("txt", "zero.txt", std::string("ab\0cd", 5));
    install.addFile("txt", "empty.txt", "");
    install.mount();
    test::LogCapture log;

    std::string text;
    EXPECT_EQ(manager()->getTxt("zero.txt", text), 5);
    EXPECT_EQ(text, "ab");

    EXPECT_EQ(manager()->getTxt("empty.txt", text), 0);
    EXPECT_EQ(text, "");
    EXPECT_TRUE(log.has(test::logLine("EE", kTxt, "length Read is 0")));
    TiXmlDocument document;
    log.take();
    EXPECT_EQ(manager()->getXml("empty.txt", document), 0);
    EXPECT_EQ(log.countPrefix("[EE]"), 0);
}

TEST(ResourceManager, ABrokenXmlFileLogsItsErrorWithOneBasedRowAndColumn) {
    test::Installation install;
    // The tag on line 2 is cut off by a '<' in column 18.
    install.addFile("xml", "broken.xml", "<root>\n  <item name=\"a\" <b/>\n</root>\n");
    install.mount();
    manager();
    test::LogCapture log;

    TiXmlDocument document;
    EXPECT_EQ(manager()->getXml("broken.xml", document), 0);
    ASSERT_TRUE(document.Error());
    EXPECT_EQ(document.ErrorId(), TiXmlBase::TIXML_ERROR_READING_ATTRIBUTES);
    const std::string expected = "error parsing xml, id " +
                                 std::to_string(TiXmlBase::TIXML_ERROR_READING_ATTRIBUTES) +
                                 ", row 2, col 18; " + document.ErrorDesc();
    EXPECT_EQ(log.count(test::logLine("EE", kXml, expected)), 1);
    EXPECT_FALSE(log.has(test::logLine("DD", kXml, "returning root element from broken.xml")));

    // The text stays cached: the next attempt parses again without reading.
    log.take();
    TiXmlDocument again;
    EXPECT_EQ(manager()->getXml("broken.xml", again), 0);
    EXPECT_EQ(log.countPrefix(test::logLine("DD", kRaw, "")), 0);
    EXPECT_EQ(log.count(test::logLine("EE", kXml, expected)), 1);
}

TEST(ResourceManager, GoodXmlReturnsTheTextLengthAndLogsItsSteps) {
    test::Installation install;
    const std::string xml = "<menu>\n  <gui guiId=\"Main menu\"/>\n</menu>\n";
    install.addFile("xml", "menu.xml", xml);
    install.mount();
    manager();
    test::LogCapture log;

    TiXmlDocument document;
    EXPECT_EQ(manager()->getXml("menu.xml", document), static_cast<int32_t>(xml.size()));
    ASSERT_NE(document.RootElement(), nullptr);
    EXPECT_STREQ(document.RootElement()->FirstChildElement("gui")->Attribute("guiId"), "Main menu");
    // The quoted messages, exactly (the first has no blank before the name).
    EXPECT_TRUE(log.has(test::logLine("DD", kXml, "getting xml filemenu.xml")));
    EXPECT_TRUE(log.has(test::logLine("DD", kXml, "parsing")));
    EXPECT_TRUE(log.has(test::logLine("DD", kXml, "returning root element from menu.xml")));
}

TEST(ResourceManager, XmlTextIsConvertedToWindows1252BeforeParsingButGetTxtKeepsUtf8) {
    test::Installation install;
    install.addFixture("xml", "swedish.xml", "resource/swedish.xml");
    install.mount();

    TiXmlDocument document;
    ASSERT_GT(manager()->getXml("swedish.xml", document), 0);
    const TiXmlElement* first = document.RootElement()->FirstChildElement("shop");
    ASSERT_NE(first, nullptr);
    // A letter above 0x7F right before a quote must not swallow the quote.
    EXPECT_STREQ(first->Attribute("guiId"),
                 "Lenas M\xF6"
                 "bler");
    EXPECT_STREQ(first->Attribute("text"),
                 "V\xE4lkommen! H\xE4r finns soffor och s\xE4ngar \x96 fr\xE5n 1 200 \x80.");
    const TiXmlElement* second = first->NextSiblingElement("shop");
    ASSERT_NE(second, nullptr);
    // Text ending in a letter above 0x7F keeps the quote or tag after it.
    EXPECT_STREQ(second->Attribute("text"), "\xC5\xC4\xD6 \xE5\xE4\xF6");
    EXPECT_STREQ(second->Attribute("owner"), "K\xF6");
    EXPECT_STREQ(second->GetText(), "V\xE4lkommen p\xE5");
    EXPECT_NE(second->FirstChildElement("hint"), nullptr);

    std::string raw;
    manager()->getTxt("swedish.xml", raw);
    EXPECT_EQ(raw, test::readFile(test::fixturePath("resource/swedish.xml")));
}

TEST(ResourceManager, RawHandlesReadTheFileAndMissingOnesAreNull) {
    test::Installation install;
    install.addFile("bin", "p1_events.bin", std::string("\x01\x00\x02", 3));
    install.mount();
    test::LogCapture log;

    PHYSFS_File* file = reinterpret_cast<PHYSFS_File*>(1);
    manager()->getRaw("nothing.bin", file);
    EXPECT_EQ(file, nullptr);
    EXPECT_TRUE(log.has(test::logLine("WW", kRaw, "file nothing.bin doesnt exist")));

    manager()->getRaw("p1_events.bin", file);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(PHYSFS_fileLength(file), 3);
    PHYSFS_close(file);
    EXPECT_TRUE(log.has(test::logLine("DD", kRaw, "returning file handle to p1_events.bin")));
}

TEST(ResourceManager, ADestroyedManagerGivesWayToAFreshOneWithNewSettings) {
    test::Installation first;
    first.addFile("xml", "a.xml", "first");
    first.mount();
    EXPECT_EQ(txt("a.xml"), "first");

    test::Installation second;
    second.addFile("xml", "a.xml", "second");
    second.mount();  // destroys the first manager
    EXPECT_EQ(txt("a.xml"), "second");
    EXPECT_EQ(manager()->getStem(), second.executable());
}
