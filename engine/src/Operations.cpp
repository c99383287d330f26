// The arithmetic of one operator, function or sign, taken from its table row.
#include "ExprEngine.h"
#include "OperatorTable.h"

namespace quorvane::engine {

double CExprEngine::ApplyOperation(const ExprItem& op, ExprItem& first, const ExprItem* second) {
    if (op.kind == KIND_FUNCTION) return RowOf(op).unary(OperandValue(first));
    if (op.kind != KIND_OPERATOR || second == nullptr) return 0.0;

    const OperationRow& row = RowOf(op);
    const double b = OperandValue(*second);
    if (row.assigns) Assign(op, first, b);
    return row.binary(OperandValue(first), b);
}

// Only a variable token names a variable: "3=4" stores nothing.
void CExprEngine::Assign(const ExprItem& op, const ExprItem& first, double b) {
    if (first.kind == KIND_VARIABLE) {
        AssignVariable(*first.ref, b);
    } else {
        Warn(WarningKind::NothingAssigned, op);
    }
}

}  // namespace quorvane::engine
