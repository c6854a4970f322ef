// The records the host reads in place: gauge headers, elements, mouse areas,
// variable records and the two exported tables. Byte offsets are the
// contract; under a 32-bit build every one is checked at compile time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "module/abi.h"

namespace corvane {

struct GaugeHeader;
struct Element;

using ElementCallback = double(CORVANE_CALL*)(Element*);
using MouseHandler = uint32_t(CORVANE_CALL*)(uint32_t, uint32_t);
using GaugeCallback = void(CORVANE_CALL*)(GaugeHeader*, uint32_t, uint32_t);
using SharedRoutine0 = uint32_t(CORVANE_CALL*)();
using SharedRoutine1 = uint32_t(CORVANE_CALL*)(uint32_t);
using ModuleRoutine = void(CORVANE_CALL*)();

using ElementListOp0 = uint32_t(CORVANE_CALL*)(Element*);
using ElementListOp1 = uint32_t(CORVANE_CALL*)(Element*, uint32_t);
struct VariableRecord;
using RaiseEventFn = uint32_t(CORVANE_CALL*)(uint32_t, uint32_t);
using ReadVariableFn = uint32_t(CORVANE_CALL*)(VariableRecord*);

// The host's records are packed on 4-byte boundaries: doubles sit at offsets
// such as 92 and 116 that are not multiples of 8. 64-bit builds keep natural
// alignment, their layout being their own anyway.
#if CORVANE_RECORDS_32
#pragma pack(push, 4)
#endif

struct VariableRecord {
  uint32_t token;
  void* host_data;
  uint32_t type;
  uint8_t value[8];     // double, or an integer in its low word
  uint8_t previous[8];  // host work
};

inline constexpr uint32_t kKindStatic = 0;
inline constexpr uint32_t kKindNeedle = 1;
inline constexpr uint32_t kKindString = 2;
inline constexpr uint32_t kKindSlider = 3;
inline constexpr uint32_t kKindIcon = 4;
inline constexpr uint32_t kKindMoving = 5;
inline constexpr uint32_t kKindSprite = 6;

inline constexpr uint32_t kFlagBright = 0x4;
inline constexpr uint32_t kFlagHidden = 0x40000000;
inline constexpr uint32_t kFlagOnScreen = 0x80000000;

inline constexpr uint32_t kNoBitmap = 0xFFFFFFFF;

struct FailureEntry {
  uint32_t key;
  uint32_t action;
};

struct Element {
  uint32_t kind;
  uint32_t bitmap_id;
  int32_t x;
  int32_t y;
  int32_t previous_x;  // host work
  int32_t previous_y;  // host work
  int32_t offset_x;
  int32_t offset_y;
  GaugeHeader* gauge;
  Element* previous;  // host work
  Element** children;
  const FailureEntry* failures;
  uint32_t image_flags;
  uint32_t special_flags;
  uint32_t reserved;
};

struct StaticElement {
  Element header;
  uint8_t host0[36];
};

struct NeedlePoint {
  int32_t x;
  int32_t y;
  double value;
  uint8_t host[8];
};

struct NeedleElement {
  Element header;
  VariableRecord variable;
  uint8_t host0[24];
  const NeedlePoint* calibration;
  uint32_t calibration_count;
  uint32_t rate;
  uint8_t host1[100];
  ElementCallback callback;
  uint8_t host2[8];
};

struct StringElement {
  Element header;
  VariableRecord variables[3];
  uint8_t host0[40];
  char* text;  // the host's buffer
  uint8_t host1[4];
  int32_t box_width;
  int32_t box_height;
  uint8_t host2[8];
  uint32_t text_colour;
  uint32_t background_colour;
  uint32_t highlight_colour;
  uint8_t host3[28];
  char font[32];
  uint32_t font_weight;
  uint32_t charset;
  uint32_t format_flags;
  uint32_t char_count;
  uint8_t host4[16];
  ElementCallback callback;
  uint8_t host5[8];
};

struct SliderElement {
  Element header;
  VariableRecord x_variable;
  uint8_t host0[4];
  double x_scale;
  uint8_t host1[4];
  VariableRecord y_variable;
  uint8_t host2[4];
  double y_scale;
  uint8_t host3[24];
  ElementCallback x_callback;
  ElementCallback y_callback;
  uint8_t host4[16];
};

struct IconElement {
  Element header;
  VariableRecord variable;
  uint8_t host0[4];
  uint32_t switch_mode;
  uint8_t host1[16];
  uint32_t image_count;
  double scale;
  double offset;
  ElementCallback callback;
  uint8_t host2[4];
};

struct MovingElement {
  Element header;
  VariableRecord x_variable;
  uint8_t host0[4];
  double x_min;
  double x_max;
  uint8_t host1[4];
  VariableRecord y_variable;
  uint8_t host2[4];
  double y_min;
  double y_max;
  uint8_t host3[84];
  ElementCallback x_callback;
  ElementCallback y_callback;
  uint8_t host4[16];
};

struct SpriteSlotRecord {
  VariableRecord variable;
  uint8_t host[4];
  double scale;
};

struct SpriteElement {
  Element header;
  uint8_t host0[40];
  SpriteSlotRecord slot0;
  SpriteSlotRecord slot1;
  float texture_scale_x;
  float texture_scale_y;
  SpriteSlotRecord slot2;
  uint8_t host1[92];
  ElementCallback callbacks[3];
  uint8_t host2[20];
};

inline constexpr uint32_t kAreaParent = 1;
inline constexpr uint32_t kAreaChild = 2;
inline constexpr uint32_t kAreaEnd = 3;
inline constexpr uint32_t kCursorNone = 0xFFFFFFFF;
inline constexpr uint32_t kCursorIncrease = 1;
inline constexpr uint32_t kCursorDecrease = 2;
inline constexpr uint32_t kCursorClick = 5;
inline constexpr uint32_t kMouseLeftClick = 0x20000000;
inline constexpr uint32_t kMouseLeftRepeat = 0x20200000;

struct MouseArea {
  uint32_t kind;
  int32_t x;
  int32_t y;
  int32_t width;
  int32_t height;
  uint32_t cursor;
  uint32_t help_id;
  uint32_t event_flags;
  uint32_t event_id;
  MouseHandler handler;
  uintptr_t handler_data;
};

inline constexpr uint32_t kHeaderVersion = 0x320;
inline constexpr uint32_t kServiceInstall = 2;
inline constexpr uint32_t kServiceUpdate = 6;
inline constexpr uint32_t kServiceDraw = 10;
inline constexpr uint32_t kServiceKill = 12;

struct GaugeHeader {
  uint32_t version;
  const char* name;
  Element** elements;
  SharedRoutine0 routine3;
  SharedRoutine1 routine4;
  SharedRoutine0 routine5;
  SharedRoutine0 routine6;
  SharedRoutine1 routine7;
  SharedRoutine0 routine8;
  SharedRoutine0 routine9;
  uint32_t reserved10;
  uint32_t width_mm;
  uintptr_t host12[8];
  MouseArea* mouse_areas;
  GaugeCallback callback;
  uintptr_t host22;
  const char* parameters;  // set by the host
  uintptr_t host24[8];
};

// Slots are numbered from 0, one pointer wide; the module uses nine.
struct HostServices {
  void* slots0[24];
  ElementListOp0 slot24;
  ElementListOp1 slot25;
  ElementListOp0 slot26;
  ElementListOp0 slot27;
  ElementListOp1 slot28;
  ElementListOp0 slot29;
  void* slot30;
  ElementListOp0 slot31;
  void* slots32[4];
  RaiseEventFn raise_event;
  void* slots37[3];
  ReadVariableFn read_variable;
  void* slots41[23];
};

struct ImportEntry {
  uint32_t id;
  HostServices* services;
};

struct ImportTableRecord {
  ImportEntry entries[2];
};

inline constexpr uint32_t kGaugeCount = 33;

struct LinkageRecord {
  uint32_t module_id;
  ModuleRoutine init;
  ModuleRoutine deinit;
  uint32_t flags;
  uint32_t reserved;
  uint32_t version;
  GaugeHeader* gauges[kGaugeCount + 1];
};

#if CORVANE_RECORDS_32
#pragma pack(pop)
#endif

#if CORVANE_RECORDS_32
static_assert(sizeof(VariableRecord) == 28);
static_assert(offsetof(VariableRecord, value) == 12);
static_assert(offsetof(VariableRecord, previous) == 20);
static_assert(sizeof(Element) == 60);
static_assert(offsetof(Element, gauge) == 32);
static_assert(offsetof(Element, children) == 40);
static_assert(offsetof(Element, failures) == 44);
static_assert(offsetof(Element, image_flags) == 48);
static_assert(offsetof(Element, special_flags) == 52);
static_assert(sizeof(StaticElement) == 96);
static_assert(sizeof(NeedlePoint) == 24);
static_assert(sizeof(NeedleElement) == 236);
static_assert(offsetof(NeedleElement, variable) == 60);
static_assert(offsetof(NeedleElement, calibration) == 112);
static_assert(offsetof(NeedleElement, calibration_count) == 116);
static_assert(offsetof(NeedleElement, rate) == 120);
static_assert(offsetof(NeedleElement, callback) == 224);
static_assert(sizeof(StringElement) == 324);
static_assert(offsetof(StringElement, variables) == 60);
static_assert(offsetof(StringElement, variables) + sizeof(VariableRecord) == 88);
static_assert(offsetof(StringElement, text) == 184);
static_assert(offsetof(StringElement, box_width) == 192);
static_assert(offsetof(StringElement, box_height) == 196);
static_assert(offsetof(StringElement, text_colour) == 208);
static_assert(offsetof(StringElement, background_colour) == 212);
static_assert(offsetof(StringElement, highlight_colour) == 216);
static_assert(offsetof(StringElement, font) == 248);
static_assert(offsetof(StringElement, font_weight) == 280);
static_assert(offsetof(StringElement, charset) == 284);
static_assert(offsetof(StringElement, format_flags) == 288);
static_assert(offsetof(StringElement, char_count) == 292);
static_assert(offsetof(StringElement, callback) == 312);
static_assert(sizeof(SliderElement) == 192);
static_assert(offsetof(SliderElement, x_variable) == 60);
static_assert(offsetof(SliderElement, x_scale) == 92);
static_assert(offsetof(SliderElement, y_variable) == 104);
static_assert(offsetof(SliderElement, y_scale) == 136);
static_assert(offsetof(SliderElement, x_callback) == 168);
static_assert(offsetof(SliderElement, y_callback) == 172);
static_assert(sizeof(IconElement) == 140);
static_assert(offsetof(IconElement, variable) == 60);
static_assert(offsetof(IconElement, switch_mode) == 92);
static_assert(offsetof(IconElement, image_count) == 112);
static_assert(offsetof(IconElement, scale) == 116);
static_assert(offsetof(IconElement, offset) == 124);
static_assert(offsetof(IconElement, callback) == 132);
static_assert(sizeof(MovingElement) == 268);
static_assert(offsetof(MovingElement, x_variable) == 60);
static_assert(offsetof(MovingElement, x_min) == 92);
static_assert(offsetof(MovingElement, x_max) == 100);
static_assert(offsetof(MovingElement, y_variable) == 112);
static_assert(offsetof(MovingElement, y_min) == 144);
static_assert(offsetof(MovingElement, y_max) == 152);
static_assert(offsetof(MovingElement, x_callback) == 244);
static_assert(offsetof(MovingElement, y_callback) == 248);
static_assert(sizeof(SpriteElement) == 352);
static_assert(offsetof(SpriteElement, slot0) == 100);
static_assert(offsetof(SpriteElement, slot0) + offsetof(SpriteSlotRecord, scale) == 132);
static_assert(offsetof(SpriteElement, slot1) == 140);
static_assert(offsetof(SpriteElement, slot1) + offsetof(SpriteSlotRecord, scale) == 172);
static_assert(offsetof(SpriteElement, texture_scale_x) == 180);
static_assert(offsetof(SpriteElement, texture_scale_y) == 184);
static_assert(offsetof(SpriteElement, slot2) == 188);
static_assert(offsetof(SpriteElement, slot2) + offsetof(SpriteSlotRecord, scale) == 220);
static_assert(offsetof(SpriteElement, callbacks) == 320);
static_assert(sizeof(MouseArea) == 44);
static_assert(offsetof(MouseArea, handler) == 36);
static_assert(offsetof(GaugeHeader, routine3) == 12);
static_assert(offsetof(GaugeHeader, routine9) == 36);
static_assert(offsetof(GaugeHeader, width_mm) == 44);
static_assert(offsetof(GaugeHeader, mouse_areas) == 80);
static_assert(offsetof(GaugeHeader, callback) == 84);
static_assert(offsetof(GaugeHeader, parameters) == 92);
static_assert(offsetof(HostServices, slot24) == 24 * 4);
static_assert(offsetof(HostServices, slot31) == 31 * 4);
static_assert(offsetof(HostServices, raise_event) == 36 * 4);
static_assert(offsetof(HostServices, read_variable) == 40 * 4);
static_assert(sizeof(ImportTableRecord) == 16);
static_assert(offsetof(LinkageRecord, gauges) == 24);
static_assert(sizeof(LinkageRecord) == 24 + 34 * 4);
#endif

}  // namespace corvane
