// Box sizes and positions: FIT, GROW, min, max, padding and gap, both directions.
#include "clay_test_support.h"

using clay_layout = clay_fixture;

TEST_F(clay_layout, top_to_bottom_places_children_inside_padding_with_gap) {
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Outer"),
          .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)},
                     .padding = {16, 16, 16, 16},
                     .childGap = 8,
                     .layoutDirection = CLAY_TOP_TO_BOTTOM},
          .backgroundColor = opaque()}) {
        CLAY({.id = CLAY_ID("A"), .layout = {.sizing = {CLAY_SIZING_FIT(50), CLAY_SIZING_FIT(30)}}, .backgroundColor = opaque()}) {}
        CLAY({.id = CLAY_ID("B"), .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_FIT(20)}}, .backgroundColor = opaque()}) {}
        CLAY({.id = CLAY_ID("C"), .layout = {.sizing = {CLAY_SIZING_FIT(10), CLAY_SIZING_GROW(0)}}, .backgroundColor = opaque()}) {}
    }
    auto commands = end_layout();
    expect_box(box_of(commands, CLAY_ID("Outer")), 0, 0, 400, 300);
    expect_box(box_of(commands, CLAY_ID("A")), 16, 16, 50, 30);
    expect_box(box_of(commands, CLAY_ID("B")), 16, 54, 368, 20);
    // C takes what is left of the height: 300 - 16 - 30 - 8 - 20 - 8 - 16.
    expect_box(box_of(commands, CLAY_ID("C")), 16, 82, 10, 202);
}

TEST_F(clay_layout, left_to_right_shares_free_space_between_grow_children) {
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Row"),
          .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_FIT(0)}, .padding = {10, 10, 4, 6}, .childGap = 5},
          .backgroundColor = opaque()}) {
        CLAY({.id = CLAY_ID("A"), .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_FIT(10)}}, .backgroundColor = opaque()}) {}
        CLAY({.id = CLAY_ID("B"), .layout = {.sizing = {CLAY_SIZING_FIT(100), CLAY_SIZING_FIT(30)}}, .backgroundColor = opaque()}) {}
        CLAY({.id = CLAY_ID("C"), .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)}}, .backgroundColor = opaque()}) {}
    }
    auto commands = end_layout();
    // 400 - 20 padding - 10 gaps - 100 = 270, shared by A and C.
    expect_box(box_of(commands, CLAY_ID("Row")), 0, 0, 400, 40);
    expect_box(box_of(commands, CLAY_ID("A")), 10, 4, 135, 10);
    expect_box(box_of(commands, CLAY_ID("B")), 150, 4, 100, 30);
    expect_box(box_of(commands, CLAY_ID("C")), 255, 4, 135, 30);
}

TEST_F(clay_layout, grow_respects_max_and_min) {
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Row"), .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)}}, .backgroundColor = opaque()}) {
        CLAY({.id = CLAY_ID("Capped"), .layout = {.sizing = {CLAY_SIZING_GROW(0, 50), CLAY_SIZING_GROW(0, 40)}},
              .backgroundColor = opaque()}) {}
        CLAY({.id = CLAY_ID("Rest"), .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(500)}},
              .backgroundColor = opaque()}) {}
    }
    auto commands = end_layout();
    expect_box(box_of(commands, CLAY_ID("Capped")), 0, 0, 50, 40);
    // The min of 500 holds even though the parent is only 300 high.
    expect_box(box_of(commands, CLAY_ID("Rest")), 50, 0, 350, 500);
}

TEST_F(clay_layout, fit_wraps_content_and_is_held_by_min_and_max) {
    Clay_BeginLayout();
    CLAY({.layout = {.layoutDirection = CLAY_TOP_TO_BOTTOM}}) {
        CLAY({.id = CLAY_ID("Wrap"), .layout = {.padding = {4, 4, 4, 4}, .childGap = 6}, .backgroundColor = opaque()}) {
            CLAY({.layout = {.sizing = {CLAY_SIZING_FIT(20), CLAY_SIZING_FIT(10)}}}) {}
            CLAY({.layout = {.sizing = {CLAY_SIZING_FIT(30), CLAY_SIZING_FIT(15)}}}) {}
        }
        CLAY({.id = CLAY_ID("Capped"), .layout = {.sizing = {CLAY_SIZING_FIT(0, 25), CLAY_SIZING_FIT(0, 12)}},
              .backgroundColor = opaque()}) {
            CLAY({.layout = {.sizing = {CLAY_SIZING_FIT(100), CLAY_SIZING_FIT(100)}}}) {}
        }
        CLAY({.id = CLAY_ID("Raised"), .layout = {.sizing = {CLAY_SIZING_FIT(20), CLAY_SIZING_FIT(20)}, .padding = {5, 0, 5, 0}},
              .backgroundColor = opaque()}) {
            CLAY({.id = CLAY_ID("Mark"), .layout = {.sizing = {CLAY_SIZING_FIT(10), CLAY_SIZING_FIT(10)}},
                  .backgroundColor = opaque()}) {}
        }
    }
    auto commands = end_layout();
    expect_box(box_of(commands, CLAY_ID("Wrap")), 0, 0, 64, 23);
    EXPECT_FLOAT_EQ(box_of(commands, CLAY_ID("Capped")).width, 25);
    EXPECT_FLOAT_EQ(box_of(commands, CLAY_ID("Capped")).height, 12);
    // 5 + 10 content raised to the min of 20; the mark keeps its place.
    Clay_BoundingBox raised = box_of(commands, CLAY_ID("Raised"));
    EXPECT_FLOAT_EQ(raised.width, 20);
    EXPECT_FLOAT_EQ(raised.height, 20);
    Clay_BoundingBox mark = box_of(commands, CLAY_ID("Mark"));
    EXPECT_FLOAT_EQ(mark.x - raised.x, 5);
    EXPECT_FLOAT_EQ(mark.y - raised.y, 5);
}

TEST_F(clay_layout, cross_axis_grow_fills_the_inside_of_the_parent) {
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Field"), .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_FIT(0)}, .padding = {8, 8, 8, 8}},
          .backgroundColor = opaque()}) {
        CLAY({.id = CLAY_ID("Cursor"), .layout = {.sizing = {CLAY_SIZING_FIT(2), CLAY_SIZING_GROW(0)}}, .backgroundColor = opaque()}) {}
        CLAY_TEXT(CLAY_STRING("10.0.0.7"), text_config());
    }
    auto commands = end_layout();
    expect_box(box_of(commands, CLAY_ID("Field")), 0, 0, 400, 36);
    expect_box(box_of(commands, CLAY_ID("Cursor")), 8, 8, 2, 20);
    auto texts = texts_of(commands);
    ASSERT_EQ(texts.size(), 1u);
    expect_box(texts[0]->boundingBox, 10, 8, 80, 20);
}

TEST_F(clay_layout, children_shrink_largest_first_when_space_runs_short) {
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Row"), .layout = {.sizing = {CLAY_SIZING_FIT(100, 100), CLAY_SIZING_FIT(0)}}, .backgroundColor = opaque()}) {
        CLAY({.id = CLAY_ID("Wide"), .layout = {.sizing = {CLAY_SIZING_FIT(0), CLAY_SIZING_FIT(0)}}, .backgroundColor = opaque()}) {
            CLAY({.layout = {.sizing = {CLAY_SIZING_FIT(0), CLAY_SIZING_FIT(10)}}}) {}
            CLAY_TEXT(CLAY_STRING("aaaaaaaa bbbbbbbb"), text_config()); // 170 wide, shortest 80
        }
        CLAY({.id = CLAY_ID("Narrow"), .layout = {.sizing = {CLAY_SIZING_FIT(30, 30), CLAY_SIZING_FIT(10)}},
              .backgroundColor = opaque()}) {}
    }
    auto commands = end_layout();
    expect_box(box_of(commands, CLAY_ID("Narrow")), 80, 0, 30, 10);
    // Wide gives way down to its longest word and wraps into two lines.
    expect_box(box_of(commands, CLAY_ID("Wide")), 0, 0, 80, 40);
    EXPECT_EQ(texts_of(commands).size(), 2u);
}

TEST_F(clay_layout, alignment_centres_and_ends) {
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Box"),
          .layout = {.sizing = {CLAY_SIZING_FIT(100, 100), CLAY_SIZING_FIT(60, 60)},
                     .childAlignment = {.x = CLAY_ALIGN_X_CENTER, .y = CLAY_ALIGN_Y_BOTTOM}},
          .backgroundColor = opaque()}) {
        CLAY({.id = CLAY_ID("Child"), .layout = {.sizing = {CLAY_SIZING_FIT(20), CLAY_SIZING_FIT(10)}}, .backgroundColor = opaque()}) {}
    }
    auto commands = end_layout();
    expect_box(box_of(commands, CLAY_ID("Child")), 40, 50, 20, 10);
}

TEST_F(clay_layout, layout_dimensions_follow_set_layout_dimensions) {
    Clay_SetLayoutDimensions(Clay_Dimensions{640, 480});
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("All"), .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)}}, .backgroundColor = opaque()}) {}
    expect_box(box_of(end_layout(), CLAY_ID("All")), 0, 0, 640, 480);
}
