#include "batch/LineNote.h"

namespace quorvane::batch {

namespace {

std::string AtColumn(std::string words, std::int32_t column) {
    if (column > 0) words += " (column " + std::to_string(column) + ")";
    return words;
}

}  // namespace

std::string NoteText(const engine::LineOutcome& outcome,
                     std::span<const engine::LineWarning> warnings) {
    if (outcome.status == engine::LineStatus::Failure) {
        return AtColumn(std::string(engine::ReasonText(outcome.reason)), outcome.column);
    }
    if (warnings.empty()) return {};
    std::string note = AtColumn(engine::WarningText(warnings.front()), warnings.front().column);
    if (warnings.size() > 1) note += ", and " + std::to_string(warnings.size() - 1) + " more";
    return note;
}

}  // namespace quorvane::batch
