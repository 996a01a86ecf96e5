// The declared window: element boxes, colours, texts and their order.
#include "ui_fixture.h"

namespace {

bool same_colour(Clay_Color c, Clay_Color expected)
{
    return c.r == expected.r && c.g == expected.g && c.b == expected.b && c.a == expected.a;
}

TEST_F(window_layout, idle_window_shows_button_field_and_devices)
{
    set_ip(default_ip_text);
    frame(-50, -50, false);
    const Clay_RenderCommand* container = find("Container");
    expect_box(container, 0, 0, 400, 300);
    EXPECT_TRUE(same_colour(container->renderData.rectangle.backgroundColor, {255, 255, 255, 255}));
    expect_box(find("Container", 0, CLAY_RENDER_COMMAND_TYPE_SCISSOR_START), 0, 0, 400, 300);
    ASSERT_NE(find("Container", 0, CLAY_RENDER_COMMAND_TYPE_SCISSOR_END), nullptr);

    const Clay_RenderCommand* button = find("Button1");
    expect_box(button, 16, 16, 66, 36);
    EXPECT_TRUE(same_colour(button->renderData.rectangle.backgroundColor, {100, 100, 100, 255}));
    const Clay_RenderCommand* label = find_text("Start");
    expect_box(label, 24, 24, 50, 20);
    EXPECT_TRUE(same_colour(label->renderData.text.textColor, {255, 255, 255, 255}));
    EXPECT_EQ(label->renderData.text.fontId, 0);
    EXPECT_EQ(label->renderData.text.fontSize, 20);

    expect_box(find_text("IP Address:"), 16, 60, 110, 20);
    const Clay_RenderCommand* field = find("IP Input");
    expect_box(field, 16, 88, 368, 36);
    EXPECT_TRUE(same_colour(field->renderData.rectangle.backgroundColor, {210, 210, 210, 255}));
    expect_box(find_text("Select audio device:"), 16, 132, 200, 20);

    // One text per character of the address, then the labels and the device names.
    std::vector<std::string> expected = {"Start", "IP Address:"};
    for (const char* c = default_ip_text; *c; ++c) expected.emplace_back(1, *c);
    expected.insert(expected.end(), {"Select audio device:", "Speakers", "Null Output", "HDMI"});
    EXPECT_EQ(texts(), expected);
    for (const std::string& text : std::vector<std::string>(expected.begin() + 1, expected.end()))
        EXPECT_TRUE(same_colour(find_text(text)->renderData.text.textColor, {0, 0, 0, 255})) << text;
    EXPECT_EQ(find("IP Input Cursor"), nullptr);

    for (uint32_t row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        float y = 160 + 28.0f * row;
        expect_box(find("Device Checkbox", row), 16, y, 20, 20);
    }
    expect_box(find_text("Null Output"), 44, 188, 110, 20);
    expect_box(find("Device Check", 0), 21, 165, 10, 10);
    EXPECT_EQ(find("Device Check", 1), nullptr);
}

TEST_F(window_layout, cursor_stands_before_the_character_at_its_index)
{
    ip_focused = 1;
    for (int32_t cursor : {0, 3, 8}) {
        SCOPED_TRACE(cursor);
        ip_cursor = cursor;
        frame(-50, -50, false);
        expect_box(find("IP Input Cursor"), 24 + 10.0f * cursor, 96, 2, 20);
        EXPECT_TRUE(same_colour(find("IP Input Cursor")->renderData.rectangle.backgroundColor, {100, 100, 100, 255}));
        // Characters before the cursor keep their place; those after move by its width.
        int k = 0;
        for (int32_t i = 0; i < commands.length; ++i) {
            const Clay_RenderCommand& c = commands.internalArray[i];
            if (c.commandType != CLAY_RENDER_COMMAND_TYPE_TEXT || c.boundingBox.y != 96) continue;
            EXPECT_FLOAT_EQ(c.boundingBox.x, 24 + 10.0f * k + (k >= cursor ? 2 : 0)) << k;
            ++k;
        }
        EXPECT_EQ(k, 8);
    }
    ip_cursor = 9;
    frame(-50, -50, false);
    EXPECT_EQ(find("IP Input Cursor"), nullptr) << "a cursor past the end is not drawn";
    ip_cursor = -1;
    frame(-50, -50, false);
    EXPECT_EQ(find("IP Input Cursor"), nullptr);
}

TEST_F(window_layout, empty_field_keeps_one_line_with_a_placeholder)
{
    set_ip("");
    frame(-50, -50, false);
    expect_box(find("IP Input"), 16, 88, 368, 36);
    const Clay_RenderCommand* placeholder = find_text(" ");
    expect_box(placeholder, 24, 96, 10, 20);
    EXPECT_EQ(find("IP Input Cursor"), nullptr);

    // A press on the placeholder acts only as one on the field: cursor at the end.
    press(29, 106);
    EXPECT_EQ(ip_focused, 1);
    EXPECT_EQ(ip_cursor, 0);
    expect_box(find("IP Input Cursor"), 24, 96, 2, 20);
    expect_box(find_text(" "), 26, 96, 10, 20);
}

TEST_F(window_layout, streaming_shows_only_the_stop_button)
{
    is_streaming = 1;
    frame(-50, -50, false);
    EXPECT_EQ(texts(), std::vector<std::string>{"Stop"});
    expect_box(find("Button1"), 16, 16, 56, 36);
    EXPECT_EQ(find("IP Input"), nullptr);
    EXPECT_EQ(find("Device Checkbox", 0), nullptr);
    is_streaming = 0;
}

TEST_F(window_layout, a_selected_row_outside_the_list_marks_nothing)
{
    for (int32_t selected : {-1, 3, 1000}) {
        selected_device = selected;
        frame(-50, -50, false);
        for (uint32_t row = 0; row < 3; ++row) EXPECT_EQ(find("Device Check", row), nullptr);
        ASSERT_NE(find("Device Checkbox", 2), nullptr);
    }
}

TEST_F(window_layout, the_button_lightens_under_the_pointer)
{
    frame(30, 30, false);
    frame(30, 30, false);
    EXPECT_TRUE(same_colour(find("Button1")->renderData.rectangle.backgroundColor, {120, 120, 120, 255}));
    frame(300, 30, false);
    EXPECT_TRUE(same_colour(find("Button1")->renderData.rectangle.backgroundColor, {100, 100, 100, 255}));
}

TEST_F(window_layout, many_devices_scroll_inside_the_white_area)
{
    std::vector<std::string> names;
    for (int i = 0; i < 20; ++i) names.push_back("Device number " + std::to_string(i));
    set_devices(names);
    frame(200, 200, false);
    frame(200, 200, false);
    expect_box(find("Container"), 0, 0, 400, 300);
    expect_box(find("Device Checkbox", 19), 16, 160 + 28 * 19, 20, 20);

    // The wheel moves the content up; the white area stays.
    for (int i = 0; i < 30; ++i) frame(200, 200, false, {0, -10});
    frame(200, 200, false);
    expect_box(find("Container"), 0, 0, 400, 300);
    const Clay_RenderCommand* last = find("Device Checkbox", 19);
    ASSERT_NE(last, nullptr);
    EXPECT_LT(last->boundingBox.y, 160 + 28 * 19);
    // Never past the end of the content: the last row's bottom stays at or below
    // the inner bottom edge.
    EXPECT_GE(last->boundingBox.y + 20 + 16, 300 - 0.5f);
}

} // namespace
