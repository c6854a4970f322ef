// Mapping, relocation, import binding, TLS and entry of a PE32 DLL.
#include <sys/mman.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "pe_internal.h"
#include "pe_loader.h"

namespace corvane::pe {
namespace detail {

std::vector<Module*>& loaded_modules() {
  static std::vector<Module*> modules;
  return modules;
}

Module* module_containing(uintptr_t address) {
  for (Module* m : loaded_modules()) {
    auto base = reinterpret_cast<uintptr_t>(m->base);
    if (address >= base && address - base < m->size) return m;
  }
  return nullptr;
}

bool same_dll(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

Module* module_named(std::string_view name) {
  // As Windows does: no directory, ".dll" when there is no extension, a trailing dot for none.
  name = name.substr(name.find_last_of("\\/") + 1);
  std::string wanted(name);
  if (wanted.find('.') == std::string::npos)
    wanted += ".dll";
  else if (wanted.back() == '.')
    wanted.pop_back();
  for (Module* m : loaded_modules())
    if (same_dll(m->name, wanted)) return m;
  return nullptr;
}

}  // namespace detail

namespace {

using detail::LoadError;

struct FileHeader {
  uint16_t machine;
  uint16_t section_count;
  uint32_t time_date_stamp;
  uint32_t symbol_table;
  uint32_t symbol_count;
  uint16_t optional_header_size;
  uint16_t characteristics;
};

struct DataDirectory {
  uint32_t rva;
  uint32_t size;
};

struct OptionalHeader32 {
  uint16_t magic;
  uint8_t linker_version[2];
  uint32_t code_size, initialized_size, uninitialized_size;
  uint32_t entry_point, code_base, data_base, image_base;
  uint32_t section_alignment, file_alignment;
  uint16_t versions[6];
  uint32_t win32_version, image_size, headers_size, checksum;
  uint16_t subsystem, dll_characteristics;
  uint32_t stack_reserve, stack_commit, heap_reserve, heap_commit, loader_flags;
  uint32_t directory_count;
  DataDirectory directories[16];
};
static_assert(sizeof(OptionalHeader32) == 224);

struct SectionHeader {
  char name[8];
  uint32_t virtual_size, virtual_address, raw_size, raw_offset;
  uint32_t relocations, line_numbers;
  uint16_t relocation_count, line_number_count;
  uint32_t characteristics;
};
static_assert(sizeof(SectionHeader) == 40);

struct ExportDirectory {
  uint32_t characteristics, time_date_stamp;
  uint16_t major_version, minor_version;
  uint32_t name, ordinal_base, function_count, name_count;
  uint32_t functions, names, name_ordinals;
};

struct ImportDescriptor {
  uint32_t lookup_table, time_date_stamp, forwarder_chain, name, address_table;
};

struct TlsDirectory {  // addresses, not RVAs
  uint32_t data_start, data_end, index_address, callbacks, zero_fill, characteristics;
};

struct RelocationBlock {
  uint32_t page_rva, size;
};

constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kMagicPe32 = 0x10B;
constexpr uint16_t kFileRelocationsStripped = 0x0001;
constexpr uint16_t kFileDll = 0x2000;
constexpr size_t kExportDirectory = 0, kImportDirectory = 1, kRelocationDirectory = 5, kTlsDirectory = 9;
constexpr uint32_t kSectionExecute = 0x20000000, kSectionRead = 0x40000000, kSectionWrite = 0x80000000;
constexpr uint32_t kRelocationAbsolute = 0, kRelocationHighLow = 3;
constexpr uint32_t kImportByOrdinal = 0x80000000;
constexpr uint32_t kDllProcessDetach = 0, kDllProcessAttach = 1;

using EntryPoint = int(__attribute__((stdcall)) *)(void* instance, uint32_t reason, void* reserved);

uint32_t address_of(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }

std::string hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", value);
  return text;
}

template <typename T>
T read_file(const std::vector<uint8_t>& file, size_t offset) {
  if (offset > file.size() || file.size() - offset < sizeof(T)) throw LoadError("truncated headers");
  T value;
  std::memcpy(&value, file.data() + offset, sizeof(T));
  return value;
}

// Bounds-checked access to the mapped image by RVA.
class ImageView {
 public:
  ImageView(uint8_t* base, uint32_t size) : base_(base), size_(size) {}

  uint8_t* pointer(uint32_t rva, uint32_t bytes) const {
    if (rva > size_ || size_ - rva < bytes) throw LoadError("reference outside the image: RVA " + hex(rva));
    return base_ + rva;
  }
  template <typename T>
  T read(uint32_t rva) const {
    T value;
    std::memcpy(&value, pointer(rva, sizeof(T)), sizeof(T));
    return value;
  }
  template <typename T>
  void write(uint32_t rva, T value) const {
    std::memcpy(pointer(rva, sizeof(T)), &value, sizeof(T));
  }
  std::string_view string(uint32_t rva) const {
    const uint8_t* start = pointer(rva, 1);
    const void* end = std::memchr(start, 0, size_ - rva);
    if (end == nullptr) throw LoadError("unterminated name at RVA " + hex(rva));
    return {reinterpret_cast<const char*>(start), static_cast<size_t>(static_cast<const uint8_t*>(end) - start)};
  }
  uint32_t rva_of(uint32_t address) const {
    uint32_t rva = address - address_of(base_);
    pointer(rva, 1);
    return rva;
  }
  uint8_t* base() const { return base_; }

 private:
  uint8_t* base_;
  uint32_t size_;
};

OptionalHeader32 optional_header(const ImageView& image) {
  uint32_t pe = image.read<uint32_t>(0x3C);
  if (image.read<uint32_t>(pe) != 0x00004550) throw LoadError("no PE signature");
  auto header = image.read<FileHeader>(pe + 4);
  if (header.optional_header_size < sizeof(OptionalHeader32)) throw LoadError("short optional header");
  auto optional = image.read<OptionalHeader32>(pe + 4 + sizeof(FileHeader));
  if (optional.magic != kMagicPe32) throw LoadError("not a PE32 image");
  for (uint32_t i = std::min(optional.directory_count, 16u); i < 16; ++i) optional.directories[i] = {};
  return optional;
}

struct Unmap {
  size_t size = 0;
  void operator()(uint8_t* p) const { munmap(p, size); }
};

uint8_t* map_at(uintptr_t address, size_t size) {
  if (address == 0 || address + size < address) return nullptr;
  void* p = mmap(reinterpret_cast<void*>(address), size, PROT_READ | PROT_WRITE,
                 MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
  if (p == MAP_FAILED) return nullptr;
  // Older kernels and qemu-user take the flag for a hint and map elsewhere.
  if (p != reinterpret_cast<void*>(address)) {
    munmap(p, size);
    return nullptr;
  }
  return static_cast<uint8_t*>(p);
}

uint8_t* map_anywhere(size_t size) {
  void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) throw LoadError("no room for the image");
  return static_cast<uint8_t*>(p);
}

uint8_t* map_image(uint32_t preferred, size_t size, bool force_relocation) {
  if (!force_relocation) {
    if (uint8_t* p = map_at(preferred, size)) return p;
  }
  uint8_t* p = map_anywhere(size);
  if (address_of(p) == preferred) {  // chance put it home: hold that spot while mapping elsewhere
    uint8_t* other = map_anywhere(size);
    munmap(p, size);
    p = other;
  }
  return p;
}

int to_prot(uint32_t protection) {
  switch (protection) {
    case detail::kPageNoAccess:
      return PROT_NONE;
    case detail::kPageReadOnly:
      return PROT_READ;
    case detail::kPageReadWrite:
      return PROT_READ | PROT_WRITE;
    case detail::kPageExecute:
      return PROT_EXEC;
    case detail::kPageExecuteRead:
      return PROT_READ | PROT_EXEC;
    case detail::kPageExecuteReadWrite:
      return PROT_READ | PROT_WRITE | PROT_EXEC;
    default:
      return -1;
  }
}

uint32_t windows_protection(uint32_t characteristics) {
  bool execute = characteristics & kSectionExecute, write = characteristics & kSectionWrite;
  bool read = characteristics & kSectionRead;
  if (execute) return write ? detail::kPageExecuteReadWrite : read ? detail::kPageExecuteRead : detail::kPageExecute;
  return write ? detail::kPageReadWrite : read ? detail::kPageReadOnly : detail::kPageNoAccess;
}

void* bound(std::span<const ImportBinding> bindings, std::string_view dll, std::string_view name, uint16_t ordinal) {
  for (const ImportBinding& b : bindings) {
    if (b.address == nullptr || !detail::same_dll(b.dll, dll)) continue;
    if (name.empty() ? b.name.empty() && b.ordinal == ordinal : b.name == name) return b.address;
  }
  return nullptr;
}

}  // namespace

namespace detail {

void* export_address(const Module& module, std::string_view name, uint16_t ordinal) {
  try {
    ImageView image(module.base, module.size);
    DataDirectory directory = optional_header(image).directories[kExportDirectory];
    if (directory.size == 0) return nullptr;
    auto exports = image.read<ExportDirectory>(directory.rva);
    uint32_t index = ordinal - exports.ordinal_base;
    if (!name.empty()) {
      index = exports.function_count;
      for (uint32_t i = 0; i < exports.name_count; ++i) {
        if (image.string(image.read<uint32_t>(exports.names + 4 * i)) == name) {
          index = image.read<uint16_t>(exports.name_ordinals + 2 * i);
          break;
        }
      }
    }
    if (index >= exports.function_count) return nullptr;
    uint32_t rva = image.read<uint32_t>(exports.functions + 4 * index);
    // Forwarders point into the export directory; nothing here follows them.
    if (rva == 0 || (rva >= directory.rva && rva - directory.rva < directory.size)) return nullptr;
    return image.pointer(rva, 1);
  } catch (const LoadError&) {
    return nullptr;
  }
}

bool protect(Module& module, uintptr_t address, uint32_t bytes, uint32_t protection, uint32_t* old_protection) {
  int prot = to_prot(protection);
  uintptr_t offset = address - reinterpret_cast<uintptr_t>(module.base);
  if (prot < 0 || offset >= module.size || bytes > module.size - offset) return false;
  size_t first = offset / kPageSize, end = (offset + std::max(bytes, 1u) + kPageSize - 1) / kPageSize;
  if (mprotect(module.base + first * kPageSize, (end - first) * kPageSize, prot) != 0) return false;
  if (old_protection != nullptr) *old_protection = module.page_protection[first];
  std::fill(module.page_protection.begin() + static_cast<ptrdiff_t>(first),
            module.page_protection.begin() + static_cast<ptrdiff_t>(end), protection);
  return true;
}

}  // namespace detail

struct LoadedImage::State {
  std::unique_ptr<uint8_t, Unmap> mapping;  // first: unmapped last
  detail::Module module;
  uint32_t preferred_base = 0;
  uint32_t entry_rva = 0;
  uint32_t tls_callbacks = 0;  // address of the null-ended callback array
  bool run_tls_callbacks = true;
  bool registered = false;
  bool attached = false;
  int tls_slot = -1;
  std::unique_ptr<uint8_t[]> tls_block;

  ImageView image() const { return {module.base, module.size}; }

  void notify(uint32_t reason) {
    detail::enter_image();
    ImageView view = image();
    auto entry = [&](uint32_t rva) { return reinterpret_cast<EntryPoint>(view.pointer(rva, 1)); };
    auto callbacks = [&] {
      if (!run_tls_callbacks || tls_callbacks == 0) return;
      for (uint32_t at = view.rva_of(tls_callbacks);; at += 4) {
        uint32_t callback = view.read<uint32_t>(at);
        if (callback == 0) break;
        entry(view.rva_of(callback))(module.base, reason, nullptr);
      }
    };
    if (reason == kDllProcessAttach) callbacks();
    if (entry_rva != 0 && entry(entry_rva)(module.base, reason, nullptr) == 0 && reason == kDllProcessAttach) {
      notify(kDllProcessDetach);  // as LoadLibrary does when DllMain refuses
      throw LoadError("DllMain refused DLL_PROCESS_ATTACH");
    }
    if (reason == kDllProcessDetach) callbacks();
  }

  ~State() {
    try {
      if (attached) notify(kDllProcessDetach);
    } catch (const LoadError& e) {
      std::fprintf(stderr, "pe_loader: %s: %s\n", module.name.c_str(), e.what());
    }
    if (registered) std::erase(detail::loaded_modules(), &module);
    if (tls_slot >= 0) detail::release_tls_slot(tls_slot);
  }
};

std::unique_ptr<LoadedImage> LoadedImage::load(const std::string& path, std::span<const ImportBinding> bindings,
                                               const LoadOptions& options, std::string* error) {
  try {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw LoadError("cannot open the file");
    std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (read_file<uint16_t>(file, 0) != 0x5A4D) throw LoadError("not an MZ executable");
    uint32_t pe = read_file<uint32_t>(file, 0x3C);
    if (read_file<uint32_t>(file, pe) != 0x00004550) throw LoadError("no PE signature");
    auto header = read_file<FileHeader>(file, pe + 4);
    if (header.machine != kMachineI386) throw LoadError("not an i386 image");
    if (!(header.characteristics & kFileDll)) throw LoadError("not a DLL");
    auto optional = read_file<OptionalHeader32>(file, pe + 4 + sizeof(FileHeader));
    if (optional.magic != kMagicPe32 || header.optional_header_size < sizeof(OptionalHeader32))
      throw LoadError("not a PE32 image");
    if (optional.image_size == 0 || optional.headers_size > optional.image_size) throw LoadError("bad image size");

    auto state = std::make_unique<State>();
    uint32_t map_size = (optional.image_size + detail::kPageSize - 1) / detail::kPageSize * detail::kPageSize;
    state->mapping = {map_image(optional.image_base, map_size, options.force_relocation), Unmap{map_size}};
    state->module = {path.substr(path.find_last_of('/') + 1), state->mapping.get(), map_size, {}};
    state->preferred_base = optional.image_base;
    state->run_tls_callbacks = options.run_tls_callbacks;
    ImageView image = state->image();

    std::memcpy(image.base(), file.data(), std::min<size_t>(optional.headers_size, file.size()));
    // Headers and gaps stay read-only; sections sharing a page (alignment below a page) get what both need.
    std::vector<uint32_t> access(map_size / detail::kPageSize, kSectionRead);
    std::vector<bool> claimed(access.size());
    uint32_t section_table = pe + 4 + sizeof(FileHeader) + header.optional_header_size;
    for (uint32_t i = 0; i < header.section_count; ++i) {
      auto section = read_file<SectionHeader>(file, section_table + i * sizeof(SectionHeader));
      uint32_t size = section.virtual_size != 0 ? section.virtual_size : section.raw_size;
      uint32_t raw = std::min(section.raw_size, size);
      uint8_t* target = image.pointer(section.virtual_address, size);
      if (section.raw_offset > file.size() || file.size() - section.raw_offset < raw)
        throw LoadError("section " + std::string(section.name, strnlen(section.name, 8)) + " lies outside the file");
      std::memcpy(target, file.data() + section.raw_offset, raw);
      uint32_t end = (section.virtual_address + size + detail::kPageSize - 1) / detail::kPageSize;
      for (uint32_t page = section.virtual_address / detail::kPageSize; page < end; ++page) {
        uint32_t wanted = section.characteristics & (kSectionRead | kSectionWrite | kSectionExecute);
        access[page] = claimed[page] ? access[page] | wanted : wanted;
        claimed[page] = true;
      }
    }

    uint32_t delta = address_of(image.base()) - optional.image_base;
    DataDirectory relocations = optional.directories[kRelocationDirectory];
    if (delta != 0 && (relocations.size == 0 || (header.characteristics & kFileRelocationsStripped)))
      throw LoadError("no base relocations, and " + hex(optional.image_base) + " is taken");
    for (uint32_t at = relocations.rva, end = relocations.rva + relocations.size; delta != 0 && at < end;) {
      auto block = image.read<RelocationBlock>(at);
      if (block.size < sizeof block || block.size > end - at) throw LoadError("malformed base relocation block");
      for (uint32_t entry_at = at + sizeof block; entry_at + 2 <= at + block.size; entry_at += 2) {
        uint16_t entry = image.read<uint16_t>(entry_at);
        uint32_t target = block.page_rva + (entry & 0xFFFu);
        if (entry >> 12 == kRelocationHighLow)
          image.write<uint32_t>(target, image.read<uint32_t>(target) + delta);
        else if (entry >> 12 != kRelocationAbsolute)
          throw LoadError("base relocation type " + std::to_string(entry >> 12) + " is not supported");
      }
      at += block.size;
    }

    std::string missing;
    DataDirectory imports = optional.directories[kImportDirectory];
    for (uint32_t at = imports.rva; imports.size != 0; at += sizeof(ImportDescriptor)) {
      auto descriptor = image.read<ImportDescriptor>(at);
      if (descriptor.name == 0 && descriptor.address_table == 0) break;
      std::string_view dll = image.string(descriptor.name);
      uint32_t lookup = descriptor.lookup_table != 0 ? descriptor.lookup_table : descriptor.address_table;
      for (uint32_t i = 0;; ++i) {
        uint32_t thunk = image.read<uint32_t>(lookup + 4 * i);
        if (thunk == 0) break;
        void* address = nullptr;
        std::string what;
        if (thunk & kImportByOrdinal) {
          auto ordinal = static_cast<uint16_t>(thunk);
          address = bound(bindings, dll, {}, ordinal);
          what = "ordinal " + std::to_string(ordinal);
        } else {
          std::string_view name = image.string(thunk + 2);
          address = bound(bindings, dll, name, 0);
          if (address == nullptr) address = detail::find_stand_in(dll, name);
          what = name;
        }
        if (address == nullptr)
          missing += (missing.empty() ? "" : ", ") + std::string(dll) + " " + what;
        else
          image.write<uint32_t>(descriptor.address_table + 4 * i, address_of(address));
      }
    }
    if (!missing.empty()) throw LoadError("unresolved imports: " + missing);

    DataDirectory tls_directory = optional.directories[kTlsDirectory];
    if (tls_directory.size != 0) {
      auto tls = image.read<TlsDirectory>(tls_directory.rva);
      uint32_t start = tls.data_start != 0 ? image.rva_of(tls.data_start) : 0;
      uint32_t bytes = tls.data_end > tls.data_start ? tls.data_end - tls.data_start : 0;
      state->tls_block = std::make_unique<uint8_t[]>(bytes + tls.zero_fill + 1);
      if (bytes != 0) std::memcpy(state->tls_block.get(), image.pointer(start, bytes), bytes);
      state->tls_slot = detail::claim_tls_slot(state->tls_block.get());
      if (state->tls_slot < 0) throw LoadError("no free TLS slot");
      if (tls.index_address != 0) image.write<uint32_t>(image.rva_of(tls.index_address), state->tls_slot);
      state->tls_callbacks = tls.callbacks;
      if (tls.callbacks != 0) image.rva_of(tls.callbacks);
    }

    std::vector<uint32_t> protection(access.size());
    std::ranges::transform(access, protection.begin(), windows_protection);
    state->module.page_protection = protection;
    for (uint32_t page = 0; page < protection.size();) {
      uint32_t end = page;
      while (end < protection.size() && protection[end] == protection[page]) ++end;
      detail::protect(state->module, address_of(image.base()) + page * detail::kPageSize,
                      (end - page) * detail::kPageSize, protection[page], nullptr);
      page = end;
    }

    state->entry_rva = optional.entry_point;
    if (state->entry_rva != 0) image.pointer(state->entry_rva, 1);
    detail::loaded_modules().push_back(&state->module);
    state->registered = true;
    state->notify(kDllProcessAttach);
    state->attached = true;
    return std::unique_ptr<LoadedImage>(new LoadedImage(std::move(state)));
  } catch (const std::exception& e) {
    if (error != nullptr) *error = path + ": " + e.what();
    return nullptr;
  }
}

LoadedImage::LoadedImage(std::unique_ptr<State> state) : state_(std::move(state)) {}
LoadedImage::~LoadedImage() = default;

void* LoadedImage::find_export(std::string_view name) const {
  return name.empty() ? nullptr : detail::export_address(state_->module, name, 0);
}
uint32_t LoadedImage::base() const { return address_of(state_->module.base); }
uint32_t LoadedImage::preferred_base() const { return state_->preferred_base; }
uint32_t LoadedImage::size() const { return state_->module.size; }
bool LoadedImage::relocated() const { return base() != state_->preferred_base; }

}  // namespace corvane::pe
