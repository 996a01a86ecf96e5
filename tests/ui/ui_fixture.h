// A layout context for the window's tests: the real layout library with a
// fixed-pitch measure (10 units per byte, 20 high), so boxes are predictable.
#pragma once

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "stream.h"
#include "ui.h"

inline Clay_Dimensions fixed_pitch_measure(Clay_StringSlice text, Clay_TextElementConfig*, void*)
{
    return {10.0f * static_cast<float>(text.length), 20.0f};
}

inline std::vector<std::string> clay_errors;

inline void record_clay_error(Clay_ErrorData error) { clay_errors.emplace_back(error.errorText.chars); }

class window_layout : public ::testing::Test {
protected:
    static inline void* arena_memory = nullptr;
    std::vector<ma_device_info> devices;
    Clay_RenderCommandArray commands{};

    static void SetUpTestSuite()
    {
        uint32_t size = Clay_MinMemorySize();
        arena_memory = std::malloc(size);
        Clay_Arena arena = Clay_CreateArenaWithCapacityAndMemory(size, arena_memory);
        ASSERT_NE(Clay_Initialize(arena, {400, 300}, {record_clay_error, nullptr}), nullptr);
        Clay_SetMeasureTextFunction(fixed_pitch_measure, nullptr);
    }

    void SetUp() override
    {
        clay_errors.clear();
        Clay_SetDebugModeEnabled(false);
        Clay_SetLayoutDimensions({400, 300});
        set_devices({"Speakers", "Null Output", "HDMI"});
        selected_device = 0;
        is_streaming = 0;
        ip_focused = 0;
        ip_cursor = 0;
        set_ip("10.0.0.7");
        // Two passes away from everything, with the button up, settle the pointer state.
        frame(-50, -50, false);
        frame(-50, -50, false);
    }

    void TearDown() override { EXPECT_TRUE(clay_errors.empty()) << clay_errors.front(); }

    void set_devices(const std::vector<std::string>& names)
    {
        devices.assign(names.size(), ma_device_info{});
        for (std::size_t i = 0; i < names.size(); ++i)
            std::snprintf(devices[i].name, sizeof devices[i].name, "%s", names[i].c_str());
        device_infos = devices.data();
        device_count = static_cast<ma_uint32>(devices.size());
    }

    static void set_ip(const char* text)
    {
        std::memset(ip_text, 0, sizeof ip_text);
        std::strcpy(ip_text, text);
    }

    // One frame as the application runs it: hit test on the previous
    // layout, scroll update, then this frame's layout.
    void frame(float x, float y, bool down, Clay_Vector2 scroll = {0, 0})
    {
        Clay_SetPointerState({x, y}, down);
        Clay_UpdateScrollContainers(true, scroll, 1.0f / 60);
        commands = build_layout();
    }

    // A press held over several frames, as a person makes it.
    void press(float x, float y)
    {
        for (int i = 0; i < 4; ++i) frame(x, y, true);
        frame(x, y, false);
        frame(x, y, false);
    }

    const Clay_RenderCommand* find(const char* label, uint32_t index = 0,
                                   Clay_RenderCommandType type = CLAY_RENDER_COMMAND_TYPE_RECTANGLE) const
    {
        Clay_String s{true, static_cast<int32_t>(std::strlen(label)), label};
        uint32_t id = Clay__HashString(s, index, 0).id;
        for (int32_t i = 0; i < commands.length; ++i) {
            const Clay_RenderCommand& c = commands.internalArray[i];
            if (c.id == id && c.commandType == type) return &c;
        }
        return nullptr;
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (int32_t i = 0; i < commands.length; ++i) {
            const Clay_RenderCommand& c = commands.internalArray[i];
            if (c.commandType == CLAY_RENDER_COMMAND_TYPE_TEXT)
                out.emplace_back(c.renderData.text.stringContents.chars, c.renderData.text.stringContents.length);
        }
        return out;
    }

    const Clay_RenderCommand* find_text(const std::string& text) const
    {
        for (int32_t i = 0; i < commands.length; ++i) {
            const Clay_RenderCommand& c = commands.internalArray[i];
            if (c.commandType == CLAY_RENDER_COMMAND_TYPE_TEXT &&
                std::string(c.renderData.text.stringContents.chars, c.renderData.text.stringContents.length) == text)
                return &c;
        }
        return nullptr;
    }
};

inline void expect_box(const Clay_RenderCommand* c, float x, float y, float w, float h)
{
    ASSERT_NE(c, nullptr);
    EXPECT_FLOAT_EQ(c->boundingBox.x, x);
    EXPECT_FLOAT_EQ(c->boundingBox.y, y);
    EXPECT_FLOAT_EQ(c->boundingBox.width, w);
    EXPECT_FLOAT_EQ(c->boundingBox.height, h);
}
