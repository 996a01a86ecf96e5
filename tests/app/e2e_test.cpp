// The whole tool, end to end: the real program on an Xvfb display, a
// PulseAudio null sink playing a tone, real clicks and keys from xdotool, a
// UDP receiver on 127.0.0.1:10204 and the window's pixels. Runs in a network
// namespace of its own; Start is only ever pressed with a loopback address.
#include <chrono>
#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "child.h"
#include "pulse.h"
#include "receiver.h"
#include "x_server.h"

namespace {

const std::string sink = "ostrelle_e2e";

struct rgb {
    int r, g, b;
    bool operator==(const rgb&) const = default;
};

std::ostream& operator<<(std::ostream& os, const rgb& c) { return os << c.r << "," << c.g << "," << c.b; }

constexpr rgb white{255, 255, 255}, grey{100, 100, 100}, light_grey{210, 210, 210};

void pause_ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Where a test is, with the time, so that a run that stalls shows its place.
void step(const std::string& what)
{
    static const auto start = std::chrono::steady_clock::now();
    double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "[%7.2f s] %s\n", t, what.c_str());
}

class whole_tool : public ::testing::Test {
protected:
    x_server x;
    pulse_server pulse;
    std::string config;
    child_process program;
    child_process tone;
    unsigned long window = 0;

    void SetUp() override
    {
        step("starting Xvfb");
        ASSERT_TRUE(start_xvfb(x));
        step("starting " + sound_server());
        ASSERT_TRUE(start_pulse(pulse, {"first_out", sink}));
        config = make_temp_dir("config");
        mkdir((config + "/ostrelle").c_str(), 0755);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        tone = play_tone(sink, 1000, 0.5);
        step("set up");
    }

    void TearDown() override
    {
        kill_child(program);
        kill_child(tone);
        stop_pulse(pulse);
        stop_xvfb(x);
    }

    std::string settings() const { return read_file(config + "/ostrelle/ip.txt"); }
    void save_settings(const std::string& text) const { write_file(config + "/ostrelle/ip.txt", text); }

    void launch(const std::vector<std::string>& env = {})
    {
        step("launching the program");
        program = spawn_child({OSTRELLE_BIN}, env);
        window = wait_for_window("Ostrelle", 20);
        ASSERT_NE(window, 0u) << "the window did not open";
        pause_ms(700);
    }

    child_result wait_exit(double timeout_s = 20)
    {
        step("waiting for the program to end");
        return wait_child(program, timeout_s);
    }

    std::string probe(const std::string& args) const
    {
        return run_shell(std::string(X_PROBE) + " " + args + " " + std::to_string(window));
    }

    rgb pixel(int px, int py) const
    {
        std::istringstream in(run_shell(std::string(X_PROBE) + " pixels " + std::to_string(window) + " " +
                                        std::to_string(px) + " " + std::to_string(py)));
        rgb c{-1, -1, -1};
        in >> c.r >> c.g >> c.b;
        return c;
    }

    // A press held as a person holds it, long enough for several frames to see it.
    void click(int px, int py) const
    {
        step("click at " + std::to_string(px) + "," + std::to_string(py));
        run_shell("xdotool mousemove --window " + std::to_string(window) + " " + std::to_string(px) + " " +
                  std::to_string(py) + " mousedown 1 sleep 0.2 mouseup 1");
        pause_ms(300);
    }

    void keys(const std::string& args) const
    {
        run_shell("xdotool " + args);
        pause_ms(300);
    }

    void close_window() const { probe("close"); }
};

// Datagrams of one stream, until none has come for quiet_ms.
std::vector<datagram> receive_stream(udp_receiver& receiver, int first_timeout_ms, int quiet_ms,
                                     std::size_t enough)
{
    step("receiving a stream");
    std::vector<datagram> got;
    std::vector<unsigned char> raw;
    int timeout = first_timeout_ms;
    while (got.size() < enough && receive_raw(receiver, raw, timeout)) {
        datagram d;
        if (parse_datagram(raw, d)) got.push_back(d);
        timeout = quiet_ms;
    }
    return got;
}

TEST_F(whole_tool, edit_select_start_stop_and_start_again_from_the_saved_address)
{
    save_settings("127.0.0.9");
    launch();
    EXPECT_EQ(probe("size"), "400 300\n");
    EXPECT_EQ(probe("title"), "Ostrelle\n");

    // The idle window: white area, grey button, light-grey field, device 0 marked.
    EXPECT_EQ(pixel(5, 5), white);
    EXPECT_EQ(pixel(19, 19), grey);
    EXPECT_EQ(pixel(20, 92), light_grey);
    EXPECT_EQ(pixel(26, 170), grey);
    EXPECT_EQ(pixel(26, 198), light_grey);

    // Into the field, right of the text: the cursor goes to the end; 127.0.0.9 becomes 127.0.0.1.
    click(300, 106);
    keys("key BackSpace");
    keys("type 1");
    // The second device: the null sink with the tone.
    click(100, 198);
    EXPECT_EQ(pixel(26, 198), grey);
    EXPECT_EQ(pixel(26, 170), light_grey);

    udp_receiver receiver;
    ASSERT_TRUE(open_receiver(receiver, 10204));
    click(30, 30);
    std::vector<datagram> stream = receive_stream(receiver, 8000, 2000, 400);
    ASSERT_GE(stream.size(), 400u) << "too few datagrams from the stream";
    EXPECT_EQ(stream.front().position, 0u);
    EXPECT_NEAR(tone_frequency(stream), 1000.0, 30.0);
    EXPECT_EQ(settings(), "127.0.0.1");
    // Only the button is left: where the field was, the white area shows.
    EXPECT_EQ(pixel(20, 92), white);
    EXPECT_EQ(pixel(26, 170), white);

    click(30, 30);
    std::vector<unsigned char> raw;
    while (receive_raw(receiver, raw, 300)) {
    }
    EXPECT_FALSE(receive_raw(receiver, raw, 700)) << "datagrams after Stop";
    EXPECT_EQ(pixel(20, 92), light_grey);

    close_window();
    child_result first = wait_exit();
    EXPECT_EQ(first.exit_code, 0) << first.err;
    EXPECT_EQ(first.out, "capture device first_out\ncapture device " + sink + "\n");

    // The next run starts with the saved address: Start sends to 127.0.0.1 at once.
    launch();
    click(100, 198);
    click(30, 30);
    stream = receive_stream(receiver, 8000, 2000, 50);
    EXPECT_GE(stream.size(), 50u);
    // Closing the window while streaming ends the program normally.
    close_window();
    child_result second = wait_exit();
    EXPECT_EQ(second.exit_code, 0) << second.err;
    close_receiver(receiver);
}

// Outputs come and go under a running stream: a sound server restarts, a
// headset is unplugged. The capture then dies unnoticed and the button keeps
// reading Stop, but Stop, the next Start and closing the window still work.
TEST_F(whole_tool, stop_start_and_close_still_work_when_the_captured_output_goes_away)
{
    save_settings("127.0.0.1");
    udp_receiver receiver;
    ASSERT_TRUE(open_receiver(receiver, 10204));
    // No dialog program: a fatal error ends the program at once.
    launch({"PATH=" + make_temp_dir("no-dialog")});
    click(100, 198);

    // Datagrams stop within seconds, and the window goes on showing only Stop.
    auto expect_the_stream_dies = [&](const std::string& how) {
        step(how);
        EXPECT_LT(receive_stream(receiver, 500, 500, 800).size(), 800u) << "the capture outlived " << how;
        EXPECT_EQ(pixel(20, 92), white) << "the button no longer reads Stop after " << how;
    };
    auto expect_stop_returns = [&](const std::string& after) {
        click(30, 30);
        bool back = false;
        for (int i = 0; i < 50 && !back; ++i, pause_ms(200)) back = pixel(20, 92) == light_grey;
        EXPECT_TRUE(back) << "Stop did not return within 10 s after " << after;
    };

    click(30, 30);
    ASSERT_FALSE(receive_stream(receiver, 8000, 2000, 50).empty()) << "no stream";
    stop_pulse(pulse);
    expect_the_stream_dies("the sound server stopped");
    expect_stop_returns("the sound server stopped");
    ASSERT_TRUE(start_pulse(pulse, {"first_out", sink}));
    tone = play_tone(sink, 1000, 0.5);
    click(30, 30);
    EXPECT_NEAR(tone_frequency(receive_stream(receiver, 8000, 2000, 400)), 1000.0, 30.0)
        << "Start after the sound server came back did not stream the output again";

    ASSERT_TRUE(remove_sink(sink));
    expect_the_stream_dies("the output was removed");
    expect_stop_returns("the output was removed");
    // Gone for good, it can no longer be opened.
    click(30, 30);
    child_result gone = wait_exit(10);
    EXPECT_EQ(gone.exit_code, 1) << gone.err;
    EXPECT_TRUE(gone.out.ends_with("\nError: ma_device_init error\n")) << gone.out;

    // Closing the window while a dead stream runs ends the program normally.
    // The output left is device 0, the one Start takes.
    launch();
    click(30, 30);
    ASSERT_FALSE(receive_stream(receiver, 8000, 2000, 50).empty()) << "no stream";
    stop_pulse(pulse);
    expect_the_stream_dies("the sound server stopped");
    close_window();
    child_result closed = wait_exit(10);
    EXPECT_FALSE(closed.timed_out) << "closing the window did not end the program within 10 s";
    EXPECT_EQ(closed.exit_code, 0) << closed.err;
    close_receiver(receiver);
}

TEST_F(whole_tool, the_window_answers_while_the_error_box_is_open_and_exit_1_follows_it)
{
    save_settings("1.2.3.4.5");
    int shown = 0;
    for (std::string dialog : {"zenity", "xmessage"}) {
        std::string installed = run_shell("command -v " + dialog + " | tr -d '\\n'");
        if (installed.empty()) continue;
        SCOPED_TRACE(dialog);
        ++shown;
        // The box is shown by this program alone: it is the only one on PATH.
        std::string bin = make_temp_dir("dialog");
        ASSERT_EQ(symlink(installed.c_str(), (bin + "/" + dialog).c_str()), 0);
        launch({"PATH=" + bin});
        click(30, 30);
        unsigned long box = wait_for_window("Error", 10);
        ASSERT_NE(box, 0u) << "no error box";

        // A window manager's ping is answered, so no desktop calls the window
        // unresponsive; a close request waits for the box.
        EXPECT_EQ(probe("ping"), "pong\n");
        close_window();
        pause_ms(500);
        child_result r;
        EXPECT_FALSE(try_wait_child(program, r)) << "closing the window skipped the box";

        keys("windowfocus --sync " + std::to_string(box) + " key Return");
        r = wait_exit();
        EXPECT_EQ(r.exit_code, 1);
        const std::string prefix = "Error: Bad ip address: 1.2.3.4.5\n\ngetaddrinfo 2 error: ";
        ASSERT_NE(r.out.find(prefix), std::string::npos) << r.out;
        EXPECT_TRUE(r.out.ends_with("\n"));
        EXPECT_EQ(settings(), "1.2.3.4.5");
    }
    if (shown == 0) GTEST_SKIP() << "neither zenity nor xmessage is installed";
}

TEST_F(whole_tool, a_send_that_fails_on_the_audio_thread_shows_the_box_and_exits_1)
{
    // In this namespace 127.0.0.2 is unreachable: the first send fails while
    // the main thread goes on drawing.
    run_shell("ip route add unreachable 127.0.0.2/32 table local 2>/dev/null");
    save_settings("127.0.0.2");
    launch();
    click(100, 198);
    click(30, 30);
    unsigned long box = wait_for_window("Error", 15);
    ASSERT_NE(box, 0u) << "no error box";
    pause_ms(500);  // the window keeps drawing under the box
    keys("windowfocus --sync " + std::to_string(box) + " key Return");
    child_result r = wait_exit();
    EXPECT_EQ(r.exit_code, 1) << r.err;
    EXPECT_TRUE(r.out.ends_with("\nError: sendto error\n")) << r.out;
    EXPECT_EQ(settings(), "127.0.0.2");
}

TEST_F(whole_tool, key_d_opens_the_debug_view_which_takes_every_press)
{
    save_settings("127.0.0.1");
    launch();
    ASSERT_EQ(pixel(5, 5), white);
    keys("key --window " + std::to_string(window) + " d");
    EXPECT_NE(pixel(5, 5), white) << "no debug panel over the window";
    keys("key --window " + std::to_string(window) + " d");
    EXPECT_NE(pixel(5, 5), white) << "a second D leaves it open";

    udp_receiver receiver;
    ASSERT_TRUE(open_receiver(receiver, 10204));
    click(100, 198);
    click(30, 30);
    std::vector<unsigned char> raw;
    EXPECT_FALSE(receive_raw(receiver, raw, 3000)) << "a press under the debug view started a stream";
    close_receiver(receiver);

    close_window();
    child_result r = wait_exit();
    EXPECT_EQ(r.exit_code, 0) << r.err;
}

} // namespace
