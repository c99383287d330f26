// The expression engine: evaluates the text of one line to a double.
//
// A line is cut into tokens (StripComment, SplitLine, BuildTokens), put into
// postfix order (ToPostfix) and walked on an operand stack
// (EvaluateStatements), each operation writing its result into the record of
// its left operand. Every line gets a fresh engine and a fresh variable list.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "ExprItem.h"
#include "VariableList.h"
#include "engine/Evaluate.h"

namespace quorvane::engine {

inline constexpr int kListRoom = 512;  // tokens of one line
// Each token of a line is pushed at most once.
inline constexpr int kOperatorStackRoom = kListRoom;
inline constexpr std::int16_t kSignPrec = 8;  // a prefix "+" or "-" on the converter's stack
// Bytes after the NUL of a text given to the lexer that may be read: it
// reads a text eight bytes at a time.
inline constexpr std::size_t kTextPadding = 8;

// The `form` of a raw token whose text is a number literal of digits alone.
inline constexpr std::uint8_t kIntegerText = 0xFD;
// The `form` of a raw token whose text is a number literal with a dot:
// digits and dots.
inline constexpr std::uint8_t kNumberText = 0xFE;
// The `form` of a raw token whose text is a name (which may still be one of
// the table's).
inline constexpr std::uint8_t kNameText = 0xFF;

// Where a raw token stands in the line: its text is `length` bytes from the
// 1-based `column`. Its form is what the cut knows of the text: the index of
// the table row of an operator character, kIntegerText, kNumberText or
// kNameText.
struct RawToken {
    std::uint16_t column;
    std::uint8_t length;
    std::uint8_t form;
};

// A raw token's fields lie as a token's column, length and row do, so that
// BuildTokens copies them over in one piece.
static_assert(sizeof(RawToken) == 4 && offsetof(RawToken, length) == 2 &&
              offsetof(RawToken, form) == 3);
static_assert(offsetof(ExprItem, length) - offsetof(ExprItem, column) == 2 &&
              offsetof(ExprItem, row) - offsetof(ExprItem, column) == 3);

// The raw tokens of one line. Left uninitialised: only the first `count`
// slots are ever read.
struct RawTokenList {
    std::int32_t count;
    RawToken tokens[kListRoom];
};

// A column fits in a token.
static_assert(kLineLimit + 1 <= std::numeric_limits<std::uint16_t>::max());
static_assert(kTokenLimit <= std::numeric_limits<std::uint8_t>::max());

// Tokens of one line, in written order or in postfix order.
struct TokenList {
    std::int32_t count;
    ExprItem items[kListRoom];
};

// A stack of record pointers that does not own the records.
template <int Room>
struct ItemStack {
    std::int32_t count;
    ExprItem* items[Room];
};

// The callers' bounds keep the stacks from filling up; debug builds check them.
template <int Room>
inline void PushItem(ItemStack<Room>& stack, ExprItem* item) {
    assert(stack.count < Room);
    stack.items[stack.count++] = item;
}

template <int Room>
inline ExprItem* PopItem(ItemStack<Room>& stack) {
    if (stack.count <= 0) return nullptr;
    return stack.items[--stack.count];
}

// Appends a whole copy of the record to the list.
inline std::int32_t AppendItem(TokenList& list, const ExprItem& item) {
    assert(list.count < kListRoom);
    list.items[list.count++] = item;
    return 1;
}

// The statements of a line: the front gives it the line's one postfix list.
struct StatementList {
    TokenList& postfix;
};

// The value of an operand: a variable token that holds no result of its own
// reads its variable record, every other record its own value.
inline double OperandValue(const ExprItem& item) {
    if (item.kind == KIND_VARIABLE && !HoldsOwnValue(item)) return item.ref->value;
    return item.value;
}

// Why the step that failed last did so, and the column of the token at fault
// (0 when there is none).
struct StepFailure {
    FailureReason reason = FailureReason::None;
    std::int32_t column = 0;
};

// The steps return 1 for success and 0 for failure; a step that fails for a
// reason of the line records it (LastFailure).
class CExprEngine {
  public:
    // The engine works on the given list of the line's variables and, when
    // given a list for them, notes the line's warnings in it.
    explicit CExprEngine(VariableList& variables, std::vector<LineWarning>* warnings = nullptr)
        : m_variables(variables), m_warnings(warnings) {}
    CExprEngine(const CExprEngine&) = delete;
    CExprEngine& operator=(const CExprEngine&) = delete;

    // Variable store of the current line. FindOrAddVariable stays out of
    // the lexer's loop, which meets names far less often than operators and
    // numbers (inlined there, the loop's registers spill).
    [[gnu::noinline]] ExprItem* FindOrAddVariable(std::string_view name);
    std::int32_t SetVariable(std::string_view name, double x);

    // Lexer. The texts given to StripComment and SplitLine are followed,
    // after their NUL, by kTextPadding bytes that may be read. StripComment
    // ends the text at its first NUL, newline or "//" and returns the length
    // left.
    static std::size_t StripComment(char* text);
    // The text holds at most kLineLimit characters. The tokens name their
    // texts in it: it must outlive them.
    std::int32_t SplitLine(const char* text, RawTokenList& raw);
    std::int32_t BuildTokens(const RawTokenList& raw, TokenList& tokens);

    // The text of a token of the line last cut.
    std::string_view TokenText(const ExprItem& token) const {
        return {m_text + token.column - 1, token.length};
    }

    // Converter. Sign tokens of the infix list are marked as one-operand
    // prefix operators on the way. Returns 0, recording no failure, when it
    // stops at a ")" without its "(". Notes an operand that follows another
    // and the ")" it stops at.
    std::int32_t ToPostfix(TokenList& infix, TokenList& postfix);

    // Front.
    std::int32_t ParseLine(std::string_view text, TokenList& postfix);
    std::int32_t EvaluateStatements(StatementList& statements, double& value);
    static std::int32_t ResetVariableTokens(StatementList& statements);

    // Arithmetic of one operator, function or sign, the one of its table row.
    // Notes an assignment to a left operand that is not a name.
    double ApplyOperation(const ExprItem& op, ExprItem& first, const ExprItem* second);

    // Notes the names of the postfix list to which nothing was assigned, each
    // at its first token. For after the evaluation: it marks their records.
    void NoteUnassignedNames(const TokenList& postfix);

    const StepFailure& LastFailure() const { return m_failure; }

  private:
    // Stores b, the right operand of the assignment `op`, into the variable
    // of its left operand.
    void Assign(const ExprItem& op, const ExprItem& first, double b);

    // Records why the line fails and returns 0, the status of a failed step.
    // Failures are rare: their paths are kept apart from the steps' loops.
    [[gnu::cold]] std::int32_t Fail(FailureReason reason, std::int32_t column) {
        m_failure = {reason, column};
        return 0;
    }

    // Notes a warning at the token, when the line's warnings are wanted.
    void Warn(WarningKind kind, const ExprItem& token) {
        if (m_warnings != nullptr) AddWarning(kind, token);
    }
    [[gnu::cold]] [[gnu::noinline]] void AddWarning(WarningKind kind, const ExprItem& token);
    [[gnu::cold]] void NoteMissingOperators(const TokenList& infix, std::int32_t count);

    VariableList& m_variables;
    std::vector<LineWarning>* m_warnings;
    StepFailure m_failure;
    // The text that SplitLine cut last; in a parse, the private copy below.
    const char* m_text = m_line;
    // The private copy of the line that ParseLine cuts, which lives as long
    // as the line's tokens: no more than the line limit and the two bytes of
    // a comment mark right after it (anything longer fails the line), its NUL
    // and the padding that the lexer reads.
    char m_line[kLineLimit + 3 + kTextPadding];
};

}  // namespace quorvane::engine
