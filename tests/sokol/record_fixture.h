// A fresh sokol_gfx + sokol_gl of the recording build for each test, with
// an empty call log.
#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "sokol_gfx.h"
#include "sokol_gl.h"
#include "sokol_glue.h"
#include "sokol_record.h"

class recorded_frame : public ::testing::Test {
protected:
    void SetUp() override { start(0, 0); }
    void TearDown() override {
        sgl_shutdown();
        sg_shutdown();
    }
    void start(int max_vertices, int max_commands) {
        srec_set_app_metrics(400, 300, 1.0f, 1.0 / 60.0);
        sg_desc gd = {};
        gd.environment = sglue_environment();
        sg_setup(&gd);
        sgl_desc_t ld = {};
        ld.max_vertices = max_vertices;
        ld.max_commands = max_commands;
        sgl_setup(&ld);
        srec_clear();
    }
    static std::vector<srec_call> log_of(srec_kind kind) {
        std::vector<srec_call> out;
        for (int i = 0; i < srec_count(); i++) {
            if (srec_get(i).kind == kind) out.push_back(srec_get(i));
        }
        return out;
    }
    static std::vector<srec_kind> kinds() {
        std::vector<srec_kind> out;
        for (int i = 0; i < srec_count(); i++) out.push_back(srec_get(i).kind);
        return out;
    }
    // Clip-space position of the last vertex recorded.
    static std::pair<float, float> last_clip() {
        auto v = log_of(SREC_VERTEX);
        return {v.back().f[8], v.back().f[9]};
    }
};
