#include <gtest/gtest.h>

#include "core/Lerp.h"

TEST(Lerp, FloatMovesAtItsSpeedAndStopsExactlyOnTheTargetFromEitherSide) {
    UnboundLerp<float> up(10.0f, 0.0f);
    up.setTarget(25.0f);
    up.update(1.0f);
    EXPECT_FLOAT_EQ(up.getCurrent(), 10.0f);
    EXPECT_FALSE(up.isDone());
    up.update(2.0f);
    EXPECT_EQ(up.getCurrent(), 25.0f);
    EXPECT_TRUE(up.isDone());

    up.setTarget(-5.0f);
    up.update(2.0f);
    EXPECT_FLOAT_EQ(up.getCurrent(), 5.0f);
    up.update(10.0f);
    EXPECT_EQ(up.getCurrent(), -5.0f);
    EXPECT_TRUE(up.isDone());
}

TEST(Lerp, BoundedFloatStopsAtItsBoundAndIsNeverDoneWhenTheTargetLiesBeyond) {
    Lerp<float> fade(100.0f, 0.0f, 0.0f, 255.0f);
    fade.setTarget(300.0f);
    fade.update(10.0f);
    EXPECT_EQ(fade.getCurrent(), 255.0f);
    EXPECT_FALSE(fade.isDone());
    fade.targetMin();
    fade.update(1.0f);
    EXPECT_FLOAT_EQ(fade.getCurrent(), 155.0f);
    fade.update(10.0f);
    EXPECT_EQ(fade.getCurrent(), 0.0f);
    EXPECT_TRUE(fade.isDone());
    fade.setMax(50.0f);
    fade.targetMax();
    fade.update(10.0f);
    EXPECT_EQ(fade.getCurrent(), 50.0f);
    EXPECT_TRUE(fade.isDone());
}

TEST(Lerp, VectorStepsAlongTheLineAndSnapsToTheTarget) {
    Lerp<hgeVector> slide(10.0f, hgeVector(0, 0));
    slide.setTarget(hgeVector(30.0f, 40.0f));  // 50 away
    slide.update(1.0f);
    // The fast inverse square root is close but not exact.
    EXPECT_NEAR(slide.getCurrent().x, 6.0f, 0.02f);
    EXPECT_NEAR(slide.getCurrent().y, 8.0f, 0.02f);
    slide.update(10.0f);
    EXPECT_EQ(slide.getCurrent(), hgeVector(30.0f, 40.0f));
    EXPECT_TRUE(slide.isDone());

    Lerp<hgeVector> still(0.0f, hgeVector(1, 1));
    still.setTarget(hgeVector(5, 5));
    still.update(100.0f);
    EXPECT_EQ(still.getCurrent(), hgeVector(1, 1));
    still.set(hgeVector(5, 5));
    still.update(1.0f);
    EXPECT_TRUE(still.isDone());
}
