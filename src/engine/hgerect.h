// An axis-aligned box of floats, possibly still empty ("clean").
#pragma once

class hgeRect {
public:
    float x1, y1, x2, y2;

    hgeRect(float left, float top, float right, float bottom)
        : x1(left), y1(top), x2(right), y2(bottom), m_clean(false) {}
    hgeRect() : x1(0), y1(0), x2(0), y2(0), m_clean(true) {}

    void Clear() { m_clean = true; }
    bool IsClean() const { return m_clean; }
    void Set(float left, float top, float right, float bottom);
    void SetRadius(float x, float y, float r);
    // The first point after a clear sets both corners; later points widen.
    void Encapsulate(float x, float y);
    // Strictly inside on both axes: a point on an edge is outside.
    bool TestPoint(float x, float y) const;
    // Overlap by centre distance against the summed half extents.
    bool Intersect(const hgeRect* rect) const;
    bool Intersect(const hgeRect& rect) const { return Intersect(&rect); }

private:
    bool m_clean;
};
