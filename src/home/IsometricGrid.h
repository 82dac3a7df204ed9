#pragma once

#include <vector>

#include "core/DebugDraw.h"
#include "engine/hgevector.h"

class Dot;
class HGE;
class TiXmlElement;

// The floor of a room: hand-placed dots at whole grid coordinates, so that a
// floor of any outline can be described, and the isometric projection between
// grid and screen. Grid x runs up-right on the screen, grid y down-right.
// Owns its dots. Its debug outline joins the corner dots and marks the walls.
class IsometricGrid : public DebugDraw::Base {
public:
    IsometricGrid();
    ~IsometricGrid() override;

    // Reads a room's "grid" element: projection, position and dots.
    void create(TiXmlElement* grid);
    // A corner dot is never also listed as an edge dot.
    void addDot(bool corner, bool edge, float x, float y);
    // Deletes every dot.
    void clear();

    // Relative to the grid's position unless `absolute`.
    hgeVector gridToScreen(const hgeVector& grid, bool absolute) const;
    // The first dot, in file order, exactly at the grid point; null if none.
    Dot* findDot(const hgeVector& grid) const;
    // The grid point of the dot nearest to the screen point; of equally near
    // dots the first in file order. (0, 0) when there are no dots.
    hgeVector nearestDot(const hgeVector& screen) const;
    // Sets the free flag of the (width + 1) x (depth + 1) dots from `origin`;
    // points without a dot are skipped.
    void setAreaFree(const hgeVector& origin, int width, int depth, bool free);

    void draw() override;
    int key() override;

    float getSizeRatio() const { return m_sizeRatio; }
    float getGridSize() const { return m_gridSize; }
    float getRoofHeight() const { return m_roofHeight; }
    float getLargestX() const { return m_largestX; }
    float getLargestY() const { return m_largestY; }
    const hgeVector& getPosition() const { return m_position; }
    const std::vector<Dot*>& getDots() const { return m_dots; }
    const std::vector<Dot*>& getCornerDots() const { return m_cornerDots; }
    const std::vector<Dot*>& getEdgeDots() const { return m_edgeDots; }
    const std::vector<Dot*>& getInnerDots() const { return m_innerDots; }

private:
    HGE* m_hge;
    float m_sizeRatio = 0.0f;
    float m_gridSize = 0.0f;
    float m_roofHeight = 0.0f;
    float m_largestX = 0.0f;
    float m_largestY = 0.0f;
    hgeVector m_position;
    std::vector<Dot*> m_dots;
    std::vector<Dot*> m_cornerDots;
    std::vector<Dot*> m_edgeDots;
    std::vector<Dot*> m_innerDots;
};
