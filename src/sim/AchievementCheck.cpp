#include "sim/AchievementCheck.h"

// Placeholder until the achievements are written.

namespace AchievementCheck {
FlagDuringTime::FlagDuringTime(TiXmlElement*) {}
bool FlagDuringTime::check() {
    return false;
}
NeedFlags::NeedFlags(TiXmlElement*) {}
bool NeedFlags::check() {
    return false;
}
Stat::Stat(StatisticType::_enum statistic, int bound, bool atLeast)
    : m_statistic(statistic), m_bound(bound), m_atLeast(atLeast) {}
bool Stat::check() {
    return false;
}
std::unique_ptr<Interface> factory(TiXmlElement*) {
    return nullptr;
}
}  // namespace AchievementCheck
