#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/hgevector.h"

class GuiBase;
class GuiButton;
class GuiSlider;
class GuiTextBox;
class GuiWindow;
class ShopKeeper;
class ShopObject;
class Sprite;
class TiXmlElement;
class XmlReader;

// One visit to a store or the bank, as "shop.xml" describes the shop: the
// window with its category buttons, the pages of goods, the keeper behind
// the counter, the bank's savings page and the way back to town.
class ShopGui {
public:
    struct Category {
        std::string name;
        std::string title;  // the heading over the goods
        std::vector<std::unique_ptr<ShopObject>> goods;
        // How many of the goods have a cell inside the window.
        std::size_t placed = 0;
        bool savings = false;
        bool shown = false;
    };

    ShopGui(const std::string& name, const std::string& file);
    ~ShopGui();
    ShopGui(const ShopGui&) = delete;
    ShopGui& operator=(const ShopGui&) = delete;

    // Category buttons, item selection and the savings withdrawal.
    void update(float dt);
    void setVisible(bool visible);

    // The top-left corners of the cells of `count` goods in a window at `at`
    // of `size`, row by row; only the cells that fit inside it.
    static std::vector<hgeVector> cellPositions(const hgeVector& at, const hgeVector& size,
                                                std::size_t count);

    const std::string& getName() const { return m_name; }
    const std::vector<std::unique_ptr<Category>>& getCategories() const { return m_categories; }
    Category* getCurrent() const { return m_current; }
    GuiWindow* getWindow() const { return m_window.get(); }
    GuiButton* getExitButton() const { return m_exitButton.get(); }
    ShopKeeper* getKeeper() const { return m_keeper.get(); }
    Sprite* getBackground() const { return m_background.get(); }
    GuiTextBox* getSavingsText() const { return m_savingsText; }
    GuiSlider* getSavingsSlider() const { return m_savingsSlider; }
    GuiButton* getWithdrawButton() const { return m_withdrawButton; }
    // The shown item of that display name (Windows-1252), or null.
    ShopObject* findItem(const std::string& name) const;

    static const float SPACING;

private:
    void create();
    void buildStore(TiXmlElement* shop);
    void buildBank(TiXmlElement* shop);
    void layOut(Category& category);
    void show(Category* category);
    void showHeading();
    Category* categoryOfButton(const std::string& button) const;
    void pressButton(GuiBase* button);
    void buildSavings();
    void deleteSavings();
    void withdraw();
    void installClickon();

    std::vector<std::unique_ptr<Category>> m_categories;
    std::unique_ptr<GuiWindow> m_window;
    std::unique_ptr<GuiButton> m_exitButton;
    std::unique_ptr<XmlReader> m_reader;
    std::string m_name;
    std::unique_ptr<ShopKeeper> m_keeper;
    std::unique_ptr<Sprite> m_background;
    Category* m_current = nullptr;
    hgeVector m_windowAt{0, 0};
    hgeVector m_windowSize{0, 0};
    bool m_bank = false;

    GuiTextBox* m_heading = nullptr;
    std::string m_headingText;
    GuiTextBox* m_savingsText = nullptr;
    GuiSlider* m_savingsSlider = nullptr;
    GuiButton* m_withdrawButton = nullptr;
    std::vector<std::unique_ptr<Sprite>> m_savingsLines;
    std::string m_sliderText;
    int m_shownValue = -1;
};
