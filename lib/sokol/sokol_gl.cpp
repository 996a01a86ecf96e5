// The sokol_gl stand-in: records vertices and commands during a frame and
// draws them with sokol_gfx in sgl_draw.
#include "sokol_gl.h"

#include <math.h>
#include <string.h>

#include <vector>

#include "record_hooks.h"

namespace {

enum { STACK_DEPTH = 32, NUM_PRIMS = 2 };
enum prim_kind { PRIM_TRIANGLES, PRIM_TRIANGLE_STRIP };

// Vertex layout shared with every sokol_gl shader.
struct gl_vertex {
    float pos[4];                // clip space
    float uv[2];
    uint32_t rgba;
};

struct gl_command {
    bool is_scissor;
    int rect[4];
    bool top_left;
    sg_pipeline pip;
    sg_view view;
    sg_sampler smp;
    int base, count;
};

struct gl_pipeline_slot {
    bool used;
    uint32_t generation;
    sg_pipeline pips[NUM_PRIMS];
};

struct mat4 { float m[16]; };     // column-major

struct gl_context {
    bool valid;
    sgl_desc_t desc;
    std::vector<gl_vertex> vertices;
    std::vector<gl_command> commands;
    int num_vertices, num_commands;
    sgl_error_t error;
    int matrix_mode;             // 0 model-view, 1 projection
    mat4 stack[2][STACK_DEPTH];
    int depth[2];
    sgl_pipeline pip_stack[STACK_DEPTH];
    int pip_depth;
    std::vector<gl_pipeline_slot> pipelines;
    sgl_pipeline default_pip;
    bool texturing;
    sg_view cur_view;
    sg_sampler cur_smp;
    float color[4];
    uint32_t rgba;
    float uv[2];
    bool in_begin;
    prim_kind prim;
    int base_vertex;
    sg_buffer vbuf;
    sg_image white_img;
    sg_view white_view;
    sg_sampler default_smp;
    sg_shader shader;
};

gl_context ctx;

const char* vs_source =
    "#version 430\n"
    "layout(location = 0) in vec4 position;\n"
    "layout(location = 1) in vec2 texcoord0;\n"
    "layout(location = 2) in vec4 color0;\n"
    "out vec2 uv;\n"
    "out vec4 color;\n"
    "void main() { gl_Position = position; uv = texcoord0; color = color0; }\n";

const char* fs_source =
    "#version 430\n"
    "layout(binding = 0) uniform sampler2D tex;\n"
    "in vec2 uv;\n"
    "in vec4 color;\n"
    "out vec4 frag_color;\n"
    "void main() { frag_color = texture(tex, uv) * color; }\n";

void log_error(const char* message) {
    if (ctx.desc.logger.func) ctx.desc.logger.func("sgl", 1, 0, message, 0, nullptr, ctx.desc.logger.user_data);
}

void set_error(bool* flag) {
    *flag = true;
    ctx.error.any = true;
}

mat4 identity() {
    mat4 r = {};
    r.m[0] = r.m[5] = r.m[10] = r.m[15] = 1.0f;
    return r;
}

mat4 mul(const mat4& a, const mat4& b) {
    mat4 r;
    for (int c = 0; c < 4; c++) {
        for (int row = 0; row < 4; row++) {
            float s = 0.0f;
            for (int k = 0; k < 4; k++) s += a.m[k * 4 + row] * b.m[c * 4 + k];
            r.m[c * 4 + row] = s;
        }
    }
    return r;
}

mat4* top() { return &ctx.stack[ctx.matrix_mode][ctx.depth[ctx.matrix_mode]]; }

void mul_top(const mat4& m) { *top() = mul(*top(), m); }

uint8_t to_byte(float v) {
    if (!(v > 0.0f)) return 0;
    if (v >= 1.0f) return 255;
    return (uint8_t)(v * 255.0f + 0.5f);
}

uint32_t pack(float r, float g, float b, float a) {
    return (uint32_t)to_byte(r) | ((uint32_t)to_byte(g) << 8) | ((uint32_t)to_byte(b) << 16) |
           ((uint32_t)to_byte(a) << 24);
}

gl_pipeline_slot* lookup_pipeline(sgl_pipeline pip) {
    int slot = (int)(pip.id & 0xFFFF) - 1;
    if (slot < 0 || slot >= (int)ctx.pipelines.size()) return nullptr;
    gl_pipeline_slot* p = &ctx.pipelines[slot];
    if (!p->used || p->generation != (pip.id >> 16)) return nullptr;
    return p;
}

void set_color(float r, float g, float b, float a) {
    ctx.color[0] = r;
    ctx.color[1] = g;
    ctx.color[2] = b;
    ctx.color[3] = a;
    ctx.rgba = pack(r, g, b, a);
    srec_note(SREC_COLOR, {r, g, b, a});
}

void begin(prim_kind prim) {
    if (ctx.in_begin) log_error("sgl_begin_* inside a primitive");
    ctx.in_begin = true;
    ctx.prim = prim;
    ctx.base_vertex = ctx.num_vertices;
    srec_note(SREC_BEGIN, {}, prim == PRIM_TRIANGLES ? SREC_PRIM_TRIANGLES : SREC_PRIM_TRIANGLE_STRIP);
}

// Emits one vertex, transformed by projection * model-view now. A vertex
// past the frame's capacity is dropped.
void vertex(float x, float y, float z, float u, float v, uint32_t rgba, const float* color) {
    const mat4& mv = ctx.stack[0][ctx.depth[0]];
    const mat4& pr = ctx.stack[1][ctx.depth[1]];
    float in[4] = {x, y, z, 1.0f}, eye[4], clip[4];
    for (int r = 0; r < 4; r++) {
        eye[r] = mv.m[r] * in[0] + mv.m[4 + r] * in[1] + mv.m[8 + r] * in[2] + mv.m[12 + r] * in[3];
    }
    for (int r = 0; r < 4; r++) {
        clip[r] = pr.m[r] * eye[0] + pr.m[4 + r] * eye[1] + pr.m[8 + r] * eye[2] + pr.m[12 + r] * eye[3];
    }
    srec_note(SREC_VERTEX, {x, y, u, v, color[0], color[1], color[2], color[3], clip[0], clip[1]});
    if (ctx.num_vertices >= (int)ctx.vertices.size()) {
        set_error(&ctx.error.vertices_full);
        return;
    }
    gl_vertex* vx = &ctx.vertices[ctx.num_vertices++];
    memcpy(vx->pos, clip, sizeof clip);
    vx->uv[0] = u;
    vx->uv[1] = v;
    vx->rgba = rgba;
}

// Returns the next command slot, or null (and the error) when full.
gl_command* next_command() {
    if (ctx.num_commands >= (int)ctx.commands.size()) {
        set_error(&ctx.error.commands_full);
        return nullptr;
    }
    return &ctx.commands[ctx.num_commands++];
}

}  // namespace

void sgl_setup(const sgl_desc_t* desc) {
    ctx = gl_context{};
    ctx.desc = *desc;
    if (ctx.desc.max_vertices <= 0) ctx.desc.max_vertices = 65536;
    if (ctx.desc.max_commands <= 0) ctx.desc.max_commands = 16384;
    if (ctx.desc.pipeline_pool_size <= 0) ctx.desc.pipeline_pool_size = 64;
    ctx.vertices.resize(ctx.desc.max_vertices);
    ctx.commands.resize(ctx.desc.max_commands);
    ctx.pipelines.resize(ctx.desc.pipeline_pool_size);
    for (int m = 0; m < 2; m++) ctx.stack[m][0] = identity();
    set_color(1.0f, 1.0f, 1.0f, 1.0f);

    sg_buffer_desc bd = {};
    bd.size = sizeof(gl_vertex) * ctx.vertices.size();
    bd.usage.vertex_buffer = true;
    bd.usage.stream_update = true;
    bd.label = "sgl-vertices";
    ctx.vbuf = sg_make_buffer(&bd);

    static const uint32_t white[8 * 8] = {
        0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
        0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
        0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
        0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
        0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
        0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
        0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
        0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
    };
    sg_image_desc id = {};
    id.width = 8;
    id.height = 8;
    id.pixel_format = SG_PIXELFORMAT_RGBA8;
    id.data.mip_levels[0] = {white, sizeof white};
    id.label = "sgl-white";
    ctx.white_img = sg_make_image(&id);
    sg_view_desc vd = {};
    vd.texture.image = ctx.white_img;
    ctx.white_view = sg_make_view(&vd);
    sg_sampler_desc sd = {};
    sd.label = "sgl-default-sampler";
    ctx.default_smp = sg_make_sampler(&sd);
    sg_shader_desc shd = {};
    shd.vertex_func.source = vs_source;
    shd.fragment_func.source = fs_source;
    shd.label = "sgl-shader";
    ctx.shader = sg_make_shader(&shd);
    ctx.valid = true;

    sg_pipeline_desc pd = {};
    ctx.default_pip = sgl_make_pipeline(&pd);
    ctx.pip_stack[0] = ctx.default_pip;
    ctx.cur_view = ctx.white_view;
    ctx.cur_smp = ctx.default_smp;
}

void sgl_shutdown(void) {
    if (!ctx.valid) return;
    for (size_t i = 0; i < ctx.pipelines.size(); i++) {
        if (!ctx.pipelines[i].used) continue;
        for (sg_pipeline p : ctx.pipelines[i].pips) sg_destroy_pipeline(p);
    }
    sg_destroy_shader(ctx.shader);
    sg_destroy_sampler(ctx.default_smp);
    sg_destroy_view(ctx.white_view);
    sg_destroy_image(ctx.white_img);
    sg_destroy_buffer(ctx.vbuf);
    ctx = gl_context{};
}

sgl_error_t sgl_error(void) {
    sgl_error_t e = ctx.error;
    if (!ctx.valid) {
        e.no_context = true;
        e.any = true;
    }
    return e;
}

float sgl_rad(float deg) { return deg * 0.017453292519943295f; }
float sgl_deg(float rad) { return rad * 57.29577951308232f; }

sgl_pipeline sgl_make_pipeline(const sg_pipeline_desc* desc) {
    if (!ctx.valid) return {0};
    int slot = -1;
    for (int i = 0; i < (int)ctx.pipelines.size() && slot < 0; i++) {
        if (!ctx.pipelines[i].used) slot = i;
    }
    if (slot < 0) {
        log_error("sokol_gl pipeline pool exhausted");
        return {0};
    }
    gl_pipeline_slot* p = &ctx.pipelines[slot];
    sg_pipeline_desc d = *desc;
    if (d.shader.id == SG_INVALID_ID) d.shader = ctx.shader;
    memset(&d.layout, 0, sizeof d.layout);
    d.layout.attrs[0].format = SG_VERTEXFORMAT_FLOAT4;
    d.layout.attrs[1].format = SG_VERTEXFORMAT_FLOAT2;
    d.layout.attrs[2].format = SG_VERTEXFORMAT_UBYTE4N;
    d.layout.buffers[0].stride = sizeof(gl_vertex);
    d.layout.attrs[1].offset = offsetof(gl_vertex, uv);
    d.layout.attrs[2].offset = offsetof(gl_vertex, rgba);
    static const sg_primitive_type types[NUM_PRIMS] = {SG_PRIMITIVETYPE_TRIANGLES, SG_PRIMITIVETYPE_TRIANGLE_STRIP};
    for (int k = 0; k < NUM_PRIMS; k++) {
        d.primitive_type = types[k];
        p->pips[k] = sg_make_pipeline(&d);
    }
    p->used = true;
    p->generation = ((p->generation + 1) & 0xFFFF) ? ((p->generation + 1) & 0xFFFF) : 1;
    return {(p->generation << 16) | (uint32_t)(slot + 1)};
}

void sgl_destroy_pipeline(sgl_pipeline pip) {
    gl_pipeline_slot* p = lookup_pipeline(pip);
    if (!p || pip.id == ctx.default_pip.id) return;
    for (sg_pipeline sp : p->pips) sg_destroy_pipeline(sp);
    p->used = false;
}

void sgl_enable_texture(void) {
    ctx.texturing = true;
    srec_note(SREC_ENABLE_TEXTURE);
}

void sgl_disable_texture(void) {
    ctx.texturing = false;
    srec_note(SREC_DISABLE_TEXTURE);
}

void sgl_texture(sg_view tex_view, sg_sampler smp) {
    ctx.cur_view = tex_view.id != SG_INVALID_ID ? tex_view : ctx.white_view;
    ctx.cur_smp = smp.id != SG_INVALID_ID ? smp : ctx.default_smp;
    srec_note(SREC_TEXTURE, {}, 0, tex_view.id, smp.id);
}

void sgl_load_default_pipeline(void) {
    ctx.pip_stack[ctx.pip_depth] = ctx.default_pip;
    srec_note(SREC_LOAD_DEFAULT_PIPELINE);
}

void sgl_load_pipeline(sgl_pipeline pip) {
    ctx.pip_stack[ctx.pip_depth] = pip;
    srec_note(SREC_LOAD_PIPELINE, {}, 0, pip.id);
}

void sgl_push_pipeline(void) {
    srec_note(SREC_PUSH_PIPELINE);
    if (ctx.pip_depth + 1 >= STACK_DEPTH) {
        set_error(&ctx.error.stack_overflow);
        return;
    }
    ctx.pip_stack[ctx.pip_depth + 1] = ctx.pip_stack[ctx.pip_depth];
    ctx.pip_depth++;
}

void sgl_pop_pipeline(void) {
    srec_note(SREC_POP_PIPELINE);
    if (ctx.pip_depth == 0) {
        set_error(&ctx.error.stack_underflow);
        return;
    }
    ctx.pip_depth--;
}

void sgl_scissor_rect(int x, int y, int w, int h, bool origin_top_left) {
    srec_note(SREC_SCISSOR_RECT, {(float)x, (float)y, (float)w, (float)h}, origin_top_left ? 1 : 0);
    gl_command* c = next_command();
    if (!c) return;
    c->is_scissor = true;
    c->rect[0] = x;
    c->rect[1] = y;
    c->rect[2] = w;
    c->rect[3] = h;
    c->top_left = origin_top_left;
}

// Rounds to whole pixels the way a rasteriser covers pixel centres.
void sgl_scissor_rectf(float x, float y, float w, float h, bool origin_top_left) {
    srec_note(SREC_SCISSOR_RECT, {x, y, w, h}, origin_top_left ? 1 : 0);
    gl_command* c = next_command();
    if (!c) return;
    int x0 = (int)lroundf(x), y0 = (int)lroundf(y);
    c->is_scissor = true;
    c->rect[0] = x0;
    c->rect[1] = y0;
    c->rect[2] = (int)lroundf(x + w) - x0;
    c->rect[3] = (int)lroundf(y + h) - y0;
    c->top_left = origin_top_left;
}

void sgl_matrix_mode_modelview(void) {
    ctx.matrix_mode = 0;
    srec_note(SREC_MATRIX_MODE_MODELVIEW);
}

void sgl_matrix_mode_projection(void) {
    ctx.matrix_mode = 1;
    srec_note(SREC_MATRIX_MODE_PROJECTION);
}

void sgl_load_identity(void) {
    *top() = identity();
    srec_note(SREC_LOAD_IDENTITY);
}

void sgl_load_matrix(const float m[16]) { memcpy(top()->m, m, sizeof(float) * 16); }

void sgl_translate(float x, float y, float z) {
    mat4 t = identity();
    t.m[12] = x;
    t.m[13] = y;
    t.m[14] = z;
    mul_top(t);
    srec_note(SREC_TRANSLATE, {x, y, z});
}

void sgl_scale(float x, float y, float z) {
    mat4 s = identity();
    s.m[0] = x;
    s.m[5] = y;
    s.m[10] = z;
    mul_top(s);
    srec_note(SREC_SCALE, {x, y, z});
}

void sgl_rotate(float a, float x, float y, float z) {
    float len = sqrtf(x * x + y * y + z * z);
    if (len == 0.0f) return;
    x /= len, y /= len, z /= len;
    float c = cosf(a), s = sinf(a), t = 1.0f - c;
    mat4 r = identity();
    r.m[0] = t * x * x + c, r.m[1] = t * x * y + s * z, r.m[2] = t * x * z - s * y;
    r.m[4] = t * x * y - s * z, r.m[5] = t * y * y + c, r.m[6] = t * y * z + s * x;
    r.m[8] = t * x * z + s * y, r.m[9] = t * y * z - s * x, r.m[10] = t * z * z + c;
    mul_top(r);
}

void sgl_ortho(float l, float r, float b, float t, float n, float f) {
    mat4 o = identity();
    o.m[0] = 2.0f / (r - l);
    o.m[5] = 2.0f / (t - b);
    o.m[10] = -2.0f / (f - n);
    o.m[12] = -(r + l) / (r - l);
    o.m[13] = -(t + b) / (t - b);
    o.m[14] = -(f + n) / (f - n);
    mul_top(o);
}

void sgl_push_matrix(void) {
    srec_note(SREC_PUSH_MATRIX);
    int m = ctx.matrix_mode;
    if (ctx.depth[m] + 1 >= STACK_DEPTH) {
        set_error(&ctx.error.stack_overflow);
        return;
    }
    ctx.stack[m][ctx.depth[m] + 1] = ctx.stack[m][ctx.depth[m]];
    ctx.depth[m]++;
}

void sgl_pop_matrix(void) {
    srec_note(SREC_POP_MATRIX);
    int m = ctx.matrix_mode;
    if (ctx.depth[m] == 0) {
        set_error(&ctx.error.stack_underflow);
        return;
    }
    ctx.depth[m]--;
}

void sgl_c3f(float r, float g, float b) { set_color(r, g, b, 1.0f); }
void sgl_c4f(float r, float g, float b, float a) { set_color(r, g, b, a); }
void sgl_c4b(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    set_color(r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f);
}
void sgl_c1i(uint32_t rgba) {
    sgl_c4b(rgba & 0xFF, (rgba >> 8) & 0xFF, (rgba >> 16) & 0xFF, rgba >> 24);
}

void sgl_begin_triangles(void) { begin(PRIM_TRIANGLES); }
void sgl_begin_triangle_strip(void) { begin(PRIM_TRIANGLE_STRIP); }

void sgl_v2f(float x, float y) { vertex(x, y, 0.0f, ctx.uv[0], ctx.uv[1], ctx.rgba, ctx.color); }
void sgl_v3f(float x, float y, float z) { vertex(x, y, z, ctx.uv[0], ctx.uv[1], ctx.rgba, ctx.color); }
void sgl_v2f_t2f(float x, float y, float u, float v) { vertex(x, y, 0.0f, u, v, ctx.rgba, ctx.color); }
void sgl_v2f_c4f(float x, float y, float r, float g, float b, float a) {
    float c[4] = {r, g, b, a};
    vertex(x, y, 0.0f, ctx.uv[0], ctx.uv[1], pack(r, g, b, a), c);
}
void sgl_v2f_t2f_c1i(float x, float y, float u, float v, uint32_t rgba) {
    float c[4] = {(rgba & 0xFF) / 255.0f, ((rgba >> 8) & 0xFF) / 255.0f, ((rgba >> 16) & 0xFF) / 255.0f,
                  (rgba >> 24) / 255.0f};
    vertex(x, y, 0.0f, u, v, rgba, c);
}

// Closes the primitive into one draw command with the current pipeline and
// texture. Without room for the command its vertices are dropped too.
void sgl_end(void) {
    srec_note(SREC_END);
    if (!ctx.in_begin) {
        log_error("sgl_end without sgl_begin_*");
        return;
    }
    ctx.in_begin = false;
    int count = ctx.num_vertices - ctx.base_vertex;
    if (count <= 0) return;
    gl_pipeline_slot* p = lookup_pipeline(ctx.pip_stack[ctx.pip_depth]);
    gl_command* c = p ? next_command() : nullptr;
    if (!c) {
        ctx.num_vertices = ctx.base_vertex;
        return;
    }
    c->is_scissor = false;
    c->pip = p->pips[ctx.prim];
    c->view = ctx.texturing ? ctx.cur_view : ctx.white_view;
    c->smp = ctx.texturing ? ctx.cur_smp : ctx.default_smp;
    c->base = ctx.base_vertex;
    c->count = count;
}

void sgl_draw(void) {
    srec_note(SREC_SGL_DRAW);
    if (!ctx.valid) return;
    if (ctx.num_vertices > 0) {
        sg_range r = {ctx.vertices.data(), sizeof(gl_vertex) * (size_t)ctx.num_vertices};
        sg_update_buffer(ctx.vbuf, &r);
    }
    uint32_t cur_pip = SG_INVALID_ID;
    for (int i = 0; i < ctx.num_commands; i++) {
        const gl_command& c = ctx.commands[i];
        if (c.is_scissor) {
            sg_apply_scissor_rect(c.rect[0], c.rect[1], c.rect[2], c.rect[3], c.top_left);
            continue;
        }
        if (c.pip.id != cur_pip) {
            sg_apply_pipeline(c.pip);
            cur_pip = c.pip.id;
        }
        sg_bindings b = {};
        b.vertex_buffers[0] = ctx.vbuf;
        b.views[0] = c.view;
        b.samplers[0] = c.smp;
        sg_apply_bindings(&b);
        sg_draw(c.base, c.count, 1);
    }
    ctx.num_vertices = 0;
    ctx.num_commands = 0;
    ctx.error = sgl_error_t{};
}
