// Shared internals of the layout library stand-in: the context that lives in
// the arena and the helpers the translation units call on each other.
#pragma once

#include "clay.h"

namespace clay_internal {

constexpr int32_t default_max_elements = 8192;
constexpr int32_t default_max_words = 16384;
constexpr int32_t max_scroll_containers = 256;
constexpr float debug_panel_width = 400.0f;

// One word of a measured text: the characters up to a break opportunity.
struct text_word {
    int32_t start;      // byte offset in the text
    int32_t length;     // bytes, including a trailing space or newline
    float width;        // without the trailing space
    uint8_t has_space;  // ends with one space
    uint8_t ends_line;  // ends with a newline
};

// Measurements of one text for one font configuration, kept across frames.
struct text_cache_entry {
    uint64_t key;
    int32_t first_word;
    int32_t word_count;
    float unwrapped_width; // widest newline-separated line
    float min_width;       // widest single word
    float height;          // measured height of one line
    float space_width;
    uint32_t last_frame;
    int32_t new_index; // while the cache is compacted
};

// A line of wrapped text laid out in the current frame.
struct text_line {
    int32_t start;
    int32_t length;
    float width;
};

struct layout_element {
    Clay_ElementDeclaration decl;
    uint32_t id;     // declared id, or the positional one
    uint32_t pos_id; // from the parent's position and the child index
    int32_t parent;
    int32_t first_child;
    int32_t last_child;
    int32_t next_sibling;
    int32_t open_children; // children opened so far, for positional ids
    int32_t clip_parent;   // nearest clipping ancestor, or -1
    bool is_text;
    bool configured;
    bool floating;
    // Text elements only.
    Clay_String text;
    Clay_TextElementConfig *text_config;
    int32_t cache_entry; // -1: measured without the cache
    float text_width;    // widest newline-separated line
    float text_min_width; // widest word
    float text_height;   // one line as measured
    int32_t first_line;
    int32_t line_count;
    // Layout results.
    float fit[2];     // preferred size per axis
    float min[2];     // smallest size per axis
    float size[2];
    float content[2]; // extent of padding and children per axis
    Clay_BoundingBox box;
    bool placed;
    // Pointer.
    void (*on_hover)(Clay_ElementId, Clay_PointerData, intptr_t);
    intptr_t hover_user;
};

struct root_entry {
    int32_t element;
    int32_t attach_parent; // element index, resolved at the end of the layout
    int16_t z_index;
    int32_t order;         // declaration order, keeps the sort stable
};

struct pointer_over_entry {
    uint32_t id;
    uint32_t pos_id;
};

struct scroll_container {
    uint32_t id;
    uint32_t pos_id;
    Clay_Vector2 offset;
    Clay_BoundingBox box;
    Clay_Dimensions content;
    bool horizontal;
    bool vertical;
    int32_t element; // in the layout that last declared it
    bool seen;
    bool dragging;
    Clay_Vector2 drag_pointer_origin;
    Clay_Vector2 drag_offset_origin;
};

struct id_slot {
    uint32_t id;
    uint32_t generation;
    int32_t element;
};

}  // namespace clay_internal

struct Clay_Context {
    Clay_Arena arena;
    Clay_ErrorHandler error_handler;
    Clay_Dimensions layout_dimensions;
    Clay_Dimensions root_dimensions; // less the debug panel
    Clay_Dimensions (*measure_text)(Clay_StringSlice, Clay_TextElementConfig *, void *);
    void *measure_user_data;
    bool debug_enabled;
    bool layout_open; // between Clay_BeginLayout and Clay_EndLayout
    uint32_t frame;

    int32_t max_elements;
    int32_t max_words;

    // Element tree of the current (or last completed) layout.
    clay_internal::layout_element *elements;
    int32_t element_count;
    int32_t *open_stack;
    int32_t open_depth;
    int32_t dropped_depth;       // elements opened past the capacity
    bool element_overflow_reported;
    clay_internal::root_entry *roots;
    int32_t root_count;
    Clay_TextElementConfig *text_configs;
    int32_t text_config_count;

    // Ids declared in the current layout, for duplicates and lookups.
    clay_internal::id_slot *id_slots;
    int32_t id_slot_count; // a power of two
    uint32_t id_generation;

    // Text measurement cache, kept across frames.
    clay_internal::text_cache_entry *cache_entries;
    int32_t cache_entry_count;
    int32_t *cache_slots; // open addressing, -1 empty
    int32_t cache_slot_count;
    clay_internal::text_word *cache_words;
    int32_t cache_word_count;
    bool cache_overflow_reported;
    bool cache_reset_pending;

    clay_internal::text_line *lines;
    int32_t line_count;
    bool line_overflow_reported;

    Clay_RenderCommand *commands;
    int32_t command_capacity;
    int32_t command_count;

    // Pointer.
    Clay_PointerData pointer;
    clay_internal::pointer_over_entry *pointer_over;
    int32_t pointer_over_count;

    clay_internal::scroll_container *scroll;
    int32_t scroll_count;

    char *debug_text; // per-frame storage for the debug view's strings
    int32_t debug_text_capacity;
    int32_t debug_text_used;
};

namespace clay_internal {

Clay_Context *current();
void report(Clay_Context *ctx, Clay_ErrorType type, const char *text);
size_t context_bytes(int32_t max_elements, int32_t max_words);

// Text measurement (clay_text_cache.cpp).
void measure_text_element(Clay_Context *ctx, layout_element *element);
void reset_text_cache(Clay_Context *ctx);
void compact_text_cache(Clay_Context *ctx);
const text_word *entry_words(Clay_Context *ctx, const layout_element *element, int32_t *count);
float text_line_height(const layout_element *element);

// Ids (clay_ids.cpp).
uint32_t positional_id(uint32_t parent_pos_id, int32_t child_index);
int32_t find_element(Clay_Context *ctx, uint32_t id);
bool register_id(Clay_Context *ctx, uint32_t id, int32_t element);

// Layout (clay_layout.cpp) and render commands (clay_render.cpp).
void compute_layout(Clay_Context *ctx);
void emit_render_commands(Clay_Context *ctx);

// Scroll containers (clay_scroll.cpp).
scroll_container *find_scroll(Clay_Context *ctx, uint32_t id, bool positional);
void note_scroll_container(Clay_Context *ctx, layout_element *element);
void finish_scroll_containers(Clay_Context *ctx);

// Debug view (clay_debug.cpp).
void declare_debug_view(Clay_Context *ctx);

// Element tree declaration helpers (clay_declare.cpp).
layout_element *open_element(Clay_Context *ctx);

}  // namespace clay_internal
