#include "home/ShopGui.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>
#include <list>

#include "core/Camera.h"
#include "core/Log.h"
#include "core/Money.h"
#include "core/StateMachine.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/TownState.h"
#include "engine/Autopilot.h"
#include "engine/hgerect.h"
#include "gui/GuiButton.h"
#include "gui/GuiController.h"
#include "gui/GuiSlider.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/FurnitureBase.h"
#include "home/FurnitureData.h"
#include "home/InvestmentCalculator.h"
#include "home/Portfolio.h"
#include "home/ShopKeeper.h"
#include "home/ShopObject.h"
#include "resource/Encoding.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/FiscoraFlags.h"
#include "sim/InfoManager.h"

const float ShopGui::SPACING = 20.0f;

namespace {

const char* const FONT = "font_tessaline_19.fnt";
const char* const BIG_FONT = "font_tessaline_28.fnt";
const unsigned int WHITE = 0xFFFFFFFFu;
const unsigned int ACCENT = 0xFFF6D67Au;
const unsigned int QUIET = 0xFFC8D2DCu;

const float WINDOW_DEPTH = 0.1f;
const float BUTTON_DEPTH = 0.9f;
const float LINE_DEPTH = 0.2f;
const hgeVector EXIT_AT(727, 20);
const hgeVector EXIT_SIZE(53, 53);
const hgeVector WITHDRAW_AT(240, 132);
const hgeVector WITHDRAW_SIZE(119, 51);
const hgeVector LINE_SIZE(390, 5);
const std::size_t HISTORY_LINES = 4;

// The one shop open now, for the autopilot's "clickon".
ShopGui* s_open = nullptr;
ClickonResolver s_before;

void backToTown() {
    StateMachine::instance()->changeState(GameState::TownState::instance());
}

bool resolveItem(const std::string& name, float& x, float& y) {
    ShopObject* item = s_open ? s_open->findItem(text::toWindows1252(name)) : nullptr;
    if (!item) {
        return s_before ? s_before(name, x, y) : false;
    }
    hgeRect box;
    item->getBoundingBox(box);
    const hgeVector screen = Camera::instance()->worldToScreen(
        hgeVector((box.x1 + box.x2) * 0.5f, (box.y1 + box.y2) * 0.5f));
    x = screen.x;
    y = screen.y;
    return true;
}

}  // namespace

ShopGui::ShopGui(const std::string& name, const std::string& file) : m_name(name) {
    m_reader = std::make_unique<XmlReader>(file);
    create();
    installClickon();
}

ShopGui::~ShopGui() {
    if (s_open == this) {
        s_open = nullptr;
        hgeSetClickonResolver(s_before);
        s_before = nullptr;
    }
    deleteSavings();
    m_keeper.reset();
    m_heading = nullptr;
    m_window.reset();
    m_exitButton.reset();
    m_background.reset();
    m_reader.reset();
    m_categories.clear();
}

void ShopGui::installClickon() {
    using Plain = bool (*)(const std::string&, float&, float&);
    const ClickonResolver& current = engine::clickonResolver();
    const Plain* plain = current.target<Plain>();
    if (plain && *plain == &resolveItem) {
        s_open = this;
        return;
    }
    // A piece bought here puts the furniture's own lookup in place; the
    // shop's items come first, then whatever was there.
    s_before = current;
    s_open = this;
    hgeSetClickonResolver(&resolveItem);
}

void ShopGui::create() {
    const char* context = "ShopGui::create";
    Log::debug(context) << "creating shop gui";

    m_exitButton = std::make_unique<GuiButton>("Exit button", "gui_exit_button.png", EXIT_AT,
                                               EXIT_SIZE, nullptr);
    m_exitButton->setDepth(BUTTON_DEPTH);
    m_exitButton->setCallback(&backToTown);

    TiXmlElement* shop = m_reader->getRootElement()
                             ? m_reader->getRootChildElement("shop", "guiId", m_name)
                             : nullptr;
    if (!shop) {
        Log::error(context) << "there seems to be something wrong with the xml";
        return;
    }
    TiXmlElement* gui = shop->FirstChildElement("gui");
    if (gui) {
        m_windowAt = xml::getElementVector(gui, "position");
        m_windowSize = xml::getElementVector(gui, "size");
        m_window = std::make_unique<GuiWindow>(gui, true, nullptr);
        m_window->setDepth(WINDOW_DEPTH);
        for (GuiBase* child : m_window->getController()->getChildren()) {
            if (dynamic_cast<GuiButton*>(child)) {
                child->setDepth(BUTTON_DEPTH);
            }
        }
        m_heading = m_window->getController()->addTextBox("Shop Heading", hgeVector(12, 10),
                                                          hgeVector(m_windowSize.x - 24, 70));
        m_heading->setDepth(WINDOW_DEPTH + 0.01f);
    } else {
        Log::error(context) << "shop " << m_name << " has no gui element";
    }

    TiXmlElement* keeper = shop->FirstChildElement("shopKeeper");
    m_keeper = std::make_unique<ShopKeeper>(keeper);
    const std::string bg = keeper ? xml::getAttributeString(keeper, "bg") : "";
    if (!bg.empty()) {
        m_background = std::make_unique<Sprite>(bg, hgeVector(802, 602));
        m_background->setMovesWithCam(true);
        m_background->setHotSpot(0, 0);
        m_background->setPosition(hgeVector(-1, -1));
        m_background->setZ(0.0f);
    }

    m_bank = m_name == "Bank";
    if (m_bank) {
        buildBank(shop);
    } else {
        buildStore(shop);
    }
    Category* first = nullptr;
    for (const auto& category : m_categories) {
        if (!first && category->shown) {
            first = category.get();
        }
        category->shown = false;
    }
    // Without a marked category the first one opens.
    if (!first && !m_categories.empty()) {
        first = m_categories.front().get();
    }
    show(first);
}

void ShopGui::buildStore(TiXmlElement* shop) {
    FurnitureData::createStaticData();
    for (TiXmlElement* element = shop->FirstChildElement("category"); element;
         element = element->NextSiblingElement("category")) {
        auto category = std::make_unique<Category>();
        category->name = xml::getAttributeString(element, "name");
        category->title = xml::getAttributeString(element, "title", false);
        category->shown = xml::getAttributeString(element, "current", false) == "yes";
        for (TiXmlElement* type = element->FirstChildElement("type"); type;
             type = type->NextSiblingElement("type")) {
            const std::string kind = type->GetText() ? type->GetText() : "";
            const FiscoraFlags::_enum flag = FiscoraFlags::fromString(kind);
            if (flag == FiscoraFlags::UNDEFINED) {
                Log::warning("ShopGui::buildStore") << "unknown furniture type: " << kind;
                continue;
            }
            std::list<TiXmlElement*> pieces;
            FurnitureData::getFurnituresOfType(flag, pieces);
            for (TiXmlElement* piece : pieces) {
                const int id = xml::getAttributeInt(piece, "id");
                category->goods.push_back(std::make_unique<ShopObject>(
                    ShopObject::Kind::FURNITURE, id, FurnitureData::getName(piece, id),
                    FurnitureData::getDescription(piece, id), FurnitureData::getValue(piece),
                    FurnitureData::getPreviewTexture(piece)));
            }
        }
        layOut(*category);
        m_categories.push_back(std::move(category));
    }
}

void ShopGui::buildBank(TiXmlElement* shop) {
    InvestmentCalculator* model = InvestmentCalculator::instance();
    model->setUp();
    // A beginner sees the savings account only; the rest opens by level.
    const int open = std::max(1, DifficultyLevel::value());
    int read = 0;
    for (TiXmlElement* element = shop->FirstChildElement("category"); element && read < open;
         element = element->NextSiblingElement("category"), ++read) {
        auto category = std::make_unique<Category>();
        category->name = xml::getAttributeString(element, "name");
        category->title = xml::getAttributeString(element, "title", false);
        category->shown = xml::getAttributeString(element, "current", false) == "yes";
        category->savings = category->name == "Savings";
        const bool funds = category->name == "Funds";
        for (TiXmlElement* type = element->FirstChildElement("type"); type;
             type = type->NextSiblingElement("type")) {
            const int id = std::atoi(type->GetText() ? type->GetText() : "");
            const InvestmentCalculator::Record* record =
                funds ? model->findFundRecord(id) : model->findStockRecord(id);
            if (!record) {
                Log::warning("ShopGui::buildBank") << "unknown investment id: " << id;
                continue;
            }
            const std::string picture =
                (funds ? "shop_fund" : "shop_share") + std::to_string(id) + ".png";
            category->goods.push_back(std::make_unique<ShopObject>(
                funds ? ShopObject::Kind::FUND : ShopObject::Kind::STOCK, id, record->name,
                record->description, 0.0f, picture));
        }
        layOut(*category);
        m_categories.push_back(std::move(category));
    }
}

std::vector<hgeVector> ShopGui::cellPositions(const hgeVector& at, const hgeVector& size,
                                              std::size_t count) {
    std::vector<hgeVector> cells;
    const float step = ShopObject::SIZE + SPACING;
    hgeVector cell(at.x, at.y + ShopObject::SIZE);
    for (std::size_t i = 0; i < count; ++i) {
        if (cell.x + ShopObject::SIZE > at.x + size.x) {
            cell = hgeVector(at.x, cell.y + step);
        }
        if (cell.y + ShopObject::SIZE > at.y + size.y || ShopObject::SIZE > size.x) {
            break;
        }
        cells.push_back(cell);
        cell.x += step;
    }
    return cells;
}

void ShopGui::layOut(Category& category) {
    const std::vector<hgeVector> cells =
        cellPositions(m_windowAt, m_windowSize, category.goods.size());
    category.placed = cells.size();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        category.goods[i]->place(cells[i]);
    }
}

void ShopGui::show(Category* category) {
    if (m_current) {
        for (std::size_t i = 0; i < m_current->goods.size(); ++i) {
            m_current->goods[i]->setVisible(false);
        }
        m_current->shown = false;
        if (m_current->savings) {
            deleteSavings();
        }
    }
    m_current = category;
    if (!category) {
        showHeading();
        return;
    }
    Log::debug("ShopGui::show") << "category " << category->name;
    category->shown = true;
    for (std::size_t i = 0; i < category->placed; ++i) {
        category->goods[i]->setVisible(true);
    }
    if (category->savings) {
        buildSavings();
    }
    showHeading();
}

void ShopGui::showHeading() {
    if (!m_heading) {
        return;
    }
    if (!m_headingText.empty()) {
        m_heading->removeText(m_headingText);
    }
    m_headingText.clear();
    if (!m_current || m_current->savings) {
        return;
    }
    // The category's title stands in the band above its goods.
    m_headingText = m_current->title;
    if (!m_headingText.empty()) {
        m_heading->addText(m_headingText, BIG_FONT, WHITE, hgeVector(0, 6));
    }
}

ShopGui::Category* ShopGui::categoryOfButton(const std::string& button) const {
    if (m_bank && button.rfind("bcat", 0) == 0) {
        const std::size_t index = static_cast<std::size_t>(std::atoi(button.c_str() + 4));
        return index >= 1 && index <= m_categories.size() ? m_categories[index - 1].get() : nullptr;
    }
    for (const auto& category : m_categories) {
        if (category->name == button) {
            return category.get();
        }
    }
    return nullptr;
}

void ShopGui::pressButton(GuiBase* button) {
    const std::string& name = button->getName();
    InfoManager* info = InfoManager::instance();
    if (name == "kategorier0") {
        info->show("kategorier0", InfoManager::MESSAGE, hgeVector(150, 70));
        return;
    }
    const int level = DifficultyLevel::value();
    if ((name == "bcat2" && level < 2) || (name == "bcat3" && level < 3)) {
        info->show("Locked", InfoManager::MESSAGE, hgeVector(150, 70));
        return;
    }
    if (name == "bcat1") {
        m_keeper->clear();
    }
    Category* category = categoryOfButton(name);
    if (category && category != m_current) {
        show(category);
    }
}

void ShopGui::update(float) {
    if (m_window) {
        for (GuiBase* child : m_window->getController()->getChildren()) {
            if (dynamic_cast<GuiButton*>(child) && child != m_withdrawButton &&
                child->isClicked()) {
                pressButton(child);
                return;
            }
        }
    }
    if (m_current) {
        for (std::size_t i = 0; i < m_current->placed; ++i) {
            ShopObject* item = m_current->goods[i].get();
            if (item->isVisible() && item->isClicked()) {
                m_keeper->showItem(item);
                break;
            }
        }
    }
    if (m_withdrawButton && m_withdrawButton->isClicked()) {
        withdraw();
    } else if (m_savingsSlider && m_savingsText && m_savingsSlider->getValue() != m_shownValue) {
        m_shownValue = m_savingsSlider->getValue();
        if (!m_sliderText.empty()) {
            m_savingsText->removeText(m_sliderText);
        }
        m_sliderText = money::kr(m_shownValue);
        m_savingsText->addText(m_sliderText, FONT, ACCENT, hgeVector(180, 150));
    }
    // A purchase made a piece, and a piece takes the autopilot's lookup.
    installClickon();
}

void ShopGui::setVisible(bool visible) {
    if (m_window) {
        m_window->setVisible(visible);
    }
    if (m_exitButton) {
        m_exitButton->setVisible(visible);
    }
    if (m_current) {
        for (std::size_t i = 0; i < m_current->placed; ++i) {
            m_current->goods[i]->setVisible(visible);
        }
    }
    for (const auto& line : m_savingsLines) {
        line->setVisible(visible);
    }
}

ShopObject* ShopGui::findItem(const std::string& name) const {
    if (!m_current) {
        return nullptr;
    }
    for (std::size_t i = 0; i < m_current->placed; ++i) {
        ShopObject* item = m_current->goods[i].get();
        if (item->getName() == name && item->isVisible() && item->isInteractive()) {
            return item;
        }
    }
    return nullptr;
}

void ShopGui::buildSavings() {
    if (!m_window) {
        return;
    }
    deleteSavings();
    const InvestmentCalculator* model = InvestmentCalculator::instance();
    const float balance = model->getBalance();
    GuiController* children = m_window->getController();
    m_savingsText = children->addTextBox("Savings Textbox", hgeVector(0, 0), m_windowSize);
    std::string hint =
        W1252(u8"Pengar sätter du in på sparkontot i budgeten. Här kan du ta ut dem.");
    m_savingsText->wrapText(hint, FONT);
    m_savingsText->addText(hint, FONT, QUIET, hgeVector(10, 14));
    m_savingsText->addText("Sparkonto:", FONT, WHITE, hgeVector(10, 80));
    // A little right of where the label ends, so the two never touch.
    m_savingsText->addText(money::kr(static_cast<int64_t>(balance)), FONT, ACCENT,
                           hgeVector(125, 80));
    m_savingsText->addText("Uttag", FONT, WHITE, hgeVector(10, 130));
    m_savingsText->addText("Kontohistorik:", FONT, WHITE, hgeVector(10, 270));
    const auto& history = model->getHistory();
    if (history.empty()) {
        m_savingsText->addText("Du har ingen kontohistorik", FONT, QUIET, hgeVector(10, 300));
    }
    std::size_t line = 0;
    for (auto entry = history.rbegin(); entry != history.rend() && line < HISTORY_LINES;
         ++entry, ++line) {
        m_savingsText->addText(entry->sign + money::kr(static_cast<int64_t>(entry->amount)), FONT,
                               entry->sign == "- " ? QUIET : WHITE,
                               hgeVector(10, 300 + 30.0f * static_cast<float>(line)));
    }
    m_savingsSlider =
        children->addSlider(hgeVector(10, 160), hgeVector(150, 5), static_cast<int>(balance));
    m_savingsSlider->setName("Deposit Slider");
    m_withdrawButton =
        children->addButton("Ta ut", "gui_taut_button.png", WITHDRAW_AT, WITHDRAW_SIZE);
    m_window->setDepth(WINDOW_DEPTH);
    for (GuiBase* child : children->getChildren()) {
        if (dynamic_cast<GuiButton*>(child)) {
            child->setDepth(BUTTON_DEPTH);
        }
    }
    for (float y : {110.0f, 250.0f}) {
        auto sprite = std::make_unique<Sprite>("sprite_line.png", LINE_SIZE);
        sprite->setMovesWithCam(true);
        sprite->setHotSpot(0, 0);
        sprite->setPosition(m_windowAt + hgeVector(5, y));
        sprite->setZ(LINE_DEPTH);
        m_savingsLines.push_back(std::move(sprite));
    }
    m_shownValue = -1;
    m_sliderText.clear();
}

void ShopGui::deleteSavings() {
    delete m_savingsText;
    delete m_savingsSlider;
    delete m_withdrawButton;
    m_savingsText = nullptr;
    m_savingsSlider = nullptr;
    m_withdrawButton = nullptr;
    m_savingsLines.clear();
    m_sliderText.clear();
}

void ShopGui::withdraw() {
    InvestmentCalculator* model = InvestmentCalculator::instance();
    InfoManager* info = InfoManager::instance();
    const int value = m_savingsSlider ? m_savingsSlider->getValue() : 0;
    if (model->getBalance() == 0.0f) {
        info->show("no_savings1", InfoManager::MESSAGE, hgeVector(150, 70));
    } else if (value != 0) {
        model->withdraw(static_cast<float>(value));
        Portfolio::instance()->changeCash(value, "savings withdrawn");
        Log::debug("ShopGui::withdraw") << "withdrew " << value;
        buildSavings();
    } else {
        info->show("no_savings2", InfoManager::MESSAGE, hgeVector(150, 70));
    }
}
