// The resource manager (the side file, the search path, the text and texture
// caches) and what reads through it: XML records, constants, texts and
// sprites. Each test fills `install` (or an installation of its own), calls
// start() and reads; `log` holds what was logged since the last take().
#include <gtest/gtest.h>
#include <physfs.h>

#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "TestSupport.h"
#include "engine/hge.h"
#include "engine/hgesprite.h"
#include "resource/ConstantManager.h"
#include "resource/ResourceManager.h"
#include "resource/Text.h"
#include "resource/TextureLoader.h"
#include "resource/XmlReader.h"

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
    bool logged(const char* tag, const char* context, const std::string& message) const {
        return log.has(test::logLine(tag, context, message));
    }
    int problems() const { return log.countPrefix("[WW]") + log.countPrefix("[EE]"); }

    test::Installation install;
    test::LogCapture log;
};
// The readers share the manager's set-up.
using ConstantManagerTest = ResourceManager;
using TextTest = ResourceManager;
using TextureLoaderTest = ResourceManager;
using XmlReaderTest = ResourceManager;

const std::string kNoAttribute = "[WW] [xml::findAttribute]\t\telement doesnt have attribute ";

}  // namespace

TEST_F(ResourceManager, TheSideFileNamesPrefixAndModeAndXmlIsParsedInWindows1252) {
    const std::string swedish = test::readFile(test::fixturePath("resource/swedish.xml"));
    // "data" still names a folder; "." is the program's own folder.
    for (const auto& [prefix, mode, expectedPrefix] :
         {std::tuple("data/", "folders", "data/"), std::tuple("data", "folders", "data/"),
          std::tuple(".", "encrypted", "")}) {
        SCOPED_TRACE(prefix);
        const bool archives = std::string(mode) == "encrypted";
        test::Installation local(prefix, mode);
        local.addFile("", "where.txt", "base");
        for (const char* folder : {"bin", "xml"}) {
            local.addFile(folder, "where.txt", folder);
            local.addFile(folder, "order.txt", folder);
        }
        local.addFile("xml", "only.txt", prefix);  // a fresh manager reads it afresh
        local.addFile("xml", "swedish.xml", swedish);
        local.removeFolder("snd");
        if (archives) {
            ASSERT_TRUE(local.packAll());
            std::filesystem::create_directories(local.folder("usr"));
        }
        local.mount();
        log.take();
        EXPECT_EQ(manager()->getPrefix(), expectedPrefix);
        EXPECT_EQ(manager()->isArchiveMode(), archives);
        EXPECT_TRUE(logged("II", kCtor, "initiating file system"));
        EXPECT_TRUE(logged(
            "DD", kCtor,
            std::string("stuff files will be read as ") + (archives ? "archives" : "folders")));
        // Only the missing folder is missed; the others still mount.
        const std::string snd = local.folder("snd") + (archives ? ".stuff" : "");
        EXPECT_EQ(log.countPrefix(test::logLine("WW", "resource::Manager::addSearchPath",
                                                "unable to add searchpath (" + snd + "): ")),
                  1);
        EXPECT_EQ(problems(), 1);
        EXPECT_EQ(std::string(PHYSFS_getWriteDir()), local.folder("usr"));
        // The program's folder first, then the content folders in order.
        EXPECT_EQ(txt("where.txt") + txt("order.txt") + txt("only.txt"),
                  std::string("basebin") + prefix);

        TiXmlDocument document;
        EXPECT_EQ(manager()->getXml("swedish.xml", document), static_cast<int32_t>(swedish.size()));
        EXPECT_EQ(txt("swedish.xml"), swedish) << "getTxt keeps the UTF-8";
        // The quoted messages, exactly (the first has no blank before the name).
        EXPECT_TRUE(logged("DD", kXml, "getting xml fileswedish.xml"));
        EXPECT_TRUE(logged("DD", kXml, "parsing"));
        EXPECT_TRUE(logged("DD", kXml, "returning root element from swedish.xml"));
        // A letter above 0x7F right before a quote or tag must not swallow it.
        TiXmlPrinter printer;
        printer.SetStreamPrinting();
        ASSERT_TRUE(document.RootElement() && document.RootElement()->Accept(&printer));
        EXPECT_EQ(
            printer.Str(),
            std::string("<shops><shop guiId=\"Lenas M\xF6") +
                "bler\" text=\"V\xE4lkommen! H\xE4r finns soffor och s\xE4ngar \x96 fr\xE5n "
                "1 200 \x80.\" /><shop guiId=\"Tekniklandet\" text=\"\xC5\xC4\xD6 \xE5\xE4\xF6\" "
                "owner=\"K\xF6\">V\xE4lkommen p\xE5<hint /></shop></shops>");
    }
}

TEST_F(ResourceManager, TheSideFileIsTheProgramPathWithoutAWindowsExeSuffixPlusInfo) {
    install.addFile("", "beside.txt", "here");
    install.addFile("xml", "a.xml", "<a/>");
    // Any mode word but "encrypted" means plain folders.
    test::writeFile(install.root() + "/game.bin.info", "other/ unpacked\n");
    // The prefix tells which side file was read; "" when there was none.
    for (const auto& [program, stem, prefix] :
         {std::tuple("game.bin", "game.bin", "other/"), std::tuple("game.EXE", "game", "data/"),
          std::tuple("lonely", "lonely", "")}) {
        SCOPED_TRACE(program);
        test::Installation::unmount();
        resource::Manager::setExecutablePath(install.root() + "/" + program);
        log.take();
        EXPECT_EQ(manager()->getStem(), install.root() + "/" + stem);
        EXPECT_EQ(manager()->getProgramName(), stem);
        EXPECT_EQ(manager()->getPrefix(), prefix);
        EXPECT_FALSE(manager()->isArchiveMode());
        EXPECT_EQ(
            logged("EE", kCtor,
                   "unable to read " + manager()->getStem() + ".info, files wont be ablo to load"),
            *prefix == '\0');
    }
    // Without a side file only the program's folder is searched.
    EXPECT_EQ(txt("beside.txt") + txt("a.xml"), "here");
}

TEST_F(ResourceManager, TextIsReadOnceUpToItsFirstZeroByteAndThenServedFromTheCache) {
    // name, bytes on disk (null: none), their length (getTxt's answer), text,
    // and a line of the first read.
    const std::tuple<const char*, const char*, int32_t, const char*, std::string> cases[] = {
        {"a.txt", "first", 5, "first", test::logLine("DD", kRaw, "returning file handle to a.txt")},
        {"zero.txt", "ab\0cd", 5, "ab", test::logLine("DD", kTxt, "reading contents")},
        {"empty.txt", "", 0, "", test::logLine("EE", kTxt, "length Read is 0")},
        {"late.xml", nullptr, 0, "", test::logLine("EE", kTxt, "got no handle for late.xml")}};
    for (const auto& [name, bytes, length, text, line] : cases) {
        if (bytes) {
            install.addFile("txt", name, std::string(bytes, static_cast<size_t>(length)));
        }
    }
    start();
    for (const auto& [name, bytes, length, text, line] : cases) {
        SCOPED_TRACE(name);
        // The second read comes from the cache alone: a file changed or added
        // on disk makes no difference while the game runs.
        const std::string cached = std::string("returning cached contents of ") + name;
        for (int pass = 0; pass < 2; ++pass) {
            log.take();
            std::string read = "stale";
            EXPECT_EQ(manager()->getTxt(name, read), length);
            EXPECT_EQ(read, text);
            EXPECT_TRUE(pass == 0 ? log.has(line)
                                  : log.lines().size() == 1 && logged("DD", kTxt, cached));
            install.addFile("txt", name, "second version");
        }
    }
    // Nothing to parse: no document and no complaint.
    for (const char* name : {"late.xml", "empty.txt"}) {
        TiXmlDocument document;
        EXPECT_EQ(manager()->getXml(name, document), 0) << name;
        EXPECT_EQ(document.RootElement(), nullptr) << name;
    }
    EXPECT_EQ(problems(), 0);
    // A missing file gives no handle.
    PHYSFS_File* file = reinterpret_cast<PHYSFS_File*>(1);
    manager()->getRaw("nothing.bin", file);
    EXPECT_EQ(file, nullptr);
    EXPECT_TRUE(logged("WW", kRaw, "file nothing.bin doesnt exist"));
}

TEST_F(ResourceManager, ATextureIsMadeOnceAndAnEmptyFileIsCachedButFailuresAreRetried) {
    const std::string png = test::readFile(test::fixturePath("resource/tiny.png"));
    install.addFile("gfx", "tiny.png", png);
    install.addFile("gfx", "garbage.png", "this is not an image");
    install.addFile("gfx", "empty.png", "");
    start();
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());
    // name, length, error (or ""), cached
    for (const auto& [name, length, error, cached] :
         {std::tuple<const char*, size_t, const char*, bool>{"tiny.png", png.size(), "", true},
          {"empty.png", 0, "length Read is 0", true},
          {"missing.png", 0, "unable to file handle for missing.png", false},
          {"garbage.png", 0, "unable to load texture garbage.png", false}}) {
        SCOPED_TRACE(name);
        const std::string loading =
            std::string("texture ") + name + " not yet loaded, doing so now";
        log.take();
        HTEXTURE texture = 7;
        EXPECT_EQ(manager()->getTexture(name, texture), static_cast<int32_t>(length));
        EXPECT_TRUE(logged("DD", kTex, loading));
        EXPECT_EQ(log.countPrefix("[EE]"), *error ? 1 : 0);
        EXPECT_TRUE(!*error || logged("EE", kTex, error));
        log.take();
        HTEXTURE again = 7;
        EXPECT_EQ(manager()->getTexture(name, again), static_cast<int32_t>(length));
        EXPECT_EQ(again, texture);
        EXPECT_EQ(logged("DD", kTex, loading), !cached);
        EXPECT_EQ(logged("DD", kTex, std::string("returning cached contents of ") + name), cached);
        EXPECT_EQ(texture ? std::pair(engine.hge()->Texture_GetWidth(texture, true),
                                      engine.hge()->Texture_GetHeight(texture, true))
                          : std::pair(0, 0),
                  length ? std::pair(4, 2) : std::pair(0, 0));
    }
}

TEST_F(XmlReaderTest, TheFirstRecordWithNameAndKeyWinsAndAParentNarrowsTheSearch) {
    install.addFile("xml", "gui.xml",
                    "<fiscora><mainGui guiId='serviceWindow' n='1'/>"
                    "<other guiId='serviceWindow' n='0'/><mainGui guiId='serviceWindow' "
                    "n='2'><button guiId='Play Button' n='3'/></mainGui><mainGui n='4'/>"
                    "<mainGui guiId='' n='5'/></fiscora>");
    // The tag on line 2 is cut off by a '<' in column 18.
    install.addFile("xml", "broken.xml", "<root>\n  <item name='a' <b/>\n</root>\n");
    start();
    const char* const context = "XmlReader::getRootChildElement";
    // The record's number, or "none".
    const auto n = [](const TiXmlElement* e) {
        return std::string(e ? e->Attribute("n") : "none");
    };
    XmlReader reader("gui.xml");
    EXPECT_EQ(n(reader.getRootChildElement("mainGui", "guiId", "serviceWindow")), "1");
    EXPECT_EQ(problems(), 0);
    // Every record of that name is read, the one without the key with a
    // warning; a missing key matches the empty value.
    EXPECT_EQ(n(reader.getRootChildElement("mainGui", "guiId", "elsewhere")), "none");
    EXPECT_EQ(log.count(kNoAttribute + "guiId"), 1);
    EXPECT_TRUE(
        logged("WW", context, "rootchild mainGui with key guiId set to elsewhere not found"));
    EXPECT_EQ(n(reader.getRootChildElement("mainGui", "guiId", "")), "4");
    // Only the parent's children are searched.
    EXPECT_EQ(n(reader.getRootChildElement("button", "guiId", "Play Button")), "none");
    TiXmlElement* second = reader.getRootChildElement("mainGui", "n", "2");
    EXPECT_EQ(n(reader.getRootChildElement("button", "guiId", "Play Button", second)), "3");

    // A missing or broken file gives no root, but a parent still works. The
    // broken one's error is logged with one-based row and column each time it
    // is parsed, from the cached text.
    const std::string error = test::logLine(
        "EE", kXml,
        "error parsing xml, id " + std::to_string(TiXmlBase::TIXML_ERROR_READING_ATTRIBUTES) +
            ", row 2, col 18; ");
    log.take();
    for (const char* name : {"missing.xml", "broken.xml", "broken.xml"}) {
        XmlReader none(name);
        EXPECT_EQ(none.getRootElement(), nullptr) << name;
        EXPECT_EQ(none.getRootChildElement("a", "guiId", "x"), nullptr);
        EXPECT_EQ(n(none.getRootChildElement("button", "n", "3", second)), "3") << name;
    }
    EXPECT_EQ(log.from(context),
              std::vector<std::string>(3, test::logLine("EE", context, "got no root")));
    EXPECT_EQ(log.countPrefix(error), 2);
    EXPECT_EQ(log.count(test::logLine("DD", kRaw, "reading broken.xml")), 1);
    EXPECT_FALSE(logged("DD", kXml, "returning root element from broken.xml"));
}

TEST_F(ConstantManagerTest, ReadsTypedConstantsWithTheStrictYesNoRuleAndNeutralValuesForMissing) {
    const char* const context = "ConstantManager::ConstantManager";
    install.addFile("xml", "constants.xml",
                    "<anything><Other a='no'/><Constants screenWidth='800' speed='2.5'"
                    " name='Fiscora' a='yes' b='1' c='true' d='TRUE' e='on' f='no'"
                    " g='Yes' h=''/></anything>");
    start();
    ConstantManager* constants = ConstantManager::instance();
    EXPECT_EQ(log.from(context),
              (std::vector<std::string>{test::logLine("II", context, "reading constants"),
                                        test::logLine("II", context, "contstants read")}));
    EXPECT_FLOAT_EQ(constants->getFloat("screenWidth"), 800.0f);
    EXPECT_FLOAT_EQ(constants->getFloat("speed"), 2.5f);
    EXPECT_EQ(constants->getString("name"), "Fiscora");
    for (const char* key : {"a", "b", "c", "d", "e", "f", "g", "h"}) {
        EXPECT_EQ(constants->getBool(key), *key <= 'c') << key;
    }
    EXPECT_EQ(problems(), 0);

    // A missing key, or any without the Constants element or with an empty
    // file, gives the neutral value with a warning.
    for (const auto& [file, error, warning] :
         {std::tuple<std::string, std::string, std::string>{"", "", kNoAttribute + "x"},
          {"<c><Constant x='1'/></c>", "init of constant system failed; no child element",
           "[WW] [xml::findAttribute]\t\tgot null element"},
          {"", "got null element", "[WW] [xml::findAttribute]\t\tgot null element"}}) {
        SCOPED_TRACE(error);
        if (!error.empty()) {
            install.addFile("xml", "constants.xml", file);
            start();
        }
        log.take();
        EXPECT_EQ(ConstantManager::instance()->findConstant("x"), nullptr);
        EXPECT_FLOAT_EQ(ConstantManager::instance()->getFloat("x"), 0.0f);
        EXPECT_FALSE(ConstantManager::instance()->getBool("x"));
        EXPECT_EQ(ConstantManager::instance()->getString("x"), "");
        EXPECT_EQ(log.count(warning), 4);
        EXPECT_TRUE(error.empty() ||
                    (logged("EE", context, error) && !logged("II", context, "contstants read")));
    }
}

TEST_F(TextTest, TheBoundingBoxIsHalfTheWidthByHalfTheHeightPlacedByAlignment) {
    // Glyphs for "A", "B" and "?" only: each 10 wide, 20 high, with a
    // pre-offset of 1 and a post-offset of 2, so "AB" advances 2 * (1 + 10 + 2).
    install.addFile("fnt", "tiny.fnt",
                    "[HGEFONT]\nBitmap=tiny.png\nChar=41,0,0,10,20,1,2\nChar=42,10,0,10,20,1,2\n"
                    "Char=3F,20,0,10,20,1,2\n");
    start();
    Text text("tiny.fnt", "AB\nABAB");  // the widest line is 52 wide
    text.setMovesWithCam(true);
    text.setPosition(hgeVector(10, 10));
    EXPECT_EQ(text.char_width('A'), 10.0f) << "the glyph without its offsets";
    // A box of 26 x 10; an unhandled alignment leaves the box as it was.
    for (const auto& [align, expected] : {std::pair<int, std::vector<float>>{0, {10, 10, 36, 20}},
                                          {1, {-16, 0, 10, 10}},
                                          {2, {-3, 5, 23, 15}},
                                          {8, {-3, 5, 23, 15}},
                                          {5, {1, 2, 3, 4}}}) {
        text.setAlign(align);
        hgeRect box(1, 2, 3, 4);
        text.getScreenBoundingBox(box);
        EXPECT_FALSE(box.IsClean());
        EXPECT_EQ((std::vector<float>{box.x1, box.y1, box.x2, box.y2}), expected) << align;
    }
    EXPECT_TRUE(logged("WW", "Text::getScreenBoundingBox", "unhandled align: 5"));

    // Missing glyphs or font leave the text without a font, logged.
    EXPECT_EQ(text.char_width('Z'), 0.0f);
    EXPECT_TRUE(logged("EE", "Text::char_width", "cant find sprite for character Z"));
    Text broken("tiny.fnt", "ACB\nCAC");
    EXPECT_FALSE(broken.hasFont());
    EXPECT_EQ(log.count(test::logLine("EE", "Text::validate", "couldnt find sprie for C")), 3);
    hgeRect box(1, 1, 2, 2);
    broken.getScreenBoundingBox(box);
    EXPECT_EQ(box.x2, 2.0f);
    EXPECT_EQ(broken.char_width('A'), 0.0f);
    EXPECT_TRUE(logged("EE", "Text::char_width", "text has no hgefont"));
    EXPECT_FALSE(Text("nofont.fnt", "AB").hasFont());
    EXPECT_GT(log.countPrefix("[WW] [resource::Manager::getRaw]"), 0);
}

TEST_F(TextureLoaderTest, EveryCutLeavesAOnePixelMarginAndCentresTheHotSpotUnlessGiven) {
    // A 4 x 2 picture: wider than high, so a swapped size shows.
    install.addFixture("gfx", "sprite_b.png", "resource/tiny.png");
    start();
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());
    // Deleted through the pointer, as the game does.
    auto loader = std::make_unique<TextureLoader>();
    // The image record (its tag's name does not matter; null: no file at all),
    // then x, y, w, h and the hot spot. A missing image or none at all gives
    // the blank sprite.
    for (const auto& [xml, cut] :
         {std::pair<const char*, std::vector<float>>{"<i name='b'><size x='64' y='64'/></i>",
                                                     {1, 1, 62, 62, 31, 31}},
          {"<i name='b' x='10' y='20'/>", {1, 1, 8, 18, 4, 9}},
          {"<i name='b'><size x='40' y='30'/><hotspot x='3' y='5'/></i>", {1, 1, 38, 28, 3, 5}},
          {"<i name='b'><hotspot x='0' y='0'/></i>", {1, 1, 2, 0, 0, 0}},
          {"<i name='nothere' x='64' y='64'/>", {0, 0, 32, 32, 0, 0}},
          {nullptr, {0, 0, 32, 32, 0, 0}}}) {
        SCOPED_TRACE(xml ? xml : "no file");
        TiXmlDocument doc;
        doc.Parse(xml ? xml : "");
        std::unique_ptr<hgeSprite> sprite(
            xml ? loader->createSprite(doc.RootElement(), "sprite_", ".png")
                : loader->createSprite("", true, hgeVector(64, 64)));
        std::vector<float> got(6);
        sprite->GetTextureRect(&got[0], &got[1], &got[2], &got[3]);
        sprite->GetHotSpot(&got[4], &got[5]);
        EXPECT_EQ(got, cut);
        EXPECT_EQ(sprite->GetTexture() != 0, cut[0] == 1);
    }
    // The cut without a size takes the texture's own, with a warning, and
    // each blank sprite says why.
    EXPECT_TRUE(logged("WW", "TextureLoader::validateSize",
                       "no size specified, trying to figure them out but you shouldnt do this"));
    EXPECT_TRUE(logged("WW", "TextureLoader::createSprite",
                       "unable to load texture, creating blank sprite"));
    EXPECT_TRUE(
        logged("WW", "TextureLoader::createSprite", "got no resource file, creating blank sprite"));
}
