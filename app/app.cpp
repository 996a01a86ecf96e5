// The program's top level: the application descriptor, the four lifecycle
// callbacks that set up, drive and tear down everything in a fixed order,
// event routing and the layout library's error handler.
#include <cstdio>
#include <cstdlib>

#include "clay.h"
#include "font.h"
#include "sokol_app.h"
#include "sokol_gfx.h"
#include "sokol_gl.h"
#include "sokol_glue.h"
#include "sokol_log.h"
#include "sclay.h"
#include "stream.h"
#include "ui.h"

// The program's only font table; every text uses entry 0.
static int32_t ui_font[1];

// Start-up failures the layout and font layers do not report themselves.
[[noreturn]] static void startup_failure(const char* what)
{
    std::fprintf(stderr, "ostrelle: %s\n", what);
    std::exit(1);
}

static void clay_error_handler(Clay_ErrorData error)
{
    std::printf("CLAY ERROR: %d %s\n", static_cast<int>(error.errorType), error.errorText.chars);
}

// While an error box is open on the main thread, the window's events go on
// being dispatched, as a modal box on Windows does by itself.
static void serve_window_under_box() { sapp_dispatch_events(0.02); }

static void app_init()
{
    sg_desc gfx = {};
    gfx.logger.func = slog_func;
    gfx.environment = sglue_environment();
    sg_setup(&gfx);

    sgl_desc_t gl = {};
    gl.logger.func = slog_func;
    sgl_setup(&gl);

    sclay_setup();

    uint32_t size = Clay_MinMemorySize();
    void* memory = std::malloc(size);
    if (!memory) startup_failure("cannot allocate the layout memory");
    Clay_Arena arena = Clay_CreateArenaWithCapacityAndMemory(size, memory);
    Clay_ErrorHandler handler = {};
    handler.errorHandlerFunction = clay_error_handler;
    if (!Clay_Initialize(arena, {static_cast<float>(sapp_width()), static_cast<float>(sapp_height())}, handler))
        startup_failure("cannot initialise the layout library");

    ui_font[0] = sclay_add_font_mem(roboto_regular, static_cast<int>(roboto_regular_size));
    if (ui_font[0] < 0) startup_failure("cannot load the built-in font");
    Clay_SetMeasureTextFunction(sclay_measure_text, ui_font);

    set_error_box_pump(serve_window_under_box);
    init_audio_and_network();
}

static void app_frame()
{
    sclay_new_frame();
    Clay_RenderCommandArray commands = build_layout();

    sg_pass pass = {};
    pass.swapchain = sglue_swapchain();
    sg_begin_pass(&pass);
    sgl_matrix_mode_modelview();
    sgl_load_identity();
    sclay_render(commands, ui_font);
    sgl_draw();
    sg_end_pass();
    sg_commit();
}

static void app_event(const sapp_event* event)
{
    if (event->type == SAPP_EVENTTYPE_KEY_DOWN && event->key_code == SAPP_KEYCODE_BACKSPACE)
        ip_input_char(8);
    else if (event->type == SAPP_EVENTTYPE_CHAR)
        ip_input_char(event->char_code);
    else if (event->type == SAPP_EVENTTYPE_KEY_DOWN && event->key_code == SAPP_KEYCODE_D)
        Clay_SetDebugModeEnabled(true);
    else
        sclay_handle_event(event);
}

static void app_cleanup()
{
    sclay_shutdown();
    sgl_shutdown();
    sg_shutdown();
    shutdown_audio_and_network();
}

sapp_desc sokol_main(int, char*[])
{
    sapp_desc desc = {};
    desc.init_cb = app_init;
    desc.frame_cb = app_frame;
    desc.cleanup_cb = app_cleanup;
    desc.event_cb = app_event;
    desc.width = 400;
    desc.height = 300;
    desc.window_title = "Ostrelle";
    desc.logger.func = slog_func;
    return desc;
}
