// Scroll positions of clip containers, kept per element id from frame to
// frame and moved by the wheel and by dragging.
#include "clay_internal.h"

using namespace clay_internal;

namespace {

// Wheel units to layout units.
constexpr float wheel_step = 10.0f;

float clamp_f(float v, float lo, float hi) { return v < lo ? lo : (v > hi ? hi : v); }

void clamp_offset(scroll_container &s) {
    float min_x = s.box.width - s.content.width;
    float min_y = s.box.height - s.content.height;
    s.offset.x = s.horizontal ? clamp_f(s.offset.x, min_x < 0 ? min_x : 0, 0) : 0;
    s.offset.y = s.vertical ? clamp_f(s.offset.y, min_y < 0 ? min_y : 0, 0) : 0;
}

bool pressed(Clay_PointerDataInteractionState s) {
    return s == CLAY_POINTER_DATA_PRESSED_THIS_FRAME || s == CLAY_POINTER_DATA_PRESSED;
}

}  // namespace

namespace clay_internal {

scroll_container *find_scroll(Clay_Context *ctx, uint32_t id, bool positional) {
    for (int32_t i = 0; i < ctx->scroll_count; ++i) {
        scroll_container &s = ctx->scroll[i];
        if ((positional ? s.pos_id : s.id) == id) return &s;
    }
    return nullptr;
}

void note_scroll_container(Clay_Context *ctx, layout_element *el) {
    scroll_container *s = find_scroll(ctx, el->id, false);
    if (!s) {
        if (ctx->scroll_count >= max_scroll_containers) {
            report(ctx, CLAY_ERROR_TYPE_INTERNAL_ERROR, "Too many clip containers; this one does not scroll.");
            return;
        }
        s = &ctx->scroll[ctx->scroll_count++];
        *s = scroll_container{};
        s->id = el->id;
    }
    s->pos_id = el->pos_id;
    s->horizontal = el->decl.clip.horizontal;
    s->vertical = el->decl.clip.vertical;
    s->element = (int32_t)(el - ctx->elements);
    s->seen = true;
}

// Forgets containers that this layout no longer has, and takes the new
// boxes and content sizes of the others.
void finish_scroll_containers(Clay_Context *ctx) {
    int32_t kept = 0;
    for (int32_t i = 0; i < ctx->scroll_count; ++i) {
        scroll_container s = ctx->scroll[i];
        if (!s.seen) continue;
        const layout_element &el = ctx->elements[s.element];
        s.box = el.box;
        s.content = Clay_Dimensions{el.content[0], el.content[1]};
        clamp_offset(s);
        ctx->scroll[kept++] = s;
    }
    ctx->scroll_count = kept;
}

}  // namespace clay_internal

extern "C" {

void Clay_UpdateScrollContainers(bool enableDragScrolling, Clay_Vector2 scrollDelta, float deltaTime) {
    (void)deltaTime; // no momentum: content stops when the pointer does
    Clay_Context *ctx = current();
    if (!ctx) return;
    // The innermost container under the pointer takes the wheel and a new drag.
    scroll_container *target = nullptr;
    for (int32_t i = ctx->pointer_over_count - 1; i >= 0 && !target; --i)
        target = find_scroll(ctx, ctx->pointer_over[i].id, false);

    Clay_Vector2 p = ctx->pointer.position;
    for (int32_t i = 0; i < ctx->scroll_count; ++i) {
        scroll_container &s = ctx->scroll[i];
        if (!s.dragging) continue;
        if (!enableDragScrolling || !pressed(ctx->pointer.state)) {
            s.dragging = false;
            continue;
        }
        if (s.horizontal) s.offset.x = s.drag_offset_origin.x + (p.x - s.drag_pointer_origin.x);
        if (s.vertical) s.offset.y = s.drag_offset_origin.y + (p.y - s.drag_pointer_origin.y);
    }
    if (target) {
        if (enableDragScrolling && ctx->pointer.state == CLAY_POINTER_DATA_PRESSED_THIS_FRAME && !target->dragging) {
            target->dragging = true;
            target->drag_pointer_origin = p;
            target->drag_offset_origin = target->offset;
        }
        if (target->vertical) target->offset.y += scrollDelta.y * wheel_step;
        if (target->horizontal) target->offset.x += scrollDelta.x * wheel_step;
    }
    for (int32_t i = 0; i < ctx->scroll_count; ++i) clamp_offset(ctx->scroll[i]);
}

}  // extern "C"
