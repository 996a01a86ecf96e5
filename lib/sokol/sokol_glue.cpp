#include "sokol_glue.h"

sg_environment sglue_environment(void) {
    sg_environment env = {};
    env.defaults.color_format = (sg_pixel_format)sapp_color_format();
    env.defaults.depth_format = (sg_pixel_format)sapp_depth_format();
    env.defaults.sample_count = sapp_sample_count();
    return env;
}

sg_swapchain sglue_swapchain(void) {
    sg_swapchain sc = {};
    sc.width = sapp_width();
    sc.height = sapp_height();
    sc.sample_count = sapp_sample_count();
    sc.color_format = (sg_pixel_format)sapp_color_format();
    sc.depth_format = (sg_pixel_format)sapp_depth_format();
    sc.gl.framebuffer = 0;   // the window's default framebuffer
    return sc;
}
