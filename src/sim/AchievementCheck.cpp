#include "sim/AchievementCheck.h"

#include <tinyxml.h>

#include <string>

#include "core/Log.h"
#include "resource/Xml.h"
#include "sim/FlagSystem.h"
#include "sim/Statistics.h"

namespace AchievementCheck {

FlagDuringTime::FlagDuringTime(TiXmlElement* element) {
    if (!element) {
        return;
    }
    m_flag = FiscoraFlags::fromString(xml::getAttributeString(element, "flag"));
    m_raised = std::string(element->Value()) == "flagRaisedDuringTime";
    m_months = xml::getAttributeInt(element, "months");
}

bool FlagDuringTime::check() {
    FlagSystem* flags = FlagSystem::instance();
    return flags->isRaised(m_flag) == m_raised && flags->monthCounter(m_flag) >= m_months;
}

NeedFlags::NeedFlags(TiXmlElement* element) {
    if (!element) {
        return;
    }
    for (TiXmlElement* child = element->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        const FiscoraFlags::_enum flag = FiscoraFlags::fromString(child->Value());
        if (flag == FiscoraFlags::UNDEFINED) {
            Log::warning("AchievementCheck::NeedFlags::NeedFlags")
                << "found undefined flag, wont store";
            continue;
        }
        m_flags.push_back(flag);
    }
}

bool NeedFlags::check() {
    FlagSystem* flags = FlagSystem::instance();
    for (FiscoraFlags::_enum flag : m_flags) {
        if (!flags->isRaised(flag)) {
            return false;
        }
    }
    return true;
}

Stat::Stat(StatisticType::_enum statistic, int bound, bool atLeast)
    : m_statistic(statistic), m_bound(bound), m_atLeast(atLeast) {}

bool Stat::check() {
    const double value = Statistics::instance()->get(m_statistic);
    return m_atLeast ? value >= m_bound : value <= m_bound;
}

std::unique_ptr<Interface> factory(TiXmlElement* element) {
    const char* context = "AchievementCheck::factory";
    const std::string name = element && element->Value() ? element->Value() : "";
    if (name == "flagRaisedDuringTime" || name == "flagLoweredDuringTime") {
        return std::make_unique<FlagDuringTime>(element);
    }
    if (name == "needFlags") {
        return std::make_unique<NeedFlags>(element);
    }
    if (name == "alwaysTrue") {
        return std::make_unique<AlwaysTrue>();
    }
    if (name == "stat") {
        const auto statistic = StatisticType::fromString(xml::getAttributeString(element, "key"));
        for (const bool atLeast : {true, false}) {
            const char* bound = atLeast ? "atleast" : "atmost";
            if (element->Attribute(bound)) {
                return std::make_unique<Stat>(statistic, xml::getAttributeInt(element, bound),
                                              atLeast);
            }
        }
        Log::error(context) << "unknown value specifier";
        return nullptr;
    }
    Log::error(context) << "unknown check: " << name;
    return nullptr;
}

}  // namespace AchievementCheck
