// The fontstash renderer on the recording build: the real fontstash with
// its atlas in memory, glyph quads recorded as sokol_gl vertices.
#include <math.h>

#include <fontstash.h>

#include "record_fixture.h"
#include "sokol_fontstash.h"

namespace {

const char* font_path = "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Regular.ttf";

class font_renderer : public recorded_frame {
protected:
    void SetUp() override {
        recorded_frame::SetUp();
        sfons_desc_t d = {};
        fons = sfons_create(&d);
        ASSERT_NE(fons, nullptr);
        font = fonsAddFont(fons, "", font_path, 0);
        ASSERT_GE(font, 0);
        fonsSetFont(fons, font);
        fonsSetSize(fons, 20.0f);
        fonsSetAlign(fons, FONS_ALIGN_LEFT | FONS_ALIGN_TOP);
        srec_clear();
    }
    void TearDown() override {
        sfons_destroy(fons);
        recorded_frame::TearDown();
    }
    FONScontext* fons = nullptr;
    int font = -1;
};

}  // namespace

TEST_F(font_renderer, zero_description_gives_a_512_atlas_and_top_left_origin) {
    int w = 0, h = 0;
    fonsGetAtlasSize(fons, &w, &h);
    EXPECT_EQ(w, 512);
    EXPECT_EQ(h, 512);
    // Top-left origin: text aligned to its top at y = 30 extends downward.
    fonsDrawText(fons, 10.0f, 30.0f, "Hg", nullptr);
    auto v = log_of(SREC_VERTEX);
    ASSERT_FALSE(v.empty());
    float miny = 1e9f, maxy = -1e9f;
    for (const srec_call& c : v) {
        miny = fminf(miny, c.f[1]);
        maxy = fmaxf(maxy, c.f[1]);
    }
    EXPECT_GE(miny, 30.0f - 1.0f) << "glyph quads carry one pixel of padding";
    EXPECT_LE(maxy, 50.0f + 1.0f);
    EXPECT_GT(maxy, 45.0f) << "the descender of g reaches towards the line's bottom";
}

TEST_F(font_renderer, text_is_one_textured_triangle_list_in_its_own_pipeline) {
    fonsSetColor(fons, sfons_rgba(255, 0, 0, 128));
    fonsDrawText(fons, 10.0f, 30.0f, "Ost relle", nullptr);
    std::vector<srec_kind> k = kinds();
    ASSERT_GE(k.size(), 10u);
    EXPECT_EQ(k[0], SREC_ENABLE_TEXTURE);
    EXPECT_EQ(k[1], SREC_TEXTURE);
    EXPECT_EQ(k[2], SREC_PUSH_PIPELINE);
    EXPECT_EQ(k[3], SREC_LOAD_PIPELINE);
    EXPECT_EQ(k[4], SREC_BEGIN);
    EXPECT_EQ(srec_get(4).i[0], SREC_PRIM_TRIANGLES);
    EXPECT_EQ(k[k.size() - 3], SREC_END);
    EXPECT_EQ(k[k.size() - 2], SREC_POP_PIPELINE);
    EXPECT_EQ(k.back(), SREC_DISABLE_TEXTURE) << "texturing is off again after text";
    EXPECT_NE(srec_get(1).u[0], 0u) << "the atlas view is bound";
    EXPECT_NE(srec_get(3).u[0], 0u);
    auto v = log_of(SREC_VERTEX);
    EXPECT_EQ(v.size(), 6u * 9u) << "two triangles per character";
    for (const srec_call& c : v) {
        EXPECT_FLOAT_EQ(c.f[4], 1.0f);
        EXPECT_FLOAT_EQ(c.f[7], 128.0f / 255.0f);
        EXPECT_TRUE(c.f[2] >= 0.0f && c.f[2] <= 1.0f && c.f[3] >= 0.0f && c.f[3] <= 1.0f);
    }
}

TEST_F(font_renderer, flush_uploads_the_atlas_only_after_new_glyphs) {
    fonsDrawText(fons, 0.0f, 0.0f, "abc", nullptr);
    sfons_flush(fons);
    sfons_flush(fons);
    fonsDrawText(fons, 0.0f, 0.0f, "cab", nullptr);   // same glyphs: nothing new
    sfons_flush(fons);
    fonsDrawText(fons, 0.0f, 0.0f, "xyz", nullptr);
    sfons_flush(fons);
    auto f = log_of(SREC_SFONS_FLUSH);
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[0].i[0], 1);
    EXPECT_EQ(f[1].i[0], 0);
    EXPECT_EQ(f[2].i[0], 0);
    EXPECT_EQ(f[3].i[0], 1);
    int w = 0, h = 0;
    const unsigned char* atlas = fonsGetTextureData(fons, &w, &h);
    int ink = 0;
    for (int i = 0; i < w * h; i++) ink += atlas[i] > 0;
    EXPECT_GT(ink, 100) << "the glyphs are rasterised into the atlas in memory";
}

TEST_F(font_renderer, measuring_works_without_gl) {
    float asc = 0, desc = 0, lh = 0;
    fonsVertMetrics(fons, &asc, &desc, &lh);
    EXPECT_NEAR(asc - desc, 20.0f, 1e-3);
    float adv = fonsTextBounds(fons, 0.0f, 0.0f, "Hello", nullptr, nullptr);
    EXPECT_GT(adv, 40.0f);
    EXPECT_LT(adv, 60.0f);
    EXPECT_EQ(srec_count(), 0) << "measuring draws nothing";
}

TEST(sokol_fontstash, rgba_packs_red_into_the_lowest_byte) {
    EXPECT_EQ(sfons_rgba(0x11, 0x22, 0x33, 0x44), 0x44332211u);
}
