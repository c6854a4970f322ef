// A simulator stand-in that plays the host against the module: it hands over
// its service table, stages gauges, walks and evaluates element trees,
// dispatches clicks and keeps simulator variables by token.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "module/records.h"

namespace corvane::testhost {

struct ModuleView {
  ImportTableRecord* import_table = nullptr;
  LinkageRecord* linkage = nullptr;
};

struct KeyEvent {
  uint32_t id;
  uint32_t value;
  bool operator==(const KeyEvent&) const = default;
};

struct ElementListCall {
  int slot;
  Element* element;
  uint32_t argument;
};

// Values an element took at its last evaluation: the needle, icon or string
// value, a slider's or moving image's x and y, a sprite's three slots.
struct ElementValues {
  double value[3] = {0.0, 0.0, 0.0};
};

// The simulator's mouse flags beside the module's own (left single click and
// its repeat): the other buttons, and the bit that marks a call repeated while
// the button stays down.
inline constexpr uint32_t kMouseRightClick = 0x80000000;
inline constexpr uint32_t kMouseMiddleClick = 0x40000000;
inline constexpr uint32_t kMouseButtons = kMouseRightClick | kMouseMiddleClick | kMouseLeftClick;
inline constexpr uint32_t kMouseRepeat = 0x00200000;

// Tokens whose value field the host fills as a 32-bit integer in its low word.
bool is_integer_token(uint32_t token);

class TestHost {
 public:
  explicit TestHost(ModuleView module);
  ~TestHost();
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;

  const ModuleView& module() const { return module_; }
  GaugeHeader* gauge(std::string_view name) const;
  std::vector<GaugeHeader*> gauges() const;

  void install(GaugeHeader* gauge, const char* parameters = nullptr);
  void update(GaugeHeader* gauge);
  void draw(GaugeHeader* gauge);
  void kill(GaugeHeader* gauge);
  void call(GaugeHeader* gauge, uint32_t service);
  // Evaluates every element of the tree, parents before children.
  void evaluate(GaugeHeader* gauge);
  // update, evaluate, draw: one panel cycle of one gauge.
  void cycle(GaugeHeader* gauge);

  // Clicks the first child area under the pixel that takes the button named
  // in `flags`; false when none is there. The handler gets the pixel (x in
  // the low half, y in the high) and the flags.
  bool click(GaugeHeader* gauge, int x, int y, uint32_t flags = kMouseLeftClick);
  // The area a click of that button there would reach, or nullptr.
  const MouseArea* area_at(GaugeHeader* gauge, int x, int y, uint32_t flags = kMouseLeftClick) const;

  void set_var(uint32_t token, double value);
  double var(uint32_t token) const;
  // A token whose value is the address of a text the host owns (0x35D): the
  // low 32 bits on 32-bit builds, the whole value field where a pointer is
  // wider. nullptr makes the address 0.
  void set_text_var(uint32_t token, const char* text);
  // Called for every key event after it is logged: the simulator's reaction.
  std::function<void(TestHost&, const KeyEvent&)> on_event;

  const std::vector<KeyEvent>& events() const { return events_; }
  void clear_events() { events_.clear(); }
  const std::vector<ElementListCall>& element_list_calls() const { return list_calls_; }
  int read_count() const { return reads_; }

  // Tree walking.
  static std::vector<Element*> elements(GaugeHeader* gauge);
  Element* element(GaugeHeader* gauge, size_t index) const;
  const ElementValues& values(const Element* element) const;
  std::string text(const Element* element) const;

  // Text bound violations seen after string callbacks, and x87 control-word
  // faults of calls into the module (empty when all is well).
  std::vector<std::string> violations() const;
  // The x87 control word every call into the module starts with.
  static void set_control_word(uint16_t word);
  // Checks every text buffer handed out so far, whoever wrote it last.
  void check_all_texts();

  // Raised by the service table; public for the C-style trampolines.
  void raise(uint32_t id, uint32_t value);
  void fill(VariableRecord* record);
  uint32_t list_call(int slot, Element* element, uint32_t argument);

 private:
  void evaluate_element(Element* element);
  char* buffer_for(StringElement* element);
  void check_text(StringElement* element);

  struct TextBuffer {
    std::vector<char> bytes;
    uint32_t chars;
  };
  static constexpr size_t kGuard = 16;
  static constexpr char kGuardByte = static_cast<char>(0xA5);

  ModuleView module_;
  std::unique_ptr<HostServices> services_;
  std::map<uint32_t, double> vars_;
  std::map<uint32_t, const char*> text_vars_;
  std::vector<KeyEvent> events_;
  std::vector<ElementListCall> list_calls_;
  std::map<const Element*, ElementValues> values_;
  std::map<const Element*, TextBuffer> buffers_;
  std::map<const GaugeHeader*, std::string> parameters_;
  std::vector<std::string> violations_;
  int reads_ = 0;
};

// The module linked into this process.
ModuleView linked_module();

}  // namespace corvane::testhost
