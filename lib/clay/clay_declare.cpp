// Declaring a layout: the element tree built between Clay_BeginLayout and
// Clay_EndLayout through the CLAY and CLAY_TEXT macros.
#include "clay_internal.h"

using namespace clay_internal;

namespace {

const Clay_TextElementConfig default_text_config{};

Clay_String root_label() { return Clay_String{true, 19, "Clay__RootContainer"}; }

// The open element, or null when it was dropped for lack of room.
layout_element *open_top(Clay_Context *ctx) {
    if (!ctx || !ctx->layout_open || ctx->dropped_depth > 0 || ctx->open_depth == 0) return nullptr;
    return &ctx->elements[ctx->open_stack[ctx->open_depth - 1]];
}

int32_t clip_parent_for_child_of(Clay_Context *ctx, int32_t parent) {
    if (parent < 0) return -1;
    const layout_element &p = ctx->elements[parent];
    if (p.decl.clip.horizontal || p.decl.clip.vertical) return parent;
    return p.clip_parent;
}

void link_to_parent(Clay_Context *ctx, int32_t index) {
    layout_element &el = ctx->elements[index];
    if (el.floating || el.parent < 0) return;
    layout_element &parent = ctx->elements[el.parent];
    if (parent.last_child < 0)
        parent.first_child = index;
    else
        ctx->elements[parent.last_child].next_sibling = index;
    parent.last_child = index;
}

void close_top(Clay_Context *ctx) {
    int32_t index = ctx->open_stack[--ctx->open_depth];
    link_to_parent(ctx, index);
}

void declare_root(Clay_Context *ctx) {
    float width = ctx->layout_dimensions.width;
    if (ctx->debug_enabled) width -= debug_panel_width;
    if (width < 0) width = 0;
    float height = ctx->layout_dimensions.height;
    ctx->root_dimensions = Clay_Dimensions{width, height};
    Clay__OpenElement();
    Clay_ElementDeclaration root{};
    root.id = Clay__HashString(root_label(), 0, 0);
    root.layout.sizing.width.type = CLAY__SIZING_TYPE_FIT;
    root.layout.sizing.width.size.minMax = Clay_SizingMinMax{width, width};
    root.layout.sizing.height.type = CLAY__SIZING_TYPE_FIT;
    root.layout.sizing.height.size.minMax = Clay_SizingMinMax{height, height};
    Clay__ConfigureOpenElement(root);
    ctx->roots[0] = root_entry{0, -1, 0, 0};
    ctx->root_count = 1;
}

void resolve_floating_parents(Clay_Context *ctx) {
    for (int32_t r = 1; r < ctx->root_count; ++r) {
        root_entry &root = ctx->roots[r];
        const Clay_FloatingElementConfig &f = ctx->elements[root.element].decl.floating;
        if (f.attachTo == CLAY_ATTACH_TO_PARENT) {
            root.attach_parent = ctx->elements[root.element].parent;
        } else if (f.attachTo == CLAY_ATTACH_TO_ELEMENT_WITH_ID) {
            root.attach_parent = find_element(ctx, f.parentId);
            if (root.attach_parent < 0) {
                report(ctx, CLAY_ERROR_TYPE_FLOATING_CONTAINER_PARENT_NOT_FOUND,
                       "A floating element was attached to an id that no element of this layout has.");
                root.attach_parent = 0;
            }
        } else {
            root.attach_parent = -1; // the whole layout area
        }
    }
}

// Roots draw and hit-test in z order; equal z keeps declaration order.
void sort_roots(Clay_Context *ctx) {
    for (int32_t i = 1; i < ctx->root_count; ++i) {
        root_entry moving = ctx->roots[i];
        int32_t j = i - 1;
        while (j >= 0 && (ctx->roots[j].z_index > moving.z_index ||
                          (ctx->roots[j].z_index == moving.z_index && ctx->roots[j].order > moving.order))) {
            ctx->roots[j + 1] = ctx->roots[j];
            --j;
        }
        ctx->roots[j + 1] = moving;
    }
}

}  // namespace

namespace clay_internal {

layout_element *open_element(Clay_Context *ctx) {
    if (!ctx || !ctx->layout_open) return nullptr;
    if (ctx->dropped_depth > 0 || ctx->element_count >= ctx->max_elements) {
        if (!ctx->element_overflow_reported) {
            ctx->element_overflow_reported = true;
            report(ctx, CLAY_ERROR_TYPE_ELEMENTS_CAPACITY_EXCEEDED,
                   "The layout declares more elements than the context has room for; the rest are left out.");
        }
        ++ctx->dropped_depth;
        return nullptr;
    }
    int32_t index = ctx->element_count++;
    layout_element &el = ctx->elements[index];
    el = layout_element{};
    el.parent = ctx->open_depth > 0 ? ctx->open_stack[ctx->open_depth - 1] : -1;
    el.first_child = el.last_child = el.next_sibling = -1;
    el.cache_entry = -1;
    el.clip_parent = -1;
    if (el.parent >= 0)
        el.pos_id = positional_id(ctx->elements[el.parent].pos_id, ctx->elements[el.parent].open_children++);
    else
        el.pos_id = positional_id(0, ctx->root_count);
    el.id = el.pos_id;
    ctx->open_stack[ctx->open_depth++] = index;
    return &el;
}

}  // namespace clay_internal

extern "C" {

void Clay_BeginLayout(void) {
    Clay_Context *ctx = current();
    if (!ctx) return;
    ++ctx->frame;
    ctx->element_count = 0;
    compact_text_cache(ctx);
    ctx->open_depth = 0;
    ctx->dropped_depth = 0;
    ctx->root_count = 0;
    ctx->text_config_count = 0;
    ctx->line_count = 0;
    ctx->command_count = 0;
    ctx->debug_text_used = 0;
    ctx->element_overflow_reported = false;
    ctx->cache_overflow_reported = false;
    ctx->line_overflow_reported = false;
    ++ctx->id_generation;
    for (int32_t i = 0; i < ctx->scroll_count; ++i) ctx->scroll[i].seen = false;
    ctx->layout_open = true;
    declare_root(ctx);
}

void Clay__OpenElement(void) { open_element(current()); }

void Clay__ConfigureOpenElement(const Clay_ElementDeclaration config) {
    Clay_Context *ctx = current();
    layout_element *el = open_top(ctx);
    if (!el) return;
    int32_t index = (int32_t)(el - ctx->elements);
    el->decl = config;
    el->configured = true;
    if (config.id.id != 0) {
        el->id = config.id.id;
        if (!register_id(ctx, config.id.id, index))
            report(ctx, CLAY_ERROR_TYPE_DUPLICATE_ID, "An element with this id was already declared in this layout.");
    }
    if (config.floating.attachTo != CLAY_ATTACH_TO_NONE && index != 0) {
        el->floating = true;
        ctx->roots[ctx->root_count] = root_entry{index, -1, config.floating.zIndex, ctx->root_count};
        ++ctx->root_count;
    } else {
        el->clip_parent = clip_parent_for_child_of(ctx, el->parent);
    }
    if (config.clip.horizontal || config.clip.vertical) note_scroll_container(ctx, el);
}

void Clay__CloseElement(void) {
    Clay_Context *ctx = current();
    if (!ctx || !ctx->layout_open) return;
    if (ctx->dropped_depth > 0) {
        --ctx->dropped_depth;
        return;
    }
    if (ctx->open_depth <= 1) {
        report(ctx, CLAY_ERROR_TYPE_INTERNAL_ERROR, "An element was closed that was never opened.");
        return;
    }
    close_top(ctx);
}

Clay_TextElementConfig *Clay__StoreTextElementConfig(Clay_TextElementConfig config) {
    Clay_Context *ctx = current();
    static Clay_TextElementConfig scratch; // only when there is no room or no layout
    if (!ctx || !ctx->layout_open || ctx->text_config_count >= ctx->max_elements) {
        if (ctx && ctx->layout_open && !ctx->element_overflow_reported) {
            ctx->element_overflow_reported = true;
            report(ctx, CLAY_ERROR_TYPE_ELEMENTS_CAPACITY_EXCEEDED, "Too many text configurations in this layout.");
        }
        scratch = config;
        return &scratch;
    }
    Clay_TextElementConfig *stored = &ctx->text_configs[ctx->text_config_count++];
    *stored = config;
    return stored;
}

void Clay__OpenTextElement(Clay_String text, Clay_TextElementConfig *textConfig) {
    Clay_Context *ctx = current();
    layout_element *el = open_element(ctx);
    if (!el) {
        if (ctx && ctx->dropped_depth > 0) --ctx->dropped_depth;
        return;
    }
    el->is_text = true;
    el->configured = true;
    el->text = text;
    if (text.length < 0 || (!text.chars && text.length > 0)) el->text = Clay_String{true, 0, ""};
    el->text_config = textConfig ? textConfig : const_cast<Clay_TextElementConfig *>(&default_text_config);
    el->clip_parent = clip_parent_for_child_of(ctx, el->parent);
    measure_text_element(ctx, el);
    close_top(ctx);
}

void Clay_OnHover(void (*onHoverFunction)(Clay_ElementId, Clay_PointerData, intptr_t), intptr_t userData) {
    layout_element *el = open_top(current());
    if (!el) return;
    el->on_hover = onHoverFunction;
    el->hover_user = userData;
}

bool Clay_Hovered(void) {
    Clay_Context *ctx = current();
    layout_element *el = open_top(ctx);
    if (!el) return false;
    // While its declaration is still being built, the element is known by
    // its place in the tree only.
    for (int32_t i = 0; i < ctx->pointer_over_count; ++i) {
        const pointer_over_entry &e = ctx->pointer_over[i];
        if (el->configured ? e.id == el->id : e.pos_id == el->pos_id) return true;
    }
    return false;
}

Clay_Vector2 Clay_GetScrollOffset(void) {
    Clay_Context *ctx = current();
    layout_element *el = open_top(ctx);
    if (!el) return Clay_Vector2{0, 0};
    scroll_container *s = el->configured ? find_scroll(ctx, el->id, false) : find_scroll(ctx, el->pos_id, true);
    return s ? s->offset : Clay_Vector2{0, 0};
}

Clay_RenderCommandArray Clay_EndLayout(void) {
    Clay_Context *ctx = current();
    Clay_RenderCommandArray out{0, 0, nullptr};
    if (!ctx || !ctx->layout_open) return out;
    if (ctx->open_depth > 1 || ctx->dropped_depth > 0) {
        report(ctx, CLAY_ERROR_TYPE_INTERNAL_ERROR, "Clay_EndLayout was called while elements were still open.");
        ctx->dropped_depth = 0;
        while (ctx->open_depth > 1) close_top(ctx);
    }
    if (ctx->debug_enabled) {
        // The panel lists the boxes of the program's own tree.
        resolve_floating_parents(ctx);
        compute_layout(ctx);
        declare_debug_view(ctx);
        ctx->dropped_depth = 0;
        while (ctx->open_depth > 1) close_top(ctx);
    }
    ctx->open_depth = 0;
    resolve_floating_parents(ctx);
    sort_roots(ctx);
    compute_layout(ctx);
    emit_render_commands(ctx);
    finish_scroll_containers(ctx);
    ctx->layout_open = false;
    out.capacity = ctx->command_capacity;
    out.length = ctx->command_count;
    out.internalArray = ctx->commands;
    return out;
}

Clay_RenderCommand *Clay_RenderCommandArray_Get(Clay_RenderCommandArray *array, int32_t index) {
    if (!array || index < 0 || index >= array->length) return nullptr;
    return &array->internalArray[index];
}

}  // extern "C"
