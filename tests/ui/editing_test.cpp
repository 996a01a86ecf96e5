// Keyboard editing of the address field.
#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "stream.h"
#include "ui.h"

namespace {

void set_field(const char* text, int32_t cursor, int32_t focused = 1)
{
    std::memset(ip_text, 0, sizeof ip_text);
    std::strcpy(ip_text, text);
    ip_cursor = cursor;
    ip_focused = focused;
}

void type(const char* keys)
{
    for (const char* k = keys; *k; ++k) ip_input_char(*k == '\b' ? 8u : static_cast<unsigned char>(*k));
}

TEST(ip_editing, inserts_and_deletes_at_the_cursor)
{
    set_field("10.0.0.7", 2);
    type("5");
    EXPECT_STREQ(ip_text, "105.0.0.7");
    EXPECT_EQ(ip_cursor, 3);
    type("\b");
    EXPECT_STREQ(ip_text, "10.0.0.7");
    EXPECT_EQ(ip_cursor, 2);

    set_field("10.0.0.7", 8);
    type("\b\b1.2");
    EXPECT_STREQ(ip_text, "10.0.01.2");
    EXPECT_EQ(ip_cursor, 9);
}

TEST(ip_editing, empty_field_and_cursor_at_the_start)
{
    set_field("", 0);
    type("1");
    EXPECT_STREQ(ip_text, "1");
    EXPECT_EQ(ip_cursor, 1);
    type("\b\b");
    EXPECT_STREQ(ip_text, "");
    EXPECT_EQ(ip_cursor, 0);

    set_field("127", 0);
    type("\b");
    EXPECT_STREQ(ip_text, "127");
    EXPECT_EQ(ip_cursor, 0);
}

TEST(ip_editing, refuses_everything_but_digits_dots_and_backspace)
{
    set_field("1.2", 1);
    for (uint32_t code : {uint32_t('a'), uint32_t(' '), uint32_t('-'), uint32_t(':'), uint32_t('/'), uint32_t(':'),
                          256u + '1', 0x10000u + '.', 0xffffffffu, 127u, 0u, 9u})
        ip_input_char(code);
    EXPECT_STREQ(ip_text, "1.2");
    EXPECT_EQ(ip_cursor, 1);
}

TEST(ip_editing, unfocused_field_ignores_typing)
{
    set_field("1.2", 1, 0);
    type("9\b");
    EXPECT_STREQ(ip_text, "1.2");
    EXPECT_EQ(ip_cursor, 1);
}

TEST(ip_editing, a_full_field_takes_no_more_and_stays_terminated)
{
    std::string full(ip_text_size - 1, '9');
    set_field(full.c_str(), 5);
    type("1.");
    EXPECT_EQ(std::strlen(ip_text), full.size());
    EXPECT_EQ(ip_text[ip_text_size - 1], '\0');
    EXPECT_EQ(ip_cursor, 5);
    type("\b");
    EXPECT_EQ(std::strlen(ip_text), full.size() - 1);
    type("1");
    EXPECT_EQ(std::strlen(ip_text), full.size());
    EXPECT_EQ(ip_cursor, 5);
}

TEST(ip_editing, a_cursor_past_the_end_counts_as_the_end)
{
    set_field("12", 7);
    type("3");
    EXPECT_STREQ(ip_text, "123");
    EXPECT_EQ(ip_cursor, 3);
    for (std::size_t i = 4; i < sizeof ip_text; ++i) ASSERT_EQ(ip_text[i], 0);

    set_field("12", 9);
    type("\b");
    EXPECT_STREQ(ip_text, "1");
    EXPECT_EQ(ip_cursor, 1);
}

} // namespace
