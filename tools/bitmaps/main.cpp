// Writes every bitmap of the module as ID.bmp (four hexadecimal digits) into
// the given folder, the resource script that embeds them in Corvane.gau, and
// a manifest (id, width, height, bits per pixel) for the check of the built
// module, and legends.txt: the box of every legend drawn (id, x, y, width,
// height, text) for the layout checks.
#include <cairo.h>

#include <cstdio>
#include <string>

#include "bmp_writer.h"
#include "pictures.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  FILE* rc = std::fopen((dir + "/corvane_bitmaps.rc").c_str(), "w");
  FILE* manifest = std::fopen((dir + "/bitmaps.txt").c_str(), "w");
  FILE* legend_file = std::fopen((dir + "/legends.txt").c_str(), "w");
  if (rc == nullptr || manifest == nullptr || legend_file == nullptr) {
    std::fprintf(stderr, "cannot write into %s\n", dir.c_str());
    return 1;
  }
  std::fprintf(rc, "// Generated: every bitmap of Corvane.gau under its resource id.\n");
  int failures = 0;
  for (const corvane::art::Picture& p : corvane::art::pictures()) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, p.width, p.height);
    cairo_t* cr = cairo_create(surface);
    std::vector<corvane::art::LegendBox> legends;
    corvane::art::draw_picture(cr, p, &legends);
    for (const corvane::art::LegendBox& l : legends) {
      std::fprintf(legend_file, "%04X %d %d %d %d %s\n", p.id, l.x, l.y, l.w, l.h, l.text.c_str());
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    char name[16];
    std::snprintf(name, sizeof name, "%04X.bmp", p.id);
    const std::string path = dir + "/" + name;
    const auto* pixels = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface));
    const int stride = cairo_image_surface_get_stride(surface) / 4;
    const bool ok = p.bits == 24 ? corvane::art::write_bmp24(path, p.width, p.height, pixels, stride)
                                 : corvane::art::write_bmp8(path, p.width, p.height, pixels, stride,
                                                            corvane::art::uses_transparency(p));
    cairo_surface_destroy(surface);
    if (!ok) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failures;
      continue;
    }
    std::fprintf(rc, "%u BITMAP \"%s\"\n", p.id, name);
    std::fprintf(manifest, "%04X %d %d %d\n", p.id, p.width, p.height, p.bits);
  }
  std::fclose(rc);
  std::fclose(manifest);
  std::fclose(legend_file);
  return failures == 0 ? 0 : 1;
}
