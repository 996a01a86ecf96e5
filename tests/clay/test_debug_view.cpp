// The debug view: a capture-mode panel 400 wide on the right that lists the
// element tree, swallows the pointer and closes through its own control.
#include "clay_test_support.h"

namespace {

int container_calls = 0;
void container_hover(Clay_ElementId, Clay_PointerData, intptr_t) { ++container_calls; }

std::vector<Clay_RenderCommand> declare_window() {
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Container"),
          .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)}, .padding = {16, 16, 16, 16}, .layoutDirection = CLAY_TOP_TO_BOTTOM},
          .backgroundColor = {255, 255, 255, 255},
          .clip = {.vertical = true, .childOffset = Clay_GetScrollOffset()}}) {
        Clay_OnHover(container_hover, 0);
        CLAY({.id = CLAY_ID("Button1"), .layout = {.padding = {8, 8, 8, 8}}, .backgroundColor = {100, 100, 100, 255}}) {
            CLAY_TEXT(CLAY_STRING("Start"), text_config());
        }
    }
    return end_layout();
}

const Clay_RenderCommand *find(const std::vector<Clay_RenderCommand> &commands, Clay_ElementId id) {
    for (const auto &c : commands)
        if (c.id == id.id && c.commandType == CLAY_RENDER_COMMAND_TYPE_RECTANGLE) return &c;
    return nullptr;
}

bool lists(const std::vector<Clay_RenderCommand> &commands, const std::string &prefix) {
    for (auto *t : texts_of(commands))
        if (text_of(*t).rfind(prefix, 0) == 0) return true;
    return false;
}

struct clay_debug_view : clay_fixture {
    void SetUp() override {
        clay_fixture::SetUp();
        container_calls = 0;
    }
};

}  // namespace

TEST_F(clay_debug_view, panel_takes_400_on_the_right_and_lists_the_tree) {
    Clay_SetLayoutDimensions(Clay_Dimensions{800, 300});
    Clay_SetDebugModeEnabled(true);
    EXPECT_TRUE(Clay_IsDebugModeEnabled());
    auto commands = declare_window();
    const Clay_RenderCommand *container = find(commands, CLAY_ID("Container"));
    const Clay_RenderCommand *panel = find(commands, CLAY_ID("Clay__DebugView"));
    ASSERT_TRUE(container && panel);
    expect_box(container->boundingBox, 0, 0, 400, 300);
    expect_box(panel->boundingBox, 400, 0, 400, 300);
    EXPECT_GT(panel->zIndex, 0);
    EXPECT_TRUE(lists(commands, "Container  0,0 400x300"));
    EXPECT_TRUE(lists(commands, "Button1  16,16"));
    // Its text goes through the program's measuring function, in font 0 at a small size.
    EXPECT_EQ(count_measured("Debug"), 1);
    for (auto *t : texts_of(commands))
        if (text_of(*t) == "Container  0,0 400x300") {
            EXPECT_EQ(t->renderData.text.fontId, 0);
            EXPECT_LT(t->renderData.text.fontSize, 20);
        }
}

TEST_F(clay_debug_view, at_400_wide_the_program_gets_no_width) {
    Clay_SetDebugModeEnabled(true);
    auto commands = declare_window();
    const Clay_RenderCommand *container = find(commands, CLAY_ID("Container"));
    ASSERT_NE(container, nullptr);
    EXPECT_FLOAT_EQ(container->boundingBox.width, 0);
    expect_box(find(commands, CLAY_ID("Clay__DebugView"))->boundingBox, 0, 0, 400, 300);
}

TEST_F(clay_debug_view, swallows_the_pointer_over_it_only) {
    Clay_SetLayoutDimensions(Clay_Dimensions{800, 300});
    Clay_SetDebugModeEnabled(true);
    declare_window();
    Clay_SetPointerState(Clay_Vector2{600, 150}, true);
    Clay_SetPointerState(Clay_Vector2{600, 150}, true);
    EXPECT_EQ(container_calls, 0);
    EXPECT_FALSE(Clay_PointerOver(CLAY_ID("Container")));
    EXPECT_TRUE(Clay_PointerOver(CLAY_ID("Clay__DebugView")));
    Clay_SetPointerState(Clay_Vector2{100, 150}, false);
    EXPECT_EQ(container_calls, 1);
}

TEST_F(clay_debug_view, close_control_turns_it_off) {
    Clay_SetDebugModeEnabled(true);
    auto commands = declare_window();
    const Clay_RenderCommand *close = find(commands, CLAY_ID("Clay__DebugViewClose"));
    ASSERT_NE(close, nullptr);
    Clay_Vector2 at{close->boundingBox.x + close->boundingBox.width / 2, close->boundingBox.y + close->boundingBox.height / 2};
    EXPECT_GT(at.x, 350); // in the top-right corner
    Clay_SetPointerState(at, true);
    EXPECT_TRUE(Clay_IsDebugModeEnabled());
    Clay_SetPointerState(at, true);
    EXPECT_FALSE(Clay_IsDebugModeEnabled());
    EXPECT_EQ(container_calls, 0);
    commands = declare_window();
    EXPECT_EQ(find(commands, CLAY_ID("Clay__DebugView")), nullptr);
    EXPECT_FLOAT_EQ(find(commands, CLAY_ID("Container"))->boundingBox.width, 400);
}
