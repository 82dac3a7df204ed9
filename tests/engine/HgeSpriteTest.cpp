#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "engine/EngineTestSupport.h"
#include "engine/hgesprite.h"

using enginetest::QuadCapture;
using HgeSpriteTest = enginetest::TextureFixture;

namespace {

const float kPi = 3.14159265f;

// Texture corners in quad order: (u1, v1), (u2, v1), (u2, v2), (u1, v2).
void expectUV(const hgeSprite& s, float u1, float v1, float u2, float v2) {
    const hgeVertex* v = s.quad.v;
    enginetest::expectNear({v[0].tx, v[0].ty, v[1].tx, v[1].ty, v[2].tx, v[2].ty, v[3].tx, v[3].ty},
                           {u1, v1, u2, v1, u2, v2, u1, v2}, 1e-6f);
}

}  // namespace

TEST_F(HgeSpriteTest, CutsTextureCoordinatesFromTheTextureSize) {
    hgeSprite s(m_tex, 8, 4, 16, 8);
    EXPECT_FLOAT_EQ(s.GetWidth(), 16);
    EXPECT_FLOAT_EQ(s.GetHeight(), 8);
    expectUV(s, 8 / 64.f, 4 / 32.f, 24 / 64.f, 12 / 32.f);
    EXPECT_EQ(s.GetColor(), 0xFFFFFFFFu);
    EXPECT_EQ(s.GetBlendMode(), BLEND_DEFAULT);
    s.SetTextureRect(32, 16, 32, 16);
    EXPECT_FLOAT_EQ(s.width, 32);
    expectUV(s, 0.5f, 0.5f, 1, 1);
    // Without adjusting the size the sprite keeps its own and cuts that much.
    s.SetTextureRect(0, 0, 8, 8, false);
    EXPECT_FLOAT_EQ(s.width, 32);
    expectUV(s, 0, 0, 0.5f, 0.5f);
}

TEST_F(HgeSpriteTest, RenderAndBoundingBoxesTurnAndScaleAboutTheHotSpot) {
    hgeSprite s(m_tex, 0, 0, 16, 8);
    s.SetHotSpot(4, 2);
    const float r = std::sqrt(0.5f);
    // Turn, hscale, vscale (0: as hscale), then the four corners. Screen y
    // points down, so a positive turn is clockwise: a quarter turn takes
    // local (x, y) to (-y, x).
    const float cases[][11] = {{0, 1, 0, 96, 48, 112, 48, 112, 56, 96, 56},
                               {0, 2, 0, 92, 46, 124, 46, 124, 62, 92, 62},
                               {0, 2, 3, 92, 44, 124, 44, 124, 68, 92, 68},
                               {kPi / 2, 1, 0, 102, 46, 102, 62, 94, 62, 94, 46},
                               {kPi / 4, 1, 1, 100 - 2 * r, 50 - 6 * r, 100 + 14 * r, 50 + 10 * r,
                                100 + 6 * r, 50 + 18 * r, 100 - 10 * r, 50 + 2 * r}};
    QuadCapture capture;
    // Used boxes: they are replaced, not widened. The plain forms come first.
    std::vector<hgeRect> boxes(std::size(cases) + 1, hgeRect(0, 0, 1, 1));
    s.Render(100, 50);
    s.GetBoundingBox(100, 50, &boxes[0]);
    for (size_t i = 0; i < std::size(cases); ++i) {
        s.RenderEx(100, 50, cases[i][0], cases[i][1], cases[i][2]);
        s.GetBoundingBoxEx(100, 50, cases[i][0], cases[i][1], cases[i][2], &boxes[i + 1]);
    }
    ASSERT_EQ(capture.quads().size(), boxes.size());
    EXPECT_EQ(capture.quads()[0].tex, m_tex);
    for (size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE("quad " + std::to_string(i));
        const float* c = cases[i == 0 ? 0 : i - 1] + 3;
        enginetest::expectNear(enginetest::corners(capture.quads()[i]),
                               std::vector<float>(c, c + 8));
        auto [x1, x2] = std::minmax({c[0], c[2], c[4], c[6]});
        auto [y1, y2] = std::minmax({c[1], c[3], c[5], c[7]});
        const hgeRect& box = boxes[i];
        enginetest::expectNear({box.x1, box.y1, box.x2, box.y2}, {x1, y1, x2, y2});
    }
}

TEST_F(HgeSpriteTest, FlipsSwapTextureCoordinatesAndMayMirrorTheHotSpot) {
    hgeSprite s(m_tex, 8, 4, 16, 8);
    s.SetHotSpot(4, 2);
    // Mirrored within its own box: the hot spot stays.
    s.SetFlip(true, false, false);
    expectUV(s, 24 / 64.f, 4 / 32.f, 8 / 64.f, 12 / 32.f);
    EXPECT_FLOAT_EQ(s.hotX, 4);
    bool fx = false, fy = true;
    s.GetFlip(&fx, &fy);
    EXPECT_TRUE(fx);
    EXPECT_FALSE(fy);

    // Mirrored about the hot spot: it moves to the mirrored point.
    s.SetFlip(true, true, true);
    EXPECT_FLOAT_EQ(s.hotX, 12);
    EXPECT_FLOAT_EQ(s.hotY, 6);
    expectUV(s, 24 / 64.f, 12 / 32.f, 8 / 64.f, 4 / 32.f);
    // The mirrored image keeps the hot spot's texel, u (8 + 4) / 64, at the
    // render position.
    QuadCapture capture;
    s.Render(100, 50);
    const hgeQuad& q = capture.quads()[0];
    float u = q.v[0].tx + (q.v[1].tx - q.v[0].tx) * (100 - q.v[0].x) / (q.v[1].x - q.v[0].x);
    EXPECT_NEAR(u, 12 / 64.f, 1e-6f);

    // Unflipping restores the hot spot and the coordinates.
    s.SetFlip(false, false, true);
    EXPECT_FLOAT_EQ(s.hotX, 4);
    EXPECT_FLOAT_EQ(s.hotY, 2);
    expectUV(s, 8 / 64.f, 4 / 32.f, 24 / 64.f, 12 / 32.f);
    // Switching the hot spot mode alone on an unflipped sprite changes nothing.
    s.SetFlip(false, false, false);
    EXPECT_FLOAT_EQ(s.hotX, 4);
}

TEST_F(HgeSpriteTest, SetTextureRectKeepsTheFlips) {
    hgeSprite s(m_tex, 0, 0, 16, 8);
    s.SetFlip(true, false);
    s.SetTextureRect(32, 0, 32, 16);
    expectUV(s, 1, 0, 0.5f, 0.5f);
    // A hot spot mirrored about the old width follows the new width.
    hgeSprite h(m_tex, 0, 0, 16, 8);
    h.SetHotSpot(4, 0);
    h.SetFlip(true, false, true);
    EXPECT_FLOAT_EQ(h.hotX, 12);
    h.SetTextureRect(0, 0, 32, 8);
    EXPECT_FLOAT_EQ(h.hotX, 28);
    h.SetFlip(false, false, true);
    EXPECT_FLOAT_EQ(h.hotX, 4);
}

TEST_F(HgeSpriteTest, ColourAndDepthPerVertexOrAll) {
    hgeSprite s(m_tex, 0, 0, 16, 8);
    s.SetColor(0x80FF0000);
    s.SetColor(0xFF00FF00, 2);
    EXPECT_EQ(s.GetColor(0), 0x80FF0000u);
    EXPECT_EQ(s.GetColor(2), 0xFF00FF00u);
    EXPECT_EQ(s.GetColor(3), 0x80FF0000u);
    s.SetZ(0.25f);
    s.SetZ(0.75f, 1);
    EXPECT_FLOAT_EQ(s.GetZ(0), 0.25f);
    EXPECT_FLOAT_EQ(s.GetZ(1), 0.75f);
}

TEST_F(HgeSpriteTest, CopiesAreIndependentAndHoldTheEngine) {
    auto* original = new hgeSprite(m_tex, 8, 4, 16, 8);
    original->SetHotSpot(3, 3);
    auto* copy = new hgeSprite(*original);
    delete original;
    EXPECT_FLOAT_EQ(copy->hotX, 3);
    copy->SetHotSpot(5, 5);
    hgeSprite assigned(0, 0, 0, 1, 1);
    assigned = *copy;
    EXPECT_EQ(assigned.GetTexture(), m_tex);
    EXPECT_FLOAT_EQ(assigned.hotX, 5);
    delete copy;
    // Every sprite released its own reference: ours is the last one left.
    HGE* probe = hgeCreate(HGE_VERSION);
    EXPECT_EQ(probe, m_hge);
    probe->Release();
    EXPECT_NE(engine::HgeImpl::current(), nullptr);
}

TEST_F(HgeSpriteTest, BlankSpriteDrawsUntextured) {
    QuadCapture capture;
    hgeSprite blank(0, 0, 0, 32, 32);
    blank.Render(10, 10);
    ASSERT_EQ(capture.quads().size(), 1u);
    EXPECT_EQ(capture.quads()[0].tex, 0u);
    enginetest::expectNear(enginetest::corners(capture.quads()[0]),
                           {10, 10, 42, 10, 42, 42, 10, 42});
    // A texture handle that does not exist cuts as a blank one would.
    hgeSprite unknown(9999, 2, 2, 4, 4);
    expectUV(unknown, 2, 2, 6, 6);
}

TEST(HgeEngineObject, ReferenceCountedSingleObject) {
    HGE* a = hgeCreate(HGE_VERSION);
    HGE* b = hgeCreate(HGE_VERSION);
    EXPECT_EQ(a, b);
    a->Release();
    EXPECT_NE(engine::HgeImpl::current(), nullptr);
    b->Release();
    EXPECT_EQ(engine::HgeImpl::current(), nullptr);
}
