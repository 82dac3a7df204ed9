#include <gtest/gtest.h>

#include "core/InputManager.h"
#include "core/Log.h"

TEST(InputManager, WithoutAnInterfaceEveryFrameLogsAnErrorAndFails) {
    Log::instance()->startCapture();
    InputManager::setInputInterface("Joystick");
    EXPECT_FALSE(InputManager::processInput(InputManager::instance()));
    EXPECT_FALSE(InputManager::processInput(InputManager::instance()));
    const auto lines = Log::instance()->stopCapture();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              "[WW] [InputManager::setInputInterface]\t\tUnkowned input interfaceJoystick");
    EXPECT_EQ(lines[1], "[EE] [InputManager::processInput]\t\tInput is not initialize");
    EXPECT_EQ(lines[2], lines[1]);
    EXPECT_FALSE(InputManager::instance()->hasInterface());
}

TEST(InputManager, BothKnownNamesInstallTheKeyboard) {
    InputManager::setInputInterface("Gamepad");
    EXPECT_TRUE(InputManager::instance()->hasInterface());
    EXPECT_TRUE(InputManager::processInput(InputManager::instance()));
    InputManager::setInputInterface("Keyboard");
    EXPECT_EQ(InputManager::instance()->name(), "Keyboard");
    EXPECT_TRUE(InputManager::processInput(InputManager::instance()));
}
