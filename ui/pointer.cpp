// Pointer callbacks, run by the layout library's hit test at the start of a
// frame against the previous frame's boxes. Start, Stop and the device choice
// act once per press (pressed this frame); focus and cursor follow a held
// button (pressed).
#include <cstring>

#include "stream.h"
#include "ui.h"

void start_button_hover(Clay_ElementId, Clay_PointerData pointer, intptr_t)
{
    if (pointer.state != CLAY_POINTER_DATA_PRESSED_THIS_FRAME) return;
    if (is_streaming)
        stop_streaming();
    else
        start_streaming();
}

void device_row_hover(Clay_ElementId, Clay_PointerData pointer, intptr_t user)
{
    if (pointer.state != CLAY_POINTER_DATA_PRESSED_THIS_FRAME) return;
    selected_device = static_cast<int32_t>(user);
}

void ip_input_hover(Clay_ElementId, Clay_PointerData pointer, intptr_t)
{
    if (pointer.state != CLAY_POINTER_DATA_PRESSED || ip_focused) return;
    ip_focused = 1;
    ip_cursor = static_cast<int32_t>(std::strlen(ip_text));
}

// The container is visited before the field, so within one walk the field
// is never yet in the pointer-over list: a held press first unfocuses, and
// the field's own callback focuses again when the pointer is over it.
void container_hover(Clay_ElementId, Clay_PointerData pointer, intptr_t)
{
    if (pointer.state != CLAY_POINTER_DATA_PRESSED) return;
    if (!Clay_PointerOver(Clay_GetElementId(CLAY_STRING("IP Input")))) ip_focused = 0;
}

void ip_char_hover(Clay_ElementId, Clay_PointerData pointer, intptr_t user)
{
    if (pointer.state != CLAY_POINTER_DATA_PRESSED || !ip_focused) return;
    ip_cursor = static_cast<int32_t>(user);
}
