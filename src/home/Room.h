#pragma once

#include <list>
#include <string>

#include "core/Logic.h"
#include "core/Singleton.h"
#include "core/Sprite.h"
#include "home/IsometricGrid.h"

class FurnitureBase;
class GuiButton;

// The player's flat: the background, the door, the notice board, the floor's
// grid and the furniture bought so far, which the room owns. Other parts of
// the game add, remove, value and take furniture through it.
class Room : public Logic, public Singleton<Room> {
    friend class Singleton<Room>;

public:
    // Replaces the whole room with the "rooms.xml" room of that id.
    void create(const std::string& id);
    void create(int id);
    // Releases everything; the room is empty afterwards.
    void dealloc();

    // A bought or given piece, waiting at the back of the floor to be placed.
    FurnitureBase* addFurniture(int id);
    void removeFurniture(FurnitureBase* furniture);
    // Removed on a later update, so that a piece never goes inside its own
    // button handler.
    void queueFurnitureRemoval(FurnitureBase* furniture);
    // Takes a random piece and returns half its value; 0 for an empty room.
    int removeRandomFurniture();
    int getFurnitureValue() const;
    // The door and Play stay shut while this is true.
    bool isAnyFurnitureBlocked() const;
    void selectFurniture(FurnitureBase* furniture);

    void setVisible(bool visible);
    void setFurnitureActive(bool active);

    void update(float dt) override;

    const std::list<FurnitureBase*>& getFurniture() const { return m_furniture; }
    FurnitureBase* getSelected() const { return m_selected; }
    IsometricGrid* getGrid() { return &m_grid; }
    Sprite* getBackground() { return &m_background; }
    GuiButton* getDoor() const { return m_door; }
    GuiButton* getNoticeBoard() const { return m_noticeBoard; }

private:
    Room();
    ~Room() override;

    static void doorAction();
    static void noticeBoardAction();

    std::list<FurnitureBase*> m_furniture;
    std::list<FurnitureBase*> m_removals;
    Sprite m_background;
    IsometricGrid m_grid;
    GuiButton* m_door = nullptr;
    GuiButton* m_noticeBoard = nullptr;
    FurnitureBase* m_selected = nullptr;
};
