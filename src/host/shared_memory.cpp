#include "host/shared_memory.h"

namespace corvane {

void shared_block_open(SharedBlock* block, const char* name, uint32_t size) {
  if (block->view != nullptr) {
    return;
  }
  block->mapping = CreateFileMappingA(invalid_handle_value(), nullptr, kPageReadWrite, 0, size, name);
  if (block->mapping == nullptr) {
    return;
  }
  block->view = static_cast<uint8_t*>(MapViewOfFile(block->mapping, kFileMapAllAccess, 0, 0, size));
  if (block->view == nullptr) {
    CloseHandle(block->mapping);
    block->mapping = nullptr;
  }
}

void shared_block_close(SharedBlock* block) {
  if (block->view != nullptr) {
    UnmapViewOfFile(block->view);
    block->view = nullptr;
  }
  if (block->mapping != nullptr) {
    CloseHandle(block->mapping);
    block->mapping = nullptr;
  }
}

}  // namespace corvane
