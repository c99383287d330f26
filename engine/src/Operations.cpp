// The arithmetic of one operator, function or sign, taken from its table row.
#include "ExprEngine.h"
#include "OperatorTable.h"

namespace quorvane::engine {

double CExprEngine::ApplyOperation(const ExprItem& op, ExprItem& first, const ExprItem* second) {
    const double a = OperandValue(first);
    if (op.kind == KIND_FUNCTION) return RowOf(op).unary(a);
    if (op.kind != KIND_OPERATOR || second == nullptr) return 0.0;

    const OperationRow& row = RowOf(op);
    const double b = OperandValue(*second);
    if (row.assigns) {
        // Only a variable token names a variable: "3=4" stores nothing.
        if (first.kind == KIND_VARIABLE) {
            AssignVariable(*first.ref, b);
        } else {
            Warn(WarningKind::NothingAssigned, op);
        }
    }
    return row.binary(a, b);
}

}  // namespace quorvane::engine
