// The window's layout, the address field's editing and the pointer
// callbacks through which presses act.
#pragma once

#include <cstdint>

#include "clay.h"

extern int32_t ip_focused;
extern int32_t ip_cursor;

// Edits the address field while it has focus: digits and '.' insert at the
// cursor, 8 deletes the character before it; every other code is ignored.
void ip_input_char(uint32_t code);

void start_button_hover(Clay_ElementId id, Clay_PointerData pointer, intptr_t user);
void device_row_hover(Clay_ElementId id, Clay_PointerData pointer, intptr_t user);
void ip_input_hover(Clay_ElementId id, Clay_PointerData pointer, intptr_t user);
void container_hover(Clay_ElementId id, Clay_PointerData pointer, intptr_t user);
void ip_char_hover(Clay_ElementId id, Clay_PointerData pointer, intptr_t user);

// Declares this frame's whole window and returns its render commands.
Clay_RenderCommandArray build_layout();
