#include <gtest/gtest.h>

#include "core/Camera.h"

TEST(Camera, WorldOriginIsTheScreenCentreAndConversionsInvertEachOther) {
    Camera* camera = Camera::instance();
    const hgeRect& view = camera->getViewRect();
    EXPECT_EQ(view.x2 - view.x1, 800.0f);
    EXPECT_EQ(view.y2 - view.y1, 600.0f);

    const hgeVector centre = camera->worldToScreen(hgeVector(0, 0));
    EXPECT_EQ(centre, hgeVector(400, 300));
    // Screen positions are truncated toward zero, world ones are exact.
    EXPECT_EQ(camera->worldToScreen(hgeVector(10.7f, -20.7f)), hgeVector(410, 279));
    EXPECT_EQ(camera->worldToScreen(hgeVector(-400.5f, -300.5f)), hgeVector(0, 0));
    EXPECT_EQ(camera->screenToWorld(hgeVector(0.5f, 600)), hgeVector(-399.5f, 300));
    EXPECT_EQ(camera->worldToScreen(camera->screenToWorld(hgeVector(123, 456))),
              hgeVector(123, 456));
}
