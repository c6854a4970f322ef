// The generated pictures and sounds, the BMP files, panel.cfg reading and
// the shipped A320 panel drawn through the reference host.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
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
  // Pure black, near-black, ECAM amber; a faint grey, a darker grey, pure blue.
  const uint32_t pixels[] = {0x000000, 0x080808, 0xFF8732, 0x7F7F7F, 0x050505, 0x0000FF};
  const std::string dir = ::testing::TempDir();
  ASSERT_TRUE(art::write_bmp8(dir + "/plain.bmp", 3, 2, pixels, 3, false));
  ASSERT_TRUE(art::write_bmp8(dir + "/dark.bmp", 3, 2, pixels, 3, true));
  ASSERT_TRUE(art::write_bmp24(dir + "/deep.bmp", 3, 2, pixels, 3));
  const std::vector<uint8_t> bytes = read_bytes(dir + "/plain.bmp");
  ASSERT_EQ(bytes.size(), 14u + 40 + 1024 + 2 * 4);  // one padded row each
  art::BmpInfo info;
  ASSERT_TRUE(art::parse_dib_header(bytes.data() + 14, bytes.size() - 14, info));
  EXPECT_EQ(info.width * 100 + info.height * 10 + info.bits, 328);
  BitmapStore store;
  ASSERT_TRUE(store.load_file(1, dir + "/plain.bmp") && store.load_file(2, dir + "/dark.bmp") &&
              store.load_file(3, dir + "/deep.bmp"));
  EXPECT_FALSE(store.load_file(4, dir + "/missing.bmp"));
  // Alpha per pixel, row by row; amber exactly.
  auto alphas = [&](uint32_t id) {
    std::string out;
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x) {
        out += argb(store.find(id), x, y) >> 24 == 0xFF ? 'o' : argb(store.find(id), x, y) == 0 ? '-' : '?';
      }
    }
    return out;
  };
  // A faint grey is opaque in a panel and transparent around a needle; colours exact.
  EXPECT_EQ(alphas(1) + alphas(2) + alphas(3), "-ooooo--oo-o-ooooo");
  EXPECT_EQ(test::str(argb(store.find(1), 2, 0), argb(store.find(2), 2, 0), argb(store.find(3), 1, 1),
                      argb(store.find(3), 2, 1)),
            test::str(0xFFFF8732u, 0xFFFF8732u, 0xFF050505u, 0xFF0000FFu));
}

class Art : public test::ModuleTest {
 protected:
  void SetUp() override {
    test::ModuleTest::SetUp();
    loaded_ = store_.load_folder(CORVANE_BITMAP_DIR);
  }
  BitmapStore store_;
  int loaded_ = 0;
};

// Every id is generated at its size and depth, opaque pictures never use the
// transparent colour, every picture an element of a gauge names exists, and
// each state of an icon looks different from the one before, or the icon could
// not show its state (a state may have no picture, to let what lies behind show).
TEST_F(Art, EveryPictureIsGeneratedAsTheTableAndTheGaugesSay) {
  const auto& table = art::pictures();
  std::set<uint32_t> ids;
  for (const art::Picture& p : table) {
    EXPECT_TRUE(ids.insert(p.id).second) << std::hex << p.id << " twice";
    char name[16];
    std::snprintf(name, sizeof name, "/%04X.bmp", p.id);
    const std::vector<uint8_t> bytes = read_bytes(std::string(CORVANE_BITMAP_DIR) + name);
    art::BmpInfo info;
    ASSERT_TRUE(bytes.size() > 54 && art::parse_dib_header(bytes.data() + 14, bytes.size() - 14, info)) << name;
    EXPECT_EQ(info.width * 10000 + info.height * 10 + info.bits, p.width * 10000 + p.height * 10 + p.bits) << name;
    cairo_surface_t* s = store_.find(p.id);
    ASSERT_NE(s, nullptr) << name;
    for (int y = 0; !art::uses_transparency(p) && y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        ASSERT_EQ(argb(s, x, y) >> 24, 0xFFu) << name << " at " << x << "," << y;
      }
    }
  }
  EXPECT_EQ(loaded_, static_cast<int>(table.size()));
  for (GaugeHeader* g : host().gauges()) {
    for (Element* e : testhost::TestHost::elements(g)) {
      for (uint32_t i = 0; e->bitmap_id != kNoBitmap && i < (e->kind == kKindIcon ? as_icon(e)->image_count : 1); ++i) {
        cairo_surface_t* s = store_.find(e->bitmap_id + i);
        ASSERT_TRUE(s != nullptr || i > 0) << g->name << " " << std::hex << e->bitmap_id;
        cairo_surface_t* before = i > 0 ? store_.find(e->bitmap_id + i - 1) : nullptr;
        EXPECT_FALSE(s != nullptr && before != nullptr &&
                     cairo_image_surface_get_height(s) == cairo_image_surface_get_height(before) &&
                     std::memcmp(cairo_image_surface_get_data(s), cairo_image_surface_get_data(before),
                                 cairo_image_surface_get_stride(s) * cairo_image_surface_get_height(s)) == 0)
            << g->name << " " << std::hex << e->bitmap_id << "+" << i;
      }
    }
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
    EXPECT_EQ(test::str(std::string(b.begin(), b.begin() + 4), std::string(b.begin() + 8, b.begin() + 16), u16(20),
                        u16(34), u32(4) + 8 - b.size()),
              "RIFF WAVEfmt  1 16 0")
        << name << ": PCM, 16 bits";
    ASSERT_EQ(u32(40), b.size() - 44) << name;
    const double seconds = u32(40) / 2.0 / u32(24);
    EXPECT_TRUE(seconds > 0.05 && seconds < 2.0) << name << " " << seconds;
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

TEST(PanelConfig, ReadsWindowsTitlesGaugesAndParametersAndNamesTheLineOfAnError) {
  PanelConfig config;
  std::string error;
  ASSERT_TRUE(
      parse_panel_config("// A320\n[Window Titles]\nwindow01=Overhead\n[VIEWS]\nVIEW_FORWARD_WINDOWS=MAIN\n"
                         "[Window01]\nsize_mm=1024, 768\ngauge00=Corvane!PFD,  10,20,300   // upper\n"
                         "gauge01=Other!Thing, 1, 2\ngauge02=Corvane!E/WD, 0, 40, 200, , 0-10-15-20-40\n",
                         config, error))
      << error;
  ASSERT_EQ(config.windows.size(), 1u);
  std::string seen = config.windows[0].title + " " + std::to_string(config.windows[0].width) + "x" +
                     std::to_string(config.windows[0].height);
  for (const PanelGauge& g : config.windows[0].gauges) {
    seen += "|" + g.module + "!" + g.name + " " + std::to_string(g.x) + "," + std::to_string(g.y) + "," +
            std::to_string(g.width) + "," + std::to_string(g.height) + " [" + g.parameters + "]";
  }
  EXPECT_EQ(
      seen,
      "Overhead 1024x768|Corvane!PFD 10,20,300,0 []|Other!Thing 1,2,0,0 []|Corvane!E/WD 0,40,200,0 [0-10-15-20-40]");
  for (const char* bad : {"[Window00]\ngauge00=PFD, 1, 2\n", "[Window00]\ngauge00=Corvane!PFD, x, 2\n", "[Window00\n",
                          "[Window00]\nsize_mm=100\n", "[Window00]\njust words\n"}) {
    EXPECT_FALSE(parse_panel_config(bad, config, error)) << bad;
    EXPECT_EQ(error.rfind("line ", 0), 0u) << error;
  }
}

TEST_F(Art, TheShippedPanelPlacesEveryGaugeOnceInsideItsWindowAndRendersIt) {
  PanelConfig config;
  std::string error;
  ASSERT_TRUE(read_panel_config(std::string(CORVANE_SOURCE_DIR) + "/packaging/panel.cfg", config, error)) << error;
  BitmapStore& store = store_;
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
      EXPECT_GE(g.x, 0) << g.name;
      EXPECT_LE(g.x + g.width, w.width) << g.name << " in " << w.title;
      EXPECT_LE(g.y + g.width * static_cast<double>(gh) / gw, w.height + 1.0) << g.name << " in " << w.title;
    }
  }
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
