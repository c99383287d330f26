// The notes of the last "&Calc" and where they lead: each result line with a
// note stands for an expression line and the token at fault in it. The
// expression text as it was evaluated and the result text as it was shown
// are kept with the notes, and a note leads into a box only while the box
// still holds its line unchanged (same line number, same bytes): after an
// edit it leads nowhere rather than to a wrong place.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/LineNote.h"
#include "window/DialogWindow.h"

namespace quorvane::window {

// A part of the expression text, to be selected.
struct TokenPlace {
    std::size_t start;
    std::size_t length;
};

class LineNotes {
  public:
    // Replaces what is kept with the outcome of a run: the texts are kept
    // only where there is a note, so that a run without notes costs nothing.
    void Keep(std::string_view expressionText, std::string_view resultText,
              std::vector<batch::LineNote> notes);

    // The note of the result line that holds the index of `resultText`;
    // null when that line has none or the text no longer holds it as shown.
    const batch::LineNote* AtResult(std::string_view resultText, std::size_t index) const;
    // The note of the next (or, backward, the previous) noted line after the
    // expression line that holds the index of `expressionText`, wrapping
    // round; null when there is no note.
    const batch::LineNote* StepFromExpression(std::string_view expressionText, std::size_t index,
                                              StepDirection direction) const;
    // The same after the expression line that the result line holding the
    // index stands for; null also when `resultText` no longer holds that
    // result line as shown.
    const batch::LineNote* StepFromResult(std::string_view resultText, std::size_t index,
                                          StepDirection direction) const;

    // The note's token in `expressionText` (where its column is not known,
    // the start of its line); nothing when that text no longer holds the
    // note's line as it was evaluated.
    std::optional<TokenPlace> TokenIn(std::string_view expressionText,
                                      const batch::LineNote& note) const;
    // The start of the note's result line in `resultText`; nothing when that
    // text no longer holds it as shown.
    std::optional<std::size_t> ResultLineIn(std::string_view resultText,
                                            const batch::LineNote& note) const;

  private:
    // The result line (counted from 0) that holds the index, while
    // `resultText` holds it as shown.
    std::optional<std::size_t> ShownResultLine(std::string_view resultText,
                                               std::size_t index) const;
    // The first note past a line (or, backward, the last before it), by the
    // member `key` of the notes, which grows with their order; wrapping.
    // There must be a note.
    const batch::LineNote* Step(std::size_t batch::LineNote::*key, std::size_t line,
                                StepDirection direction) const;

    std::string m_evaluatedText;
    std::string m_shownResult;
    std::vector<batch::LineNote> m_notes;  // in the order of their lines
};

}  // namespace quorvane::window
