// The resource manager: the side file, the search path, and the text and
// texture caches. Each test fills `install` (or an installation of its own)
// and reads through manager(); `log` holds what was logged since last take().
#include <gtest/gtest.h>
#include <physfs.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "engine/hge.h"
#include "resource/ResourceManager.h"

namespace {

const char* const kCtor = "resource::Manager::Manager";
const char* const kTxt = "resource::Manager::getTxt";
const char* const kXml = "resource::Manager::getXml";
const char* const kRaw = "resource::Manager::getRaw";
const char* const kTex = "resource::Manager::getTexture";

class ResourceManager : public ::testing::Test {
protected:
    static resource::Manager* manager() { return resource::Manager::instance(); }
    static std::string txt(const std::string& name) {
        std::string text;
        manager()->getTxt(name, text);
        return text;
    }
    // Mounts `install`, starts its manager and forgets the start-up lines.
    void start() {
        install.mount();
        manager();
        log.take();
    }
    int problems() const { return log.countPrefix("[WW]") + log.countPrefix("[EE]"); }

    test::Installation install;
    test::LogCapture log;
};

}  // namespace

TEST_F(ResourceManager, TheSideFileNamesPrefixAndModeAndTheBaseFolderIsSearchedFirst) {
    struct Case {
        const char* prefix;
        const char* mode;
        const char* expectedPrefix;
        bool archives;
    };
    // "data" still names a folder; "." is the program's own folder.
    const Case cases[] = {{"data/", "folders", "data/", false},
                          {"data", "folders", "data/", false},
                          {".", "encrypted", "", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prefix);
        test::Installation local(c.prefix, c.mode);
        local.addFile("", "where.txt", "base");
        local.addFile("bin", "where.txt", "bin");
        local.addFile("bin", "order.txt", "bin");
        local.addFile("xml", "order.txt", "xml");
        local.addFile("xml", "only.txt", c.prefix);  // a fresh manager reads it afresh
        local.addFixture("xml", "swedish.xml", "resource/swedish.xml");
        local.removeFolder("snd");
        if (c.archives) {
            ASSERT_TRUE(local.packAll());
            std::filesystem::create_directories(local.folder("usr"));
        }
        local.mount();
        log.take();

        EXPECT_EQ(manager()->getPrefix(), c.expectedPrefix);
        EXPECT_EQ(manager()->isArchiveMode(), c.archives);
        EXPECT_TRUE(log.has(test::logLine("II", kCtor, "initiating file system")));
        EXPECT_TRUE(log.has(test::logLine(
            "DD", kCtor,
            std::string("stuff files will be read as ") + (c.archives ? "archives" : "folders"))));
        // Only the missing folder is missed; the others still mount.
        const std::string snd = local.folder("snd") + (c.archives ? ".stuff" : "");
        EXPECT_EQ(log.countPrefix(test::logLine("WW", "resource::Manager::addSearchPath",
                                                "unable to add searchpath (" + snd + "): ")),
                  1);
        EXPECT_EQ(problems(), 1);
        EXPECT_EQ(std::string(PHYSFS_getWriteDir()), local.folder("usr"));

        EXPECT_EQ(txt("where.txt"), "base");
        EXPECT_EQ(txt("order.txt"), "bin");
        EXPECT_EQ(txt("only.txt"), c.prefix);
        TiXmlDocument document;
        EXPECT_EQ(
            manager()->getXml("swedish.xml", document),
            static_cast<int32_t>(test::readFile(test::fixturePath("resource/swedish.xml")).size()));
        ASSERT_NE(document.RootElement(), nullptr);
        EXPECT_STREQ(document.RootElement()->Value(), "shops");
    }
}

TEST_F(ResourceManager, TheSideFileIsTheProgramPathWithoutAWindowsExeSuffixPlusInfo) {
    install.addFile("", "beside.txt", "here");
    install.addFile("xml", "a.xml", "<a/>");
    test::writeFile(install.root() + "/game.bin.info", "other/ folders\n");
    struct Case {
        const char* program;
        const char* stem;
        const char* prefix;  // "" when there is no side file
    };
    const Case cases[] = {{"game.bin", "game.bin", "other/"},
                          {"game.exe", "game", "data/"},
                          {"game.EXE", "game", "data/"},
                          {"lonely", "lonely", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        test::Installation::unmount();
        resource::Manager::setExecutablePath(install.root() + "/" + c.program);
        log.take();
        EXPECT_EQ(manager()->getStem(), install.root() + "/" + c.stem);
        EXPECT_EQ(manager()->getProgramName(), c.stem);
        EXPECT_EQ(manager()->getPrefix(), c.prefix);
        EXPECT_EQ(log.has(test::logLine("EE", kCtor,
                                        "unable to read " + manager()->getStem() +
                                            ".info, files wont be ablo to load")),
                  *c.prefix == '\0');
    }
    // Without a side file only the program's folder is searched, quietly.
    EXPECT_EQ(log.countPrefix("[WW] [resource::Manager::addSearchPath]"), 0);
    EXPECT_EQ(txt("beside.txt"), "here");
    EXPECT_EQ(txt("a.xml"), "");
}

TEST_F(ResourceManager, TextIsReadOnceUpToItsFirstZeroByteAndThenServedFromTheCache) {
    struct Case {
        const char* name;
        bool exists;
        std::string bytes;
        const char* text;
        int32_t length;  // every byte counts
        std::string firstLine;
    };
    const Case cases[] = {
        {"a.txt", true, "first", "first", 5, test::logLine("DD", kRaw, "reading a.txt")},
        {"zero.txt", true, std::string("ab\0cd", 5), "ab", 5,
         test::logLine("DD", kTxt, "reading contents")},
        {"empty.txt", true, "", "", 0, test::logLine("EE", kTxt, "length Read is 0")},
        {"late.xml", false, "", "", 0, test::logLine("EE", kTxt, "got no handle for late.xml")}};
    for (const Case& c : cases) {
        if (c.exists) {
            install.addFile("txt", c.name, c.bytes);
        }
    }
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = "stale";
        EXPECT_EQ(manager()->getTxt(c.name, text), c.length);
        EXPECT_EQ(text, c.text);
        EXPECT_TRUE(log.has(c.firstLine));

        // A file changed or added on disk makes no difference while the game runs.
        install.addFile("txt", c.name, "second version");
        log.take();
        text = "stale";
        EXPECT_EQ(manager()->getTxt(c.name, text), c.length);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(log.take(),
                  std::vector<std::string>{test::logLine(
                      "DD", kTxt, std::string("returning cached contents of ") + c.name)});
    }
    // Nothing to parse: no document and no complaint.
    for (const char* name : {"late.xml", "empty.txt"}) {
        TiXmlDocument document;
        EXPECT_EQ(manager()->getXml(name, document), 0) << name;
        EXPECT_EQ(document.RootElement(), nullptr) << name;
    }
    EXPECT_EQ(problems(), 0);
}

TEST_F(ResourceManager, ABrokenXmlFileLogsItsErrorWithOneBasedRowAndColumnEachTime) {
    // The tag on line 2 is cut off by a '<' in column 18.
    install.addFile("xml", "broken.xml", "<root>\n  <item name=\"a\" <b/>\n</root>\n");
    start();
    for (int attempt = 1; attempt <= 2; ++attempt) {
        TiXmlDocument document;
        EXPECT_EQ(manager()->getXml("broken.xml", document), 0);
        ASSERT_TRUE(document.Error());
        EXPECT_EQ(document.ErrorId(), TiXmlBase::TIXML_ERROR_READING_ATTRIBUTES);
        const std::string expected = "error parsing xml, id " +
                                     std::to_string(TiXmlBase::TIXML_ERROR_READING_ATTRIBUTES) +
                                     ", row 2, col 18; " + document.ErrorDesc();
        EXPECT_EQ(log.count(test::logLine("EE", kXml, expected)), attempt);
        // The text stays cached: the second attempt parses again without reading.
        EXPECT_EQ(log.count(test::logLine("DD", kRaw, "reading broken.xml")), 1);
    }
    EXPECT_FALSE(log.has(test::logLine("DD", kXml, "returning root element from broken.xml")));
}

TEST_F(ResourceManager, XmlIsParsedInWindows1252ButGetTxtKeepsTheUtf8) {
    install.addFixture("xml", "swedish.xml", "resource/swedish.xml");
    start();
    const std::string original = test::readFile(test::fixturePath("resource/swedish.xml"));

    TiXmlDocument document;
    EXPECT_EQ(manager()->getXml("swedish.xml", document), static_cast<int32_t>(original.size()));
    // The quoted messages, exactly (the first has no blank before the name).
    EXPECT_TRUE(log.has(test::logLine("DD", kXml, "getting xml fileswedish.xml")));
    EXPECT_TRUE(log.has(test::logLine("DD", kXml, "parsing")));
    EXPECT_TRUE(log.has(test::logLine("DD", kXml, "returning root element from swedish.xml")));
    ASSERT_NE(document.RootElement(), nullptr);
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
    EXPECT_EQ(txt("swedish.xml"), original);
}

TEST_F(ResourceManager, RawHandlesReadTheFileAndMissingOnesAreNull) {
    install.addFile("bin", "p1_events.bin", std::string("\x01\x00\x02", 3));
    start();
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

TEST_F(ResourceManager, ATextureIsMadeOnceAndAnEmptyFileIsCachedButFailuresAreRetried) {
    install.addFixture("gfx", "tiny.png", "resource/tiny.png");
    install.addFile("gfx", "garbage.png", "this is not an image");
    install.addFile("gfx", "empty.png", "");
    start();
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());
    struct Case {
        const char* name;
        int32_t length;
        const char* error;
        bool cached;
    };
    const Case cases[] = {
        {"tiny.png",
         static_cast<int32_t>(test::readFile(test::fixturePath("resource/tiny.png")).size()),
         nullptr, true},
        {"empty.png", 0, "length Read is 0", true},
        {"missing.png", 0, "unable to file handle for missing.png", false},
        {"garbage.png", 0, "unable to load texture garbage.png", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string loading = test::logLine(
            "DD", kTex, std::string("texture ") + c.name + " not yet loaded, doing so now");
        const std::string cached =
            test::logLine("DD", kTex, std::string("returning cached contents of ") + c.name);
        log.take();
        HTEXTURE texture = 7;
        EXPECT_EQ(manager()->getTexture(c.name, texture), c.length);
        EXPECT_EQ(texture != 0, c.length > 0);
        EXPECT_TRUE(log.has(loading));
        EXPECT_EQ(log.countPrefix("[EE]"), c.error ? 1 : 0);
        EXPECT_TRUE(!c.error || log.has(test::logLine("EE", kTex, c.error)));

        log.take();
        HTEXTURE again = 7;
        EXPECT_EQ(manager()->getTexture(c.name, again), c.length);
        EXPECT_EQ(again, texture);
        EXPECT_EQ(log.has(loading), !c.cached);
        EXPECT_EQ(log.has(cached), c.cached);
        if (c.length > 0) {
            EXPECT_EQ(engine.hge()->Texture_GetWidth(texture, true), 4);
            EXPECT_EQ(engine.hge()->Texture_GetHeight(texture, true), 2);
        }
    }
}
