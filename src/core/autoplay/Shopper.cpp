#include "core/autoplay/Shopper.h"

#include <algorithm>

#include "core/Log.h"
#include "core/Money.h"
#include "core/StateMachine.h"
#include "core/autoplay/Hand.h"
#include "core/autoplay/Screen.h"
#include "core/states/RoomState.h"
#include "core/states/ShopStates.h"
#include "core/states/TownState.h"
#include "gui/GuiButton.h"
#include "gui/GuiSlider.h"
#include "gui/GuiWindow.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "home/ShopGui.h"
#include "home/ShopKeeper.h"
#include "home/ShopObject.h"

namespace autoplay {

namespace {

Log::Line say() {
    return Log::info("Autoplay");
}

int cash() {
    return Portfolio::exists() ? Portfolio::instance()->getCash() : 0;
}

// What a careful errand may cost: a piece of furniture, a fund or a share.
const int FURNITURE_MONEY = 2500;
const int INVESTMENT_MONEY = 1500;
// Less than this is no errand.
const int LEAST_MONEY = 200;
// Steps in a shop (or at the door) before the errand is given up.
const int MOST_TRIES = 30;

const char* errandName(Shopper::Errand::_enum errand) {
    switch (errand) {
        case Shopper::Errand::FURNITURE:
            return "furniture";
        case Shopper::Errand::FUND:
            return "a fund";
        case Shopper::Errand::SHARE:
            return "a share";
        default:
            return "nothing";
    }
}

}  // namespace

Shopper::Shopper(int level, bool dearest, int mostPieces)
    : m_level(level), m_dearest(dearest), m_mostPieces(mostPieces) {}

Shopper::Errand::_enum Shopper::next() const {
    if (m_errandThisMonth) {
        return Errand::NONE;
    }
    if (m_level >= 2 && !m_fund && m_months >= 1) {
        return Errand::FUND;
    }
    if (m_level >= 3 && !m_share && m_months >= 2) {
        return Errand::SHARE;
    }
    return m_pieces < m_mostPieces ? Errand::FURNITURE : Errand::NONE;
}

int Shopper::reserve() const {
    switch (next()) {
        case Errand::FURNITURE:
            return FURNITURE_MONEY;
        case Errand::FUND:
        case Errand::SHARE:
            return INVESTMENT_MONEY;
        default:
            return 0;
    }
}

void Shopper::plan(int money) {
    if (m_errand == Errand::NONE) {
        m_money = money;
    }
}

bool Shopper::isOut() const {
    State* state = StateMachine::instance()->current();
    return state == GameState::TownState::instance() ||
           dynamic_cast<GameState::ShopState*>(state) != nullptr;
}

bool Shopper::answers(const std::string& name) const {
    if (name == "door") {
        return m_errand != Errand::NONE && !m_out;
    }
    return name == "buy confirm" && m_errand != Errand::NONE && !m_done;
}

void Shopper::finish(const std::string& what) {
    if (!m_done) {
        say() << what;
    }
    m_done = true;
}

bool Shopper::act(Hand& hand) {
    State* state = StateMachine::instance()->current();
    if (state == GameState::RoomState::instance()) {
        if (m_placer.act(hand)) {
            return true;
        }
        if (m_errand != Errand::NONE && (m_out || ++m_tries > MOST_TRIES)) {
            m_errand = Errand::NONE;
            m_out = false;
        }
        if (m_errand == Errand::NONE) {
            const Errand::_enum errand = next();
            if (errand == Errand::NONE || m_money < LEAST_MONEY) {
                return false;
            }
            m_errand = errand;
            m_errandThisMonth = true;
            m_done = false;
            m_tries = 0;
            m_cashBefore = cash();
            say() << "goes to town for " << errandName(errand) << " with " << money::kr(m_money);
        }
        GuiBase* door = Room::exists() ? Room::instance()->getDoor() : nullptr;
        return m_placer.uncover(hand, door) || hand.click(door);
    }
    if (state == GameState::TownState::instance()) {
        m_out = true;
        State* target = GameState::RoomState::instance();
        if (!m_done && m_errand == Errand::FURNITURE) {
            target = GameState::FurnitureStoreState::instance();
        } else if (!m_done && m_errand != Errand::NONE) {
            target = GameState::BankState::instance();
        }
        for (const auto& building : GameState::TownState::instance()->getBuildings()) {
            if (building.target == target) {
                return hand.click(building.button.get());
            }
        }
        return false;
    }
    auto* shopState = dynamic_cast<GameState::ShopState*>(state);
    ShopGui* shopWindow = shopState ? shopState->getShop() : nullptr;
    return shopWindow && shop(hand, shopWindow);
}

bool Shopper::shop(Hand& hand, ShopGui* shop) {
    m_out = true;
    if (cash() < m_cashBefore) {
        m_money -= m_cashBefore - cash();
        m_cashBefore = cash();
        // A spender goes on buying while anything is in reach.
        if (m_dearest && m_errand == Errand::FURNITURE && m_pieces < m_mostPieces) {
            say() << "has bought, cash now " << money::kr(cash());
            m_tries = 0;
        } else {
            finish("has bought, cash now " + money::kr(cash()));
        }
    }
    if (m_errand == Errand::NONE || m_done || ++m_tries > MOST_TRIES) {
        m_done = true;
        return hand.click(shop->getExitButton());
    }
    if (m_errand == Errand::FURNITURE) {
        return buyFurniture(hand, shop);
    }
    return buyInvestment(hand, shop, m_errand == Errand::FUND ? "Funds" : "Stocks");
}

ShopObject* Shopper::chooseFurniture(ShopGui* shop, std::string& category) const {
    ShopObject* best = nullptr;
    for (const auto& group : shop->getCategories()) {
        if (group->savings) {
            continue;
        }
        for (const auto& item : group->goods) {
            const float price = item->getPrice();
            if (item->getKind() != ShopObject::Kind::FURNITURE || price <= 0 || price > m_money ||
                (!m_dearest && m_bought.count(item->getName()))) {
                continue;
            }
            if (!best || (m_dearest ? price > best->getPrice() : price < best->getPrice())) {
                best = item.get();
                category = group->name;
            }
        }
    }
    return best;
}

bool Shopper::buyFurniture(Hand& hand, ShopGui* shop) {
    std::string category;
    ShopObject* item = chooseFurniture(shop, category);
    if (!item) {
        finish("finds no furniture for " + money::kr(m_money));
        return hand.click(shop->getExitButton());
    }
    ShopKeeper* keeper = shop->getKeeper();
    if (!shop->getCurrent() || shop->getCurrent()->name != category) {
        return hand.click(Screen::child(shop->getWindow(), category));
    }
    if (keeper->getSelected() != item) {
        return hand.click(item);
    }
    if (hand.click(keeper->getBuyButton())) {
        say() << "buys " << item->getName() << " for "
              << money::kr(static_cast<int64_t>(item->getPrice()));
        ++m_pieces;
        m_bought.insert(item->getName());
        return true;
    }
    return false;
}

bool Shopper::buyInvestment(Hand& hand, ShopGui* shop, const std::string& category) {
    ShopKeeper* keeper = shop->getKeeper();
    if (GuiWindow* invest = keeper->getInvestWindow()) {
        GuiSlider* slider = keeper->getInvestSlider();
        GuiBase* yes = Screen::child(invest, "confirmButton");
        if (!slider || !yes) {
            finish("cannot buy any shares");
            GuiBase* no = Screen::child(invest, "denyButton");
            return hand.click(no ? no : Screen::child(invest, "exitButton"));
        }
        const int64_t price = keeper->getInvestCost() / std::max(slider->getValue(), 1);
        const int shares = static_cast<int>(
            std::clamp<int64_t>(price > 0 ? m_money / price : 1, 1, slider->getSteps()));
        if (hand.setSlider(slider, shares)) {
            return true;
        }
        if (hand.click(yes)) {
            say() << "buys " << slider->getValue() << " shares of "
                  << (keeper->getSelected() ? keeper->getSelected()->getName() : "?") << " at "
                  << money::kr(price);
            (m_errand == Errand::FUND ? m_fund : m_share) = true;
            return true;
        }
        return false;
    }
    if (!shop->getCurrent() || shop->getCurrent()->name != category) {
        return hand.click(
            Screen::child(shop->getWindow(), category == "Funds" ? "bcat2" : "bcat3"));
    }
    const auto& goods = shop->getCurrent()->goods;
    if (goods.empty()) {
        finish("finds nothing to buy at the bank");
        return hand.click(shop->getExitButton());
    }
    ShopObject* item = goods.front().get();
    if (keeper->getSelected() != item) {
        return hand.click(item);
    }
    return hand.click(keeper->getBuyButton());
}

}  // namespace autoplay
