// A fresh layout context per test, a measuring function with fixed glyph
// metrics that records what it measured, and an error handler that records
// what it was told.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clay.h"

// Every byte measures 10 wide; every line 20 high.
constexpr float glyph_width = 10.0f;
constexpr float line_height = 20.0f;

struct clay_fixture : ::testing::Test {
    std::vector<char> memory;
    std::vector<std::string> measured;
    std::vector<Clay_ErrorData> errors;
    Clay_Context *context = nullptr;

    void SetUp() override { init(400, 300); }
    void init(float width, float height);
    int count_errors(Clay_ErrorType type) const;
    int count_measured(const std::string &text) const;
};

// Ends the current layout and returns its commands as a vector.
std::vector<Clay_RenderCommand> end_layout();
// The box of the element with this id in the last completed layout, found
// through its rectangle command (the element needs a background).
Clay_BoundingBox box_of(const std::vector<Clay_RenderCommand> &commands, Clay_ElementId id);
std::vector<const Clay_RenderCommand *> texts_of(const std::vector<Clay_RenderCommand> &commands);
std::string text_of(const Clay_RenderCommand &command);

inline Clay_Color opaque() { return Clay_Color{1, 2, 3, 255}; }
inline Clay_TextElementConfig *text_config(Clay_TextElementConfigWrapMode wrap = CLAY_TEXT_WRAP_WORDS) {
    return CLAY_TEXT_CONFIG({.textColor = {0, 0, 0, 255}, .fontId = 0, .fontSize = 20, .wrapMode = wrap});
}

inline void expect_box(Clay_BoundingBox b, float x, float y, float w, float h) {
    EXPECT_FLOAT_EQ(b.x, x);
    EXPECT_FLOAT_EQ(b.y, y);
    EXPECT_FLOAT_EQ(b.width, w);
    EXPECT_FLOAT_EQ(b.height, h);
}
