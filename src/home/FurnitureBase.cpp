#include "home/FurnitureBase.h"

#include <algorithm>
#include <cmath>

#include "core/Camera.h"
#include "core/Log.h"
#include "core/states/RoomState.h"
#include "engine/Autopilot.h"
#include "engine/hge.h"
#include "engine/hgerect.h"
#include "engine/hgesprite.h"
#include "gui/Clickon.h"
#include "gui/FiscoraCursor.h"
#include "home/Dot.h"
#include "home/FurnitureData.h"
#include "home/FurnitureGui.h"
#include "home/IsometricGrid.h"
#include "home/Room.h"
#include "resource/ConstantManager.h"
#include "resource/Encoding.h"
#include "resource/TextureLoader.h"

namespace {

// Where a bought piece waits until the player puts it down.
const hgeVector START_POSITION(5, 15);

// Every piece alive, for the autopilot's clickon.
std::vector<FurnitureBase*>& livePieces() {
    static std::vector<FurnitureBase*> pieces;
    return pieces;
}

bool turnsAxis(int from, int to) {
    const bool fromFront = from == 0 || from == 4;
    const bool toFront = to == 0 || to == 4;
    return fromFront != toFront;
}

}  // namespace

FurnitureBase::FurnitureBase(IsometricGrid* grid, int id) : m_grid(grid), m_id(id) {
    const char* context = "FurnitureBase::FurnitureBase";
    Log::debug(context) << "creating furniture with id " << id;
    setSize(0, 0);
    // The grid is laid out in screen pixels, so the piece is too.
    setMovesWithCam(true);
    livePieces().push_back(this);
    // The pointer installs the plain widget lookup when it is made; a piece
    // extends it so that the autopilot finds furniture by name too.
    hgeSetClickonResolver(&FurnitureBase::resolveClickon);

    m_element = FurnitureData::loadInfo(id);
    if (!m_element) {
        Log::error(context) << "furniture not defined in xml";
    } else {
        m_name = FurnitureData::getName(m_element, id);
        TextureLoader loader;
        const HTEXTURE texture = loader.loadTexture(FurnitureData::getTexture(m_element));
        if (!texture) {
            Log::error(context) << "no texture";
        } else {
            const hgeVector view = FurnitureData::getViewSize(m_element);
            const hgeVector nail = FurnitureData::getFirstNail(m_element);
            auto front = std::make_unique<hgeSprite>(texture, 0.0f, 0.0f, view.x, view.y);
            front->SetHotSpot(nail.x, nail.y);
            auto frontMirrored = std::make_unique<hgeSprite>(*front);
            frontMirrored->SetFlip(true, false, false);
            auto back = std::make_unique<hgeSprite>(texture, view.x, 0.0f, view.x, view.y);
            auto backMirrored = std::make_unique<hgeSprite>(*back);
            backMirrored->SetFlip(true, false, false);
            m_sprites[4] = std::move(front);
            m_sprites[6] = std::move(frontMirrored);
            m_sprites[2] = std::move(back);
            m_sprites[0] = std::move(backMirrored);

            setDirection(4);
            m_blocked = false;
            m_held = false;
            applyTint();
            if (!m_blocked) {
                takeFootprint(true);
            }
        }
        setSize(FurnitureData::getWidth(m_element), FurnitureData::getDepth(m_element));
    }
    // The dot the piece took while it was made stays behind at (0, 0).
    m_holdsDots = false;
    m_gridPosition = START_POSITION;
    m_position = m_grid ? m_grid->gridToScreen(m_gridPosition, true) : hgeVector(0, 0);
    updateDepth();
}

FurnitureBase::~FurnitureBase() {
    takeFootprint(false);
    releasePointer();
    m_buttons.reset();
    auto& pieces = livePieces();
    pieces.erase(std::remove(pieces.begin(), pieces.end(), this), pieces.end());
}

void FurnitureBase::rotate() {
    switch (m_direction) {
        case 0:
            setDirection(2);
            break;
        case 2:
            setDirection(4);
            break;
        case 4:
            setDirection(6);
            break;
        case 6:
            setDirection(0);
            break;
        default:
            Log::warning("FurnitureBase::rotate") << "has unhandled direction";
            setDirection(4);
            break;
    }
}

void FurnitureBase::setDirection(int direction) {
    auto found = m_sprites.find(direction);
    if (found == m_sprites.end()) {
        Log::warning("FurnitureBase::setDirection") << "unhandled direction " << direction;
        return;
    }
    if (m_blocked) {
        return;
    }
    takeFootprint(false);
    if (turnsAxis(m_direction, direction)) {
        setSize(m_depth, m_width);
    }
    setSprite(found->second.get());
    m_direction = direction;
    checkIfBlocked();
    if (direction == 0 || direction == 4) {
        const hgeVector nail = FurnitureData::getFirstNail(m_element);
        setHotSpot(nail.x, nail.y);
    } else {
        const hgeVector nail = FurnitureData::getSecondNail(m_element);
        setHotSpot(nail.x - FurnitureData::getViewSize(m_element).x, nail.y);
    }
    if (!m_blocked) {
        takeFootprint(true);
    }
}

bool FurnitureBase::checkIfBlocked() {
    if (m_mask.size() != 4) {
        Log::warning("FurnitureBase::checkIfBlocked")
            << "mask is of wrong size, cant check if blocked";
        return false;
    }
    for (float x = m_mask[0].x; x <= m_mask[2].x; x += 1.0f) {
        for (float y = m_mask[0].y; y <= m_mask[2].y; y += 1.0f) {
            const Dot* dot =
                m_grid ? m_grid->findDot(hgeVector(x + m_gridPosition.x, y + m_gridPosition.y))
                       : nullptr;
            if (!dot || !dot->isFree()) {
                m_blocked = true;
                applyTint();
                return true;
            }
        }
    }
    m_blocked = false;
    applyTint();
    return false;
}

void FurnitureBase::moveTo(const hgeVector& screen) {
    if (!m_grid || m_grid->getDots().empty()) {
        return;
    }
    const hgeVector old = m_gridPosition;
    m_gridPosition = m_grid->nearestDot(screen);
    for (const hgeVector& corner : m_mask) {
        if (!m_grid->findDot(m_gridPosition + corner)) {
            m_gridPosition = old;
            break;
        }
    }
    m_position = m_grid->gridToScreen(m_gridPosition, true);
    checkIfBlocked();
    updateDepth();
}

void FurnitureBase::setSize(int width, int depth) {
    m_width = width;
    m_depth = depth;
    const float w = static_cast<float>(width);
    const float d = static_cast<float>(depth);
    m_mask = {hgeVector(0, 0), hgeVector(w, 0), hgeVector(w, d), hgeVector(0, d)};
}

void FurnitureBase::press() {
    if (m_held || GameState::RoomState::instance()->isInputDelayed()) {
        return;
    }
    m_held = true;
    applyTint();
    if (!m_blocked) {
        takeFootprint(false);
    }
    // Keeps the pointer on this piece while it is dragged.
    FiscoraCursor* cursor = getCursor();
    if (!cursor->getFocusObject()) {
        cursor->setFocusObject(this);
        m_hasFocus = true;
    }
}

void FurnitureBase::release() {
    if (m_held) {
        drop();
    }
}

void FurnitureBase::drop() {
    m_held = false;
    applyTint();
    if (!m_blocked) {
        takeFootprint(true);
    }
    releasePointer();
    Log::debug("FurnitureBase::drop") << "placed " << m_name << " at " << m_gridPosition.x << ","
                                      << m_gridPosition.y << (m_blocked ? " (blocked)" : "");
}

void FurnitureBase::enter() {
    if (!m_buttons) {
        m_buttons = std::make_unique<FurnitureGui>(this);
    } else {
        m_buttons->show();
    }
    if (m_room) {
        m_room->selectFurniture(this);
    }
}

void FurnitureBase::leave() {
    if (m_buttons) {
        m_buttons->fade();
    }
}

void FurnitureBase::getBoundingBox(hgeRect& rect) {
    if (!m_sprite) {
        const hgeVector at = Camera::instance()->screenToWorld(m_position);
        rect.Set(at.x, at.y, at.x, at.y);
        return;
    }
    float hotX = 0.0f, hotY = 0.0f;
    m_sprite->GetHotSpot(&hotX, &hotY);
    // The pointer works in world coordinates.
    const hgeVector at = Camera::instance()->screenToWorld(m_position);
    const float left = at.x - hotX;
    const float top = at.y - hotY;
    rect.Set(left, top, left + m_sprite->GetWidth(), top + m_sprite->GetHeight());
}

void FurnitureBase::update(float) {
    if (m_held) {
        if (m_hge->Input_GetKeyState(HGEK_LBUTTON)) {
            float x = 0.0f, y = 0.0f;
            m_hge->Input_GetMousePos(&x, &y);
            const float width = m_sprite ? m_sprite->GetWidth() : 0.0f;
            moveTo(hgeVector(x - width * 0.5f, y));
        } else {
            drop();
        }
    }
    if (m_buttons && !m_buttons->update()) {
        m_buttons.reset();
    }
}

void FurnitureBase::setVisible(bool visible) {
    Sprite::setVisible(visible);
    if (m_buttons) {
        m_buttons->setVisible(visible);
    }
}

hgeVector FurnitureBase::getViewPosition() const {
    return m_movesWithCam ? m_position : Camera::instance()->worldToScreen(m_position);
}

bool FurnitureBase::resolveClickon(const std::string& name, float& x, float& y) {
    // Names live in memory as Windows-1252; a script may be written in UTF-8.
    const std::string converted = text::toWindows1252(name);
    const FurnitureBase* best = nullptr;
    for (FurnitureBase* piece : livePieces()) {
        const bool named = piece->m_name == name || piece->m_name == converted;
        if (named && piece->m_sprite && piece->isVisible() && piece->isInteractive() &&
            (!best || piece->m_z > best->m_z)) {
            best = piece;
        }
    }
    if (!best) {
        return Clickon::resolve(name, x, y);
    }
    hgeRect box;
    const_cast<FurnitureBase*>(best)->getBoundingBox(box);
    const hgeVector screen = Camera::instance()->worldToScreen(
        hgeVector((box.x1 + box.x2) * 0.5f, (box.y1 + box.y2) * 0.5f));
    x = screen.x;
    y = screen.y;
    return true;
}

void FurnitureBase::applyTint() {
    setColor(m_blocked ? BLOCKED_COLOR : (m_held ? HELD_COLOR : NORMAL_COLOR));
}

void FurnitureBase::takeFootprint(bool take) {
    // A piece frees only dots it holds: a held, blocked or never placed piece
    // stands on dots that may be another piece's.
    if (!take && !m_holdsDots) {
        return;
    }
    if (m_grid) {
        m_grid->setAreaFree(m_gridPosition, m_width, m_depth, !take);
    }
    m_holdsDots = take;
}

void FurnitureBase::updateDepth() {
    float height = ConstantManager::instance()->getFloat("screenHeight");
    if (height <= 0.0f) {
        height = 600.0f;
    }
    m_z = 0.25f + 0.5f * getViewPosition().y / height;
}

void FurnitureBase::releasePointer() {
    if (!m_hasFocus) {
        return;
    }
    m_hasFocus = false;
    FiscoraCursor::releaseFocus(this);
}
