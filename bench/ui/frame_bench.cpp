// CPU time of one frame's layout declaration plus the bridge's recording of
// its render commands (sokol_gl's recording build, no GL), for the default
// window and for the largest one: a 1,023-character address and 64 devices.
// Target: at most 2 ms per frame.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "font.h"
#include "fontstash.h"
#include "sclay.h"
#include "sokol_gfx.h"
#include "sokol_gl.h"
#include "sokol_record.h"
#include "stream.h"
#include "ui.h"

namespace {

int32_t fonts[1];
std::vector<ma_device_info> devices;

void set_up_once()
{
    static bool done = false;
    if (done) return;
    done = true;
    sg_desc gfx = {};
    sg_setup(&gfx);
    sgl_desc_t gl = {};
    sgl_setup(&gl);
    sclay_setup();
    uint32_t size = Clay_MinMemorySize();
    Clay_Initialize(Clay_CreateArenaWithCapacityAndMemory(size, std::malloc(size)), {400, 300}, {});
    fonts[0] = sclay_add_font_mem(roboto_regular, static_cast<int>(roboto_regular_size));
    Clay_SetMeasureTextFunction(sclay_measure_text, fonts);
}

void set_window(std::size_t address_length, std::size_t device_rows)
{
    std::memset(ip_text, 0, sizeof ip_text);
    for (std::size_t i = 0; i < address_length; ++i) ip_text[i] = "0123456789."[i % 11];
    devices.assign(device_rows, ma_device_info{});
    for (std::size_t i = 0; i < device_rows; ++i)
        std::snprintf(devices[i].name, sizeof devices[i].name, "Output device number %zu", i);
    device_infos = devices.data();
    device_count = static_cast<ma_uint32>(device_rows);
    ip_focused = 1;
    ip_cursor = static_cast<int32_t>(address_length / 2);
}

void frame(benchmark::State& state, std::size_t address_length, std::size_t device_rows)
{
    set_up_once();
    set_window(address_length, device_rows);
    for (auto _ : state) {
        sclay_new_frame();
        Clay_RenderCommandArray commands = build_layout();
        sgl_matrix_mode_modelview();
        sgl_load_identity();
        sclay_render(commands, fonts);
        state.PauseTiming();
        sgl_draw();
        sg_commit();
        srec_clear();
        state.ResumeTiming();
    }
}

void default_window(benchmark::State& state) { frame(state, std::strlen(default_ip_text), 3); }
void largest_window(benchmark::State& state) { frame(state, ip_text_size - 1, 64); }

BENCHMARK(default_window)->Unit(benchmark::kMicrosecond);
BENCHMARK(largest_window)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
