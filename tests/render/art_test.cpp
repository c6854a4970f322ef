// The generated pictures and sounds, the BMP files, panel.cfg reading and
// the shipped A320 panel drawn through the reference host.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "bmp_writer.h"
#include "module_fixture.h"
#include "pe_image.h"
#include "pictures.h"
#include "render.h"
#include "shared/cockpit_state.h"

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

struct Box {
  int x, y, w, h;
  bool overlaps(const Box& o) const { return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h; }
};

struct Legend {
  Box box;
  std::string text;
};

// The generator's record of every legend it drew: "ID x y w h TEXT".
std::map<uint32_t, std::vector<Legend>> read_legends() {
  std::map<uint32_t, std::vector<Legend>> out;
  std::ifstream file(std::string(CORVANE_BITMAP_DIR) + "/legends.txt");
  std::string line;
  while (std::getline(file, line)) {
    std::istringstream in(line);
    uint32_t id = 0;
    Legend l;
    in >> std::hex >> id >> std::dec >> l.box.x >> l.box.y >> l.box.w >> l.box.h >> std::ws;
    std::getline(in, l.text);
    out[id].push_back(l);
  }
  return out;
}

bool surface_equal(cairo_surface_t* a, cairo_surface_t* b) {
  const int w = cairo_image_surface_get_width(a), h = cairo_image_surface_get_height(a);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (argb(a, x, y) != argb(b, x, y)) {
        return false;
      }
    }
  }
  return true;
}

class Art : public test::ModuleTest {};

TEST_F(Art, LegendsNeitherOverlapNorLeaveTheirPictureNorLieUnderTheGaugesElements) {
  const auto legends = read_legends();
  ASSERT_GT(legends.size(), 60u);
  for (const art::Picture& p : art::pictures()) {
    const auto it = legends.find(p.id);
    if (it == legends.end()) {
      continue;
    }
    const std::vector<Legend>& all = it->second;
    for (size_t i = 0; i < all.size(); ++i) {
      const Box& b = all[i].box;
      EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.w <= p.width && b.y + b.h <= p.height)
          << std::hex << p.id << ": \"" << all[i].text << "\" crosses the edge";
      for (size_t j = i + 1; j < all.size(); ++j) {
        EXPECT_FALSE(b.overlaps(all[j].box))
            << std::hex << p.id << ": \"" << all[i].text << "\" overlaps \"" << all[j].text << "\"";
      }
    }
  }
  // Every element drawn after a background with legends, as the gauge places
  // it: a bitmap's size, a string's box, a moving image's or sprite's window.
  BitmapStore store;
  store.load_folder(CORVANE_BITMAP_DIR);
  auto size_of = [&](uint32_t id, int& w, int& h) {
    cairo_surface_t* s = store.find(id);
    w = s != nullptr ? cairo_image_surface_get_width(s) : 0;
    h = s != nullptr ? cairo_image_surface_get_height(s) : 0;
  };
  // The SD shows one page picture at a time (an icon): each page is checked
  // with the elements shown on it; a static background with everything drawn
  // after it, shown or not.
  for (GaugeHeader* gauge : host().gauges()) {
    host().install(gauge);
    host().cycle(gauge);
    const bool paged = std::string(gauge->name) == "SD";
    for (int page = paged ? 1 : 0; page <= (paged ? 8 : 0); ++page) {
      if (paged) {
        sd_page = page;
        host().evaluate(gauge);
      }
      const std::vector<Element*> elements = testhost::TestHost::elements(gauge);
      for (size_t b = 0; b < elements.size(); ++b) {
        const Element* bg = elements[b];
        const auto it = legends.find(bg->bitmap_id);
        const bool shown_page = bg->kind == kKindIcon && (bg->image_flags & kFlagHidden) == 0;
        if ((bg->kind != kKindStatic && !shown_page) || it == legends.end()) {
          continue;
        }
        for (size_t e = b + 1; e < elements.size(); ++e) {
          const Element* el = elements[e];
          if (shown_page && (el->image_flags & kFlagHidden) != 0) {
            continue;
          }
          Box r{el->x - bg->x, el->y - bg->y, 0, 0};
          if (el->kind == kKindString) {
            r.w = reinterpret_cast<const StringElement*>(el)->box_width;
            r.h = reinterpret_cast<const StringElement*>(el)->box_height;
          } else if (el->kind == kKindMoving || el->kind == kKindSprite) {
            size_of(el->bitmap_id + 1, r.w, r.h);
          } else if (el->kind == kKindStatic || el->kind == kKindIcon || el->kind == kKindSlider) {
            size_of(el->bitmap_id, r.w, r.h);
            if (el->kind == kKindSlider) {
              const auto* s = reinterpret_cast<const SliderElement*>(el);
              r.x += static_cast<int>(std::lround(host().values(el).value[0] * s->x_scale));
              r.y += static_cast<int>(std::lround(host().values(el).value[1] * s->y_scale));
            }
          }
          for (const Legend& l : it->second) {
            EXPECT_FALSE(r.w > 0 && r.h > 0 && l.box.overlaps(r))
                << gauge->name << ": \"" << l.text << "\" on " << std::hex << bg->bitmap_id << " lies under element "
                << std::dec << e << " (" << r.x << "," << r.y << " " << r.w << "x" << r.h << ")";
          }
        }
      }
    }
  }
}

TEST_F(Art, NoTwoImagesOfAnIconAreTheSame) {
  // An icon shows a state by its image: two equal images would hide a state.
  BitmapStore store;
  store.load_folder(CORVANE_BITMAP_DIR);
  int icons = 0;
  for (GaugeHeader* gauge : host().gauges()) {
    for (const Element* el : testhost::TestHost::elements(gauge)) {
      const auto* icon = reinterpret_cast<const IconElement*>(el);
      if (el->kind != kKindIcon || icon->image_count < 2) {
        continue;
      }
      ++icons;
      for (uint32_t i = 0; i < icon->image_count; ++i) {
        for (uint32_t j = i + 1; j < icon->image_count; ++j) {
          // An image without a picture (the SD's empty DISCH state) shows nothing.
          cairo_surface_t* a = store.find(el->bitmap_id + i);
          cairo_surface_t* b = store.find(el->bitmap_id + j);
          EXPECT_FALSE(a != nullptr && b != nullptr && surface_equal(a, b))
              << gauge->name << ": " << std::hex << el->bitmap_id + i << " and " << el->bitmap_id + j;
        }
      }
    }
  }
  EXPECT_GT(icons, 50);
}

TEST(SoundFiles, SevenShortSixteenBitPcmFilesThatAreNotSilentAndNeverClick) {
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
    EXPECT_EQ(u16(22), 1u) << name;  // mono
    EXPECT_EQ(u32(24), 22050u) << name;
    EXPECT_EQ(u16(34), 16u) << name;
    EXPECT_EQ(u32(4), b.size() - 8) << name;
    const uint32_t data = u32(40);
    ASSERT_EQ(data, b.size() - 44) << name;
    const double seconds = data / 2.0 / u32(24);
    EXPECT_GT(seconds, 0.05) << name;
    EXPECT_LE(seconds, 1.2) << name;
    std::vector<double> x;
    for (size_t i = 44; i + 1 < b.size(); i += 2) {
      x.push_back(static_cast<int16_t>(u16(i)) / 32768.0);
    }
    double peak = 0.0;
    for (double v : x) {
      peak = std::max(peak, std::abs(v));
    }
    EXPECT_GT(peak, 0.12) << name;
    // A click is a step the envelope does not explain: from one sample to the
    // next the signal may move at most four times its level over the
    // millisecond on either side (a tone near Nyquist swings twice its level;
    // a smooth attack grows by less than that within a millisecond), plus a
    // step of -34 dBFS. Starting from silence or stopping dead fails.
    constexpr size_t kWindow = 22;
    for (size_t i = 1; i < x.size(); ++i) {
      double before = 0.0, after = 0.0;
      for (size_t k = i > kWindow + 1 ? i - kWindow - 1 : 0; k < i; ++k) {
        before = std::max(before, std::abs(x[k]));
      }
      for (size_t k = i; k < std::min(x.size(), i + kWindow + 1); ++k) {
        after = std::max(after, std::abs(x[k]));
      }
      const double jump = std::abs(x[i] - x[i - 1]);
      ASSERT_LE(jump, 4.0 * std::min(before, after) + 0.02) << name << " clicks at sample " << i;
    }
    EXPECT_LT(std::abs(x.front()) + std::abs(x.back()), 0.02) << name << " starts or ends off silence";
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
