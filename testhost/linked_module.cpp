// For executables that link the module itself rather than loading it.
#include "corvane_testhost/test_host.h"
#include "module/linkage.h"

namespace corvane::testhost {
ModuleView linked_module() { return ModuleView{&ImportTable, &Linkage}; }
}  // namespace corvane::testhost
