// The one translation unit holding fontstash's and stb_truetype's
// implementation; compiled with warnings off (third-party code). fontstash
// expects the C headers to be included already.
#include <math.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define FONTSTASH_IMPLEMENTATION
#include <fontstash.h>
