#include "compiler.h"

#include "base/bmp.h"
#include "level_error.h"
#include "levels/object_tables.h"
#include "rules.h"
#include "title.h"

namespace kv::levelc {

CompiledLevel compileLevel(const LevelMap& map, bool searchPaths) {
    if (map.number < 1 || map.number > kLevelCount)
        throw LevelError(map.fileName, "there is no level " + std::to_string(map.number) +
                                           " (levels are 1 to " + std::to_string(kLevelCount) +
                                           ")");
    CompiledLevel out;
    out.number = map.number;
    out.pictures = renderLevel(map);
    checkLevel(map, out.pictures, levelObjects(map.number), searchPaths);
    out.title = renderTitle(map, out.pictures);
    return out;
}

void writeLevel(const CompiledLevel& level, const std::filesystem::path& folder) {
    const std::string n = std::to_string(level.number);
    saveBmp(level.pictures.background, folder / ("episode" + n + ".lev"));
    // Masks hold a handful of colours: paletted, they are a third of the size and load faster.
    saveBmpPaletted(level.pictures.mask, folder / ("episode" + n + "mask.lev"));
    saveBmp(level.title, folder / ("e" + n + ".lev"));
}

}  // namespace kv::levelc
