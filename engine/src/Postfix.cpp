// Operator-precedence conversion of a line's tokens into postfix order.
#include "ExprEngine.h"
#include "OperatorTable.h"

namespace quorvane::engine {

namespace {

// An operator whose row has a sign form: "+" or "-".
bool IsSignCharacter(const ExprItem& token) {
    return token.kind == KIND_OPERATOR && RowOf(token).unary != nullptr;
}

}  // namespace

// A "+" or "-" that starts the line or follows "(", ",", an operator, a
// function or another sign is a sign: it becomes a one-operand prefix
// operator (kind KIND_FUNCTION, precedence kSignPrec) in the infix list,
// applied with the sign form of its row.
// Prefix tokens are stacked without popping anything; operators pop what
// binds at least as tightly; commas only pop and are dropped.
// Where an operand, "(" or function follows an operand or ")", the stack
// keeps only one of the two operands: the line misses an operator there.
std::int32_t CExprEngine::ToPostfix(TokenList& infix, TokenList& postfix) {
    postfix.count = 0;
    ItemStack<kOperatorStackRoom> stack;
    stack.count = 0;
    bool signMayFollow = true;  // at the start of the line
    // Set where an operand follows another: the tokens are looked at again.
    bool operandFollowsOperand = false;

    ExprItem* const end = infix.items + infix.count;
    for (ExprItem* token = infix.items; token != end; ++token) {
        const std::int16_t kind = token->kind;
        if (kind == KIND_NUMBER || kind == KIND_VARIABLE) {
            operandFollowsOperand |= !signMayFollow;
            AppendItem(postfix, *token);
            signMayFollow = false;
        } else if (kind == KIND_OPERATOR) {
            if (signMayFollow && IsSignCharacter(*token)) {
                token->kind = KIND_FUNCTION;
                token->prec = kSignPrec;
                PushItem(stack, token);
                continue;
            }
            while (stack.count > 0 && token->prec <= stack.items[stack.count - 1]->prec) {
                AppendItem(postfix, *PopItem(stack));
            }
            if (token->row != kCommaRow) PushItem(stack, token);
            signMayFollow = true;
        } else if (kind == KIND_FUNCTION || token->row == kOpenRow) {
            operandFollowsOperand |= !signMayFollow;
            PushItem(stack, token);
            signMayFollow = true;
        } else {  // ")"
            for (;;) {
                ExprItem* top = PopItem(stack);
                if (top == nullptr) {  // a ")" without its "("
                    const auto before = static_cast<std::int32_t>(token - infix.items);
                    if (operandFollowsOperand) NoteMissingOperators(infix, before);
                    Warn(WarningKind::UnmatchedClose, *token);
                    return 0;
                }
                if (top->kind == KIND_PAREN) break;
                AppendItem(postfix, *top);
            }
            signMayFollow = false;
        }
    }
    while (ExprItem* top = PopItem(stack)) AppendItem(postfix, *top);
    if (operandFollowsOperand) NoteMissingOperators(infix, infix.count);
    return 1;
}

// The first `count` tokens after the conversion, which made their signs
// prefix operators of kind KIND_FUNCTION: an operand, "(" or function that
// follows an operand or ")" misses an operator before it.
void CExprEngine::NoteMissingOperators(const TokenList& infix, std::int32_t count) {
    bool afterOperand = false;
    for (std::int32_t i = 0; i < count; ++i) {
        const ExprItem& token = infix.items[i];
        const bool isSign = token.kind == KIND_FUNCTION && token.prec == kSignPrec;
        const bool opensOperand = token.kind == KIND_NUMBER || token.kind == KIND_VARIABLE ||
                                  (token.kind == KIND_FUNCTION && !isSign) || token.row == kOpenRow;
        if (afterOperand && opensOperand) Warn(WarningKind::MissingOperator, token);
        afterOperand =
            token.kind == KIND_NUMBER || token.kind == KIND_VARIABLE || token.row == kCloseRow;
    }
}

}  // namespace quorvane::engine
