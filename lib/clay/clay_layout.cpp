// Sizing and placing the element tree. Per axis, preferred and smallest
// sizes go up the tree, then free space is handed down: GROW children share
// it, and when it runs short the widest children give way down to their
// smallest size. Text wraps once the widths are final, so heights follow.
#include <cfloat>

#include "clay_internal.h"

using namespace clay_internal;

namespace {

constexpr int X = 0;
constexpr int Y = 1;
constexpr float epsilon = 0.01f;

float max_f(float a, float b) { return a > b ? a : b; }
float min_f(float a, float b) { return a < b ? a : b; }
float clamp_f(float v, float lo, float hi) { return v < lo ? lo : (v > hi ? hi : v); }

const Clay_SizingAxis &axis_sizing(const layout_element &el, int a) {
    return a == X ? el.decl.layout.sizing.width : el.decl.layout.sizing.height;
}

float sizing_max(const Clay_SizingAxis &s) { return s.size.minMax.max > 0 ? s.size.minMax.max : FLT_MAX; }
float sizing_min(const Clay_SizingAxis &s) { return max_f(0, s.size.minMax.min); }

bool grows(const layout_element &el, int a) { return !el.is_text && axis_sizing(el, a).type == CLAY__SIZING_TYPE_GROW; }

float padding_along(const layout_element &el, int a) {
    const Clay_Padding &p = el.decl.layout.padding;
    return a == X ? (float)p.left + p.right : (float)p.top + p.bottom;
}

bool is_along(const layout_element &el, int a) { return (el.decl.layout.layoutDirection == CLAY_LEFT_TO_RIGHT) == (a == X); }

bool clips(const layout_element &el, int a) { return a == X ? el.decl.clip.horizontal : el.decl.clip.vertical; }

struct layouter {
    Clay_Context *ctx;
    layout_element *els;

    void fit(int32_t index, int a) {
        layout_element &el = els[index];
        if (el.is_text) {
            if (a == X) {
                el.fit[X] = el.text_width;
                el.min[X] = el.text_config->wrapMode == CLAY_TEXT_WRAP_WORDS ? el.text_min_width : el.text_width;
            } else {
                float lines = (float)(el.line_count > 0 ? el.line_count : 1);
                el.fit[Y] = el.min[Y] = lines * text_line_height(&el);
            }
            return;
        }
        bool along = is_along(el, a);
        float sum_fit = 0, sum_min = 0, max_fit = 0, max_min = 0;
        int32_t n = 0;
        for (int32_t c = el.first_child; c >= 0; c = els[c].next_sibling) {
            fit(c, a);
            sum_fit += els[c].fit[a];
            sum_min += els[c].min[a];
            max_fit = max_f(max_fit, els[c].fit[a]);
            max_min = max_f(max_min, els[c].min[a]);
            ++n;
        }
        float gaps = along && n > 1 ? (float)el.decl.layout.childGap * (n - 1) : 0;
        float pad = padding_along(el, a);
        float content = pad + (along ? sum_fit + gaps : max_fit);
        float content_min = pad + (along ? sum_min + gaps : max_min);
        const Clay_SizingAxis &s = axis_sizing(el, a);
        float lo = sizing_min(s), hi = max_f(lo, sizing_max(s));
        el.fit[a] = clamp_f(content, lo, hi);
        // Content holds a FIT container open; a GROW container, or content
        // that scrolls, gives way down to the declared min.
        el.min[a] = clips(el, a) || s.type == CLAY__SIZING_TYPE_GROW ? lo : clamp_f(content_min, lo, hi);
    }

    // Takes `excess` off the widest children first, none below its smallest size.
    void shrink(int32_t first, int a, float excess) {
        for (int guard = 0; excess > epsilon && guard < 100000; ++guard) {
            float largest = 0, second = 0;
            int32_t count = 0;
            for (int32_t c = first; c >= 0; c = els[c].next_sibling) {
                layout_element &ch = els[c];
                if (ch.size[a] <= ch.min[a] + epsilon) continue;
                if (ch.size[a] > largest + epsilon) {
                    second = largest;
                    largest = ch.size[a];
                    count = 1;
                } else if (ch.size[a] >= largest - epsilon) {
                    ++count;
                } else {
                    second = max_f(second, ch.size[a]);
                }
            }
            if (count == 0) return;
            float step = min_f(largest - second, excess / count);
            if (step < epsilon) step = excess / count;
            for (int32_t c = first; c >= 0; c = els[c].next_sibling) {
                layout_element &ch = els[c];
                if (ch.size[a] <= ch.min[a] + epsilon || ch.size[a] < largest - epsilon) continue;
                float d = min_f(step, ch.size[a] - ch.min[a]);
                ch.size[a] -= d;
                excess -= d;
            }
        }
    }

    // Hands `room` to the smallest GROW children first, none above its max.
    void grow(int32_t first, int a, float room) {
        for (int guard = 0; room > epsilon && guard < 100000; ++guard) {
            float smallest = FLT_MAX, second = FLT_MAX;
            int32_t count = 0;
            for (int32_t c = first; c >= 0; c = els[c].next_sibling) {
                layout_element &ch = els[c];
                if (!grows(ch, a) || ch.size[a] >= sizing_max(axis_sizing(ch, a)) - epsilon) continue;
                if (ch.size[a] < smallest - epsilon) {
                    second = smallest;
                    smallest = ch.size[a];
                    count = 1;
                } else if (ch.size[a] <= smallest + epsilon) {
                    ++count;
                } else {
                    second = min_f(second, ch.size[a]);
                }
            }
            if (count == 0) return;
            float step = min_f(second - smallest, room / count);
            if (step < epsilon) step = room / count;
            for (int32_t c = first; c >= 0; c = els[c].next_sibling) {
                layout_element &ch = els[c];
                float hi = sizing_max(axis_sizing(ch, a));
                if (!grows(ch, a) || ch.size[a] >= hi - epsilon || ch.size[a] > smallest + epsilon) continue;
                float d = min_f(step, hi - ch.size[a]);
                ch.size[a] += d;
                room -= d;
            }
        }
    }

    void size_children(int32_t index, int a) {
        layout_element &el = els[index];
        if (el.is_text || el.first_child < 0) return;
        float inner = el.size[a] - padding_along(el, a);
        bool clip = clips(el, a);
        if (is_along(el, a)) {
            float used = 0;
            int32_t n = 0;
            for (int32_t c = el.first_child; c >= 0; c = els[c].next_sibling) {
                els[c].size[a] = els[c].fit[a];
                used += els[c].size[a];
                ++n;
            }
            used += n > 1 ? (float)el.decl.layout.childGap * (n - 1) : 0;
            if (used > inner && !clip)
                shrink(el.first_child, a, used - inner);
            else if (used < inner)
                grow(el.first_child, a, inner - used);
        } else {
            for (int32_t c = el.first_child; c >= 0; c = els[c].next_sibling) {
                layout_element &ch = els[c];
                if (grows(ch, a))
                    ch.size[a] = max_f(ch.min[a], min_f(inner, sizing_max(axis_sizing(ch, a))));
                else if (!clip && ch.fit[a] > inner)
                    ch.size[a] = max_f(inner, ch.min[a]);
                else
                    ch.size[a] = ch.fit[a];
            }
        }
        for (int32_t c = el.first_child; c >= 0; c = els[c].next_sibling) size_children(c, a);
    }

    void add_line(layout_element &el, int32_t start, int32_t end, float width) {
        if (ctx->line_count >= ctx->max_words) {
            if (!ctx->line_overflow_reported) {
                ctx->line_overflow_reported = true;
                report(ctx, CLAY_ERROR_TYPE_TEXT_MEASUREMENT_CAPACITY_EXCEEDED,
                       "Too many lines of text in this layout; the rest are not drawn.");
            }
            return;
        }
        if (el.line_count == 0) el.first_line = ctx->line_count;
        ctx->lines[ctx->line_count++] = text_line{start, end - start, width};
        ++el.line_count;
    }

    void wrap(layout_element &el) {
        el.line_count = 0;
        int32_t word_count = 0;
        const text_word *words = entry_words(ctx, &el, &word_count);
        if (!words || word_count == 0 || el.text_config->wrapMode == CLAY_TEXT_WRAP_NONE) {
            add_line(el, 0, el.text.length, el.text_width);
            return;
        }
        float space = ctx->cache_entries[el.cache_entry].space_width;
        bool by_words = el.text_config->wrapMode == CLAY_TEXT_WRAP_WORDS;
        float limit = el.size[X] + epsilon;
        int32_t line_start = 0;  // first word of the line
        float line_width = 0;    // up to and including the last word's space
        for (int32_t w = 0; w < word_count; ++w) {
            const text_word &word = words[w];
            if (by_words && w > line_start && line_width + word.width > limit) {
                // Break before this word; the space that ended the line is dropped.
                const text_word &last = words[w - 1];
                int32_t end = last.start + last.length - (last.has_space ? 1 : 0);
                add_line(el, words[line_start].start, end, line_width - (last.has_space ? space : 0));
                line_start = w;
                line_width = 0;
            }
            line_width += word.width + (word.has_space ? space : 0);
            if (word.ends_line) {
                add_line(el, words[line_start].start, word.start + word.length - 1, line_width);
                line_start = w + 1;
                line_width = 0;
            }
        }
        if (line_start < word_count) {
            const text_word &last = words[word_count - 1];
            add_line(el, words[line_start].start, last.start + last.length, line_width);
        }
        if (el.line_count == 0) add_line(el, el.text.length, el.text.length, 0);
    }

    void wrap_tree(int32_t index) {
        layout_element &el = els[index];
        if (el.is_text) {
            wrap(el);
            return;
        }
        for (int32_t c = el.first_child; c >= 0; c = els[c].next_sibling) wrap_tree(c);
    }

    void place(int32_t index, float x, float y) {
        layout_element &el = els[index];
        el.box = Clay_BoundingBox{x, y, el.size[X], el.size[Y]};
        el.placed = true;
        if (el.is_text) return;
        const Clay_LayoutConfig &l = el.decl.layout;
        int along = l.layoutDirection == CLAY_LEFT_TO_RIGHT ? X : Y;
        int across = 1 - along;
        float sum = 0, widest = 0;
        int32_t n = 0;
        for (int32_t c = el.first_child; c >= 0; c = els[c].next_sibling) {
            sum += els[c].size[along];
            widest = max_f(widest, els[c].size[across]);
            ++n;
        }
        sum += n > 1 ? (float)l.childGap * (n - 1) : 0;
        el.content[along] = padding_along(el, along) + sum;
        el.content[across] = padding_along(el, across) + widest;
        if (n == 0) return;

        float origin[2] = {x + l.padding.left, y + l.padding.top};
        if (el.decl.clip.horizontal || el.decl.clip.vertical) {
            origin[X] += el.decl.clip.childOffset.x;
            origin[Y] += el.decl.clip.childOffset.y;
        }
        float inner[2] = {el.size[X] - padding_along(el, X), el.size[Y] - padding_along(el, Y)};
        // 0 start, 1 end, 2 centre of the free space, per axis.
        int align[2];
        align[X] = l.childAlignment.x == CLAY_ALIGN_X_RIGHT ? 1 : (l.childAlignment.x == CLAY_ALIGN_X_CENTER ? 2 : 0);
        align[Y] = l.childAlignment.y == CLAY_ALIGN_Y_BOTTOM ? 1 : (l.childAlignment.y == CLAY_ALIGN_Y_CENTER ? 2 : 0);
        auto shift = [](int mode, float free_space) {
            if (free_space <= 0 || mode == 0) return 0.0f;
            return mode == 1 ? free_space : free_space / 2;
        };
        float cursor = origin[along] + shift(align[along], inner[along] - sum);
        for (int32_t c = el.first_child; c >= 0; c = els[c].next_sibling) {
            float pos[2];
            pos[along] = cursor;
            pos[across] = origin[across] + shift(align[across], inner[across] - els[c].size[across]);
            place(c, pos[X], pos[Y]);
            cursor += els[c].size[along] + l.childGap;
        }
    }

    float root_size(int32_t index, int a, float available) {
        layout_element &el = els[index];
        if (grows(el, a)) return max_f(el.min[a], min_f(available, sizing_max(axis_sizing(el, a))));
        return el.fit[a];
    }

    void layout_root(const root_entry &root) {
        int32_t index = root.element;
        layout_element &el = els[index];
        Clay_BoundingBox area{0, 0, ctx->layout_dimensions.width, ctx->layout_dimensions.height};
        if (root.attach_parent >= 0 && index != 0) area = els[root.attach_parent].box;

        // The layout root is exactly the area it was given, even when that is empty.
        bool layout_root = index == 0;
        fit(index, X);
        el.size[X] = layout_root ? ctx->root_dimensions.width : root_size(index, X, area.width);
        size_children(index, X);
        wrap_tree(index);
        fit(index, Y);
        el.size[Y] = layout_root ? ctx->root_dimensions.height : root_size(index, Y, area.height);
        size_children(index, Y);

        float x = 0, y = 0;
        if (index != 0) {
            const Clay_FloatingElementConfig &f = el.decl.floating;
            auto fraction_x = [](Clay_FloatingAttachPointType p) { return (float)((int)p / 3) / 2.0f; };
            auto fraction_y = [](Clay_FloatingAttachPointType p) { return (float)((int)p % 3) / 2.0f; };
            x = area.x + area.width * fraction_x(f.attachPoints.parent) - el.size[X] * fraction_x(f.attachPoints.element) + f.offset.x;
            y = area.y + area.height * fraction_y(f.attachPoints.parent) - el.size[Y] * fraction_y(f.attachPoints.element) + f.offset.y;
        }
        place(index, x, y);
    }
};

}  // namespace

namespace clay_internal {

void compute_layout(Clay_Context *ctx) {
    layouter l{ctx, ctx->elements};
    ctx->line_count = 0;
    for (int32_t i = 0; i < ctx->element_count; ++i) ctx->elements[i].placed = false;
    // A floating root waits until the element it is attached to has its box.
    auto ready = [ctx](const root_entry &root) {
        return root.element == 0 || root.attach_parent < 0 || ctx->elements[root.attach_parent].placed;
    };
    int32_t remaining = ctx->root_count;
    while (remaining > 0) {
        bool progress = false;
        for (int32_t r = 0; r < ctx->root_count; ++r) {
            if (ctx->elements[ctx->roots[r].element].placed || !ready(ctx->roots[r])) continue;
            l.layout_root(ctx->roots[r]);
            progress = true;
            --remaining;
        }
        if (progress) continue;
        // What is left hangs off elements that are never placed: use the whole area.
        for (int32_t r = 0; r < ctx->root_count; ++r) {
            if (ctx->elements[ctx->roots[r].element].placed) continue;
            ctx->roots[r].attach_parent = -1;
            l.layout_root(ctx->roots[r]);
            --remaining;
            break;
        }
    }
}

}  // namespace clay_internal
