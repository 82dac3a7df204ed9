#include "engine/EngineTestSupport.h"

using namespace enginetest;
using HgeSpriteTest = TextureFixture;

// Texture corners in texels of the 64x32 texture, in quad order: (u1, v1),
// (u2, v1), (u2, v2), (u1, v2).
static void expectUV(const hgeSprite& s, float u1, float v1, float u2, float v2) {
    const hgeVertex* v = s.quad.v;
    expectNear({v[0].tx * 64, v[0].ty * 32, v[1].tx * 64, v[1].ty * 32, v[2].tx * 64, v[2].ty * 32,
                v[3].tx * 64, v[3].ty * 32},
               {u1, v1, u2, v1, u2, v2, u1, v2});
}

TEST_F(HgeSpriteTest, CutsTheTextureAndColoursTheCorners) {
    hgeSprite s(m_tex, 8, 4, 16, 8);
    expectNear({s.GetWidth(), s.GetHeight()}, {16, 8}, 0);
    expectUV(s, 8, 4, 24, 12);
    EXPECT_EQ(s.GetColor(), 0xFFFFFFFFu);
    EXPECT_EQ(s.GetBlendMode(), BLEND_DEFAULT);
    s.SetTextureRect(32, 16, 32, 16);
    EXPECT_FLOAT_EQ(s.width, 32);
    expectUV(s, 32, 16, 64, 32);
    // Without adjusting the size the sprite keeps its own and cuts that much.
    s.SetTextureRect(0, 0, 8, 8, false);
    EXPECT_FLOAT_EQ(s.width, 32);
    expectUV(s, 0, 0, 32, 16);
    // Colour and depth go to one corner or to all.
    s.SetColor(0x80FF0000);
    s.SetColor(0xFF00FF00, 2);
    EXPECT_EQ(std::make_tuple(s.GetColor(0), s.GetColor(2), s.GetColor(3)),
              std::make_tuple(0x80FF0000u, 0xFF00FF00u, 0x80FF0000u));
    s.SetZ(0.25f);
    s.SetZ(0.75f, 1);
    expectNear({s.GetZ(0), s.GetZ(1)}, {0.25f, 0.75f}, 0);

    // A texture handle that does not exist cuts in units of 1; a blank
    // sprite draws untextured.
    hgeSprite unknown(9999, 2, 2, 4, 4);
    expectNear({unknown.quad.v[0].tx, unknown.quad.v[2].ty}, {2, 6}, 0);
    hgeSprite blank(0, 0, 0, 32, 32);
    auto quads = quadsOf([&] { blank.Render(10, 10); });
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].tex, 0u);
    expectNear(corners(quads[0]), {10, 10, 42, 10, 42, 42, 10, 42});
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
    // Used boxes: they are replaced, not widened. The plain forms come first.
    std::vector<hgeRect> boxes(std::size(cases) + 1, hgeRect(0, 0, 1, 1));
    auto quads = quadsOf([&] {
        s.Render(100, 50);
        for (size_t i = 0; i < std::size(cases); ++i) {
            s.RenderEx(100, 50, cases[i][0], cases[i][1], cases[i][2]);
            s.GetBoundingBoxEx(100, 50, cases[i][0], cases[i][1], cases[i][2], &boxes[i + 1]);
        }
    });
    s.GetBoundingBox(100, 50, &boxes[0]);
    ASSERT_EQ(quads.size(), boxes.size());
    EXPECT_EQ(quads[0].tex, m_tex);
    for (size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE("quad " + std::to_string(i));
        const float* c = cases[i == 0 ? 0 : i - 1] + 3;
        expectNear(corners(quads[i]), std::vector<float>(c, c + 8));
        auto [x1, x2] = std::minmax({c[0], c[2], c[4], c[6]});
        auto [y1, y2] = std::minmax({c[1], c[3], c[5], c[7]});
        expectNear({boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2}, {x1, y1, x2, y2});
    }
}

TEST_F(HgeSpriteTest, FlipsSwapTextureCoordinatesAndMayMirrorTheHotSpot) {
    hgeSprite s(m_tex, 8, 4, 16, 8);
    s.SetHotSpot(4, 2);
    // Mirrored within its own box: the hot spot stays.
    s.SetFlip(true, false, false);
    expectUV(s, 24, 4, 8, 12);
    EXPECT_FLOAT_EQ(s.hotX, 4);
    bool fx = false, fy = true;
    s.GetFlip(&fx, &fy);
    EXPECT_EQ(std::make_pair(fx, fy), std::make_pair(true, false));

    // Mirrored about the hot spot: it moves to the mirrored point, and the
    // image keeps the hot spot's texel, u (8 + 4) / 64, at the render position.
    s.SetFlip(true, true, true);
    expectNear({s.hotX, s.hotY}, {12, 6}, 0);
    expectUV(s, 24, 12, 8, 4);
    const hgeQuad q = quadsOf([&] { s.Render(100, 50); }).at(0);
    float u = q.v[0].tx + (q.v[1].tx - q.v[0].tx) * (100 - q.v[0].x) / (q.v[1].x - q.v[0].x);
    EXPECT_NEAR(u, 12 / 64.f, 1e-6f);

    // Unflipping restores the hot spot and the coordinates.
    s.SetFlip(false, false, true);
    expectNear({s.hotX, s.hotY}, {4, 2}, 0);
    expectUV(s, 8, 4, 24, 12);
    // Switching the hot spot mode alone on an unflipped sprite changes nothing.
    s.SetFlip(false, false, false);
    EXPECT_FLOAT_EQ(s.hotX, 4);

    // Flips survive a new texture rectangle, and a hot spot mirrored about
    // the old width follows the new width.
    hgeSprite h(m_tex, 0, 0, 16, 8);
    h.SetHotSpot(4, 0);
    h.SetFlip(true, false, true);
    EXPECT_FLOAT_EQ(h.hotX, 12);
    h.SetTextureRect(32, 0, 32, 16);
    expectUV(h, 64, 0, 32, 16);
    EXPECT_FLOAT_EQ(h.hotX, 28);
    h.SetFlip(false, false, true);
    EXPECT_FLOAT_EQ(h.hotX, 4);
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
    EXPECT_EQ(hgeCreate(HGE_VERSION), m_hge);
    m_hge->Release();
    EXPECT_NE(engine::HgeImpl::current(), nullptr);
}
