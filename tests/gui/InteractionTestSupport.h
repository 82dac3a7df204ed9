#pragma once

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/Logic.h"
#include "core/Manager.h"
#include "core/ZDepth.h"
#include "engine/HgeImpl.h"
#include "engine/hgerect.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiController.h"
#include "gui/GuiWindow.h"
#include "gui/InteractionalObject.h"

namespace guitest {

// Every event of every recording object, "<name>:<event>", in order.
using Events = std::vector<std::string>;

// Adds event recording (and an optional action per event) to an object type.
template <class Base>
class Recording : public Base {
public:
    template <class... Args>
    Recording(Events& events, const std::string& label, Args&&... args)
        : Base(std::forward<Args>(args)...), m_events(events), m_label(label) {}

    // Runs after the event was recorded; may delete anything, this included.
    std::function<void(const std::string&)> onEvent;

    void press() override { note("press"); }
    void held() override { note("held"); }
    void release() override { note("release"); }
    void enter() override { note("enter"); }
    void hover() override { note("hover"); }
    void leave() override { note("leave"); }

private:
    void note(const std::string& event) {
        m_events.push_back(m_label + ":" + event);
        if (onEvent) {
            auto action = onEvent;
            action(event);
        }
    }

    Events& m_events;
    std::string m_label;
};

// A bare interactional object: a box given in screen pixels and a depth.
class Box : public InteractionalObject {
public:
    Box(float x1, float y1, float x2, float y2, float depth)
        : m_screen(x1, y1, x2, y2), m_depth(depth) {}

    // The pointer works in world coordinates: screen minus half the view.
    void getBoundingBox(hgeRect& rect) override {
        rect = hgeRect(m_screen.x1 - 400, m_screen.y1 - 300, m_screen.x2 - 400, m_screen.y2 - 300);
    }
    float getDepth() override { return m_depth; }
    void setDepth(float depth) override { m_depth = depth; }

private:
    hgeRect m_screen;
    float m_depth;
};

using RecBox = Recording<Box>;
using RecWindow = Recording<GuiWindow>;

// Runs frames of the real engine headless with an autopilot script: each
// frame reads the scripted input, then runs the logic pass (the pointer).
class PointerScript {
public:
    explicit PointerScript(const std::string& script) {
        test::writeFile(m_dir.path() + "/script.txt", script);
        setenv("FISCORA_AUTOPILOT", (m_dir.path() + "/script.txt").c_str(), 1);
        m_engine = std::make_unique<test::HeadlessEngine>();
        unsetenv("FISCORA_AUTOPILOT");
        ZDepth::readFile();
        InteractionalObject::getCursor();
    }

    bool ok() const { return m_engine->ok(); }

    void frame(int count = 1) {
        for (int i = 0; i < count; ++i) {
            engine::HgeImpl::current()->beginInputFrame();
            Manager<Logic*>::instance()->update(1.0f / 60.0f);
        }
    }

    FiscoraCursor* cursor() const { return InteractionalObject::getCursor(); }

private:
    test::TempDir m_dir;
    std::unique_ptr<test::HeadlessEngine> m_engine;
};

// The records of tests/data/gui/gui.xml, read straight from the fixture.
class GuiRecords {
public:
    GuiRecords() : m_document(std::string(FISCORA_TEST_DATA) + "/gui/gui.xml") {
        m_loaded = m_document.LoadFile(TIXML_ENCODING_LEGACY);
    }

    bool loaded() const { return m_loaded; }

    // The first child of the root named `family` whose "guiId" is `id`; an
    // empty id finds the first one without a "guiId".
    TiXmlElement* record(const std::string& id, const std::string& family = "testGui") {
        TiXmlElement* root = m_document.RootElement();
        for (TiXmlElement* e = root ? root->FirstChildElement(family.c_str()) : nullptr; e;
             e = e->NextSiblingElement(family.c_str())) {
            const char* guiId = e->Attribute("guiId");
            if (id.empty() ? guiId == nullptr : (guiId && id == guiId)) {
                return e;
            }
        }
        return nullptr;
    }

private:
    TiXmlDocument m_document;
    bool m_loaded = false;
};

// A headless engine, the fixture's records and the depth table: what the
// widget tests build their records with.
class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_engine.ok());
        ASSERT_TRUE(m_records.loaded());
        ZDepth::readFile();
    }

    TiXmlElement* record(const std::string& id) { return m_records.record(id); }

    test::HeadlessEngine m_engine;
    GuiRecords m_records;
};

}  // namespace guitest
