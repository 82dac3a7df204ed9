#include <gtest/gtest.h>

#include <cmath>

#include "engine/hgerect.h"
#include "engine/hgevector.h"

TEST(HgeRect, TestPointIsStrictlyInside) {
    hgeRect r(10, 20, 30, 40);
    EXPECT_TRUE(r.TestPoint(11, 21));
    EXPECT_TRUE(r.TestPoint(29.5f, 39.5f));
    // Edges and corners belong to no box.
    EXPECT_FALSE(r.TestPoint(10, 25));
    EXPECT_FALSE(r.TestPoint(30, 25));
    EXPECT_FALSE(r.TestPoint(15, 20));
    EXPECT_FALSE(r.TestPoint(15, 40));
    EXPECT_FALSE(r.TestPoint(10, 20));
    EXPECT_FALSE(r.TestPoint(5, 25));
    EXPECT_FALSE(r.TestPoint(15, 45));
}

TEST(HgeRect, EncapsulateStartsFromTheFirstPointAfterClear) {
    hgeRect r(-100, -100, 100, 100);
    r.Clear();
    EXPECT_TRUE(r.IsClean());
    r.Encapsulate(5, 7);
    EXPECT_FALSE(r.IsClean());
    // The old corners are forgotten, not widened.
    EXPECT_FLOAT_EQ(r.x1, 5);
    EXPECT_FLOAT_EQ(r.x2, 5);
    EXPECT_FLOAT_EQ(r.y1, 7);
    EXPECT_FLOAT_EQ(r.y2, 7);
    r.Encapsulate(-3, 12);
    r.Encapsulate(8, 1);
    EXPECT_FLOAT_EQ(r.x1, -3);
    EXPECT_FLOAT_EQ(r.x2, 8);
    EXPECT_FLOAT_EQ(r.y1, 1);
    EXPECT_FLOAT_EQ(r.y2, 12);

    hgeRect fresh;
    EXPECT_TRUE(fresh.IsClean());
    fresh.Encapsulate(-4, -6);
    EXPECT_FLOAT_EQ(fresh.x1, -4);
    EXPECT_FLOAT_EQ(fresh.y2, -6);
}

TEST(HgeRect, SetAndSetRadiusMakeTheBoxUsed) {
    hgeRect r;
    r.SetRadius(10, 20, 5);
    EXPECT_FALSE(r.IsClean());
    EXPECT_FLOAT_EQ(r.x1, 5);
    EXPECT_FLOAT_EQ(r.y1, 15);
    EXPECT_FLOAT_EQ(r.x2, 15);
    EXPECT_FLOAT_EQ(r.y2, 25);
    r.Clear();
    r.Set(1, 2, 3, 4);
    EXPECT_FALSE(r.IsClean());
    r.Encapsulate(0, 0);
    EXPECT_FLOAT_EQ(r.x1, 0);
    EXPECT_FLOAT_EQ(r.x2, 3);
}

TEST(HgeRect, IntersectNeedsOverlapOnBothAxes) {
    hgeRect a(0, 0, 10, 10);
    EXPECT_TRUE(a.Intersect(hgeRect(5, 5, 15, 15)));
    EXPECT_TRUE(a.Intersect(hgeRect(2, 2, 3, 3)));      // inside
    EXPECT_TRUE(a.Intersect(hgeRect(-5, -5, 20, 20)));  // around
    EXPECT_TRUE(a.Intersect(hgeRect(-5, 4, 20, 6)));    // a bar across
    EXPECT_FALSE(a.Intersect(hgeRect(10, 0, 20, 10)));  // sharing an edge only
    EXPECT_FALSE(a.Intersect(hgeRect(11, 0, 20, 10)));
    EXPECT_FALSE(a.Intersect(hgeRect(5, 11, 15, 20)));  // overlaps in x, not in y
    EXPECT_FALSE(a.Intersect(hgeRect(11, 5, 20, 8)));   // overlaps in y, not in x
    hgeRect b(5, 5, 15, 15);
    EXPECT_EQ(a.Intersect(&b), b.Intersect(&a));
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
    EXPECT_NEAR(v.Length(), 1.0f, 0.002f);
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
    // Parallel vectors: the approximate lengths must not push acos out of range.
    hgeVector same(7, 7);
    float angle = same.Angle(&same);
    EXPECT_FALSE(std::isnan(angle));
    // acos magnifies the approximation's error near 1: small, not exact.
    EXPECT_NEAR(angle, 0, 0.1f);

    hgeVector r(1, 0);
    r.Rotate(pi / 2);
    EXPECT_NEAR(r.x, 0, 1e-6f);
    EXPECT_NEAR(r.y, 1, 1e-6f);
}
