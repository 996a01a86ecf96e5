// The fatal report's box as each dialog program sees it, through recording
// stand-ins that are the only programs on PATH, and a dialog that goes away
// at once: the line is still written and the exit code is 1, never a death
// by signal.
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "child.h"
#include "stream.h"

namespace {

// What fatal_error raises in a failing Start: the address, a blank line, the
// resolver's text; with markup and an option's look, which must reach the
// user as they stand.
const std::string text = "Bad ip address: 1.2.3\n\ngetaddrinfo 2 error: --help <b>Name</b> & 100%";

void write_program(const std::string& path, const std::string& script)
{
    write_file(path, "#!/bin/sh\n" + script);
    chmod(path.c_str(), 0755);
}

// A stand-in dialog that records its arguments, NUL after each, and with
// input, what it reads from standard input.
void write_recorder(const std::string& bin, const std::string& name, bool input)
{
    std::string program = bin + "/" + name;
    write_program(program, "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > " + program + ".args\n" +
                               (input ? "/bin/cat > " + program + ".input\n" : ""));
}

std::vector<std::string> recorded_args(const std::string& path)
{
    std::vector<std::string> args;
    std::string all = read_file(path);
    for (std::size_t at = 0, end; (end = all.find('\0', at)) != std::string::npos; at = end + 1)
        args.push_back(all.substr(at, end - at));
    return args;
}

// Raises the report in a child process whose PATH holds only bin, on a
// display; returns what it wrote to standard output.
std::string report(const std::string& bin, const std::string& message)
{
    const std::string out = bin + "/stdout";
    EXPECT_EXIT(
        {
            setenv("PATH", bin.c_str(), 1);
            setenv("DISPLAY", ":97", 1);
            if (!std::freopen(out.c_str(), "w", stdout)) std::abort();
            fatal_error(message.c_str());
        },
        ::testing::ExitedWithCode(1), "");
    return read_file(out);
}

TEST(error_box, each_dialog_program_is_given_the_title_the_error_kind_and_the_exact_text)
{
    // zenity is preferred where both are installed.
    std::string bin = make_temp_dir("dialog");
    write_recorder(bin, "zenity", false);
    write_recorder(bin, "xmessage", true);
    EXPECT_EQ(report(bin, text), "Error: " + text + "\n");
    EXPECT_EQ(recorded_args(bin + "/zenity.args"),
              (std::vector<std::string>{"--error", "--title=Error", "--no-markup", "--text=" + text}));
    EXPECT_EQ(read_file(bin + "/xmessage.args"), "") << "two boxes for one report";

    // xmessage has no error kind; it reads the text from standard input.
    bin = make_temp_dir("dialog");
    write_recorder(bin, "xmessage", true);
    EXPECT_EQ(report(bin, text), "Error: " + text + "\n");
    EXPECT_EQ(recorded_args(bin + "/xmessage.args"),
              (std::vector<std::string>{"-title", "Error", "-center", "-buttons", "OK:0", "-default", "OK", "-file",
                                        "-"}));
    EXPECT_EQ(read_file(bin + "/xmessage.input"), text);
}

TEST(error_box, a_dialog_that_exits_at_once_still_ends_with_the_line_and_exit_code_1)
{
    // The only dialog on PATH exits without reading its input. The text is
    // longer than a socket or pipe holds, so the box is still writing when
    // the dialog is gone, whatever the timing.
    std::string bin = make_temp_dir("dialog");
    write_program(bin + "/xmessage", "exit 0\n");
    std::string long_text(1 << 20, 'x');
    std::string out = report(bin, long_text);
    EXPECT_TRUE(out == "Error: " + long_text + "\n") << "standard output held " << out.size() << " bytes";
}

} // namespace
