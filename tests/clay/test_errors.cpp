// Errors reach the handler with their type, and the library carries on
// inside its arena.
#include <cstring>

#include "clay_test_support.h"

using clay_errors = clay_fixture;

TEST_F(clay_errors, duplicate_id_is_reported_with_type_4_and_the_layout_goes_on) {
    Clay_BeginLayout();
    CLAY({.id = CLAY_IDI("Device", 1), .layout = {.sizing = {CLAY_SIZING_FIT(10), CLAY_SIZING_FIT(10)}}, .backgroundColor = opaque()}) {}
    CLAY({.id = CLAY_IDI("Device", 2), .layout = {.sizing = {CLAY_SIZING_FIT(10), CLAY_SIZING_FIT(10)}}, .backgroundColor = opaque()}) {}
    CLAY({.id = CLAY_IDI("Device", 1), .layout = {.sizing = {CLAY_SIZING_FIT(10), CLAY_SIZING_FIT(10)}}, .backgroundColor = opaque()}) {}
    auto commands = end_layout();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].errorType, CLAY_ERROR_TYPE_DUPLICATE_ID);
    EXPECT_EQ(errors[0].errorType, 4);
    EXPECT_GT(errors[0].errorText.length, 0);
    EXPECT_EQ(errors[0].userData, this);
    EXPECT_EQ(commands.size(), 3u);
    // The same ids in the next layout are no duplicates.
    Clay_BeginLayout();
    CLAY({.id = CLAY_IDI("Device", 1)}) {}
    end_layout();
    EXPECT_EQ(errors.size(), 1u);
}

TEST_F(clay_errors, ids_are_stable_and_distinct_by_label_offset_and_seed) {
    EXPECT_EQ(CLAY_ID("IP Input").id, Clay_GetElementId(CLAY_STRING("IP Input")).id);
    EXPECT_EQ(CLAY_IDI("IP Input Char", 0).id, CLAY_ID("IP Input Char").id);
    EXPECT_NE(CLAY_IDI("IP Input Char", 1).id, CLAY_IDI("IP Input Char", 2).id);
    EXPECT_EQ(CLAY_IDI("IP Input Char", 1).baseId, CLAY_IDI("IP Input Char", 2).baseId);
    EXPECT_NE(Clay__HashString(CLAY_STRING("A"), 0, 0).id, Clay__HashString(CLAY_STRING("A"), 0, 1).id);
    EXPECT_NE(CLAY_ID("Device").id, CLAY_ID("Device Check").id);
}

TEST_F(clay_errors, too_many_elements_is_reported_once_and_stays_inside_the_arena) {
    // Guard bytes on both sides of the arena must survive.
    const size_t guard = 4096;
    std::vector<unsigned char> block(Clay_MinMemorySize() + 2 * guard, 0xA5);
    Clay_Arena arena = Clay_CreateArenaWithCapacityAndMemory(Clay_MinMemorySize(), block.data() + guard);
    ASSERT_NE(Clay_Initialize(arena, Clay_Dimensions{400, 300}, Clay_ErrorHandler{[](Clay_ErrorData e) {
                                  static_cast<clay_fixture *>(e.userData)->errors.push_back(e);
                              }, this}),
              nullptr);
    Clay_SetMeasureTextFunction([](Clay_StringSlice s, Clay_TextElementConfig *, void *) { return Clay_Dimensions{10.0f * s.length, 20}; },
                                nullptr);
    for (int frame = 0; frame < 2; ++frame) {
        Clay_BeginLayout();
        CLAY({.id = CLAY_ID("Container"), .layout = {.layoutDirection = CLAY_TOP_TO_BOTTOM}, .backgroundColor = opaque()}) {
            for (int i = 0; i < 9000; ++i) {
                CLAY({.id = CLAY_IDI("Item", i), .backgroundColor = opaque()}) {
                    CLAY_TEXT(CLAY_STRING("x"), text_config());
                }
            }
        }
        Clay_RenderCommandArray commands = Clay_EndLayout();
        EXPECT_LE(commands.length, commands.capacity);
        EXPECT_EQ(Clay_RenderCommandArray_Get(&commands, 0)->id, CLAY_ID("Container").id);
    }
    EXPECT_EQ(count_errors(CLAY_ERROR_TYPE_ELEMENTS_CAPACITY_EXCEEDED), 2); // once per layout
    for (size_t i = 0; i < guard; ++i) {
        ASSERT_EQ(block[i], 0xA5) << "before the arena at " << i;
        ASSERT_EQ(block[block.size() - 1 - i], 0xA5) << "after the arena at " << i;
    }
}

TEST_F(clay_errors, an_arena_below_the_minimum_size_is_refused_with_type_1) {
    std::vector<char> small(Clay_MinMemorySize() / 2);
    Clay_Arena arena = Clay_CreateArenaWithCapacityAndMemory(small.size(), small.data());
    Clay_Context *refused = Clay_Initialize(arena, Clay_Dimensions{1, 1}, Clay_ErrorHandler{[](Clay_ErrorData e) {
                                                static_cast<clay_fixture *>(e.userData)->errors.push_back(e);
                                            }, this});
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(count_errors(CLAY_ERROR_TYPE_ARENA_CAPACITY_EXCEEDED), 1);
}

TEST_F(clay_errors, text_without_a_measuring_function_is_reported_with_type_0) {
    Clay_SetMeasureTextFunction(nullptr, nullptr);
    Clay_BeginLayout();
    CLAY_TEXT(CLAY_STRING("Start"), text_config());
    auto commands = end_layout();
    EXPECT_EQ(count_errors(CLAY_ERROR_TYPE_TEXT_MEASUREMENT_FUNCTION_NOT_PROVIDED), 1);
    EXPECT_EQ(texts_of(commands).size(), 1u);
}

TEST_F(clay_errors, floating_element_attached_to_an_unknown_id_is_reported_with_type_5) {
    Clay_BeginLayout();
    CLAY({.layout = {.sizing = {CLAY_SIZING_FIT(10), CLAY_SIZING_FIT(10)}}, .backgroundColor = opaque(),
          .floating = {.parentId = CLAY_ID("Nowhere").id, .attachTo = CLAY_ATTACH_TO_ELEMENT_WITH_ID}}) {}
    auto commands = end_layout();
    EXPECT_EQ(count_errors(CLAY_ERROR_TYPE_FLOATING_CONTAINER_PARENT_NOT_FOUND), 1);
    EXPECT_EQ(commands.size(), 1u);
}
