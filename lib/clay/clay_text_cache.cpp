// Text measurement: texts are split into words at spaces and newlines, each
// word measured through the user's callback once, and the results cached
// across frames. A static string is keyed on its address and length, any
// other on its characters, so text edited in place is measured anew.
#include <cstring>

#include "clay_internal.h"

using namespace clay_internal;

namespace {

uint64_t fnv64(uint64_t h, const void *data, size_t n) {
    const uint8_t *p = static_cast<const uint8_t *>(data);
    for (size_t i = 0; i < n; ++i) {
        h ^= p[i];
        h *= 1099511628211ull;
    }
    return h;
}

uint64_t text_key(const Clay_String &text, const Clay_TextElementConfig *config) {
    uint64_t h = 14695981039346656037ull;
    if (text.isStaticallyAllocated) {
        h = fnv64(h, "s", 1);
        h = fnv64(h, &text.chars, sizeof(text.chars));
    } else {
        h = fnv64(h, "c", 1);
        h = fnv64(h, text.chars, (size_t)text.length);
    }
    h = fnv64(h, &text.length, sizeof(text.length));
    h = fnv64(h, &config->fontId, sizeof(config->fontId));
    h = fnv64(h, &config->fontSize, sizeof(config->fontSize));
    h = fnv64(h, &config->letterSpacing, sizeof(config->letterSpacing));
    return h;
}

uint32_t slot_of(uint64_t key, int32_t slot_count) { return (uint32_t)(key ^ (key >> 32)) & (uint32_t)(slot_count - 1); }

int32_t lookup(Clay_Context *ctx, uint64_t key) {
    uint32_t mask = (uint32_t)ctx->cache_slot_count - 1;
    for (uint32_t i = slot_of(key, ctx->cache_slot_count);; i = (i + 1) & mask) {
        int32_t e = ctx->cache_slots[i];
        if (e < 0) return -1;
        if (ctx->cache_entries[e].key == key) return e;
    }
}

void insert_slot(Clay_Context *ctx, uint64_t key, int32_t entry) {
    uint32_t mask = (uint32_t)ctx->cache_slot_count - 1;
    uint32_t i = slot_of(key, ctx->cache_slot_count);
    while (ctx->cache_slots[i] >= 0) i = (i + 1) & mask;
    ctx->cache_slots[i] = entry;
}

int32_t count_words(const Clay_String &text) {
    int32_t n = 0;
    int32_t i = 0;
    while (i < text.length) {
        while (i < text.length && text.chars[i] != ' ' && text.chars[i] != '\n') ++i;
        if (i < text.length) ++i; // the separator belongs to the word before it
        ++n;
    }
    return n;
}

Clay_Dimensions measure(Clay_Context *ctx, const Clay_String &text, int32_t start, int32_t length,
                        Clay_TextElementConfig *config) {
    Clay_StringSlice slice{length, text.chars + start, text.chars};
    return ctx->measure_text(slice, config, ctx->measure_user_data);
}

void overflow(Clay_Context *ctx) {
    if (ctx->cache_overflow_reported) return;
    ctx->cache_overflow_reported = true;
    report(ctx, CLAY_ERROR_TYPE_TEXT_MEASUREMENT_CAPACITY_EXCEEDED,
           "The text measurement cache is full; texts that did not fit are measured whole and not wrapped.");
}

float max_f(float a, float b) { return a > b ? a : b; }

// Drops the entries last used before `oldest_frame`. Entries and words keep
// their order, so both only move down; elements of the layout being
// declared are pointed at their entries' new places.
void evict_before(Clay_Context *ctx, uint32_t oldest_frame) {
    int32_t kept = 0;
    for (int32_t e = 0; e < ctx->cache_entry_count; ++e) {
        text_cache_entry &entry = ctx->cache_entries[e];
        entry.new_index = entry.last_frame >= oldest_frame ? kept++ : -1;
    }
    for (int32_t i = 0; i < ctx->element_count; ++i) {
        layout_element &el = ctx->elements[i];
        if (el.is_text && el.cache_entry >= 0) el.cache_entry = ctx->cache_entries[el.cache_entry].new_index;
    }
    int32_t words = 0;
    for (int32_t e = 0; e < ctx->cache_entry_count; ++e) {
        text_cache_entry entry = ctx->cache_entries[e];
        if (entry.new_index < 0) continue;
        std::memmove(ctx->cache_words + words, ctx->cache_words + entry.first_word, sizeof(text_word) * entry.word_count);
        entry.first_word = words;
        words += entry.word_count;
        ctx->cache_entries[entry.new_index] = entry;
    }
    ctx->cache_entry_count = kept;
    ctx->cache_word_count = words;
    std::memset(ctx->cache_slots, 0xff, sizeof(int32_t) * ctx->cache_slot_count);
    for (int32_t e = 0; e < kept; ++e) insert_slot(ctx, ctx->cache_entries[e].key, e);
}

bool has_room(Clay_Context *ctx, int32_t word_count) {
    return ctx->cache_entry_count < ctx->max_words && ctx->cache_word_count + word_count <= ctx->max_words;
}

}  // namespace

namespace clay_internal {

// Once the cache is half full, a new layout starts without what the
// previous one did not use.
void compact_text_cache(Clay_Context *ctx) {
    if (ctx->cache_reset_pending) reset_text_cache(ctx);
    if (ctx->cache_entry_count > ctx->max_words / 2 || ctx->cache_word_count > ctx->max_words / 2)
        evict_before(ctx, ctx->frame - 1);
}

void reset_text_cache(Clay_Context *ctx) {
    ctx->cache_entry_count = 0;
    ctx->cache_word_count = 0;
    std::memset(ctx->cache_slots, 0xff, sizeof(int32_t) * ctx->cache_slot_count);
    ctx->cache_reset_pending = false;
}

void measure_text_element(Clay_Context *ctx, layout_element *el) {
    el->cache_entry = -1;
    el->text_width = 0;
    el->text_min_width = 0;
    el->text_height = 0;
    if (!ctx->measure_text) {
        report(ctx, CLAY_ERROR_TYPE_TEXT_MEASUREMENT_FUNCTION_NOT_PROVIDED,
               "Clay_SetMeasureTextFunction must be called before text elements are declared.");
        return;
    }
    const Clay_String &text = el->text;
    Clay_TextElementConfig *config = el->text_config;
    uint64_t key = text_key(text, config);
    int32_t found = lookup(ctx, key);
    if (found >= 0) {
        text_cache_entry &entry = ctx->cache_entries[found];
        entry.last_frame = ctx->frame;
        el->cache_entry = found;
        el->text_width = entry.unwrapped_width;
        el->text_min_width = entry.min_width;
        el->text_height = entry.height;
        return;
    }
    int32_t word_count = count_words(text);
    // Full: make room from what this frame has not used.
    if (!has_room(ctx, word_count)) evict_before(ctx, ctx->frame);
    if (!has_room(ctx, word_count)) {
        overflow(ctx);
        Clay_Dimensions d = measure(ctx, text, 0, text.length, config);
        el->text_width = d.width;
        el->text_min_width = d.width;
        el->text_height = d.height;
        return;
    }

    text_cache_entry entry{};
    entry.key = key;
    entry.first_word = ctx->cache_word_count;
    entry.word_count = word_count;
    entry.last_frame = ctx->frame;
    text_word *words = ctx->cache_words + entry.first_word;
    float line_width = 0;
    bool measured_any = false;
    int32_t i = 0;
    for (int32_t w = 0; w < word_count; ++w) {
        text_word &word = words[w];
        word.start = i;
        while (i < text.length && text.chars[i] != ' ' && text.chars[i] != '\n') ++i;
        int32_t body = i - word.start;
        word.has_space = i < text.length && text.chars[i] == ' ';
        word.ends_line = i < text.length && text.chars[i] == '\n';
        word.width = 0;
        if (body > 0) {
            Clay_Dimensions d = measure(ctx, text, word.start, body, config);
            word.width = d.width;
            entry.height = max_f(entry.height, d.height);
            measured_any = true;
        }
        if (word.has_space && entry.space_width == 0) {
            Clay_Dimensions d = measure(ctx, text, i, 1, config);
            entry.space_width = d.width;
            entry.height = max_f(entry.height, d.height);
            measured_any = true;
        }
        if (i < text.length) ++i;
        word.length = i - word.start;
        entry.min_width = max_f(entry.min_width, word.width);
        line_width += word.width + (word.has_space ? entry.space_width : 0);
        if (word.ends_line) {
            entry.unwrapped_width = max_f(entry.unwrapped_width, line_width);
            line_width = 0;
        }
    }
    entry.unwrapped_width = max_f(entry.unwrapped_width, line_width);
    if (!measured_any) entry.height = measure(ctx, text, 0, 0, config).height; // keeps one line's height

    ctx->cache_word_count += word_count;
    int32_t index = ctx->cache_entry_count++;
    ctx->cache_entries[index] = entry;
    insert_slot(ctx, key, index);
    el->cache_entry = index;
    el->text_width = entry.unwrapped_width;
    el->text_min_width = entry.min_width;
    el->text_height = entry.height;
}

const text_word *entry_words(Clay_Context *ctx, const layout_element *el, int32_t *count) {
    if (el->cache_entry < 0) {
        *count = 0;
        return nullptr;
    }
    const text_cache_entry &entry = ctx->cache_entries[el->cache_entry];
    *count = entry.word_count;
    return ctx->cache_words + entry.first_word;
}

float text_line_height(const layout_element *el) {
    return el->text_config->lineHeight > 0 ? (float)el->text_config->lineHeight : el->text_height;
}

}  // namespace clay_internal
