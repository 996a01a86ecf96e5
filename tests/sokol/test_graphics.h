// Set-up shared by the window test programs: sokol_gfx and sokol_gl, one
// alpha-blending pipeline and a fontstash context with Roboto loaded.
#pragma once

#include <fontstash.h>

#include "sokol_fontstash.h"
#include "sokol_gfx.h"
#include "sokol_gl.h"
#include "sokol_glue.h"
#include "sokol_log.h"

struct test_graphics {
    sgl_pipeline blend;
    FONScontext* fons;
    int font;  // -1 when the font did not load
};

// sokol_gfx on the window's context and sokol_gl, both logging through slog.
inline void setup_test_gfx_and_gl()
{
    sg_desc gd = {};
    gd.environment = sglue_environment();
    gd.logger.func = slog_func;
    sg_setup(&gd);
    sgl_desc_t ld = {};
    ld.logger.func = slog_func;
    sgl_setup(&ld);
}

inline test_graphics setup_test_graphics()
{
    setup_test_gfx_and_gl();
    sg_pipeline_desc pd = {};
    pd.colors[0].blend.enabled = true;
    pd.colors[0].blend.src_factor_rgb = SG_BLENDFACTOR_SRC_ALPHA;
    pd.colors[0].blend.dst_factor_rgb = SG_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    test_graphics g;
    g.blend = sgl_make_pipeline(&pd);
    sfons_desc_t fd = {};
    g.fons = sfons_create(&fd);
    g.font = fonsAddFont(g.fons, "", "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Regular.ttf", 0);
    return g;
}
