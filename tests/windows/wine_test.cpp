// The Windows build under Wine: the window, the settings file in the
// prefix's roaming folder, the error box, Winsock datagrams to a receiver on
// this machine, and the loopback capture that Wine's audio cannot open.
// Runs in a network namespace of its own with its own Xvfb and PulseAudio,
// and a Wine prefix kept in the build folder; Start is only pressed once the
// field has been cleared and 127.0.0.1 typed, or with an address that cannot
// resolve.
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

#include "child.h"
#include "pulse.h"
#include "receiver.h"
#include "x_server.h"

namespace {

void pause_ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Wine's console output ends lines with CR LF.
std::string without_cr(std::string s)
{
    std::string out;
    for (char c : s)
        if (c != '\r') out += c;
    return out;
}

class wine : public ::testing::Test {
protected:
    static inline x_server x;
    static inline pulse_server pulse;
    static inline std::string roaming;
    child_process program;
    unsigned long window = 0;

    static void SetUpTestSuite()
    {
        ASSERT_TRUE(start_xvfb(x));
        ASSERT_TRUE(start_pulse(pulse, {"wine_out"}));
        // The prefix takes half a minute to make, so it is made once, under
        // the build folder, and kept; wineserver's folder goes into ours.
        const std::string prefix = WINE_PREFIX;
        const std::string ready = prefix + "/.ostrelle-ready";
        setenv("WINEPREFIX", prefix.c_str(), 1);
        setenv("TMPDIR", make_temp_dir("wine").c_str(), 1);
        setenv("WINEDEBUG", "-all", 1);
        setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
        if (!std::filesystem::exists(ready)) {
            std::filesystem::remove_all(prefix);
            child_process boot = spawn_child({"wineboot", "-i"});
            ASSERT_EQ(wait_child(boot, 180).exit_code, 0);
            child_process settle = spawn_child({"wineserver", "-w"});
            wait_child(settle, 60);
            write_file(ready, "");
        }
        for (const auto& user : std::filesystem::directory_iterator(prefix + "/drive_c/users"))
            if (user.path().filename() != "Public") roaming = user.path().string() + "/AppData/Roaming";
        ASSERT_FALSE(roaming.empty());
        // Every run starts without the settings of the one before.
        std::filesystem::remove_all(roaming + "/ostrelle");
        std::filesystem::create_directory(roaming + "/ostrelle");
    }

    static void TearDownTestSuite()
    {
        child_process kill_server = spawn_child({"wineserver", "-k"});
        wait_child(kill_server, 30);
        stop_pulse(pulse);
        stop_xvfb(x);
    }

    void TearDown() override { kill_child(program); }

    static std::string settings() { return read_file(roaming + "/ostrelle/ip.txt"); }
    static void save_settings(const std::string& text) { write_file(roaming + "/ostrelle/ip.txt", text); }

    void launch()
    {
        program = spawn_child({"wine", OSTRELLE_EXE});
        window = wait_for_window("Ostrelle", 60);
        ASSERT_NE(window, 0u) << "the window did not open";
        pause_ms(1500);
    }

    void click(int px, int py) const
    {
        run_shell("xdotool mousemove --window " + std::to_string(window) + " " + std::to_string(px) + " " +
                  std::to_string(py) + " mousedown 1 sleep 0.2 mouseup 1");
        pause_ms(400);
    }

    // Clears the field whatever it held and types a loopback address.
    void type_loopback_address() const
    {
        click(300, 106);
        run_shell("xdotool key --delay 20 --repeat 40 BackSpace");
        run_shell("xdotool type --delay 50 127.0.0.1");
        pause_ms(400);
    }

    static void dismiss_error_box()
    {
        unsigned long box = wait_for_window("Error", 30);
        ASSERT_NE(box, 0u) << "no box titled Error";
        run_shell("xdotool windowfocus --sync " + std::to_string(box) + " key Return");
    }
};

TEST_F(wine, the_window_opens_and_lists_the_output_devices)
{
    launch();
    std::istringstream size(run_shell(std::string(X_PROBE) + " size " + std::to_string(window)));
    int w = 0, h = 0;
    size >> w >> h;
    EXPECT_EQ(w, 400);
    EXPECT_EQ(h, 300);
    run_shell(std::string(X_PROBE) + " close " + std::to_string(window));
    child_result r = wait_child(program, 60);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_NE(r.out.find("capture device wine_out\r\n"), std::string::npos) << r.out;
}

TEST_F(wine, a_loaded_address_that_does_not_resolve_shows_the_box_and_exits_1)
{
    save_settings("1.2.3.4.5");
    launch();
    click(30, 30);
    dismiss_error_box();
    child_result r = wait_child(program, 60);
    EXPECT_EQ(r.exit_code, 1);
    std::string out = without_cr(r.out);
    EXPECT_NE(out.find("Error: Bad ip address: 1.2.3.4.5\n\ngetaddrinfo 2 error: "), std::string::npos) << out;
    EXPECT_EQ(settings(), "1.2.3.4.5");
}

TEST_F(wine, start_saves_the_address_then_the_loopback_device_fails)
{
    save_settings("1.2.3.4.5");
    launch();
    type_loopback_address();
    click(30, 30);
    dismiss_error_box();
    child_result r = wait_child(program, 60);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_TRUE(without_cr(r.out).ends_with("Error: ma_device_init error\n")) << r.out;
    EXPECT_EQ(settings(), "127.0.0.1");
}

TEST_F(wine, winsock_datagrams_reach_a_receiver_here)
{
    udp_receiver receiver;
    ASSERT_TRUE(open_receiver(receiver, 0));
    child_process probe = spawn_child({"wine", DATAGRAM_PROBE, std::to_string(receiver.port), "1024"});
    child_result r = wait_child(probe, 60);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    std::vector<std::size_t> sizes;
    uint64_t expected = 0;
    std::vector<unsigned char> raw;
    while (receive_raw(receiver, raw, 1000)) {
        datagram d;
        ASSERT_TRUE(parse_datagram(raw, d));
        EXPECT_EQ(std::vector<unsigned char>(d.id, d.id + 4), (std::vector<unsigned char>{1, 2, 3, 254}));
        EXPECT_EQ(d.position, expected);
        for (std::size_t i = 0; i < d.payload.size(); ++i)
            ASSERT_EQ(d.payload[i], static_cast<unsigned char>((d.position % 4096 + i) * 7));
        expected += d.payload.size();
        sizes.push_back(raw.size());
    }
    close_receiver(receiver);
    EXPECT_EQ(sizes, (std::vector<std::size_t>{1308, 1308, 1308, 220, 1308, 1308, 1308, 220}));
}

} // namespace
