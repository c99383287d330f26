#include "batch/Messages.h"

namespace quorvane::batch {

namespace {

std::string WithPath(std::string_view before, std::string_view path, std::string_view after) {
    std::string text;
    text.reserve(before.size() + path.size() + after.size());
    text.append(before).append(path).append(after);
    return text;
}

}  // namespace

std::string MsgFileNotExist(std::string_view path) {
    return WithPath("Sorry, Specified File '", path, "' is Not Exist!");
}

std::string MsgOpenFailed(std::string_view path) {
    return WithPath("Open File '", path, "' Failed!");
}

std::string MsgWriteFailed(std::string_view path) {
    return WithPath("Write File '", path, "' Failed!");
}

std::string MsgOutputIsInput(std::string_view path) {
    return WithPath("Output File '", path, "' is the Input File!");
}

}  // namespace quorvane::batch
