// The room's isometric grid: projection, nearest dot, taking and freeing
// areas, reading the grid element, and the shipped flats of "rooms.xml" with
// their debug view drawn over the background.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/DebugDraw.h"
#include "core/Sprite.h"
#include "core/states/StateTestSupport.h"
#include "home/Dot.h"
#include "home/IsometricGrid.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"

namespace {

// Grid (0, 0) at screen (100, 200); one step in x goes (20, -10) on the
// screen, one step in y (20, 10).
const char* const kHead =
    "<grid sizeRatio=\"0.5\" roofHeight=\"40\" gridSize=\"20\">"
    "<position x=\"100\" y=\"200\"/>";

// A grid read from the text of a grid element.
struct Grid {
    explicit Grid(const std::string& xml) {
        document.Parse(xml.c_str());
        grid.create(document.RootElement());
    }
    TiXmlDocument document;
    IsometricGrid grid;
};

std::string dots(const std::vector<std::pair<int, int>>& points) {
    std::string out;
    for (const auto& p : points) {
        out +=
            "<dot x=\"" + std::to_string(p.first) + "\" y=\"" + std::to_string(p.second) + "\"/>";
    }
    return out;
}

// The grid points of the dots that are (not) free.
std::vector<std::pair<int, int>> withFree(const IsometricGrid& grid, bool free) {
    std::vector<std::pair<int, int>> out;
    for (const Dot* dot : grid.getDots()) {
        if (dot->isFree() == free) {
            out.emplace_back(static_cast<int>(dot->getX()), static_cast<int>(dot->getY()));
        }
    }
    return out;
}

}  // namespace

TEST(IsometricGrid, ProjectsGridPointsAndFindsTheNearestDotFirstListedOnATie) {
    // Listed out of order, and with a gap at (1, 1).
    Grid g(std::string(kHead) +
           dots({{2, 2}, {0, 1}, {2, 0}, {0, 0}, {1, 2}, {2, 1}, {1, 0}, {0, 2}}) + "</grid>");
    EXPECT_EQ(g.grid.gridToScreen(hgeVector(1, 0), false), hgeVector(20, -10));
    EXPECT_EQ(g.grid.gridToScreen(hgeVector(0, 1), false), hgeVector(20, 10));
    EXPECT_EQ(g.grid.gridToScreen(hgeVector(2, 3), true), hgeVector(200, 210));
    EXPECT_EQ(g.grid.findDot(hgeVector(1, 1)), nullptr);
    // Every dot's screen point, and any point within a few pixels of it,
    // leads back to the dot.
    for (const Dot* dot : g.grid.getDots()) {
        const hgeVector at(dot->getX(), dot->getY());
        const hgeVector screen = g.grid.gridToScreen(at, true);
        EXPECT_EQ(dot->getScreenPosition(), screen);
        EXPECT_EQ(g.grid.findDot(at), dot);
        for (const hgeVector& nudge : {hgeVector(0, 0), hgeVector(6, 3), hgeVector(-4, -5)}) {
            EXPECT_EQ(g.grid.nearestDot(screen + nudge), at) << at.x << "," << at.y;
        }
    }
    // The gap: the screen point of (1, 1), (140, 200), is 20 px from both
    // (2, 0) and (0, 2), of which (2, 0) is listed first.
    EXPECT_EQ(g.grid.nearestDot(hgeVector(140, 200)), hgeVector(2, 0));
}

TEST(IsometricGrid, SetAreaFreeTouchesOnlyTheDotsThatExist) {
    // A 3 x 3 floor, (0, 0) to (2, 2).
    Grid g(std::string(kHead) +
           dots({{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}) +
           "</grid>");
    using Points = std::vector<std::pair<int, int>>;
    // Width and depth 1 cover a 2 x 2 block.
    g.grid.setAreaFree(hgeVector(0, 0), 1, 1, false);
    EXPECT_EQ(withFree(g.grid, false), (Points{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
    g.grid.setAreaFree(hgeVector(0, 0), 2, 2, true);
    // Running past the far edges, and starting before the near ones.
    g.grid.setAreaFree(hgeVector(1, 1), 3, 4, false);
    EXPECT_EQ(withFree(g.grid, false), (Points{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
    g.grid.setAreaFree(hgeVector(-2, -1), 3, 3, true);
    EXPECT_EQ(withFree(g.grid, false), (Points{{2, 1}, {2, 2}}));
    g.grid.setAreaFree(hgeVector(5, 5), 2, 2, false);
    EXPECT_EQ(withFree(g.grid, false).size(), 2u);
    // The debug colour follows.
    EXPECT_EQ(g.grid.findDot(hgeVector(2, 2))->color(), 0xFFFF0000u);
    EXPECT_EQ(g.grid.findDot(hgeVector(0, 0))->color(), 0xFF00FF00u);
}

TEST(IsometricGrid, ReadsItsElementAndLogsWhatIsMissing) {
    struct Case {
        const char* xml;  // "" for no element at all
        size_t corners, edges, inner;
        float sizeRatio, gridSize, roofHeight, x, y, largestX, largestY;
        std::vector<std::string> problems;
    } cases[] = {
        {"",
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         {test::logLine("EE", "IsometricGrid::create", "got no grid element")}},
        // A corner that is also an edge is a corner only; "0" sets nothing.
        {"<grid sizeRatio='0.5' roofHeight='90' gridSize='25'><position x='3' y='4'/>"
         "<dot x='0' y='0' corner='1' edge='1'/><dot x='4' y='1' edge='1'/>"
         "<dot x='1' y='3' corner='0' edge='0'/><dot x='2' y='2'/></grid>",
         1,
         1,
         2,
         0.5f,
         25,
         90,
         3,
         4,
         4,
         3,
         {}},
        // Missing values read 0; text that is no number reads 0 quietly.
        {"<grid sizeRatio='half' roofHeight='90'><dot y='2'/></grid>",
         0,
         0,
         1,
         0,
         0,
         90,
         0,
         0,
         0,
         2,
         {test::logLine("WW", "xml::getElementVector", "element doesnt have child position"),
          test::logLine("WW", "xml::findAttribute", "element doesnt have attribute gridSize"),
          test::logLine("WW", "xml::findAttribute", "element doesnt have attribute x")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        test::LogCapture log;
        TiXmlDocument document;
        document.Parse(c.xml);
        IsometricGrid grid;
        grid.create(document.RootElement());
        EXPECT_EQ(grid.getCornerDots().size(), c.corners);
        EXPECT_EQ(grid.getEdgeDots().size(), c.edges);
        EXPECT_EQ(grid.getInnerDots().size(), c.inner);
        EXPECT_EQ(grid.getDots().size(), c.corners + c.edges + c.inner);
        EXPECT_FLOAT_EQ(grid.getSizeRatio(), c.sizeRatio);
        EXPECT_FLOAT_EQ(grid.getGridSize(), c.gridSize);
        EXPECT_FLOAT_EQ(grid.getRoofHeight(), c.roofHeight);
        EXPECT_EQ(grid.getPosition(), hgeVector(c.x, c.y));
        EXPECT_EQ(grid.getLargestX(), c.largestX);
        EXPECT_EQ(grid.getLargestY(), c.largestY);
        std::vector<std::string> problems;
        for (const std::string& line : log.lines()) {
            if (line.rfind("[WW] ", 0) == 0 || line.rfind("[EE] ", 0) == 0) {
                problems.push_back(line);
            }
        }
        EXPECT_EQ(problems, c.problems);
        EXPECT_EQ(log.has(test::logLine("DD", "IsometricGrid::create", "reading dots")),
                  *c.xml != '\0');
        grid.clear();
        EXPECT_TRUE(grid.getDots().empty() && grid.getCornerDots().empty() &&
                    grid.getEdgeDots().empty() && grid.getInnerDots().empty());
    }
}

TEST(IsometricGrid, EveryShippedRoomHasItsGridOnScreenItsPicturesAndABedsWorthOfFloor) {
    const std::string gfx = std::string(FISCORA_SOURCE_DIR) + "/data/gfx/";
    XmlReader reader("rooms.xml");
    for (const char* id : {"1", "2", "3"}) {
        SCOPED_TRACE(id);
        test::LogCapture log;
        TiXmlElement* room = reader.getRootChildElement("room", "id", id);
        ASSERT_NE(room, nullptr);
        IsometricGrid grid;
        grid.create(room->FirstChildElement("grid"));
        EXPECT_EQ(log.countPrefix("[WW] ") + log.countPrefix("[EE] "), 0);
        // An outline, not a single line of dots.
        EXPECT_GE(grid.getCornerDots().size(), 4u);
        EXPECT_GT(grid.getInnerDots().size(), 20u);
        for (const Dot* dot : grid.getDots()) {
            const hgeVector p = dot->getScreenPosition();
            EXPECT_TRUE(p.x >= 0 && p.x < 800 && p.y >= 0 && p.y < 600) << p.x << "," << p.y;
        }
        // A bought piece waits at (5, 15): a 3 x 4 bed fits there. The dots
        // at (0, 0) that buying frees must not exist, or buying would free
        // the dots under a piece standing there.
        for (int x = 5; x <= 8; ++x) {
            for (int y = 15; y <= 19; ++y) {
                EXPECT_NE(grid.findDot(hgeVector(x, y)), nullptr) << x << "," << y;
            }
        }
        EXPECT_EQ(grid.findDot(hgeVector(0, 0)), nullptr);
        // The pictures: the background and the two buttons on it.
        const std::string background =
            xml::getAttributeString(room->FirstChildElement("background"), "name");
        EXPECT_TRUE(std::filesystem::exists(gfx + "sprite_" + background + ".png")) << background;
        for (const char* button : {"door", "noticeboard"}) {
            TiXmlElement* element = room->FirstChildElement(button);
            ASSERT_NE(element, nullptr) << button;
            EXPECT_EQ(xml::getAttributeString(element, "guiId"), button);
            EXPECT_TRUE(std::filesystem::exists(gfx + "gui_" +
                                                xml::getAttributeString(element, "name") + ".png"))
                << button;
        }
    }
}

TEST(IsometricGrid, DebugViewDrawsEveryShippedDotInItsColourOverTheBackground) {
    // The shipped content with the debug view on; F2 held from the first frame.
    test::Installation install;
    statetest::installShipped(install, "constants.xml");
    std::string constants =
        test::readFile(std::string(FISCORA_SOURCE_DIR) + "/data/xml/constants.xml");
    constants.replace(constants.find("debugDraw=\"no\""), 14, "debugDraw=\"yes\"");
    install.addFile("xml", "constants.xml", constants);
    install.mount();
    DebugDraw::Renderer::destroy();
    setenv("FISCORA_SHOTS", "shots", 1);
    statetest::Game game("1 key f2 down\n2 shot room1\n3 shot room2\n4 shot room3\n");
    unsetenv("FISCORA_SHOTS");
    ASSERT_TRUE(game.ok());
    ASSERT_TRUE(DebugDraw::Renderer::instance()->isEnabled());

    XmlReader reader("rooms.xml");
    std::vector<std::vector<std::pair<hgeVector, bool>>> expected;
    std::vector<std::vector<hgeVector>> corners;
    for (const char* id : {"1", "2", "3"}) {
        TiXmlElement* room = reader.getRootChildElement("room", "id", id);
        ASSERT_NE(room, nullptr);
        Sprite background("sprite_room" + std::string(id) + ".png", hgeVector(802, 602));
        background.setHotSpot(0, 0);
        background.setMovesWithCam(true);
        background.setZ(0.01f);
        IsometricGrid grid;
        grid.create(room->FirstChildElement("grid"));
        // A piece standing at (5, 15).
        grid.setAreaFree(hgeVector(5, 15), 1, 2, false);
        expected.emplace_back();
        for (const Dot* dot : grid.getDots()) {
            expected.back().emplace_back(dot->getScreenPosition(), dot->isFree());
        }
        corners.emplace_back();
        for (const Dot* dot : grid.getCornerDots()) {
            corners.back().push_back(dot->getScreenPosition());
        }
        ASSERT_TRUE(game.frames(id[0] == '1' ? 2 : 1));
    }
    for (size_t i = 0; i < expected.size(); ++i) {
        const test::Picture shot("shots/room" + std::to_string(i + 1) + ".png");
        ASSERT_TRUE(shot.ok()) << i;
        int taken = 0;
        for (const auto& [at, free] : expected[i]) {
            const int x = static_cast<int>(at.x), y = static_cast<int>(at.y);
            EXPECT_EQ(shot.at(x, y) & 0xFFFFFFu, free ? 0x00FF00u : 0xFF0000u)
                << "room " << i + 1 << " dot at " << x << "," << y;
            taken += !free;
        }
        EXPECT_EQ(taken, 6);
        // The outline's walls rise from every corner in the grid's white.
        for (const hgeVector& at : corners[i]) {
            EXPECT_EQ(shot.at(static_cast<int>(at.x), static_cast<int>(at.y) - 100) & 0xFFFFFFu,
                      0xFFFFFFu)
                << "room " << i + 1 << " corner at " << at.x << "," << at.y;
        }
    }
    DebugDraw::Renderer::destroy();
}
