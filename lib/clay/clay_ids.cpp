// Element ids: hashes of a label, an offset and a seed, and the per-layout
// table of declared ids.
#include "clay_internal.h"

using namespace clay_internal;

namespace {

uint32_t mix(uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

// 0 is reserved for "no id".
uint32_t nonzero(uint32_t h) { return h ? h : 1; }

}  // namespace

namespace clay_internal {

uint32_t positional_id(uint32_t parent_pos_id, int32_t child_index) {
    return nonzero(mix(parent_pos_id * 31u + (uint32_t)child_index + 0x9e3779b9U));
}

int32_t find_element(Clay_Context *ctx, uint32_t id) {
    uint32_t mask = (uint32_t)ctx->id_slot_count - 1;
    for (uint32_t i = mix(id) & mask;; i = (i + 1) & mask) {
        id_slot &slot = ctx->id_slots[i];
        if (slot.generation != ctx->id_generation) return -1;
        if (slot.id == id) return slot.element;
    }
}

// False when the id is already taken in this layout.
bool register_id(Clay_Context *ctx, uint32_t id, int32_t element) {
    uint32_t mask = (uint32_t)ctx->id_slot_count - 1;
    for (uint32_t i = mix(id) & mask;; i = (i + 1) & mask) {
        id_slot &slot = ctx->id_slots[i];
        if (slot.generation != ctx->id_generation) {
            slot = id_slot{id, ctx->id_generation, element};
            return true;
        }
        if (slot.id == id) return false;
    }
}

}  // namespace clay_internal

extern "C" {

Clay_ElementId Clay__HashString(Clay_String key, uint32_t offset, uint32_t seed) {
    // FNV-1a over the label, then the offset folded in and mixed.
    uint32_t base = 2166136261u ^ seed;
    for (int32_t i = 0; i < key.length; ++i) {
        base ^= (uint8_t)key.chars[i];
        base *= 16777619u;
    }
    Clay_ElementId id;
    id.baseId = nonzero(mix(base));
    id.id = nonzero(mix(base + offset * 0x9e3779b9U + offset));
    id.offset = offset;
    id.stringId = key;
    return id;
}

Clay_ElementId Clay_GetElementId(Clay_String idString) { return Clay__HashString(idString, 0, 0); }

}  // extern "C"
