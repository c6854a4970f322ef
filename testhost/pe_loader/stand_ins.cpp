// The kernel32 and msvcrt functions a mingw-w64 DLL's own runtime imports,
// played by this process. kernel32's are stdcall; msvcrt's are cdecl, whose
// i386 form glibc shares, so glibc serves wherever msvcrt means the same.
// Where it does not (FILE, locale categories, 16-bit wchar_t, struct lconv)
// the stand-in is ours. Image code keeps only 4-byte stack alignment.
#include <strings.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

#include "pe_internal.h"
#include "pe_loader.h"

#define WINAPI __attribute__((stdcall, force_align_arg_pointer))
#define CRTAPI __attribute__((force_align_arg_pointer))

namespace corvane::pe {
namespace {

using namespace detail;

constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kErrorInvalidParameter = 87;
constexpr uint32_t kErrorInsufficientBuffer = 122;
constexpr uint32_t kErrorModNotFound = 126;
constexpr uint32_t kErrorProcNotFound = 127;
constexpr uint32_t kErrorInvalidAddress = 487;

[[noreturn]] void fatal(const char* what) {
  std::fprintf(stderr, "pe_loader: %s\n", what);
  std::fflush(stderr);
  std::abort();
}

// ---- kernel32 ----

// CRITICAL_SECTION is 24 bytes of the image's; its first word holds our mutex.
struct CriticalSection {
  std::recursive_mutex* mutex;
  uint32_t unused[5];
};
static_assert(sizeof(CriticalSection) == 24);

void WINAPI initialize_critical_section(CriticalSection* section) { section->mutex = new std::recursive_mutex; }
void WINAPI delete_critical_section(CriticalSection* section) {
  delete section->mutex;
  section->mutex = nullptr;
}
void WINAPI enter_critical_section(CriticalSection* section) { section->mutex->lock(); }
void WINAPI leave_critical_section(CriticalSection* section) { section->mutex->unlock(); }

uint32_t WINAPI get_last_error() { return last_error(); }
void WINAPI set_last_error_stand_in(uint32_t code) { set_last_error(code); }
void WINAPI sleep(uint32_t milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// There is no TlsAlloc here, so no slot the image can name was ever set.
void* WINAPI tls_get_value(uint32_t index) {
  set_last_error(index < 1088 ? 0 : kErrorInvalidParameter);
  return nullptr;
}

void* module_handle(const char* name) {
  if (Module* m = name != nullptr ? module_named(name) : nullptr) return m->base;
  set_last_error(kErrorModNotFound);
  return nullptr;
}
void* WINAPI get_module_handle_a(const char* name) { return module_handle(name); }
void* WINAPI get_module_handle_w(const uint16_t* name) {
  if (name == nullptr) return module_handle(nullptr);
  std::string narrow;
  for (; *name != 0; ++name) narrow += *name < 0x80 ? static_cast<char>(*name) : '?';
  return module_handle(narrow.c_str());
}
void* WINAPI load_library_a(const char* name) { return module_handle(name); }  // only images already loaded

Module* module_at(void* handle) {
  Module* m = module_containing(reinterpret_cast<uintptr_t>(handle));
  return m != nullptr && m->base == handle ? m : nullptr;
}
int WINAPI free_library(void* handle) {
  if (module_at(handle) != nullptr) return 1;
  set_last_error(kErrorInvalidHandle);
  return 0;
}
void* WINAPI get_proc_address(void* handle, const char* name) {
  auto ordinal = reinterpret_cast<uintptr_t>(name);
  Module* m = module_at(handle);
  void* address = m == nullptr        ? nullptr
                  : ordinal < 0x10000 ? export_address(*m, {}, static_cast<uint16_t>(ordinal))
                                      : export_address(*m, name, 0);
  if (address == nullptr) set_last_error(kErrorProcNotFound);
  return address;
}

struct MemoryBasicInformation {
  uint32_t base_address, allocation_base, allocation_protect, region_size, state, protect, type;
};
constexpr uint32_t kMemCommit = 0x1000, kMemImage = 0x1000000, kPageExecuteWriteCopy = 0x80;

// Only image memory is known here; anything else fails rather than be made up.
uint32_t WINAPI virtual_query(const void* address, MemoryBasicInformation* info, uint32_t length) {
  Module* m = module_containing(reinterpret_cast<uintptr_t>(address));
  if (m == nullptr || length < sizeof *info) {
    set_last_error(kErrorInvalidParameter);
    return 0;
  }
  size_t page = (static_cast<const uint8_t*>(address) - m->base) / kPageSize, end = page;
  while (end < m->page_protection.size() && m->page_protection[end] == m->page_protection[page]) ++end;
  auto at = [](const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); };
  *info = {at(m->base + page * kPageSize),
           at(m->base),
           kPageExecuteWriteCopy,
           static_cast<uint32_t>((end - page) * kPageSize),
           kMemCommit,
           m->page_protection[page],
           kMemImage};
  return sizeof *info;
}

int WINAPI virtual_protect(void* address, uint32_t bytes, uint32_t protection, uint32_t* old_protection) {
  Module* m = module_containing(reinterpret_cast<uintptr_t>(address));
  if (m == nullptr || !protect(*m, reinterpret_cast<uintptr_t>(address), bytes, protection, old_protection)) {
    set_last_error(kErrorInvalidAddress);
    return 0;
  }
  return 1;
}

// The system code page here is ISO 8859-1: every byte is the character of its number.
bool single_byte_code_page(uint32_t code_page) {
  return code_page == 0 /* CP_ACP */ || code_page == 1 /* CP_OEMCP */ || code_page == 3 /* CP_THREAD_ACP */ ||
         code_page == 28591;
}

int WINAPI multi_byte_to_wide_char(uint32_t code_page, uint32_t /*flags*/, const char* text, int bytes, uint16_t* wide,
                                   int capacity) {
  if (!single_byte_code_page(code_page) || text == nullptr || bytes == 0 || capacity < 0) {
    set_last_error(kErrorInvalidParameter);
    return 0;
  }
  size_t count = bytes < 0 ? std::strlen(text) + 1 : static_cast<size_t>(bytes);
  if (capacity == 0) return static_cast<int>(count);
  if (count > static_cast<size_t>(capacity)) {
    set_last_error(kErrorInsufficientBuffer);
    return 0;
  }
  for (size_t i = 0; i < count; ++i) wide[i] = static_cast<uint8_t>(text[i]);
  return static_cast<int>(count);
}

int WINAPI wide_char_to_multi_byte(uint32_t code_page, uint32_t /*flags*/, const uint16_t* wide, int count, char* text,
                                   int capacity, const char* default_char, int* used_default) {
  if (!single_byte_code_page(code_page) || wide == nullptr || count == 0 || capacity < 0) {
    set_last_error(kErrorInvalidParameter);
    return 0;
  }
  size_t n = 0;
  if (count < 0)
    while (wide[n++] != 0) {
    }
  else
    n = static_cast<size_t>(count);
  if (capacity != 0 && n > static_cast<size_t>(capacity)) {
    set_last_error(kErrorInsufficientBuffer);
    return 0;
  }
  bool defaulted = false;
  for (size_t i = 0; i < n; ++i) {
    bool fits = wide[i] <= 0xFF;
    defaulted |= !fits;
    if (capacity != 0) text[i] = fits ? static_cast<char>(wide[i]) : default_char != nullptr ? *default_char : '?';
  }
  if (used_default != nullptr) *used_default = defaulted;
  return static_cast<int>(n);
}

int WINAPI is_dbcs_lead_byte_ex(uint32_t /*code_page*/, uint8_t /*byte*/) { return 0; }

// ---- msvcrt ----

struct MsvcrtFile {  // msvcrt's FILE; the image only ever takes the address of _iob[n]
  char* ptr;
  int count;
  char* base;
  int flag;
  int file;
  int charbuf;
  int bufsiz;
  char* tmpfname;
};
static_assert(sizeof(MsvcrtFile) == 32);
std::array<MsvcrtFile, 20> crt_iob = [] {
  std::array<MsvcrtFile, 20> iob{};
  for (int i = 0; i < 3; ++i) iob[static_cast<size_t>(i)].file = i;
  return iob;
}();

FILE* stream(MsvcrtFile* file) {
  if (file == &crt_iob[0]) return stdin;
  if (file == &crt_iob[1]) return stdout;
  if (file == &crt_iob[2]) return stderr;
  fatal("the image used a FILE that is not stdin, stdout or stderr");
}

int CRTAPI crt_fputc(int c, MsvcrtFile* file) { return std::fputc(c, stream(file)); }
int CRTAPI crt_fputs(const char* text, MsvcrtFile* file) { return std::fputs(text, stream(file)); }
size_t CRTAPI crt_fwrite(const void* data, size_t size, size_t count, MsvcrtFile* file) {
  return std::fwrite(data, size, count, stream(file));
}
int CRTAPI crt_fflush(MsvcrtFile* file) { return std::fflush(file != nullptr ? stream(file) : nullptr); }
int CRTAPI crt_getc(MsvcrtFile* file) { return std::getc(stream(file)); }
int CRTAPI crt_ungetc(int c, MsvcrtFile* file) { return std::ungetc(c, stream(file)); }
// The runtime's own messages use only %s, %d and %p, which read alike in both.
int CRTAPI crt_vfprintf(MsvcrtFile* file, const char* format, va_list arguments) {
  return std::vfprintf(stream(file), format, arguments);
}
MsvcrtFile* CRTAPI crt_iob_func() { return crt_iob.data(); }

int crt_mb_cur_max = 1;
int CRTAPI crt_mb_cur_max_func() { return 1; }
unsigned CRTAPI crt_lc_codepage_func() { return 0; }

[[noreturn]] void CRTAPI crt_amsg_exit(int code) {
  char text[64];
  std::snprintf(text, sizeof text, "the image's C runtime gave up (_amsg_exit %d)", code);
  fatal(text);
}

using Initializer = void (*)();
void CRTAPI crt_initterm(Initializer* begin, Initializer* end) {
  for (; begin < end; ++begin)
    if (*begin != nullptr) (*begin)();
}

std::array<std::recursive_mutex, 64> crt_locks;
std::recursive_mutex& crt_lock_at(int number) {
  if (number < 0 || static_cast<size_t>(number) >= crt_locks.size()) fatal("_lock with an unknown lock number");
  return crt_locks[static_cast<size_t>(number)];
}
void CRTAPI crt_lock(int number) { crt_lock_at(number).lock(); }
void CRTAPI crt_unlock(int number) { crt_lock_at(number).unlock(); }

// msvcrt's struct lconv: ten strings, then eight chars.
struct MsvcrtLconv {
  char *decimal_point, *thousands_sep, *grouping, *int_curr_symbol, *currency_symbol, *mon_decimal_point,
      *mon_thousands_sep, *mon_grouping, *positive_sign, *negative_sign;
  char int_frac_digits, frac_digits, p_cs_precedes, p_sep_by_space, n_cs_precedes, n_sep_by_space, p_sign_posn,
      n_sign_posn;
};
char crt_decimal_point[8] = ".";
char crt_empty[1] = "";
MsvcrtLconv crt_lconv = {crt_decimal_point, crt_empty, crt_empty, crt_empty, crt_empty, crt_empty,
                         crt_empty,         crt_empty, crt_empty, crt_empty, CHAR_MAX,  CHAR_MAX,
                         CHAR_MAX,          CHAR_MAX,  CHAR_MAX,  CHAR_MAX,  CHAR_MAX,  CHAR_MAX};
MsvcrtLconv* CRTAPI crt_localeconv() { return &crt_lconv; }

// msvcrt numbers its categories LC_ALL 0 to LC_TIME 5, unlike glibc. Only the
// "C" locale exists; the process's own locale is never touched.
char crt_c_locale[] = "C";
char* CRTAPI crt_setlocale(int category, const char* locale) {
  if (category < 0 || category > 5) return nullptr;
  return locale == nullptr || *locale == 0 || std::strcmp(locale, "C") == 0 ? crt_c_locale : nullptr;
}

size_t CRTAPI crt_wcslen(const uint16_t* text) {  // wchar_t is 16 bits there
  size_t n = 0;
  while (text[n] != 0) ++n;
  return n;
}

struct StandIn {
  const char* dll;
  const char* name;
  void* address;
};

template <typename F>
void* address(F f) {
  return reinterpret_cast<void*>(f);
}

const std::vector<StandIn>& stand_ins() {
  using Math1 = double (*)(double);
  using Math2 = double (*)(double, double);
  using Find = const char* (*)(const char*, int);
  static const std::vector<StandIn> table = {
      {"kernel32.dll", "DeleteCriticalSection", address(&delete_critical_section)},
      {"kernel32.dll", "EnterCriticalSection", address(&enter_critical_section)},
      {"kernel32.dll", "FreeLibrary", address(&free_library)},
      {"kernel32.dll", "GetLastError", address(&get_last_error)},
      {"kernel32.dll", "GetModuleHandleA", address(&get_module_handle_a)},
      {"kernel32.dll", "GetModuleHandleW", address(&get_module_handle_w)},
      {"kernel32.dll", "GetProcAddress", address(&get_proc_address)},
      {"kernel32.dll", "InitializeCriticalSection", address(&initialize_critical_section)},
      {"kernel32.dll", "IsDBCSLeadByteEx", address(&is_dbcs_lead_byte_ex)},
      {"kernel32.dll", "LeaveCriticalSection", address(&leave_critical_section)},
      {"kernel32.dll", "LoadLibraryA", address(&load_library_a)},
      {"kernel32.dll", "MultiByteToWideChar", address(&multi_byte_to_wide_char)},
      {"kernel32.dll", "SetLastError", address(&set_last_error_stand_in)},
      {"kernel32.dll", "Sleep", address(&sleep)},
      {"kernel32.dll", "TlsGetValue", address(&tls_get_value)},
      {"kernel32.dll", "VirtualProtect", address(&virtual_protect)},
      {"kernel32.dll", "VirtualQuery", address(&virtual_query)},
      {"kernel32.dll", "WideCharToMultiByte", address(&wide_char_to_multi_byte)},
      // msvcrt: ours
      {"msvcrt.dll", "__iob_func", address(&crt_iob_func)},
      {"msvcrt.dll", "__mb_cur_max", &crt_mb_cur_max},
      {"msvcrt.dll", "___lc_codepage_func", address(&crt_lc_codepage_func)},
      {"msvcrt.dll", "___mb_cur_max_func", address(&crt_mb_cur_max_func)},
      {"msvcrt.dll", "_amsg_exit", address(&crt_amsg_exit)},
      {"msvcrt.dll", "_initterm", address(&crt_initterm)},
      {"msvcrt.dll", "_iob", crt_iob.data()},
      {"msvcrt.dll", "_lock", address(&crt_lock)},
      {"msvcrt.dll", "_unlock", address(&crt_unlock)},
      {"msvcrt.dll", "fflush", address(&crt_fflush)},
      {"msvcrt.dll", "fputc", address(&crt_fputc)},
      {"msvcrt.dll", "fputs", address(&crt_fputs)},
      {"msvcrt.dll", "fwrite", address(&crt_fwrite)},
      {"msvcrt.dll", "getc", address(&crt_getc)},
      {"msvcrt.dll", "localeconv", address(&crt_localeconv)},
      {"msvcrt.dll", "setlocale", address(&crt_setlocale)},
      {"msvcrt.dll", "ungetc", address(&crt_ungetc)},
      {"msvcrt.dll", "vfprintf", address(&crt_vfprintf)},
      {"msvcrt.dll", "wcslen", address(&crt_wcslen)},
      // msvcrt: glibc's, same arguments, results and errno
      {"msvcrt.dll", "_errno", address(&__errno_location)},
      {"msvcrt.dll", "_strdup", address(&strdup)},
      {"msvcrt.dll", "_stricmp", address(&strcasecmp)},
      {"msvcrt.dll", "_strnicmp", address(&strncasecmp)},
      {"msvcrt.dll", "abort", address(&abort)},
      {"msvcrt.dll", "abs", address(static_cast<int (*)(int)>(&abs))},
      {"msvcrt.dll", "atoi", address(&atoi)},
      {"msvcrt.dll", "atol", address(&atol)},
      {"msvcrt.dll", "bsearch", address(&bsearch)},
      {"msvcrt.dll", "calloc", address(&calloc)},
      {"msvcrt.dll", "free", address(&free)},
      {"msvcrt.dll", "labs", address(&labs)},
      {"msvcrt.dll", "malloc", address(&malloc)},
      {"msvcrt.dll", "memchr", address(static_cast<const void* (*)(const void*, int, size_t)>(&memchr))},
      {"msvcrt.dll", "memcmp", address(&memcmp)},
      {"msvcrt.dll", "memcpy", address(&memcpy)},
      {"msvcrt.dll", "memmove", address(&memmove)},
      {"msvcrt.dll", "memset", address(&memset)},
      {"msvcrt.dll", "qsort", address(&qsort)},
      {"msvcrt.dll", "realloc", address(&realloc)},
      {"msvcrt.dll", "strcat", address(&strcat)},
      {"msvcrt.dll", "strchr", address(static_cast<Find>(&strchr))},
      {"msvcrt.dll", "strcmp", address(&strcmp)},
      {"msvcrt.dll", "strcpy", address(&strcpy)},
      {"msvcrt.dll", "strerror", address(&strerror)},
      {"msvcrt.dll", "strlen", address(&strlen)},
      {"msvcrt.dll", "strncat", address(&strncat)},
      {"msvcrt.dll", "strncmp", address(&strncmp)},
      {"msvcrt.dll", "strncpy", address(&strncpy)},
      {"msvcrt.dll", "strrchr", address(static_cast<Find>(&strrchr))},
      {"msvcrt.dll", "strstr", address(static_cast<const char* (*)(const char*, const char*)>(&strstr))},
      {"msvcrt.dll", "strtol", address(&strtol)},
      {"msvcrt.dll", "strtoul", address(&strtoul)},
      {"msvcrt.dll", "isalnum", address(&isalnum)},
      {"msvcrt.dll", "isalpha", address(&isalpha)},
      {"msvcrt.dll", "iscntrl", address(&iscntrl)},
      {"msvcrt.dll", "isdigit", address(&isdigit)},
      {"msvcrt.dll", "isgraph", address(&isgraph)},
      {"msvcrt.dll", "islower", address(&islower)},
      {"msvcrt.dll", "isprint", address(&isprint)},
      {"msvcrt.dll", "ispunct", address(&ispunct)},
      {"msvcrt.dll", "isspace", address(&isspace)},
      {"msvcrt.dll", "isupper", address(&isupper)},
      {"msvcrt.dll", "isxdigit", address(&isxdigit)},
      {"msvcrt.dll", "tolower", address(&tolower)},
      {"msvcrt.dll", "toupper", address(&toupper)},
      {"msvcrt.dll", "acos", address(static_cast<Math1>(&acos))},
      {"msvcrt.dll", "asin", address(static_cast<Math1>(&asin))},
      {"msvcrt.dll", "atan", address(static_cast<Math1>(&atan))},
      {"msvcrt.dll", "atan2", address(static_cast<Math2>(&atan2))},
      {"msvcrt.dll", "ceil", address(static_cast<Math1>(&ceil))},
      {"msvcrt.dll", "cos", address(static_cast<Math1>(&cos))},
      {"msvcrt.dll", "exp", address(static_cast<Math1>(&exp))},
      {"msvcrt.dll", "fabs", address(static_cast<Math1>(&fabs))},
      {"msvcrt.dll", "floor", address(static_cast<Math1>(&floor))},
      {"msvcrt.dll", "fmod", address(static_cast<Math2>(&fmod))},
      {"msvcrt.dll", "log", address(static_cast<Math1>(&log))},
      {"msvcrt.dll", "log10", address(static_cast<Math1>(&log10))},
      {"msvcrt.dll", "pow", address(static_cast<Math2>(&pow))},
      {"msvcrt.dll", "sin", address(static_cast<Math1>(&sin))},
      {"msvcrt.dll", "sqrt", address(static_cast<Math1>(&sqrt))},
      {"msvcrt.dll", "tan", address(static_cast<Math1>(&tan))},
  };
  return table;
}

}  // namespace

void* detail::find_stand_in(std::string_view dll, std::string_view name) {
  for (const StandIn& s : stand_ins())
    if (s.name == name && same_dll(s.dll, dll)) return s.address;
  return nullptr;
}

void set_crt_decimal_point(const char* point) {
  std::snprintf(crt_decimal_point, sizeof crt_decimal_point, "%s", point);
}

}  // namespace corvane::pe
