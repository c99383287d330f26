#include "batch/SameFile.h"

#include <exception>
#include <filesystem>
#include <optional>
#include <system_error>

#include "batch/FileIo.h"

namespace quorvane::batch {

namespace {

// Where narrow names are converted to wide ones (Windows), a name that does
// not convert throws; it then has no normal spelling and only identity counts.
std::filesystem::path NormalPath(const std::string& name, std::error_code& error) {
    try {
        return std::filesystem::absolute(std::filesystem::path(name), error).lexically_normal();
    } catch (const std::exception&) {
        error = std::make_error_code(std::errc::illegal_byte_sequence);
        return {};
    }
}

}  // namespace

bool NameSameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code errorA;
    std::error_code errorB;
    const std::filesystem::path normalA = NormalPath(a, errorA);
    const std::filesystem::path normalB = NormalPath(b, errorB);
    if (!errorA && !errorB && normalA == normalB) return true;
    const std::optional<FileIdentity> identityA = IdentityOf(a);
    return identityA && identityA == IdentityOf(b);
}

}  // namespace quorvane::batch
