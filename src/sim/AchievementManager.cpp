#include "sim/AchievementManager.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "core/states/DifficultyLevel.h"
#include "home/EndGui.h"
#include "resource/ConstantManager.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/FlagSystem.h"

AchievementManager::AchievementManager() {
    m_enabled = ConstantManager::instance()->getBool("achievementsEnabled");
    if (!m_enabled) {
        return;
    }
    // A missing or broken file is reported by the reader; then there is
    // nothing to earn.
    m_reader = std::make_unique<XmlReader>("achievements.xml");
    TiXmlElement* root = m_reader->getRootElement();
    if (!root) {
        return;
    }
    for (TiXmlElement* element = root->FirstChildElement("achievement"); element;
         element = element->NextSiblingElement("achievement")) {
        m_achievements.push_back(std::make_unique<Achievement>(element));
    }
    Log::debug("AchievementManager::AchievementManager")
        << "loaded " << m_achievements.size() << " achievements";
}

AchievementManager::~AchievementManager() = default;

Achievement* AchievementManager::getAchievement(int id) const {
    for (const auto& achievement : m_achievements) {
        if (achievement->getId() == id) {
            return achievement.get();
        }
    }
    Log::warning("AchievementManager::getAchievement")
        << "achievement with id " << id << " not found, returning null";
    return nullptr;
}

void AchievementManager::reset() {
    for (const auto& achievement : m_achievements) {
        achievement->reset();
    }
    // The new game's calendar starts from its first month again.
    m_lastDay = m_lastMonth = m_lastYear = 0;
}

void AchievementManager::monthChanged(const Date&) {
    // Otherwise a statistic of the savings would only be current at the end.
    EndGui::recordMoney();
    for (const auto& achievement : m_achievements) {
        if (!achievement->isCompleted() && achievement->check()) {
            break;
        }
    }
}

void AchievementManager::update(float) {
    if (!m_enabled || DifficultyLevel::value() != 3) {
        return;
    }
    // The flags must have counted this month change before any condition
    // reads their counters, whichever of us was registered first.
    FlagSystem::instance()->poll();
    poll();
}
