#include "corvane_testhost/test_host.h"

#include <cstring>

#include "corvane_testhost/module_scope.h"

namespace corvane::testhost {

namespace {

TestHost* current = nullptr;

CORVANE_HOST_CALLBACK uint32_t CORVANE_CALL raise_event_slot(uint32_t id, uint32_t value) {
  const HostCodeScope host_code;
  if (current != nullptr) {
    current->raise(id, value);
  }
  return 1;
}

CORVANE_HOST_CALLBACK uint32_t CORVANE_CALL read_variable_slot(VariableRecord* record) {
  const HostCodeScope host_code;
  if (current != nullptr) {
    current->fill(record);
  }
  return 1;
}

template <int Slot>
CORVANE_HOST_CALLBACK uint32_t CORVANE_CALL list_op0(Element* element) {
  const HostCodeScope host_code;
  return current != nullptr ? current->list_call(Slot, element, 0) : 0;
}

template <int Slot>
CORVANE_HOST_CALLBACK uint32_t CORVANE_CALL list_op1(Element* element, uint32_t argument) {
  const HostCodeScope host_code;
  return current != nullptr ? current->list_call(Slot, element, argument) : 0;
}

double record_value(const VariableRecord& record) {
  double value = 0.0;
  std::memcpy(&value, record.value, sizeof value);
  return value;
}

}  // namespace

bool is_integer_token(uint32_t token) {
  static const std::set<uint32_t> kIntegers = {0x17,  0x366, 0x269, 0x367, 0x10,  0x12,  0x18,  0x1B,
                                               0x368, 0x369, 0x26,  0x133, 0x134, 0x2E7, 0x35D, 0x2E4};
  return kIntegers.count(token) != 0;
}

TestHost::TestHost(ModuleView module) : module_(module), services_(std::make_unique<HostServices>()) {
  *services_ = HostServices{};
  services_->slot24 = list_op0<24>;
  services_->slot25 = list_op1<25>;
  services_->slot26 = list_op0<26>;
  services_->slot27 = list_op0<27>;
  services_->slot28 = list_op1<28>;
  services_->slot29 = list_op0<29>;
  services_->slot31 = list_op0<31>;
  services_->raise_event = raise_event_slot;
  services_->read_variable = read_variable_slot;
  current = this;
  module_.import_table->entries[0].services = services_.get();
  fpu_faults.clear();
}

std::vector<std::string> TestHost::violations() const {
  std::vector<std::string> all = violations_;
  all.insert(all.end(), fpu_faults.begin(), fpu_faults.end());
  return all;
}

void TestHost::set_control_word(uint16_t word) { host_control_word = word; }

TestHost::~TestHost() {
  // Buffers die with the host: leave no dangling text pointer in the module.
  for (auto& [element, buffer] : buffers_) {
    reinterpret_cast<StringElement*>(const_cast<Element*>(element))->text = nullptr;
  }
  for (auto& [gauge, text] : parameters_) {
    const_cast<GaugeHeader*>(gauge)->parameters = nullptr;
  }
  module_.import_table->entries[0].services = nullptr;
  if (current == this) {
    current = nullptr;
  }
}

GaugeHeader* TestHost::gauge(std::string_view name) const {
  for (GaugeHeader* const* g = module_.linkage->gauges; *g != nullptr; ++g) {
    if ((*g)->name != nullptr && name == (*g)->name) {
      return *g;
    }
  }
  return nullptr;
}

std::vector<GaugeHeader*> TestHost::gauges() const {
  std::vector<GaugeHeader*> out;
  for (GaugeHeader* const* g = module_.linkage->gauges; *g != nullptr; ++g) {
    out.push_back(*g);
  }
  return out;
}

void TestHost::install(GaugeHeader* gauge, const char* parameters) {
  if (parameters != nullptr) {
    parameters_[gauge] = parameters;
    gauge->parameters = parameters_[gauge].c_str();
  }
  call(gauge, kServiceInstall);
}

void TestHost::update(GaugeHeader* gauge) { call(gauge, kServiceUpdate); }
void TestHost::draw(GaugeHeader* gauge) { call(gauge, kServiceDraw); }
void TestHost::kill(GaugeHeader* gauge) { call(gauge, kServiceKill); }

void TestHost::call(GaugeHeader* gauge, uint32_t service) {
  if (gauge->callback != nullptr) {
    const ModuleCodeScope module_code;
    gauge->callback(gauge, service, 0);
  }
}

void TestHost::evaluate(GaugeHeader* gauge) {
  for (Element* element : elements(gauge)) {
    evaluate_element(element);
  }
}

void TestHost::cycle(GaugeHeader* gauge) {
  update(gauge);
  evaluate(gauge);
  draw(gauge);
}

const MouseArea* TestHost::area_at(GaugeHeader* gauge, int x, int y, uint32_t flags) const {
  if (gauge->mouse_areas == nullptr) {
    return nullptr;
  }
  for (const MouseArea* area = gauge->mouse_areas; area->kind != kAreaEnd; ++area) {
    if (area->kind == kAreaChild && (area->event_flags & flags & kMouseButtons) != 0 && x >= area->x &&
        x < area->x + area->width && y >= area->y && y < area->y + area->height) {
      return area;
    }
  }
  return nullptr;
}

bool TestHost::click(GaugeHeader* gauge, int x, int y, uint32_t flags) {
  const MouseArea* area = area_at(gauge, x, y, flags);
  if (area == nullptr) {
    return false;
  }
  if (area->handler != nullptr) {
    const ModuleCodeScope module_code;
    area->handler((static_cast<uint32_t>(x) & 0xFFFF) | (static_cast<uint32_t>(y) << 16), flags);
  } else if (area->event_id != 0) {
    raise(area->event_id, 0);
  }
  return true;
}

void TestHost::set_var(uint32_t token, double value) { vars_[token] = value; }

void TestHost::set_text_var(uint32_t token, const char* text) { text_vars_[token] = text; }

double TestHost::var(uint32_t token) const {
  const auto it = vars_.find(token);
  return it != vars_.end() ? it->second : 0.0;
}

void TestHost::raise(uint32_t id, uint32_t value) {
  events_.push_back({id, value});
  if (on_event) {
    on_event(*this, events_.back());
  }
}

void TestHost::fill(VariableRecord* record) {
  ++reads_;
  const double value = var(record->token);
  std::memset(record->value, 0, sizeof record->value);
  if (const auto text = text_vars_.find(record->token); text != text_vars_.end()) {
    const auto address = reinterpret_cast<uintptr_t>(text->second);
    std::memcpy(record->value, &address, sizeof address);
    return;
  }
  if (is_integer_token(record->token)) {
    // Beyond the int32 range the low word keeps what a cast of the whole
    // number would: values arrive as bit patterns, not as arithmetic.
    const auto whole = static_cast<int64_t>(value >= -9.2e18 && value <= 9.2e18 ? value : 0.0);
    const auto low = static_cast<uint32_t>(static_cast<uint64_t>(whole));
    std::memcpy(record->value, &low, sizeof low);
  } else {
    std::memcpy(record->value, &value, sizeof value);
  }
}

uint32_t TestHost::list_call(int slot, Element* element, uint32_t argument) {
  list_calls_.push_back({slot, element, argument});
  return 0x1000U + static_cast<uint32_t>(slot);
}

std::vector<Element*> TestHost::elements(GaugeHeader* gauge) {
  std::vector<Element*> out;
  std::function<void(Element*)> walk = [&](Element* element) {
    out.push_back(element);
    if (element->children != nullptr) {
      for (Element** child = element->children; *child != nullptr; ++child) {
        walk(*child);
      }
    }
  };
  if (gauge->elements != nullptr) {
    for (Element** root = gauge->elements; *root != nullptr; ++root) {
      walk(*root);
    }
  }
  return out;
}

Element* TestHost::element(GaugeHeader* gauge, size_t index) const {
  const std::vector<Element*> all = elements(gauge);
  return index < all.size() ? all[index] : nullptr;
}

const ElementValues& TestHost::values(const Element* element) const {
  static const ElementValues kNone{};
  const auto it = values_.find(element);
  return it != values_.end() ? it->second : kNone;
}

std::string TestHost::text(const Element* element) const {
  const auto it = buffers_.find(element);
  if (it == buffers_.end()) {
    return {};
  }
  return std::string(it->second.bytes.data(), strnlen(it->second.bytes.data(), it->second.chars + 1));
}

char* TestHost::buffer_for(StringElement* element) {
  auto& buffer = buffers_[&element->header];
  if (buffer.bytes.empty()) {
    buffer.chars = element->char_count;
    buffer.bytes.assign(element->char_count + 1 + kGuard, kGuardByte);
    buffer.bytes[0] = '\0';
  }
  element->text = buffer.bytes.data();
  return element->text;
}

void TestHost::check_text(StringElement* element) {
  const TextBuffer& buffer = buffers_[&element->header];
  const size_t length = strnlen(buffer.bytes.data(), buffer.chars + 1);
  const std::string where = std::string(element->header.gauge != nullptr && element->header.gauge->name != nullptr
                                            ? element->header.gauge->name
                                            : "?") +
                            " string at (" + std::to_string(element->header.x) + "," +
                            std::to_string(element->header.y) + ")";
  if (length > buffer.chars) {
    violations_.push_back(where + ": text longer than " + std::to_string(buffer.chars) + " characters");
  }
  for (size_t i = buffer.chars + 1; i < buffer.bytes.size(); ++i) {
    if (buffer.bytes[i] != kGuardByte) {
      violations_.push_back(where + ": wrote past its buffer");
      break;
    }
  }
}

void TestHost::check_all_texts() {
  for (auto& [element, buffer] : buffers_) {
    check_text(reinterpret_cast<StringElement*>(const_cast<Element*>(element)));
  }
}

void TestHost::evaluate_element(Element* element) {
  ElementValues& v = values_[element];
  // Variables are filled and values stored by the host; only the callbacks
  // themselves count as module code.
  const auto run = [](auto callback, Element* e) {
    const ModuleCodeScope module_code;
    return callback(e);
  };
  // One value: its variable refreshed when it has one, then the callback's
  // answer, or the variable itself where there is no callback.
  const auto value_of = [&](VariableRecord& record, ElementCallback callback) {
    if (record.token != 0) {
      fill(&record);
    }
    return callback != nullptr ? run(callback, element) : record_value(record);
  };
  switch (element->kind) {
    case kKindNeedle: {
      auto* e = reinterpret_cast<NeedleElement*>(element);
      v.value[0] = value_of(e->variable, e->callback);
      break;
    }
    case kKindString: {
      auto* e = reinterpret_cast<StringElement*>(element);
      for (VariableRecord& record : e->variables) {
        if (record.token != 0) {
          fill(&record);
        }
      }
      buffer_for(e);
      if (e->callback != nullptr) {
        v.value[0] = run(e->callback, element);
        check_text(e);
      }
      break;
    }
    case kKindSlider: {
      auto* e = reinterpret_cast<SliderElement*>(element);
      v.value[0] = value_of(e->x_variable, e->x_callback);
      v.value[1] = value_of(e->y_variable, e->y_callback);
      break;
    }
    case kKindIcon: {
      auto* e = reinterpret_cast<IconElement*>(element);
      v.value[0] = value_of(e->variable, e->callback);
      break;
    }
    case kKindMoving: {
      auto* e = reinterpret_cast<MovingElement*>(element);
      v.value[0] = value_of(e->x_variable, e->x_callback);
      v.value[1] = value_of(e->y_variable, e->y_callback);
      break;
    }
    case kKindSprite: {
      auto* e = reinterpret_cast<SpriteElement*>(element);
      SpriteSlotRecord* slots[3] = {&e->slot0, &e->slot1, &e->slot2};
      for (int i = 0; i < 3; ++i) {
        v.value[i] = value_of(slots[i]->variable, e->callbacks[i]);
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace corvane::testhost
