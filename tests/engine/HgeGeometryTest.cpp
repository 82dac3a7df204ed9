#include "engine/EngineTestSupport.h"

using namespace enginetest;

static void expectBox(const hgeRect& r, float x1, float y1, float x2, float y2) {
    EXPECT_FALSE(r.IsClean());
    expectNear({r.x1, r.y1, r.x2, r.y2}, {x1, y1, x2, y2}, 0);
}

TEST(HgeRect, TestPointAndIntersectAreStrict) {
    const hgeRect r(10, 20, 30, 40);
    EXPECT_TRUE(r.TestPoint(11, 21));
    EXPECT_TRUE(r.TestPoint(29.5f, 39.5f));
    // Edges and corners belong to no box.
    const float outside[][2] = {{10, 25}, {30, 25}, {15, 20}, {15, 40},
                                {10, 20}, {5, 25},  {15, 45}};
    for (const auto& [x, y] : outside) {
        EXPECT_FALSE(r.TestPoint(x, y)) << x << "," << y;
    }
    // Overlapping, inside, around, a bar across; then sharing an edge only,
    // apart, overlapping in x only and in y only.
    const hgeRect a(0, 0, 10, 10);
    const hgeRect hits[] = {{5, 5, 15, 15}, {2, 2, 3, 3}, {-5, -5, 20, 20}, {-5, 4, 20, 6}};
    const hgeRect misses[] = {{10, 0, 20, 10}, {11, 0, 20, 10}, {5, 11, 15, 20}, {11, 5, 20, 8}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(a.Intersect(&hits[i]) && hits[i].Intersect(a)) << "hit " << i;
        EXPECT_FALSE(a.Intersect(&misses[i]) || misses[i].Intersect(a)) << "miss " << i;
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
    // Set and SetRadius make a box used.
    r.SetRadius(10, 20, 5);
    expectBox(r, 5, 15, 15, 25);
    r.Clear();
    r.Set(1, 2, 3, 4);
    r.Encapsulate(0, 0);
    expectBox(r, 0, 0, 3, 4);
}

TEST(HgeVector, ArithmeticNormalizeAngleAndRotate) {
    hgeVector a(3, 4), b(1, -2);
    const hgeVector results[] = {
        a + b, a - b, -a, a * 2, 2 * a, a / 2, hgeVector(a) += b, hgeVector(a) -= b};
    const hgeVector want[] = {{4, 2}, {2, 6}, {-3, -4}, {6, 8}, {6, 8}, {1.5f, 2}, {4, 2}, {2, 6}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(results[i], want[i]) << "result " << i;
    }
    EXPECT_NE(a, b);
    EXPECT_FLOAT_EQ(a.Dot(b), 3 - 8);
    EXPECT_FLOAT_EQ(a.Length(), 5);
    // Close to the unit vector but not the exact division (one Newton step);
    // zero stays zero.
    a.Normalize();
    expectNear({a.x, a.y}, {0.6f, 0.8f}, 0.002f);
    EXPECT_NE(a.x, 0.6f);
    EXPECT_EQ(*hgeVector().Normalize(), hgeVector(0, 0));

    EXPECT_NEAR(hgeVector(0, 1).Angle(), kPi / 2, 1e-6f);
    EXPECT_NEAR(hgeVector(-1, 0).Angle(), kPi, 1e-6f);
    hgeVector right(5, 0), up(0, -2), same(7, 7);
    EXPECT_NEAR(right.Angle(&up), kPi / 2, 1e-3f);
    // Parallel vectors: the approximate lengths must not push acos out of
    // range (NaN fails EXPECT_NEAR); acos magnifies the approximation's error
    // near 1: small, not exact.
    EXPECT_NEAR(same.Angle(&same), 0, 0.1f);
    right.Rotate(kPi / 2);
    expectNear({right.x, right.y}, {0, 5}, 1e-5f);
}
