#pragma once

#include <list>

class FurnitureBase;
class GuiButtonFading;
class GuiTextBox;
class GuiWindow;

// The rotate and sell buttons above one piece of furniture, and the window
// that asks before the piece is sold. Made when the pointer first comes onto
// the piece; between visits the buttons are faded out.
class FurnitureGui {
public:
    explicit FurnitureGui(FurnitureBase* piece);
    ~FurnitureGui();
    FurnitureGui(const FurnitureGui&) = delete;
    FurnitureGui& operator=(const FurnitureGui&) = delete;

    // Builds both buttons from gui.xml's "furnituregui" record.
    void create();
    // Lays the buttons out above the piece and answers their presses; false
    // would ask the piece to delete this.
    bool update();
    // Shown again; false starts the fade. Either way the sell window closes.
    void setVisible(bool visible);
    void hideButtons();
    // The pointer came back onto the piece.
    void show();
    // The pointer left the piece.
    void fade();
    void closeSellWindow();

    bool hasButtons() const { return m_rotateButton && m_sellButton; }
    GuiButtonFading* getRotateButton() const { return m_rotateButton; }
    GuiButtonFading* getSellButton() const { return m_sellButton; }
    GuiWindow* getSellWindow() const { return m_sellWindow; }

    // What the player gets for the piece, in whole kronor.
    static int sellPrice(const FurnitureBase* piece);
    // Where a sale pays the player. The cash holder does not exist yet, so
    // the amount is only logged for now.
    static void payPlayer(int amount, const FurnitureBase* piece);

private:
    void openSellWindow();
    void confirmSale();
    void denySale();

    GuiWindow* m_sellWindow = nullptr;
    GuiButtonFading* m_sellButton = nullptr;
    GuiButtonFading* m_rotateButton = nullptr;
    FurnitureBase* m_piece;
    std::list<GuiTextBox*> m_textBoxes;
};
