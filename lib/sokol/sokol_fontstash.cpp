// The fontstash renderer: atlas in a sokol_gfx image (one red channel used
// as coverage), glyph quads through sokol_gl with a pipeline of its own.
#include <fontstash.h>

#include "sokol_fontstash.h"

#include <stdlib.h>

#include <new>

#include <vector>

#include "record_hooks.h"

namespace {

struct fons_renderer {
    FONScontext* fons;
    sfons_allocator_t allocator;
    int width, height;
    sg_image img;
    sg_view view;
    sg_sampler smp;
    sg_shader shd;
    sgl_pipeline pip;
    bool dirty;
};

std::vector<fons_renderer*> renderers;

const char* vs_source =
    "#version 430\n"
    "layout(location = 0) in vec4 position;\n"
    "layout(location = 1) in vec2 texcoord0;\n"
    "layout(location = 2) in vec4 color0;\n"
    "out vec2 uv;\n"
    "out vec4 color;\n"
    "void main() { gl_Position = position; uv = texcoord0; color = color0; }\n";

// The atlas holds coverage in its red channel.
const char* fs_source =
    "#version 430\n"
    "layout(binding = 0) uniform sampler2D tex;\n"
    "in vec2 uv;\n"
    "in vec4 color;\n"
    "out vec4 frag_color;\n"
    "void main() { frag_color = vec4(1.0, 1.0, 1.0, texture(tex, uv).r) * color; }\n";

fons_renderer* find(FONScontext* fons) {
    for (fons_renderer* r : renderers) {
        if (r->fons == fons) return r;
    }
    return nullptr;
}

void release_atlas(fons_renderer* r) {
    sg_destroy_view(r->view);
    sg_destroy_image(r->img);
    r->view = {};
    r->img = {};
}

int render_create(void* user, int width, int height) {
    fons_renderer* r = (fons_renderer*)user;
    release_atlas(r);
    sg_image_desc id = {};
    id.width = width;
    id.height = height;
    id.pixel_format = SG_PIXELFORMAT_R8;
    id.usage.dynamic_update = true;
    id.label = "sfons-atlas";
    r->img = sg_make_image(&id);
    sg_view_desc vd = {};
    vd.texture.image = r->img;
    r->view = sg_make_view(&vd);
    r->width = width;
    r->height = height;
    r->dirty = true;
    return sg_query_view_state(r->view) == SG_RESOURCESTATE_VALID ? 1 : 0;
}

int render_resize(void* user, int width, int height) { return render_create(user, width, height); }

void render_update(void* user, int* rect, const unsigned char* data) {
    (void)rect, (void)data;
    ((fons_renderer*)user)->dirty = true;
}

void render_draw(void* user, const float* verts, const float* tcoords, const unsigned int* colors, int nverts) {
    fons_renderer* r = (fons_renderer*)user;
    sgl_enable_texture();
    sgl_texture(r->view, r->smp);
    sgl_push_pipeline();
    sgl_load_pipeline(r->pip);
    sgl_begin_triangles();
    for (int i = 0; i < nverts; i++) {
        sgl_v2f_t2f_c1i(verts[2 * i], verts[2 * i + 1], tcoords[2 * i], tcoords[2 * i + 1], colors[i]);
    }
    sgl_end();
    sgl_pop_pipeline();
    sgl_disable_texture();
}

void render_delete(void* user) {
    fons_renderer* r = (fons_renderer*)user;
    release_atlas(r);
    sgl_destroy_pipeline(r->pip);
    sg_destroy_shader(r->shd);
    sg_destroy_sampler(r->smp);
    for (size_t i = 0; i < renderers.size(); i++) {
        if (renderers[i] == r) renderers.erase(renderers.begin() + (long)i);
    }
    if (r->allocator.free_fn) r->allocator.free_fn(r, r->allocator.user_data);
    else free(r);
}

}  // namespace

FONScontext* sfons_create(const sfons_desc_t* desc) {
    sfons_allocator_t a = desc->allocator;
    void* mem = a.alloc_fn ? a.alloc_fn(sizeof(fons_renderer), a.user_data) : malloc(sizeof(fons_renderer));
    if (!mem) return nullptr;
    fons_renderer* r = new (mem) fons_renderer{};
    r->allocator = a;

    sg_sampler_desc sd = {};
    sd.min_filter = SG_FILTER_LINEAR;
    sd.mag_filter = SG_FILTER_LINEAR;
    sd.wrap_u = SG_WRAP_CLAMP_TO_EDGE;
    sd.wrap_v = SG_WRAP_CLAMP_TO_EDGE;
    sd.label = "sfons-sampler";
    r->smp = sg_make_sampler(&sd);
    sg_shader_desc shd = {};
    shd.vertex_func.source = vs_source;
    shd.fragment_func.source = fs_source;
    shd.label = "sfons-shader";
    r->shd = sg_make_shader(&shd);
    sg_pipeline_desc pd = {};
    pd.shader = r->shd;
    pd.colors[0].blend.enabled = true;
    pd.colors[0].blend.src_factor_rgb = SG_BLENDFACTOR_SRC_ALPHA;
    pd.colors[0].blend.dst_factor_rgb = SG_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    pd.colors[0].blend.src_factor_alpha = SG_BLENDFACTOR_ONE;
    pd.colors[0].blend.dst_factor_alpha = SG_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    pd.label = "sfons-pipeline";
    r->pip = sgl_make_pipeline(&pd);
    renderers.push_back(r);

    FONSparams params = {};
    params.width = desc->width > 0 ? desc->width : 512;
    params.height = desc->height > 0 ? desc->height : 512;
    params.flags = FONS_ZERO_TOPLEFT;
    params.userPtr = r;
    params.renderCreate = render_create;
    params.renderResize = render_resize;
    params.renderUpdate = render_update;
    params.renderDraw = render_draw;
    params.renderDelete = render_delete;
    r->fons = fonsCreateInternal(&params);
    if (!r->fons) {
        // fontstash calls render_delete itself only if it got as far as a
        // context of its own.
        for (fons_renderer* x : renderers) {
            if (x == r) {
                render_delete(r);
                break;
            }
        }
        return nullptr;
    }
    return r->fons;
}

void sfons_destroy(FONScontext* ctx) {
    if (ctx) fonsDeleteInternal(ctx);
}

void sfons_flush(FONScontext* ctx) {
    fons_renderer* r = find(ctx);
    if (!r) return;
    int dirty_rect[4];
    if (fonsValidateTexture(ctx, dirty_rect)) r->dirty = true;
    bool upload = r->dirty;
    if (upload) {
        int w = 0, h = 0;
        const unsigned char* data = fonsGetTextureData(ctx, &w, &h);
        sg_image_data d = {};
        d.mip_levels[0] = {data, (size_t)w * (size_t)h};
        sg_update_image(r->img, &d);
        r->dirty = false;
    }
    srec_note(SREC_SFONS_FLUSH, {}, upload ? 1 : 0);
}

uint32_t sfons_rgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    return (uint32_t)r | ((uint32_t)g << 8) | ((uint32_t)b << 16) | ((uint32_t)a << 24);
}
