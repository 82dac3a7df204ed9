#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "TestSupport.h"
#include "resource/ConstantManager.h"
#include "resource/Encoding.h"
#include "resource/XmlReader.h"

namespace fs = std::filesystem;

// The shipped content, read the way the game reads it (the test program's
// side file points at data/ as plain folders).

TEST(DataFiles, EveryTextFileIsUtf8ThatWindows1252CanHold) {
    int checked = 0;
    for (const auto& entry :
         fs::recursive_directory_iterator(std::string(FISCORA_SOURCE_DIR) + "/data")) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() ||
            (extension != ".xml" && extension != ".fnt" && extension != ".txt")) {
            continue;
        }
        std::string problem;
        EXPECT_TRUE(text::isConvertible(test::readFile(entry.path().string()), &problem))
            << entry.path() << ": " << problem;
        ++checked;
    }
    EXPECT_GE(checked, 2);
}

TEST(DataFiles, EveryXmlFileParses) {
    for (const auto& entry :
         fs::directory_iterator(std::string(FISCORA_SOURCE_DIR) + "/data/xml")) {
        if (entry.path().extension() != ".xml") {
            continue;
        }
        test::LogCapture log;
        XmlReader reader(entry.path().filename().string());
        EXPECT_NE(reader.getRootElement(), nullptr) << entry.path();
        EXPECT_EQ(log.countPrefix("[EE]"), 0) << entry.path();
    }
}

TEST(DataFiles, EveryConstantTheGameReadsIsThere) {
    test::LogCapture log;
    ConstantManager* constants = ConstantManager::instance();
    EXPECT_FLOAT_EQ(constants->getFloat("screenWidth"), 800.0f);
    EXPECT_FLOAT_EQ(constants->getFloat("screenHeight"), 600.0f);
    for (const char* key :
         {"cameraSpeed", "enterRoomDelay", "tutorialForceDelay", "lowHealth", "highHealth",
          "lowAppearance", "highAppearance", "lowHygiene", "highHygiene"}) {
        EXPECT_GT(constants->getFloat(key), 0.0f) << key;
    }
    // A low factor must lie below its high one, or every month is both.
    EXPECT_LT(constants->getFloat("lowHealth"), constants->getFloat("highHealth"));
    EXPECT_LT(constants->getFloat("lowAppearance"), constants->getFloat("highAppearance"));
    EXPECT_LT(constants->getFloat("lowHygiene"), constants->getFloat("highHygiene"));
    for (const char* key : {"soundEnabled", "musicEnabled", "achievementsEnabled",
                            "tutorialsEnabled", "budgetCheck", "eventCheck"}) {
        EXPECT_TRUE(constants->getBool(key)) << key;
    }
    EXPECT_FALSE(constants->getBool("debugDraw"));
    EXPECT_EQ(log.countPrefix("[WW]") + log.countPrefix("[EE]"), 0);
}

TEST(DataFiles, DepthLevelsExistAndStackSensibly) {
    XmlReader reader("zdepth.xml");
    ASSERT_NE(reader.getRootElement(), nullptr);
    std::map<std::string, float> z;
    test::LogCapture log;
    for (TiXmlElement* level = reader.getRootElement()->FirstChildElement(); level;
         level = level->NextSiblingElement()) {
        z[xml::getAttributeString(level, "key")] = xml::getAttributeFloat(level, "val");
    }
    EXPECT_EQ(log.countPrefix("[WW]"), 0);
    for (const char* name :
         {"gui_default", "town_building", "gui_furniture", "tutorials", "main_gui", "cursor"}) {
        EXPECT_EQ(z.count(name), 1u) << name;
    }
    // Furniture (0.25..0.75) under its buttons and the HUD; ordinary windows
    // (0.85..0.99) under tutorials; the pointer above everything.
    EXPECT_GT(z["gui_furniture"], 0.75f);
    EXPECT_GT(z["main_gui"], 0.75f);
    EXPECT_LT(z["main_gui"], z["gui_default"]);
    EXPECT_GT(z["tutorials"], 1.0f);
    EXPECT_LT(z["tutorials"], 2.0f);
    for (const auto& level : z) {
        if (level.first != "cursor") {
            EXPECT_LT(level.second, z["cursor"]) << level.first;
        }
    }
}
