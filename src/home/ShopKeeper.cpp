#include "home/ShopKeeper.h"

#include <tinyxml.h>

#include <algorithm>
#include <cmath>

#include "core/Log.h"
#include "core/Money.h"
#include "core/SoundPlayer.h"
#include "core/SoundRegistry.h"
#include "core/Sprite.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiController.h"
#include "gui/GuiSlider.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/InvestmentCalculator.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "home/ShopObject.h"
#include "resource/Encoding.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/InfoManager.h"

namespace {

const char* const BIG_FONT = "font_tessaline_28.fnt";
const char* const FONT = "font_tessaline_19.fnt";
const unsigned int WHITE = 0xFFFFFFFFu;
// The palette's butter yellow for amounts, as on the other dark panels.
const unsigned int ACCENT = 0xFFF6D67Au;
const unsigned int QUIET = 0xFFC8D2DCu;

const float KEEPER_DEPTH = 0.8f;
const float WINDOW_DEPTH = 0.9f;
// The information window's texts are drawn 0.1 above it: they must stay
// below the message windows (0.98).
const float INFO_DEPTH = 0.8f;
const float INVEST_DEPTH = 0.98f;
const hgeVector BUY_SIZE(130, 49);
const hgeVector LOGO_SIZE(240, 90);
const hgeVector KEEPER_SIZE(200, 260);

// Where the parts stand when the record does not say.
const hgeVector KEEPER_AT(281, 484);
const hgeVector INFO_AT(535, 150);
const hgeVector INFO_SIZE(215, 410);
const hgeVector LOGO_AT(303, 40);

// Inside the information window: the name, the price under it and then the
// description, so that a long description never hides the price.
const float PRICE_Y = 36.0f;
const float DESCRIPTION_Y = 64.0f;
const float HINT_Y = 36.0f;

// The share window: slider, live count and cost line.
const hgeVector SLIDER_AT(40, 50);
const hgeVector SLIDER_SIZE(200, 5);
const hgeVector COUNT_AT(250, 42);
const hgeVector COST_AT(140, 80);

hgeVector partPosition(TiXmlElement* element, const std::string& part, const hgeVector& fallback) {
    for (TiXmlElement* at = element ? element->FirstChildElement("position") : nullptr; at;
         at = at->NextSiblingElement("position")) {
        if (xml::getAttributeString(at, "part", false) == part) {
            return xml::getVector(at);
        }
    }
    return fallback;
}

}  // namespace

ShopKeeper::ShopKeeper(TiXmlElement* element) {
    const char* context = "ShopKeeper::ShopKeeper";
    m_name = element ? xml::getAttributeString(element, "name") : "";
    Log::debug(context) << "creating shop keeper " << m_name;

    m_sprite = std::make_unique<Sprite>("shop_keeper_" + m_name + ".png", KEEPER_SIZE);
    m_sprite->setMovesWithCam(true);
    m_sprite->setHotSpot(0, 0);
    m_sprite->setPosition(partPosition(element, "", KEEPER_AT));
    m_sprite->setZ(KEEPER_DEPTH);

    hgeVector infoSize = element ? xml::getElementVector(element, "size", false) : hgeVector(0, 0);
    if (infoSize.x <= 0 || infoSize.y <= 0) {
        infoSize = INFO_SIZE;
    }
    const hgeVector infoAt = partPosition(element, "info", INFO_AT);
    m_infoWindow = std::make_unique<GuiWindow>("Attribute Window", "gui_blank.png", infoAt,
                                               infoSize, nullptr, true);
    m_infoText = m_infoWindow->getController()->addTextBox("Info text", hgeVector(12, 10),
                                                           infoSize - hgeVector(24, 20));
    m_infoWindow->setDepth(INFO_DEPTH);

    m_logo = std::make_unique<GuiWindow>(
        "Logo", "gui_blank.png", partPosition(element, "logo", LOGO_AT), LOGO_SIZE, nullptr, true);
    m_logo->addImage("shop_logo_" + m_name + ".png", hgeVector(0, 0), LOGO_SIZE);
    m_logo->setDepth(WINDOW_DEPTH);

    const hgeVector buyAt = partPosition(
        element, "buy",
        infoAt + hgeVector((infoSize.x - BUY_SIZE.x) / 2, infoSize.y - BUY_SIZE.y - 8));
    m_buyButton =
        std::make_unique<GuiButton>("Buy button", "gui_button_buy.png", buyAt, BUY_SIZE, nullptr);
    m_buyButton->setDepth(WINDOW_DEPTH + 0.01f);

    // Nothing is chosen yet, so there is nothing to buy.
    clear();
}

ShopKeeper::~ShopKeeper() {
    closeInvestWindow();
}

void ShopKeeper::clearText() {
    if (!m_infoText) {
        return;
    }
    while (!m_infoText->getAddedTexts().empty()) {
        m_infoText->removeText(m_infoText->getAddedTexts().front().text);
    }
}

float ShopKeeper::marketPrice() const {
    return m_selected
               ? Portfolio::instance()->getMarketPrice(m_selected->getName(), m_selected->getId())
               : 0.0f;
}

void ShopKeeper::showItem(ShopObject* item) {
    if (!item) {
        clear();
        return;
    }
    m_selected = item;
    Log::debug("ShopKeeper::showItem") << "showing " << item->getName();
    clearText();
    // A long name takes the small font rather than run off the window.
    const bool fits = Text(BIG_FONT, item->getName()).getWidth() <= m_infoText->getSize().x;
    m_infoText->addText(item->getName(), fits ? BIG_FONT : FONT, WHITE, hgeVector(0, fits ? 0 : 6));
    std::string description = item->getDescription();
    m_infoText->wrapText(description, FONT);
    m_infoText->addText(description, FONT, WHITE, hgeVector(0, DESCRIPTION_Y));
    const float price = item->getPrice() == 0.0f ? marketPrice() : item->getPrice();
    std::string line = m_costLabel + money::format(static_cast<int64_t>(price)) + m_costSuffix;
    if (item->isInvestment()) {
        // A stock is bought by the share ("aktie"), a fund by the unit ("andel").
        const char* per = item->getKind() == ShopObject::Kind::STOCK ? u8"Pris per aktie: "
                                                                     : u8"Pris per andel: ";
        line = W1252(per) + money::format(static_cast<int64_t>(price)) + m_costSuffix;
    }
    m_infoText->addText(line, FONT, ACCENT, hgeVector(0, PRICE_Y));
    m_buyButton->setVisible(true);
    m_buyButton->setActive(true, true);
}

void ShopKeeper::clear() {
    m_selected = nullptr;
    clearText();
    m_infoText->addText(W1252(u8"Välkommen!"), BIG_FONT, WHITE, hgeVector(0, 0));
    std::string hint = W1252(u8"Klicka på en vara för att se den.");
    m_infoText->wrapText(hint, FONT);
    m_infoText->addText(hint, FONT, QUIET, hgeVector(0, HINT_Y));
    m_buyButton->setVisible(false);
    m_buyButton->setActive(false, true);
}

void ShopKeeper::setVisible(bool visible) {
    m_sprite->setVisible(visible);
    m_infoWindow->setVisible(visible);
    m_logo->setVisible(visible);
    const bool buyable = visible && m_selected;
    m_buyButton->setVisible(buyable);
    m_buyButton->setActive(buyable, true);
}

int ShopKeeper::affordableShares(int64_t cash, float price, int maxBuy) {
    if (!(price > 0.0f) || cash <= 0) {
        return 0;
    }
    const double shares = std::floor(static_cast<double>(cash) / price);
    int count = shares > 2e9 ? 2000000000 : static_cast<int>(shares);
    if (maxBuy > 0) {
        count = std::min(count, maxBuy);
    }
    return count;
}

int64_t ShopKeeper::sharesCost(int shares, float price) {
    const double cost = static_cast<double>(shares) * price;
    return std::isfinite(cost) ? static_cast<int64_t>(cost) : 0;
}

void ShopKeeper::update(float) {
    if (m_investWindow) {
        updateInvestWindow();
        return;
    }
    InfoManager* info = InfoManager::instance();
    if (info->getAnswer("buy confirm") == InfoManager::CONFIRMED) {
        info->setAnswer(InfoManager::NO_ANSWER);
        buyFurniture();
    }
    if (m_selected && m_buyButton->isVisible() && m_buyButton->isClicked()) {
        buy();
    }
}

void ShopKeeper::buy() {
    const float cash = static_cast<float>(Portfolio::instance()->getCash());
    if (m_selected->getPrice() > cash) {
        InfoManager::instance()->show("cant buy", InfoManager::MESSAGE, hgeVector(150, 70));
    } else if (m_selected->getPrice() == 0.0f) {
        openInvestWindow();
    } else {
        InfoManager::instance()->show("buy confirm", InfoManager::QUESTION, hgeVector(150, 70));
    }
}

void ShopKeeper::buyFurniture() {
    if (!m_selected || m_selected->isInvestment()) {
        return;
    }
    Log::debug("ShopKeeper::buyFurniture") << "bought " << m_selected->getName();
    Room* room = Room::instance();
    room->addFurniture(m_selected->getId());
    // The player is in the shop, not in the flat.
    room->setFurnitureActive(false);
    Portfolio::instance()->changeCash(-static_cast<int64_t>(m_selected->getPrice()),
                                      "furniture bought");
    SoundPlayer::instance()->play(SoundKey::Buy);
}

void ShopKeeper::openInvestWindow() {
    const char* context = "ShopKeeper::openInvestWindow";
    m_pricePerShare = marketPrice();
    const InvestmentCalculator* model = InvestmentCalculator::instance();
    const InvestmentCalculator::Record* record = m_selected->getKind() == ShopObject::Kind::FUND
                                                     ? model->findFundRecord(m_selected->getId())
                                                     : model->findStockRecord(m_selected->getId());
    const int shares = affordableShares(Portfolio::instance()->getCash(), m_pricePerShare,
                                        record ? record->maxBuy : 0);
    if (!m_guiReader) {
        m_guiReader = std::make_unique<XmlReader>("gui.xml");
    }
    const char* name = shares == 0 ? "Invest Cant Buy" : "Invest Buy";
    TiXmlElement* element = m_guiReader->getRootElement()
                                ? m_guiReader->getRootChildElement("gui", "guiId", name)
                                : nullptr;
    if (!element) {
        Log::error(context) << "gui.xml is missing " << name;
        return;
    }
    m_investWindow = std::make_unique<GuiWindow>(element, true, nullptr);
    m_investText = dynamic_cast<GuiTextBox*>(m_investWindow->findChild("Text"));
    if (shares > 0) {
        m_investSlider = m_investWindow->getController()->addSlider(SLIDER_AT, SLIDER_SIZE, shares);
        m_investSlider->setName("Buy Slider");
        m_investSlider->setValue(1);
    }
    m_investWindow->setDepth(INVEST_DEPTH);
    m_investLive.clear();
    m_shownShares = -1;
    m_investCost = 0;
    updateInvestWindow();
    InteractionalObject::getCursor()->setFocusObject(m_investWindow.get());
    InfoManager::instance()->showOverlay(INVEST_DEPTH);
    Log::debug(context) << name << " for " << m_selected->getName() << ", at most " << shares
                        << " at " << m_pricePerShare;
}

void ShopKeeper::updateInvestWindow() {
    GuiBase* confirm = m_investWindow->findChild("confirmButton");
    GuiBase* deny = m_investWindow->findChild("denyButton");
    if (confirm && confirm->isVisible() && confirm->isClicked()) {
        confirmInvestment();
        return;
    }
    if (deny && deny->isClicked()) {
        closeInvestWindow();
        return;
    }
    if (!m_investSlider || !m_investText) {
        return;
    }
    const int shares = m_investSlider->getValue();
    m_investCost = sharesCost(shares, m_pricePerShare);
    if (shares == m_shownShares) {
        return;
    }
    m_shownShares = shares;
    for (const std::string& old : m_investLive) {
        m_investText->removeText(old);
    }
    m_investLive = {std::to_string(shares) + " st", money::format(m_investCost) + m_costSuffix};
    m_investText->addText(m_investLive[0], FONT, WHITE, COUNT_AT);
    m_investText->addText(m_investLive[1], FONT, ACCENT, COST_AT);
}

void ShopKeeper::confirmInvestment() {
    const int shares = m_investSlider ? m_investSlider->getValue() : 0;
    const int64_t cost = sharesCost(shares, m_pricePerShare);
    ShopObject* item = m_selected;
    closeInvestWindow();
    if (!item || shares <= 0) {
        return;
    }
    // The money goes only when the bank knew the investment and added it.
    if (!InvestmentCalculator::instance()->addInvestment(item->getName(), item->getId(), shares,
                                                         m_pricePerShare)) {
        Log::warning("ShopKeeper::confirmInvestment")
            << "no holding added for " << item->getName() << ", no money taken";
        return;
    }
    Portfolio::instance()->changeCash(
        -cost, item->getKind() == ShopObject::Kind::FUND ? "funds bought" : "shares bought");
    SoundPlayer::instance()->play(SoundKey::Buy);
}

void ShopKeeper::closeInvestWindow() {
    if (!m_investWindow) {
        return;
    }
    FiscoraCursor::releaseFocus(m_investWindow.get());
    m_investWindow.reset();
    m_investSlider = nullptr;
    m_investText = nullptr;
    m_investLive.clear();
    if (InfoManager::exists()) {
        InfoManager::instance()->hideOverlay();
    }
}
