#include <gtest/gtest.h>

#include <sstream>

#include "TestSupport.h"
#include "core/DebugDraw.h"

namespace {

class Box : public DebugDraw::Rect {
public:
    int key() override { return 0x71; }
    hgeVector topLeft() override { return hgeVector(0, 0); }
    hgeVector bottomRight() override { return hgeVector(10, 10); }
};

void mountWithDebugDraw(test::Installation& install, const char* value) {
    install.writeSideFile("data/ folders");
    install.addFile("xml", "constants.xml",
                    std::string("<c><Constants debugDraw=\"") + value + "\"/></c>");
    install.mount();
}

std::string address(const void* p) {
    std::ostringstream out;
    out << p;
    return out.str();
}

}  // namespace

TEST(DebugDraw, ShapesRegisterOnlyWhenTheConstantSwitchesOverlaysOn) {
    test::Installation install;
    mountWithDebugDraw(install, "yes");
    test::LogCapture log;
    {
        Box first, second;
        EXPECT_TRUE(first.isEnabled());
        EXPECT_EQ(DebugDraw::Renderer::instance()->count(), 2u);
        EXPECT_TRUE(log.has(
            test::logLine("DD", "DebugDraw::Renderer::reg", "registering " + address(&first))));
    }
    EXPECT_EQ(DebugDraw::Renderer::instance()->count(), 0u);
    EXPECT_EQ(log.countPrefix("[DD] [DebugDraw::Renderer::unreg]\t\tunregistering "), 2);
}

TEST(DebugDraw, AnythingButYesOneOrTrueLeavesOverlaysOff) {
    test::Installation install;
    mountWithDebugDraw(install, "on");
    test::LogCapture log;
    Box box;
    EXPECT_FALSE(box.isEnabled());
    EXPECT_EQ(DebugDraw::Renderer::instance()->count(), 0u);
    EXPECT_EQ(log.countPrefix("[DD] [DebugDraw"), 0);
}
