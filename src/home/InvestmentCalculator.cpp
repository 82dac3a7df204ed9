#include "home/InvestmentCalculator.h"

#include <tinyxml.h>

#include <cmath>

#include "core/Engine.h"
#include "core/Log.h"
#include "engine/hge.h"
#include "home/Investment.h"
#include "home/Portfolio.h"
#include "resource/Randomizer.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"

namespace {

// The market holds these ids of each kind.
const int MARKET_IDS = 3;

float finiteOrZero(float value) {
    return std::isfinite(value) ? value : 0.0f;
}

// Under a scenario every investment (and the savings account) draws from a
// sequence of its own, so that what the player owns cannot shift the rest.
float draw(RandomStream::_enum stream, int id, float min, float max) {
    if (Randomizer::hasStreams()) {
        return Randomizer::getFloat(stream, min, max, static_cast<uint32_t>(id));
    }
    return InvestmentCalculator::randomBetween(min, max);
}

}  // namespace

InvestmentCalculator::InvestmentCalculator() = default;

InvestmentCalculator::~InvestmentCalculator() = default;

void InvestmentCalculator::load(const std::string& file) {
    const char* context = "InvestmentCalculator::load";
    if (m_reader) {
        return;
    }
    m_reader = std::make_unique<XmlReader>(file);
    TiXmlElement* root = m_reader->getRootElement();
    if (!root) {
        Log::error(context) << "could not read investments from " << file;
        return;
    }
    if (TiXmlElement* savings = root->FirstChildElement("savings")) {
        m_savingsMin = finiteOrZero(xml::getAttributeFloat(savings, "min"));
        m_savingsMax = finiteOrZero(xml::getAttributeFloat(savings, "max"));
    } else {
        Log::warning(context) << "no savings interest in " << file << ", the account pays none";
    }
    readRecords(root, "stock", m_stocks);
    readRecords(root, "fund", m_funds);

    Portfolio* portfolio = Portfolio::instance();
    portfolio->clearMarket();
    for (int id = 0; id < MARKET_IDS; ++id) {
        // Without a record an entry would trade at 0 kronor; the market
        // price then falls back to 1 instead.
        if (const Record* record = findFundRecord(id)) {
            auto fund = std::make_unique<Fund>(id, record->startValue);
            fund->update();
            portfolio->addMarketFund(std::move(fund));
        } else {
            Log::warning(context) << "no fund with id " << id << " in " << file;
        }
        if (const Record* record = findStockRecord(id)) {
            auto stock = std::make_unique<Stock>(id, record->startValue);
            stock->update();
            portfolio->addMarketStock(std::move(stock));
        } else {
            Log::warning(context) << "no stock with id " << id << " in " << file;
        }
    }
    Log::debug(context) << "loaded " << m_stocks.size() << " stocks and " << m_funds.size()
                        << " funds from " << file;
}

void InvestmentCalculator::readRecords(TiXmlElement* root, const char* family,
                                       std::map<int, Record>& records) {
    for (TiXmlElement* element = root->FirstChildElement(family); element;
         element = element->NextSiblingElement(family)) {
        Record record;
        const int id = xml::getAttributeInt(element, "id");
        record.name = xml::getAttributeString(element, "name");
        const TiXmlElement* value = element->FirstChildElement("value");
        record.min = finiteOrZero(xml::getAttributeFloat(value, "min"));
        record.max = finiteOrZero(xml::getAttributeFloat(value, "max"));
        if (record.max < record.min) {
            Log::warning("InvestmentCalculator::load")
                << family << " " << id << " has its bounds the wrong way round";
            std::swap(record.min, record.max);
        }
        record.startValue = finiteOrZero(xml::getAttributeFloat(element, "startValue"));
        record.maxBuy = xml::getAttributeInt(element, "maxBuy");
        const TiXmlElement* description = element->FirstChildElement("description");
        if (description && description->GetText()) {
            record.description = description->GetText();
        }
        records[id] = record;
    }
}

void InvestmentCalculator::reload(const std::string& file) {
    m_reader.reset();
    m_stocks.clear();
    m_funds.clear();
    m_history.clear();
    m_balance = 0.0f;
    m_savingsMin = 0.0f;
    m_savingsMax = 0.0f;
    Portfolio::instance()->clear();
    Portfolio::instance()->clearMarket();
    load(file);
}

void InvestmentCalculator::setUp() {
    if (!isLoaded()) {
        load();
    }
}

bool InvestmentCalculator::isLoaded() const {
    return m_reader != nullptr;
}

float InvestmentCalculator::randomBetween(float min, float max) {
    // The running game's engine; without one (tools, tests) the same shared
    // engine object is reached directly: its generator needs no window.
    HGE* hge = Engine::exists() ? Engine::instance()->getHge() : nullptr;
    if (hge) {
        return hge->Random_Float(min, max);
    }
    static bool told = false;
    if (!told) {
        Log::debug("InvestmentCalculator::randomBetween")
            << "no running engine, drawing from the engine's generator alone";
        told = true;
    }
    hge = hgeCreate(HGE_VERSION);
    const float drawn = hge->Random_Float(min, max);
    hge->Release();
    return drawn;
}

float InvestmentCalculator::randomStockPercentage(int id) const {
    const Record* record = findStockRecord(id);
    return record ? draw(RandomStream::STOCKS, id, record->min, record->max) : 0.0f;
}

float InvestmentCalculator::randomFundPercentage(int id) const {
    const Record* record = findFundRecord(id);
    return record ? draw(RandomStream::FUNDS, id, record->min, record->max) : 0.0f;
}

bool InvestmentCalculator::addInvestment(const std::string& name, int id, int shares,
                                         float costPerShare) {
    const char* context = "InvestmentCalculator::addInvestment";
    Log::debug(context) << "Adding investment " << name << ",id: " << id
                        << " with share: " << shares;
    auto byName = [&](const std::map<int, Record>& records) {
        for (const auto& [key, record] : records) {
            if (record.name == name) {
                return true;
            }
        }
        return false;
    };
    const bool stock = byName(m_stocks);
    if (!stock && !byName(m_funds)) {
        Log::warning(context) << "Couldnt find the investment";
        return false;
    }
    if (!stock) {
        Log::warning(context) << "This investment is no stock";
    }
    if (shares < 0) {
        Log::warning(context) << "cant add " << shares << " shares";
        return false;
    }
    Portfolio* portfolio = Portfolio::instance();
    const float market = portfolio->getMarketPrice(name, id);
    const float cost = costPerShare < 0.0f ? market : costPerShare;
    Investment* holding = stock ? static_cast<Investment*>(portfolio->findOwnedStock(id))
                                : static_cast<Investment*>(portfolio->findOwnedFund(id));
    if (holding) {
        Log::debug(context) << "Value before " << holding->getShares() * market;
        holding->buy(shares, cost);
        Log::debug(context) << "Value after " << holding->getShares() * market;
    } else {
        Log::debug(context) << "Creating new investment";
        holding = stock ? static_cast<Investment*>(portfolio->addOwnedStock(id, shares))
                        : static_cast<Investment*>(portfolio->addOwnedFund(id, shares));
        holding->setPurchasePrice(cost);
    }
    return true;
}

void InvestmentCalculator::deposit(float amount) {
    if (amount == 0.0f || !std::isfinite(amount)) {
        return;
    }
    m_balance += amount;
    m_history.push_back({"+ ", amount});
}

void InvestmentCalculator::withdraw(float amount) {
    if (amount == 0.0f || !std::isfinite(amount)) {
        return;
    }
    m_balance -= amount;
    m_history.push_back({"- ", amount});
}

void InvestmentCalculator::monthlyInterest() {
    const float rate = draw(RandomStream::INTEREST, 0, m_savingsMin, m_savingsMax);
    deposit(m_balance / 100.0f * rate);
}

const InvestmentCalculator::Record* InvestmentCalculator::findStockRecord(int id) const {
    auto found = m_stocks.find(id);
    return found == m_stocks.end() ? nullptr : &found->second;
}

const InvestmentCalculator::Record* InvestmentCalculator::findFundRecord(int id) const {
    auto found = m_funds.find(id);
    return found == m_funds.end() ? nullptr : &found->second;
}
