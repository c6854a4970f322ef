// The lights panel posts "LDG LIGHTS ON" while the landing lights are on and
// remembers that it did, so that both LAND icons post and remove it once.
#pragma once

namespace corvane {

extern int landing_light_memo_posted;

}  // namespace corvane
