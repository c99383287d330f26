// The engine's entry point: one line of text in, its value or why it has none out.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "ExprEngine.h"
#include "OperatorTable.h"

namespace quorvane::engine {

namespace {

// True when the line holds nothing but blanks and tabs before its end (or
// first NUL), its first newline or its comment.
bool HoldsNothing(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t') continue;
        if (c == '\n' || c == '\0') return true;
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') return true;
        return false;
    }
    return true;
}

LineOutcome Failed(const StepFailure& failure) {
    return {LineStatus::Failure, 0.0, failure.reason, failure.column};
}

// The reason the operator refuses its right operand of value b, or None.
FailureReason Refusal(const ExprItem& op, double b) {
    switch (RowOf(op).right) {
        case RightOperand::Any:
            break;
        case RightOperand::Nonzero:
            if (b == 0.0) return FailureReason::DivisionByZero;
            break;
        case RightOperand::RoundsNonzero:
            // Rounded half away from zero, exactly those below 0.5 in size give 0.
            if (std::fabs(b) < 0.5) return FailureReason::RemainderByZero;
            break;
    }
    return FailureReason::None;
}

}  // namespace

std::int32_t CExprEngine::ParseLine(std::string_view text, TokenList& postfix) {
    const std::size_t copied = std::min(text.size(), static_cast<std::size_t>(kLineLimit + 2));
    if (copied != 0) std::memcpy(m_line, text.data(), copied);
    std::memset(m_line + copied, 0, 1 + kTextPadding);

    const std::size_t length = StripComment(m_line);
    if (length == 0) return Fail(FailureReason::MissingOperand, 0);  // an empty statement
    if (length > static_cast<std::size_t>(kLineLimit)) {
        return Fail(FailureReason::LineTooLong, kLineLimit + 1);
    }

    RawTokenList raw;
    std::int32_t status = SplitLine(m_line, raw);
    if (status != 1) return status;
    TokenList infix;
    status = BuildTokens(raw, infix);
    if (status != 1) return status;
    return ToPostfix(infix, postfix);
}

std::int32_t CExprEngine::ResetVariableTokens(StatementList& statements) {
    TokenList& list = statements.postfix;
    const std::int32_t count = list.count;
    for (std::int32_t i = 0; i < count; ++i) {
        ExprItem& item = list.items[i];
        if (item.kind != KIND_VARIABLE) continue;
        item.prec = kNoOwnValue;
        item.value = 0.0;
    }
    return 1;
}

std::int32_t CExprEngine::EvaluateStatements(StatementList& statements, double& value) {
    // Without variable records the list holds no variable tokens.
    if (m_variables.Count() != 0) ResetVariableTokens(statements);

    TokenList& list = statements.postfix;
    ItemStack<kListRoom> stack;
    stack.count = 0;
    ExprItem* const end = list.items + list.count;
    for (ExprItem* item = list.items; item != end; ++item) {
        const std::int16_t kind = item->kind;
        if (kind == KIND_NUMBER || kind == KIND_VARIABLE) {
            PushItem(stack, item);
            continue;
        }
        // The operation's result goes into the record of its left (or only)
        // operand, which stays on the stack in its place.
        if (kind == KIND_OPERATOR) {
            // Without a right operand there is no left one either.
            if (stack.count < 2) return Fail(FailureReason::MissingOperand, item->column);
            const ExprItem* right = PopItem(stack);
            ExprItem* target = stack.items[stack.count - 1];
            const FailureReason refusal = Refusal(*item, OperandValue(*right));
            if (refusal != FailureReason::None) return Fail(refusal, item->column);
            target->value = ApplyOperation(*item, *target, right);
            target->prec = kOwnValue;
        } else if (kind == KIND_FUNCTION) {
            if (stack.count < 1) return Fail(FailureReason::MissingOperand, item->column);
            ExprItem* target = stack.items[stack.count - 1];
            target->value = ApplyOperation(*item, *target, nullptr);
            target->prec = kOwnValue;
        }
        // Anything else is an unmatched "(" left by the converter.
    }
    // The line's value is the record on top; a list without any record, such
    // as that of "()", has none.
    const ExprItem* result = PopItem(stack);
    if (result == nullptr) return Fail(FailureReason::MissingOperand, 0);
    value = OperandValue(*result);
    return 1;
}

namespace {

// Evaluates the line, noting its warnings in `warnings` unless it is null.
LineOutcome Evaluate(std::string_view text, std::vector<LineWarning>* warnings) {
    // A NUL ends the text: the test for nothing and the comment cut of the
    // parse both stop at it.
    if (HoldsNothing(text)) return {LineStatus::Nothing, 0.0};

    VariableList variables;
    CExprEngine engine(variables, warnings);
    TokenList postfix;
    postfix.count = 0;
    StatementList statements{postfix};

    // A parse that stops at a ")" without its "(" has converted the records
    // before it, and these are evaluated on purpose: "2+3)" gives 5. A parse
    // that fails for a reason of the line has converted nothing.
    if (engine.ParseLine(text, postfix) != 1 &&
        engine.LastFailure().reason != FailureReason::None) {
        return Failed(engine.LastFailure());
    }
    double value = 0.0;
    if (engine.EvaluateStatements(statements, value) != 1) return Failed(engine.LastFailure());
    if (warnings != nullptr && variables.Count() != 0) engine.NoteUnassignedNames(postfix);
    return {LineStatus::Value, value};
}

bool NotedBefore(const LineWarning& a, const LineWarning& b) {
    return a.column != b.column ? a.column < b.column : a.kind < b.kind;
}

}  // namespace

LineOutcome EvaluateLineOutcome(std::string_view text) { return Evaluate(text, nullptr); }

LineOutcome EvaluateLineOutcome(std::string_view text, std::vector<LineWarning>& warnings) {
    warnings.clear();
    const LineOutcome outcome = Evaluate(text, &warnings);
    // A line that fails has its one reason and nothing more.
    if (outcome.status != LineStatus::Value) {
        warnings.clear();
    } else if (warnings.size() > 1) {
        std::sort(warnings.begin(), warnings.end(), NotedBefore);
    }
    return outcome;
}

double EvaluateLine(std::string_view text) { return EvaluateLineOutcome(text).value; }

}  // namespace quorvane::engine
