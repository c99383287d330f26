// The output text of the records and the bytes of the output file: the
// output text as a text-mode stream writes it (each LF becomes CR LF), then
// one CR LF that ends the file.
#pragma once

#include <string>
#include <string_view>

namespace quorvane::batch {

// An output record, in the output text: the line, kRecordSeparator, the
// value and kRecordEnd.
inline constexpr std::string_view kRecordSeparator = " = ";
inline constexpr std::string_view kRecordEnd = "\r\n\r\n";
// kRecordEnd as it goes to disk.
inline constexpr std::string_view kRecordEndBytes = "\r\r\n\r\r\n";

// Appends the output text as it goes to disk.
void AppendOutputBytes(std::string& bytes, std::string_view outputText);

// The line end written after the last record.
inline constexpr std::string_view kOutputFileEnd = "\r\n";

// The whole file for an output text.
std::string OutputFileBytes(std::string_view outputText);

}  // namespace quorvane::batch
