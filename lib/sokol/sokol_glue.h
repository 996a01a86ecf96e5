// Ostrelle's own small stand-in for sokol_glue: hands the window's
// environment and swapchain from the sokol_app stand-in to sokol_gfx.
#pragma once
#include "sokol_app.h"
#include "sokol_gfx.h"

#ifdef __cplusplus
extern "C" {
#endif

sg_environment sglue_environment(void);
sg_swapchain sglue_swapchain(void);

#ifdef __cplusplus
}
#endif
