// The hit test: walk order, containment, clipping, capture, the pointer-over
// list as callbacks see it, and the press state sequence.
#include "clay_test_support.h"

namespace {

struct visit {
    intptr_t who;
    Clay_PointerDataInteractionState state;
    bool container_over;  // Clay_PointerOver("Container") when called
    bool self_over;       // Clay_PointerOver of the element itself
    bool child_over;      // Clay_PointerOver("Child")
};
std::vector<visit> visits;

void record(Clay_ElementId id, Clay_PointerData pointer, intptr_t who) {
    visits.push_back(visit{who, pointer.state, Clay_PointerOver(CLAY_ID("Container")), Clay_PointerOver(id),
                           Clay_PointerOver(CLAY_ID("Child"))});
}

std::vector<intptr_t> order() {
    std::vector<intptr_t> out;
    for (const auto &v : visits) out.push_back(v.who);
    return out;
}

// Container (0,0)-(400,300) holding Field (10,10)-(110,60) holding Child
// (20,20)-(50,50), then Other (10,68)-(60,88).
void declare(Clay_Vector2 child_offset = {0, 0}) {
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Container"),
          .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)}, .padding = {10, 10, 10, 10}, .childGap = 8, .layoutDirection = CLAY_TOP_TO_BOTTOM},
          .clip = {.vertical = true, .childOffset = child_offset}}) {
        Clay_OnHover(record, 1);
        CLAY({.id = CLAY_ID("Field"), .layout = {.sizing = {CLAY_SIZING_FIT(100), CLAY_SIZING_FIT(50)}, .padding = {10, 10, 10, 10}}}) {
            Clay_OnHover(record, 2);
            CLAY({.id = CLAY_ID("Child"), .layout = {.sizing = {CLAY_SIZING_FIT(30), CLAY_SIZING_FIT(30)}}}) { Clay_OnHover(record, 3); }
        }
        CLAY({.id = CLAY_ID("Other"), .layout = {.sizing = {CLAY_SIZING_FIT(50), CLAY_SIZING_FIT(20)}}}) { Clay_OnHover(record, 4); }
    }
    Clay_EndLayout();
}

struct clay_pointer : clay_fixture {
    void SetUp() override {
        clay_fixture::SetUp();
        visits.clear();
    }
};

}  // namespace

TEST_F(clay_pointer, parents_before_children_and_callback_before_the_id_is_over) {
    declare();
    Clay_SetPointerState(Clay_Vector2{30, 30}, false);
    EXPECT_EQ(order(), (std::vector<intptr_t>{1, 2, 3}));
    // Each callback sees its ancestors in the list, not itself, not what comes after.
    EXPECT_FALSE(visits[0].container_over);
    EXPECT_TRUE(visits[1].container_over);
    EXPECT_FALSE(visits[1].self_over);
    EXPECT_FALSE(visits[1].child_over);
    EXPECT_FALSE(visits[2].self_over);
    // After the walk the whole chain is over.
    EXPECT_TRUE(Clay_PointerOver(CLAY_ID("Container")));
    EXPECT_TRUE(Clay_PointerOver(CLAY_ID("Field")));
    EXPECT_TRUE(Clay_PointerOver(CLAY_ID("Child")));
    EXPECT_FALSE(Clay_PointerOver(CLAY_ID("Other")));
}

TEST_F(clay_pointer, box_edges_count_as_inside) {
    declare();
    Clay_SetPointerState(Clay_Vector2{50, 50}, false); // Child's bottom-right corner
    EXPECT_EQ(order(), (std::vector<intptr_t>{1, 2, 3}));
    visits.clear();
    Clay_SetPointerState(Clay_Vector2{50.5f, 50}, false);
    EXPECT_EQ(order(), (std::vector<intptr_t>{1, 2}));
    visits.clear();
    Clay_SetPointerState(Clay_Vector2{10, 68}, false); // Other's top-left corner
    EXPECT_EQ(order(), (std::vector<intptr_t>{1, 4}));
}

TEST_F(clay_pointer, elements_scrolled_out_of_their_clip_container_are_not_hit) {
    declare(Clay_Vector2{0, -40}); // Field now spans y -30..20
    Clay_SetPointerState(Clay_Vector2{30, 5}, false);
    EXPECT_EQ(order(), (std::vector<intptr_t>{1, 2, 3}));
    visits.clear();
    Clay_SetPointerState(Clay_Vector2{30, -5}, false); // inside Field, outside Container
    EXPECT_TRUE(visits.empty());
    EXPECT_FALSE(Clay_PointerOver(CLAY_ID("Field")));
}

TEST_F(clay_pointer, one_press_over_several_passes_hands_out_each_state_in_turn) {
    declare();
    const bool down[] = {false, true, true, true, false, false};
    for (bool d : down) Clay_SetPointerState(Clay_Vector2{30, 30}, d);
    std::vector<Clay_PointerDataInteractionState> seen;
    for (const auto &v : visits)
        if (v.who == 3) seen.push_back(v.state);
    EXPECT_EQ(seen, (std::vector<Clay_PointerDataInteractionState>{
                        CLAY_POINTER_DATA_RELEASED, CLAY_POINTER_DATA_RELEASED, CLAY_POINTER_DATA_PRESSED_THIS_FRAME,
                        CLAY_POINTER_DATA_PRESSED, CLAY_POINTER_DATA_PRESSED, CLAY_POINTER_DATA_RELEASED_THIS_FRAME}));
}

TEST_F(clay_pointer, a_press_seen_by_one_pass_still_hands_out_pressed_this_frame_once) {
    declare();
    const bool down[] = {false, true, false, false};
    for (bool d : down) Clay_SetPointerState(Clay_Vector2{30, 30}, d);
    std::vector<Clay_PointerDataInteractionState> seen;
    for (const auto &v : visits)
        if (v.who == 3) seen.push_back(v.state);
    EXPECT_EQ(seen, (std::vector<Clay_PointerDataInteractionState>{CLAY_POINTER_DATA_RELEASED, CLAY_POINTER_DATA_RELEASED,
                                                                    CLAY_POINTER_DATA_PRESSED_THIS_FRAME,
                                                                    CLAY_POINTER_DATA_RELEASED_THIS_FRAME}));
}

TEST_F(clay_pointer, hovered_answers_while_the_declaration_is_built) {
    auto button_colour = [] {
        Clay_BeginLayout();
        CLAY({.layout = {.padding = {20, 0, 20, 0}}}) {
            CLAY({.id = CLAY_ID("Button1"),
                  .layout = {.sizing = {CLAY_SIZING_FIT(40), CLAY_SIZING_FIT(20)}},
                  .backgroundColor = Clay_Hovered() ? Clay_Color{120, 120, 120, 255} : Clay_Color{100, 100, 100, 255}}) {}
        }
        for (const auto &c : end_layout())
            if (c.id == CLAY_ID("Button1").id) return c.renderData.rectangle.backgroundColor.r;
        return -1.0f;
    };
    EXPECT_FLOAT_EQ(button_colour(), 100);
    Clay_SetPointerState(Clay_Vector2{30, 30}, false);
    EXPECT_FLOAT_EQ(button_colour(), 120);
    Clay_SetPointerState(Clay_Vector2{5, 5}, false);
    EXPECT_FLOAT_EQ(button_colour(), 100);
}

TEST_F(clay_pointer, a_capture_mode_floating_root_ends_the_walk_and_passthrough_does_not) {
    for (auto mode : {CLAY_POINTER_CAPTURE_MODE_CAPTURE, CLAY_POINTER_CAPTURE_MODE_PASSTHROUGH}) {
        visits.clear();
        Clay_BeginLayout();
        CLAY({.id = CLAY_ID("Below"), .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)}}}) {
            Clay_OnHover(record, 1);
            CLAY({.id = CLAY_ID("Over"),
                  .layout = {.sizing = {CLAY_SIZING_FIT(100), CLAY_SIZING_FIT(100)}},
                  .floating = {.pointerCaptureMode = mode, .attachTo = CLAY_ATTACH_TO_ROOT}}) {
                Clay_OnHover(record, 2);
            }
        }
        Clay_EndLayout();
        Clay_SetPointerState(Clay_Vector2{50, 50}, false);
        if (mode == CLAY_POINTER_CAPTURE_MODE_CAPTURE)
            EXPECT_EQ(order(), std::vector<intptr_t>{2});
        else
            EXPECT_EQ(order(), (std::vector<intptr_t>{2, 1}));
        // Outside the floating box the tree below is reached either way.
        visits.clear();
        Clay_SetPointerState(Clay_Vector2{200, 200}, false);
        EXPECT_EQ(order(), std::vector<intptr_t>{1});
    }
}
