#include "sim/TutorialManager.h"

#include "resource/XmlReader.h"

// Placeholder until the tutorials are written.

TutorialManager::TutorialManager() = default;
TutorialManager::~TutorialManager() = default;
void TutorialManager::setDifficulty(const std::string&) {}
Tutorial* TutorialManager::getTutorial(int) {
    return nullptr;
}
void TutorialManager::runTutorial(int) {}
void TutorialManager::runIfHasntBeenRun(int) {}
bool TutorialManager::hasRun(int) const {
    return false;
}
bool TutorialManager::isAnyOpen() const {
    return false;
}
void TutorialManager::parseActivePeriod() {}
