// Render commands: each root in z order, each tree depth first in declaration
// order; a clip container's children sit between its scissor start and end.
#include "clay_internal.h"

using namespace clay_internal;

namespace {

struct emitter {
    Clay_Context *ctx;
    int16_t z_index;

    Clay_RenderCommand *push(const layout_element &el, Clay_RenderCommandType type, Clay_BoundingBox box) {
        if (ctx->command_count >= ctx->command_capacity) {
            report(ctx, CLAY_ERROR_TYPE_ELEMENTS_CAPACITY_EXCEEDED, "Too many render commands; the rest are left out.");
            return nullptr;
        }
        Clay_RenderCommand *cmd = &ctx->commands[ctx->command_count++];
        *cmd = Clay_RenderCommand{};
        cmd->boundingBox = box;
        cmd->userData = el.decl.userData;
        cmd->id = el.id;
        cmd->zIndex = z_index;
        cmd->commandType = type;
        return cmd;
    }

    void text(const layout_element &el) {
        const Clay_TextElementConfig &cfg = *el.text_config;
        float line_height = text_line_height(&el);
        // A set line height centres the measured line within it.
        float inset = cfg.lineHeight > 0 ? (line_height - el.text_height) / 2 : 0;
        for (int32_t i = 0; i < el.line_count; ++i) {
            const text_line &line = ctx->lines[el.first_line + i];
            float x = el.box.x;
            if (cfg.textAlignment == CLAY_TEXT_ALIGN_CENTER) x += (el.box.width - line.width) / 2;
            if (cfg.textAlignment == CLAY_TEXT_ALIGN_RIGHT) x += el.box.width - line.width;
            Clay_BoundingBox box{x, el.box.y + line_height * i + inset, line.width, el.text_height};
            Clay_RenderCommand *cmd = push(el, CLAY_RENDER_COMMAND_TYPE_TEXT, box);
            if (!cmd) return;
            cmd->userData = cfg.userData;
            Clay_TextRenderData &t = cmd->renderData.text;
            t.stringContents = Clay_StringSlice{line.length, el.text.chars + line.start, el.text.chars};
            t.textColor = cfg.textColor;
            t.fontId = cfg.fontId;
            t.fontSize = cfg.fontSize;
            t.letterSpacing = cfg.letterSpacing;
            t.lineHeight = cfg.lineHeight;
        }
    }

    void element(int32_t index) {
        const layout_element &el = ctx->elements[index];
        if (el.is_text) {
            text(el);
            return;
        }
        const Clay_ElementDeclaration &d = el.decl;
        if (d.backgroundColor.a > 0) {
            if (Clay_RenderCommand *cmd = push(el, CLAY_RENDER_COMMAND_TYPE_RECTANGLE, el.box)) {
                cmd->renderData.rectangle.backgroundColor = d.backgroundColor;
                cmd->renderData.rectangle.cornerRadius = d.cornerRadius;
            }
        }
        bool clip = d.clip.horizontal || d.clip.vertical;
        if (clip) {
            if (Clay_RenderCommand *cmd = push(el, CLAY_RENDER_COMMAND_TYPE_SCISSOR_START, el.box)) {
                cmd->renderData.clip.horizontal = d.clip.horizontal;
                cmd->renderData.clip.vertical = d.clip.vertical;
            }
        }
        for (int32_t c = el.first_child; c >= 0; c = ctx->elements[c].next_sibling) element(c);
        if (clip) {
            if (Clay_RenderCommand *cmd = push(el, CLAY_RENDER_COMMAND_TYPE_SCISSOR_END, el.box)) {
                cmd->renderData.clip.horizontal = d.clip.horizontal;
                cmd->renderData.clip.vertical = d.clip.vertical;
            }
        }
        const Clay_BorderWidth &w = d.border.width;
        if (w.left || w.right || w.top || w.bottom || w.betweenChildren) {
            if (Clay_RenderCommand *cmd = push(el, CLAY_RENDER_COMMAND_TYPE_BORDER, el.box)) {
                cmd->renderData.border.color = d.border.color;
                cmd->renderData.border.cornerRadius = d.cornerRadius;
                cmd->renderData.border.width = w;
            }
        }
    }
};

}  // namespace

namespace clay_internal {

void emit_render_commands(Clay_Context *ctx) {
    ctx->command_count = 0;
    for (int32_t r = 0; r < ctx->root_count; ++r) {
        emitter e{ctx, ctx->roots[r].z_index};
        e.element(ctx->roots[r].element);
    }
}

}  // namespace clay_internal
