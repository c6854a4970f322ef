// The thrust levers' reverse scale, read from the gauge's parameter text.
#pragma once

namespace corvane {

extern double reverse_scale;

}  // namespace corvane
