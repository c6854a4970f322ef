#include "pe_image.h"

#include <cctype>

namespace corvane::pe {
namespace {

struct Section {
  uint32_t rva;
  uint32_t size;
  uint32_t file_offset;
  uint32_t file_size;
};

class Reader {
 public:
  explicit Reader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
  bool u16(size_t at, uint32_t& v) const {
    if (at + 2 > bytes_.size()) {
      return false;
    }
    v = bytes_[at] | (bytes_[at + 1] << 8);
    return true;
  }
  bool u32(size_t at, uint32_t& v) const {
    if (at + 4 > bytes_.size()) {
      return false;
    }
    v = bytes_[at] | (bytes_[at + 1] << 8) | (bytes_[at + 2] << 16) | (static_cast<uint32_t>(bytes_[at + 3]) << 24);
    return true;
  }
  bool cstring(size_t at, std::string& s) const {
    s.clear();
    while (at < bytes_.size()) {
      if (bytes_[at] == 0) {
        return true;
      }
      s.push_back(static_cast<char>(bytes_[at++]));
    }
    return false;
  }
  size_t size() const { return bytes_.size(); }

 private:
  const std::vector<uint8_t>& bytes_;
};

bool to_offset(const std::vector<Section>& sections, uint32_t rva, size_t& offset) {
  for (const Section& s : sections) {
    const uint32_t extent = s.size > s.file_size ? s.size : s.file_size;
    if (rva >= s.rva && rva < s.rva + extent) {
      offset = static_cast<size_t>(s.file_offset) + (rva - s.rva);
      return true;
    }
  }
  return false;
}

std::string upper(std::string s) {
  for (char& c : s) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return s;
}

constexpr uint32_t kSubdirectory = 0x80000000u;
constexpr uint32_t kBitmapType = 2;

bool read_bitmaps(const Reader& r, const std::vector<Section>& sections, size_t root, Image& image,
                  std::string& error) {
  // Root directory: entries by type; follow RT_BITMAP, then id, then language.
  uint32_t named = 0, ids = 0;
  if (!r.u16(root + 12, named) || !r.u16(root + 14, ids)) {
    error = "resource directory cut short";
    return false;
  }
  for (uint32_t i = 0; i < named + ids; ++i) {
    uint32_t type = 0, target = 0;
    const size_t entry = root + 16 + 8 * i;
    if (!r.u32(entry, type) || !r.u32(entry + 4, target)) {
      error = "resource entry cut short";
      return false;
    }
    if (type != kBitmapType || (target & kSubdirectory) == 0) {
      continue;
    }
    const size_t by_id = root + (target & ~kSubdirectory);
    uint32_t n_named = 0, n_ids = 0;
    if (!r.u16(by_id + 12, n_named) || !r.u16(by_id + 14, n_ids)) {
      error = "bitmap directory cut short";
      return false;
    }
    for (uint32_t j = 0; j < n_named + n_ids; ++j) {
      uint32_t id = 0, lang_dir = 0;
      const size_t e = by_id + 16 + 8 * j;
      if (!r.u32(e, id) || !r.u32(e + 4, lang_dir) || (lang_dir & kSubdirectory) == 0) {
        error = "bitmap entry malformed";
        return false;
      }
      const size_t langs = root + (lang_dir & ~kSubdirectory);
      uint32_t data_entry = 0;
      if (!r.u32(langs + 16 + 4, data_entry)) {
        error = "bitmap language entry cut short";
        return false;
      }
      uint32_t data_rva = 0, data_size = 0;
      if (!r.u32(root + data_entry, data_rva) || !r.u32(root + data_entry + 4, data_size)) {
        error = "bitmap data entry cut short";
        return false;
      }
      size_t at = 0;
      uint32_t header_size = 0, width = 0, height = 0, bits = 0;
      if (!to_offset(sections, data_rva, at) || !r.u32(at, header_size) || header_size < 40 || !r.u32(at + 4, width) ||
          !r.u32(at + 8, height) || !r.u16(at + 14, bits)) {
        error = "bitmap header unreadable";
        return false;
      }
      const auto h = static_cast<int32_t>(height);
      image.bitmaps[id] = BitmapResource{static_cast<int>(width), h < 0 ? -h : h, static_cast<int>(bits)};
    }
  }
  return true;
}

bool read_imports(const Reader& r, const std::vector<Section>& sections, size_t table, Image& image,
                  std::string& error) {
  for (size_t d = table;; d += 20) {
    uint32_t lookup = 0, name_rva = 0, thunks = 0;
    if (!r.u32(d, lookup) || !r.u32(d + 12, name_rva) || !r.u32(d + 16, thunks)) {
      error = "import directory cut short";
      return false;
    }
    if (name_rva == 0) {
      return true;
    }
    size_t name_at = 0;
    std::string dll;
    if (!to_offset(sections, name_rva, name_at) || !r.cstring(name_at, dll)) {
      error = "import name unreadable";
      return false;
    }
    dll = upper(dll);
    size_t at = 0;
    if (!to_offset(sections, lookup != 0 ? lookup : thunks, at)) {
      error = "import lookup table unreadable";
      return false;
    }
    auto& ordinals = image.ordinal_imports[dll];
    auto& names = image.named_imports[dll];
    for (;; at += 4) {
      uint32_t thunk = 0;
      if (!r.u32(at, thunk)) {
        error = "import lookup table cut short";
        return false;
      }
      if (thunk == 0) {
        break;
      }
      if ((thunk & 0x80000000u) != 0) {
        ordinals.push_back(thunk & 0xFFFF);
        continue;
      }
      size_t hint_at = 0;
      std::string fn;
      if (to_offset(sections, thunk, hint_at) && r.cstring(hint_at + 2, fn)) {
        names.push_back(fn);
      }
    }
  }
}

}  // namespace

bool read_image(const std::vector<uint8_t>& bytes, Image& image, std::string& error) {
  const Reader r(bytes);
  uint32_t mz = 0, pe_at = 0, signature = 0, machine = 0, n_sections = 0, optional_size = 0, magic = 0;
  if (!r.u16(0, mz) || mz != 0x5A4D || !r.u32(0x3C, pe_at) || !r.u32(pe_at, signature) || signature != 0x4550) {
    error = "not a PE file";
    return false;
  }
  const size_t coff = pe_at + 4;
  if (!r.u16(coff, machine) || !r.u16(coff + 2, n_sections) || !r.u16(coff + 16, optional_size)) {
    error = "COFF header cut short";
    return false;
  }
  const size_t optional = coff + 20;
  if (!r.u16(optional, magic) || magic != 0x10B || machine != 0x14C) {
    error = "not a 32-bit x86 image";
    return false;
  }
  // PE32 data directories start at offset 96 of the optional header.
  uint32_t import_rva = 0, resource_rva = 0;
  if (!r.u32(optional + 96 + 8 * 1, import_rva) || !r.u32(optional + 96 + 8 * 2, resource_rva)) {
    error = "data directories cut short";
    return false;
  }
  std::vector<Section> sections;
  const size_t table = optional + optional_size;
  for (uint32_t i = 0; i < n_sections; ++i) {
    const size_t s = table + 40 * i;
    Section sec{};
    if (!r.u32(s + 8, sec.size) || !r.u32(s + 12, sec.rva) || !r.u32(s + 16, sec.file_size) ||
        !r.u32(s + 20, sec.file_offset)) {
      error = "section table cut short";
      return false;
    }
    sections.push_back(sec);
  }
  size_t at = 0;
  if (resource_rva != 0) {
    if (!to_offset(sections, resource_rva, at) || !read_bitmaps(r, sections, at, image, error)) {
      if (error.empty()) {
        error = "resource directory outside every section";
      }
      return false;
    }
  }
  if (import_rva != 0) {
    if (!to_offset(sections, import_rva, at) || !read_imports(r, sections, at, image, error)) {
      if (error.empty()) {
        error = "import directory outside every section";
      }
      return false;
    }
  }
  return true;
}

}  // namespace corvane::pe
