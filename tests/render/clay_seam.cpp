#include "clay_seam.h"

#include "clay.h"

std::vector<clay_call>& clay_calls(void) {
    static std::vector<clay_call> calls;
    return calls;
}

extern "C" {

void __wrap_Clay_SetLayoutDimensions(Clay_Dimensions d) {
    clay_calls().push_back({CLAY_LAYOUT_DIMENSIONS, d.width, d.height, 0, false});
}

void __wrap_Clay_SetPointerState(Clay_Vector2 position, bool down) {
    clay_calls().push_back({CLAY_POINTER_STATE, position.x, position.y, 0, down});
}

void __wrap_Clay_UpdateScrollContainers(bool drag, Clay_Vector2 delta, float dt) {
    clay_calls().push_back({CLAY_SCROLL, delta.x, delta.y, dt, drag});
}

void __wrap_Clay_ResetMeasureTextCache(void) { clay_calls().push_back({CLAY_RESET_CACHE, 0, 0, 0, false}); }
}
