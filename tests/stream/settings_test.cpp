// The address text's default, the settings file's load rules and the save.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

#include "child.h"
#include "stream.h"
#include "ui.h"

namespace {

class settings : public ::testing::Test {
protected:
    std::string config;
    std::string folder;
    std::string file;

    void SetUp() override
    {
        config = make_temp_dir("config");
        folder = config + "/ostrelle";
        file = folder + "/ip.txt";
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    }

    std::string load_from(const std::string& bytes)
    {
        mkdir(folder.c_str(), 0755);
        write_file(file, bytes);
        return load();
    }

    static std::string load()
    {
        set_default_ip_text();
        load_ip_setting();
        return ip_text;
    }

    static void set_ip(const std::string& text)
    {
        std::memset(ip_text, 0, sizeof ip_text);
        std::memcpy(ip_text, text.data(), text.size());
    }

    static bool exists(const std::string& path)
    {
        struct stat st;
        return stat(path.c_str(), &st) == 0;
    }

    static int mode_of(const std::string& path)
    {
        struct stat st;
        return stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
    }
};

TEST_F(settings, missing_folder_or_file_keeps_the_default)
{
    EXPECT_EQ(load(), default_ip_text);
    mkdir(folder.c_str(), 0755);
    EXPECT_EQ(load(), default_ip_text);
    EXPECT_FALSE(exists(file)) << "loading must create nothing";
}

TEST_F(settings, the_default_is_a_private_address_of_digits_and_dots)
{
    std::string d = default_ip_text;
    EXPECT_EQ(d.find_first_not_of("0123456789."), std::string::npos);
    EXPECT_TRUE(d.rfind("192.168.", 0) == 0 || d.rfind("10.", 0) == 0 || d.rfind("172.", 0) == 0);
}

TEST_F(settings, empty_file_gives_an_empty_field)
{
    EXPECT_EQ(load_from(""), "");
}

TEST_F(settings, anything_but_digits_and_dots_falls_back_to_the_default)
{
    EXPECT_EQ(load_from("10.0.0.7\n"), default_ip_text);
    EXPECT_EQ(load_from("10.0.0.7\r\n"), default_ip_text);
    EXPECT_EQ(load_from("\xEF\xBB\xBF" "10.0.0.7"), default_ip_text);
    EXPECT_EQ(load_from("10.0.0. 7"), default_ip_text);
    EXPECT_EQ(load_from(std::string(150, '1') + "x"), default_ip_text);
    EXPECT_EQ(load_from("10.0.0.7\xC3\xA9"), default_ip_text);
    EXPECT_EQ(load_from("localhost"), default_ip_text);
}

TEST_F(settings, a_nul_byte_gives_the_default_and_hides_nothing_behind_the_text)
{
    using namespace std::string_literals;
    for (const std::string& bytes : {"127.0.0.1\0evil.example"s, "127.0.0.1\0"s, "\0" "1"s}) {
        EXPECT_EQ(load_from(bytes), default_ip_text);
        EXPECT_TRUE(std::all_of(ip_text + std::strlen(ip_text), std::end(ip_text), [](char c) { return c == 0; }))
            << "a byte past the text is not zero";
        // Cleared and typed anew, the field holds exactly what was typed.
        ip_focused = 1;
        ip_cursor = static_cast<int32_t>(std::strlen(ip_text));
        while (ip_cursor > 0) ip_input_char(8);
        for (char c : "127.0.0.11"s) ip_input_char(static_cast<uint32_t>(c));
        EXPECT_EQ(std::string(ip_text), "127.0.0.11");
    }
}

TEST_F(settings, only_the_form_of_characters_is_checked)
{
    EXPECT_EQ(load_from("...."), "....");
    EXPECT_EQ(load_from("1234567"), "1234567");
    EXPECT_EQ(load_from("127.0.0.1"), "127.0.0.1");
}

TEST_F(settings, at_most_199_characters_of_the_first_line_are_read)
{
    std::string long_text;
    while (long_text.size() < 250) long_text += "1.";
    long_text.resize(250);
    EXPECT_EQ(load_from(long_text), long_text.substr(0, 199));

    std::string with_letter = long_text.substr(0, 199) + "z";
    EXPECT_EQ(load_from(with_letter), long_text.substr(0, 199));
    // Every byte past the text stays zero.
    for (std::size_t i = 199; i < sizeof ip_text; ++i) ASSERT_EQ(ip_text[i], 0) << i;
}

TEST_F(settings, save_creates_the_folder_and_writes_exactly_the_text)
{
    // A configuration folder that does not exist yet, two levels deep: the
    // missing levels are created private to the user.
    std::string base = config + "/fresh";
    config = base + "/config";
    folder = config + "/ostrelle";
    file = folder + "/ip.txt";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    set_ip("127.0.0.1");
    save_ip_setting();
    EXPECT_EQ(read_file(file), "127.0.0.1");
    EXPECT_EQ(mode_of(base), 0700);
    EXPECT_EQ(mode_of(config), 0700);

    set_ip("10.1");
    save_ip_setting();
    EXPECT_EQ(read_file(file), "10.1") << "a save overwrites the whole file";

    set_ip("");
    save_ip_setting();
    ASSERT_TRUE(exists(file));
    EXPECT_EQ(read_file(file), "");
    EXPECT_EQ(load(), "") << "an empty saved text loads as an empty field";
}

TEST_F(settings, a_long_saved_text_comes_back_cut)
{
    std::string text(300, '7');
    set_ip(text);
    save_ip_setting();
    EXPECT_EQ(read_file(file), text);
    EXPECT_EQ(load(), text.substr(0, 199));
}

TEST_F(settings, non_ascii_folder_works_like_any_other)
{
    std::string odd = config + "/Jos\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC";
    mkdir(odd.c_str(), 0755);
    setenv("XDG_CONFIG_HOME", odd.c_str(), 1);
    set_ip("127.0.0.9");
    save_ip_setting();
    EXPECT_EQ(read_file(odd + "/ostrelle/ip.txt"), "127.0.0.9");
    EXPECT_EQ(load(), "127.0.0.9");
}

TEST_F(settings, home_config_is_used_without_an_absolute_xdg_folder)
{
    std::string home = make_temp_dir("home");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", "relative/path", 1);
    set_ip("127.0.0.5");
    save_ip_setting();
    EXPECT_EQ(read_file(home + "/.config/ostrelle/ip.txt"), "127.0.0.5");
    EXPECT_EQ(mode_of(home + "/.config"), 0700) << "a missing ~/.config is created private";
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(load(), "127.0.0.5");
}

TEST_F(settings, a_folder_path_that_does_not_fit_reads_and_writes_nothing)
{
    // 1,024 bytes of folder path: one more than the path buffer allows.
    std::string deep = config;
    while (deep.size() < 1024) {
        std::string next = deep + "/" + std::string(std::min<std::size_t>(200, 1024 - deep.size() - 1), 'd');
        if (next.size() > 1024) break;
        mkdir(next.c_str(), 0755);
        deep = next;
    }
    ASSERT_EQ(deep.size(), 1024u);
    mkdir((deep + "/ostrelle").c_str(), 0755);
    write_file(deep + "/ostrelle/ip.txt", "127.0.0.3");
    setenv("XDG_CONFIG_HOME", deep.c_str(), 1);
    EXPECT_EQ(load(), default_ip_text);
    set_ip("127.0.0.4");
    save_ip_setting();
    EXPECT_EQ(read_file(deep + "/ostrelle/ip.txt"), "127.0.0.3");

    // One byte shorter fits.
    std::string fits = deep.substr(0, deep.size() - 1);
    std::rename(deep.c_str(), fits.c_str());
    setenv("XDG_CONFIG_HOME", fits.c_str(), 1);
    EXPECT_EQ(load(), "127.0.0.3");
}

} // namespace
