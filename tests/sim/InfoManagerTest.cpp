// Message and question windows: loading, placement, answers, modality and the
// dark overlay.
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "core/Sprite.h"
#include "core/states/StateTestSupport.h"
#include "engine/hgesprite.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiWindow.h"
#include "sim/InfoManager.h"

namespace {

// The shipped content with the test texts as "info.xml".
class InfoManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        statetest::installShipped(m_install, "info.xml");
        m_install.addFixture("xml", "info.xml", "states/info.xml");
        m_install.mount();
    }

    test::Installation m_install;
};

hgeVector widgetPosition(GuiWindow* window, const std::string& name) {
    GuiBase* widget = window->findChild(name);
    return widget ? widget->getPosition() : hgeVector(-1, -1);
}

}  // namespace

TEST_F(InfoManagerTest, LoadReadsPlacementAndTextsAndReportsBrokenEntries) {
    test::LogCapture log;
    InfoManager* info = InfoManager::instance();
    EXPECT_FALSE(info->isLoaded());
    info->load("info.xml");
    EXPECT_TRUE(info->isLoaded());
    EXPECT_EQ(info->getPosition().x, 100);
    EXPECT_EQ(info->getSize().y, 200);
    EXPECT_EQ(info->getButtonPosition().x, 60);
    ASSERT_NE(info->find("hello"), nullptr);
    EXPECT_EQ(info->find("hello")->description, "Hej igen!") << "a later text replaces";
    EXPECT_EQ(info->find("ask")->description, "Vill du forts\xe4tta?") << "held in Windows-1252";
    ASSERT_NE(info->find("empty"), nullptr);
    EXPECT_EQ(info->find("empty")->description, "");
    EXPECT_EQ(info->getInfos().size(), 3u);
    EXPECT_TRUE(log.has(test::logLine("WW", "InfoManager::load", "info without name, skipping")));
    EXPECT_TRUE(log.has(test::logLine("WW", "InfoManager::load", "info empty has no description")));
}

TEST_F(InfoManagerTest, AMissingFileTextOrWindowRecordOpensNothing) {
    m_install.addFixture("xml", "gui.xml", "states/gui_unknown_building.xml");
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    test::LogCapture log;
    InfoManager* info = InfoManager::instance();
    info->load("nothing.xml");
    EXPECT_FALSE(info->isLoaded());
    EXPECT_TRUE(log.has(
        test::logLine("EE", "InfoManager::load", "could not read info texts from nothing.xml")));

    info->load("info.xml");
    info->setAnswer(InfoManager::CONFIRMED);
    info->show("no such text", InfoManager::QUESTION, hgeVector(150, 70));
    EXPECT_TRUE(
        log.has(test::logLine("WW", "InfoManager::show", "no info text with name no such text")));
    EXPECT_EQ(info->getCurrentName(), "no such text");
    EXPECT_EQ(info->getAnswer(), InfoManager::NO_ANSWER) << "no stale answer survives";
    EXPECT_FALSE(info->isOpen() || info->isOverlayShown());
    info->show("hello", InfoManager::MESSAGE, hgeVector(150, 70));
    EXPECT_TRUE(log.has(
        test::logLine("EE", "InfoManager::show", "gui.xml has no Info Window, cant show hello")));
    EXPECT_FALSE(info->isOpen() || info->isOverlayShown());
    EXPECT_TRUE(game.frames(2));
}

TEST_F(InfoManagerTest, MessageHasACloseButtonAndAQuestionAddsYesAndNo) {
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    InfoManager* info = InfoManager::instance();
    info->load("info.xml");

    info->show("hello", InfoManager::MESSAGE, hgeVector(0, 0));
    ASSERT_TRUE(info->isOpen());
    GuiWindow* window = info->getWindow();
    EXPECT_EQ(window->getPosition().x, 100) << "the file's placement when the caller gives none";
    EXPECT_EQ(window->getPosition().y, 50);
    EXPECT_EQ(window->getSize().x, 400);
    EXPECT_NE(window->findChild("exitButton"), nullptr);
    EXPECT_EQ(window->findChild("confirmButton"), nullptr);
    EXPECT_EQ(window->findChild("denyButton"), nullptr);
    EXPECT_EQ(widgetPosition(window, "exitButton").x, 100 + 400 - 18 - 8);
    EXPECT_EQ(widgetPosition(window, "exitButton").y, 50 + 8);

    info->show("ask", InfoManager::QUESTION, hgeVector(150, 70));
    ASSERT_NE(info->getWindow(), nullptr);
    window = info->getWindow();
    EXPECT_EQ(info->getCurrentName(), "ask");
    EXPECT_EQ(window->getPosition().x, 150);
    EXPECT_EQ(widgetPosition(window, "confirmButton").x, 150 + 60);
    EXPECT_EQ(widgetPosition(window, "confirmButton").y, 70 + 200 - 60);
    EXPECT_EQ(widgetPosition(window, "denyButton").x, 150 + 400 - 60 - 52);
    EXPECT_NE(window->findChild("exitButton"), nullptr);

    // A narrow window keeps its two buttons apart.
    info->show("ask", InfoManager::QUESTION, hgeVector(150, 70), hgeVector(150, 150));
    window = info->getWindow();
    EXPECT_EQ(window->getSize().x, 150);
    const float yesRight = widgetPosition(window, "confirmButton").x + 52;
    const float noLeft = widgetPosition(window, "denyButton").x;
    EXPECT_LT(yesRight, noLeft);
    EXPECT_GE(widgetPosition(window, "confirmButton").x, 150);
    EXPECT_LE(noLeft + 52, 150 + 150);
}

TEST_F(InfoManagerTest, ButtonsAnswerCloseAndGiveThePointerBack) {
    statetest::Game game(
        "2 clickon confirmButton\n"
        "6 clickon denyButton\n"
        "10 clickon exitButton\n");
    ASSERT_TRUE(game.ok());
    InfoManager* info = InfoManager::instance();
    info->load("info.xml");
    // A modal window of the screen below.
    GuiWindow screen("Screen", "gui_blank.png", hgeVector(0, 0), hgeVector(800, 600), nullptr,
                     false);
    FiscoraCursor* cursor = InteractionalObject::getCursor();
    cursor->setFocusObject(&screen);

    info->show("ask", InfoManager::QUESTION, hgeVector(150, 70));
    EXPECT_EQ(cursor->getFocusObject(), info->getWindow()) << "the question is modal";
    game.frames(4);
    EXPECT_FALSE(info->isOpen());
    EXPECT_EQ(info->getAnswer("ask"), InfoManager::CONFIRMED);
    EXPECT_EQ(info->getAnswer("hello"), InfoManager::NO_ANSWER) << "not the current message";
    EXPECT_EQ(cursor->getFocusObject(), &screen);
    info->setAnswer(InfoManager::NO_ANSWER);

    info->show("ask", InfoManager::QUESTION, hgeVector(150, 70));
    game.frames(4);
    EXPECT_EQ(info->getAnswer("ask"), InfoManager::DENIED);

    info->show("hello", InfoManager::MESSAGE, hgeVector(150, 70));
    EXPECT_EQ(info->getAnswer("hello"), InfoManager::NO_ANSWER) << "show resets the answer";
    game.frames(4);
    EXPECT_FALSE(info->isOpen());
    EXPECT_EQ(info->getAnswer("hello"), InfoManager::NO_ANSWER) << "closing is no answer";
    EXPECT_EQ(cursor->getFocusObject(), &screen);
}

TEST_F(InfoManagerTest, OverlayDarkensEverythingBelowTheWindowAndItsFrame) {
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    InfoManager* info = InfoManager::instance();
    info->load("info.xml");
    auto below = std::make_unique<GuiWindow>("Below", "gui_blank.png", hgeVector(0, 0),
                                             hgeVector(300, 200), nullptr, true);
    below->setDepth(0.9f);

    info->show("hello", InfoManager::MESSAGE, hgeVector(150, 70));
    ASSERT_TRUE(info->isOverlayShown());
    GuiWindow* window = info->getWindow();
    const float overlay = info->getOverlayDepth();
    EXPECT_LT(overlay, window->getDepth());
    for (const auto& piece : window->getImages()) {
        EXPECT_LT(overlay, piece->getZ()) << "the frame stays bright";
    }
    EXPECT_GT(overlay, below->getZ());
    EXPECT_NE(InfoManager::OVERLAY_COLOR >> 24, 0u);
    EXPECT_EQ(InfoManager::OVERLAY_COLOR & 0xFFFFFFu, 0u) << "dark";

    info->close();
    EXPECT_FALSE(info->isOverlayShown());

    // A tutorial's overlay outlives a message shown over it.
    info->showOverlay(1.5f);
    const float tutorial = info->getOverlayDepth();
    info->show("hello", InfoManager::MESSAGE, hgeVector(150, 70));
    info->close();
    EXPECT_TRUE(info->isOverlayShown());
    EXPECT_FLOAT_EQ(info->getOverlayDepth(), tutorial);
}
