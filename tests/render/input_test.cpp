// Frame input: what the bridge hands to Clay at each new frame.
#include <gtest/gtest.h>

#include "clay_seam.h"
#include "recording.h"
#include "sclay.h"

namespace {

class Input : public ::testing::Test {
protected:
    void SetUp() override {
        start_graphics();
        clay_calls().clear();
    }
    void TearDown() override { stop_graphics(); }

    // Runs one new-frame step and returns what it passed to Clay.
    std::vector<clay_call> frame() {
        clay_calls().clear();
        sclay_new_frame();
        return clay_calls();
    }
    static clay_call find(const std::vector<clay_call>& calls, clay_call_kind kind) {
        for (const clay_call& c : calls)
            if (c.kind == kind) return c;
        ADD_FAILURE() << "no call of kind " << kind;
        return {};
    }
    static void send(sapp_event_type type, float x = 0, float y = 0, sapp_mousebutton button = SAPP_MOUSEBUTTON_LEFT) {
        sapp_event ev = {};
        ev.type = type;
        ev.mouse_button = button;
        ev.mouse_x = x;
        ev.mouse_y = y;
        ev.scroll_x = x;
        ev.scroll_y = y;
        sclay_handle_event(&ev);
    }
};

TEST_F(Input, NewFrameHandsSizePointerAndScrollToClayInOrder) {
    srec_set_app_metrics(640, 480, 1.0f, 0.025);
    send(SAPP_EVENTTYPE_MOUSE_MOVE, 30, 40);
    send(SAPP_EVENTTYPE_MOUSE_DOWN);
    auto calls = frame();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, CLAY_LAYOUT_DIMENSIONS);
    EXPECT_EQ(calls[0].x, 640.0f);
    EXPECT_EQ(calls[0].y, 480.0f);
    EXPECT_EQ(calls[1].kind, CLAY_POINTER_STATE);
    EXPECT_EQ(calls[1].x, 30.0f);
    EXPECT_EQ(calls[1].y, 40.0f);
    EXPECT_TRUE(calls[1].flag);
    EXPECT_EQ(calls[2].kind, CLAY_SCROLL);
    EXPECT_TRUE(calls[2].flag);
    EXPECT_EQ(calls[2].dt, 0.025f);
    // A resize shows in the next frame's layout size.
    srec_set_app_metrics(517, 233, 1.0f, 0.025);
    calls = frame();
    EXPECT_EQ(calls[0].x, 517.0f);
    EXPECT_EQ(calls[0].y, 233.0f);
}

TEST_F(Input, ScrollSumsBetweenFramesAndClearsAfter) {
    send(SAPP_EVENTTYPE_MOUSE_SCROLL, 0, 1);
    send(SAPP_EVENTTYPE_MOUSE_SCROLL, 0.5f, 2);
    clay_call s = find(frame(), CLAY_SCROLL);
    EXPECT_EQ(s.x, 0.5f);
    EXPECT_EQ(s.y, 3.0f);
    s = find(frame(), CLAY_SCROLL);
    EXPECT_EQ(s.x, 0.0f);
    EXPECT_EQ(s.y, 0.0f);
}

TEST_F(Input, PointerStaysUntilAnEventChangesIt) {
    // A press before any move lands at the origin.
    send(SAPP_EVENTTYPE_MOUSE_DOWN);
    clay_call p = find(frame(), CLAY_POINTER_STATE);
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.y, 0.0f);
    EXPECT_TRUE(p.flag);
    // Still held at the next frame, and at the spot of the last move.
    send(SAPP_EVENTTYPE_MOUSE_MOVE, 5, 6);
    send(SAPP_EVENTTYPE_MOUSE_MOVE, 50, 60);
    p = find(frame(), CLAY_POINTER_STATE);
    EXPECT_TRUE(p.flag);
    EXPECT_EQ(p.x, 50.0f);
    EXPECT_EQ(p.y, 60.0f);
    p = find(frame(), CLAY_POINTER_STATE);
    EXPECT_TRUE(p.flag);
    EXPECT_EQ(p.x, 50.0f);
}

TEST_F(Input, AnyButtonPressesAndAnyReleaseClears) {
    for (sapp_mousebutton b : {SAPP_MOUSEBUTTON_LEFT, SAPP_MOUSEBUTTON_RIGHT, SAPP_MOUSEBUTTON_MIDDLE}) {
        send(SAPP_EVENTTYPE_MOUSE_DOWN, 0, 0, b);
        EXPECT_TRUE(find(frame(), CLAY_POINTER_STATE).flag) << b;
        send(SAPP_EVENTTYPE_MOUSE_UP, 0, 0, b);
        EXPECT_FALSE(find(frame(), CLAY_POINTER_STATE).flag) << b;
    }
    // Releasing the right button while the left one is held still clears.
    send(SAPP_EVENTTYPE_MOUSE_DOWN, 0, 0, SAPP_MOUSEBUTTON_LEFT);
    send(SAPP_EVENTTYPE_MOUSE_DOWN, 0, 0, SAPP_MOUSEBUTTON_RIGHT);
    send(SAPP_EVENTTYPE_MOUSE_UP, 0, 0, SAPP_MOUSEBUTTON_RIGHT);
    EXPECT_FALSE(find(frame(), CLAY_POINTER_STATE).flag);
}

TEST_F(Input, ScaleDividesThePointerButNotTheScroll) {
    srec_set_app_metrics(800, 600, 2.0f, 1.0 / 60.0);
    frame();
    send(SAPP_EVENTTYPE_MOUSE_MOVE, 300, 120);
    send(SAPP_EVENTTYPE_MOUSE_SCROLL, 0, 4);
    auto calls = frame();
    clay_call p = find(calls, CLAY_POINTER_STATE);
    EXPECT_EQ(p.x, 150.0f);
    EXPECT_EQ(p.y, 60.0f);
    clay_call s = find(calls, CLAY_SCROLL);
    EXPECT_EQ(s.y, 4.0f);
    clay_call l = find(calls, CLAY_LAYOUT_DIMENSIONS);
    EXPECT_EQ(l.x, 400.0f);
    EXPECT_EQ(l.y, 300.0f);
}

TEST_F(Input, MeasurementCacheResetsOnlyWhenTheScaleChanges) {
    sclay_set_layout_dimensions({800, 600}, 2.0f);
    sclay_set_layout_dimensions({800, 600}, 2.0f);
    sclay_set_layout_dimensions({900, 600}, 2.0f);
    sclay_set_layout_dimensions({900, 600}, 1.5f);
    const std::vector<clay_call_kind> want = {CLAY_RESET_CACHE,       CLAY_LAYOUT_DIMENSIONS, CLAY_LAYOUT_DIMENSIONS,
                                              CLAY_LAYOUT_DIMENSIONS, CLAY_RESET_CACHE,       CLAY_LAYOUT_DIMENSIONS};
    auto& calls = clay_calls();
    ASSERT_EQ(calls.size(), want.size());
    for (size_t i = 0; i < want.size(); i++) EXPECT_EQ(calls[i].kind, want[i]) << i;
    EXPECT_EQ(calls[1].x, 400.0f);
    EXPECT_EQ(calls[1].y, 300.0f);
    EXPECT_EQ(calls[3].x, 450.0f);
    EXPECT_EQ(calls[5].x, 600.0f);
    EXPECT_EQ(calls[5].y, 400.0f);
}

TEST_F(Input, OtherEventsChangeNothing) {
    send(SAPP_EVENTTYPE_MOUSE_MOVE, 7, 8);
    frame();
    for (sapp_event_type t : {SAPP_EVENTTYPE_KEY_DOWN, SAPP_EVENTTYPE_KEY_UP, SAPP_EVENTTYPE_CHAR,
                              SAPP_EVENTTYPE_MOUSE_ENTER, SAPP_EVENTTYPE_MOUSE_LEAVE, SAPP_EVENTTYPE_RESIZED,
                              SAPP_EVENTTYPE_FOCUSED, SAPP_EVENTTYPE_QUIT_REQUESTED, SAPP_EVENTTYPE_INVALID}) {
        send(t, 90, 91);
    }
    auto calls = frame();
    clay_call p = find(calls, CLAY_POINTER_STATE);
    EXPECT_EQ(p.x, 7.0f);
    EXPECT_EQ(p.y, 8.0f);
    EXPECT_FALSE(p.flag);
    clay_call s = find(calls, CLAY_SCROLL);
    EXPECT_EQ(s.x, 0.0f);
    EXPECT_EQ(s.y, 0.0f);
}

}  // namespace
