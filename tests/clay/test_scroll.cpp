// Scroll containers: wheel and drag move the offset, kept per id and clamped
// to the content.
#include "clay_test_support.h"

namespace {

// A 100-high vertical clip container holding ten rows of 30 (content 300).
Clay_Vector2 declare_list(bool with_list = true) {
    Clay_Vector2 offset{99, 99};
    Clay_BeginLayout();
    CLAY({.layout = {.padding = {0, 0, 50, 0}}}) {
        if (with_list) {
            CLAY({.id = CLAY_ID("List"),
                  .layout = {.sizing = {CLAY_SIZING_FIT(200, 200), CLAY_SIZING_FIT(100, 100)}, .layoutDirection = CLAY_TOP_TO_BOTTOM},
                  .clip = {.vertical = true, .childOffset = (offset = Clay_GetScrollOffset())}}) {
                for (int i = 0; i < 10; ++i)
                    CLAY({.id = CLAY_IDI("Row", i), .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_FIT(30)}}, .backgroundColor = opaque()}) {}
            }
        }
    }
    Clay_EndLayout();
    return offset;
}

}  // namespace

using clay_scroll = clay_fixture;

TEST_F(clay_scroll, wheel_moves_the_container_under_the_pointer_within_its_content) {
    EXPECT_FLOAT_EQ(declare_list().y, 0);
    Clay_SetPointerState(Clay_Vector2{50, 100}, false);
    Clay_UpdateScrollContainers(true, Clay_Vector2{0, -5}, 0.016f);
    EXPECT_FLOAT_EQ(declare_list().y, -50);
    Clay_SetPointerState(Clay_Vector2{50, 100}, false);
    Clay_UpdateScrollContainers(true, Clay_Vector2{0, -100}, 0.016f);
    EXPECT_FLOAT_EQ(declare_list().y, -200); // 100 high showing 300
    Clay_SetPointerState(Clay_Vector2{50, 100}, false);
    Clay_UpdateScrollContainers(true, Clay_Vector2{0, 100}, 0.016f);
    EXPECT_FLOAT_EQ(declare_list().y, 0);
}

TEST_F(clay_scroll, wheel_outside_the_container_changes_nothing) {
    declare_list();
    Clay_SetPointerState(Clay_Vector2{50, 20}, false); // above the list
    Clay_UpdateScrollContainers(true, Clay_Vector2{0, -5}, 0.016f);
    EXPECT_FLOAT_EQ(declare_list().y, 0);
}

TEST_F(clay_scroll, dragging_moves_the_content_with_the_pointer) {
    declare_list();
    Clay_SetPointerState(Clay_Vector2{50, 120}, true);
    Clay_UpdateScrollContainers(true, Clay_Vector2{0, 0}, 0.016f);
    declare_list();
    Clay_SetPointerState(Clay_Vector2{50, 90}, true);
    Clay_UpdateScrollContainers(true, Clay_Vector2{0, 0}, 0.016f);
    EXPECT_FLOAT_EQ(declare_list().y, -30);
    // Released: further moves leave it where it is.
    Clay_SetPointerState(Clay_Vector2{50, 60}, false);
    Clay_UpdateScrollContainers(true, Clay_Vector2{0, 0}, 0.016f);
    EXPECT_FLOAT_EQ(declare_list().y, -30);
    // Without drag scrolling a press does nothing.
    Clay_SetPointerState(Clay_Vector2{50, 120}, true);
    Clay_UpdateScrollContainers(false, Clay_Vector2{0, 0}, 0.016f);
    declare_list();
    Clay_SetPointerState(Clay_Vector2{50, 60}, true);
    Clay_UpdateScrollContainers(false, Clay_Vector2{0, 0}, 0.016f);
    EXPECT_FLOAT_EQ(declare_list().y, -30);
}

TEST_F(clay_scroll, position_is_forgotten_when_the_container_leaves_the_layout) {
    declare_list();
    Clay_SetPointerState(Clay_Vector2{50, 100}, false);
    Clay_UpdateScrollContainers(true, Clay_Vector2{0, -3}, 0.016f);
    EXPECT_FLOAT_EQ(declare_list().y, -30);
    declare_list(false);
    EXPECT_FLOAT_EQ(declare_list().y, 0);
}

TEST_F(clay_scroll, content_that_fits_does_not_scroll) {
    Clay_SetLayoutDimensions(Clay_Dimensions{400, 300});
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Container"), .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)}}, .clip = {.vertical = true, .childOffset = Clay_GetScrollOffset()}}) {
        CLAY({.layout = {.sizing = {CLAY_SIZING_FIT(10), CLAY_SIZING_FIT(10)}}}) {}
    }
    Clay_EndLayout();
    Clay_SetPointerState(Clay_Vector2{5, 5}, false);
    Clay_UpdateScrollContainers(true, Clay_Vector2{0, -5}, 0.016f);
    Clay_Vector2 offset{1, 1};
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Container"), .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)}}, .clip = {.vertical = true, .childOffset = (offset = Clay_GetScrollOffset())}}) {}
    Clay_EndLayout();
    EXPECT_FLOAT_EQ(offset.y, 0);
    EXPECT_FLOAT_EQ(offset.x, 0);
}
