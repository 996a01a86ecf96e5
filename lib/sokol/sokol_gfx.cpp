// Resource pools, defaults and id checks of the sokol_gfx stand-in; the
// drawing itself is the back end's (gfx_backend.h).
#include "sokol_gfx.h"

#include <string.h>

#include <vector>

#include "gfx_backend.h"
#include "record_hooks.h"

namespace {

// An id is (generation << 16) | (slot + 1): a destroyed and reused slot
// never answers to an old id.
struct gfx_pool {
    std::vector<uint32_t> generation;
    std::vector<sg_resource_state> state;
    int free_hint = 0;
};

struct gfx_state {
    bool valid = false;
    sg_desc desc{};
    gfx_pool buffers, images, views, samplers, shaders, pipelines;
    std::vector<sg_image_desc> image_descs;
    std::vector<int> view_images;           // image slot of each view
    bool in_pass = false;
    bool pipeline_applied = false;
};

gfx_state gfx;

void pool_init(gfx_pool* pool, int size) {
    pool->generation.assign(size, 0);
    pool->state.assign(size, SG_RESOURCESTATE_INITIAL);
    pool->free_hint = 0;
}

// Returns the slot, or -1 when the pool is exhausted.
int pool_alloc(gfx_pool* pool, uint32_t* id) {
    int n = (int)pool->state.size();
    for (int k = 0; k < n; k++) {
        int slot = (pool->free_hint + k) % n;
        sg_resource_state s = pool->state[slot];
        if (s == SG_RESOURCESTATE_INITIAL) {
            pool->free_hint = (slot + 1) % n;
            pool->generation[slot] = (pool->generation[slot] + 1) & 0xFFFF;
            if (pool->generation[slot] == 0) pool->generation[slot] = 1;
            pool->state[slot] = SG_RESOURCESTATE_ALLOC;
            *id = (pool->generation[slot] << 16) | (uint32_t)(slot + 1);
            return slot;
        }
    }
    return -1;
}

// The slot of a live resource with this id, else -1.
int pool_lookup(const gfx_pool* pool, uint32_t id) {
    int slot = (int)(id & 0xFFFF) - 1;
    if (slot < 0 || slot >= (int)pool->state.size()) return -1;
    if (pool->generation[slot] != (id >> 16)) return -1;
    if (pool->state[slot] == SG_RESOURCESTATE_INITIAL) return -1;
    return slot;
}

sg_resource_state pool_query(const gfx_pool* pool, uint32_t id) {
    int slot = pool_lookup(pool, id);
    return slot < 0 ? SG_RESOURCESTATE_INVALID : pool->state[slot];
}

int def(int v, int d) { return v == 0 ? d : v; }

// Creates the pool entry and asks the back end; a back end failure leaves
// the id in the FAILED state, as the library does.
template <typename F>
uint32_t make_resource(gfx_pool* pool, const char* what, F backend_make) {
    if (!gfx.valid) {
        gfx_log(1, "resource made before sg_setup");
        return SG_INVALID_ID;
    }
    uint32_t id = SG_INVALID_ID;
    int slot = pool_alloc(pool, &id);
    if (slot < 0) {
        gfx_log(1, what);
        return SG_INVALID_ID;
    }
    pool->state[slot] = backend_make(slot) ? SG_RESOURCESTATE_VALID : SG_RESOURCESTATE_FAILED;
    return id;
}

template <typename F>
void destroy_resource(gfx_pool* pool, uint32_t id, F backend_destroy) {
    if (!gfx.valid) return;
    int slot = pool_lookup(pool, id);
    if (slot < 0) return;
    if (pool->state[slot] == SG_RESOURCESTATE_VALID) backend_destroy(slot);
    pool->state[slot] = SG_RESOURCESTATE_INITIAL;
}

int valid_slot(const gfx_pool* pool, uint32_t id) {
    int slot = pool_lookup(pool, id);
    if (slot < 0 || pool->state[slot] != SG_RESOURCESTATE_VALID) return -1;
    return slot;
}

sg_blend_factor def_factor(sg_blend_factor f, sg_blend_factor d) {
    return f == _SG_BLENDFACTOR_DEFAULT ? d : f;
}

}  // namespace

void gfx_log(uint32_t level, const char* message) {
    if (gfx.desc.logger.func) {
        gfx.desc.logger.func("sg", level, 0, message, 0, nullptr, gfx.desc.logger.user_data);
    }
}

void sg_setup(const sg_desc* desc) {
    gfx.desc = *desc;
    pool_init(&gfx.buffers, def(desc->buffer_pool_size, 128));
    pool_init(&gfx.images, def(desc->image_pool_size, 128));
    pool_init(&gfx.samplers, def(desc->sampler_pool_size, 64));
    pool_init(&gfx.shaders, def(desc->shader_pool_size, 32));
    pool_init(&gfx.pipelines, def(desc->pipeline_pool_size, 64));
    pool_init(&gfx.views, def(desc->view_pool_size, 256));
    gfx.image_descs.assign(gfx.images.state.size(), sg_image_desc{});
    gfx.view_images.assign(gfx.views.state.size(), -1);
    gfx.in_pass = false;
    gfx.valid = gfx_backend_setup();
    if (!gfx.valid) gfx_log(0, "graphics back end failed to start");
}

void sg_shutdown(void) {
    if (!gfx.valid) return;
    // Release whatever the program left behind.
    gfx_pool* pools[] = {&gfx.pipelines, &gfx.shaders, &gfx.views, &gfx.samplers, &gfx.images, &gfx.buffers};
    void (*destroy[])(int) = {gfx_backend_destroy_pipeline, gfx_backend_destroy_shader,
                              [](int) {},                   gfx_backend_destroy_sampler,
                              gfx_backend_destroy_image,    gfx_backend_destroy_buffer};
    for (int p = 0; p < 6; p++) {
        for (size_t s = 0; s < pools[p]->state.size(); s++) {
            if (pools[p]->state[s] == SG_RESOURCESTATE_VALID) destroy[p]((int)s);
            pools[p]->state[s] = SG_RESOURCESTATE_INITIAL;
        }
    }
    gfx_backend_shutdown();
    gfx.valid = false;
}

bool sg_isvalid(void) { return gfx.valid; }

sg_buffer sg_make_buffer(const sg_buffer_desc* desc) {
    sg_buffer_desc d = *desc;
    if (d.size == 0) d.size = d.data.size;
    if (!d.usage.dynamic_update && !d.usage.stream_update) d.usage.immutable = true;
    if (!d.usage.index_buffer) d.usage.vertex_buffer = true;
    return {make_resource(&gfx.buffers, "buffer pool exhausted", [&](int slot) {
        if (d.size == 0 || d.usage.index_buffer) return false;
        if (d.usage.immutable && d.data.ptr == nullptr) return false;
        return gfx_backend_make_buffer(slot, &d);
    })};
}

sg_image sg_make_image(const sg_image_desc* desc) {
    sg_image_desc d = *desc;
    if (d.pixel_format == _SG_PIXELFORMAT_DEFAULT) d.pixel_format = SG_PIXELFORMAT_RGBA8;
    if (!d.usage.dynamic_update && !d.usage.stream_update) d.usage.immutable = true;
    return {make_resource(&gfx.images, "image pool exhausted", [&](int slot) {
        if (d.width <= 0 || d.height <= 0) return false;
        gfx.image_descs[slot] = d;
        return gfx_backend_make_image(slot, &d);
    })};
}

sg_view sg_make_view(const sg_view_desc* desc) {
    return {make_resource(&gfx.views, "view pool exhausted", [&](int slot) {
        int image = valid_slot(&gfx.images, desc->texture.image.id);
        gfx.view_images[slot] = image;
        return image >= 0;
    })};
}

sg_sampler sg_make_sampler(const sg_sampler_desc* desc) {
    sg_sampler_desc d = *desc;
    if (d.min_filter == _SG_FILTER_DEFAULT) d.min_filter = SG_FILTER_NEAREST;
    if (d.mag_filter == _SG_FILTER_DEFAULT) d.mag_filter = SG_FILTER_NEAREST;
    if (d.wrap_u == _SG_WRAP_DEFAULT) d.wrap_u = SG_WRAP_REPEAT;
    if (d.wrap_v == _SG_WRAP_DEFAULT) d.wrap_v = SG_WRAP_REPEAT;
    return {make_resource(&gfx.samplers, "sampler pool exhausted",
                          [&](int slot) { return gfx_backend_make_sampler(slot, &d); })};
}

sg_shader sg_make_shader(const sg_shader_desc* desc) {
    return {make_resource(&gfx.shaders, "shader pool exhausted", [&](int slot) {
        if (!desc->vertex_func.source || !desc->fragment_func.source) return false;
        return gfx_backend_make_shader(slot, desc);
    })};
}

sg_pipeline sg_make_pipeline(const sg_pipeline_desc* desc) {
    sg_pipeline_desc d = *desc;
    if (d.primitive_type == _SG_PRIMITIVETYPE_DEFAULT) d.primitive_type = SG_PRIMITIVETYPE_TRIANGLES;
    if (d.depth.compare == _SG_COMPAREFUNC_DEFAULT) d.depth.compare = SG_COMPAREFUNC_ALWAYS;
    if (d.color_count == 0) d.color_count = 1;
    if (d.sample_count == 0) d.sample_count = 1;
    for (int i = 0; i < SG_MAX_COLOR_ATTACHMENTS; i++) {
        sg_color_target_state* c = &d.colors[i];
        if (c->write_mask == _SG_COLORMASK_DEFAULT) c->write_mask = SG_COLORMASK_RGBA;
        c->blend.src_factor_rgb = def_factor(c->blend.src_factor_rgb, SG_BLENDFACTOR_ONE);
        c->blend.dst_factor_rgb = def_factor(c->blend.dst_factor_rgb, SG_BLENDFACTOR_ZERO);
        c->blend.src_factor_alpha = def_factor(c->blend.src_factor_alpha, SG_BLENDFACTOR_ONE);
        c->blend.dst_factor_alpha = def_factor(c->blend.dst_factor_alpha, SG_BLENDFACTOR_ZERO);
        if (c->blend.op_rgb == _SG_BLENDOP_DEFAULT) c->blend.op_rgb = SG_BLENDOP_ADD;
        if (c->blend.op_alpha == _SG_BLENDOP_DEFAULT) c->blend.op_alpha = SG_BLENDOP_ADD;
    }
    // Packed layouts: offsets follow from the formats, strides from the sums.
    static const int format_size[] = {0, 4, 8, 12, 16, 4};
    bool packed = true;
    for (auto& a : d.layout.attrs) packed = packed && a.offset == 0;
    if (packed) {
        int offset[SG_MAX_VERTEXBUFFER_BINDSLOTS] = {};
        for (auto& a : d.layout.attrs) {
            if (a.format == SG_VERTEXFORMAT_INVALID) break;
            a.offset = offset[a.buffer_index];
            offset[a.buffer_index] += format_size[a.format];
        }
        for (int b = 0; b < SG_MAX_VERTEXBUFFER_BINDSLOTS; b++) {
            if (d.layout.buffers[b].stride == 0) d.layout.buffers[b].stride = offset[b];
        }
    }
    return {make_resource(&gfx.pipelines, "pipeline pool exhausted", [&](int slot) {
        int shader = valid_slot(&gfx.shaders, d.shader.id);
        if (shader < 0) return false;
        return gfx_backend_make_pipeline(slot, shader, &d);
    })};
}

void sg_destroy_buffer(sg_buffer b) { destroy_resource(&gfx.buffers, b.id, gfx_backend_destroy_buffer); }
void sg_destroy_image(sg_image i) { destroy_resource(&gfx.images, i.id, gfx_backend_destroy_image); }
void sg_destroy_view(sg_view v) { destroy_resource(&gfx.views, v.id, [](int) {}); }
void sg_destroy_sampler(sg_sampler s) { destroy_resource(&gfx.samplers, s.id, gfx_backend_destroy_sampler); }
void sg_destroy_shader(sg_shader s) { destroy_resource(&gfx.shaders, s.id, gfx_backend_destroy_shader); }
void sg_destroy_pipeline(sg_pipeline p) { destroy_resource(&gfx.pipelines, p.id, gfx_backend_destroy_pipeline); }

sg_resource_state sg_query_buffer_state(sg_buffer b) { return pool_query(&gfx.buffers, b.id); }
sg_resource_state sg_query_image_state(sg_image i) { return pool_query(&gfx.images, i.id); }
sg_resource_state sg_query_view_state(sg_view v) { return pool_query(&gfx.views, v.id); }
sg_resource_state sg_query_sampler_state(sg_sampler s) { return pool_query(&gfx.samplers, s.id); }
sg_resource_state sg_query_shader_state(sg_shader s) { return pool_query(&gfx.shaders, s.id); }
sg_resource_state sg_query_pipeline_state(sg_pipeline p) { return pool_query(&gfx.pipelines, p.id); }

void sg_update_buffer(sg_buffer buf, const sg_range* data) {
    int slot = valid_slot(&gfx.buffers, buf.id);
    if (slot < 0 || data->size == 0) return;
    gfx_backend_update_buffer(slot, data);
}

void sg_update_image(sg_image img, const sg_image_data* data) {
    int slot = valid_slot(&gfx.images, img.id);
    if (slot < 0) return;
    gfx_backend_update_image(slot, &gfx.image_descs[slot], data);
}

void sg_begin_pass(const sg_pass* pass) {
    if (!gfx.valid) return;
    sg_pass_action a = pass->action;
    for (auto& c : a.colors) {
        if (c.load_action == _SG_LOADACTION_DEFAULT) {
            c.load_action = SG_LOADACTION_CLEAR;
            c.clear_value = {0.5f, 0.5f, 0.5f, 1.0f};
        }
        if (c.store_action == _SG_STOREACTION_DEFAULT) c.store_action = SG_STOREACTION_STORE;
    }
    if (a.depth.load_action == _SG_LOADACTION_DEFAULT) {
        a.depth.load_action = SG_LOADACTION_CLEAR;
        a.depth.clear_value = 1.0f;
    }
    if (a.depth.store_action == _SG_STOREACTION_DEFAULT) a.depth.store_action = SG_STOREACTION_DONTCARE;
    if (a.stencil.load_action == _SG_LOADACTION_DEFAULT) {
        a.stencil.load_action = SG_LOADACTION_CLEAR;
        a.stencil.clear_value = 0;
    }
    if (a.stencil.store_action == _SG_STOREACTION_DEFAULT) a.stencil.store_action = SG_STOREACTION_DONTCARE;
    gfx.in_pass = true;
    gfx.pipeline_applied = false;
    gfx_backend_begin_pass(&a, &pass->swapchain);
    SREC_PLAIN(SREC_BEGIN_PASS);
}

void sg_apply_viewport(int x, int y, int w, int h, bool origin_top_left) {
    if (gfx.in_pass) gfx_backend_viewport(x, y, w, h, origin_top_left);
}

void sg_apply_scissor_rect(int x, int y, int w, int h, bool origin_top_left) {
    if (gfx.in_pass) gfx_backend_scissor(x, y, w, h, origin_top_left);
}

void sg_apply_pipeline(sg_pipeline pip) {
    if (!gfx.in_pass) return;
    int slot = valid_slot(&gfx.pipelines, pip.id);
    gfx.pipeline_applied = slot >= 0;
    if (slot >= 0) gfx_backend_apply_pipeline(slot);
}

void sg_apply_bindings(const sg_bindings* b) {
    if (!gfx.in_pass || !gfx.pipeline_applied) return;
    gfx_resolved_bindings r;
    r.vertex_buffer = valid_slot(&gfx.buffers, b->vertex_buffers[0].id);
    r.vertex_buffer_offset = b->vertex_buffer_offsets[0];
    for (int i = 0; i < SG_MAX_VIEW_BINDSLOTS; i++) {
        int view = valid_slot(&gfx.views, b->views[i].id);
        r.view_images[i] = view < 0 ? -1 : gfx.view_images[view];
    }
    for (int i = 0; i < SG_MAX_SAMPLER_BINDSLOTS; i++) r.samplers[i] = valid_slot(&gfx.samplers, b->samplers[i].id);
    gfx_backend_apply_bindings(&r);
}

void sg_draw(int base_element, int num_elements, int num_instances) {
    if (!gfx.in_pass || !gfx.pipeline_applied || num_elements <= 0 || num_instances <= 0) return;
    gfx_backend_draw(base_element, num_elements, num_instances);
}

void sg_end_pass(void) {
    if (!gfx.in_pass) return;
    gfx.in_pass = false;
    gfx_backend_end_pass();
    SREC_PLAIN(SREC_END_PASS);
}

void sg_commit(void) {
    if (!gfx.valid) return;
    gfx_backend_commit();
    SREC_PLAIN(SREC_COMMIT);
}
