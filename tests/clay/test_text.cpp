// Text: word wrapping and the measurement cache.
#include <cstring>

#include "clay_test_support.h"

using clay_text = clay_fixture;

namespace {

std::vector<std::string> lines_in_box(float width, Clay_String text, Clay_TextElementConfigWrapMode wrap,
                                      std::vector<Clay_RenderCommand> *out = nullptr) {
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Box"), .layout = {.sizing = {CLAY_SIZING_FIT(width, width), CLAY_SIZING_FIT(0)}, .layoutDirection = CLAY_TOP_TO_BOTTOM},
          .backgroundColor = opaque()}) {
        CLAY_TEXT(text, text_config(wrap));
    }
    auto commands = end_layout();
    std::vector<std::string> lines;
    for (auto *t : texts_of(commands)) lines.push_back(text_of(*t));
    if (out) *out = commands;
    return lines;
}

}  // namespace

TEST_F(clay_text, wide_enough_text_is_one_command_with_the_whole_string) {
    std::vector<Clay_RenderCommand> commands;
    auto lines = lines_in_box(400, CLAY_STRING("Select audio device:"), CLAY_TEXT_WRAP_WORDS, &commands);
    EXPECT_EQ(lines, std::vector<std::string>{"Select audio device:"});
    auto texts = texts_of(commands);
    EXPECT_FLOAT_EQ(texts[0]->boundingBox.width, 200);
    EXPECT_FLOAT_EQ(box_of(commands, CLAY_ID("Box")).height, 20);
}

TEST_F(clay_text, narrow_container_wraps_at_word_boundaries) {
    std::vector<Clay_RenderCommand> commands;
    auto lines = lines_in_box(120, CLAY_STRING("Select audio device:"), CLAY_TEXT_WRAP_WORDS, &commands);
    EXPECT_EQ(lines, (std::vector<std::string>{"Select audio", "device:"}));
    auto texts = texts_of(commands);
    expect_box(texts[0]->boundingBox, 0, 0, 120, 20);
    expect_box(texts[1]->boundingBox, 0, 20, 70, 20);
    EXPECT_FLOAT_EQ(box_of(commands, CLAY_ID("Box")).height, 40);
    // A word wider than the container stands alone on its line.
    EXPECT_EQ(lines_in_box(30, CLAY_STRING("Select audio device:"), CLAY_TEXT_WRAP_WORDS),
              (std::vector<std::string>{"Select", "audio", "device:"}));
}

TEST_F(clay_text, newlines_break_in_words_and_newlines_modes_only) {
    EXPECT_EQ(lines_in_box(400, CLAY_STRING("one\ntwo three"), CLAY_TEXT_WRAP_WORDS), (std::vector<std::string>{"one", "two three"}));
    EXPECT_EQ(lines_in_box(40, CLAY_STRING("one\ntwo three"), CLAY_TEXT_WRAP_NEWLINES),
              (std::vector<std::string>{"one", "two three"}));
    EXPECT_EQ(lines_in_box(40, CLAY_STRING("two three"), CLAY_TEXT_WRAP_NONE), std::vector<std::string>{"two three"});
}

TEST_F(clay_text, a_single_space_keeps_the_height_of_a_line) {
    std::vector<Clay_RenderCommand> commands;
    auto lines = lines_in_box(400, CLAY_STRING(" "), CLAY_TEXT_WRAP_WORDS, &commands);
    EXPECT_EQ(lines, std::vector<std::string>{" "});
    EXPECT_FLOAT_EQ(box_of(commands, CLAY_ID("Box")).height, 20);
}

TEST_F(clay_text, static_string_is_measured_once_across_frames) {
    for (int frame = 0; frame < 3; ++frame) lines_in_box(400, CLAY_STRING("Start"), CLAY_TEXT_WRAP_WORDS);
    EXPECT_EQ(count_measured("Start"), 1);
    // Static strings are keyed on their address: the same characters elsewhere are new.
    static const char elsewhere[] = "Start";
    lines_in_box(400, Clay_String{true, 5, elsewhere}, CLAY_TEXT_WRAP_WORDS);
    EXPECT_EQ(count_measured("Start"), 2);
}

TEST_F(clay_text, non_static_text_changed_in_place_is_measured_anew) {
    char buffer[8] = "10.0";
    auto frame = [&] { lines_in_box(400, Clay_String{false, (int32_t)std::strlen(buffer), buffer}, CLAY_TEXT_WRAP_WORDS); };
    frame();
    frame();
    EXPECT_EQ(count_measured("10.0"), 1);
    buffer[3] = '5';
    frame();
    EXPECT_EQ(count_measured("10.5"), 1);
    // Keyed on characters: another buffer with the same text hits the cache.
    char copy[8] = "10.5";
    lines_in_box(400, Clay_String{false, 4, copy}, CLAY_TEXT_WRAP_WORDS);
    EXPECT_EQ(count_measured("10.5"), 1);
}

TEST_F(clay_text, reset_measure_text_cache_measures_again) {
    lines_in_box(400, CLAY_STRING("Stop"), CLAY_TEXT_WRAP_WORDS);
    Clay_ResetMeasureTextCache();
    lines_in_box(400, CLAY_STRING("Stop"), CLAY_TEXT_WRAP_WORDS);
    EXPECT_EQ(count_measured("Stop"), 2);
}

TEST_F(clay_text, frames_of_different_texts_do_not_fill_the_cache) {
    // Each frame measures 10,000 new words; stale ones must make room.
    std::vector<std::string> words(20000);
    for (size_t i = 0; i < words.size(); ++i) words[i] = "w" + std::to_string(i);
    for (int frame = 0; frame < 2; ++frame) {
        Clay_BeginLayout();
        CLAY({.layout = {.layoutDirection = CLAY_TOP_TO_BOTTOM}}) {
            for (int i = 0; i < 10000; ++i) {
                const std::string &w = words[(size_t)(frame * 10000 + i)];
                CLAY_TEXT((Clay_String{false, (int32_t)w.size(), w.data()}), text_config());
            }
        }
        end_layout();
    }
    EXPECT_EQ(count_errors(CLAY_ERROR_TYPE_TEXT_MEASUREMENT_CAPACITY_EXCEEDED), 0);
}

TEST_F(clay_text, a_full_cache_is_reported_and_text_still_laid_out) {
    // 1,000 texts of 20 words each: 20,000 words in one frame.
    std::vector<std::string> texts(1000);
    for (size_t i = 0; i < texts.size(); ++i)
        for (int w = 0; w < 20; ++w) texts[i] += "t" + std::to_string(i) + "w" + std::to_string(w) + " ";
    Clay_BeginLayout();
    CLAY({.layout = {.layoutDirection = CLAY_TOP_TO_BOTTOM}}) {
        for (const auto &t : texts) CLAY_TEXT((Clay_String{false, (int32_t)t.size(), t.data()}), text_config(CLAY_TEXT_WRAP_NONE));
    }
    auto commands = end_layout();
    EXPECT_EQ(count_errors(CLAY_ERROR_TYPE_TEXT_MEASUREMENT_CAPACITY_EXCEEDED), 1);
    auto drawn = texts_of(commands);
    ASSERT_EQ(drawn.size(), texts.size());
    EXPECT_EQ(text_of(*drawn.back()), texts.back());
    EXPECT_FLOAT_EQ(drawn.back()->boundingBox.width, glyph_width * (float)texts.back().size());
}
