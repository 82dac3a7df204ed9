#include "sim/AchievementManager.h"

#include "resource/XmlReader.h"

// Placeholder until the achievements are written.

AchievementManager::AchievementManager() = default;
AchievementManager::~AchievementManager() = default;
Achievement* AchievementManager::getAchievement(int) const {
    return nullptr;
}
void AchievementManager::reset() {}
void AchievementManager::monthChanged(const Date&) {}
void AchievementManager::update(float) {}
