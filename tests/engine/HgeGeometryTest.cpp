#include <gtest/gtest.h>

#include <cmath>

#include "engine/EngineTestSupport.h"
#include "engine/hgerect.h"
#include "engine/hgevector.h"

namespace {

void expectBox(const hgeRect& r, float x1, float y1, float x2, float y2) {
    EXPECT_FALSE(r.IsClean());
    enginetest::expectNear({r.x1, r.y1, r.x2, r.y2}, {x1, y1, x2, y2}, 0);
}

}  // namespace

TEST(HgeRect, TestPointIsStrictlyInside) {
    const hgeRect r(10, 20, 30, 40);
    // Edges and corners belong to no box.
    const struct {
        float x, y;
        bool inside;
    } points[] = {{11, 21, true},  {29.5f, 39.5f, true}, {10, 25, false},
                  {30, 25, false}, {15, 20, false},      {15, 40, false},
                  {10, 20, false}, {5, 25, false},       {15, 45, false}};
    for (const auto& p : points) {
        EXPECT_EQ(r.TestPoint(p.x, p.y), p.inside) << p.x << "," << p.y;
    }
}

TEST(HgeRect, EncapsulateStartsFromTheFirstPointAfterClear) {
    hgeRect r(-100, -100, 100, 100);
    r.Clear();
    EXPECT_TRUE(r.IsClean());
    // The old corners are forgotten, not widened.
    r.Encapsulate(5, 7);
    expectBox(r, 5, 7, 5, 7);
    r.Encapsulate(-3, 12);
    r.Encapsulate(8, 1);
    expectBox(r, -3, 1, 8, 12);

    hgeRect fresh;
    EXPECT_TRUE(fresh.IsClean());
    fresh.Encapsulate(-4, -6);
    expectBox(fresh, -4, -6, -4, -6);
}

TEST(HgeRect, SetAndSetRadiusMakeTheBoxUsed) {
    hgeRect r;
    r.SetRadius(10, 20, 5);
    expectBox(r, 5, 15, 15, 25);
    r.Clear();
    r.Set(1, 2, 3, 4);
    r.Encapsulate(0, 0);
    expectBox(r, 0, 0, 3, 4);
}

TEST(HgeRect, IntersectNeedsOverlapOnBothAxes) {
    const hgeRect a(0, 0, 10, 10);
    const struct {
        hgeRect b;
        bool overlap;
    } cases[] = {{{5, 5, 15, 15}, true},   {{2, 2, 3, 3}, true},      // inside
                 {{-5, -5, 20, 20}, true},                            // around
                 {{-5, 4, 20, 6}, true},                              // a bar across
                 {{10, 0, 20, 10}, false},                            // sharing an edge only
                 {{11, 0, 20, 10}, false}, {{5, 11, 15, 20}, false},  // overlaps in x, not in y
                 {{11, 5, 20, 8}, false}};                            // overlaps in y, not in x
    for (const auto& c : cases) {
        EXPECT_EQ(a.Intersect(&c.b), c.overlap) << c.b.x1 << "," << c.b.y1;
        EXPECT_EQ(c.b.Intersect(a), c.overlap) << c.b.x1 << "," << c.b.y1;
    }
}

TEST(HgeVector, ArithmeticAndLength) {
    hgeVector a(3, 4);
    hgeVector b(1, -2);
    EXPECT_EQ(a + b, hgeVector(4, 2));
    EXPECT_EQ(a - b, hgeVector(2, 6));
    EXPECT_EQ(-a, hgeVector(-3, -4));
    EXPECT_EQ(a * 2, hgeVector(6, 8));
    EXPECT_EQ(2 * a, hgeVector(6, 8));
    EXPECT_EQ(a / 2, hgeVector(1.5f, 2));
    EXPECT_FLOAT_EQ(a.Dot(b), 3 - 8);
    EXPECT_FLOAT_EQ(a.Length(), 5);
    hgeVector c = a;
    c += b;
    c -= hgeVector(4, 2);
    EXPECT_TRUE(c == hgeVector(0, 0));
    EXPECT_TRUE(a != b);
}

TEST(HgeVector, NormalizeIsTheFastApproximation) {
    hgeVector v(3, 4);
    v.Normalize();
    // Close to the unit vector but not the exact division (one Newton step).
    EXPECT_NEAR(v.x, 0.6f, 0.002f);
    EXPECT_NEAR(v.y, 0.8f, 0.002f);
    EXPECT_NE(v.x, 0.6f);
    hgeVector zero;
    zero.Normalize();
    EXPECT_EQ(zero, hgeVector(0, 0));
}

TEST(HgeVector, AngleAndRotate) {
    const float pi = 3.14159265f;
    EXPECT_NEAR(hgeVector(0, 1).Angle(), pi / 2, 1e-6f);
    EXPECT_NEAR(hgeVector(-1, 0).Angle(), pi, 1e-6f);
    hgeVector right(5, 0);
    hgeVector up(0, -2);
    EXPECT_NEAR(right.Angle(&up), pi / 2, 1e-3f);
    // Parallel vectors: the approximate lengths must not push acos out of
    // range (NaN fails EXPECT_NEAR); acos magnifies the approximation's error
    // near 1: small, not exact.
    hgeVector same(7, 7);
    EXPECT_NEAR(same.Angle(&same), 0, 0.1f);
    hgeVector r(1, 0);
    r.Rotate(pi / 2);
    EXPECT_NEAR(r.x, 0, 1e-6f);
    EXPECT_NEAR(r.y, 1, 1e-6f);
}
