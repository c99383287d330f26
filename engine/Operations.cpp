// The arithmetic of one operator, function or sign.
#include <cmath>
#include <cstring>

#include "ExprEngine.h"

double OperandValue(const ExprItem& item) {
    if (item.kind == KIND_VARIABLE && item.prec != 1) return item.ref->value;
    return item.value;
}

namespace {

// Rounds half away from zero, keeping the result a double; never -0.
double RoundHalfAway(double x) { return std::round(x) + 0.0; }

// The remainder of the rounded operands, with the sign of the left one; the
// caller has refused a right operand that rounds to 0.
double Remainder(double a, double b) { return std::fmod(RoundHalfAway(a), RoundHalfAway(b)) + 0.0; }

double ApplyFunction(const char* name, double a) {
    switch (name[0]) {
        case '-':  // sign
            return 0.0 - a;
        case '+':  // sign
            return a;
        case 'A':
            if (std::strcmp(name, "ABS") == 0) return std::fabs(a);
            if (std::strcmp(name, "ACOS") == 0) return std::acos(a);
            if (std::strcmp(name, "ASIN") == 0) return std::asin(a);
            if (std::strcmp(name, "ATAN") == 0) return std::atan(a);
            break;
        case 'C':
            if (std::strcmp(name, "COS") == 0) return std::cos(a);
            if (std::strcmp(name, "CEIL") == 0) return std::ceil(a);
            if (std::strcmp(name, "COSH") == 0) return std::cosh(a);
            break;
        case 'E':
            if (std::strcmp(name, "EXP") == 0) return std::exp(a);
            if (std::strcmp(name, "EXP2") == 0) return std::exp2(a);
            if (std::strcmp(name, "EXP10") == 0) return std::pow(10.0, a);
            break;
        case 'F':
            if (std::strcmp(name, "FLOOR") == 0) return std::floor(a);
            break;
        case 'L':
            if (std::strcmp(name, "LOG") == 0) return std::log(a);
            if (std::strcmp(name, "LOG2") == 0) return std::log2(a);
            if (std::strcmp(name, "LOG10") == 0) return std::log10(a);
            break;
        case 'R':
            if (std::strcmp(name, "ROUND") == 0) return RoundHalfAway(a);
            break;
        case 'S':
            if (std::strcmp(name, "SIN") == 0) return std::sin(a);
            if (std::strcmp(name, "SQRT") == 0) return std::sqrt(a);
            if (std::strcmp(name, "SINH") == 0) return std::sinh(a);
            break;
        case 'T':
            if (std::strcmp(name, "TAN") == 0) return std::tan(a);
            if (std::strcmp(name, "TANH") == 0) return std::tanh(a);
            break;
        default:
            break;
    }
    return 0.0;
}

}  // namespace

double CExprEngine::ApplyOperation(const ExprItem& op, ExprItem& first, const ExprItem* second) {
    const double a = OperandValue(first);
    if (op.kind == KIND_FUNCTION) return ApplyFunction(op.name, a);
    if (op.kind != KIND_OPERATOR || second == nullptr) return 0.0;

    const double b = OperandValue(*second);
    switch (op.name[0]) {
        case ',':
            return 0.0;
        case '=':
            SetVariable(first.name, b);
            return b;
        case '+':
            return a + b;
        case '-':
            return a - b;
        case '*':
            return a * b;
        case '/':
            return a / b;
        case '%':
            return Remainder(a, b);
        default:
            break;
    }
    if (std::strcmp(op.name, "ATAN2") == 0) return std::atan2(a, b);
    if (std::strcmp(op.name, "POW") == 0) return std::pow(a, b);
    return 0.0;
}
