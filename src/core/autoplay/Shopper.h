#pragma once

#include <set>
#include <string>

#include "core/autoplay/Placer.h"

class ShopGui;
class ShopObject;

namespace autoplay {

class Hand;

// Errands in town: a piece of furniture from Lenas Möbler, a fund or a share
// at the bank. One errand a month at most, between the budget and Play; back
// home, a new piece is put on a free spot.
class Shopper {
public:
    struct Errand {
        enum _enum { NONE, FURNITURE, FUND, SHARE };
    };

    // `level`: the level whose investments it makes (1: none); `dearest`:
    // the dearest piece it can pay for rather than the cheapest.
    Shopper(int level, bool dearest, int mostPieces);

    // Called as a month is played: a new errand may start next month.
    void newMonth() {
        m_errandThisMonth = false;
        ++m_months;
    }
    // What the errand of this month may cost, given `money` to spend.
    void plan(int money);
    // What it keeps out of the savings for the coming errand.
    int reserve() const;
    // In town or in a shop.
    bool isOut() const;
    // One step: the next errand, in the flat, the town or a shop; false when
    // there is nothing to do before Play.
    bool act(Hand& hand);
    bool answers(const std::string& name) const;

    // The errand due now, by what has been bought so far and the level.
    Errand::_enum next() const;

private:
    bool shop(Hand& hand, ShopGui* shop);
    bool buyFurniture(Hand& hand, ShopGui* shop);
    bool buyInvestment(Hand& hand, ShopGui* shop, const std::string& category);
    // The item of the furniture store to buy with `money`, or null.
    ShopObject* chooseFurniture(ShopGui* shop, std::string& category) const;
    void finish(const std::string& what);

    int m_level;
    bool m_dearest;
    int m_mostPieces;
    int m_months = 0;
    int m_money = 0;
    int m_pieces = 0;
    bool m_fund = false;
    bool m_share = false;
    bool m_errandThisMonth = false;
    Errand::_enum m_errand = Errand::NONE;
    bool m_done = false;
    // Has reached the town on this errand.
    bool m_out = false;
    int m_tries = 0;
    int m_cashBefore = 0;
    Placer m_placer;
    // A piece of each kind is enough.
    std::set<std::string> m_bought;
};

}  // namespace autoplay
