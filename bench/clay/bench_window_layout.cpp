// One layout of the window's shape, from Clay_BeginLayout to Clay_EndLayout:
// a container, a button, two labels, a field of 1,023 one-character
// elements and 64 rows of box and name. Target: under 2 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "clay.h"

namespace {

char address[1024];
char names[64][32];

Clay_Dimensions measure(Clay_StringSlice text, Clay_TextElementConfig *config, void *) {
    // Roughly a proportional font's advance, without a font.
    return Clay_Dimensions{0.55f * config->fontSize * (float)text.length, (float)config->fontSize};
}

void on_hover(Clay_ElementId, Clay_PointerData, intptr_t) {}

Clay_TextElementConfig *text(Clay_Color colour) {
    return CLAY_TEXT_CONFIG({.textColor = colour, .fontId = 0, .fontSize = 20, .wrapMode = CLAY_TEXT_WRAP_WORDS});
}

Clay_RenderCommandArray window_layout() {
    const Clay_Color black{0, 0, 0, 255};
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Container"),
          .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)}, .padding = {16, 16, 16, 16}, .childGap = 8, .layoutDirection = CLAY_TOP_TO_BOTTOM},
          .backgroundColor = {255, 255, 255, 255},
          .clip = {.vertical = true, .childOffset = Clay_GetScrollOffset()}}) {
        Clay_OnHover(on_hover, 0);
        CLAY({.id = CLAY_ID("Button1"), .layout = {.padding = {8, 8, 8, 8}},
              .backgroundColor = Clay_Hovered() ? Clay_Color{120, 120, 120, 255} : Clay_Color{100, 100, 100, 255}}) {
            Clay_OnHover(on_hover, 0);
            CLAY_TEXT(CLAY_STRING("Start"), text(Clay_Color{255, 255, 255, 255}));
        }
        CLAY_TEXT(CLAY_STRING("IP Address:"), text(black));
        CLAY({.id = CLAY_ID("IP Input"), .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_FIT(0)}, .padding = {8, 8, 8, 8}},
              .backgroundColor = {210, 210, 210, 255}}) {
            Clay_OnHover(on_hover, 0);
            for (int i = 0; address[i]; ++i) {
                CLAY({.id = CLAY_IDI("IP Input Char", i)}) {
                    Clay_OnHover(on_hover, i + 1);
                    CLAY_TEXT((Clay_String{false, 1, &address[i]}), text(black));
                }
            }
        }
        CLAY_TEXT(CLAY_STRING("Select audio device:"), text(black));
        for (int i = 0; i < 64; ++i) {
            CLAY({.id = CLAY_IDI("Device", i), .layout = {.childGap = 8}}) {
                Clay_OnHover(on_hover, i);
                CLAY({.id = CLAY_IDI("Device Checkbox", i), .layout = {.sizing = {CLAY_SIZING_FIT(20), CLAY_SIZING_FIT(20)}},
                      .backgroundColor = {210, 210, 210, 255}}) {}
                CLAY_TEXT((Clay_String{false, (int32_t)std::strlen(names[i]), names[i]}), text(black));
            }
        }
    }
    return Clay_EndLayout();
}

void window_layout_bench(benchmark::State &state) {
    for (int i = 0; i < 1023; ++i) address[i] = (i % 4 == 3) ? '.' : (char)('0' + i % 10);
    for (int i = 0; i < 64; ++i) std::snprintf(names[i], sizeof names[i], "Speakers (Device %d)", i);
    std::vector<char> memory(Clay_MinMemorySize());
    Clay_Initialize(Clay_CreateArenaWithCapacityAndMemory(memory.size(), memory.data()), Clay_Dimensions{400, 300},
                    Clay_ErrorHandler{nullptr, nullptr});
    Clay_SetMeasureTextFunction(measure, nullptr);
    Clay_SetPointerState(Clay_Vector2{200, 150}, false);
    int32_t commands = window_layout().length; // warms the measurement cache, as every frame after the first finds it
    for (auto _ : state) {
        Clay_RenderCommandArray array = window_layout();
        benchmark::DoNotOptimize(array.length);
    }
    state.counters["commands"] = (double)commands;
}

}  // namespace

BENCHMARK(window_layout_bench)->Unit(benchmark::kMicrosecond);
