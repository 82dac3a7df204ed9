#include "sim/Bill.h"

#include <memory>

#include "core/Log.h"
#include "home/Portfolio.h"
#include "resource/Randomizer.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/Collector.h"
#include "sim/RandomEvent.h"
#include "sim/RandomEventManager.h"
#include "sim/YearRecord.h"

Bill::Bill(const EventRecord* record, int32_t state, int32_t baseValue)
    : RandomEventInterface(record), m_baseValue(baseValue), m_state(state) {
    const char* context = "Bill::Bill";
    Randomizer::seed();
    Log::debug(context) << "Creating bill";
    XmlReader reader("fiscoraConstants.xml");
    Log::debug(context) << "fiscoraConstants loaded";
    TiXmlElement* root = reader.getRootElement();
    TiXmlElement* bill = root ? root->FirstChildElement("bill") : nullptr;
    for (TiXmlElement* fee = bill ? bill->FirstChildElement("state") : nullptr; fee;
         fee = fee->NextSiblingElement("state")) {
        Log::debug(context) << "Getting bill state";
        m_fees.push_back(xml::getAttributeInt(fee, "value"));
    }
}

void Bill::trigger() {
    if (m_state != 0) {
        return;
    }
    m_baseValue = m_record->maxValue == 0 ? m_record->value
                                          : Randomizer::getInt(RandomStream::BILLS, m_record->value,
                                                               m_record->maxValue, m_record->id);
}

int32_t Bill::getValue() const {
    if (m_state > static_cast<int32_t>(m_fees.size())) {
        // The missing fees count as nothing rather than reading past the list.
        Log::error("Bill::getValue") << "Dont got enough state values";
    }
    int64_t value = m_baseValue;
    for (int32_t i = 0; i < m_state && i < static_cast<int32_t>(m_fees.size()); ++i) {
        value -= m_fees[i];
    }
    return static_cast<int32_t>(value);
}

void Bill::accept() {
    const bool income = getType() == EventType::INCOME;
    Portfolio::instance()->changeCash(getValue(), income ? "income received" : "bill paid");
    if (!income) {
        YearRecord::instance()->spend(SpendingKind::BILLS, -static_cast<double>(getValue()));
        if (m_state > 0) {
            YearRecord::instance()->countReminder();
        }
    }
}

void Bill::reject() {
    RandomEventManager* manager = RandomEventManager::instance();
    RandomEventInterface* next = nullptr;
    if (m_state < LAST_REMINDER) {
        next = manager->adopt(std::make_unique<Bill>(m_record, m_state + 1, m_baseValue));
        Log::debug("Bill::onReject")
            << "bill " << getId() << " refused, reminder " << m_state + 1 << " next month";
    } else {
        RandomEventInterface* collector = manager->findEventByType(EventType::COLLECTOR);
        if (!collector) {
            Log::warning("Bill::onReject") << "unable to activate collector";
            return;
        }
        next = manager->adopt(std::make_unique<Collector>(collector->getRecord(), getValue()));
        Log::debug("Bill::onReject") << "bill " << getId() << " refused after its last reminder, "
                                     << "the collector comes next month";
    }
    manager->queueEvent(next, 1, m_record->day);
    m_transient = true;
}

bool Bill::isReady() const {
    return RandomEvent::flagsAllow(m_record);
}
