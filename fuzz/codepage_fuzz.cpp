// The code page at the file boundary: every byte comes back, any UTF-8 converts.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (kv::utf8ToCp1250(kv::cp1250ToUtf8(bytes)) != bytes) __builtin_trap();
    const std::string stored = kv::utf8ToCp1250(bytes);
    if (kv::utf8ToCp1250(kv::cp1250ToUtf8(stored)) != stored) __builtin_trap();
    const std::string valid = kv::validUtf8(bytes);
    if (kv::validUtf8(valid) != valid) __builtin_trap();
    return 0;
}
