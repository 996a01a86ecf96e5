// Render commands: order, scissors around clip containers, and the fields
// the renderer reads.
#include "clay_test_support.h"

using clay_render_commands = clay_fixture;

TEST_F(clay_render_commands, come_in_declaration_order_with_scissors_around_clip_children) {
    Clay_TextElementConfig *cfg = nullptr;
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Container"),
          .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)}, .padding = {16, 16, 16, 16}, .layoutDirection = CLAY_TOP_TO_BOTTOM},
          .backgroundColor = {255, 255, 255, 255},
          .clip = {.vertical = true, .childOffset = {0, -10}}}) {
        CLAY({.id = CLAY_ID("Button1"), .layout = {.padding = {8, 8, 8, 8}}, .backgroundColor = {100, 100, 100, 255}}) {
            cfg = CLAY_TEXT_CONFIG({.textColor = {255, 255, 255, 255}, .fontId = 0, .fontSize = 20, .letterSpacing = 2, .lineHeight = 0});
            CLAY_TEXT(CLAY_STRING("Start"), cfg);
        }
        CLAY({.id = CLAY_ID("Invisible"), .layout = {.sizing = {CLAY_SIZING_FIT(10), CLAY_SIZING_FIT(10)}}}) {}
    }
    CLAY({.id = CLAY_ID("Framed"),
          .layout = {.sizing = {CLAY_SIZING_FIT(30), CLAY_SIZING_FIT(30)}},
          .cornerRadius = {1, 2, 3, 4},
          .border = {.color = {9, 8, 7, 6}, .width = {1, 2, 3, 4, 0}}}) {}
    auto commands = end_layout();

    std::vector<Clay_RenderCommandType> types;
    for (const auto &c : commands) types.push_back(c.commandType);
    EXPECT_EQ(types, (std::vector<Clay_RenderCommandType>{
                         CLAY_RENDER_COMMAND_TYPE_RECTANGLE, CLAY_RENDER_COMMAND_TYPE_SCISSOR_START,
                         CLAY_RENDER_COMMAND_TYPE_RECTANGLE, CLAY_RENDER_COMMAND_TYPE_TEXT,
                         CLAY_RENDER_COMMAND_TYPE_SCISSOR_END, CLAY_RENDER_COMMAND_TYPE_BORDER}));

    // Scissors cover the container's own box; its children move by childOffset.
    expect_box(commands[1].boundingBox, 0, 0, 370, 300); // Framed takes 30
    expect_box(commands[4].boundingBox, 0, 0, 370, 300);
    expect_box(commands[2].boundingBox, 16, 6, 66, 36);
    EXPECT_EQ(commands[2].id, CLAY_ID("Button1").id);
    EXPECT_FLOAT_EQ(commands[2].renderData.rectangle.backgroundColor.r, 100);

    const Clay_TextRenderData &t = commands[3].renderData.text;
    EXPECT_EQ(text_of(commands[3]), "Start");
    EXPECT_FLOAT_EQ(t.textColor.g, 255);
    EXPECT_EQ(t.fontSize, 20);
    EXPECT_EQ(t.letterSpacing, 2);
    expect_box(commands[3].boundingBox, 24, 14, 50, 20);

    const Clay_BorderRenderData &b = commands[5].renderData.border;
    EXPECT_FLOAT_EQ(b.color.a, 6);
    EXPECT_EQ(b.width.left, 1);
    EXPECT_EQ(b.width.bottom, 4);
    EXPECT_FLOAT_EQ(b.cornerRadius.topRight, 2);
    EXPECT_FLOAT_EQ(b.cornerRadius.bottomRight, 4);
}

TEST_F(clay_render_commands, rectangle_carries_corner_radius_and_get_checks_bounds) {
    Clay_BeginLayout();
    CLAY({.layout = {.sizing = {CLAY_SIZING_FIT(10), CLAY_SIZING_FIT(10)}}, .backgroundColor = {1, 2, 3, 4}, .cornerRadius = {5, 6, 7, 8}}) {}
    Clay_RenderCommandArray array = Clay_EndLayout();
    ASSERT_EQ(array.length, 1);
    Clay_RenderCommand *c = Clay_RenderCommandArray_Get(&array, 0);
    ASSERT_NE(c, nullptr);
    EXPECT_FLOAT_EQ(c->renderData.rectangle.cornerRadius.bottomLeft, 7);
    EXPECT_FLOAT_EQ(c->renderData.rectangle.backgroundColor.a, 4);
    EXPECT_EQ(Clay_RenderCommandArray_Get(&array, 1), nullptr);
    EXPECT_EQ(Clay_RenderCommandArray_Get(&array, -1), nullptr);
}

TEST_F(clay_render_commands, floating_root_draws_after_the_main_tree) {
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Parent"), .layout = {.sizing = {CLAY_SIZING_FIT(100), CLAY_SIZING_FIT(100)}, .padding = {5, 5, 5, 5}},
          .backgroundColor = opaque()}) {
        CLAY({.id = CLAY_ID("Float"),
              .layout = {.sizing = {CLAY_SIZING_FIT(20), CLAY_SIZING_FIT(20)}},
              .backgroundColor = opaque(),
              .floating = {.offset = {3, 4}, .zIndex = 1, .attachPoints = {.element = CLAY_ATTACH_POINT_LEFT_TOP, .parent = CLAY_ATTACH_POINT_RIGHT_BOTTOM},
                           .attachTo = CLAY_ATTACH_TO_PARENT}}) {}
        CLAY({.id = CLAY_ID("Inline"), .layout = {.sizing = {CLAY_SIZING_FIT(10), CLAY_SIZING_FIT(10)}}, .backgroundColor = opaque()}) {}
    }
    auto commands = end_layout();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[2].id, CLAY_ID("Float").id);
    EXPECT_EQ(commands[2].zIndex, 1);
    expect_box(commands[2].boundingBox, 103, 104, 20, 20);
    // The floating child takes no room in its parent.
    expect_box(box_of(commands, CLAY_ID("Inline")), 5, 5, 10, 10);
}
