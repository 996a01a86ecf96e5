// The window's layout, declared anew every frame from the application state.
#include <cstring>

#include "stream.h"
#include "ui.h"

namespace {

constexpr Clay_Color white = {255, 255, 255, 255};
constexpr Clay_Color black = {0, 0, 0, 255};
constexpr Clay_Color grey = {100, 100, 100, 255};
constexpr Clay_Color light_grey = {210, 210, 210, 255};
constexpr Clay_Color hover_grey = {120, 120, 120, 255};

Clay_TextElementConfig* text_config(Clay_Color colour)
{
    return CLAY_TEXT_CONFIG({.textColor = colour, .fontId = 0, .fontSize = 20, .wrapMode = CLAY_TEXT_WRAP_WORDS});
}

Clay_String dynamic_text(const char* chars, std::size_t length)
{
    return Clay_String{false, static_cast<int32_t>(length), chars};
}

void declare_ip_field()
{
    CLAY({.id = CLAY_ID("IP Input"),
          .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_FIT(0)},
                     .padding = {8, 8, 8, 8},
                     .layoutDirection = CLAY_LEFT_TO_RIGHT},
          .backgroundColor = light_grey})
    {
        Clay_OnHover(ip_input_hover, 0);
        // The length is taken anew at every step, as the text is NUL-terminated.
        for (int32_t i = 0; i <= static_cast<int32_t>(std::strlen(ip_text)); ++i) {
            if (i == ip_cursor && ip_focused) {
                CLAY({.id = CLAY_ID("IP Input Cursor"),
                      .layout = {.sizing = {CLAY_SIZING_FIT(2), CLAY_SIZING_GROW(0)}},
                      .backgroundColor = grey}) {}
            }
            if (ip_text[i] == '\0') break;
            CLAY({.id = CLAY_IDI("IP Input Char", i),
                  .layout = {.sizing = {CLAY_SIZING_FIT(0), CLAY_SIZING_FIT(0)}}})
            {
                Clay_OnHover(ip_char_hover, i + 1);
                CLAY_TEXT(dynamic_text(&ip_text[i], 1), text_config(black));
            }
        }
        // An empty field keeps the height of one line of text.
        if (ip_text[0] == '\0') {
            CLAY({.id = CLAY_IDI("IP Input Char", 0),
                  .layout = {.sizing = {CLAY_SIZING_FIT(0), CLAY_SIZING_FIT(0)}}})
            {
                CLAY_TEXT(CLAY_STRING(" "), text_config(black));
            }
        }
    }
}

void declare_device_rows()
{
    for (ma_uint32 i = 0; i < device_count; ++i) {
        CLAY({.id = CLAY_IDI("Device", i),
              .layout = {.sizing = {CLAY_SIZING_FIT(0), CLAY_SIZING_FIT(0)},
                         .childGap = 8,
                         .layoutDirection = CLAY_LEFT_TO_RIGHT}})
        {
            Clay_OnHover(device_row_hover, i);
            if (selected_device == static_cast<int32_t>(i)) {
                CLAY({.id = CLAY_IDI("Device Checkbox", i),
                      .layout = {.sizing = {CLAY_SIZING_FIT(20), CLAY_SIZING_FIT(20)}, .padding = {5, 0, 5, 0}},
                      .backgroundColor = light_grey})
                {
                    CLAY({.id = CLAY_IDI("Device Check", i),
                          .layout = {.sizing = {CLAY_SIZING_FIT(10), CLAY_SIZING_FIT(10)}},
                          .backgroundColor = grey}) {}
                }
            } else {
                CLAY({.id = CLAY_IDI("Device Checkbox", i),
                      .layout = {.sizing = {CLAY_SIZING_FIT(20), CLAY_SIZING_FIT(20)}},
                      .backgroundColor = light_grey}) {}
            }
            const char* name = device_infos[i].name;
            CLAY_TEXT(dynamic_text(name, strnlen(name, sizeof device_infos[i].name)), text_config(black));
        }
    }
}

} // namespace

Clay_RenderCommandArray build_layout()
{
    Clay_BeginLayout();
    CLAY({.id = CLAY_ID("Container"),
          .layout = {.sizing = {CLAY_SIZING_GROW(0), CLAY_SIZING_GROW(0)},
                     .padding = {16, 16, 16, 16},
                     .childGap = 8,
                     .layoutDirection = CLAY_TOP_TO_BOTTOM},
          .backgroundColor = white,
          .clip = {.horizontal = false, .vertical = true, .childOffset = Clay_GetScrollOffset()}})
    {
        Clay_OnHover(container_hover, 0);
        CLAY({.id = CLAY_ID("Button1"),
              .layout = {.sizing = {CLAY_SIZING_FIT(0), CLAY_SIZING_FIT(0)},
                         .padding = {8, 8, 8, 8},
                         .layoutDirection = CLAY_LEFT_TO_RIGHT},
              .backgroundColor = Clay_Hovered() ? hover_grey : grey})
        {
            Clay_OnHover(start_button_hover, 0);
            if (is_streaming)
                CLAY_TEXT(CLAY_STRING("Stop"), text_config(white));
            else
                CLAY_TEXT(CLAY_STRING("Start"), text_config(white));
        }
        if (!is_streaming) {
            CLAY_TEXT(CLAY_STRING("IP Address:"), text_config(black));
            declare_ip_field();
            CLAY_TEXT(CLAY_STRING("Select audio device:"), text_config(black));
            declare_device_rows();
        }
    }
    return Clay_EndLayout();
}
