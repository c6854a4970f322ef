#include "module/elements.h"

#include <cstdarg>

#include "module/text_format.h"

namespace corvane {

const FailureEntry kFailures14[] = {{0x14, 3}, {0, 0}};
const FailureEntry kFailures14_15[] = {{0x14, 3}, {0x15, 3}, {0, 0}};

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
