#include "home/InvestmentGui.h"

#include <tinyxml.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/Log.h"
#include "core/states/RoomState.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiController.h"
#include "gui/GuiSlider.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/Investment.h"
#include "home/Portfolio.h"
#include "resource/Encoding.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/InfoManager.h"
#include "sim/Statistics.h"

namespace {

const char* const FILE_NAME = "investmentGui.xml";
const char* const FONT = "font_tessaline_19.fnt";
const unsigned int WHITE = 0xFFFFFFFFu;
// The palette's butter yellow for headings and amounts, as elsewhere on the
// dark panels.
const unsigned int ACCENT = 0xFFF6D67Au;
const unsigned int QUIET = 0xFFC8D2DCu;
const unsigned int RISING = 0xFF9BE39Bu;
const unsigned int FALLING = 0xFFFF9A8Au;
const float WINDOW_DEPTH = 0.9f;
// Texts are drawn at most at 0.99 whatever window holds them, so the sell
// window goes above that, or the rows below would show through it.
const float SELL_DEPTH = 0.995f;

// The two columns of holdings, their first row and the row pitch.
const float FUNDS_X = 30.0f;
const float STOCKS_X = 350.0f;
const float HEADING_Y = 78.0f;
const float FIRST_ROW_Y = 108.0f;
const float ROW_HEIGHT = 52.0f;
const float HINT_Y = 410.0f;
const float SELL_BUTTON_X = 236.0f;
const float COUNT_X = 168.0f;
const hgeVector SELL_BUTTON_SIZE(42, 42);

// The sell window.
const hgeVector SELL_SIZE(300, 150);
const hgeVector SLIDER_AT(30, 40);
const hgeVector SLIDER_SIZE(200, 5);
const hgeVector SLIDER_VALUE_AT(240, 32);
const hgeVector PRICE_LABEL_AT(100, 66);
const hgeVector PRICE_AT(150, 66);
const hgeVector BUTTON_SIZE(52, 49);
const float BUTTONS_Y = 94.0f;

// How many months the history shows per holding.
const std::size_t HISTORY_MONTHS = 4;
// The months' column in the history box and its pitch.
const float CHANGES_X = 200.0f;
const float CHANGE_WIDTH = 86.0f;

std::string kronor(double value) {
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    return std::to_string(static_cast<int64_t>(value)) + ":-";
}

// "+3,2 %" with the Swedish decimal comma.
std::string percent(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f %%", static_cast<double>(value));
    std::string out = text;
    std::replace(out.begin(), out.end(), '.', ',');
    return out;
}

float centred(const std::string& text, float width) {
    Text measure(FONT, text);
    return (width - measure.getWidth()) / 2.0f;
}

}  // namespace

InvestmentGui::InvestmentGui() = default;

InvestmentGui::~InvestmentGui() {
    close();
}

void InvestmentGui::open() {
    const char* context = "InvestmentGui::open";
    closeSellWindow();
    m_rows.clear();
    m_window.reset();
    XmlReader reader(FILE_NAME);
    TiXmlElement* record = reader.getRootElement()
                               ? reader.getRootChildElement("window", "guiId", "Investment Window")
                               : nullptr;
    if (!record) {
        Log::error(context) << "could not read the Investment Window from " << FILE_NAME;
        return;
    }
    build(record);
    Log::debug(context) << "investment window shown";
}

void InvestmentGui::build(TiXmlElement* record) {
    m_window = std::make_unique<GuiWindow>(record, true, nullptr);
    m_window->setDepth(WINDOW_DEPTH);
    const hgeVector size = m_window->getSize();
    GuiTextBox* text =
        m_window->getController()->addTextBox("Investment Text", hgeVector(0, 0), size);
    addColumn(text, true, FUNDS_X);
    addColumn(text, false, STOCKS_X);
    text->addText(W1252(u8"Köp aktier och fonder på banken i stan. Här kan du sälja dem."), FONT,
                  QUIET, hgeVector(FUNDS_X, HINT_Y));
    createHistory(record);
    // Every child takes its place above the window now that all exist.
    m_window->setDepth(WINDOW_DEPTH);
    InteractionalObject::getCursor()->setFocusObject(m_window.get());
    InfoManager::instance()->showOverlay(WINDOW_DEPTH);
}

void InvestmentGui::addColumn(GuiTextBox* text, bool funds, float x) {
    Portfolio* portfolio = Portfolio::instance();
    std::vector<Investment*> held;
    if (funds) {
        for (const auto& fund : portfolio->getOwnedFunds()) {
            held.push_back(fund.get());
        }
    } else {
        for (const auto& stock : portfolio->getOwnedStocks()) {
            held.push_back(stock.get());
        }
    }
    // Holdings sold to the last share stay in the model but not on screen.
    held.erase(std::remove_if(held.begin(), held.end(),
                              [](const Investment* item) { return item->getShares() <= 0; }),
               held.end());
    std::string heading = funds ? "Dina fonder: " : "Dina aktier: ";
    if (held.empty()) {
        heading += funds ? "Du har inga fonder." : "Du har inga aktier.";
    }
    text->addText(heading, FONT, ACCENT, hgeVector(x, HEADING_Y));

    float y = FIRST_ROW_Y;
    for (Investment* item : held) {
        const std::string name = item->name();
        const double value =
            static_cast<double>(item->getShares()) * portfolio->getMarketPrice(name, item->getId());
        text->addText(name, FONT, WHITE, hgeVector(x, y));
        text->addText(W1252(u8"     Värde: ") + kronor(value), FONT, ACCENT, hgeVector(x, y + 21));
        text->addText(std::to_string(item->getShares()) + " st", FONT, QUIET,
                      hgeVector(x + COUNT_X, y + 21));
        GuiButton* sell =
            m_window->getController()->addButton(W1252(u8"Sälj"), "gui_sell_button.png",
                                                 hgeVector(x + SELL_BUTTON_X, y), SELL_BUTTON_SIZE);
        m_rows.push_back(Row{sell, funds, item->getId()});
        y += ROW_HEIGHT;
    }
}

void InvestmentGui::createHistory(TiXmlElement* record) {
    TiXmlElement* element = record ? record->FirstChildElement("textBox") : nullptr;
    auto* box = element && m_window ? dynamic_cast<GuiTextBox*>(m_window->findChild(
                                          xml::getAttributeString(element, "guiId")))
                                    : nullptr;
    if (!box) {
        Log::error("InvestmentGui::createHistory")
            << "Failed to get textBox element for investment history!";
        return;
    }
    Portfolio* portfolio = Portfolio::instance();
    // One line per holding: its name, then a column per month, green up and
    // red down.
    struct Line {
        std::string name;
        std::vector<float> changes;
    };
    std::vector<Line> lines;
    auto describe = [&](const Investment& item, const Investment* market) {
        if (item.getShares() <= 0) {
            return;
        }
        // The holding moves exactly as its market entry does, so the market's
        // draws of the months held are the holding's changes.
        const std::size_t months = market ? item.getPriceHistory().size() : 0;
        Line line{item.name() + ":", {}};
        const std::vector<float> none;
        const std::vector<float>& changes = market ? market->getPercentageHistory() : none;
        const std::size_t shown = std::min({months, HISTORY_MONTHS, changes.size()});
        line.changes.assign(changes.end() - static_cast<std::ptrdiff_t>(shown), changes.end());
        lines.push_back(line);
    };
    for (const auto& fund : portfolio->getOwnedFunds()) {
        describe(*fund, portfolio->findMarketFund(fund->getId()));
    }
    for (const auto& stock : portfolio->getOwnedStocks()) {
        describe(*stock, portfolio->findMarketStock(stock->getId()));
    }
    if (lines.empty()) {
        box->addText(W1252(u8"Här ser du sedan hur dina aktier och fonder går."), FONT, QUIET,
                     hgeVector(0, 0));
        return;
    }
    box->addText(W1252(u8"Så har värdet ändrats de senaste månaderna (äldst först):"), FONT, ACCENT,
                 hgeVector(0, 0));
    float y = 0.0f;
    for (const Line& line : lines) {
        y += GuiTextBox::LINE_HEIGHT + 1;
        box->addText(line.name, FONT, WHITE, hgeVector(0, y));
        if (line.changes.empty()) {
            box->addText(W1252(u8"köpt nyss, ingen hel månad än"), FONT, QUIET,
                         hgeVector(CHANGES_X, y));
        }
        float x = CHANGES_X;
        for (float change : line.changes) {
            box->addText(percent(change), FONT, change < 0.0f ? FALLING : RISING, hgeVector(x, y));
            x += CHANGE_WIDTH;
        }
    }
}

void InvestmentGui::close() {
    closeSellWindow();
    m_rows.clear();
    if (!m_window) {
        return;
    }
    FiscoraCursor::releaseFocus(m_window.get());
    m_window.reset();
    if (InfoManager::exists()) {
        InfoManager::instance()->hideOverlay();
    }
    // The click that closed the window must not reach the flat below.
    GameState::RoomState::instance()->restartInputDelay();
    Log::debug("InvestmentGui::close") << "investment window closed";
}

bool InvestmentGui::isOpen() const {
    return m_window != nullptr;
}

GuiWindow* InvestmentGui::getWindow() const {
    return m_window.get();
}

Investment* InvestmentGui::holdingOf(const Row& row) const {
    Portfolio* portfolio = Portfolio::instance();
    return row.fund ? static_cast<Investment*>(portfolio->findOwnedFund(row.id))
                    : static_cast<Investment*>(portfolio->findOwnedStock(row.id));
}

void InvestmentGui::update(float) {
    if (!m_window) {
        return;
    }
    if (m_sellWindow) {
        GuiBase* confirm = m_sellWindow->findChild("Confirm button");
        GuiBase* deny = m_sellWindow->findChild("Deny button");
        if (confirm && confirm->isClicked()) {
            confirmSale();
        } else if (deny && deny->isClicked()) {
            closeSellWindow();
        } else {
            showSliderValue();
        }
        return;
    }
    GuiBase* exit = m_window->findChild("Exit Button");
    if (exit && exit->isClicked()) {
        close();
        return;
    }
    for (const Row& row : m_rows) {
        if (row.sellButton->isClicked()) {
            openSellWindow(row);
            return;
        }
    }
}

void InvestmentGui::openSellWindow(const Row& row) {
    Investment* holding = holdingOf(row);
    if (!holding || holding->getShares() <= 0) {
        return;
    }
    m_selling = row;
    const std::string name = holding->name();
    const hgeVector at(m_window->getPosition().x + (m_window->getSize().x - SELL_SIZE.x) / 2,
                       m_window->getPosition().y + 120);
    m_sellWindow =
        std::make_unique<GuiWindow>("Sell Window", "gui_blank.png", at, SELL_SIZE, nullptr, true);
    GuiController* children = m_sellWindow->getController();
    m_sellText = children->addTextBox("Sell Text", hgeVector(0, 0), SELL_SIZE);
    const std::string title = W1252(u8"Sälj ") + name;
    m_sellText->addText(title, FONT, WHITE, hgeVector(centred(title, SELL_SIZE.x), 8));
    m_sellText->addText("Pris: ", FONT, WHITE, PRICE_LABEL_AT);
    m_slider = children->addSlider(SLIDER_AT, SLIDER_SIZE, holding->getShares());
    m_slider->setName("Sell Slider");
    // One share to begin with: the player chooses to sell more.
    m_slider->setValue(1);
    children->addButton("Confirm button", "gui_yes_button.png", hgeVector(70, BUTTONS_Y),
                        BUTTON_SIZE);
    children->addButton("Deny button", "gui_no_button.png", hgeVector(178, BUTTONS_Y), BUTTON_SIZE);
    m_sellWindow->setDepth(SELL_DEPTH);
    m_shownValue = -1;
    m_liveTexts.clear();
    showSliderValue();
    InteractionalObject::getCursor()->setFocusObject(m_sellWindow.get());
    InfoManager::instance()->showOverlay(SELL_DEPTH);
    Log::debug("InvestmentGui::openSellWindow") << "asking to sell " << name;
}

void InvestmentGui::showSliderValue() {
    Investment* holding = holdingOf(m_selling);
    if (!m_slider || !m_sellText || !holding) {
        return;
    }
    const int value = m_slider->getValue();
    if (value == m_shownValue) {
        return;
    }
    m_shownValue = value;
    for (const std::string& old : m_liveTexts) {
        m_sellText->removeText(old);
    }
    m_liveTexts = {std::to_string(value) + " st",
                   kronor(static_cast<double>(value) * holding->getPrice())};
    m_sellText->addText(m_liveTexts[0], FONT, WHITE, SLIDER_VALUE_AT);
    m_sellText->addText(m_liveTexts[1], FONT, ACCENT, PRICE_AT);
}

void InvestmentGui::closeSellWindow() {
    if (!m_sellWindow) {
        return;
    }
    FiscoraCursor::releaseFocus(m_sellWindow.get());
    m_sellWindow.reset();
    m_slider = nullptr;
    m_sellText = nullptr;
    m_liveTexts.clear();
    if (m_window) {
        InteractionalObject::getCursor()->setFocusObject(m_window.get());
        InfoManager::instance()->showOverlay(WINDOW_DEPTH);
    }
}

void InvestmentGui::confirmSale() {
    const int shares = m_slider ? m_slider->getValue() : 0;
    const Row row = m_selling;
    closeSellWindow();
    // Nothing chosen sells nothing; the model would take it as "sell all".
    if (shares > 0) {
        Portfolio* portfolio = Portfolio::instance();
        const float proceeds =
            row.fund ? portfolio->sellFund(row.id, shares) : portfolio->sellStock(row.id, shares);
        portfolio->changeCash(static_cast<int64_t>(proceeds),
                              row.fund ? "funds sold" : "shares sold");
        Statistics::instance()->add(StatisticType::TOTAL_STOCK_PROFIT,
                                    portfolio->getLastSaleProfit());
    }
    open();
}
