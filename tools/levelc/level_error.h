#pragma once
// A map the compiler refuses: the message names the map file and, where there is one, the
// level position of the fault.
#include <optional>
#include <stdexcept>
#include <string>

namespace kv::levelc {

struct Position {
    int x;
    int y;
};

class LevelError : public std::runtime_error {
  public:
    LevelError(const std::string& file, const std::string& what);
    LevelError(const std::string& file, Position at, const std::string& what);

    const std::string& file() const { return file_; }
    const std::optional<Position>& position() const { return position_; }

  private:
    std::string file_;
    std::optional<Position> position_;
};

}  // namespace kv::levelc
