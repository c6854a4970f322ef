// The generated pictures and sounds, the BMP files, panel.cfg reading and
// the shipped A320 panel drawn through the reference host.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>

#include "bmp_writer.h"
#include "module_fixture.h"
#include "pe_image.h"
#include "pictures.h"
#include "render.h"

namespace corvane::render {
namespace {

std::vector<uint8_t> read_bytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

uint32_t argb(cairo_surface_t* s, int x, int y) {
  cairo_surface_flush(s);
  return *reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s) +
                                            x * 4);
}

TEST(Bmp, PalettisedFilesKeepColoursAndOnlyPureBlackIsTransparent) {
  // Four pixels: pure black, near-black, ECAM amber, a mid grey; one padded row.
  const uint32_t pixels[] = {0x000000, 0x080808, 0xFF8732, 0x7F7F7F, 0x050505, 0x0000FF};
  const std::string plain = ::testing::TempDir() + "/plain.bmp";
  const std::string dark = ::testing::TempDir() + "/dark.bmp";
  ASSERT_TRUE(art::write_bmp8(plain, 3, 2, pixels, 3, false));
  ASSERT_TRUE(art::write_bmp8(dark, 3, 2, pixels, 3, true));
  const std::vector<uint8_t> bytes = read_bytes(plain);
  ASSERT_EQ(bytes.size(), 14u + 40 + 1024 + 2 * 4);
  art::BmpInfo info;
  ASSERT_TRUE(art::parse_dib_header(bytes.data() + 14, bytes.size() - 14, info));
  EXPECT_EQ(info.width, 3);
  EXPECT_EQ(info.height, 2);
  EXPECT_EQ(info.bits, 8);

  BitmapStore store;
  ASSERT_TRUE(store.load_file(1, plain));
  ASSERT_TRUE(store.load_file(2, dark));
  cairo_surface_t* p = store.find(1);
  EXPECT_EQ(argb(p, 0, 0), 0u);           // transparent
  EXPECT_EQ(argb(p, 1, 0) >> 24, 0xFFu);  // near-black stays opaque
  EXPECT_EQ(argb(p, 2, 0), 0xFFFF8732u);  // amber exactly
  EXPECT_EQ(argb(p, 0, 1) >> 24, 0xFFu);
  EXPECT_EQ(argb(p, 1, 1) >> 24, 0xFFu);     // a faint grey is opaque in a panel
  EXPECT_EQ(argb(store.find(2), 1, 1), 0u);  // and transparent around a needle
  EXPECT_EQ(argb(store.find(2), 0, 1) >> 24, 0xFFu);
  EXPECT_EQ(argb(store.find(2), 2, 0), 0xFFFF8732u);

  const std::string deep = ::testing::TempDir() + "/deep.bmp";
  ASSERT_TRUE(art::write_bmp24(deep, 3, 2, pixels, 3));
  ASSERT_TRUE(store.load_file(3, deep));
  EXPECT_EQ(argb(store.find(3), 0, 0), 0u);
  EXPECT_EQ(argb(store.find(3), 1, 1), 0xFF050505u);
  EXPECT_EQ(argb(store.find(3), 2, 1), 0xFF0000FFu);
  EXPECT_FALSE(store.load_file(4, ::testing::TempDir() + "/missing.bmp"));
}

TEST(Pictures, EveryIdIsGeneratedAtItsSizeAndDepthAndIconStatesAreConsecutive) {
  const auto& table = art::pictures();
  std::set<uint32_t> ids;
  for (const art::Picture& p : table) {
    EXPECT_TRUE(ids.insert(p.id).second) << std::hex << p.id << " twice";
  }
  EXPECT_EQ(table.size(), 314u);
  // Two 24-bit pictures, the rest palettised.
  std::set<uint32_t> deep;
  for (const art::Picture& p : table) {
    if (p.bits == 24) {
      deep.insert(p.id);
    }
  }
  EXPECT_EQ(deep, (std::set<uint32_t>{0x12D0, 0x1F00}));

  BitmapStore store;
  EXPECT_EQ(store.load_folder(CORVANE_BITMAP_DIR), static_cast<int>(table.size()));
  for (const art::Picture& p : table) {
    char name[16];
    std::snprintf(name, sizeof name, "/%04X.bmp", p.id);
    const std::vector<uint8_t> bytes = read_bytes(std::string(CORVANE_BITMAP_DIR) + name);
    art::BmpInfo info;
    ASSERT_TRUE(bytes.size() > 54 && art::parse_dib_header(bytes.data() + 14, bytes.size() - 14, info)) << name;
    EXPECT_EQ(info.width, p.width) << name;
    EXPECT_EQ(info.height, p.height) << name;
    EXPECT_EQ(info.bits, p.bits) << name;
    cairo_surface_t* s = store.find(p.id);
    ASSERT_NE(s, nullptr) << name;
    if (art::uses_transparency(p)) {
      continue;
    }
    // Opaque pictures never use the transparent colour: black is near-black.
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        ASSERT_EQ(argb(s, x, y) >> 24, 0xFFu) << name << " at " << x << "," << y;
      }
    }
  }
  // The states of the icons used in the gauges follow one another.
  for (uint32_t first : {0x2C10u, 0x5550u, 0x5560u, 0x5570u, 0x3101u, 0x4750u, 0x6110u, 0x6100u}) {
    const int states = first == 0x2C10                      ? 8
                       : first == 0x5570 || first == 0x3101 ? 5
                       : first == 0x4750                    ? 4
                       : first == 0x6110 || first == 0x6100 ? 3
                                                            : 6;
    for (int i = 0; i < states; ++i) {
      EXPECT_NE(store.find(first + static_cast<uint32_t>(i)), nullptr) << std::hex << first << "+" << i;
    }
  }
}

TEST(Pictures, KnobAndButtonStatesDiffer) {
  // Each state of a multi-state picture must look different, or an icon
  // could not show its state.
  BitmapStore store;
  store.load_folder(CORVANE_BITMAP_DIR);
  auto same = [&](uint32_t a, uint32_t b) {
    cairo_surface_t* sa = store.find(a);
    cairo_surface_t* sb = store.find(b);
    const int w = cairo_image_surface_get_width(sa), h = cairo_image_surface_get_height(sa);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (argb(sa, x, y) != argb(sb, x, y)) {
          return false;
        }
      }
    }
    return true;
  };
  for (uint32_t id = 0x2C10; id < 0x2C17; ++id) {
    EXPECT_FALSE(same(id, id + 1)) << std::hex << id;
  }
  for (uint32_t id : {0x2400u, 0x5B40u, 0x4740u, 0x4750u, 0x4751u, 0x4752u, 0x4D00u, 0x1060u, 0x4300u, 0x3800u, 0x3101u,
                      0x3102u, 0x1F00u, 0x5540u, 0x60E0u}) {
    EXPECT_FALSE(same(id, id + 1)) << std::hex << id;
  }
}

TEST(SoundFiles, SevenShortSixteenBitPcmFilesThatAreNotSilent) {
  for (const char* name :
       {"Brisvalen_CLICK.wav", "Button_Press.wav", "Brisvalen_set_flap.wav", "Brisvalen_Cavalry_Charge.wav",
        "Brisvalen_Clicker.wav", "Brisvalen_SIGN.wav", "Brisvalen_CHIME.wav"}) {
    const std::vector<uint8_t> b = read_bytes(std::string(CORVANE_SOUND_DIR) + "/" + name);
    ASSERT_GT(b.size(), 44u) << name;
    auto u16 = [&](size_t at) { return b[at] | (b[at + 1] << 8); };
    auto u32 = [&](size_t at) { return u16(at) | (static_cast<uint32_t>(u16(at + 2)) << 16); };
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF") << name;
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << name;
    EXPECT_EQ(u16(20), 1u) << name;  // PCM
    EXPECT_EQ(u16(34), 16u) << name;
    EXPECT_EQ(u32(4), b.size() - 8) << name;
    const uint32_t data = u32(40);
    ASSERT_EQ(data, b.size() - 44) << name;
    const double seconds = data / 2.0 / u32(24);
    EXPECT_GT(seconds, 0.05) << name;
    EXPECT_LT(seconds, 2.0) << name;
    int peak = 0;
    for (size_t i = 44; i + 1 < b.size(); i += 2) {
      peak = std::max(peak, std::abs(static_cast<int16_t>(u16(i))));
    }
    EXPECT_GT(peak, 4000) << name;
  }
}

TEST(PeImage, RejectsWhatIsNotA32BitDll) {
  pe::Image image;
  std::string error;
  EXPECT_FALSE(pe::read_image(std::vector<uint8_t>(64, 0), image, error));
  EXPECT_EQ(error, "not a PE file");
  std::vector<uint8_t> cut = {'M', 'Z'};
  cut.resize(0x40, 0);
  cut[0x3C] = 0x40;
  cut.insert(cut.end(), {'P', 'E', 0, 0, 0x64, 0x86});  // an x86-64 machine, then nothing
  EXPECT_FALSE(pe::read_image(cut, image, error));
}

TEST(PanelConfig, ReadsWindowsTitlesGaugesAndParameters) {
  const char* text =
      "// A320\n"
      "[Window Titles]\n"
      "Window00=Main Panel\n"
      "window01=Overhead\n"
      "\n"
      "[VIEWS]\n"
      "VIEW_FORWARD_WINDOWS=MAIN_PANEL\n"
      "[Window00]\n"
      "size_mm=1024, 768\n"
      "gauge00=Corvane!PFD, 10, 20, 300, 279\n"
      "gauge01=Corvane!E/WD,  320,20,300   // upper ECAM\n"
      "gauge02=Corvane!Warnings, 5, 5, 31, 65, 0.85\n"
      "gauge03=Other!Thing, 1, 2\n"
      "[Window01]\n"
      "gauge00=Corvane!SD Bottom, 0, 0\n"
      "gauge01=Corvane!E/WD, 0, 40, 200, , 0-10-15-20-40\n";
  PanelConfig config;
  std::string error;
  ASSERT_TRUE(parse_panel_config(text, config, error)) << error;
  ASSERT_EQ(config.windows.size(), 2u);
  const PanelWindow& main = config.windows[0];
  EXPECT_EQ(main.title, "Main Panel");
  EXPECT_EQ(main.width, 1024);
  EXPECT_EQ(main.height, 768);
  ASSERT_EQ(main.gauges.size(), 4u);
  EXPECT_EQ(main.gauges[0].name, "PFD");
  EXPECT_EQ(main.gauges[0].height, 279);
  EXPECT_EQ(main.gauges[1].name, "E/WD");
  EXPECT_EQ(main.gauges[1].x, 320);
  EXPECT_EQ(main.gauges[1].width, 300);
  EXPECT_EQ(main.gauges[1].height, 0);
  EXPECT_EQ(main.gauges[2].parameters, "0.85");
  EXPECT_EQ(main.gauges[3].module, "Other");
  const PanelWindow& overhead = config.windows[1];
  EXPECT_EQ(overhead.title, "Overhead");
  EXPECT_EQ(overhead.gauges[0].name, "SD Bottom");
  EXPECT_EQ(overhead.gauges[0].width, 0);
  EXPECT_EQ(overhead.gauges[1].parameters, "0-10-15-20-40");

  for (const char* bad : {"[Window00]\ngauge00=PFD, 1, 2\n", "[Window00]\ngauge00=Corvane!PFD, x, 2\n", "[Window00\n",
                          "[Window00]\nsize_mm=100\n", "[Window00]\njust words\n"}) {
    EXPECT_FALSE(parse_panel_config(bad, config, error)) << bad;
    EXPECT_EQ(error.rfind("line ", 0), 0u) << error;
  }
}

class ShippedPanel : public test::ModuleTest {};

TEST_F(ShippedPanel, PlacesEveryGaugeOnceInsideItsWindowAndRendersIt) {
  PanelConfig config;
  std::string error;
  ASSERT_TRUE(read_panel_config(std::string(CORVANE_SOURCE_DIR) + "/packaging/panel.cfg", config, error)) << error;
  BitmapStore store;
  ASSERT_GT(store.load_folder(CORVANE_BITMAP_DIR), 300);
  std::multiset<std::string> names;
  for (const PanelWindow& w : config.windows) {
    ASSERT_GT(w.width, 0) << w.section;
    for (const PanelGauge& g : w.gauges) {
      EXPECT_EQ(g.module, "Corvane");
      GaugeHeader* gauge = host().gauge(g.name);
      ASSERT_NE(gauge, nullptr) << g.name;
      names.insert(g.name);
      int gw = 0, gh = 0;
      ASSERT_TRUE(gauge_size(gauge, store, gw, gh)) << g.name;
      const double scaled_h = g.width * static_cast<double>(gh) / gw;
      EXPECT_GE(g.x, 0) << g.name;
      EXPECT_LE(g.x + g.width, w.width) << g.name << " in " << w.title;
      EXPECT_LE(g.y + scaled_h, w.height + 1.0) << g.name << " in " << w.title;
    }
  }
  std::set<std::string> distinct(names.begin(), names.end());
  EXPECT_EQ(distinct.size(), names.size());
  for (GaugeHeader* gauge : host().gauges()) {
    EXPECT_EQ(names.count(gauge->name), 1u) << gauge->name;
  }
  EXPECT_EQ(names.size(), 33u);

  cairo_surface_t* panel = render_panel(host(), config, store, RenderOptions{});
  ASSERT_NE(panel, nullptr);
  EXPECT_GE(cairo_image_surface_get_width(panel), config.windows[0].width);
  cairo_surface_destroy(panel);
}

}  // namespace
}  // namespace corvane::render
