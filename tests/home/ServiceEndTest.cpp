// The HUD's service buttons (open, cancel after a question, follow the
// flag), the end screen's play time, and how kronor are written.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <memory>
#include <string>

#include "TestSupport.h"
#include "core/Money.h"
#include "core/states/StateTestSupport.h"
#include "home/EndGui.h"
#include "home/MainGui.h"
#include "home/Room.h"
#include "home/ServiceButton.h"
#include "sim/FlagSystem.h"
#include "sim/InfoManager.h"

namespace {

// A service element as the HUD record holds it.
std::unique_ptr<TiXmlElement> service(const std::string& id, const char* desc = "Om tjänsten") {
    auto element = std::make_unique<TiXmlElement>("service");
    element->SetAttribute("guiId", "service_" + id);
    element->SetAttribute("id", id);
    element->SetAttribute("name", "service_homeins");
    TiXmlElement size("size");
    size.SetAttribute("x", 40);
    size.SetAttribute("y", 40);
    element->InsertEndChild(size);
    if (desc) {
        TiXmlElement text("desc");
        text.InsertEndChild(TiXmlText(desc));
        element->InsertEndChild(text);
    }
    return element;
}

class HomeScreens : public ::testing::Test {
protected:
    void SetUp() override {
        statetest::installShipped(m_install);
        m_install.mount();
    }
    void TearDown() override {
        MainGui::destroy();
        Room::destroy();
    }
    bool start(const std::string& script) {
        m_game = std::make_unique<statetest::Game>(script);
        InfoManager::instance()->load("info.xml");
        FlagSystem::instance()->reset();
        return m_game->ok();
    }
    test::Installation m_install;
    std::unique_ptr<statetest::Game> m_game;
    test::LogCapture log;
};

}  // namespace

TEST(Money, KronorAreGroupedByThousands) {
    const std::pair<int64_t, const char*> cases[] = {
        {0, "0"},          {800, "800"},        {1000, "1 000"},
        {-1200, "-1 200"}, {123456, "123 456"}, {INT64_MIN, "-9 223 372 036 854 775 808"}};
    for (const auto& [amount, shown] : cases) {
        EXPECT_EQ(money::format(amount), shown) << amount;
    }
    EXPECT_EQ(money::kr(4000), "4 000 kr");
}

TEST_F(HomeScreens, AServiceOpensItsWindowAndIsCancelledOnlyAfterYes) {
    ASSERT_TRUE(
        start("2 clickon service_HOMEINS\n4 clickon service_cancelbutton\n"
              "6 clickon denyButton\n8 clickon service_cancelbutton\n"
              "10 clickon confirmButton\n"));
    FlagSystem* flags = FlagSystem::instance();
    flags->raise(FiscoraFlags::HOMEINS);
    auto element = service("HOMEINS");
    ServiceButton button(element.get(), nullptr);
    EXPECT_EQ(button.getState(), 2);
    EXPECT_EQ(button.getDescription(), "Om tjänsten");

    m_game->frames(3);
    ASSERT_TRUE(button.isWindowOpen());
    EXPECT_EQ(ServiceButton::getShown(), &button);
    m_game->frames(4);
    EXPECT_EQ(InfoManager::instance()->getCurrentName(), "cancel service");
    EXPECT_TRUE(flags->isRaised(FiscoraFlags::HOMEINS)) << "no keeps the service";
    EXPECT_TRUE(button.isWindowOpen());
    m_game->frames(5);
    EXPECT_FALSE(flags->isRaised(FiscoraFlags::HOMEINS));
    EXPECT_FALSE(button.isWindowOpen());
    EXPECT_EQ(button.getState(), 1);
    EXPECT_FALSE(button.isVisible()) << "a cancelled service leaves the HUD";
    EXPECT_EQ(InfoManager::instance()->getAnswer(), InfoManager::NO_ANSWER);

    // Taken up again (an event can), it comes back.
    flags->raise(FiscoraFlags::HOMEINS);
    m_game->frames(1);
    EXPECT_EQ(button.getState(), 2);
    EXPECT_TRUE(button.isVisible());
}

TEST_F(HomeScreens, TheTvFeeCantBeCancelledWithATvAndBadServiceRecordsAreNamed) {
    ASSERT_TRUE(
        start("2 clickon service_TVLICENSE\n4 clickon service_cancelbutton\n"
              "6 clickon confirmButton\n"));
    FlagSystem* flags = FlagSystem::instance();
    flags->raise(FiscoraFlags::TVLICENSE);
    flags->raise(FiscoraFlags::TV);
    auto tv = service("TVLICENSE");
    ServiceButton button(tv.get(), nullptr);
    m_game->frames(7);
    EXPECT_EQ(InfoManager::instance()->getCurrentName(), "cancel tvlicense");
    EXPECT_TRUE(flags->isRaised(FiscoraFlags::TVLICENSE));

    auto odd = service("GOLDCARD", nullptr);
    ServiceButton unknown(odd.get(), nullptr);
    EXPECT_EQ(unknown.getDescription(), "no description");
    EXPECT_EQ(unknown.getState(), 1);
    EXPECT_TRUE(log.has(test::logLine("WW", "ServiceButton::ServiceButton", "no definition")));
    EXPECT_TRUE(log.has(test::logLine("WW", "ServiceButton::ServiceButton",
                                      "no description for service GOLDCARD")));
}

TEST(EndScreen, PlayTimeIsWholeMinutesAndSeconds) {
    const std::pair<int64_t, const char*> cases[] = {{3725, "62min 5sek"},
                                                     {0, "0min 0sek"},
                                                     {59, "0min 59sek"},
                                                     {60, "1min 0sek"},
                                                     {-5, "0min 0sek"}};
    for (const auto& [seconds, shown] : cases) {
        EXPECT_EQ(EndGui::formatPlayTime(seconds), shown) << seconds;
    }
}
