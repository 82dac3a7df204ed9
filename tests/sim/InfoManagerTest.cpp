// Message and question windows: loading, placement, answers, modality and the
// dark overlay.
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "TestSupport.h"
#include "core/Sprite.h"
#include "core/states/StateTestSupport.h"
#include "engine/hgesprite.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiWindow.h"
#include "sim/InfoManager.h"

namespace {

const std::pair<float, float> kNone(-1, -1);

// The shipped content with the test texts as "info.xml".
class InfoManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        statetest::installShipped(m_install, "info.xml");
        m_install.addFixture("xml", "info.xml", "states/info.xml");
        m_install.mount();
    }
    // Starts the game, with an autopilot script, and loads the test texts.
    bool start(const std::string& script = "") {
        m_game = std::make_unique<statetest::Game>(script);
        info->load("info.xml");
        return m_game->ok();
    }
    // Where the open window ("") or one of its widgets is; kNone when not there.
    std::pair<float, float> at(const std::string& name) const {
        GuiBase* widget = name.empty() ? info->getWindow() : info->getWindow()->findChild(name);
        return widget ? std::pair(widget->getPosition().x, widget->getPosition().y) : kNone;
    }

    test::Installation m_install;
    std::unique_ptr<statetest::Game> m_game;
    InfoManager* info = InfoManager::instance();
    test::LogCapture log;
};

}  // namespace

TEST_F(InfoManagerTest, LoadReportsBrokenEntriesAndAMissingFileTextOrWindowRecordOpensNothing) {
    info->load("info.xml");
    EXPECT_TRUE(info->isLoaded());
    EXPECT_EQ(info->getPosition(), hgeVector(100, 50));
    EXPECT_EQ(info->getSize(), hgeVector(400, 200));
    EXPECT_EQ(info->getButtonPosition(), hgeVector(60, 60));
    ASSERT_EQ(info->getInfos().size(), 3u);
    EXPECT_EQ(info->find("hello")->description, "Hej igen!") << "a later text replaces";
    EXPECT_EQ(info->find("ask")->description, "Vill du forts\xe4tta?") << "held in Windows-1252";
    EXPECT_EQ(info->find("empty")->description, "");
    EXPECT_TRUE(log.has(test::logLine("WW", "InfoManager::load", "info without name, skipping")));
    EXPECT_TRUE(log.has(test::logLine("WW", "InfoManager::load", "info empty has no description")));

    m_install.addFixture("xml", "gui.xml", "states/gui_unknown_building.xml");
    ASSERT_TRUE(start());
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
    EXPECT_TRUE(m_game->frames(2));
}

TEST_F(InfoManagerTest, AMessageHasACloseButtonAQuestionYesAndNoAndEachAnswersClosesAndDarkens) {
    ASSERT_TRUE(start("2 clickon confirmButton\n6 clickon denyButton\n10 clickon exitButton\n"));
    info->show("hello", InfoManager::MESSAGE, hgeVector(0, 0));
    ASSERT_TRUE(info->isOpen());
    EXPECT_EQ(at(""), std::pair(100.0f, 50.0f))
        << "the file's placement when the caller gives none";
    EXPECT_EQ(info->getWindow()->getSize().x, 400);
    EXPECT_EQ(at("exitButton"), std::pair(100.0f + 400 - 18 - 8, 50.0f + 8));
    EXPECT_EQ(at("confirmButton"), kNone);
    EXPECT_EQ(at("denyButton"), kNone);

    info->show("ask", InfoManager::QUESTION, hgeVector(150, 70));
    EXPECT_EQ(info->getCurrentName(), "ask");
    EXPECT_EQ(at(""), std::pair(150.0f, 70.0f));
    EXPECT_EQ(at("confirmButton"), std::pair(150.0f + 60, 70.0f + 200 - 60));
    EXPECT_EQ(at("denyButton"), std::pair(150.0f + 400 - 60 - 52, 70.0f + 200 - 60));
    EXPECT_NE(at("exitButton"), kNone);

    // A narrow window keeps its two buttons apart, and inside.
    info->show("ask", InfoManager::QUESTION, hgeVector(150, 70), hgeVector(150, 150));
    EXPECT_EQ(info->getWindow()->getSize().x, 150);
    EXPECT_GE(at("confirmButton").first, 150);
    EXPECT_LT(at("confirmButton").first + 52, at("denyButton").first);
    EXPECT_LE(at("denyButton").first + 52, 150 + 150);

    // A modal window of the screen below gets the pointer back.
    info->close();
    GuiWindow screen("Screen", "gui_blank.png", hgeVector(0, 0), hgeVector(800, 600), nullptr,
                     false);
    FiscoraCursor* cursor = InteractionalObject::getCursor();
    cursor->setFocusObject(&screen);

    info->show("ask", InfoManager::QUESTION, hgeVector(150, 70));
    EXPECT_EQ(cursor->getFocusObject(), info->getWindow()) << "the question is modal";
    m_game->frames(4);
    EXPECT_FALSE(info->isOpen());
    EXPECT_EQ(info->getAnswer("ask"), InfoManager::CONFIRMED);
    EXPECT_EQ(info->getAnswer("hello"), InfoManager::NO_ANSWER) << "not the current message";
    EXPECT_EQ(cursor->getFocusObject(), &screen);
    info->setAnswer(InfoManager::NO_ANSWER);

    info->show("ask", InfoManager::QUESTION, hgeVector(150, 70));
    m_game->frames(4);
    EXPECT_EQ(info->getAnswer("ask"), InfoManager::DENIED);

    info->show("hello", InfoManager::MESSAGE, hgeVector(150, 70));
    EXPECT_EQ(info->getAnswer("hello"), InfoManager::NO_ANSWER) << "show resets the answer";
    m_game->frames(4);
    EXPECT_FALSE(info->isOpen());
    EXPECT_EQ(info->getAnswer("hello"), InfoManager::NO_ANSWER) << "closing is no answer";
    EXPECT_EQ(cursor->getFocusObject(), &screen);

    // The overlay darkens everything below the window and its frame.
    GuiWindow below("Below", "gui_blank.png", hgeVector(0, 0), hgeVector(300, 200), nullptr, true);
    below.setDepth(0.9f);

    info->show("hello", InfoManager::MESSAGE, hgeVector(150, 70));
    ASSERT_TRUE(info->isOverlayShown());
    const float overlay = info->getOverlayDepth();
    EXPECT_LT(overlay, info->getWindow()->getDepth());
    for (const auto& piece : info->getWindow()->getImages()) {
        EXPECT_LT(overlay, piece->getZ()) << "the frame stays bright";
    }
    EXPECT_GT(overlay, below.getZ());
    EXPECT_TRUE(InfoManager::OVERLAY_COLOR >> 24 && !(InfoManager::OVERLAY_COLOR & 0xFFFFFFu))
        << "dark, and not clear";
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
