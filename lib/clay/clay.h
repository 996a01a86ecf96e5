// This program's own small stand-in for the subset of the Clay UI layout
// library that Ostrelle uses: Clay's public names, types, macros, enum values
// and documented defaults for that subset only. It is not the Clay library.
#ifndef CLAY_HEADER
#define CLAY_HEADER

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#if defined(__cplusplus) && defined(__GNUC__) && !defined(__clang__)
// Declarations name only the fields they set and rely on the rest being
// zero; GCC's -Wextra would flag every such declaration in the including
// file, and a _Pragma cannot sit inside the expressions the macros build.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif

#ifdef __cplusplus
#define CLAY_PACKED_ENUM enum : uint8_t
#define CLAY__CONFIG_WRAPPER(type, ...) type __VA_ARGS__
#else
#define CLAY_PACKED_ENUM enum __attribute__((__packed__))
#define CLAY__CONFIG_WRAPPER(type, ...) (type) __VA_ARGS__
#endif

#ifdef __cplusplus
extern "C" {
#endif

// --- Strings ---------------------------------------------------------------

typedef struct Clay_String {
    // True when chars outlive the layout (literals); such strings are cached
    // by address and length instead of by content.
    bool isStaticallyAllocated;
    int32_t length;
    const char *chars;
} Clay_String;

// A part of a string handed to the measuring function and to text commands.
typedef struct Clay_StringSlice {
    int32_t length;
    const char *chars;
    const char *baseChars; // the whole string the slice was cut from
} Clay_StringSlice;

// --- Geometry and colour ---------------------------------------------------

typedef struct Clay_Dimensions {
    float width, height;
} Clay_Dimensions;

typedef struct Clay_Vector2 {
    float x, y;
} Clay_Vector2;

// Components on a 0..255 scale.
typedef struct Clay_Color {
    float r, g, b, a;
} Clay_Color;

typedef struct Clay_BoundingBox {
    float x, y, width, height;
} Clay_BoundingBox;

typedef struct Clay_CornerRadius {
    float topLeft;
    float topRight;
    float bottomLeft;
    float bottomRight;
} Clay_CornerRadius;

// --- Element ids -----------------------------------------------------------

typedef struct Clay_ElementId {
    uint32_t id;          // hash of label, offset and seed; 0 means "no id"
    uint32_t offset;      // the index of an indexed id
    uint32_t baseId;      // hash of label and seed alone
    Clay_String stringId; // the label
} Clay_ElementId;

// --- Layout configuration --------------------------------------------------

typedef CLAY_PACKED_ENUM {
    CLAY_LEFT_TO_RIGHT,
    CLAY_TOP_TO_BOTTOM,
} Clay_LayoutDirection;

typedef CLAY_PACKED_ENUM {
    CLAY_ALIGN_X_LEFT,
    CLAY_ALIGN_X_RIGHT,
    CLAY_ALIGN_X_CENTER,
} Clay_LayoutAlignmentX;

typedef CLAY_PACKED_ENUM {
    CLAY_ALIGN_Y_TOP,
    CLAY_ALIGN_Y_BOTTOM,
    CLAY_ALIGN_Y_CENTER,
} Clay_LayoutAlignmentY;

typedef CLAY_PACKED_ENUM {
    CLAY__SIZING_TYPE_FIT,  // wraps the content, within min and max
    CLAY__SIZING_TYPE_GROW, // takes the free space of the parent, within min and max
} Clay__SizingType;

typedef struct Clay_ChildAlignment {
    Clay_LayoutAlignmentX x;
    Clay_LayoutAlignmentY y;
} Clay_ChildAlignment;

// A max of 0 means unbounded.
typedef struct Clay_SizingMinMax {
    float min;
    float max;
} Clay_SizingMinMax;

typedef struct Clay_SizingAxis {
    union {
        Clay_SizingMinMax minMax;
    } size;
    Clay__SizingType type;
} Clay_SizingAxis;

typedef struct Clay_Sizing {
    Clay_SizingAxis width;
    Clay_SizingAxis height;
} Clay_Sizing;

typedef struct Clay_Padding {
    uint16_t left;
    uint16_t right;
    uint16_t top;
    uint16_t bottom;
} Clay_Padding;

typedef struct Clay_LayoutConfig {
    Clay_Sizing sizing;
    Clay_Padding padding;
    uint16_t childGap;
    Clay_ChildAlignment childAlignment;
    Clay_LayoutDirection layoutDirection;
} Clay_LayoutConfig;

// --- Text configuration ----------------------------------------------------

typedef CLAY_PACKED_ENUM {
    CLAY_TEXT_WRAP_WORDS,    // break at spaces and newlines when too narrow
    CLAY_TEXT_WRAP_NEWLINES, // break at newlines only
    CLAY_TEXT_WRAP_NONE,     // never break
} Clay_TextElementConfigWrapMode;

typedef CLAY_PACKED_ENUM {
    CLAY_TEXT_ALIGN_LEFT,
    CLAY_TEXT_ALIGN_CENTER,
    CLAY_TEXT_ALIGN_RIGHT,
} Clay_TextAlignment;

typedef struct Clay_TextElementConfig {
    void *userData;
    Clay_Color textColor;
    uint16_t fontId;
    uint16_t fontSize;
    uint16_t letterSpacing;
    uint16_t lineHeight; // 0: the measured height
    Clay_TextElementConfigWrapMode wrapMode;
    Clay_TextAlignment textAlignment;
} Clay_TextElementConfig;

// --- Other element configuration -------------------------------------------

// Accepted for declaration compatibility; the layout does not use it.
typedef struct Clay_AspectRatioElementConfig {
    float aspectRatio;
} Clay_AspectRatioElementConfig;

// Accepted for declaration compatibility; no image command is emitted.
typedef struct Clay_ImageElementConfig {
    void *imageData;
} Clay_ImageElementConfig;

typedef CLAY_PACKED_ENUM {
    CLAY_ATTACH_POINT_LEFT_TOP,
    CLAY_ATTACH_POINT_LEFT_CENTER,
    CLAY_ATTACH_POINT_LEFT_BOTTOM,
    CLAY_ATTACH_POINT_CENTER_TOP,
    CLAY_ATTACH_POINT_CENTER_CENTER,
    CLAY_ATTACH_POINT_CENTER_BOTTOM,
    CLAY_ATTACH_POINT_RIGHT_TOP,
    CLAY_ATTACH_POINT_RIGHT_CENTER,
    CLAY_ATTACH_POINT_RIGHT_BOTTOM,
} Clay_FloatingAttachPointType;

typedef struct Clay_FloatingAttachPoints {
    Clay_FloatingAttachPointType element;
    Clay_FloatingAttachPointType parent;
} Clay_FloatingAttachPoints;

typedef CLAY_PACKED_ENUM {
    // The pointer stops at this floating root: nothing beneath it is hit.
    CLAY_POINTER_CAPTURE_MODE_CAPTURE,
    CLAY_POINTER_CAPTURE_MODE_PASSTHROUGH,
} Clay_PointerCaptureMode;

typedef CLAY_PACKED_ENUM {
    CLAY_ATTACH_TO_NONE, // not floating
    CLAY_ATTACH_TO_PARENT,
    CLAY_ATTACH_TO_ELEMENT_WITH_ID,
    CLAY_ATTACH_TO_ROOT,
} Clay_FloatingAttachToElement;

typedef CLAY_PACKED_ENUM {
    CLAY_CLIP_TO_NONE,
    CLAY_CLIP_TO_ATTACHED_PARENT,
} Clay_FloatingClipToElement;

typedef struct Clay_FloatingElementConfig {
    Clay_Vector2 offset;
    Clay_Dimensions expand;
    uint32_t parentId; // for CLAY_ATTACH_TO_ELEMENT_WITH_ID
    int16_t zIndex;
    Clay_FloatingAttachPoints attachPoints;
    Clay_PointerCaptureMode pointerCaptureMode;
    Clay_FloatingAttachToElement attachTo;
    Clay_FloatingClipToElement clipTo;
} Clay_FloatingElementConfig;

// Accepted for declaration compatibility; no custom command is emitted.
typedef struct Clay_CustomElementConfig {
    void *customData;
} Clay_CustomElementConfig;

typedef struct Clay_ClipElementConfig {
    bool horizontal;
    bool vertical;
    Clay_Vector2 childOffset; // usually Clay_GetScrollOffset()
} Clay_ClipElementConfig;

typedef struct Clay_BorderWidth {
    uint16_t left;
    uint16_t right;
    uint16_t top;
    uint16_t bottom;
    uint16_t betweenChildren;
} Clay_BorderWidth;

typedef struct Clay_BorderElementConfig {
    Clay_Color color;
    Clay_BorderWidth width;
} Clay_BorderElementConfig;

typedef struct Clay_ElementDeclaration {
    Clay_ElementId id;
    Clay_LayoutConfig layout;
    Clay_Color backgroundColor; // alpha 0: no rectangle
    Clay_CornerRadius cornerRadius;
    Clay_AspectRatioElementConfig aspectRatio;
    Clay_ImageElementConfig image;
    Clay_FloatingElementConfig floating;
    Clay_CustomElementConfig custom;
    Clay_ClipElementConfig clip;
    Clay_BorderElementConfig border;
    void *userData;
} Clay_ElementDeclaration;

// --- Render commands -------------------------------------------------------

typedef struct Clay_TextRenderData {
    Clay_StringSlice stringContents;
    Clay_Color textColor;
    uint16_t fontId;
    uint16_t fontSize;
    uint16_t letterSpacing;
    uint16_t lineHeight;
} Clay_TextRenderData;

typedef struct Clay_RectangleRenderData {
    Clay_Color backgroundColor;
    Clay_CornerRadius cornerRadius;
} Clay_RectangleRenderData;

typedef struct Clay_ImageRenderData {
    Clay_Color backgroundColor;
    Clay_CornerRadius cornerRadius;
    void *imageData;
} Clay_ImageRenderData;

typedef struct Clay_CustomRenderData {
    Clay_Color backgroundColor;
    Clay_CornerRadius cornerRadius;
    void *customData;
} Clay_CustomRenderData;

typedef struct Clay_ClipRenderData {
    bool horizontal;
    bool vertical;
} Clay_ClipRenderData;

typedef struct Clay_BorderRenderData {
    Clay_Color color;
    Clay_CornerRadius cornerRadius;
    Clay_BorderWidth width;
} Clay_BorderRenderData;

typedef union Clay_RenderData {
    Clay_RectangleRenderData rectangle;
    Clay_TextRenderData text;
    Clay_ImageRenderData image;
    Clay_CustomRenderData custom;
    Clay_BorderRenderData border;
    Clay_ClipRenderData clip;
} Clay_RenderData;

typedef CLAY_PACKED_ENUM {
    CLAY_RENDER_COMMAND_TYPE_NONE,
    CLAY_RENDER_COMMAND_TYPE_RECTANGLE,
    CLAY_RENDER_COMMAND_TYPE_BORDER,
    CLAY_RENDER_COMMAND_TYPE_TEXT,
    CLAY_RENDER_COMMAND_TYPE_IMAGE,
    CLAY_RENDER_COMMAND_TYPE_SCISSOR_START,
    CLAY_RENDER_COMMAND_TYPE_SCISSOR_END,
    CLAY_RENDER_COMMAND_TYPE_CUSTOM,
} Clay_RenderCommandType;

typedef struct Clay_RenderCommand {
    Clay_BoundingBox boundingBox;
    Clay_RenderData renderData;
    void *userData;
    uint32_t id;
    int16_t zIndex;
    Clay_RenderCommandType commandType;
} Clay_RenderCommand;

// Lives in the arena; valid until the next Clay_BeginLayout.
typedef struct Clay_RenderCommandArray {
    int32_t capacity;
    int32_t length;
    Clay_RenderCommand *internalArray;
} Clay_RenderCommandArray;

// --- Pointer ---------------------------------------------------------------

typedef CLAY_PACKED_ENUM {
    CLAY_POINTER_DATA_PRESSED_THIS_FRAME,
    CLAY_POINTER_DATA_PRESSED,
    CLAY_POINTER_DATA_RELEASED_THIS_FRAME,
    CLAY_POINTER_DATA_RELEASED,
} Clay_PointerDataInteractionState;

typedef struct Clay_PointerData {
    Clay_Vector2 position;
    Clay_PointerDataInteractionState state;
} Clay_PointerData;

// --- Memory and errors -----------------------------------------------------

typedef struct Clay_Arena {
    uintptr_t nextAllocation;
    size_t capacity;
    char *memory;
} Clay_Arena;

typedef CLAY_PACKED_ENUM {
    CLAY_ERROR_TYPE_TEXT_MEASUREMENT_FUNCTION_NOT_PROVIDED,
    CLAY_ERROR_TYPE_ARENA_CAPACITY_EXCEEDED,
    CLAY_ERROR_TYPE_ELEMENTS_CAPACITY_EXCEEDED,
    CLAY_ERROR_TYPE_TEXT_MEASUREMENT_CAPACITY_EXCEEDED,
    CLAY_ERROR_TYPE_DUPLICATE_ID,
    CLAY_ERROR_TYPE_FLOATING_CONTAINER_PARENT_NOT_FOUND,
    CLAY_ERROR_TYPE_PERCENTAGE_OVER_1,
    CLAY_ERROR_TYPE_INTERNAL_ERROR,
} Clay_ErrorType;

typedef struct Clay_ErrorData {
    Clay_ErrorType errorType;
    Clay_String errorText; // static text
    void *userData;        // the handler's userData
} Clay_ErrorData;

typedef struct Clay_ErrorHandler {
    void (*errorHandlerFunction)(Clay_ErrorData errorText);
    void *userData;
} Clay_ErrorHandler;

// Opaque; lives at the start of the arena given to Clay_Initialize.
typedef struct Clay_Context Clay_Context;

// --- Public functions ------------------------------------------------------

// Bytes an arena needs for the default capacities (8,192 elements,
// 16,384 cached measured words).
uint32_t Clay_MinMemorySize(void);
Clay_Arena Clay_CreateArenaWithCapacityAndMemory(size_t capacity, void *memory);
// Builds a context inside the arena and makes it current; NULL (after an
// arena error to the handler) when the arena is too small.
Clay_Context *Clay_Initialize(Clay_Arena arena, Clay_Dimensions layoutDimensions, Clay_ErrorHandler errorHandler);
void Clay_SetLayoutDimensions(Clay_Dimensions dimensions);
void Clay_SetMeasureTextFunction(Clay_Dimensions (*measureTextFunction)(Clay_StringSlice text, Clay_TextElementConfig *config, void *userData), void *userData);
void Clay_ResetMeasureTextCache(void);

// Hit-tests the last completed layout and advances the pointer state.
void Clay_SetPointerState(Clay_Vector2 position, bool pointerDown);
void Clay_UpdateScrollContainers(bool enableDragScrolling, Clay_Vector2 scrollDelta, float deltaTime);

void Clay_BeginLayout(void);
Clay_RenderCommandArray Clay_EndLayout(void);
Clay_RenderCommand *Clay_RenderCommandArray_Get(Clay_RenderCommandArray *array, int32_t index);

Clay_ElementId Clay_GetElementId(Clay_String idString);
// About the open element: valid while its declaration is built or in its body.
bool Clay_Hovered(void);
Clay_Vector2 Clay_GetScrollOffset(void);
void Clay_OnHover(void (*onHoverFunction)(Clay_ElementId elementId, Clay_PointerData pointerData, intptr_t userData), intptr_t userData);
bool Clay_PointerOver(Clay_ElementId elementId);

void Clay_SetDebugModeEnabled(bool enabled);
bool Clay_IsDebugModeEnabled(void);

// --- Used by the macros below ----------------------------------------------

extern uint8_t Clay__ElementDefinitionLatch;
void Clay__OpenElement(void);
void Clay__ConfigureOpenElement(const Clay_ElementDeclaration config);
void Clay__CloseElement(void);
Clay_TextElementConfig *Clay__StoreTextElementConfig(Clay_TextElementConfig config);
void Clay__OpenTextElement(Clay_String text, Clay_TextElementConfig *textConfig);
Clay_ElementId Clay__HashString(Clay_String key, uint32_t offset, uint32_t seed);

#ifdef __cplusplus
}
#endif

// --- Macros ----------------------------------------------------------------

// Only a string literal fits between the two empty literals.
#define CLAY_STRING(string) (CLAY__CONFIG_WRAPPER(Clay_String, { true, (int32_t)(sizeof("" string "") - 1), ("" string "") }))

#define CLAY_ID(label) Clay__HashString(CLAY_STRING(label), 0, 0)
#define CLAY_IDI(label, index) Clay__HashString(CLAY_STRING(label), (uint32_t)(index), 0)

#define CLAY_SIZING_FIT(...) (CLAY__CONFIG_WRAPPER(Clay_SizingAxis, { .size = { .minMax = { __VA_ARGS__ } }, .type = CLAY__SIZING_TYPE_FIT }))
#define CLAY_SIZING_GROW(...) (CLAY__CONFIG_WRAPPER(Clay_SizingAxis, { .size = { .minMax = { __VA_ARGS__ } }, .type = CLAY__SIZING_TYPE_GROW }))

#define CLAY_TEXT_CONFIG(...) Clay__StoreTextElementConfig(CLAY__CONFIG_WRAPPER(Clay_TextElementConfig, __VA_ARGS__))
#define CLAY_TEXT(text, textConfig) Clay__OpenTextElement(text, textConfig)

// Opens an element, configures it, runs the body once, closes it.
#define CLAY(...)                                                                                                            \
    for (Clay__ElementDefinitionLatch = (Clay__OpenElement(),                                                                \
                                         Clay__ConfigureOpenElement(CLAY__CONFIG_WRAPPER(Clay_ElementDeclaration, __VA_ARGS__)), \
                                         0);                                                                                 \
         Clay__ElementDefinitionLatch < 1; Clay__ElementDefinitionLatch = 1, Clay__CloseElement())

#endif
