// Operator-precedence conversion of a line's tokens into postfix order.
#include "ExprEngine.h"
#include "OperatorTable.h"

namespace quorvane::engine {

namespace {

// An operator whose row has a sign form: "+" or "-".
bool IsSignCharacter(const ExprItem& token) {
    return token.kind == KIND_OPERATOR && token.row->unary != nullptr;
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

    const std::int32_t count = infix.count;
    for (std::int32_t i = 0; i < count; ++i) {
        ExprItem& token = infix.items[i];
        switch (token.kind) {
            case KIND_PAREN:
                if (token.name[0] == '(') {
                    if (!signMayFollow) Warn(WarningKind::MissingOperator, token);
                    PushItem(stack, &token);
                    signMayFollow = true;
                    break;
                }
                for (;;) {
                    ExprItem* top = PopItem(stack);
                    if (top == nullptr) {  // a ")" without its "("
                        Warn(WarningKind::UnmatchedClose, token);
                        return 0;
                    }
                    if (top->kind == KIND_PAREN) break;
                    AppendItem(postfix, *top);
                }
                signMayFollow = false;
                break;
            case KIND_FUNCTION:
                if (!signMayFollow) Warn(WarningKind::MissingOperator, token);
                PushItem(stack, &token);
                signMayFollow = true;
                break;
            case KIND_OPERATOR:
                if (signMayFollow && IsSignCharacter(token)) {
                    token.kind = KIND_FUNCTION;
                    token.prec = kSignPrec;
                    PushItem(stack, &token);
                    break;
                }
                while (stack.count > 0 && token.prec <= stack.items[stack.count - 1]->prec) {
                    AppendItem(postfix, *PopItem(stack));
                }
                if (token.name[0] != ',') PushItem(stack, &token);
                signMayFollow = true;
                break;
            default:
                if (!signMayFollow) Warn(WarningKind::MissingOperator, token);
                AppendItem(postfix, token);
                signMayFollow = false;
                break;
        }
    }
    while (ExprItem* top = PopItem(stack)) AppendItem(postfix, *top);
    return 1;
}

}  // namespace quorvane::engine
