#include "home/IsometricGrid.h"

#include <tinyxml.h>

#include <algorithm>

#include "core/Log.h"
#include "engine/hge.h"
#include "home/Dot.h"
#include "resource/Xml.h"

IsometricGrid::IsometricGrid() : m_hge(hgeCreate(HGE_VERSION)) {}

IsometricGrid::~IsometricGrid() {
    clear();
    m_hge->Release();
}

void IsometricGrid::create(TiXmlElement* grid) {
    const char* context = "IsometricGrid::create";
    if (!grid) {
        Log::error(context) << "got no grid element";
        return;
    }
    m_position = xml::getElementVector(grid, "position", true);
    m_sizeRatio = xml::getAttributeFloat(grid, "sizeRatio", true);
    m_roofHeight = xml::getAttributeFloat(grid, "roofHeight", true);
    m_gridSize = xml::getAttributeFloat(grid, "gridSize", true);
    Log::debug(context) << "reading dots";
    for (TiXmlElement* dot = grid->FirstChildElement("dot"); dot;
         dot = dot->NextSiblingElement("dot")) {
        // "corner" and "edge" are optional; most dots have neither.
        addDot(xml::getAttributeInt(dot, "corner", false) != 0,
               xml::getAttributeInt(dot, "edge", false) != 0, xml::getAttributeFloat(dot, "x"),
               xml::getAttributeFloat(dot, "y"));
    }
}

void IsometricGrid::addDot(bool corner, bool edge, float x, float y) {
    Dot* dot = new Dot(this, x, y);
    m_dots.push_back(dot);
    if (corner) {
        m_cornerDots.push_back(dot);
    } else if (edge) {
        m_edgeDots.push_back(dot);
    } else {
        m_innerDots.push_back(dot);
    }
    m_largestX = std::max(m_largestX, x);
    m_largestY = std::max(m_largestY, y);
}

void IsometricGrid::clear() {
    for (Dot* dot : m_dots) {
        delete dot;
    }
    m_dots.clear();
    m_cornerDots.clear();
    m_edgeDots.clear();
    m_innerDots.clear();
}

hgeVector IsometricGrid::gridToScreen(const hgeVector& grid, bool absolute) const {
    hgeVector screen(m_gridSize * (grid.x + grid.y),
                     (m_gridSize * grid.y) * m_sizeRatio - m_sizeRatio * (m_gridSize * grid.x));
    if (absolute) {
        screen += m_position;
    }
    return screen;
}

Dot* IsometricGrid::findDot(const hgeVector& grid) const {
    for (Dot* dot : m_dots) {
        if (dot->getX() == grid.x && dot->getY() == grid.y) {
            return dot;
        }
    }
    return nullptr;
}

hgeVector IsometricGrid::nearestDot(const hgeVector& screen) const {
    const Dot* best = nullptr;
    float bestDistance = 0.0f;
    for (const Dot* dot : m_dots) {
        const float distance = (dot->getScreenPosition() - screen).Length();
        // Only a strictly nearer dot wins, so ties keep the earlier one.
        if (!best || distance < bestDistance) {
            best = dot;
            bestDistance = distance;
        }
    }
    if (!best) {
        Log::warning("IsometricGrid::nearestDot") << "grid has no dots";
        return hgeVector(0, 0);
    }
    return hgeVector(best->getX(), best->getY());
}

void IsometricGrid::setAreaFree(const hgeVector& origin, int width, int depth, bool free) {
    for (int i = 0; i <= depth; ++i) {
        for (int j = 0; j <= width; ++j) {
            if (Dot* dot = findDot(hgeVector(origin.x + j, origin.y + i))) {
                dot->setFree(free);
            }
        }
    }
}

void IsometricGrid::draw() {
    if (m_cornerDots.empty()) {
        return;
    }
    const unsigned int c = color();
    hgeVector previous = m_cornerDots.back()->getScreenPosition();
    for (const Dot* corner : m_cornerDots) {
        const hgeVector p = corner->getScreenPosition();
        m_hge->Gfx_RenderLine(p.x, p.y, p.x, p.y - m_roofHeight, c, 0.5f);
        m_hge->Gfx_RenderLine(previous.x, previous.y, p.x, p.y, c, 0.5f);
        previous = p;
    }
}

int IsometricGrid::key() {
    // Together with the dots.
    return HGEK_F2;
}
