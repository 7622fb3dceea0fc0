// The settings file: any bytes read without harm, and a rewrite keeps what it wrote readable.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const char* key : {"firstrun", "speed", "Nastaveni9"})
        (void)kv::profileValue(bytes, "KV", key, "default", 9);
    const auto rewritten =
        kv::rewrittenProfile(bytes, "KV", {{"speed", "777"}, {"Nastaveni4", "udělán"}});
    if (!rewritten) return 0;  // UTF-16: left alone
    if (kv::profileValue(*rewritten, "KV", "speed", "") != "777") __builtin_trap();
    if (kv::profileValue(*rewritten, "KV", "Nastaveni4", "") != "udělán") __builtin_trap();
    return 0;
}
