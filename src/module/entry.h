// Entry points: every function whose address the host finds in the module's
// records runs under the module's own x87 settings and hands the host's back
// on return.
//
// The simulator is a Direct3D program, and Direct3D commonly leaves the FPU at
// 24-bit precision; other hosts use 64-bit extended precision. The gauges
// compare values exactly (flap detents such as 3276.8, band edges) and format
// them to the last digit, which only comes out the same at 53-bit precision
// and round-to-nearest. So the x87 is set to that on the way in, with every
// exception masked, and on the way out the host's control word is restored
// (and, for a host that unmasked an exception, the flags our arithmetic
// raised are cleared first, so that it does not trap on our work).
//
// Records take an `Entry<Fn>`, made only by `entry<function>`, never a bare
// function pointer: a callback cannot reach a record without its guard.
#pragma once

#include <cstdint>

#include "module/records.h"

namespace corvane {

// 53-bit precision, round to nearest, all exceptions masked.
inline constexpr uint16_t kModuleControlWord = 0x027F;

#if defined(__i386__) || (defined(__x86_64__) && !defined(__SSE2_MATH__))
#define CORVANE_X87_MATH 1
#else
#define CORVANE_X87_MATH 0
#endif

#if defined(__i386__) || defined(__x86_64__)
inline uint16_t x87_control_word() {
  uint16_t word = 0;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}
inline void set_x87_control_word(uint16_t word) { __asm__ volatile("fldcw %0" : : "m"(word) : "memory"); }

// On the way in: the host's word, ours loaded where it differs (a host at
// the Windows default costs one store).
inline uint16_t x87_enter() {
  const uint16_t host = x87_control_word();
  if (host != kModuleControlWord) {
    set_x87_control_word(kModuleControlWord);
  }
  return host;
}

// On the way out. A host that masks every exception cannot trap on the flags
// our arithmetic left, so they are cleared only for one that unmasked some.
inline void x87_leave(uint16_t host) {
  if ((host & 0x3F) != 0x3F) {
    __asm__ volatile("fnclex" : : : "memory");
  }
  if (host != kModuleControlWord) {
    set_x87_control_word(host);
  }
}
#endif

class X87Scope {
 public:
#if CORVANE_X87_MATH
  X87Scope() : host_(x87_enter()) {}
  ~X87Scope() { x87_leave(host_); }
#else
  // SSE arithmetic keeps its own precision whatever the x87 says.
  X87Scope() = default;
  ~X87Scope() = default;
#endif
  X87Scope(const X87Scope&) = delete;
  X87Scope& operator=(const X87Scope&) = delete;

 private:
#if CORVANE_X87_MATH
  uint16_t host_;
#endif
};

namespace entry_detail {
struct Maker;
}

// A function pointer fit for a record: its target sets up the x87 first. Only
// `entry<function>` makes one (not even brace elision can turn a bare
// function into it); an empty one stands for "no callback".
template <typename Fn>
class Entry {
 public:
  constexpr Entry() = default;
  constexpr Fn fn() const { return fn_; }

 private:
  friend struct entry_detail::Maker;
  constexpr explicit Entry(Fn target) : fn_(target) {}
  Fn fn_ = nullptr;
};

namespace entry_detail {

// The callee is reached through an opaque pointer, so that none of its
// arithmetic can be inlined and scheduled outside the scope.
template <typename Fn>
inline Fn opaque(Fn fn) {
  __asm__("" : "+r"(fn));
  return fn;
}

template <typename Fn, Fn F>
struct Guard;

template <ElementCallback F>
struct Guard<ElementCallback, F> {
  static double CORVANE_CALL call(Element* element) {
    [[maybe_unused]] const X87Scope scope;
    // Stored before the scope ends: the x87 hands results back in a register.
    volatile double result = opaque(F)(element);
    return result;
  }
};

template <MouseHandler F>
struct Guard<MouseHandler, F> {
  static uint32_t CORVANE_CALL call(uint32_t x, uint32_t y) {
    [[maybe_unused]] const X87Scope scope;
    return opaque(F)(x, y);
  }
};

template <GaugeCallback F>
struct Guard<GaugeCallback, F> {
  static void CORVANE_CALL call(GaugeHeader* gauge, uint32_t service, uint32_t extra) {
    [[maybe_unused]] const X87Scope scope;
    opaque(F)(gauge, service, extra);
  }
};

template <SharedRoutine0 F>
struct Guard<SharedRoutine0, F> {
  static uint32_t CORVANE_CALL call() {
    [[maybe_unused]] const X87Scope scope;
    return opaque(F)();
  }
};

template <SharedRoutine1 F>
struct Guard<SharedRoutine1, F> {
  static uint32_t CORVANE_CALL call(uint32_t argument) {
    [[maybe_unused]] const X87Scope scope;
    return opaque(F)(argument);
  }
};

template <ModuleRoutine F>
struct Guard<ModuleRoutine, F> {
  static void CORVANE_CALL call() {
    [[maybe_unused]] const X87Scope scope;
    opaque(F)();
  }
};

struct Maker {
  template <auto F>
  static constexpr Entry<decltype(F)> make() {
    return Entry<decltype(F)>(&Guard<decltype(F), F>::call);
  }
};

}  // namespace entry_detail

template <auto F>
inline constexpr Entry<decltype(F)> entry = entry_detail::Maker::make<F>();

// For record fields that may stay empty ("SD Bottom" has no gauge callback).
template <auto F>
inline constexpr GaugeCallback gauge_entry = entry<F>.fn();
template <>
inline constexpr GaugeCallback gauge_entry<nullptr> = nullptr;

}  // namespace corvane
