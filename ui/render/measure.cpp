#include <fontstash.h>

#include "sclay.h"
#include "sclay_state.h"

Clay_Dimensions sclay_measure_text(Clay_StringSlice text, Clay_TextElementConfig* config, void* user_data) {
    if (user_data == nullptr) return {0.0f, 0.0f};
    const int* fonts = (const int*)user_data;
    FONScontext* ctx = sclay_state.font_context;
    fonsSetFont(ctx, fonts[config->fontId]);
    // Unscaled: the result is in layout units; drawing applies dpi_scale.
    fonsSetSize(ctx, (float)config->fontSize);
    fonsSetSpacing(ctx, (float)config->letterSpacing);
    // fontstash leaves these unwritten for an invalid font: height 0 then.
    float ascender = 0.0f, descender = 0.0f, line_height = 0.0f;
    fonsVertMetrics(ctx, &ascender, &descender, &line_height);
    // A null end would make fontstash run strlen on the start.
    const char* chars = text.chars != nullptr ? text.chars : "";
    float width = fonsTextBounds(ctx, 0.0f, 0.0f, chars, chars + text.length, nullptr);
    return {width, ascender - descender};
}
