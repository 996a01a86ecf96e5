// The fatal report with a dialog program that goes away at once: the box
// returns, the line is written and the exit code is 1, never a death by signal.
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

#include "child.h"
#include "stream.h"

namespace {

TEST(error_box, a_dialog_that_exits_at_once_still_ends_with_the_line_and_exit_code_1)
{
    // The only dialog on PATH exits without reading its input. The text is
    // longer than a socket or pipe holds, so the box is still writing when
    // the dialog is gone, whatever the timing.
    std::string bin = make_temp_dir("dialog");
    write_file(bin + "/xmessage", "#!/bin/sh\nexit 0\n");
    chmod((bin + "/xmessage").c_str(), 0755);
    std::string text(1 << 20, 'x');
    EXPECT_EXIT(
        {
            setenv("PATH", bin.c_str(), 1);
            setenv("DISPLAY", ":97", 1);
            fatal_error(text.c_str());
        },
        ::testing::ExitedWithCode(1), "");
}

} // namespace
