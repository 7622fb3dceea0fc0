// Level pictures and masks: any bytes give a picture or a FileError, nothing else.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/bmp.h"
#include "base/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        const kv::Surface picture = kv::decodeBmp(bytes, "fuzz.lev");
        // What was read is written and read back the same.
        if (!picture.empty() && std::int64_t{picture.width()} * picture.height() <= 1 << 16 &&
            kv::decodeBmp(kv::encodeBmpPaletted(picture), "again") != picture)
            __builtin_trap();
    } catch (const kv::FileError&) {
    }
    return 0;
}
