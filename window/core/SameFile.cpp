#include "SameFile.h"

#include <filesystem>
#include <system_error>

#include "FileIo.h"

namespace {

std::filesystem::path NormalPath(const std::string& name, std::error_code& error) {
    return std::filesystem::absolute(std::filesystem::path(name), error).lexically_normal();
}

}  // namespace

bool NameSameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code errorA;
    std::error_code errorB;
    const std::filesystem::path normalA = NormalPath(a, errorA);
    const std::filesystem::path normalB = NormalPath(b, errorB);
    if (!errorA && !errorB && normalA == normalB) return true;
    return IsSameFile(a, b);
}
