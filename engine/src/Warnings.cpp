// The warnings of a line: what is noted, at which token, and in which words.
#include <cstring>
#include <string>

#include "ExprEngine.h"

namespace quorvane::engine {

namespace {

// A name that begins like a number ("1.1E", "1E400") was most likely meant as one.
bool BeginsLikeNumber(std::string_view name) {
    const char first = name[0];
    return (first >= '0' && first <= '9') || first == '.';
}

}  // namespace

void CExprEngine::AddWarning(WarningKind kind, const ExprItem& token) {
    const std::string_view text = TokenText(token);
    LineWarning warning;
    warning.kind = kind;
    warning.column = token.column;
    warning.length = static_cast<std::uint8_t>(text.size());
    std::memcpy(warning.text, text.data(), text.size());
    m_warnings->push_back(warning);
}

void CExprEngine::NoteUnassignedNames(const TokenList& postfix) {
    // Operands keep their written order in the postfix list, so the first
    // token of a name met here is its first in the line.
    for (std::int32_t i = 0; i < postfix.count; ++i) {
        const ExprItem& token = postfix.items[i];
        if (token.kind != KIND_VARIABLE || token.ref->prec != kNoOwnValue) continue;
        Warn(BeginsLikeNumber(TokenText(token)) ? WarningKind::NotANumber : WarningKind::NoValue,
             token);
        token.ref->prec = kNoValueNoted;
    }
}

std::string WarningText(const LineWarning& warning) {
    const std::string token(warning.Token());
    switch (warning.kind) {
        case WarningKind::NoValue:
            return "'" + token + "' has no value; taken as 0";
        case WarningKind::NotANumber:
            return "'" + token + "' is not a number; taken as 0";
        case WarningKind::MissingOperator:
            return "missing operator before '" + token + "'";
        case WarningKind::UnmatchedClose:
            return "')' without '('; the rest of the line is ignored";
        case WarningKind::NothingAssigned:
            return "nothing is assigned: the left of '=' is not a name";
    }
    return {};
}

}  // namespace quorvane::engine
