#include "module/module_file.h"

#include <dlfcn.h>

#include <stdexcept>
#include <utility>

#include "host/platform.h"

#if CORVANE_HAVE_PE_LOADER
#include "pe_loader/pe_loader.h"
#endif

namespace corvane::refhost {

namespace {

bool ends_with(const std::string& text, const std::string& end) {
  if (text.size() < end.size()) {
    return false;
  }
  for (size_t i = 0; i < end.size(); ++i) {
    const char c = text[text.size() - end.size() + i];
    if (static_cast<char>(c | 0x20) != end[i]) {
      return false;
    }
  }
  return true;
}

}  // namespace

struct ModuleFile::Handle {
  void* library = nullptr;
#if CORVANE_HAVE_PE_LOADER
  std::unique_ptr<pe::LoadedImage> image;
#endif
  ~Handle() {
    if (library != nullptr) {
      dlclose(library);
    }
  }
};

ModuleFile::ModuleFile(std::string path, std::unique_ptr<Handle> handle, testhost::ModuleView view)
    : path_(std::move(path)), handle_(std::move(handle)), view_(view) {}

ModuleFile::~ModuleFile() = default;

std::unique_ptr<ModuleFile> ModuleFile::open(const std::string& path, const ModuleLoadOptions& options) {
  auto handle = std::make_unique<Handle>();
  void* import_table = nullptr;
  void* linkage = nullptr;
  if (ends_with(path, ".gau") || ends_with(path, ".dll")) {
#if CORVANE_HAVE_PE_LOADER
    // The imports the simulator's process would satisfy; the C runtime and
    // the rest of kernel32 are the loader's own stand-ins.
    const pe::ImportBinding bindings[] = {
        {"USER32.dll", "FindWindowExA", 0, reinterpret_cast<void*>(&FindWindowExA)},
        {"USER32.dll", "SendMessageA", 0, reinterpret_cast<void*>(&SendMessageA)},
        {"KERNEL32.dll", "CreateFileMappingA", 0, reinterpret_cast<void*>(&CreateFileMappingA)},
        {"KERNEL32.dll", "MapViewOfFile", 0, reinterpret_cast<void*>(&MapViewOfFile)},
        {"KERNEL32.dll", "UnmapViewOfFile", 0, reinterpret_cast<void*>(&UnmapViewOfFile)},
        {"KERNEL32.dll", "CloseHandle", 0, reinterpret_cast<void*>(&CloseHandle)},
        {"FSSound.dll", "", 1, reinterpret_cast<void*>(&fssound_load)},
        {"FSSound.dll", "", 7, reinterpret_cast<void*>(&fssound_play)},
        {"FSSound.dll", "", 14, reinterpret_cast<void*>(&fssound_release)},
    };
    pe::LoadOptions load;
    load.run_tls_callbacks = options.run_tls_callbacks;
    load.force_relocation = options.force_relocation;
    std::string error;
    handle->image = pe::LoadedImage::load(path, bindings, load, &error);
    if (handle->image == nullptr) {
      throw std::runtime_error(path + ": " + error);
    }
    import_table = handle->image->find_export("ImportTable");
    linkage = handle->image->find_export("Linkage");
#else
    (void)options;
    throw std::runtime_error(path + ": a Windows module loads only in the 32-bit build (linux32)");
#endif
  } else {
    handle->library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle->library == nullptr) {
      throw std::runtime_error(path + ": " + dlerror());
    }
    import_table = dlsym(handle->library, "ImportTable");
    linkage = dlsym(handle->library, "Linkage");
  }
  if (import_table == nullptr || linkage == nullptr) {
    throw std::runtime_error(path + ": does not export ImportTable and Linkage");
  }
  const testhost::ModuleView view{static_cast<ImportTableRecord*>(import_table), static_cast<LinkageRecord*>(linkage)};
  return std::unique_ptr<ModuleFile>(new ModuleFile(path, std::move(handle), view));
}

std::vector<std::string> ModuleFile::gauge_names() const {
  std::vector<std::string> names;
  for (GaugeHeader* const* g = view_.linkage->gauges; *g != nullptr; ++g) {
    names.emplace_back((*g)->name != nullptr ? (*g)->name : "");
  }
  return names;
}

std::string default_module_path() { return CORVANE_MODULE_PATH; }

void set_module_runtime_decimal_point(const char* point) {
#if CORVANE_HAVE_PE_LOADER
  pe::set_crt_decimal_point(point);
#else
  (void)point;
#endif
}

}  // namespace corvane::refhost
