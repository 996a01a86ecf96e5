// The debug view: a panel floating over the right of the window, in capture
// mode, that lists the program's element tree with each element's box and
// closes through its own control. It is declared through the same macros as
// any layout, after the program's tree and from that tree's computed boxes.
#include <cstdio>

#include "clay_internal.h"

using namespace clay_internal;

namespace {

constexpr int32_t max_rows = 256;
constexpr uint16_t font_size = 14;
constexpr uint16_t indent_per_level = 12;

const Clay_Color panel_color{32, 34, 40, 255};
const Clay_Color title_color{52, 56, 66, 255};
const Clay_Color text_color{230, 230, 230, 255};
const Clay_Color close_color{168, 66, 66, 255};
const Clay_Color edge_color{90, 94, 104, 255};

struct row {
    int32_t element;
    int32_t depth;
};

void close_hover(Clay_ElementId, Clay_PointerData pointer, intptr_t) {
    if (pointer.state == CLAY_POINTER_DATA_PRESSED_THIS_FRAME) Clay_SetDebugModeEnabled(false);
}

// Lists the tree depth first into rows, as far as there is room.
int32_t collect(Clay_Context *ctx, int32_t index, int32_t depth, row *rows, int32_t count, int32_t limit, int32_t *skipped) {
    if (count < limit)
        rows[count++] = row{index, depth};
    else
        ++*skipped;
    const layout_element &el = ctx->elements[index];
    for (int32_t c = el.first_child; c >= 0; c = ctx->elements[c].next_sibling)
        count = collect(ctx, c, depth + 1, rows, count, limit, skipped);
    return count;
}

// Formats one row's text into the frame's debug text storage.
Clay_String describe(Clay_Context *ctx, const layout_element &el) {
    char *out = ctx->debug_text + ctx->debug_text_used;
    int32_t room = ctx->debug_text_capacity - ctx->debug_text_used;
    if (room <= 1) return Clay_String{true, 0, ""};
    int n;
    const Clay_BoundingBox &b = el.box;
    if (el.is_text) {
        int32_t shown = el.text.length < 24 ? el.text.length : 24;
        n = std::snprintf(out, (size_t)room, "text \"%.*s\"  %.0f,%.0f %.0fx%.0f", (int)shown, el.text.chars, b.x, b.y,
                          b.width, b.height);
    } else if (el.decl.id.stringId.length > 0) {
        const Clay_ElementId &id = el.decl.id;
        if (id.offset != 0)
            n = std::snprintf(out, (size_t)room, "%.*s[%u]  %.0f,%.0f %.0fx%.0f", (int)id.stringId.length, id.stringId.chars,
                              (unsigned)id.offset, b.x, b.y, b.width, b.height);
        else
            n = std::snprintf(out, (size_t)room, "%.*s  %.0f,%.0f %.0fx%.0f", (int)id.stringId.length, id.stringId.chars, b.x,
                              b.y, b.width, b.height);
    } else {
        n = std::snprintf(out, (size_t)room, "(element)  %.0f,%.0f %.0fx%.0f", b.x, b.y, b.width, b.height);
    }
    if (n < 0) n = 0;
    if (n >= room) n = room - 1;
    ctx->debug_text_used += n;
    return Clay_String{false, n, out};
}

}  // namespace

namespace clay_internal {

void declare_debug_view(Clay_Context *ctx) {
    // Two elements per row: keep clear of the element capacity.
    int32_t room = (ctx->max_elements - ctx->element_count - 16) / 2;
    int32_t limit = room < max_rows ? room : max_rows;
    if (limit < 0) limit = 0;
    row rows[max_rows];
    int32_t count = 0;
    int32_t skipped = 0;
    int32_t user_roots = ctx->root_count;
    for (int32_t r = 0; r < user_roots; ++r)
        count = collect(ctx, ctx->roots[r].element, 0, rows, count, limit, &skipped);

    Clay_TextElementConfig *text = CLAY_TEXT_CONFIG({.textColor = text_color, .fontId = 0, .fontSize = font_size,
                                                     .wrapMode = CLAY_TEXT_WRAP_NONE});
    CLAY({.id = CLAY_ID("Clay__DebugView"),
          .layout = {.sizing = {CLAY_SIZING_FIT(debug_panel_width, debug_panel_width), CLAY_SIZING_GROW(0)},
                     .layoutDirection = CLAY_TOP_TO_BOTTOM},
          .backgroundColor = panel_color,
          .floating = {.zIndex = 32765,
                       .attachPoints = {.element = CLAY_ATTACH_POINT_RIGHT_TOP, .parent = CLAY_ATTACH_POINT_RIGHT_TOP},
                       .pointerCaptureMode = CLAY_POINTER_CAPTURE_MODE_CAPTURE,
                       .attachTo = CLAY_ATTACH_TO_ROOT},
          .border = {.color = edge_color, .width = {.left = 1}}}) {
        CLAY({.id = CLAY_ID("Clay__DebugViewTitle"),
              .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_FIT(0)},
                         .padding = {8, 8, 6, 6},
                         .childGap = 8,
                         .childAlignment = {.x = CLAY_ALIGN_X_LEFT, .y = CLAY_ALIGN_Y_CENTER}},
              .backgroundColor = title_color}) {
            CLAY_TEXT(CLAY_STRING("Clay Debug Tools"), text);
            CLAY({.layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_FIT(0)}}}) {}
            CLAY({.id = CLAY_ID("Clay__DebugViewClose"),
                  .layout = {.sizing = {CLAY_SIZING_FIT(20, 20), CLAY_SIZING_FIT(20, 20)},
                             .childAlignment = {.x = CLAY_ALIGN_X_CENTER, .y = CLAY_ALIGN_Y_CENTER}},
                  .backgroundColor = close_color}) {
                Clay_OnHover(close_hover, 0);
                CLAY_TEXT(CLAY_STRING("x"), text);
            }
        }
        CLAY({.id = CLAY_ID("Clay__DebugViewTree"),
              .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)},
                         .padding = {8, 8, 8, 8},
                         .childGap = 2,
                         .layoutDirection = CLAY_TOP_TO_BOTTOM},
              .clip = {.vertical = true, .childOffset = Clay_GetScrollOffset()}}) {
            for (int32_t i = 0; i < count; ++i) {
                const layout_element &el = ctx->elements[rows[i].element];
                uint16_t indent = (uint16_t)(rows[i].depth * indent_per_level);
                CLAY({.layout = {.padding = {indent, 0, 0, 0}}}) { CLAY_TEXT(describe(ctx, el), text); }
            }
            if (skipped > 0) {
                char *out = ctx->debug_text + ctx->debug_text_used;
                int32_t space = ctx->debug_text_capacity - ctx->debug_text_used;
                int n = space > 1 ? std::snprintf(out, (size_t)space, "... %d more", (int)skipped) : 0;
                if (n >= space) n = space - 1;
                if (n > 0) {
                    ctx->debug_text_used += n;
                    CLAY_TEXT((Clay_String{false, n, out}), text);
                }
            }
        }
    }
}

}  // namespace clay_internal
