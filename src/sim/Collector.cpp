#include "sim/Collector.h"

#include <algorithm>
#include <cmath>

#include "core/Log.h"
#include "engine/hgevector.h"
#include "home/InvestmentCalculator.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "sim/InfoManager.h"
#include "sim/RandomEventManager.h"
#include "sim/YearRecord.h"

Collector::Collector(const EventRecord* record, int32_t debt)
    : RandomEventInterface(record), m_debt(debt) {}

void Collector::accept() {
    const char* context = "Collector::accept";
    YearRecord::instance()->countCollector();
    int64_t owed = getOwed();
    if (owed <= 0) {
        return;
    }
    Log::debug(context) << "collector takes " << owed << " kr";

    Portfolio* portfolio = Portfolio::instance();
    const int64_t cash = std::min<int64_t>(std::max(portfolio->getCash(), 0), owed);
    if (cash > 0) {
        portfolio->changeCash(-cash, "collector took cash");
        owed -= cash;
    }

    InvestmentCalculator* bank = InvestmentCalculator::instance();
    const int64_t balance = static_cast<int64_t>(std::max(bank->getBalance(), 0.0f));
    const int64_t saved = std::min(balance, owed);
    if (saved > 0) {
        bank->withdraw(static_cast<float>(saved));
        owed -= saved;
        Log::debug(context) << "collector took " << saved << " kr from savings";
    }

    // The forced sales count in shares; what they leave owed is rounded to
    // the krona, as the cash is.
    struct Sale {
        const char* what;
        float (Portfolio::*sell)(float);
    };
    for (const Sale& sale :
         {Sale{"funds", &Portfolio::forceSellFunds}, Sale{"stocks", &Portfolio::forceSellStocks}}) {
        if (owed <= 0) {
            break;
        }
        const float left = (portfolio->*sale.sell)(static_cast<float>(owed));
        const int64_t rest = std::max<int64_t>(std::llround(left), 0);
        if (rest < owed) {
            Log::debug(context) << "collector took " << owed - rest << " kr in " << sale.what;
        }
        owed = rest;
    }

    Room* room = Room::exists() ? Room::instance() : nullptr;
    while (owed > 0 && room && !room->getFurniture().empty()) {
        const int worth = room->removeRandomFurniture();
        owed -= worth;
        Log::debug(context) << "collector took furniture worth " << worth << " kr";
    }
    if (owed < 0) {
        // The last piece brought more than was owed.
        portfolio->changeCash(-owed, "collector returned the change");
        owed = 0;
    }

    if (owed > 0) {
        Log::info(context) << "collector could not take the last " << owed << " kr, game over";
        InfoManager::instance()->show("gameover", InfoManager::MESSAGE, hgeVector(0, 0));
        RandomEventManager::instance()->setGameOver();
    }
}
