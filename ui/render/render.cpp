// Draws one frame of Clay render commands with sokol_gl and fontstash.
#include <fontstash.h>

#include <stdint.h>

#include "sclay.h"
#include "sclay_state.h"
#include "sokol_fontstash.h"
#include "sokol_gl.h"
#include "strips.h"

namespace {

float max_of(float a, float b) { return a > b ? a : b; }

void set_color(Clay_Color c) {
    sgl_c4f(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, c.a / 255.0f);
}

// Truncate toward zero and keep the low byte, so 256.0 wraps to 0.
uint8_t color_byte(float component) { return (uint8_t)((int64_t)component & 0xff); }

// One strip for the whole box; the pieces tile it without overlap when the
// radii fit, so translucent colours blend evenly.
void draw_filled_box(Clay_BoundingBox b, const Clay_RectangleRenderData& data) {
    const float x = b.x, y = b.y, w = b.width, h = b.height;
    const float tl = data.cornerRadius.topLeft, tr = data.cornerRadius.topRight;
    const float bl = data.cornerRadius.bottomLeft, br = data.cornerRadius.bottomRight;

    set_color(data.backgroundColor);
    sgl_begin_triangle_strip();
    if (tl > 0 || tr > 0) {
        draw_corner(x, y, -tl, -tl);
        draw_corner(x + w, y, tr, -tr);
        draw_rect(x + tl, y, w - tl - tr, max_of(tl, tr));
    }
    if (bl > 0 || br > 0) {
        draw_corner(x, y + h, -bl, bl);
        draw_corner(x + w, y + h, br, br);
        const float m = max_of(bl, br);
        draw_rect(x + bl, y + h - m, w - bl - br, m);
    }
    // Left column: whatever the two bands leave between the left corners.
    if (bl > tl && tr > tl) {
        draw_rect(x, y + tl, tl, h - tl - bl);
        draw_rect(x + tl, y + tr, bl - tl, h - tr - bl);
    } else if (bl > tl) {
        draw_rect(x, y + tl, bl, h - tl - bl);
    } else if (br > bl) {
        draw_rect(x, y + tl, bl, h - tl - bl);
        draw_rect(x + bl, y + tl, tl - bl, h - tl - br);
    } else {
        draw_rect(x, y + tl, tl, h - tl - bl);
    }
    // Right column, mirrored.
    if (br > tr && tl > tr) {
        draw_rect(x + w - br, y + tl, br - tr, h - tl - br);
        draw_rect(x + w - tr, y + tr, tr, h - tr - br);
    } else if (br > tr) {
        draw_rect(x + w - br, y + tr, br, h - tr - br);
    } else if (bl > br) {
        draw_rect(x + w - tr, y + tr, tr - br, h - tr - bl);
        draw_rect(x + w - br, y + tr, br, h - tr - br);
    } else {
        draw_rect(x + w - tr, y + tr, tr, h - tr - br);
    }
    const float l = max_of(tl, bl), r = max_of(tr, br);
    const float t = max_of(tl, tr), bo = max_of(bl, br);
    draw_rect(x + l, y + t, w - l - r, h - t - bo);
    sgl_end();
}

void draw_border(Clay_BoundingBox b, const Clay_BorderRenderData& data) {
    const float x = b.x, y = b.y, w = b.width, h = b.height;
    const float tl = data.cornerRadius.topLeft, tr = data.cornerRadius.topRight;
    const float bl = data.cornerRadius.bottomLeft, br = data.cornerRadius.bottomRight;
    const float wl = data.width.left, wr = data.width.right;
    const float wt = data.width.top, wb = data.width.bottom;

    set_color(data.color);
    sgl_begin_triangle_strip();
    if (data.width.left != 0) draw_rect(x, y + tl, wl, h - tl - bl);
    if (data.width.right != 0) draw_rect(x + w - wr, y + tr, wr, h - tr - br);
    if (data.width.top != 0) draw_rect(x + tl, y, w - tl - tr, wt);
    if (data.width.bottom != 0) draw_rect(x + bl, y + h - wb, w - bl - br, wb);
    // Each ring tapers from its vertical side's width to its horizontal one's.
    if (tl > 0 && (data.width.top != 0 || data.width.left != 0))
        draw_corner_border(x, y, -tl, -tl, -tl + wl, -tl + wt);
    if (tr > 0 && (data.width.top != 0 || data.width.right != 0))
        draw_corner_border(x + w, y, tr, -tr, tr - wr, -tr + wt);
    if (bl > 0 && (data.width.bottom != 0 || data.width.left != 0))
        draw_corner_border(x, y + h, -bl, bl, -bl + wl, bl - wb);
    if (br > 0 && (data.width.bottom != 0 || data.width.right != 0))
        draw_corner_border(x + w, y + h, br, br, br - wr, br - wb);
    sgl_end();
}

// fontstash works in framebuffer pixels under a 1/d scale, so glyphs are
// rasterised at the size they appear.
void draw_text(Clay_BoundingBox b, const Clay_TextRenderData& data, const int* fonts, float d) {
    FONScontext* ctx = sclay_state.font_context;
    fonsSetFont(ctx, fonts[data.fontId]);
    fonsSetColor(ctx, sfons_rgba(color_byte(data.textColor.r), color_byte(data.textColor.g),
                                 color_byte(data.textColor.b), color_byte(data.textColor.a)));
    fonsSetSpacing(ctx, (float)data.letterSpacing * d);
    fonsSetAlign(ctx, FONS_ALIGN_LEFT | FONS_ALIGN_TOP);
    fonsSetSize(ctx, (float)data.fontSize * d);
    sgl_matrix_mode_modelview();
    sgl_push_matrix();
    sgl_scale(1.0f / d, 1.0f / d, 1.0f);
    const char* chars = data.stringContents.chars != nullptr ? data.stringContents.chars : "";
    fonsDrawText(ctx, b.x * d, b.y * d, chars, chars + data.stringContents.length);
    sgl_pop_matrix();
}

}  // namespace

void sclay_render(Clay_RenderCommandArray commands, const int* fonts) {
    const float W = sclay_state.layout_size.width;
    const float H = sclay_state.layout_size.height;
    const float d = sclay_state.dpi_scale;
    // An empty window has no transform to divide by.
    if (!(W > 0 && H > 0)) return;

    sgl_matrix_mode_modelview();
    sgl_translate(-1.0f, 1.0f, 0.0f);
    sgl_scale(2.0f / W, -2.0f / H, 1.0f);
    sgl_disable_texture();
    sgl_push_pipeline();
    sgl_load_pipeline(sclay_state.pipeline);

    for (int32_t i = 0; i < commands.length; i++) {
        const Clay_RenderCommand* cmd = Clay_RenderCommandArray_Get(&commands, i);
        const Clay_BoundingBox b = cmd->boundingBox;
        switch (cmd->commandType) {
            case CLAY_RENDER_COMMAND_TYPE_RECTANGLE:
                draw_filled_box(b, cmd->renderData.rectangle);
                break;
            case CLAY_RENDER_COMMAND_TYPE_BORDER:
                draw_border(b, cmd->renderData.border);
                break;
            case CLAY_RENDER_COMMAND_TYPE_TEXT:
                if (fonts != nullptr && cmd->renderData.text.fontId < sclay_font_count)
                    draw_text(b, cmd->renderData.text, fonts, d);
                break;
            case CLAY_RENDER_COMMAND_TYPE_SCISSOR_START:
                sgl_scissor_rectf(b.x * d, b.y * d, b.width * d, b.height * d, true);
                break;
            case CLAY_RENDER_COMMAND_TYPE_SCISSOR_END:
                sgl_scissor_rectf(0.0f, 0.0f, W * d, H * d, true);
                break;
            default:  // none, image, custom and unknown types draw nothing
                break;
        }
    }

    sgl_pop_pipeline();
    sfons_flush(sclay_state.font_context);
}
