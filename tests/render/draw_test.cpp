// Drawing of render commands, observed through the recording sokol build.
#include <fontstash.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "recording.h"
#include "sclay.h"
#include "sokol_gl.h"

namespace {

class Draw : public ::testing::Test {
protected:
    void SetUp() override {
        start_graphics();
        sclay_set_layout_dimensions({400.0f, 300.0f}, 1.0f);
        srec_clear();
    }
    void TearDown() override { stop_graphics(); }

    // As the frame callback does: identity first, then the commands; the log
    // then holds the bridge's calls only.
    void render(std::vector<Clay_RenderCommand> cmds, const int* fonts = nullptr) {
        sgl_matrix_mode_modelview();
        sgl_load_identity();
        srec_clear();
        Clay_RenderCommandArray array = {(int32_t)cmds.size(), (int32_t)cmds.size(), cmds.data()};
        sclay_render(array, fonts);
    }
};

Clay_RenderCommand rect(Clay_BoundingBox box, Clay_CornerRadius radius, Clay_Color color = {255, 0, 0, 255}) {
    Clay_RenderCommand c = {};
    c.commandType = CLAY_RENDER_COMMAND_TYPE_RECTANGLE;
    c.boundingBox = box;
    c.renderData.rectangle.backgroundColor = color;
    c.renderData.rectangle.cornerRadius = radius;
    return c;
}

Clay_RenderCommand border(Clay_BoundingBox box, Clay_CornerRadius radius, Clay_BorderWidth width) {
    Clay_RenderCommand c = {};
    c.commandType = CLAY_RENDER_COMMAND_TYPE_BORDER;
    c.boundingBox = box;
    c.renderData.border.color = {0, 0, 255, 128};
    c.renderData.border.cornerRadius = radius;
    c.renderData.border.width = width;
    return c;
}

Clay_RenderCommand text(const char* s, float x, float y, Clay_Color color, uint16_t font_id = 0) {
    Clay_RenderCommand c = {};
    c.commandType = CLAY_RENDER_COMMAND_TYPE_TEXT;
    c.boundingBox = {x, y, 100, 24};
    c.renderData.text.stringContents = {(int32_t)strlen(s), s, s};
    c.renderData.text.textColor = color;
    c.renderData.text.fontId = font_id;
    c.renderData.text.fontSize = 20;
    return c;
}

// What every frame records around its commands.
const std::vector<srec_kind> frame_prologue = {SREC_MATRIX_MODE_MODELVIEW, SREC_TRANSLATE, SREC_SCALE,
                                               SREC_DISABLE_TEXTURE, SREC_PUSH_PIPELINE, SREC_LOAD_PIPELINE};
const std::vector<srec_kind> frame_epilogue = {SREC_POP_PIPELINE, SREC_SFONS_FLUSH};

std::vector<srec_kind> framed(std::vector<srec_kind> body) {
    std::vector<srec_kind> all = frame_prologue;
    all.insert(all.end(), body.begin(), body.end());
    all.insert(all.end(), frame_epilogue.begin(), frame_epilogue.end());
    return all;
}

void expect_points(const std::vector<vec2>& got, const std::vector<vec2>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); i++) {
        EXPECT_FLOAT_EQ(got[i].x, want[i].x) << "vertex " << i;
        EXPECT_FLOAT_EQ(got[i].y, want[i].y) << "vertex " << i;
    }
}

std::vector<vec2> rect_points(float x, float y, float w, float h) {
    return {{x, y}, {x, y}, {x + w, y}, {x, y + h}, {x + w, y + h}, {x + w, y + h}};
}

TEST_F(Draw, EmptyArraySetsUpTheFrameAndFlushesOnly) {
    render({});
    ASSERT_EQ(recorded_kinds(), framed({}));
    EXPECT_NE(recorded()[5].u[0], 0u);  // the bridge's own pipeline
}

TEST_F(Draw, LayoutTransformMapsCornersToClipSpace) {
    render({rect({0, 0, 400, 300}, {})});
    auto log = recorded();
    for (const srec_call& c : log) {
        if (c.kind != SREC_VERTEX) continue;
        EXPECT_FLOAT_EQ(c.f[8], c.f[0] / 200.0f - 1.0f);
        EXPECT_FLOAT_EQ(c.f[9], 1.0f - c.f[1] / 150.0f);
    }
}

TEST_F(Draw, ZeroLayoutSizeDrawsNothing) {
    sclay_set_layout_dimensions({0.0f, 300.0f}, 1.0f);
    srec_clear();
    render({rect({0, 0, 10, 10}, {})});
    EXPECT_EQ(srec_count(), 0);
}

TEST_F(Draw, CommandsWithoutADrawingActionRecordNothing) {
    std::vector<Clay_RenderCommand> cmds;
    for (int type : {0, 4, 7, 8, 200}) {
        Clay_RenderCommand c = rect({1, 2, 3, 4}, {1, 1, 1, 1});
        c.commandType = (Clay_RenderCommandType)type;
        cmds.push_back(c);
    }
    render(cmds);
    EXPECT_EQ(recorded_kinds(), framed({}));
}

TEST_F(Draw, SquareBoxIsTwoEmptyColumnsAndTheCentre) {
    render({rect({10, 20, 30, 40}, {}, {255, 127.5f, 0, 51})});
    auto log = recorded();
    ASSERT_EQ(log[6].kind, SREC_COLOR);
    EXPECT_FLOAT_EQ(log[6].f[0], 1.0f);
    EXPECT_FLOAT_EQ(log[6].f[1], 0.5f);
    EXPECT_FLOAT_EQ(log[6].f[2], 0.0f);
    EXPECT_FLOAT_EQ(log[6].f[3], 0.2f);
    ASSERT_EQ(log[7].kind, SREC_BEGIN);
    EXPECT_EQ(log[7].i[0], SREC_PRIM_TRIANGLE_STRIP);
    std::vector<vec2> want = rect_points(10, 20, 0, 40);
    for (auto p : rect_points(40, 20, 0, 40)) want.push_back(p);
    for (auto p : rect_points(10, 20, 30, 40)) want.push_back(p);
    expect_points(strip_at(log, 0), want);
}

TEST_F(Draw, OneRoundCornerStillEmitsBothTopCorners) {
    render({rect({10, 20, 30, 40}, {5, 0, 0, 0})});
    auto strip = strip_at(recorded(), 0);
    ASSERT_EQ(strip.size(), 34u + 34u + 6u + 6u + 6u + 6u);
    // Top-left fan: centre (15, 25) and the arc from (10, 25) up to (15, 20).
    EXPECT_AT(strip[0], 15, 25);
    EXPECT_AT(strip[2], 10, 25);
    EXPECT_AT(strip[33], 15, 20);
    for (int i = 34; i < 68; i++) {
        EXPECT_FLOAT_EQ(strip[i].x, 40) << i;
        EXPECT_FLOAT_EQ(strip[i].y, 20) << i;
    }
    // Then the top band, which reaches down to tl.
    expect_points({strip.begin() + 68, strip.begin() + 74}, rect_points(15, 20, 25, 5));
}

// Arc points go 6 degrees apart: sin/cos of 6i from the table, checked
// against the library's trigonometry.
TEST_F(Draw, ArcPointsFollowSixDegreeSteps) {
    render({rect({0, 0, 100, 100}, {0, 0, 0, 40})});
    auto strip = strip_at(recorded(), 0);
    // Bottom pair starts after nothing on top; the bottom-right fan is second.
    const vec2 c = {60, 60};
    for (int i = 0; i < 16; i++) {
        vec2 a = strip[34 + 2 + 2 * i];
        double rad = i * 6.0 * M_PI / 180.0;
        EXPECT_NEAR(a.x, c.x + 40 * std::cos(rad), 4e-5) << i;
        EXPECT_NEAR(a.y, c.y + 40 * std::sin(rad), 4e-5) << i;
        EXPECT_FLOAT_EQ(strip[34 + 1 + 2 * i].x, c.x);
    }
}

struct radii_case {
    float tl, tr, bl, br;
    size_t vertices;
};

class BoxCoverage : public Draw, public ::testing::WithParamInterface<radii_case> {};

// The triangles cover the box less its corner cut-outs exactly once. Points
// within a hair of an arc are left out: the arc is a 16-point polygon.
TEST_P(BoxCoverage, CoversTheRoundedBoxExactlyOnce) {
    const radii_case rc = GetParam();
    const float x = 7, y = 11, w = 50, h = 40;
    render({rect({x, y, w, h}, {rc.tl, rc.tr, rc.bl, rc.br})});
    auto strip = strip_at(recorded(), 0);
    EXPECT_EQ(strip.size(), rc.vertices);

    struct corner {
        float cx, cy, r;
        float sx, sy;  // direction from the centre towards the corner
    };
    const corner corners[4] = {{x + rc.tl, y + rc.tl, rc.tl, -1, -1},
                               {x + w - rc.tr, y + rc.tr, rc.tr, 1, -1},
                               {x + rc.bl, y + h - rc.bl, rc.bl, -1, 1},
                               {x + w - rc.br, y + h - rc.br, rc.br, 1, 1}};
    int checked = 0;
    for (float py = y - 2.13f; py < y + h + 2; py += 0.5f) {
        for (float px = x - 2.07f; px < x + w + 2; px += 0.5f) {
            bool inside = px > x && px < x + w && py > y && py < y + h;
            bool near_arc = false;
            for (const corner& k : corners) {
                if (k.r <= 0) continue;
                float dx = px - k.cx, dy = py - k.cy;
                if (dx * k.sx <= 0 || dy * k.sy <= 0) continue;
                float dist = std::sqrt(dx * dx + dy * dy);
                if (std::fabs(dist - k.r) < 0.02f * k.r + 0.01f) near_arc = true;
                if (dist > k.r) inside = false;
            }
            if (near_arc) continue;
            checked++;
            ASSERT_EQ(strip_coverage(strip, {px, py}), inside ? 1 : 0) << "at " << px << ", " << py;
        }
    }
    EXPECT_GT(checked, 8000);
}

INSTANTIATE_TEST_SUITE_P(Radii, BoxCoverage,
                         // Each of the four cases of each column, in some pairing.
                         ::testing::Values(radii_case{8, 3, 2, 6, 178}, radii_case{3, 8, 6, 2, 178},
                                           radii_case{2, 2, 6, 3, 166}, radii_case{8, 8, 5, 2, 172},
                                           radii_case{8, 8, 2, 5, 172}, radii_case{10, 10, 10, 10, 166},
                                           radii_case{5, 0, 0, 0, 92}, radii_case{0, 0, 0, 12, 98},
                                           radii_case{0, 0, 0, 0, 18}),
                         [](const ::testing::TestParamInfo<radii_case>& info) {
                             const radii_case& r = info.param;
                             return "tl" + std::to_string((int)r.tl) + "_tr" + std::to_string((int)r.tr) + "_bl" +
                                    std::to_string((int)r.bl) + "_br" + std::to_string((int)r.br);
                         });

TEST_F(Draw, SquareBorderIsFourSidesInOrder) {
    render({border({10, 20, 100, 50}, {}, {2, 3, 4, 5, 9})});
    auto log = recorded();
    ASSERT_EQ(log[6].kind, SREC_COLOR);
    EXPECT_FLOAT_EQ(log[6].f[2], 1.0f);
    EXPECT_FLOAT_EQ(log[6].f[3], 128.0f / 255.0f);
    std::vector<vec2> want = rect_points(10, 20, 2, 50);
    for (auto p : rect_points(107, 20, 3, 50)) want.push_back(p);
    for (auto p : rect_points(10, 20, 100, 4)) want.push_back(p);
    for (auto p : rect_points(10, 65, 100, 5)) want.push_back(p);
    expect_points(strip_at(log, 0), want);
}

// With radii at least as wide as the sides, sides and rings meet without
// overlap, and the inside stays empty.
TEST_F(Draw, RoundBorderCoversItsRingOnce) {
    render({border({0, 0, 100, 60}, {10, 12, 8, 10}, {4, 6, 3, 5, 0})});
    auto strip = strip_at(recorded(), 0);
    ASSERT_EQ(strip.size(), 160u);
    for (float py = 0.13f; py < 60; py += 0.5f) {
        for (float px = 0.11f; px < 100; px += 0.5f) ASSERT_LE(strip_coverage(strip, {px, py}), 1);
    }
    EXPECT_EQ(strip_coverage(strip, {1, 30}), 1);     // left side
    EXPECT_EQ(strip_coverage(strip, {97, 30}), 1);    // right side
    EXPECT_EQ(strip_coverage(strip, {50, 1}), 1);     // top side
    EXPECT_EQ(strip_coverage(strip, {50, 58}), 1);    // bottom side
    EXPECT_EQ(strip_coverage(strip, {3.5f, 3.5f}), 1);  // top-left ring
    EXPECT_EQ(strip_coverage(strip, {95, 56}), 1);    // bottom-right ring
    EXPECT_EQ(strip_coverage(strip, {50, 30}), 0);    // inside
    EXPECT_EQ(strip_coverage(strip, {0.5f, 0.5f}), 0);  // outside the arc
}

TEST_F(Draw, BorderRingsNeedARadiusAndAMeetingWidth) {
    // Top-left: radius, no widths there; bottom-right: only the bottom width.
    render({border({0, 0, 100, 60}, {10, 0, 0, 10}, {0, 0, 0, 5, 0})});
    auto strip = strip_at(recorded(), 0);
    ASSERT_EQ(strip.size(), 6u + 34u);
    // Ring centre (90, 50); it tapers from nothing at the right side end
    // (100, 50) to the full bottom width at (90, 55)..(90, 60).
    const vec2* ring = strip.data() + 6;
    EXPECT_AT(ring[0], 100, 50);
    EXPECT_AT(ring[2], 100, 50);
    EXPECT_AT(ring[31], 90, 55);
    EXPECT_AT(ring[32], 90, 60);
    EXPECT_AT(ring[33], 90, 60);
}

TEST_F(Draw, BorderWiderThanItsRadiusIsNotClamped) {
    render({border({0, 0, 100, 60}, {2, 0, 0, 0}, {5, 0, 5, 0, 0})});
    auto strip = strip_at(recorded(), 0);
    ASSERT_EQ(strip.size(), 6u + 6u + 34u);
    // Centre (2, 2), inner radii 3: the inner arc lies beyond the centre.
    const vec2* ring = strip.data() + 12;
    EXPECT_AT(ring[0], 5, 2);
    EXPECT_AT(ring[31], 2, 5);
}

TEST_F(Draw, BetweenChildrenAloneLeavesAnEmptyStrip) {
    render({border({0, 0, 100, 60}, {4, 4, 4, 4}, {0, 0, 0, 0, 3})});
    EXPECT_EQ(recorded_kinds(), framed({SREC_COLOR, SREC_BEGIN, SREC_END}));
}

TEST_F(Draw, ScissorEndRestoresTheWholeWindowInPixels) {
    sclay_set_layout_dimensions({800.0f, 600.0f}, 2.0f);
    srec_clear();
    Clay_RenderCommand start = {}, inner = {}, end = {};
    start.commandType = CLAY_RENDER_COMMAND_TYPE_SCISSOR_START;
    start.boundingBox = {10, 20, 30, 40};
    inner = start;
    inner.boundingBox = {12, 22, 5, 6};
    end.commandType = CLAY_RENDER_COMMAND_TYPE_SCISSOR_END;
    end.boundingBox = {12, 22, 5, 6};
    render({start, inner, end, end});
    auto log = recorded();
    ASSERT_EQ(recorded_kinds(), framed({SREC_SCISSOR_RECT, SREC_SCISSOR_RECT, SREC_SCISSOR_RECT, SREC_SCISSOR_RECT}));
    const float want[4][4] = {{20, 40, 60, 80}, {24, 44, 10, 12}, {0, 0, 800, 600}, {0, 0, 800, 600}};
    for (int k = 0; k < 4; k++) {
        for (int j = 0; j < 4; j++) EXPECT_FLOAT_EQ(log[6 + k].f[j], want[k][j]) << k << "," << j;
        EXPECT_EQ(log[6 + k].i[0], 1);
    }
}

class DrawText : public Draw {
protected:
    void SetUp() override {
        Draw::SetUp();
        fonts[0] = sclay_add_font(roboto_path().c_str());
        ASSERT_GE(fonts[0], 0);
        srec_clear();
    }
    int fonts[1] = {-1};

    // Glyph vertices (position in clip space and colour) of the log.
    std::vector<srec_call> glyph_vertices() {
        std::vector<srec_call> out;
        for (const srec_call& c : recorded())
            if (c.kind == SREC_VERTEX) out.push_back(c);
        return out;
    }
};

TEST_F(DrawText, ColourComponentsTruncateToTheirLowByte) {
    render({text("Hi", 10, 30, {255.0f, 254.99f, 256.0f, 127.9f})}, fonts);
    auto glyphs = glyph_vertices();
    ASSERT_FALSE(glyphs.empty());
    for (const srec_call& v : glyphs) {
        EXPECT_FLOAT_EQ(v.f[4], 1.0f);
        EXPECT_FLOAT_EQ(v.f[5], 254.0f / 255.0f);
        EXPECT_FLOAT_EQ(v.f[6], 0.0f);
        EXPECT_FLOAT_EQ(v.f[7], 127.0f / 255.0f);
    }
}

TEST_F(DrawText, LandsInThePlaceAtScaleOneAndTwo) {
    auto first_glyph_box = [&](float d) {
        sclay_set_layout_dimensions({400.0f * d, 300.0f * d}, d);
        srec_clear();
        render({text("H", 10, 30, {0, 0, 0, 255})}, fonts);
        auto v = glyph_vertices();
        float box[4] = {1e9f, 1e9f, -1e9f, -1e9f};
        for (const srec_call& c : v) {
            // Back from clip space to layout units of a 400 x 300 window.
            float lx = (c.f[8] + 1.0f) * 200.0f, ly = (1.0f - c.f[9]) * 150.0f;
            box[0] = std::fmin(box[0], lx), box[1] = std::fmin(box[1], ly);
            box[2] = std::fmax(box[2], lx), box[3] = std::fmax(box[3], ly);
        }
        EXPECT_FALSE(v.empty());
        return std::vector<float>(box, box + 4);
    };
    auto one = first_glyph_box(1.0f);
    auto two = first_glyph_box(2.0f);
    // Quads carry a padding pixel and whole-pixel rounding at each raster size.
    for (int k = 0; k < 4; k++) EXPECT_NEAR(one[k], two[k], 2.0f) << k;
    // An "H" of size 20 starts near x 10 and its cap top below y 30.
    EXPECT_NEAR(one[0], 10.0f, 3.0f);
    EXPECT_GT(one[1], 28.0f);
    EXPECT_LT(one[3], 50.0f);
}

TEST_F(DrawText, SkippedWithoutAFontTableOrPastItsEnd) {
    render({text("Hi", 10, 30, {0, 0, 0, 255}), text("Hi", 10, 30, {0, 0, 0, 255}, 1)}, fonts);
    auto kinds = recorded_kinds();
    // Only the first text draws: one pushed matrix.
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), SREC_PUSH_MATRIX), 1);
    srec_clear();
    render({text("Hi", 10, 30, {0, 0, 0, 255})}, nullptr);
    EXPECT_EQ(recorded_kinds(), framed({}));
}

}  // namespace
