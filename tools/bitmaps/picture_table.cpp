// The module's pictures by resource id. Consecutive ids of one icon are its
// states; "a" and "b" are the family's parameters (see pictures.h).
#include "pictures.h"

namespace corvane::art {
namespace {

using F = Family;

// clang-format off
const std::vector<Picture> kPictures = {
  // Baro
  {0x1000, 58, 67, 8, F::kPanel, 0, 0, "#win:3,4,52,18|BARO@29,26,7|hPa@9,34,5|INHG@50,34,5"},
  {0x1010, 31, 30, 8, F::kSelector, 300, 0, "hPa"},
  {0x1011, 31, 30, 8, F::kSelector, 60, 0, "inHg"},
  {0x1020, 25, 24, 8, F::kNeedle, 13, 12, "knob"},
  // Autopilot2
  {0x2000, 379, 99, 8, F::kPanel, 0, 1,
   "#win:8,11,42,16|#win:76,11,44,16|#win:228,11,62,16|#win:310,11,56,16|100@250,33,5|1000@274,33,5|PUSH@33,38,5|"
   "PULL@33,76,5|BC@33,86,5|PUSH TO LEVEL OFF@345,70,5|METRIC ALT@300,86,5"},
  {0x2100, 45, 5, 8, F::kLegend, 0, 0, "HDG"},
  {0x2101, 45, 5, 8, F::kLegend, 0, 0, "COURSE"},
  {0x2200, 43, 5, 8, F::kLegend, 0, 0, "SPD"},
  {0x2201, 43, 5, 8, F::kLegend, 0, 0, "MACH"},
  {0x2300, 4, 4, 8, F::kLight, 0, kAmber, ""},
  {0x2301, 4, 4, 8, F::kLight, 1, kAmber, ""},
  {0x2400, 26, 21, 8, F::kKey, 0, kGreen, "AP1"},
  {0x2401, 26, 21, 8, F::kKey, 1, kGreen, "AP1"},
  {0x2500, 26, 16, 8, F::kKey, 0, kGreen, "LOC"},
  {0x2501, 26, 16, 8, F::kKey, 1, kGreen, "LOC"},
  {0x2600, 26, 21, 8, F::kKey, 0, kGreen, "GPS"},
  {0x2601, 26, 21, 8, F::kKey, 1, kGreen, "GPS"},
  {0x2700, 26, 16, 8, F::kKey, 0, kGreen, "APPR"},
  {0x2701, 26, 16, 8, F::kKey, 1, kGreen, "APPR"},
  {0x2800, 26, 21, 8, F::kKey, 0, kGreen, "A/THR"},
  {0x2801, 26, 21, 8, F::kKey, 1, kGreen, "A/THR"},
  {0x2900, 26, 16, 8, F::kKey, 0, kGreen, "LVL"},
  {0x2901, 26, 16, 8, F::kKey, 1, kGreen, "LVL"},
  {0x2A00, 93, 5, 8, F::kLegend, 0, 0, "ALT - LVL/CH - V/S"},
  {0x2B00, 39, 11, 8, F::kLegend, 1, 0, "HDG V/S"},
  {0x2B01, 39, 11, 8, F::kLegend, 1, 0, "TRK FPA"},
  {0x2C00, 26, 26, 8, F::kKnob, 315, 1, ""},
  {0x2C01, 26, 26, 8, F::kKnob, 45, 1, ""},
  {0x2C10, 27, 27, 8, F::kKnob, 0, 0, ""},
  {0x2C11, 27, 27, 8, F::kKnob, 45, 0, ""},
  {0x2C12, 27, 27, 8, F::kKnob, 90, 0, ""},
  {0x2C13, 27, 27, 8, F::kKnob, 135, 0, ""},
  {0x2C14, 27, 27, 8, F::kKnob, 180, 0, ""},
  {0x2C15, 27, 27, 8, F::kKnob, 225, 0, ""},
  {0x2C16, 27, 27, 8, F::kKnob, 270, 0, ""},
  {0x2C17, 27, 27, 8, F::kKnob, 315, 0, ""},
  {0x2C20, 25, 25, 8, F::kKnob, 0, 0, ""},
  {0x2C21, 25, 25, 8, F::kKnob, 30, 0, ""},
  {0x2C30, 13, 13, 8, F::kKnob, 0, 2, ""},
  {0x2C31, 13, 13, 8, F::kKnob, 90, 2, ""},
  // FCU (EFIS control panel)
  {0x3000, 142, 98, 8, F::kPanel, 0, 1,
   "ROSE@40,38,5|ILS@22,45,5|VOR@40,45,5|NAV@58,45,5|ARC@60,61,5|PLAN@40,78,5|MODE@40,86,5|10@101,45,5|20@113,45,5|"
   "40@126,45,5|80@133,61,5|160@131,76,5|320@113,78,5|RANGE (NM)@113,86,5|#sw:21,94|#sw:114,94|ADF@12,94,5|"
   "VOR@30,94,5|ADF@101,94,5|VOR@127,94,5"},
  {0x3100, 22, 22, 8, F::kSelector, 270, 1, ""},
  {0x3200, 26, 16, 8, F::kKey, 0, kGreen, "CSTR"},
  {0x3201, 26, 16, 8, F::kKey, 1, kGreen, "CSTR"},
  {0x3300, 26, 16, 8, F::kKey, 0, kGreen, "WPT"},
  {0x3301, 26, 16, 8, F::kKey, 1, kGreen, "WPT"},
  {0x3400, 26, 16, 8, F::kKey, 0, kGreen, "VOR.D"},
  {0x3401, 26, 16, 8, F::kKey, 1, kGreen, "VOR.D"},
  {0x3500, 26, 16, 8, F::kKey, 0, kGreen, "NDB"},
  {0x3501, 26, 16, 8, F::kKey, 1, kGreen, "NDB"},
  {0x3600, 26, 16, 8, F::kKey, 0, kGreen, "ARPT"},
  {0x3601, 26, 16, 8, F::kKey, 1, kGreen, "ARPT"},
  // FD
  {0x4000, 58, 16, 8, F::kPanel, 0, 1, ""},
  {0x4100, 26, 16, 8, F::kKey, 0, kGreen, "FD"},
  {0x4101, 26, 16, 8, F::kKey, 1, kGreen, "FD"},
  {0x4200, 26, 16, 8, F::kKey, 0, kGreen, "LS"},
  {0x4201, 26, 16, 8, F::kKey, 1, kGreen, "LS"},
  // Standby airspeed and altimeter
  {0x5000, 69, 69, 8, F::kDialFace, 0, 0, "bezel"},
  {0x5010, 57, 57, 8, F::kDialFace, 1, 0, "asi"},
  {0x5200, 30, 11, 8, F::kNeedle, 3, 5, "white"},
  {0x5100, 36, 11, 8, F::kNeedle, 9, 5, "white"},
  {0x5300, 69, 69, 8, F::kDialFace, 0, 0, "bezel"},
  {0x5310, 57, 57, 8, F::kDialFace, 2, 0, "alt"},
  {0x5400, 10, 10, 8, F::kLegend, 2, 0, "MB"},
  {0x5401, 10, 10, 8, F::kLegend, 2, 0, "IN"},
  // Lights
  {0x4300, 15, 25, 8, F::kToggle, 0, 0, ""},
  {0x4301, 15, 25, 8, F::kToggle, 1, 0, ""},
  {0x4400, 356, 78, 8, F::kPanel, 0, 0,
   "EXT LT@85,6,7|STROBE@26,16,5|BEACON@59,16,5|WING@94,16,5|NAV&LOGO@128,16,5|ON@43,27,5|OFF@43,45,5|"
   "RWY TURN OFF@27,54,5|LAND@78,54,5|NOSE@128,54,5|#seam:180,2,180,76|INT LT@250,6,7|PANEL@219,16,5|DOME@285,16,5|"
   "ON@245,27,5|OFF@245,45,5|SEAT BELTS@219,54,5|NO SMOKING@285,54,5|SIGNS@250,70,7|#seam:310,2,310,76|APU@333,6,7|"
   "MASTER SW@333,18,5|#pb:325,24:FAULT/ON|START@333,46,5|#pb:325,52:/ON"},
  {0x4500, 23, 21, 8, F::kToggle, 2, 0, ""},
  {0x4501, 23, 21, 8, F::kToggle, 3, 0, ""},
  // Landing gear and autobrake
  {0x1050, 71, 79, 8, F::kPanel, 0, 0,
   "LDG GEAR@35,8,5|#win:11,22,14,13|#win:28,22,14,13|#win:45,22,14,13|AUTO/BRK@35,50,5|#win:8,58,14,14|"
   "#win:25,58,14,14|#win:46,58,14,14|LO@15,76,5|MED@32,76,5|MAX@53,76,5"},
  {0x1060, 10, 5, 8, F::kLight, 0, kGreen, ""},
  {0x1061, 10, 5, 8, F::kLight, 1, kGreen, ""},
  {0x1070, 12, 4, 8, F::kLight, 0, kRed, ""},
  {0x1071, 12, 4, 8, F::kLight, 1, kRed, ""},
  {0x1080, 12, 6, 8, F::kLight, 0, kBlue, "ON"},
  {0x1081, 12, 6, 8, F::kLight, 1, kBlue, "ON"},
  {0x1090, 12, 5, 8, F::kLight, 0, kGreen, "DECEL"},
  {0x1091, 12, 5, 8, F::kLight, 1, kGreen, "DECEL"},
  // Gear lever, parking brake, speed brake, flaps
  {0x3700, 55, 95, 8, F::kPanel, 0, 0, "UP@44,10,5|L/G@44,48,5|DOWN@44,88,5"},
  {0x3800, 13, 84, 8, F::kLever, 0, 0, "gear up"},
  {0x3801, 13, 84, 8, F::kLever, 1, 0, "gear down"},
  {0x1900, 63, 46, 8, F::kPanel, 0, 0, "PARK BRK@31,6,5|OFF@9,22,5|ON@54,22,5"},
  {0x1910, 35, 18, 8, F::kNeedle, 18, 9, "tee"},
  {0x3900, 89, 103, 8, F::kPanel, 0, 0,
   "SPEED BRAKE@44,5,5|#slot:44,12,5,86|RET@18,14,5|1/2@18,50,5|FULL@18,88,5|GND@75,16,5|SPLR@75,22,5|ARM@75,28,5"},
  {0x3A00, 29, 32, 8, F::kLever, 2, 0, ""},
  {0x4A00, 89, 103, 8, F::kPanel, 0, 0,
   "FLAPS@44,6,5|#slot:44,14,5,84|0@20,26,5|1@20,42,5|2@20,58,5|3@20,74,5|FULL@20,90,5|0@70,26,5|1@70,42,5|2@70,58,5|"
   "3@70,74,5|FULL@72,90,5"},
  {0x4B00, 30, 11, 8, F::kLever, 3, 0, ""},
  // Radio management panel
  {0x1A00, 222, 103, 8, F::kPanel, 0, 0,
   "#win:17,9,76,18|#win:129,9,76,18|ACTIVE@55,5,5|STBY/CRS@167,5,5|#key:97,9,28,20:|\xe2\x87\x84@111,17,7|"
   "STBY NAV@125,31,5|#key:102,34,22,16:VOR|#key:126,34,22,16:ILS|#key:102,52,22,16:ADF|#key:126,52,22,16:BFO|"
   "#knob:170,51,15,0|#knob:170,51,8,0|ON@212,82,5|OFF@212,97,5|RMP@20,96,7"},
  {0x1B00, 26, 16, 8, F::kKey, 0, kGreen, "NAV1"},
  {0x1B01, 26, 16, 8, F::kKey, 1, kGreen, "NAV1"},
  {0x1C00, 26, 16, 8, F::kKey, 0, kGreen, "NAV2"},
  {0x1C01, 26, 16, 8, F::kKey, 1, kGreen, "NAV2"},
  {0x1D00, 26, 16, 8, F::kKey, 0, kGreen, "ADF"},
  {0x1D01, 26, 16, 8, F::kKey, 1, kGreen, "ADF"},
  {0x1E00, 26, 16, 8, F::kKey, 0, kGreen, "COM1"},
  {0x1E01, 26, 16, 8, F::kKey, 1, kGreen, "COM1"},
  {0x1F00, 11, 21, 24, F::kToggle, 0, 1, ""},
  {0x1F01, 11, 21, 8, F::kToggle, 1, 1, ""},
  {0x1F10, 15, 15, 8, F::kLight, 0, kGreen, "SEL"},
  {0x1F11, 15, 15, 8, F::kLight, 1, kGreen, "SEL"},
  {0x1F20, 26, 16, 8, F::kKey, 0, kGreen, "COM2"},
  {0x1F21, 26, 16, 8, F::kKey, 1, kGreen, "COM2"},
  // Selector positions 45 degrees apart: 0x3100 to 0x3105 the EFIS knobs' six,
  // 0x3101 to 0x3103 the three of the transponder, rudder trim and engine mode
  {0x3101, 22, 22, 8, F::kSelector, 315, 0, ""},
  {0x3102, 22, 22, 8, F::kSelector, 0, 0, ""},
  {0x3103, 22, 22, 8, F::kSelector, 45, 0, ""},
  {0x3104, 22, 22, 8, F::kSelector, 90, 0, ""},
  {0x3105, 22, 22, 8, F::kSelector, 135, 0, ""},
  // Transponder
  {0x4F00, 222, 103, 8, F::kPanel, 0, 0,
   "#win:81,2,76,18|ATC@46,8,7|OFF@28,24,5|STBY@46,21,5|XPDR@64,24,5|ALT RPTG@46,58,5|#key:89,32,16,16:1|"
   "#key:111,32,16,16:2|#key:133,32,16,16:3|#key:89,52,16,16:4|#key:111,52,16,16:5|#key:133,52,16,16:6|"
   "#key:89,72,16,16:7|#key:111,72,16,16:0|#key:133,72,16,16:C|#key:175,43,21,21:|IDENT@185,68,5"},
  {0x4F10, 9, 9, 8, F::kLight, 0, kWhite, ""},
  {0x4F11, 9, 9, 8, F::kLight, 1, kWhite, ""},
  // Audio control panel
  {0x4F50, 26, 16, 8, F::kKey, 0, kGreen, "VOICE"},
  {0x4F51, 26, 16, 8, F::kKey, 1, kGreen, "VOICE"},
  {0x4F60, 26, 16, 8, F::kKey, 0, kAmber, "RESET"},
  {0x4F61, 26, 16, 8, F::kKey, 1, kAmber, "RESET"},
  {0x4F70, 19, 19, 8, F::kKnob, 0, 3, ""},
  {0x4F71, 19, 19, 8, F::kKnob, 0, 4, ""},
  {0x4F80, 19, 19, 8, F::kKnob, 0, 3, ""},
  {0x4F81, 19, 19, 8, F::kKnob, 0, 4, ""},
  {0x4F90, 19, 19, 8, F::kKnob, 0, 3, ""},
  {0x4F91, 19, 19, 8, F::kKnob, 0, 4, ""},
  {0x4FA0, 19, 19, 8, F::kKnob, 0, 3, ""},
  {0x4FA1, 19, 19, 8, F::kKnob, 0, 4, ""},
  {0x4FD0, 222, 103, 8, F::kPanel, 0, 0,
   "#key:9,6,22,16:VHF1|#key:34,6,22,16:VHF2|#key:59,6,22,16:HF1|#key:84,6,22,16:HF2|#key:109,6,22,16:CAB|"
   "#key:134,6,22,16:INT|#key:159,6,22,16:PA|COM1@27,76,5|COM2@57,76,5|NAV1@87,76,5|NAV2@117,76,5|ADF@147,76,5|"
   "MKRS@177,76,5|INT/RAD@200,40,5|#sw:200,52"},
  // Clock
  {0x2D00, 69, 69, 8, F::kDialFace, 0, 0, "bezel"},
  {0x2D10, 57, 57, 8, F::kDialFace, 3, 0, "clock"},
  {0x2E00, 26, 3, 8, F::kNeedle, 2, 1, "white"},
  // DDRMI
  {0x3B00, 99, 123, 8, F::kPanel, 0, 0, "DME-1@22,8,5|DME-2@77,8,5|VOR@8,118,5|ADF@26,118,5|VOR@73,118,5|ADF@91,118,5"},
  {0x3B05, 81, 90, 8, F::kScreen, 1, 0, ""},
  {0x3B10, 73, 73, 8, F::kDialFace, 5, 0, "lubber"},
  {0x3B20, 73, 73, 8, F::kDialFace, 4, 0, "compass"},
  {0x3C00, 61, 11, 8, F::kNeedle, 30, 5, "single"},
  {0x3D00, 61, 9, 8, F::kNeedle, 30, 4, "double"},
  {0x3E00, 20, 20, 8, F::kSelector, 315, 1, ""},
  {0x3E01, 20, 20, 8, F::kSelector, 45, 1, ""},
  {0x3F00, 20, 20, 8, F::kSelector, 315, 1, ""},
  {0x3F01, 20, 20, 8, F::kSelector, 45, 1, ""},
  // E/WD
  {0x5500, 215, 192, 8, F::kScreen, 2, 0, ""},
  {0x5510, 25, 5, 8, F::kNeedle, 0, 2, "throttle"},
  {0x5520, 25, 5, 8, F::kNeedle, 0, 2, "lever"},
  {0x5530, 22, 3, 8, F::kNeedle, 0, 1, "ecam"},
  {0x5540, 21, 11, 8, F::kLegend, 3, kAmber, "XX"},
  {0x5541, 21, 11, 8, F::kLegend, 3, kGreen, "AVAIL"},
  {0x5550, 75, 29, 8, F::kFlapIndicator, 0, 0, ""},
  {0x5551, 75, 29, 8, F::kFlapIndicator, 1, 0, "1"},
  {0x5552, 75, 29, 8, F::kFlapIndicator, 2, 0, "1+F"},
  {0x5553, 75, 29, 8, F::kFlapIndicator, 3, 0, "2"},
  {0x5554, 75, 29, 8, F::kFlapIndicator, 4, 0, "3"},
  {0x5555, 75, 29, 8, F::kFlapIndicator, 5, 0, "FULL"},
  {0x5560, 75, 29, 8, F::kFlapIndicator, 10, 0, ""},
  {0x5561, 75, 29, 8, F::kFlapIndicator, 11, 0, "1"},
  {0x5562, 75, 29, 8, F::kFlapIndicator, 12, 0, "1+F"},
  {0x5563, 75, 29, 8, F::kFlapIndicator, 13, 0, "2"},
  {0x5564, 75, 29, 8, F::kFlapIndicator, 14, 0, "3"},
  {0x5565, 75, 29, 8, F::kFlapIndicator, 15, 0, "FULL"},
  {0x5570, 41, 39, 8, F::kEwdDial, 0, 0, ""},
  {0x5571, 41, 39, 8, F::kEwdDial, 1, 0, ""},
  {0x5572, 41, 39, 8, F::kEwdDial, 2, 0, ""},
  {0x5573, 41, 39, 8, F::kEwdDial, 3, 0, ""},
  {0x5574, 41, 39, 8, F::kEwdDial, 4, 0, ""},
  // Warnings and rudder trim
  {0x4C00, 31, 65, 8, F::kPanel, 0, 1, ""},
  {0x4D00, 31, 29, 8, F::kKey, 0, kRed, "MASTER|WARN"},
  {0x4D01, 31, 29, 8, F::kKey, 1, kRed, "MASTER|WARN"},
  {0x4E00, 31, 29, 8, F::kKey, 0, kAmber, "MASTER|CAUT"},
  {0x4E01, 31, 29, 8, F::kKey, 1, kAmber, "MASTER|CAUT"},
  {0x2F10, 63, 57, 8, F::kPanel, 0, 0,
   "#win:3,3,57,14|RUD@52,24,5|TRIM@52,31,5|L@5,38,5|R@37,38,5|#key:45,37,15,14:|RESET@52,53,5"},
  // ECAM control panel
  {0x5B00, 222, 102, 8, F::kPanel, 0, 0,
   "INTEG LT@33,14,5|OFF@16,46,5|ON@44,46,5|#key:82,10,28,18:T.O^CONFIG|#key:162,10,30,18:EMER^CANC|"
   "#key:83,32,26,16:BLEED|#key:110,32,26,16:PRESS|#key:56,52,26,16:APU|#key:83,52,26,16:COND|#key:191,52,26,16:ALL|"
   "#key:56,72,26,16:CLR|#key:83,72,26,16:STS|#key:110,72,26,16:RCL|#key:137,72,26,16:CLR"},
  {0x5B10, 14, 15, 8, F::kKnob, 315, 5, ""},
  {0x5B11, 14, 15, 8, F::kKnob, 45, 5, ""},
  {0x5B30, 26, 16, 8, F::kKey, 0, kGreen, "F/CTL"},
  {0x5B31, 26, 16, 8, F::kKey, 1, kGreen, "F/CTL"},
  {0x5B40, 26, 16, 8, F::kKey, 0, kGreen, "ENG"},
  {0x5B41, 26, 16, 8, F::kKey, 1, kGreen, "ENG"},
  {0x5B50, 26, 16, 8, F::kKey, 0, kGreen, "ELEC"},
  {0x5B51, 26, 16, 8, F::kKey, 1, kGreen, "ELEC"},
  {0x5B60, 26, 16, 8, F::kKey, 0, kGreen, "FUEL"},
  {0x5B61, 26, 16, 8, F::kKey, 1, kGreen, "FUEL"},
  {0x5B70, 26, 16, 8, F::kKey, 0, kGreen, "HYD"},
  {0x5B71, 26, 16, 8, F::kKey, 1, kGreen, "HYD"},
  {0x5B80, 26, 16, 8, F::kKey, 0, kGreen, "DOOR"},
  {0x5B81, 26, 16, 8, F::kKey, 1, kGreen, "DOOR"},
  {0x5B90, 26, 16, 8, F::kKey, 0, kGreen, "WHEEL"},
  {0x5B91, 26, 16, 8, F::kKey, 1, kGreen, "WHEEL"},
  // Engine start panel
  {0x4F20, 158, 46, 8, F::kPanel, 0, 0,
   "MODE@79,6,5|NORM@79,14,5|IGN@100,14,5|CRANK@57,22,5|START@101,22,5|ENG 1@55,40,5|ENG 2@103,40,5"},
  {0x4F30, 32, 46, 8, F::kToggle, 4, 0, ""},
  {0x4F31, 32, 46, 8, F::kToggle, 5, 0, ""},
  {0x4F40, 32, 46, 8, F::kToggle, 4, 0, ""},
  {0x4F41, 32, 46, 8, F::kToggle, 5, 0, ""},
  // Standby attitude
  {0x3F10, 83, 83, 8, F::kDialFace, 6, 0, "attitude bezel"},
  {0x3F20, 256, 256, 8, F::kSphere, 1, 0, ""},
  {0x3F21, 83, 83, 8, F::kDialFace, 7, 0, "attitude mask"},
  // System display
  {0x6000, 198, 148, 8, F::kScreen, 0, 0, ""},
  {0x6020, 198, 148, 8, F::kScreen, 3, 0,
   "F/CTL@16,5|SPD BRK@99,36,5|PITCH TRIM@99,84|L AIL@42,38|R AIL@157,38|L ELEV@47,92|R ELEV@152,92|RUD@99,130"},
  {0x6030, 9, 7, 8, F::kSymbol, 1, kGreen, ""},
  {0x6040, 19, 11, 8, F::kNeedle, 2, 5, "rudder"},
  {0x6050, 66, 37, 8, F::kSymbol, 2, kGreen, "left"},
  {0x6051, 132, 25, 8, F::kTransparent, 0, 0, ""},
  {0x6060, 66, 37, 8, F::kSymbol, 2, kGreen, "right"},
  {0x6061, 132, 25, 8, F::kTransparent, 0, 0, ""},
  {0x6070, 22, 9, 8, F::kLegend, 4, kAmber, "DISCH"},
  {0x6090, 198, 148, 8, F::kScreen, 4, 0,
   "ELEC@16,5|BAT 1@22,22|BAT 2@172,22|LOAD@99,28,5|MAIN BUS@33,47|~V@52,58|~A@52,67|AVIONICS@96,47|~V@114,61|"
   "BAT BUS@161,47|~V@180,61|GEN 1@59,86|~V@77,99|GEN 2@132,86|~V@150,99"},
  {0x60A0, 198, 148, 8, F::kScreen, 5, 0,
   "ENG@12,5|OIL QT@68,16,5|OIL PSI@68,54,5|N2 %@68,109,5|VIB@167,10"},
  {0x60B0, 198, 78, 8, F::kScreen, 6, 0,
   "FUEL@16,5|FOB@88,9|~KG@124,22|LEFT@22,34|CTR@78,36|RIGHT@176,34"},
  {0x60C0, 198, 148, 8, F::kScreen, 7, 0, "DOOR/OXY@99,6|AVIONIC@150,50|CARGO@150,80|SLIDE@40,100|CABIN@99,40"},
  {0x60D0, 56, 7, 8, F::kLegend, 5, kGreen, "CABIN"},
  {0x60D1, 56, 7, 8, F::kLegend, 5, kAmber, "CABIN"},
  {0x60E0, 9, 9, 8, F::kSymbol, 3, kAmber, ""},
  {0x60E1, 9, 9, 8, F::kSymbol, 4, kGreen, ""},
  {0x60F0, 9, 9, 8, F::kSymbol, 3, kAmber, ""},
  {0x60F1, 9, 9, 8, F::kSymbol, 4, kGreen, ""},
  {0x6100, 33, 16, 8, F::kTransparent, 0, 0, ""},
  {0x6101, 33, 16, 8, F::kSymbol, 5, kRed, ""},
  {0x6102, 33, 16, 8, F::kSymbol, 5, kGreen, ""},
  {0x6110, 39, 13, 8, F::kSymbol, 6, kGreen, ""},
  {0x6111, 39, 13, 8, F::kSymbol, 7, kAmber, ""},
  {0x6112, 39, 13, 8, F::kSymbol, 8, kAmber, ""},
  {0x6120, 42, 28, 8, F::kSymbol, 6, kGreen, ""},
  {0x6121, 42, 28, 8, F::kSymbol, 7, kAmber, ""},
  {0x6122, 42, 28, 8, F::kSymbol, 8, kAmber, ""},
  {0x6130, 42, 28, 8, F::kSymbol, 6, kGreen, ""},
  {0x6131, 42, 28, 8, F::kSymbol, 7, kAmber, ""},
  {0x6132, 42, 28, 8, F::kSymbol, 8, kAmber, ""},
  {0x6140, 198, 148, 8, F::kScreen, 8, 0, "WHEEL@99,6|GS@150,20|KT@180,20|1@42,84|2@62,84|3@138,84|4@158,84|\xc2\xb0" "C@99,84|LG CTL@99,62"},
  {0x6150, 12, 5, 8, F::kLegend, 6, kGreen, "REL"},
  {0x6151, 12, 5, 8, F::kLegend, 6, kAmber, "REL"},
  {0x6160, 198, 148, 8, F::kScreen, 9, 0,
   "CRUISE@99,5|ENGINE@22,9|F.USED@64,26,5|~KG@64,33,5|OIL QT@57,57|VIB@155,12|AIR@16,84|LDG ELEV AUTO 500 FT@112,84|"
   "CKPT 22\xc2\xb0" "C  FWD 21\xc2\xb0" "C  AFT 22\xc2\xb0" "C@99,95|CAB V/S@100,107|~FT/MIN@160,115,5|CAB ALT@110,129|~FT@186,129,5"},
  {0x6170, 198, 148, 8, F::kScreen, 10, 0, "HYD@99,6|GREEN@99,20|BLUE@33,20|YELLOW@165,20|PSI@99,36"},
  {0x6180, 7, 100, 8, F::kSymbol, 9, kGreen, ""},
  {0x6181, 7, 45, 8, F::kTransparent, 0, 0, ""},
  {0x6190, 4, 7, 8, F::kSymbol, 10, kGreen, ""},
  {0x6191, 4, 7, 8, F::kSymbol, 10, kAmber, ""},
  {0x61A0, 27, 7, 8, F::kSymbol, 11, kGreen, ""},
  {0x61A1, 27, 7, 8, F::kSymbol, 11, kAmber, ""},
  // Thrust levers and trim wheels
  {0x6300, 196, 176, 8, F::kPanel, 3, 0,
   "#slot:73,10,5,150|#slot:119,10,5,150|#win:25,13,18,140|#win:153,13,18,140|TO GA@98,18,5|FLX MCT@98,36,5|"
   "CL@98,56,5|A/THR@98,80,5|0@98,106,5|REV@98,130,5|FULL@98,150,5|1@75,170,5|2@121,170,5|TRIM@34,160,5|"
   "TRIM@162,160,5"},
  {0x6310, 35, 25, 8, F::kLever, 4, 0, "1"},
  {0x6320, 35, 25, 8, F::kLever, 4, 0, "2"},
  {0x6330, 16, 800, 8, F::kTape, 4, 0, ""},
  {0x6331, 16, 138, 8, F::kTransparent, 0, 0, ""},
  {0x6340, 16, 800, 8, F::kTape, 4, 0, ""},
  {0x6341, 16, 138, 8, F::kTransparent, 0, 0, ""},
  {0x6350, 16, 2000, 8, F::kTape, 5, 0, ""},
  {0x6351, 18, 176, 8, F::kTransparent, 0, 0, ""},
  {0x6360, 16, 2000, 8, F::kTape, 5, 0, ""},
  {0x6361, 18, 176, 8, F::kTransparent, 0, 0, ""},
  {0x6400, 198, 30, 8, F::kScreen, 11, 0, "TAT@14,8|SAT@14,22|\xc2\xb0" "C@64,8|\xc2\xb0" "C@64,22|H@104,15|ZFW@140,8|GW@140,22"},
  // Overhead panels
  {0x4700, 365, 45, 8, F::kPanel, 0, 0,
   "ANTI ICE@58,6,7|WING@19,18,5|ENG 1@77,18,5|ENG 2@106,18,5|PROBE/WINDOW@142,11,5|HEAT@142,18,5|"
   "#seam:172,2,172,43|CABIN PRESS@270,6,7|MAN V/S@192,18,5|MODE SEL@243,18,5|LDG ELEV@290,18,5|#sel:290,33,8,0|"
   "DITCHING@340,18,5"},
  {0x4740, 16, 16, 8, F::kOverheadPb, 0, kBlue, "FAULT/ON"},
  {0x4741, 16, 16, 8, F::kOverheadPb, 1, kBlue, "FAULT/ON"},
  {0x4710, 409, 234, 8, F::kPanel, 0, 0,
   "ELEC@204,8,10|BAT 1@211,19,5|BAT 2@258,19,5|#win:160,25,30,15|#win:279,25,30,15|V@193,32,5|V@312,32,5|"
   "#line:211,42,211,62,258,62,258,42|DC BAT BUS@234,68,5|IDG 1@68,87,5|#pb:60,93:FAULT/OFF|#guard:60,93|"
   "GEN 1@118,87,5|APU GEN@240,87,5|#pb:232,93:FAULT/OFF|EXT PWR@300,87,5|#pb:292,93:AVAIL/ON|GEN 2@360,87,5|"
   "IDG 2@388,87,5|#pb:380,93:FAULT/OFF|#guard:380,93|#line:118,110,118,150,222,150|#line:238,150,360,150,360,110|"
   "BUS TIE@230,134,5|#pb:222,140:/OFF|AC BUS 1@150,158,5|AC BUS 2@310,158,5|#line:230,157,230,194|"
   "GALY & CAB@60,200,5|#pb:52,206:FAULT/OFF|COMMERCIAL@140,200,5|#pb:132,206:/OFF|AC ESS FEED@230,200,5|"
   "#pb:222,206:FAULT/ALTN"},
  {0x4720, 443, 175, 8, F::kPanel, 0, 0,
   "HYD@120,8,10|ENG 1 PUMP@40,30,5|#pb:32,36:FAULT/OFF|RAT MAN ON@120,30,5|#pb:112,36:/|#guard:112,36|"
   "ELEC PUMP@200,30,5|#pb:192,36:FAULT/OFF|PTU@120,66,5|#pb:112,72:FAULT/OFF|#line:40,53,40,92,200,92,200,53|"
   "#seam:2,106,441,106|FUEL@40,118,10|X FEED@258,118,5|#line:82,139,82,134,407,134,407,139|1@82,143,5|"
   "2@112,143,5|1@223,143,5|2@293,143,5|1@377,143,5|2@407,143,5|L TK PUMPS@97,151,5|CTR TK@250,151,5|"
   "R TK PUMPS@384,151,5|MODE SEL@250,166,5"},
  {0x4760, 16, 16, 8, F::kOverheadPb, 0, kBlue, "OPEN/ON"},
  {0x4761, 16, 16, 8, F::kOverheadPb, 1, kBlue, "OPEN/ON"},
  {0x4750, 16, 16, 8, F::kOverheadPb, 0, kWhite, "FAULT/OFF"},
  {0x4751, 16, 16, 8, F::kOverheadPb, 1, kWhite, "FAULT/OFF"},
  {0x4752, 16, 16, 8, F::kOverheadPb, 2, kWhite, "FAULT/OFF"},
  {0x4753, 16, 16, 8, F::kOverheadPb, 3, kWhite, "FAULT/OFF"},
  {0x4730, 516, 107, 8, F::kPanel, 0, 0,
   "FIRE@258,10,10|#handle:60,28,60,20:ENG 1|#handle:228,28,60,20:APU|#handle:396,28,60,20:ENG 2|PUSH@90,56,5|"
   "PUSH@258,56,5|PUSH@426,56,5|AGENT 1@60,70,5|#pb:52,76:SQUIB/DISCH|AGENT 2@120,70,5|#pb:112,76:SQUIB/DISCH|"
   "TEST@180,70,5|#pb:172,76:/|#seam:200,24,200,104|AGENT@258,70,5|#pb:250,76:SQUIB/DISCH|TEST@300,70,5|"
   "#pb:292,76:/|#seam:316,24,316,104|AGENT 1@396,70,5|#pb:388,76:SQUIB/DISCH|AGENT 2@456,70,5|"
   "#pb:448,76:SQUIB/DISCH|TEST@496,70,5|#pb:488,76:/"},
  {0x4770, 264, 299, 8, F::kPanel, 0, 0,
   "ADIRS@132,5,7|#win:29,12,74,17|#win:127,12,74,17|ON BAT@132,38,5|#pb:124,44:ON BAT/|IR 1@52,70,5|"
   "#pb:44,76:FAULT/OFF|IR 3@132,70,5|#pb:124,76:FAULT/OFF|IR 2@212,70,5|#pb:204,76:FAULT/OFF|ADR 1@52,110,5|"
   "#pb:44,116:FAULT/OFF|ADR 3@132,110,5|#pb:124,116:FAULT/OFF|ADR 2@212,110,5|#pb:204,116:FAULT/OFF|"
   "NAV@52,152,5|OFF@30,168,5|ATT@74,168,5|#sel:52,170,12,0|IR 1@52,190,5|NAV@132,152,5|OFF@110,168,5|"
   "ATT@154,168,5|#sel:132,170,12,0|IR 3@132,190,5|NAV@212,152,5|OFF@190,168,5|ATT@234,168,5|#sel:212,170,12,0|"
   "IR 2@212,190,5|DATA@60,230,5|#sel:60,250,10,315|SYS@132,230,5|#sel:132,250,10,0|HDG@204,230,5|"
   "#sel:204,250,10,45"},
  // PFD
  {0x10A0, 215, 200, 8, F::kScreen, 12, 0, ""},
  {0x10B0, 215, 200, 8, F::kScreen, 13, 0, ""},
  {0x10C0, 24, 4400, 8, F::kTape, 1, 0, ""},
  {0x10C1, 24, 112, 8, F::kTransparent, 0, 0, ""},
  {0x10D0, 9, 54, 8, F::kTape, 3, 0, ""},
  {0x10D1, 10, 21, 8, F::kTransparent, 0, 0, ""},
  {0x10E0, 22, 891, 8, F::kTape, 0, 0, ""},
  {0x10E1, 28, 112, 8, F::kTransparent, 0, 0, ""},
  {0x10F0, 817, 22, 8, F::kTape, 2, 0, ""},
  {0x10F1, 97, 22, 8, F::kTransparent, 0, 0, ""},
  {0x1100, 195, 450, 8, F::kSphere, 0, 0, ""},
  {0x1101, 95, 111, 8, F::kTransparent, 0, 0, ""},
  {0x1110, 24, 224, 8, F::kSymbol, 20, kCyan, ""},
  {0x1111, 24, 112, 8, F::kTransparent, 0, 0, ""},
  {0x1120, 28, 224, 8, F::kSymbol, 21, kCyan, ""},
  {0x1121, 28, 112, 8, F::kTransparent, 0, 0, ""},
  {0x1130, 194, 22, 8, F::kSymbol, 22, kGreen, ""},
  {0x1131, 97, 22, 8, F::kTransparent, 0, 0, ""},
  {0x1140, 28, 224, 8, F::kSymbol, 23, kAmber, ""},
  {0x1141, 28, 112, 8, F::kTransparent, 0, 0, ""},
  {0x1150, 28, 224, 8, F::kSymbol, 24, kAmber, ""},
  {0x1151, 28, 112, 8, F::kTransparent, 0, 0, ""},
  {0x1160, 15, 111, 8, F::kNeedle, 6, 55, "bank"},
  {0x1170, 58, 1, 8, F::kNeedle, 0, 0, "vs"},
  {0x1180, 16, 74, 8, F::kSymbol, 25, kWhite, ""},
  {0x1190, 13, 116, 8, F::kSymbol, 26, kWhite, ""},
  {0x11A0, 23, 13, 8, F::kLegend, 7, kCyan, "STD"},
  {0x11B0, 24, 224, 8, F::kSymbol, 27, kAmber, ""},
  {0x11B1, 24, 112, 8, F::kTransparent, 0, 0, ""},
  {0x11C0, 22, 110, 8, F::kSymbol, 28, kYellow, ""},
  {0x11C1, 22, 55, 8, F::kTransparent, 0, 0, ""},
  {0x11D0, 22, 112, 8, F::kSymbol, 29, kYellow, ""},
  {0x11D1, 22, 56, 8, F::kTransparent, 0, 0, ""},
  {0x11F0, 194, 22, 8, F::kSymbol, 30, kYellow, ""},
  {0x11F1, 97, 22, 8, F::kTransparent, 0, 0, ""},
  {0x1200, 194, 11, 8, F::kSymbol, 31, kCyan, ""},
  {0x1201, 97, 22, 8, F::kTransparent, 0, 0, ""},
  {0x1210, 109, 4, 8, F::kSymbol, 32, kYellow, ""},
  {0x1220, 28, 224, 8, F::kSymbol, 33, kAmber, ""},
  {0x1221, 28, 112, 8, F::kTransparent, 0, 0, ""},
  {0x1230, 24, 224, 8, F::kSymbol, 34, kCyan, ""},
  {0x1231, 24, 112, 8, F::kTransparent, 0, 0, ""},
  {0x1240, 28, 224, 8, F::kSymbol, 35, kCyan, ""},
  {0x1241, 28, 112, 8, F::kTransparent, 0, 0, ""},
  {0x1250, 194, 11, 8, F::kSymbol, 36, kCyan, ""},
  {0x1251, 97, 22, 8, F::kTransparent, 0, 0, ""},
  {0x1260, 61, 57, 8, F::kSymbol, 37, kGreen, ""},
  {0x1270, 1, 57, 8, F::kSymbol, 38, kGreen, ""},
  {0x1280, 61, 1, 8, F::kSymbol, 38, kGreen, ""},
  {0x1290, 1, 57, 8, F::kSymbol, 38, kGreen, ""},
  {0x12A0, 61, 1, 8, F::kSymbol, 38, kGreen, ""},
  {0x12B0, 61, 1, 8, F::kSymbol, 38, kGreen, ""},
  {0x12C0, 49, 30, 8, F::kSymbol, 39, kWhite, ""},
  {0x12D0, 140, 140, 24, F::kSymbol, 40, kGreen, ""},
  {0x12E0, 28, 224, 8, F::kSymbol, 41, kRed, ""},
  {0x12E1, 28, 112, 8, F::kTransparent, 0, 0, ""},
};
// clang-format on

}  // namespace

const std::vector<Picture>& pictures() { return kPictures; }

}  // namespace corvane::art
