// The pointer: one hit-test pass over the last completed layout per call of
// Clay_SetPointerState, then the press state advances.
#include "clay_internal.h"

using namespace clay_internal;

namespace {

bool contains(const Clay_BoundingBox &b, Clay_Vector2 p) {
    return p.x >= b.x && p.x <= b.x + b.width && p.y >= b.y && p.y <= b.y + b.height;
}

struct hit_walk {
    Clay_Context *ctx;

    // An element before its children, children in declaration order. The
    // callback runs before the element counts as "pointer over", so it sees
    // the list as it stood before its own visit.
    void visit(int32_t index) {
        layout_element &el = ctx->elements[index];
        Clay_Vector2 p = ctx->pointer.position;
        bool inside = contains(el.box, p) && (el.clip_parent < 0 || contains(ctx->elements[el.clip_parent].box, p));
        if (inside) {
            if (el.on_hover) {
                Clay_ElementId id = el.decl.id;
                if (id.id == 0) id = Clay_ElementId{el.id, 0, el.id, Clay_String{true, 0, ""}};
                el.on_hover(id, ctx->pointer, el.hover_user);
            }
            if (ctx->pointer_over_count < ctx->max_elements)
                ctx->pointer_over[ctx->pointer_over_count++] = pointer_over_entry{el.id, el.pos_id};
        }
        for (int32_t c = el.first_child; c >= 0; c = ctx->elements[c].next_sibling) visit(c);
    }
};

Clay_PointerDataInteractionState advance(Clay_PointerDataInteractionState s, bool down) {
    bool was_down = s == CLAY_POINTER_DATA_PRESSED_THIS_FRAME || s == CLAY_POINTER_DATA_PRESSED;
    if (down) return was_down ? CLAY_POINTER_DATA_PRESSED : CLAY_POINTER_DATA_PRESSED_THIS_FRAME;
    return was_down ? CLAY_POINTER_DATA_RELEASED_THIS_FRAME : CLAY_POINTER_DATA_RELEASED;
}

}  // namespace

extern "C" {

void Clay_SetPointerState(Clay_Vector2 position, bool pointerDown) {
    Clay_Context *ctx = current();
    if (!ctx) return;
    ctx->pointer.position = position;
    ctx->pointer_over_count = 0;
    // Mid-declaration the tree is half built: nothing to test against.
    if (!ctx->layout_open) {
        hit_walk walk{ctx};
        for (int32_t r = ctx->root_count - 1; r >= 0; --r) {
            int32_t index = ctx->roots[r].element;
            walk.visit(index);
            const layout_element &root = ctx->elements[index];
            if (root.floating && root.decl.floating.pointerCaptureMode == CLAY_POINTER_CAPTURE_MODE_CAPTURE &&
                contains(root.box, position))
                break;
        }
    }
    ctx->pointer.state = advance(ctx->pointer.state, pointerDown);
}

bool Clay_PointerOver(Clay_ElementId elementId) {
    Clay_Context *ctx = current();
    if (!ctx) return false;
    for (int32_t i = 0; i < ctx->pointer_over_count; ++i)
        if (ctx->pointer_over[i].id == elementId.id) return true;
    return false;
}

}  // extern "C"
