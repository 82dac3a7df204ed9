#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Logic.h"
#include "core/Sprite.h"
#include "engine/hgevector.h"
#include "gui/InteractionalObject.h"

class FurnitureGui;
class IsometricGrid;
class Room;
class TiXmlElement;
class hgeSprite;

// One piece of furniture in the flat. It is drawn from one of four
// directions, stands on a rectangle of the room's dots, is lifted and dragged
// with the mouse, snaps to the nearest dot and turns red where it may not
// stay. While the pointer is on it, it shows its rotate and sell buttons.
class FurnitureBase : public Sprite, public InteractionalObject, public Logic {
public:
    FurnitureBase(IsometricGrid* grid, int id);
    ~FurnitureBase() override;

    // One step round: 0, 2, 4, 6, 0.
    void rotate();
    void setDirection(int direction);
    // Whether any dot under the footprint is missing or taken.
    bool checkIfBlocked();
    // Snaps to the dot nearest the screen point, unless the footprint would
    // leave the floor there.
    void moveTo(const hgeVector& screen);
    void setSize(int width, int depth);

    void press() override;
    void release() override;
    void enter() override;
    void leave() override;
    void getBoundingBox(hgeRect& rect) override;
    float getDepth() override { return m_z; }
    void setDepth(float depth) override { m_z = depth; }
    using Renderable::setDepth;
    void setActive(bool active, bool recursive) override {
        InteractionalObject::setActive(active, recursive);
    }
    using Logic::setActive;

    void update(float dt) override;
    void setVisible(bool visible) override;

    // Put down where it is, as a release does.
    void drop();

    int getId() const { return m_id; }
    const std::string& getName() const { return m_name; }
    TiXmlElement* getElement() const { return m_element; }
    bool isHeld() const { return m_held; }
    bool isBlocked() const { return m_blocked; }
    bool holdsDots() const { return m_holdsDots; }
    const hgeVector& getGridPosition() const { return m_gridPosition; }
    int getDirection() const { return m_direction; }
    int getWidth() const { return m_width; }
    int getFootprintDepth() const { return m_depth; }
    const std::vector<hgeVector>& getMask() const { return m_mask; }
    FurnitureGui* getButtons() const { return m_buttons.get(); }
    Room* getRoom() const { return m_room; }
    void setRoom(Room* room) { m_room = room; }
    IsometricGrid* getGrid() const { return m_grid; }
    // Where the piece is on the screen now.
    hgeVector getViewPosition() const;

    static constexpr unsigned int BLOCKED_COLOR = 0xFFFF0000u;
    static constexpr unsigned int HELD_COLOR = 0xFF3366FFu;
    static constexpr unsigned int NORMAL_COLOR = 0xFFFFFFFFu;

    // The autopilot's "clickon": a piece by its display name, else a widget.
    static bool resolveClickon(const std::string& name, float& x, float& y);

private:
    void applyTint();
    void takeFootprint(bool take);
    void updateDepth();
    void releasePointer();

    IsometricGrid* m_grid;
    bool m_held = false;
    std::vector<hgeVector> m_mask;
    TiXmlElement* m_element = nullptr;
    bool m_blocked = false;
    hgeVector m_gridPosition{0, 0};
    std::map<int, std::unique_ptr<hgeSprite>> m_sprites;
    int m_direction = 4;
    int m_depth = 0;
    int m_width = 0;
    std::unique_ptr<FurnitureGui> m_buttons;
    Room* m_room = nullptr;
    int m_id;
    std::string m_name;
    bool m_hasFocus = false;
    // Whether the dots under the footprint are this piece's.
    bool m_holdsDots = false;
};
