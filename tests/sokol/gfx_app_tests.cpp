// sokol_gfx ids and passes, the app metrics of the recording build, and the
// frame pacing arithmetic.
#include "app_pacing.h"
#include "record_fixture.h"
#include "sokol_app.h"
#include "sokol_log.h"

using gfx_resources = recorded_frame;

TEST_F(gfx_resources, ids_are_distinct_and_never_reused_after_destroy) {
    sg_image_desc d = {};
    d.width = 4;
    d.height = 4;
    d.usage.dynamic_update = true;
    sg_image a = sg_make_image(&d);
    sg_image b = sg_make_image(&d);
    EXPECT_NE(a.id, 0u);
    EXPECT_NE(a.id, b.id);
    EXPECT_EQ(sg_query_image_state(a), SG_RESOURCESTATE_VALID);
    sg_destroy_image(a);
    EXPECT_EQ(sg_query_image_state(a), SG_RESOURCESTATE_INVALID);
    sg_image c = sg_make_image(&d);
    EXPECT_NE(c.id, a.id);
    EXPECT_EQ(sg_query_image_state(a), SG_RESOURCESTATE_INVALID);
    EXPECT_EQ(sg_query_image_state(c), SG_RESOURCESTATE_VALID);
    sg_image_desc bad = {};
    EXPECT_EQ(sg_query_image_state(sg_make_image(&bad)), SG_RESOURCESTATE_FAILED);
}

TEST(sokol_gfx, an_exhausted_pool_hands_out_the_invalid_id) {
    sg_desc gd = {};
    gd.shader_pool_size = 2;
    sg_setup(&gd);
    sg_shader_desc sd = {};
    sd.vertex_func.source = "v";
    sd.fragment_func.source = "f";
    EXPECT_NE(sg_make_shader(&sd).id, 0u);
    EXPECT_NE(sg_make_shader(&sd).id, 0u);
    EXPECT_EQ(sg_make_shader(&sd).id, 0u);
    sg_shutdown();
}

TEST_F(gfx_resources, pass_and_commit_are_recorded_around_sgl_draw) {
    sg_pass pass = {};
    pass.swapchain = sglue_swapchain();
    sg_begin_pass(&pass);
    sgl_draw();
    sg_end_pass();
    sg_commit();
    std::vector<srec_kind> want = {SREC_BEGIN_PASS, SREC_SGL_DRAW, SREC_END_PASS, SREC_COMMIT};
    EXPECT_EQ(kinds(), want);
}

TEST(sokol_app_metrics, tests_set_what_the_app_queries_return) {
    srec_set_app_metrics(800, 600, 2.0f, 0.5);
    EXPECT_EQ(sapp_width(), 800);
    EXPECT_EQ(sapp_height(), 600);
    EXPECT_FLOAT_EQ(sapp_dpi_scale(), 2.0f);
    EXPECT_DOUBLE_EQ(sapp_frame_duration(), 0.5);
    sg_swapchain sc = sglue_swapchain();
    EXPECT_EQ(sc.width, 800);
    EXPECT_EQ(sc.height, 600);
    srec_set_app_metrics(0, -3, 1.0f, 1.0 / 60.0);
    EXPECT_EQ(sapp_width(), 1) << "sizes are at least 1";
    EXPECT_EQ(sapp_height(), 1);
    srec_set_app_metrics(400, 300, 1.0f, 1.0 / 60.0);
}

TEST(sokol_pacing, an_unthrottled_swap_is_held_to_the_refresh_period) {
    const double p = 1.0 / 60.0;
    app_pacer pacer;
    pacer_start(&pacer, p, 10.0);
    double t = 10.0;
    for (int i = 0; i < 5; i++) {
        double wait = pacer_after_swap(&pacer, t + 0.002, t + 0.0021);
        EXPECT_NEAR(t + 0.0021 + wait, 10.0 + (i + 1) * p, 1e-9) << "frames start on a steady grid";
        t += 0.0021 + wait;
    }
}

TEST(sokol_pacing, a_swap_that_waits_for_vsync_adds_no_sleep) {
    const double p = 1.0 / 60.0;
    app_pacer pacer;
    pacer_start(&pacer, p, 0.0);
    EXPECT_EQ(pacer_after_swap(&pacer, 0.001, 0.001 + 0.9 * p), 0.0);
    EXPECT_EQ(pacer_after_swap(&pacer, 0.02, 0.02 + 0.6 * p), 0.0);
}

TEST(sokol_pacing, after_a_stall_frames_do_not_rush_to_catch_up) {
    const double p = 1.0 / 60.0;
    app_pacer pacer;
    pacer_start(&pacer, p, 0.0);
    EXPECT_EQ(pacer_after_swap(&pacer, 0.5, 0.5001), 0.0);   // 30 frames late
    double wait = pacer_after_swap(&pacer, 0.501, 0.5011);
    EXPECT_NEAR(wait, p - 0.001, 1e-9) << "the next frame waits a whole period again";
}

TEST(sokol_pacing, frame_duration_follows_the_frame_interval) {
    app_pacer pacer;
    pacer_start(&pacer, 1.0 / 60.0, 0.0);
    EXPECT_NEAR(pacer_frame_duration(&pacer), 1.0 / 60.0, 1e-12);
    for (int i = 0; i < 100; i++) pacer_frame_done(&pacer, i * 0.04);
    EXPECT_NEAR(pacer_frame_duration(&pacer), 0.04, 1e-6);
    pacer_frame_done(&pacer, 1000.0);   // a long stall is clamped
    EXPECT_LT(pacer_frame_duration(&pacer), 0.1);
}

TEST(sokol_log, writes_one_line_to_standard_error_and_aborts_on_panic) {
    testing::internal::CaptureStderr();
    slog_func("sg", 2, 7, "pool nearly full", 12, "gfx.cpp", nullptr);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("warning"), std::string::npos) << err;
    EXPECT_NE(err.find("pool nearly full"), std::string::npos) << err;
    EXPECT_EQ(err.back(), '\n');
    EXPECT_DEATH(slog_func("sg", 0, 1, "cannot go on", 0, nullptr, nullptr), "cannot go on");
}
