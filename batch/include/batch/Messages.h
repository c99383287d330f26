// The calculator's messages, in its own words.
#pragma once

#include <string>
#include <string_view>

namespace quorvane::batch {

inline constexpr std::string_view kMsgInputExpression = "Please input an expression!";
inline constexpr std::string_view kMsgInputFileName = "Please Input File Name!";
inline constexpr std::string_view kMsgInputFileInvalid = "Input File is Invalid!";

std::string MsgFileNotExist(std::string_view path);   // "Sorry, Specified File '%s' is Not Exist!"
std::string MsgOpenFailed(std::string_view path);     // "Open File '%s' Failed!"
std::string MsgWriteFailed(std::string_view path);    // "Write File '%s' Failed!"
std::string MsgOutputIsInput(std::string_view path);  // "Output File '%s' is the Input File!"

}  // namespace quorvane::batch
