// Text measuring with the real fontstash and Roboto.
#include <fontstash.h>
#include <gtest/gtest.h>

#include <cstring>

#include "recording.h"
#include "sclay.h"
#include "sclay_state.h"

namespace {

class Measure : public ::testing::Test {
protected:
    void SetUp() override {
        start_graphics();
        bytes = roboto_bytes();
        ASSERT_GT(bytes.size(), 100000u);
        fonts[0] = sclay_add_font_mem(bytes.data(), (int)bytes.size());
        ASSERT_GE(fonts[0], 0);
    }
    void TearDown() override { stop_graphics(); }

    Clay_Dimensions measure(const char* s, uint16_t size = 20, uint16_t spacing = 0, void* user = nullptr) {
        Clay_TextElementConfig config = {};
        config.fontId = 0;
        config.fontSize = size;
        config.letterSpacing = spacing;
        config.lineHeight = 99;  // not read
        Clay_StringSlice slice = {(int32_t)strlen(s), s, s};
        return sclay_measure_text(slice, &config, user ? user : fonts);
    }

    std::vector<unsigned char> bytes;
    int fonts[1] = {-1};
};

TEST_F(Measure, HeightIsTheFontSizeWhateverTheText) {
    for (const char* s : {"", "x", "Hg", "192.168.0.1", "ÄÖü", "   "}) {
        EXPECT_NEAR(measure(s).height, 20.0f, 1e-3f) << s;
        EXPECT_NEAR(measure(s, 33).height, 33.0f, 1e-3f) << s;
    }
    EXPECT_EQ(measure("").width, 0.0f);
}

TEST_F(Measure, WidthIsTheAdvanceOfTheSliceOnly) {
    // A space has an advance but no glyph box.
    EXPECT_GT(measure(" ").width, 3.0f);
    const char* s = "Start Stop";
    Clay_TextElementConfig config = {};
    config.fontSize = 20;
    float whole = measure(s).width;
    float start = sclay_measure_text({5, s, s}, &config, fonts).width;
    float stop = sclay_measure_text({4, s + 6, s}, &config, fonts).width;
    EXPECT_EQ(start, measure("Start").width);
    EXPECT_EQ(stop, measure("Stop").width);
    EXPECT_GT(whole, start + stop);
    EXPECT_NEAR(measure("Start", 40).width, 2 * start, 2.0f);
}

TEST_F(Measure, LetterSpacingWidensEachGlyph) {
    float plain = measure("abcd").width;
    float spaced = measure("abcd", 20, 3).width;
    // fontstash adds the spacing between glyphs: three gaps in four letters.
    EXPECT_NEAR(spaced - plain, 3 * 3.0f, 1.0f);
}

TEST_F(Measure, SameResultAtEveryScale) {
    Clay_Dimensions one = measure("Ostrelle 10.0.0.1");
    sclay_set_layout_dimensions({800, 600}, 2.0f);
    Clay_Dimensions two = measure("Ostrelle 10.0.0.1");
    EXPECT_EQ(one.width, two.width);
    EXPECT_EQ(one.height, two.height);
}

TEST_F(Measure, NullUserDataMeasuresNothingAndLeavesFontstashAlone) {
    measure("abc", 30);
    Clay_TextElementConfig config = {};
    config.fontSize = 10;
    config.fontId = 7;  // would be past the table
    const char* s = "abc";
    Clay_Dimensions d = sclay_measure_text({3, s, s}, &config, nullptr);
    EXPECT_EQ(d.width, 0.0f);
    EXPECT_EQ(d.height, 0.0f);
    float asc = 0, desc = 0, lh = 0;
    fonsVertMetrics(sclay_state.font_context, &asc, &desc, &lh);
    EXPECT_NEAR(asc - desc, 30.0f, 1e-3f);
}

TEST_F(Measure, AFontThatFailedToLoadMeasuresZero) {
    int bad[1] = {sclay_add_font("/nonexistent/font.ttf")};
    EXPECT_EQ(bad[0], FONS_INVALID);
    Clay_Dimensions d = measure("abc", 20, 0, bad);
    EXPECT_EQ(d.width, 0.0f);
    EXPECT_EQ(d.height, 0.0f);
    // A file font works as the memory one does.
    int good[1] = {sclay_add_font(roboto_path().c_str())};
    ASSERT_GE(good[0], 0);
    EXPECT_NE(good[0], fonts[0]);
    EXPECT_EQ(measure("abc", 20, 0, good).width, measure("abc").width);
}

}  // namespace
