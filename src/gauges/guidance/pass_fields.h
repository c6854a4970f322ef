// The "key=value" text fields that the EFIS panel and the flight director
// switch share with another module's display. The other side may write
// anything into a field, so every read stays within the field's bytes.
#pragma once

#include <cstdint>

namespace corvane {

// Copies a field out of the block into a text of size + 1 bytes, which always
// ends up terminated.
void pass_field_read(char* text, const uint8_t* field, uint32_t size);
// Copies a text into a field: at most size bytes, zero-padded after the text.
void pass_field_write(uint8_t* field, const char* text, uint32_t size);

// The value part of a field from character index `from` on, read as strtol
// would (leading blanks, a sign, then digits) but never beyond `size` bytes and
// saturating instead of overflowing; no digits read as 0.
int32_t pass_field_decimal(const char* text, uint32_t from, uint32_t size);
// The same in hexadecimal, an "0x" prefix allowed after the sign.
uint32_t pass_field_hex(const char* text, uint32_t from, uint32_t size);

}  // namespace corvane
