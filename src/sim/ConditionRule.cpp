#include "sim/ConditionRule.h"

#include <string>

#include "core/Log.h"
#include "resource/ConstantManager.h"
#include "sim/FlagSystem.h"
#include "sim/MonthConsumption.h"
#include "sim/RandomEventManager.h"

namespace {

// Raises or lowers the need's flags; true when it was low. Only a flag that
// changes is touched, so a flag that stays raised keeps its month counter.
// `factors` names the constants: "low" + factors and "high" + factors.
bool judge(const char* name, const std::string& factors, int spent, int norm,
           FiscoraFlags::_enum low, FiscoraFlags::_enum high) {
    ConstantManager* constants = ConstantManager::instance();
    FlagSystem* flags = FlagSystem::instance();
    const double lowBound = norm * static_cast<double>(constants->getFloat("low" + factors));
    const double highBound = norm * static_cast<double>(constants->getFloat("high" + factors));
    const char* verdict = "normal";
    if (lowBound > spent) {
        flags->raise(low);
        flags->lower(high);
        verdict = "low";
    } else if (highBound < spent) {
        flags->raise(high);
        flags->lower(low);
        verdict = "high";
    } else {
        flags->lower(low);
        flags->lower(high);
    }
    Log::debug("ConditionRule::apply")
        << name << " " << verdict << ": spent " << spent << " of " << norm;
    return lowBound > spent;
}

}  // namespace

void ConditionRule::apply(const MonthConsumption& month) {
    RandomEventManager* events = RandomEventManager::instance();
    if (judge("health", "Health", month.food, month.foodNorm, FiscoraFlags::LOWHEALTH,
              FiscoraFlags::HIGHHEALTH)) {
        events->queueEvent(events->findEvent(40), 1, 0);
    }
    if (judge("appearance", "Appearance", month.clothes, month.clothesNorm,
              FiscoraFlags::LOWAPPEARANCE, FiscoraFlags::HIGHAPPEARANCE)) {
        events->queueEvent(events->findEvent(41), 1, 0);
    }
    if (judge("hygiene", "Hygiene", month.hygiene, month.hygieneNorm, FiscoraFlags::LOWHYGIENE,
              FiscoraFlags::HIGHHYGIENE)) {
        events->queueEvent(events->findEvent(42), 1, 0);
    }
}
