#include "clay_test_support.h"

namespace {

Clay_Dimensions measure(Clay_StringSlice text, Clay_TextElementConfig *, void *user) {
    auto *fixture = static_cast<clay_fixture *>(user);
    fixture->measured.emplace_back(text.chars, (size_t)text.length);
    return Clay_Dimensions{glyph_width * (float)text.length, line_height};
}

void on_error(Clay_ErrorData error) { static_cast<clay_fixture *>(error.userData)->errors.push_back(error); }

}  // namespace

void clay_fixture::init(float width, float height) {
    memory.assign(Clay_MinMemorySize(), 0);
    Clay_Arena arena = Clay_CreateArenaWithCapacityAndMemory(memory.size(), memory.data());
    context = Clay_Initialize(arena, Clay_Dimensions{width, height}, Clay_ErrorHandler{on_error, this});
    ASSERT_NE(context, nullptr);
    Clay_SetMeasureTextFunction(measure, this);
}

int clay_fixture::count_errors(Clay_ErrorType type) const {
    int n = 0;
    for (const auto &e : errors) n += e.errorType == type;
    return n;
}

int clay_fixture::count_measured(const std::string &text) const {
    int n = 0;
    for (const auto &m : measured) n += m == text;
    return n;
}

std::vector<Clay_RenderCommand> end_layout() {
    Clay_RenderCommandArray array = Clay_EndLayout();
    std::vector<Clay_RenderCommand> out;
    for (int32_t i = 0; i < array.length; ++i) out.push_back(*Clay_RenderCommandArray_Get(&array, i));
    return out;
}

Clay_BoundingBox box_of(const std::vector<Clay_RenderCommand> &commands, Clay_ElementId id) {
    for (const auto &c : commands)
        if (c.id == id.id && c.commandType == CLAY_RENDER_COMMAND_TYPE_RECTANGLE) return c.boundingBox;
    ADD_FAILURE() << "no rectangle for " << std::string(id.stringId.chars, (size_t)id.stringId.length);
    return Clay_BoundingBox{-1, -1, -1, -1};
}

std::vector<const Clay_RenderCommand *> texts_of(const std::vector<Clay_RenderCommand> &commands) {
    std::vector<const Clay_RenderCommand *> out;
    for (const auto &c : commands)
        if (c.commandType == CLAY_RENDER_COMMAND_TYPE_TEXT) out.push_back(&c);
    return out;
}

std::string text_of(const Clay_RenderCommand &command) {
    const Clay_StringSlice &s = command.renderData.text.stringContents;
    return std::string(s.chars, (size_t)s.length);
}
