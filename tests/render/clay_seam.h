// The unit tests link the bridge with the linker's --wrap for the Clay calls
// that hand over frame input, so that their order and arguments can be
// observed without a layout context. The wrappers only record.
#pragma once
#include <vector>

enum clay_call_kind { CLAY_LAYOUT_DIMENSIONS, CLAY_POINTER_STATE, CLAY_SCROLL, CLAY_RESET_CACHE };

struct clay_call {
    clay_call_kind kind;
    float x, y;   // dimensions, pointer position or scroll delta
    float dt;     // scroll: frame time
    bool flag;    // pointer: down; scroll: drag scrolling
};

std::vector<clay_call>& clay_calls(void);
