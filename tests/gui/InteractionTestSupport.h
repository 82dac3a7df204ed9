#pragma once

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/Engine.h"
#include "core/Log.h"
#include "core/Logic.h"
#include "core/Manager.h"
#include "core/ZDepth.h"
#include "engine/HgeImpl.h"
#include "engine/hgerect.h"
#include "engine/hgesprite.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiController.h"
#include "gui/GuiWindow.h"

namespace guitest {

// Every event of every recording object, "<name>:<event>", in order; the
// events are named for the pointer: in (enter), on (hover), out (leave), down
// (press), held and up (release).
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

    void press() override { note("down"); }
    void held() override { note("held"); }
    void release() override { note("up"); }
    void enter() override { note("in"); }
    void hover() override { note("on"); }
    void leave() override { note("out"); }

private:
    void note(const std::string& event) {
        m_events.push_back(m_label + ":" + event);
        // A copy: the action may delete this object, and the function with it.
        if (auto action = onEvent) {
            action(event);
        }
    }

    Events& m_events;
    std::string m_label;
};

using RecWindow = Recording<GuiWindow>;

// A recording window "label" on gui_blank.png at (x, y), w x h (its cut
// sprite, and so its box, is 2 pixels smaller), listed under `parent` if any.
inline RecWindow* recWindow(Events& events, const std::string& label, float x, float y, float w,
                            float h, GuiBase* parent = nullptr) {
    auto* made = new RecWindow(events, label, label, "gui_blank.png", hgeVector(x, y),
                               hgeVector(w, h), parent, false);
    if (parent) {
        parent->getController()->addChild(made);
    }
    return made;
}

// "x,y" of a point or size.
inline std::string xy(const hgeVector& v) {
    std::ostringstream out;
    out << v.x << "," << v.y;
    return out.str();
}

// A widget as "name x,y..x2,y2 zdepth" (its position, the far corner of its
// rectangle and its depth), then its listed children in brackets.
inline std::string tree(GuiBase* widget) {
    std::ostringstream out;
    out << widget->getName() << " " << xy(widget->getPosition()) << ".."
        << xy(hgeVector(widget->getRect().x2, widget->getRect().y2)) << " z" << widget->getDepth();
    const auto& children = widget->getController()->getChildren();
    for (std::size_t i = 0; i < children.size(); ++i) {
        out << (i ? ", " : " [") << tree(children[i]) << (i + 1 < children.size() ? "" : "]");
    }
    return out.str();
}

// A sprite as "x,y wxh hot x,y flip xy r rotation z depth", then "cam" when
// it moves with the camera.
inline std::string describe(const Sprite& picture) {
    const hgeSprite& s = *picture.getSprite();
    float hx = 0, hy = 0;
    bool fx = false, fy = false;
    s.GetHotSpot(&hx, &hy);
    s.GetFlip(&fx, &fy);
    std::ostringstream out;
    out << xy(picture.getPosition()) << " " << s.GetWidth() << "x" << s.GetHeight() << " hot" << hx
        << "," << hy << " flip" << fx << fy << " r" << picture.getRotation() << " z"
        << picture.getZ() << (picture.movesWithCam() ? " cam" : "");
    return out.str();
}

// The engine run headless, frame by frame, with an autopilot script: each
// frame reads the scripted input, then runs the logic pass (the pointer
// among it). Also the records of tests/data/gui/gui.xml, the events of the
// test's recording objects and a log capture.
class GuiTest : public ::testing::Test {
protected:
    // The pointer goes first, so that the engine it holds shuts down in full.
    ~GuiTest() override { delete Engine::instance()->getCursor(); }

    // Starts the engine with the script (none when empty); false when it or
    // the records failed.
    // The pointer is made at once, so that it is updated first in a frame,
    // unless `pointer` is false; the first widget makes it then.
    bool start(const std::string& script = "", bool pointer = true) {
        if (!script.empty()) {
            test::writeFile(m_dir.path() + "/script.txt", script);
            setenv("FISCORA_AUTOPILOT", (m_dir.path() + "/script.txt").c_str(), 1);
        }
        // The start is logged but not captured.
        Log::instance()->stopCapture();
        m_engine = std::make_unique<test::HeadlessEngine>();
        unsetenv("FISCORA_AUTOPILOT");
        ZDepth::readFile();
        if (pointer) {
            InteractionalObject::getCursor();
        }
        log.take();
        const std::string records = std::string(FISCORA_TEST_DATA) + "/gui/gui.xml";
        return m_engine->ok() && m_records.LoadFile(records.c_str(), TIXML_ENCODING_LEGACY);
    }

    void frame(int count = 1) {
        for (int i = 0; i < count; ++i) {
            engine::HgeImpl::current()->beginInputFrame();
            Manager<Logic*>::instance()->update(1.0f / 60.0f);
            if (afterFrame) {
                afterFrame();
            }
        }
    }

    // Runs frames; the events of each, space-separated, frames parted by " | ".
    std::string frames(int count = 1) {
        std::string out;
        for (int i = 0; i < count; ++i) {
            frame();
            out += i ? " |" : "";
            for (const std::string& event : events) {
                out += (out.empty() ? "" : " ") + event;
            }
            events.clear();
        }
        return out;
    }

    // Runs frames; what `state` tells after each, space-separated.
    std::string timeline(int count, const std::function<std::string()>& state) {
        std::string out;
        for (int i = 0; i < count; ++i) {
            frame();
            out += (i ? " " : "") + state();
        }
        return out;
    }

    FiscoraCursor* cursor() const { return InteractionalObject::getCursor(); }

    // The first child of the records' root named `family` whose "guiId" is
    // `id`; an empty id finds the first one without one.
    TiXmlElement* record(const std::string& id, const std::string& family = "testGui") {
        TiXmlElement* root = m_records.RootElement();
        for (TiXmlElement* e = root ? root->FirstChildElement(family.c_str()) : nullptr; e;
             e = e->NextSiblingElement(family.c_str())) {
            if (id == (e->Attribute("guiId") ? e->Attribute("guiId") : "")) {
                return e;
            }
        }
        return nullptr;
    }

    // How often the log holds the line since the capture started or was taken.
    int logged(const std::string& tag, const std::string& context, const std::string& message) {
        return log.count(test::logLine(tag, context, message));
    }

    Events events;
    test::LogCapture log;
    // Runs at the end of every frame, when set.
    std::function<void()> afterFrame;

private:
    test::TempDir m_dir;
    std::unique_ptr<test::HeadlessEngine> m_engine;
    TiXmlDocument m_records;
};

using test::Picture;

}  // namespace guitest
