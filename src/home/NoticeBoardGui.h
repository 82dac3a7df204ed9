#pragma once

#include <map>
#include <memory>
#include <vector>

#include "core/Logic.h"
#include "core/Singleton.h"

class GuiBase;
class GuiButton;
class GuiWindow;
class NoticeboardHelp;
class Sprite;

// The notice board in the flat: a modal window with a help page, whose
// buttons replay the tutorials, and a board of the achievement icons.
class NoticeBoardGui : public Logic, public Singleton<NoticeBoardGui> {
    friend class Singleton<NoticeBoardGui>;

public:
    // The nine achievement icons, earned or not.
    class AchievementBoard {
    public:
        struct Record {
            int index = 0;
            std::unique_ptr<Sprite> earned;
            std::unique_ptr<Sprite> unearned;
            bool isEarned = false;
        };

        void show(bool shown);
        bool isShown() const { return m_shown; }
        // False when the board holds no record for `index`.
        bool markEarned(int index);
        const std::map<int, Record>& getRecords() const { return m_records; }
        std::map<int, Record>& records() { return m_records; }

    private:
        std::map<int, Record> m_records;
        bool m_shown = false;
    };

    // Builds the window, its pages and the board from gui.xml's
    // "noticeBoard" record.
    void create();
    // Opens (true) or closes (false) the board; built on first use.
    void setActive(bool active) override;
    void update(float dt) override;

    GuiWindow* getWindow() const { return m_window.get(); }
    AchievementBoard* getBoard() { return &m_board; }
    NoticeboardHelp* getHelp() const { return m_help.get(); }
    bool isEntering() const { return m_entering; }

private:
    NoticeBoardGui();
    ~NoticeBoardGui() override;

    // Shows or hides the window with the pointer capture and the overlay.
    void showWindow(bool open);
    // The help page (true) or the achievement board (false).
    void showPage(bool help);
    // "Locked" above the board, which it would otherwise hide behind.
    void showLocked();
    // Takes the pointer back when a window opened over the board has closed.
    void reclaimPointer();

    std::vector<GuiButton*> m_pageButtons;
    std::unique_ptr<GuiWindow> m_window;
    GuiButton* m_exitButton = nullptr;
    AchievementBoard m_board;
    std::unique_ptr<NoticeboardHelp> m_help;
    bool m_entering = true;
    float m_time = 0.0f;
    // The board page's line of help, shown with the board.
    GuiBase* m_boardText = nullptr;
};
