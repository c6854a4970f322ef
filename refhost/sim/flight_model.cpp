// Just enough flight for a live panel to tell the truth: a plain first-order
// model, no aerodynamics. Every quantity moves toward a target with a time
// constant or at a fixed rate:
// - speed (indicated, knots) toward an equilibrium set by the engines' N1,
//   the flight path, spoilers, flaps and gear (time constant 25 s in the air,
//   20 s on the ground, where the brakes take 6 kt/s off at full pressure);
// - by hand, the stick commands rates as an Airbus sidestick does: elevator
//   (+1 nose up) 4 degrees of pitch a second, aileron (+1 right) 15 degrees
//   of bank a second, attitude held when the stick is let go; the flight path
//   is the pitch less a fixed 2.5 degree angle of attack;
// - with the autopilot engaged (airborne), the bank goes toward the one that
//   turns onto the selected heading (at most 25 degrees, time constant 2 s)
//   and the vertical speed toward the selected one, in the direction of the
//   selected altitude, easing in over the last few hundred feet (1500 ft/min
//   when none is selected); the pitch follows the flight path;
// - with autothrust armed (airborne), both thrust levers move at most 0.25 a
//   second toward the thrust whose equilibrium speed is the selected one,
//   leaning on the error, and the engines spool up as they do by hand;
// - the heading turns at the rate a coordinated turn at that bank and speed
//   gives; on the ground the aircraft rolls straight, rotates with the stick
//   back above 120 kt and lifts off at 7 degrees of pitch and 130 kt; it
//   lands where the altitude meets the ground elevation.
// Position, wind, weight and fuel are not modelled.
#include <algorithm>
#include <cmath>

#include "sim/simulator.h"

namespace corvane::refhost {

namespace {

constexpr double kFeetPerMetre = 3.2808;
constexpr double kPi = 3.14159265358979323846;
constexpr double kAlphaDegrees = 2.5;
constexpr double kFeetPerMinutePerKnot = 101.27;

double radians(double degrees) { return degrees * kPi / 180.0; }
double degrees(double radians) { return radians * 180.0 / kPi; }

double wrap180(double d) {
  d = std::fmod(d + 180.0, 360.0);
  return (d < 0 ? d + 360.0 : d) - 180.0;
}

// First-order step toward a target.
double toward(double value, double target, double seconds, double time_constant) {
  return value + (target - value) * std::min(1.0, seconds / time_constant);
}

// The speed the aircraft settles at with this thrust (0 idle .. 1 full) on
// this flight path, in knots.
double equilibrium_speed(double thrust, double path_degrees, double drag) {
  return 130.0 + 250.0 * thrust - 8.0 * path_degrees - drag;
}

}  // namespace

void Simulator::move_aircraft(double seconds) {
  const double n1 = (get(0x270) + get(0x283)) / 2.0;
  const double thrust = std::clamp((n1 - 19.5) / 80.5, 0.0, 1.0);
  const double elevator = std::clamp(get(0x30E), -1.0, 1.0);
  const double aileron = std::clamp(get(0x310), -1.0, 1.0);
  const double ground_feet = get(0x2) / 256.0 * kFeetPerMetre;
  const double drag = 60.0 * get(0x146) / 16384.0 + 40.0 * get(0x149) / 16384.0 + 10.0 * get(0x14C) / 16383.0;
  bool on_ground = get(0x3C) != 0.0;
  double speed = std::max(0.0, get(0x3D));
  double pitch = get(0x4E);
  double bank = get(0x50);
  double heading = get(0x51);
  double altitude = get(0x4A);
  double vs = get(0x41) / 256.0 * kFeetPerMetre * 60.0;  // feet per minute

  if (on_ground) {
    const double brakes = std::max({get(0x143), get(0x140), get(0x141)}) / 32767.0;
    const double rolling = n1 > 15.0 ? 8.0 + 190.0 * thrust : 0.0;
    speed = toward(speed, rolling, seconds, 20.0);
    speed = std::max(0.0, speed - 6.0 * std::clamp(brakes, 0.0, 1.0) * seconds);
    pitch = elevator > 0.05 && speed >= 120.0 ? std::min(12.0, pitch + 3.0 * elevator * seconds)
                                              : std::max(0.0, pitch - 3.0 * seconds);
    bank = toward(bank, 0.0, seconds, 1.0);
    vs = 0.0;
    altitude = ground_feet;
    if (pitch >= 7.0 && speed >= 130.0) {
      on_ground = false;
    }
  } else {
    const bool autopilot = get(0x67) != 0.0;
    if (autopilot) {
      const double selected = std::fabs(get(0x78)) > 0.0 ? std::fabs(get(0x78)) : 1500.0;
      const double target_vs = std::clamp((get(0x6D) - altitude) * 6.0, -selected, selected);
      vs = toward(vs, target_vs, seconds, 3.0);
      const double path =
          degrees(std::asin(std::clamp(vs / (std::max(speed, 60.0) * kFeetPerMinutePerKnot), -1.0, 1.0)));
      pitch = toward(pitch, path + kAlphaDegrees, seconds, 2.0);
      const double turn = wrap180(get(0x6B) - heading);
      bank = toward(bank, std::clamp(turn * 2.5, -25.0, 25.0), seconds, 2.0);
    } else {
      pitch = std::clamp(pitch + 4.0 * elevator * seconds, -15.0, 25.0);
      bank = std::clamp(bank + 15.0 * aileron * seconds, -67.0, 67.0);
      vs = std::max(speed, 60.0) * kFeetPerMinutePerKnot * std::sin(radians(pitch - kAlphaDegrees));
    }
    const double path = degrees(std::asin(std::clamp(vs / (std::max(speed, 60.0) * kFeetPerMinutePerKnot), -1.0, 1.0)));
    if (get(0x7B) != 0.0) {
      const double wanted = get(0x74) + (get(0x74) - speed);
      const double lever = std::clamp((wanted - 130.0 + 8.0 * path + drag) / 250.0, 0.0, 1.0);
      for (uint32_t token : {0x22EU, 0x238U}) {
        set(token, get(token) + std::clamp(lever - get(token), -0.25 * seconds, 0.25 * seconds));
      }
    }
    speed = std::max(0.0, toward(speed, equilibrium_speed(thrust, path, drag), seconds, 25.0));
    altitude += vs / 60.0 * seconds;
    if (altitude <= ground_feet) {
      altitude = ground_feet;
      vs = 0.0;
      on_ground = true;
    }
  }
  heading = std::fmod(
      heading + degrees(9.81 * std::tan(radians(bank)) / std::max(speed * 0.5144, 30.0)) * seconds + 360.0, 360.0);

  set(0x3C, on_ground ? 1.0 : 0.0);
  set(0x3D, speed);
  set(0x4E, pitch);
  set(0x50, bank);
  set(0x4F, bank < 0 ? bank + 360.0 : bank);
  set(0x51, heading);
  set(0x4A, altitude);
  set(0x49, altitude / kFeetPerMetre);
  set(0x266, (altitude - ground_feet) / kFeetPerMetre);
  set(0x41, vs / 60.0 / kFeetPerMetre * 256.0);
  // True airspeed grows about 2 % a thousand feet; no wind.
  const double true_speed = speed * (1.0 + 0.02 * altitude / 1000.0);
  set(0x340, true_speed * 0.5144);
  set(0x40, true_speed / 661.5 * 65536.0 / 3.2);
}

}  // namespace corvane::refhost
