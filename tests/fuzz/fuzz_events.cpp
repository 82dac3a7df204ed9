// The event tables: a "p1_events.bin" read by RandomEventManager::setDifficulty
// (EventRecord::decode for each whole record) and then used as a month uses
// it: readiness, the weighted draw, amounts, answers and cooldowns. Reports
// (which need the engine) are left out.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/states/DifficultyLevel.h"
#include "sim/FlagSystem.h"
#include "sim/RandomEventInterface.h"
#include "sim/RandomEventManager.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const fuzz::Sandbox& sandbox = fuzz::Sandbox::get();
    fuzz::writeFile(sandbox.content("xml") / "fiscoraConstants.xml",
                    fuzz::shipped("xml/fiscoraConstants.xml"));
    setenv("FISCORA_SEED", "1", 1);
    sandbox.remount();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Sandbox& sandbox = fuzz::Sandbox::get();
    fuzz::writeFile(sandbox.content("bin") / "p1_events.bin", data, size);
    // The hardest level has rules of its own; the first byte picks one.
    DifficultyLevel::instance()->set(size > 0 ? 1 + data[0] % 3 : 1);
    FlagSystem::instance()->reset();

    RandomEventManager* events = RandomEventManager::instance();
    events->setDifficulty("1");
    const int32_t total = events->getTotalWeight();
    for (int32_t r : {0, total / 2, total - 1}) {
        if (r >= 0 && r < total && !events->pickByWeight(r)) {
            std::abort();  // every value below the total picks an event
        }
    }
    for (const auto& [id, event] : events->getEvents()) {
        event->isReady();
        event->trigger();
        event->getValue();
        event->getBaseValue();
        if (event->getType() != EventType::BILL && event->getType() != EventType::INCOME) {
            // Follow-ups only: a bill's answers move money and make reminders.
            event->accept();
            event->reject();
        }
        event->newMonth();
    }
    events->addRandomEventToQueue();
    RandomEventManager::destroy();
    return 0;
}
