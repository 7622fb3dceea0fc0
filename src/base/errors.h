#pragma once
#include <stdexcept>
#include <string>

namespace kv {

// A file the game needs is missing, unreadable or malformed. The message names the file.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace kv
