// Presses reach the callbacks through the layout library's real hit test.
#include "sclay.h"
#include "ui_fixture.h"

namespace {

// Centres of boxes in the window (fixed-pitch text, see the fixture).
constexpr float field_y = 106;
float char_x(int i) { return 24 + 10.0f * i + 5; }
float row_y(int row) { return 170 + 28.0f * row; }  // rows are only as wide as their content: x 60 hits all

// Mouse events as the window gets them: the bridge hands them on at its next frame.
void mouse(sapp_event_type type, float x = 0, float y = 0)
{
    sapp_event ev{.type = type, .mouse_x = x, .mouse_y = y};
    sclay_handle_event(&ev);
}
void bridge_frame() { sclay_new_frame(); build_layout(); }

TEST_F(window_layout, a_held_press_on_a_character_puts_the_cursor_after_it)
{
    press(char_x(1), field_y);
    EXPECT_EQ(ip_focused, 1);
    EXPECT_EQ(ip_cursor, 2);

    // Pressing elsewhere in the field, right of the text, puts it at the end.
    press(300, field_y);
    EXPECT_EQ(ip_focused, 1);
    EXPECT_EQ(ip_cursor, 8);

    // The field's inner margin counts as the field.
    press(char_x(3), 91);
    EXPECT_EQ(ip_cursor, 8);
}

TEST_F(window_layout, the_cursor_follows_a_held_button_one_frame_late)
{
    for (int i = 0; i < 2; ++i) frame(char_x(0), field_y, true);
    EXPECT_EQ(ip_focused, 0) << "the second pass down hands on pressed this frame, which focus ignores";
    frame(char_x(0), field_y, true);
    EXPECT_EQ(ip_focused, 1);
    EXPECT_EQ(ip_cursor, 1);
    frame(char_x(5), field_y, true);  // hit-tested against the layout drawn with the cursor at 1
    EXPECT_EQ(ip_cursor, 6);
    // The first pass that sees the button up still hands on "pressed"; the next does not.
    frame(char_x(2), field_y, false);
    EXPECT_EQ(ip_cursor, 3);
    frame(char_x(7), field_y, false);
    EXPECT_EQ(ip_cursor, 3);
    EXPECT_EQ(ip_focused, 1);
}

TEST_F(window_layout, pressing_outside_the_field_unfocuses_it)
{
    press(char_x(2), field_y);
    ASSERT_EQ(ip_focused, 1);
    press(300, 140);  // empty space inside the white area
    EXPECT_EQ(ip_focused, 0);
    EXPECT_EQ(ip_cursor, 3) << "the cursor keeps its place while unfocused";

    press(char_x(2), field_y);
    ASSERT_EQ(ip_focused, 1);
    press(500, 500);  // outside the window's layout
    EXPECT_EQ(ip_focused, 1);
}

TEST_F(window_layout, a_press_on_a_row_selects_its_device_once)
{
    press(char_x(2), field_y);
    // Down on row 1, held on and let go over row 2: only its first pass selects.
    for (int i = 0; i < 2; ++i) frame(60, row_y(1), true);
    for (int i = 0; i < 3; ++i) frame(60, row_y(2), true);
    for (int i = 0; i < 2; ++i) frame(60, row_y(2), false);
    EXPECT_EQ(selected_device, 1);
    EXPECT_EQ(ip_focused, 0) << "a held press on a row also unfocuses the field";
    ASSERT_NE(find("Device Check", 1), nullptr);

    press(26, row_y(2));  // the empty box of another row
    EXPECT_EQ(selected_device, 2);
    press(26, row_y(2));  // the selected row's own box
    EXPECT_EQ(selected_device, 2);
}

TEST_F(window_layout, a_press_between_two_passes_is_not_seen)
{
    press(char_x(2), field_y);
    bridge_frame();  // the bridge takes its scale here, before any move
    // Down and up both before the next pass.
    mouse(SAPP_EVENTTYPE_MOUSE_MOVE, 60, row_y(1));
    mouse(SAPP_EVENTTYPE_MOUSE_DOWN);
    mouse(SAPP_EVENTTYPE_MOUSE_UP);
    for (int i = 0; i < 3; ++i) bridge_frame();
    EXPECT_EQ(selected_device, 0);
    EXPECT_EQ(ip_focused, 1);
    // Seen down by one pass, the same press selects, but it never hands on
    // "pressed": the field keeps its focus and cursor.
    mouse(SAPP_EVENTTYPE_MOUSE_DOWN);
    bridge_frame();
    mouse(SAPP_EVENTTYPE_MOUSE_UP);
    for (int i = 0; i < 2; ++i) bridge_frame();
    EXPECT_EQ(selected_device, 1);
    EXPECT_EQ(ip_focused, 1);
    EXPECT_EQ(ip_cursor, 3);
}

TEST_F(window_layout, typing_after_a_click_edits_the_clicked_place)
{
    press(char_x(1), field_y);
    ip_input_char('5');
    EXPECT_STREQ(ip_text, "105.0.0.7");
    frame(-50, -50, false);
    ASSERT_NE(find_text("5"), nullptr);
}

TEST_F(window_layout, the_debug_view_swallows_presses)
{
    // The panel takes its width off the layout root and lies beside the
    // content: only on the seam between them is the pointer over both.
    Clay_SetLayoutDimensions({800, 300});
    Clay_SetDebugModeEnabled(true);
    frame(-50, -50, false);
    expect_box(find("Container"), 0, 0, 400, 300);
    expect_box(find("Clay__DebugView"), 400, 0, 400, 300);
    press(char_x(2), field_y);
    ASSERT_EQ(ip_focused, 1) << "beside the panel presses act";
    press(400, 140);
    EXPECT_EQ(ip_focused, 1);
}

} // namespace
