#include "module/elements.h"

#include <cstdarg>

#include "module/text_format.h"
#include "shared/cockpit_state.h"

namespace corvane {

const FailureEntry kFailures14[] = {{0x14, 3}, {0, 0}};
const FailureEntry kFailures14_15[] = {{0x14, 3}, {0x15, 3}, {0, 0}};

void apply_panel_lighting(Element* element) {
  if (element == nullptr) {
    return;
  }
  const bool bright = (element->image_flags & kFlagBright) != 0;
  if (panel_lights_on != 0 && !bright) {
    element->image_flags &= ~kFlagOnScreen;
    element->image_flags |= kFlagBright;
  } else if (panel_lights_on == 0 && bright) {
    element->image_flags &= ~kFlagOnScreen;
    element->image_flags &= ~kFlagBright;
  }
}

void apply_panel_lighting(GaugeHeader* gauge) {
  if (gauge != nullptr && gauge->elements != nullptr) {
    apply_panel_lighting(gauge->elements[0]);
  }
}

void set_hidden(Element* element, bool hidden) {
  if (hidden) {
    element->image_flags |= kFlagHidden;
  } else {
    element->image_flags &= ~kFlagHidden;
  }
}

bool is_hidden(const Element* element) { return (element->image_flags & kFlagHidden) != 0; }

void write_text(Element* element, const char* format, ...) {
  StringElement* s = as_string(element);
  if (s->text == nullptr) {
    return;
  }
  va_list args;
  va_start(args, format);
  format_text_v(s->text, static_cast<size_t>(s->char_count) + 1, format, args);
  va_end(args);
}

void set_text_colour(Element* element, uint32_t colour) { as_string(element)->text_colour = colour; }

}  // namespace corvane
