#include "cockpit/keys.h"

#include <algorithm>
#include <cmath>

namespace corvane::cockpit {

namespace {

// Key events of the simulator's table.
constexpr uint32_t kGearToggle = 0x10022;
constexpr uint32_t kApMaster = 0x1002C;
constexpr uint32_t kFlapsUp = 0x1003B;
constexpr uint32_t kThrottleIncr = 0x10047;
constexpr uint32_t kCenterAileron = 0x10096;
constexpr uint32_t kParkingBrakes = 0x100D8;
constexpr uint32_t kFlapsIncr = 0x100DE;
constexpr uint32_t kFlapsDecr = 0x100DF;
constexpr uint32_t kSpoilersSet = 0x100FA;
constexpr uint32_t kAutoThrottleArm = 0x10144;
constexpr uint32_t kSpoilersArmOn = 0x10212;
constexpr uint32_t kSpoilersArmOff = 0x10213;

// Variables a key moves where the simulator has no key event for it.
constexpr uint32_t kThrustLever1 = 0x22E;
constexpr uint32_t kThrustLever2 = 0x238;
constexpr uint32_t kFlapHandle = 0x148;
constexpr uint32_t kBrakeLeft = 0x140;
constexpr uint32_t kBrakeRight = 0x141;
constexpr uint32_t kElevator = 0x30E;
constexpr uint32_t kAileron = 0x310;

const std::vector<KeyHelp> kHelp = {
    {"G", "gear lever up / down"},
    {"F5  F6  F7  F8", "flaps up, retract one, extend one, full"},
    {"/    Shift+/", "speed brakes out or in; ground spoilers armed or not"},
    {". (held)   Ctrl+.", "brakes; parking brake"},
    {"Ctrl+F1  F2  F3  F4", "thrust levers idle, decrease, increase, full"},
    {"Z", "autopilot on / off"},
    {"Shift+R   Ctrl+Shift+R", "autothrust arm; autothrust disconnect"},
    {"Arrows (held), keypad 8 2 4 6", "nose down, nose up, roll left, roll right; keypad 5 centres"},
    {"Shift+1 .. Shift+4", "main panel, overhead, pedestal, radios (or the menu bar)"},
    {"Wheel   =  -   Backspace", "zoom at the pointer; in, out, back to 1:1"},
    {"Middle button drag", "move the view; a pop-up's title bar moves the pop-up"},
    {"N   P   F1   Ctrl+Q", "night, pause, this help, quit"},
    {"Mouse", "left click or hold on a click area; right click where an area takes it"},
};

refhost::Step send(uint32_t id, uint32_t value, const char* note) {
  refhost::Step step;
  step.note = note;
  step.sends.emplace_back(id, value);
  return step;
}

refhost::Step set(std::vector<std::pair<uint32_t, double>> sets, const char* note) {
  refhost::Step step;
  step.note = note;
  step.sets = std::move(sets);
  return step;
}

// The pilot's throttle as FSUIPC serves it (the axis the thrust levers stand
// at while autothrust is armed): -16193 idle .. 16192 full.
double throttle_axis(double lever) { return std::round(lever * 32385.0) - 16193.0; }

refhost::Step levers(refhost::Panel& panel, double delta, std::optional<double> to, const char* note) {
  auto lever = [&](uint32_t token) { return std::clamp(to ? *to : panel.host().var(token) + delta, 0.0, 1.0); };
  refhost::Step step = set({{kThrustLever1, lever(kThrustLever1)}, {kThrustLever2, lever(kThrustLever2)}}, note);
  const double axis = (panel.sim().fsuipc.throttle_axis + 16193.0) / 32385.0;
  step.fsuipc.emplace_back("throttle_axis", throttle_axis(std::clamp(to ? *to : axis + delta, 0.0, 1.0)));
  return step;
}

// The stick's roll also moves FSUIPC's roll axis, which the bank angle
// protection takes for the pilot's hand on the stick.
refhost::Step roll(double aileron, const char* note) {
  refhost::Step step = set({{kAileron, aileron}}, note);
  step.fsuipc.emplace_back("roll_axis", aileron * 16383.0);
  return step;
}

}  // namespace

const std::vector<KeyHelp>& key_help() { return kHelp; }

std::optional<refhost::Step> flight_key(const SDL_Keysym& key, bool down, bool repeat, refhost::Panel& panel) {
  const bool ctrl = (key.mod & KMOD_CTRL) != 0;
  const bool shift = (key.mod & KMOD_SHIFT) != 0;
  const bool press = down && !repeat;
  const double stick = down ? 1.0 : 0.0;
  switch (key.sym) {
    case SDLK_g:
      if (press && !ctrl && !shift) {
        return send(kGearToggle, 0, "key G: gear lever");
      }
      break;
    case SDLK_F5:
      if (press) {
        return send(kFlapsUp, 0, "key F5: flaps up");
      }
      break;
    case SDLK_F6:
      if (down) {
        return send(kFlapsDecr, 0, "key F6: flaps retract one");
      }
      break;
    case SDLK_F7:
      if (down) {
        return send(kFlapsIncr, 0, "key F7: flaps extend one");
      }
      break;
    case SDLK_F8:
      if (press) {
        return set({{kFlapHandle, 16384}}, "key F8: flaps full");
      }
      break;
    case SDLK_SLASH:
      if (press && shift) {
        const bool armed = panel.host().var(0x144) != 0.0;
        return send(armed ? kSpoilersArmOff : kSpoilersArmOn, 0, "key Shift+/: ground spoilers");
      }
      if (press) {
        const bool out = panel.host().var(0x145) >= 8192.0;
        return send(kSpoilersSet, out ? 0 : 16383, "key /: speed brakes");
      }
      break;
    case SDLK_PERIOD:
      if (press && ctrl) {
        return send(kParkingBrakes, 0, "key Ctrl+.: parking brake");
      }
      if (!ctrl && !repeat) {
        return set({{kBrakeLeft, down ? 32767 : 0}, {kBrakeRight, down ? 32767 : 0}}, "key .: brakes");
      }
      break;
    case SDLK_F1:
      if (press && ctrl) {
        return levers(panel, 0, 0.0, "key Ctrl+F1: thrust idle");
      }
      break;
    case SDLK_F2:
      if (down) {
        return levers(panel, -0.05, std::nullopt, "key F2: thrust decrease");
      }
      break;
    case SDLK_F3:
      if (down) {
        refhost::Step step = levers(panel, 0.05, std::nullopt, "key F3: thrust increase");
        step.sets.clear();  // the simulator's own event moves the levers
        step.sends.emplace_back(kThrottleIncr, 0);
        return step;
      }
      break;
    case SDLK_F4:
      if (press) {
        return levers(panel, 0, 1.0, "key F4: thrust full");
      }
      break;
    case SDLK_z:
      if (press && !ctrl && !shift) {
        return send(kApMaster, 0, "key Z: autopilot");
      }
      break;
    case SDLK_r:
      if (press && shift && ctrl) {
        if (panel.host().var(0x7B) != 0.0) {
          return send(kAutoThrottleArm, 0, "key Ctrl+Shift+R: autothrust disconnect");
        }
      } else if (press && shift) {
        return send(kAutoThrottleArm, 0, "key Shift+R: autothrust arm");
      }
      break;
    case SDLK_UP:
    case SDLK_KP_8:
      if (!repeat) {
        return set({{kElevator, -stick}}, "key Up: nose down");
      }
      break;
    case SDLK_DOWN:
    case SDLK_KP_2:
      if (!repeat) {
        return set({{kElevator, stick}}, "key Down: nose up");
      }
      break;
    case SDLK_LEFT:
    case SDLK_KP_4:
      if (!repeat) {
        return roll(-stick, "key Left: roll left");
      }
      break;
    case SDLK_RIGHT:
    case SDLK_KP_6:
      if (!repeat) {
        return roll(stick, "key Right: roll right");
      }
      break;
    case SDLK_KP_5:
      if (press) {
        refhost::Step step = roll(0.0, "key keypad 5: controls centred");
        step.sets.emplace_back(kElevator, 0.0);
        step.sends.emplace_back(kCenterAileron, 0);
        return step;
      }
      break;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace corvane::cockpit
