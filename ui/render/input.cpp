// Per-frame hand-over of window size, pointer and scroll to Clay.
#include "sclay.h"
#include "sclay_state.h"

void sclay_new_frame(void) {
    Clay_Dimensions size = {(float)sapp_width(), (float)sapp_height()};
    sclay_set_layout_dimensions(size, sapp_dpi_scale());
    // Clay hit-tests the previous layout here, so pointer callbacks run now.
    Clay_SetPointerState(sclay_state.pointer_position, sclay_state.pointer_down);
    Clay_UpdateScrollContainers(true, sclay_state.scroll_delta, (float)sapp_frame_duration());
    sclay_state.scroll_delta = {0.0f, 0.0f};
}

void sclay_handle_event(const sapp_event* ev) {
    switch (ev->type) {
        case SAPP_EVENTTYPE_MOUSE_DOWN:
            sclay_state.pointer_down = true;
            break;
        case SAPP_EVENTTYPE_MOUSE_UP:
            // Any button releases, even while another is still held.
            sclay_state.pointer_down = false;
            break;
        case SAPP_EVENTTYPE_MOUSE_SCROLL:
            sclay_state.scroll_delta.x += ev->scroll_x;
            sclay_state.scroll_delta.y += ev->scroll_y;
            break;
        case SAPP_EVENTTYPE_MOUSE_MOVE:
            sclay_state.pointer_position = {ev->mouse_x / sclay_state.dpi_scale,
                                            ev->mouse_y / sclay_state.dpi_scale};
            break;
        default:
            break;
    }
}

void sclay_set_layout_dimensions(Clay_Dimensions size, float scale) {
    Clay_Dimensions layout = {size.width / scale, size.height / scale};
    sclay_state.layout_size = layout;
    // Cached measurements hold for one scale only; NaN counts as a change.
    if (!(sclay_state.dpi_scale == scale)) {
        sclay_state.dpi_scale = scale;
        Clay_ResetMeasureTextCache();
    }
    Clay_SetLayoutDimensions(layout);
}
