#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Logic.h"
#include "engine/hgevector.h"

class GuiButton;
class GuiSlider;
class GuiTextBox;
class GuiWindow;
class ShopObject;
class Sprite;
class TiXmlElement;
class XmlReader;

// The person behind the counter: tells about the chosen item, sells it, and
// for stocks and funds asks how many shares the player wants.
class ShopKeeper : public Logic {
public:
    // `element` is the shop's "shopKeeper" record (null: defaults only).
    explicit ShopKeeper(TiXmlElement* element);
    ~ShopKeeper() override;

    void showItem(ShopObject* item);
    // The welcome text; nothing is chosen and there is nothing to buy.
    void clear();
    // Buying: the buy button, the answer to "buy confirm", the share window.
    void update(float dt) override;
    void setVisible(bool visible);

    // How many shares of price `price` the cash pays for (at most `maxBuy`
    // when that is above 0), and what `shares` of them cost in whole kronor.
    static int affordableShares(int64_t cash, float price, int maxBuy);
    static int64_t sharesCost(int shares, float price);

    const std::string& getName() const { return m_name; }
    ShopObject* getSelected() const { return m_selected; }
    GuiButton* getBuyButton() const { return m_buyButton.get(); }
    GuiTextBox* getInfoText() const { return m_infoText; }
    GuiWindow* getInvestWindow() const { return m_investWindow.get(); }
    GuiSlider* getInvestSlider() const { return m_investSlider; }
    int64_t getInvestCost() const { return m_investCost; }
    Sprite* getSprite() const { return m_sprite.get(); }

private:
    void buy();
    void buyFurniture();
    void openInvestWindow();
    void updateInvestWindow();
    void confirmInvestment();
    void closeInvestWindow();
    void clearText();
    float marketPrice() const;

    std::string m_name;
    ShopObject* m_selected = nullptr;
    std::unique_ptr<Sprite> m_sprite;
    std::unique_ptr<GuiWindow> m_infoWindow;
    GuiTextBox* m_infoText = nullptr;
    std::unique_ptr<GuiWindow> m_logo;
    std::unique_ptr<GuiButton> m_buyButton;
    std::string m_costLabel = "Kostnad: ";
    std::string m_costSuffix = ":-";

    std::unique_ptr<XmlReader> m_guiReader;
    std::unique_ptr<GuiWindow> m_investWindow;
    GuiSlider* m_investSlider = nullptr;
    GuiTextBox* m_investText = nullptr;
    std::vector<std::string> m_investLive;
    float m_pricePerShare = 0.0f;
    int64_t m_investCost = 0;
    int m_shownShares = -1;
};
