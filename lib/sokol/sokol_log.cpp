#include "sokol_log.h"

#include <stdio.h>
#include <stdlib.h>

static const char* level_name(uint32_t level) {
    switch (level) {
        case 0: return "panic";
        case 1: return "error";
        case 2: return "warning";
        default: return "info";
    }
}

void slog_func(const char* tag, uint32_t log_level, uint32_t log_item,
               const char* message, uint32_t line_nr, const char* filename,
               void* user_data) {
    (void)user_data;
    fprintf(stderr, "[%s][%s][id:%u]", tag ? tag : "sokol", level_name(log_level), log_item);
    if (filename) fprintf(stderr, " %s:%u", filename, line_nr);
    fprintf(stderr, ": %s\n", message ? message : "");
    fflush(stderr);
    if (log_level == 0) {
        fputs("ABORTING because of [panic]\n", stderr);
        abort();
    }
}
