#include "base/paths.h"

#include "base/files.h"

namespace kv {

std::filesystem::path Paths::asset(const std::string& literal) const {
    return gamePath(assets_, literal);
}

std::filesystem::path Paths::data(const std::string& literal) const {
    return gamePath(data_, literal);
}

}  // namespace kv
