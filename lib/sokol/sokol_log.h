// Ostrelle's own small stand-in for the part of sokol_log that the program
// uses: the logger function handed to the other sokol stand-ins.
#pragma once
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Writes one line to standard error; a log level of 0 (panic) aborts.
void slog_func(const char* tag, uint32_t log_level, uint32_t log_item,
               const char* message, uint32_t line_nr, const char* filename,
               void* user_data);

#ifdef __cplusplus
}
#endif
