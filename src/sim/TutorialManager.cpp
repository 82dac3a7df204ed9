#include "sim/TutorialManager.h"

#include <algorithm>
#include <cmath>

#include "core/Log.h"
#include "gui/FiscoraCursor.h"
#include "gui/InteractionalObject.h"
#include "resource/ConstantManager.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/InfoManager.h"

namespace {

const char* const TUTORIAL_FILE = "tutorials.xml";
// Depths closer than this are the same place.
const float SAME_DEPTH = 0.00001f;

}  // namespace

TutorialManager::TutorialManager()
    : m_reader(std::make_unique<XmlReader>(TUTORIAL_FILE)),
      m_enabled(ConstantManager::instance()->getBool("tutorialsEnabled")) {}

TutorialManager::~TutorialManager() {
    closeAll();
}

void TutorialManager::setDifficulty(const std::string& id) {
    const char* context = "TutorialManager::setDifficulty";
    Log::info(context) << "setting active period to " << id;
    m_period = m_reader->getRootChildElement("period", "id", id);
    if (!m_period) {
        Log::error(context) << "no period with id " << id << " found";
    }
    parseActivePeriod();
}

void TutorialManager::parseActivePeriod() {
    const char* context = "TutorialManager::parseActivePeriod";
    Log::debug(context) << "parsing tutorials";
    closeAll();
    m_tutorials.clear();
    if (!m_period) {
        return;
    }
    for (TiXmlElement* element = m_period->FirstChildElement("tutorial"); element;
         element = element->NextSiblingElement("tutorial")) {
        const std::string id = xml::getAttributeString(element, "id");
        const int key = Tutorial::fromString(id);
        if (key == Tutorial::UNDEFINED) {
            Log::warning(context) << "found undefined key " << id << " wont store";
            continue;
        }
        m_tutorials[key] = std::make_unique<Tutorial>(element);
    }
}

Tutorial* TutorialManager::getTutorial(int key) {
    auto found = m_tutorials.find(key);
    if (found == m_tutorials.end()) {
        Log::error("TutorialManager::getTutorial")
            << "tutorial with key " << key << " not found, returning null";
        return nullptr;
    }
    return found->second.get();
}

void TutorialManager::runTutorial(int key) {
    if (!m_enabled) {
        return;
    }
    const char* context = "TutorialManager::runTutorial";
    Log::info(context) << "running tutorial " << key;
    if (Tutorial::fromString(Tutorial::toString(key)) == Tutorial::UNDEFINED) {
        Log::error(context) << "wont run undefined tutorial";
        return;
    }
    if (Tutorial* tutorial = getTutorial(key)) {
        tutorial->run();
    }
}

void TutorialManager::runIfHasntBeenRun(int key) {
    if (!m_enabled) {
        return;
    }
    if (hasRun(key)) {
        Log::debug("TutorialManager::runIfHasntBeenRun")
            << "tutorial " << key << " has already been ran, skipping";
        return;
    }
    runTutorial(key);
}

bool TutorialManager::hasRun(int key) const {
    auto found = m_tutorials.find(key);
    return found != m_tutorials.end() && found->second->hasBeenRun();
}

bool TutorialManager::isAnyOpen() const {
    return !m_open.empty();
}

void TutorialManager::closeAll() {
    // Top first, so that none is shown again on the way.
    while (!m_open.empty()) {
        Tutorial* top = m_open.back();
        m_open.pop_back();
        top->removeWindow();
    }
    resumeTop();
}

void TutorialManager::opening(Tutorial* tutorial) {
    if (m_open.empty() && !m_saved) {
        FiscoraCursor* cursor = InteractionalObject::getCursor();
        InfoManager* info = InfoManager::instance();
        m_saved = true;
        m_previousFocus = cursor->getFocusObject();
        m_overlayWasShown = info->isOverlayShown();
        m_overlayWasDepth = info->getOverlayDepth();
    }
    if (!m_open.empty()) {
        m_open.back()->hide();
    }
    m_open.push_back(tutorial);
}

void TutorialManager::closed(Tutorial* tutorial, bool resume) {
    m_open.erase(std::remove(m_open.begin(), m_open.end(), tutorial), m_open.end());
    if (resume) {
        resumeTop();
    }
}

void TutorialManager::resumeTop() {
    if (!m_open.empty()) {
        if (!m_open.back()->isShown()) {
            m_open.back()->show();
        }
        return;
    }
    if (!m_saved) {
        return;
    }
    m_saved = false;
    // Whatever opened over the tutorials since keeps the pointer and the
    // overlay; otherwise the screen below gets back what it had.
    FiscoraCursor* cursor = InteractionalObject::getCursor();
    if (!cursor->getFocusObject() && m_previousFocus && cursor->contains(m_previousFocus)) {
        cursor->setFocusObject(m_previousFocus);
    }
    m_previousFocus = nullptr;
    InfoManager* info = InfoManager::instance();
    if (info->isOverlayShown() &&
        std::fabs(info->getOverlayDepth() - m_overlayDepth) < SAME_DEPTH) {
        if (m_overlayWasShown) {
            // showOverlay puts it this far below the window depth it is given.
            info->showOverlay(m_overlayWasDepth + m_overlayBelow);
        } else {
            info->hideOverlay();
        }
    }
}
