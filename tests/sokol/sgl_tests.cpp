// sokol_gl's matrix and pipeline stacks, capacities and the call log, on the
// recording build.
#include <math.h>

#include "record_fixture.h"

using gl_matrices = recorded_frame;
using gl_log = recorded_frame;

TEST_F(gl_matrices, pixel_transform_maps_window_corners_to_clip_corners) {
    sgl_matrix_mode_modelview();
    sgl_load_identity();
    sgl_translate(-1.0f, 1.0f, 0.0f);
    sgl_scale(2.0f / 400.0f, -2.0f / 300.0f, 1.0f);
    sgl_begin_triangles();
    sgl_v2f(0.0f, 0.0f);
    EXPECT_FLOAT_EQ(last_clip().first, -1.0f);
    EXPECT_FLOAT_EQ(last_clip().second, 1.0f);
    sgl_v2f(400.0f, 300.0f);
    EXPECT_FLOAT_EQ(last_clip().first, 1.0f);
    EXPECT_FLOAT_EQ(last_clip().second, -1.0f);
    sgl_v2f(100.0f, 150.0f);
    EXPECT_FLOAT_EQ(last_clip().first, -0.5f);
    EXPECT_NEAR(last_clip().second, 0.0f, 1e-6);
    sgl_end();
}

TEST_F(gl_matrices, push_and_pop_restore_and_projection_applies_after_modelview) {
    sgl_matrix_mode_projection();
    sgl_scale(2.0f, 2.0f, 1.0f);
    sgl_matrix_mode_modelview();
    sgl_translate(1.0f, 0.0f, 0.0f);
    sgl_begin_triangles();
    sgl_v2f(0.0f, 0.0f);
    EXPECT_FLOAT_EQ(last_clip().first, 2.0f);   // projection * model-view
    sgl_push_matrix();
    sgl_scale(0.5f, 0.5f, 1.0f);
    sgl_v2f(2.0f, 2.0f);
    EXPECT_FLOAT_EQ(last_clip().first, 4.0f);
    EXPECT_FLOAT_EQ(last_clip().second, 2.0f);
    sgl_pop_matrix();
    sgl_v2f(2.0f, 2.0f);
    EXPECT_FLOAT_EQ(last_clip().first, 6.0f);
    EXPECT_FLOAT_EQ(last_clip().second, 4.0f);
    sgl_end();
    // Load-identity touches only the selected stack.
    sgl_load_identity();
    sgl_begin_triangles();
    sgl_v2f(1.0f, 1.0f);
    EXPECT_FLOAT_EQ(last_clip().first, 2.0f);
    sgl_end();
}

TEST_F(gl_matrices, stack_overflow_and_underflow_are_reported_and_harmless) {
    sgl_matrix_mode_modelview();
    sgl_pop_matrix();
    EXPECT_TRUE(sgl_error().stack_underflow);
    for (int i = 0; i < 31; i++) sgl_push_matrix();
    EXPECT_FALSE(sgl_error().stack_overflow);
    sgl_translate(5.0f, 0.0f, 0.0f);
    sgl_push_matrix();   // the 32nd level does not exist
    EXPECT_TRUE(sgl_error().stack_overflow);
    sgl_pop_matrix();    // back to the identity one level down
    sgl_begin_triangles();
    sgl_v2f(0.0f, 0.0f);
    sgl_end();
    EXPECT_FLOAT_EQ(last_clip().first, 0.0f);
    sgl_draw();
    EXPECT_FALSE(sgl_error().any) << "errors last until sgl_draw";
}

TEST_F(gl_matrices, pipeline_stack_reports_overflow_and_underflow) {
    sg_pipeline_desc pd = {};
    sgl_pipeline pip = sgl_make_pipeline(&pd);
    EXPECT_NE(pip.id, 0u);
    sgl_pop_pipeline();
    EXPECT_TRUE(sgl_error().stack_underflow);
    sgl_draw();
    for (int i = 0; i < 31; i++) {
        sgl_push_pipeline();
        sgl_load_pipeline(pip);
    }
    EXPECT_FALSE(sgl_error().any);
    sgl_push_pipeline();
    EXPECT_TRUE(sgl_error().stack_overflow);
    sgl_destroy_pipeline(pip);
}

TEST_F(gl_log, records_a_frame_call_by_call_with_exact_arguments) {
    sgl_matrix_mode_modelview();
    sgl_load_identity();
    sgl_disable_texture();
    sgl_push_pipeline();
    sgl_load_pipeline({77});
    sgl_c4f(127.9f / 255.0f, 0.25f, 0.5f, 0.75f);
    sgl_begin_triangle_strip();
    sgl_v2f(1.5f, 2.5f);
    sgl_end();
    sgl_scissor_rectf(1.0f, 2.0f, 3.0f, 4.0f, true);
    sgl_scissor_rectf(0.0f, 0.0f, 8.0f, 9.0f, false);
    sgl_pop_pipeline();
    sgl_draw();
    std::vector<srec_kind> want = {
        SREC_MATRIX_MODE_MODELVIEW, SREC_LOAD_IDENTITY, SREC_DISABLE_TEXTURE, SREC_PUSH_PIPELINE,
        SREC_LOAD_PIPELINE,         SREC_COLOR,         SREC_BEGIN,           SREC_VERTEX,
        SREC_END,                   SREC_SCISSOR_RECT,  SREC_SCISSOR_RECT,    SREC_POP_PIPELINE,
        SREC_SGL_DRAW};
    EXPECT_EQ(kinds(), want);
    EXPECT_EQ(srec_get(4).u[0], 77u);
    EXPECT_EQ(srec_get(6).i[0], SREC_PRIM_TRIANGLE_STRIP);
    srec_call v = srec_get(7);
    EXPECT_EQ(v.f[0], 1.5f);
    EXPECT_EQ(v.f[1], 2.5f);
    EXPECT_EQ(v.f[4], 127.9f / 255.0f) << "colours are kept as given, not rounded to bytes";
    EXPECT_EQ(v.f[7], 0.75f);
    srec_call s = srec_get(9);
    EXPECT_EQ(s.f[2], 3.0f);
    EXPECT_EQ(s.i[0], 1);
    EXPECT_EQ(srec_get(10).i[0], 0);
    srec_clear();
    EXPECT_EQ(srec_count(), 0);
    EXPECT_EQ(srec_get(0).kind, 0) << "out-of-range reads give an empty record";
}

TEST_F(gl_log, byte_colours_and_per_vertex_colours_convert_to_floats) {
    sgl_c1i(0x80FF0040u);   // r 0x40, g 0, b 0xFF, a 0x80
    sgl_begin_triangles();
    sgl_v2f(0.0f, 0.0f);
    sgl_v2f_t2f_c1i(1.0f, 2.0f, 0.25f, 0.75f, 0xFF00FF00u);
    sgl_end();
    auto v = log_of(SREC_VERTEX);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_FLOAT_EQ(v[0].f[4], 64.0f / 255.0f);
    EXPECT_FLOAT_EQ(v[0].f[6], 1.0f);
    EXPECT_FLOAT_EQ(v[0].f[7], 128.0f / 255.0f);
    EXPECT_FLOAT_EQ(v[1].f[2], 0.25f);
    EXPECT_FLOAT_EQ(v[1].f[3], 0.75f);
    EXPECT_FLOAT_EQ(v[1].f[4], 0.0f);
    EXPECT_FLOAT_EQ(v[1].f[5], 1.0f);
    EXPECT_FLOAT_EQ(v[1].f[7], 1.0f);
    // The per-vertex colour does not change the current one.
    sgl_begin_triangles();
    sgl_v2f(0.0f, 0.0f);
    sgl_end();
    EXPECT_FLOAT_EQ(log_of(SREC_VERTEX).back().f[4], 64.0f / 255.0f);
}

// Small capacities: 8 vertices, 3 commands per frame.
TEST_F(gl_log, capacities_drop_what_does_not_fit_until_the_next_frame) {
    sgl_shutdown();
    sg_shutdown();
    start(8, 3);
    sgl_begin_triangle_strip();
    for (int i = 0; i < 6; i++) sgl_v2f(0.0f, 0.0f);
    sgl_end();
    EXPECT_FALSE(sgl_error().any);
    sgl_begin_triangle_strip();
    for (int i = 0; i < 6; i++) sgl_v2f(0.0f, 0.0f);   // only 2 fit
    sgl_end();
    EXPECT_TRUE(sgl_error().vertices_full);
    EXPECT_FALSE(sgl_error().commands_full);
    sgl_scissor_rect(0, 0, 1, 1, true);   // third command
    sgl_scissor_rect(0, 0, 1, 1, true);   // no room
    EXPECT_TRUE(sgl_error().commands_full);
    sgl_draw();
    EXPECT_FALSE(sgl_error().any);
    sgl_begin_triangles();
    for (int i = 0; i < 8; i++) sgl_v2f(0.0f, 0.0f);
    sgl_end();
    EXPECT_FALSE(sgl_error().any) << "a new frame has the whole capacity again";
}

TEST_F(gl_log, uses_the_documented_default_capacities) {
    sgl_begin_triangles();
    for (int i = 0; i < 65536; i++) sgl_v2f(0.0f, 0.0f);
    EXPECT_FALSE(sgl_error().vertices_full);
    sgl_v2f(0.0f, 0.0f);
    EXPECT_TRUE(sgl_error().vertices_full);
    sgl_end();
    sgl_draw();
    for (int i = 0; i < 16384; i++) sgl_scissor_rect(0, 0, 1, 1, false);
    EXPECT_FALSE(sgl_error().commands_full);
    sgl_scissor_rect(0, 0, 1, 1, false);
    EXPECT_TRUE(sgl_error().commands_full);
}
