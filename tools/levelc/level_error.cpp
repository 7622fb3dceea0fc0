#include "level_error.h"

namespace kv::levelc {

LevelError::LevelError(const std::string& file, const std::string& what)
    : std::runtime_error(file + ": " + what), file_(file) {}

LevelError::LevelError(const std::string& file, Position at, const std::string& what)
    : std::runtime_error(file + " at (" + std::to_string(at.x) + ", " + std::to_string(at.y) +
                         "): " + what),
      file_(file),
      position_(at) {}

}  // namespace kv::levelc
