#include <gtest/gtest.h>

#include <cmath>

#include "engine/EngineTestSupport.h"
#include "engine/HgeImpl.h"
#include "engine/hgesprite.h"

using enginetest::QuadCapture;

namespace {

const float kPi = 3.14159265f;

class HgeSpriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_hge = hgeCreate(HGE_VERSION);
        // A 64x32 texture; its pixels do not matter here, only its size.
        std::string png = enginetest::makePng(64, 32, std::vector<uint32_t>(64 * 32, 0xFFFFFFFF));
        m_tex = m_hge->Texture_Load(png.data(), static_cast<uint32_t>(png.size()));
        ASSERT_NE(m_tex, 0u);
    }
    void TearDown() override {
        m_hge->Texture_Free(m_tex);
        m_hge->Release();
    }

    HGE* m_hge = nullptr;
    HTEXTURE m_tex = 0;
};

void expectCorner(const hgeVertex& v, float x, float y) {
    EXPECT_NEAR(v.x, x, 1e-4f);
    EXPECT_NEAR(v.y, y, 1e-4f);
}

void expectUV(const hgeVertex& v, float u, float t) {
    EXPECT_FLOAT_EQ(v.tx, u);
    EXPECT_FLOAT_EQ(v.ty, t);
}

}  // namespace

TEST_F(HgeSpriteTest, CutsTextureCoordinatesFromTheTextureSize) {
    hgeSprite s(m_tex, 8, 4, 16, 8);
    EXPECT_FLOAT_EQ(s.GetWidth(), 16);
    EXPECT_FLOAT_EQ(s.GetHeight(), 8);
    expectUV(s.quad.v[0], 8 / 64.f, 4 / 32.f);
    expectUV(s.quad.v[1], 24 / 64.f, 4 / 32.f);
    expectUV(s.quad.v[2], 24 / 64.f, 12 / 32.f);
    expectUV(s.quad.v[3], 8 / 64.f, 12 / 32.f);
    EXPECT_EQ(s.GetColor(), 0xFFFFFFFFu);
    EXPECT_EQ(s.GetBlendMode(), BLEND_DEFAULT);

    s.SetTextureRect(32, 16, 32, 16);
    EXPECT_FLOAT_EQ(s.width, 32);
    expectUV(s.quad.v[0], 0.5f, 0.5f);
    expectUV(s.quad.v[2], 1.0f, 1.0f);

    // Without adjusting the size the sprite keeps its own and cuts that much.
    s.SetTextureRect(0, 0, 8, 8, false);
    EXPECT_FLOAT_EQ(s.width, 32);
    expectUV(s.quad.v[2], 0.5f, 0.5f);
}

TEST_F(HgeSpriteTest, RenderPutsTheHotSpotAtThePosition) {
    QuadCapture capture;
    hgeSprite s(m_tex, 0, 0, 16, 8);
    s.SetHotSpot(4, 2);
    s.Render(100, 50);
    // vscale 0 is hscale: doubled both ways around the hot spot.
    s.RenderEx(100, 50, 0, 2);
    s.RenderEx(100, 50, 0, 2, 3);
    ASSERT_EQ(capture.quads().size(), 3u);
    const hgeQuad& plain = capture.quads()[0];
    expectCorner(plain.v[0], 96, 48);
    expectCorner(plain.v[1], 112, 48);
    expectCorner(plain.v[2], 112, 56);
    expectCorner(plain.v[3], 96, 56);
    EXPECT_EQ(plain.tex, m_tex);
    const hgeQuad& doubled = capture.quads()[1];
    expectCorner(doubled.v[0], 92, 46);
    expectCorner(doubled.v[2], 124, 62);
    const hgeQuad& stretched = capture.quads()[2];
    expectCorner(stretched.v[0], 92, 44);
    expectCorner(stretched.v[2], 124, 68);
}

TEST_F(HgeSpriteTest, RenderExTurnsAboutTheHotSpot) {
    QuadCapture capture;
    hgeSprite s(m_tex, 0, 0, 16, 8);
    s.SetHotSpot(4, 2);
    s.RenderEx(100, 50, kPi / 2, 1);
    ASSERT_EQ(capture.quads().size(), 1u);
    // A quarter turn clockwise on screen (y down): local (x, y) goes to (-y, x).
    const hgeQuad& q = capture.quads()[0];
    expectCorner(q.v[0], 100 + 2, 50 - 4);
    expectCorner(q.v[1], 100 + 2, 50 + 12);
    expectCorner(q.v[2], 100 - 6, 50 + 12);
    expectCorner(q.v[3], 100 - 6, 50 - 4);
}

TEST_F(HgeSpriteTest, FlipsSwapTextureCoordinatesAndMayMirrorTheHotSpot) {
    hgeSprite s(m_tex, 8, 4, 16, 8);
    s.SetHotSpot(4, 2);

    // Mirrored within its own box: the hot spot stays.
    s.SetFlip(true, false, false);
    expectUV(s.quad.v[0], 24 / 64.f, 4 / 32.f);
    expectUV(s.quad.v[1], 8 / 64.f, 4 / 32.f);
    EXPECT_FLOAT_EQ(s.hotX, 4);
    bool fx = false, fy = false;
    s.GetFlip(&fx, &fy);
    EXPECT_TRUE(fx);
    EXPECT_FALSE(fy);

    // Mirrored about the hot spot: it moves to the mirrored point.
    s.SetFlip(true, true, true);
    EXPECT_FLOAT_EQ(s.hotX, 12);
    EXPECT_FLOAT_EQ(s.hotY, 6);
    expectUV(s.quad.v[0], 24 / 64.f, 12 / 32.f);
    expectUV(s.quad.v[2], 8 / 64.f, 4 / 32.f);

    // The mirrored image keeps the hot spot's texel at the render position.
    QuadCapture capture;
    s.Render(100, 50);
    const hgeQuad& q = capture.quads()[0];
    // Texel u of the hot spot before flipping: (8 + 4) / 64.
    float u = q.v[0].tx + (q.v[1].tx - q.v[0].tx) * (100 - q.v[0].x) / (q.v[1].x - q.v[0].x);
    EXPECT_NEAR(u, 12 / 64.f, 1e-6f);

    // Unflipping restores the hot spot and the coordinates.
    s.SetFlip(false, false, true);
    EXPECT_FLOAT_EQ(s.hotX, 4);
    EXPECT_FLOAT_EQ(s.hotY, 2);
    expectUV(s.quad.v[0], 8 / 64.f, 4 / 32.f);
    // Switching the hot spot mode alone on an unflipped sprite changes nothing.
    s.SetFlip(false, false, false);
    EXPECT_FLOAT_EQ(s.hotX, 4);
}

TEST_F(HgeSpriteTest, SetTextureRectKeepsTheFlips) {
    hgeSprite s(m_tex, 0, 0, 16, 8);
    s.SetFlip(true, false);
    s.SetTextureRect(32, 0, 32, 16);
    expectUV(s.quad.v[0], 1.0f, 0.0f);
    expectUV(s.quad.v[1], 0.5f, 0.0f);
    expectUV(s.quad.v[3], 1.0f, 0.5f);

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

TEST_F(HgeSpriteTest, BoundingBoxes) {
    hgeSprite s(m_tex, 0, 0, 16, 8);
    s.SetHotSpot(4, 2);
    hgeRect r;
    s.GetBoundingBox(100, 50, &r);
    EXPECT_FLOAT_EQ(r.x1, 96);
    EXPECT_FLOAT_EQ(r.y1, 48);
    EXPECT_FLOAT_EQ(r.x2, 112);
    EXPECT_FLOAT_EQ(r.y2, 56);

    // Scaled: the box grows around the hot spot.
    s.GetBoundingBoxEx(100, 50, 0, 2, 0, &r);
    EXPECT_FLOAT_EQ(r.x1, 92);
    EXPECT_FLOAT_EQ(r.y2, 62);

    // Turned by 45 degrees: the box of the four turned corners.
    float c = std::cos(kPi / 4), sn = std::sin(kPi / 4);
    const float local[4][2] = {{-4, -2}, {12, -2}, {12, 6}, {-4, 6}};
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
    for (auto& p : local) {
        float x = 100 + p[0] * c - p[1] * sn;
        float y = 50 + p[0] * sn + p[1] * c;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    r.Set(0, 0, 1, 1);  // a used box is replaced, not widened
    s.GetBoundingBoxEx(100, 50, kPi / 4, 1, 1, &r);
    EXPECT_NEAR(r.x1, minX, 1e-4f);
    EXPECT_NEAR(r.x2, maxX, 1e-4f);
    EXPECT_NEAR(r.y1, minY, 1e-4f);
    EXPECT_NEAR(r.y2, maxY, 1e-4f);
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
    blank.SetColor(0xFF112233);
    blank.Render(10, 10);
    ASSERT_EQ(capture.quads().size(), 1u);
    EXPECT_EQ(capture.quads()[0].tex, 0u);
    expectCorner(capture.quads()[0].v[2], 42, 42);

    // A texture handle that does not exist cuts as a blank one would.
    hgeSprite unknown(9999, 2, 2, 4, 4);
    expectUV(unknown.quad.v[0], 2, 2);
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
