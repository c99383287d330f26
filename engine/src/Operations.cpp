// The arithmetic of one operator, function or sign.
#include <cmath>

#include "ExprEngine.h"
#include "Lexing.h"

namespace quorvane::engine {

namespace {

// Rounds half away from zero, keeping the result a double; never -0.
double RoundHalfAway(double x) { return std::round(x) + 0.0; }

// The remainder of the rounded operands, with the sign of the left one; the
// caller has refused a right operand that rounds to 0.
double Remainder(double a, double b) { return std::fmod(RoundHalfAway(a), RoundHalfAway(b)) + 0.0; }

double ApplyFunction(const char (&name)[kItemNameSize], double a) {
    switch (name[0]) {
        case '-':  // sign
            return 0.0 - a;
        case '+':  // sign
            return a;
        case 'A':
            if (NameIs(name, "ABS")) return std::fabs(a);
            if (NameIs(name, "ACOS")) return std::acos(a);
            if (NameIs(name, "ASIN")) return std::asin(a);
            if (NameIs(name, "ATAN")) return std::atan(a);
            break;
        case 'C':
            if (NameIs(name, "COS")) return std::cos(a);
            if (NameIs(name, "CEIL")) return std::ceil(a);
            if (NameIs(name, "COSH")) return std::cosh(a);
            break;
        case 'E':
            if (NameIs(name, "EXP")) return std::exp(a);
            if (NameIs(name, "EXP2")) return std::exp2(a);
            if (NameIs(name, "EXP10")) return std::pow(10.0, a);
            break;
        case 'F':
            if (NameIs(name, "FLOOR")) return std::floor(a);
            break;
        case 'L':
            if (NameIs(name, "LOG")) return std::log(a);
            if (NameIs(name, "LOG2")) return std::log2(a);
            if (NameIs(name, "LOG10")) return std::log10(a);
            break;
        case 'R':
            if (NameIs(name, "ROUND")) return RoundHalfAway(a);
            break;
        case 'S':
            if (NameIs(name, "SIN")) return std::sin(a);
            if (NameIs(name, "SQRT")) return std::sqrt(a);
            if (NameIs(name, "SINH")) return std::sinh(a);
            break;
        case 'T':
            if (NameIs(name, "TAN")) return std::tan(a);
            if (NameIs(name, "TANH")) return std::tanh(a);
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
    if (NameIs(op.name, "ATAN2")) return std::atan2(a, b);
    if (NameIs(op.name, "POW")) return std::pow(a, b);
    return 0.0;
}

}  // namespace quorvane::engine
