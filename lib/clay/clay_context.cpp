// The context: its memory inside the arena, initialisation, global settings
// and error reporting.
#include <cstring>

#include "clay_internal.h"

using namespace clay_internal;

uint8_t Clay__ElementDefinitionLatch;

namespace {

Clay_Context *current_context = nullptr;

constexpr size_t alignment = 64;
constexpr int32_t debug_text_bytes = 64 * 1024;

size_t align_up(size_t n) { return (n + alignment - 1) & ~(alignment - 1); }

int32_t power_of_two_at_least(int32_t n) {
    int32_t p = 1;
    while (p < n) p <<= 1;
    return p;
}

int32_t command_capacity_for(int32_t max_elements, int32_t max_words) {
    // rectangle, scissor start and end and border per element, one per line
    return 4 * max_elements + max_words;
}

// Carves the context's arrays out of the arena, in the order context_bytes counts them.
struct carver {
    Clay_Arena *arena;
    template <typename T>
    T *take(size_t count) {
        size_t start = align_up(arena->nextAllocation);
        arena->nextAllocation = start + align_up(sizeof(T) * count);
        return reinterpret_cast<T *>(arena->memory + start);
    }
};

}  // namespace

namespace clay_internal {

Clay_Context *current() { return current_context; }

void report(Clay_Context *ctx, Clay_ErrorType type, const char *text) {
    if (!ctx || !ctx->error_handler.errorHandlerFunction) return;
    Clay_ErrorData data;
    data.errorType = type;
    data.errorText = Clay_String{true, (int32_t)std::strlen(text), text};
    data.userData = ctx->error_handler.userData;
    ctx->error_handler.errorHandlerFunction(data);
}

size_t context_bytes(int32_t e, int32_t w) {
    size_t n = 0;
    n += align_up(sizeof(Clay_Context));
    n += align_up(sizeof(layout_element) * e);
    n += align_up(sizeof(int32_t) * e);
    n += align_up(sizeof(root_entry) * e);
    n += align_up(sizeof(Clay_TextElementConfig) * e);
    n += align_up(sizeof(id_slot) * power_of_two_at_least(2 * e));
    n += align_up(sizeof(text_cache_entry) * w);
    n += align_up(sizeof(int32_t) * power_of_two_at_least(2 * w));
    n += align_up(sizeof(text_word) * w);
    n += align_up(sizeof(text_line) * w);
    n += align_up(sizeof(Clay_RenderCommand) * command_capacity_for(e, w));
    n += align_up(sizeof(pointer_over_entry) * e);
    n += align_up(sizeof(scroll_container) * max_scroll_containers);
    n += align_up(debug_text_bytes);
    return n + alignment; // room to align the arena's own start
}

}  // namespace clay_internal

extern "C" {

uint32_t Clay_MinMemorySize(void) {
    return (uint32_t)context_bytes(default_max_elements, default_max_words);
}

Clay_Arena Clay_CreateArenaWithCapacityAndMemory(size_t capacity, void *memory) {
    Clay_Arena arena;
    arena.nextAllocation = 0;
    arena.capacity = capacity;
    arena.memory = static_cast<char *>(memory);
    return arena;
}

Clay_Context *Clay_Initialize(Clay_Arena arena, Clay_Dimensions layoutDimensions, Clay_ErrorHandler errorHandler) {
    const int32_t e = default_max_elements;
    const int32_t w = default_max_words;
    // Offsets are counted from an aligned address inside the block.
    uintptr_t base = reinterpret_cast<uintptr_t>(arena.memory);
    size_t skew = (alignment - base % alignment) % alignment;
    if (!arena.memory || arena.capacity < skew + context_bytes(e, w) - alignment) {
        if (errorHandler.errorHandlerFunction) {
            const char *text = "The arena given to Clay_Initialize is smaller than Clay_MinMemorySize().";
            Clay_ErrorData data{CLAY_ERROR_TYPE_ARENA_CAPACITY_EXCEEDED, Clay_String{true, (int32_t)std::strlen(text), text},
                                errorHandler.userData};
            errorHandler.errorHandlerFunction(data);
        }
        return nullptr;
    }
    // Carve from the first aligned address, so offsets aligned to 64 give
    // aligned addresses.
    Clay_Arena a = arena;
    a.memory = arena.memory + skew;
    a.nextAllocation = 0;
    carver c{&a};
    Clay_Context *ctx = c.take<Clay_Context>(1);
    std::memset(static_cast<void *>(ctx), 0, sizeof(Clay_Context));
    ctx->max_elements = e;
    ctx->max_words = w;
    ctx->elements = c.take<layout_element>(e);
    ctx->open_stack = c.take<int32_t>(e);
    ctx->roots = c.take<root_entry>(e);
    ctx->text_configs = c.take<Clay_TextElementConfig>(e);
    ctx->id_slot_count = power_of_two_at_least(2 * e);
    ctx->id_slots = c.take<id_slot>(ctx->id_slot_count);
    ctx->cache_entries = c.take<text_cache_entry>(w);
    ctx->cache_slot_count = power_of_two_at_least(2 * w);
    ctx->cache_slots = c.take<int32_t>(ctx->cache_slot_count);
    ctx->cache_words = c.take<text_word>(w);
    ctx->lines = c.take<text_line>(w);
    ctx->command_capacity = command_capacity_for(e, w);
    ctx->commands = c.take<Clay_RenderCommand>(ctx->command_capacity);
    ctx->pointer_over = c.take<pointer_over_entry>(e);
    ctx->scroll = c.take<scroll_container>(max_scroll_containers);
    ctx->debug_text_capacity = debug_text_bytes;
    ctx->debug_text = c.take<char>(debug_text_bytes);
    ctx->arena = arena;
    ctx->arena.nextAllocation = skew + a.nextAllocation;

    std::memset(static_cast<void *>(ctx->id_slots), 0, sizeof(id_slot) * ctx->id_slot_count);
    ctx->id_generation = 1;
    ctx->error_handler = errorHandler;
    ctx->layout_dimensions = layoutDimensions;
    ctx->pointer.state = CLAY_POINTER_DATA_RELEASED;
    reset_text_cache(ctx);
    current_context = ctx;
    return ctx;
}

void Clay_SetLayoutDimensions(Clay_Dimensions dimensions) {
    if (Clay_Context *ctx = current()) ctx->layout_dimensions = dimensions;
}

void Clay_SetMeasureTextFunction(Clay_Dimensions (*measureTextFunction)(Clay_StringSlice, Clay_TextElementConfig *, void *),
                                 void *userData) {
    Clay_Context *ctx = current();
    if (!ctx) return;
    ctx->measure_text = measureTextFunction;
    ctx->measure_user_data = userData;
}

void Clay_ResetMeasureTextCache(void) {
    Clay_Context *ctx = current();
    if (!ctx) return;
    // Elements of an open layout still point into the cache.
    if (ctx->layout_open)
        ctx->cache_reset_pending = true;
    else
        reset_text_cache(ctx);
}

void Clay_SetDebugModeEnabled(bool enabled) {
    if (Clay_Context *ctx = current()) ctx->debug_enabled = enabled;
}

bool Clay_IsDebugModeEnabled(void) {
    Clay_Context *ctx = current();
    return ctx && ctx->debug_enabled;
}

}  // extern "C"
