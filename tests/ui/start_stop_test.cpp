// Start and Stop through a press on the button, with a real sound server
// (either that start_pulse starts) and real datagrams on 127.0.0.1. Runs in a
// network namespace of its own.
#include <cstdlib>
#include <sys/stat.h>

#include "pulse.h"
#include "receiver.h"
#include "ui_fixture.h"

namespace {

class button : public window_layout {
protected:
    static inline pulse_server pulse;

    static void SetUpTestSuite()
    {
        window_layout::SetUpTestSuite();
        std::string config = make_temp_dir("config");
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        unsetenv("DISPLAY");
        ASSERT_TRUE(start_pulse(pulse, {"ui_out"})) << sound_server() << " did not come up";
        // A fatal error in the core ends this process through exit(): the
        // server stops then too, and the tone's pacat with it.
        std::atexit([] { stop_pulse(pulse); });
        init_audio_and_network();
    }

    static void TearDownTestSuite()
    {
        shutdown_audio_and_network();
        stop_pulse(pulse);
    }

    void SetUp() override
    {
        window_layout::SetUp();
        // The real device list, and a loopback address: never the default.
        device_infos = nullptr;
        ma_context_get_devices(&audio_context, &device_infos, &device_count, nullptr, nullptr);
        set_ip("127.0.0.1");
    }
};

TEST_F(button, one_press_starts_the_next_stops_and_the_layout_follows_at_once)
{
    udp_receiver receiver;
    ASSERT_TRUE(open_receiver(receiver, 10204));
    child_process tone = play_tone("ui_out", 440, 0.2);

    press(30, 30);
    EXPECT_EQ(is_streaming, 1);
    EXPECT_EQ(texts(), std::vector<std::string>{"Stop"});
    std::vector<unsigned char> raw;
    EXPECT_TRUE(receive_raw(receiver, raw, 10000)) << "no datagram after Start";

    // Held on into the next passes, the press starts nothing more.
    press(30, 30);
    EXPECT_EQ(is_streaming, 0);
    EXPECT_EQ(texts()[0], "Start");
    while (receive_raw(receiver, raw, 300)) {
    }
    EXPECT_FALSE(receive_raw(receiver, raw, 500)) << "datagrams after Stop";
    kill_child(tone);
    close_receiver(receiver);
}

TEST_F(button, a_short_press_seen_by_one_pass_starts_and_keeps_the_focus)
{
    press(200, 106);
    ASSERT_EQ(ip_focused, 1);
    frame(30, 30, true);
    frame(30, 30, false);
    EXPECT_EQ(is_streaming, 1);
    EXPECT_EQ(ip_focused, 1);
    // Typing while streaming edits the hidden text.
    ip_input_char(8);
    EXPECT_STREQ(ip_text, "127.0.0.");
    ip_input_char('1');
    frame(30, 30, false);
    frame(30, 30, true);
    frame(30, 30, false);
    EXPECT_EQ(is_streaming, 0);
    EXPECT_NE(find("IP Input"), nullptr);
}

} // namespace
