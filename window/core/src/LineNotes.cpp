#include "window/LineNotes.h"

#include <algorithm>

#include "window/TextLines.h"

namespace quorvane::window {

void LineNotes::Keep(std::string_view expressionText, std::string_view resultText,
                     std::vector<batch::LineNote> notes) {
    m_notes = std::move(notes);
    if (m_notes.empty()) {
        m_evaluatedText.clear();
        m_shownResult.clear();
        return;
    }
    m_evaluatedText.assign(expressionText);
    m_shownResult.assign(resultText);
}

std::optional<std::size_t> LineNotes::ShownResultLine(std::string_view resultText,
                                                      std::size_t index) const {
    const std::size_t number = LineNumberAt(resultText, index);
    if (!SameLine(resultText, m_shownResult, number)) return std::nullopt;
    return number - 1;
}

const batch::LineNote* LineNotes::AtResult(std::string_view resultText, std::size_t index) const {
    if (m_notes.empty()) return nullptr;
    const std::optional<std::size_t> line = ShownResultLine(resultText, index);
    if (!line) return nullptr;
    const auto found = std::ranges::lower_bound(m_notes, *line, {}, &batch::LineNote::resultLine);
    return found != m_notes.end() && found->resultLine == *line ? &*found : nullptr;
}

const batch::LineNote* LineNotes::Step(std::size_t batch::LineNote::*key, std::size_t line,
                                       StepDirection direction) const {
    if (direction == StepDirection::Forward) {
        const auto next = std::ranges::upper_bound(m_notes, line, {}, key);
        return next != m_notes.end() ? &*next : &m_notes.front();
    }
    const auto after = std::ranges::lower_bound(m_notes, line, {}, key);
    return after != m_notes.begin() ? &*std::prev(after) : &m_notes.back();
}

const batch::LineNote* LineNotes::StepFromExpression(std::string_view expressionText,
                                                     std::size_t index,
                                                     StepDirection direction) const {
    if (m_notes.empty()) return nullptr;
    return Step(&batch::LineNote::lineNumber, LineNumberAt(expressionText, index), direction);
}

const batch::LineNote* LineNotes::StepFromResult(std::string_view resultText, std::size_t index,
                                                 StepDirection direction) const {
    if (m_notes.empty()) return nullptr;
    const std::optional<std::size_t> line = ShownResultLine(resultText, index);
    if (!line) return nullptr;
    return Step(&batch::LineNote::resultLine, *line, direction);
}

std::optional<TokenPlace> LineNotes::TokenIn(std::string_view expressionText,
                                             const batch::LineNote& note) const {
    const std::optional<TextLine> line = SameLine(expressionText, m_evaluatedText, note.lineNumber);
    if (!line) return std::nullopt;
    if (note.column <= 0) return TokenPlace{line->start, 0};
    // The line holds the bytes it held when it was evaluated, so the token
    // lies within it.
    return TokenPlace{line->start + static_cast<std::size_t>(note.column - 1), note.tokenLength};
}

std::optional<std::size_t> LineNotes::ResultLineIn(std::string_view resultText,
                                                   const batch::LineNote& note) const {
    const std::optional<TextLine> line = SameLine(resultText, m_shownResult, note.resultLine + 1);
    if (!line) return std::nullopt;
    return line->start;
}

}  // namespace quorvane::window
