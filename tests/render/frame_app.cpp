// A window drawn through the bridge on the real sokol stand-in: boxes with
// square and arc corners, a translucent box, a round border, text and a
// scissored box, from a fixed command array. The Xvfb test checks its pixels.
#include <stdio.h>
#include <stdlib.h>

#include <vector>

#include "clay.h"
#include "sclay.h"
#include "sokol_app.h"
#include "test_graphics.h"

static const char* font_path = "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Regular.ttf";
static int fonts[1];

static Clay_RenderCommand rect(Clay_BoundingBox b, Clay_Color c, float radius) {
    Clay_RenderCommand cmd = {};
    cmd.commandType = CLAY_RENDER_COMMAND_TYPE_RECTANGLE;
    cmd.boundingBox = b;
    cmd.renderData.rectangle.backgroundColor = c;
    cmd.renderData.rectangle.cornerRadius = {radius, radius, radius, radius};
    return cmd;
}

static Clay_RenderCommand plain(Clay_RenderCommandType type, Clay_BoundingBox b) {
    Clay_RenderCommand cmd = {};
    cmd.commandType = type;
    cmd.boundingBox = b;
    return cmd;
}

static std::vector<Clay_RenderCommand> scene(void) {
    static const char label[] = "Ostrelle";
    std::vector<Clay_RenderCommand> cmds;
    cmds.push_back(rect({0, 0, 400, 300}, {255, 255, 255, 255}, 0));
    cmds.push_back(rect({20, 20, 120, 80}, {0, 0, 255, 255}, 24));
    cmds.push_back(rect({100, 60, 80, 60}, {255, 0, 0, 128}, 0));
    Clay_RenderCommand border = plain(CLAY_RENDER_COMMAND_TYPE_BORDER, {180, 20, 160, 100});
    border.renderData.border.color = {0, 153, 0, 255};
    border.renderData.border.cornerRadius = {20, 20, 20, 20};
    border.renderData.border.width = {6, 6, 6, 6, 0};
    cmds.push_back(border);
    Clay_RenderCommand text = plain(CLAY_RENDER_COMMAND_TYPE_TEXT, {30, 180, 200, 40});
    text.renderData.text.stringContents = {(int32_t)(sizeof label - 1), label, label};
    text.renderData.text.textColor = {0, 0, 0, 255};
    text.renderData.text.fontSize = 32;
    cmds.push_back(text);
    cmds.push_back(plain(CLAY_RENDER_COMMAND_TYPE_SCISSOR_START, {300, 150, 50, 50}));
    cmds.push_back(rect({280, 140, 100, 100}, {255, 128, 0, 255}, 0));
    cmds.push_back(plain(CLAY_RENDER_COMMAND_TYPE_SCISSOR_END, {300, 150, 50, 50}));
    cmds.push_back(rect({20, 250, 40, 30}, {0, 0, 0, 255}, 0));
    return cmds;
}

static void error_handler(Clay_ErrorData error) {
    printf("CLAY ERROR: %d %s\n", (int)error.errorType, error.errorText.chars);
}

static void init(void) {
    setup_test_gfx_and_gl();
    sclay_setup();
    uint32_t size = Clay_MinMemorySize();
    Clay_Arena arena = Clay_CreateArenaWithCapacityAndMemory(size, malloc(size));
    Clay_Initialize(arena, {(float)sapp_width(), (float)sapp_height()}, {error_handler, nullptr});
    fonts[0] = sclay_add_font(font_path);
    Clay_SetMeasureTextFunction(sclay_measure_text, fonts);
    printf("font %d\n", fonts[0]);
    fflush(stdout);
}

static void frame(void) {
    sclay_new_frame();
    std::vector<Clay_RenderCommand> cmds = scene();
    Clay_RenderCommandArray array = {(int32_t)cmds.size(), (int32_t)cmds.size(), cmds.data()};
    sg_pass pass = {};
    pass.swapchain = sglue_swapchain();
    sg_begin_pass(&pass);
    sgl_matrix_mode_modelview();
    sgl_load_identity();
    sclay_render(array, fonts);
    sgl_draw();
    sg_end_pass();
    sg_commit();
}

static void event(const sapp_event* ev) { sclay_handle_event(ev); }

static void cleanup(void) {
    sclay_shutdown();
    sgl_shutdown();
    sg_shutdown();
}

sapp_desc sokol_main(int, char*[]) {
    sapp_desc d = {};
    d.init_cb = init;
    d.frame_cb = frame;
    d.cleanup_cb = cleanup;
    d.event_cb = event;
    d.width = 400;
    d.height = 300;
    d.window_title = "sclay frame";
    d.logger.func = slog_func;
    return d;
}
