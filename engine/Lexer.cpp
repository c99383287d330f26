// Cutting a line into tokens and classifying them against the operator table.
#include <bit>
#include <charconv>
#include <cstring>

#include "ExprEngine.h"
#include "OperatorTable.h"

void CExprEngine::StripComment(char* text) const {
    char* p = text;
    while (*p != '\0' && *p != '\n' && !(p[0] == '/' && p[1] == '/')) ++p;
    *p = '\0';
}

// Blanks and tabs separate tokens; each operator character is a token of its
// own; every other byte is gathered into names and numbers. A token over 63
// characters or a line of more than 512 tokens fails the line (0).
std::int32_t CExprEngine::SplitLine(const char* text, RawTokenList& raw) const {
    raw.count = 0;
    const char* start = nullptr;  // the token being gathered
    auto emit = [&raw](const char* begin, const char* end) {
        const std::ptrdiff_t length = end - begin;
        if (length >= kItemNameSize || raw.count >= kListRoom) return false;
        char* slot = raw.text[raw.count++];
        std::memcpy(slot, begin, static_cast<std::size_t>(length));
        slot[length] = '\0';
        return true;
    };
    for (const char* p = text;; ++p) {
        const char c = *p;
        if (c == '\0' || c == '\n') {
            return (start == nullptr || emit(start, p)) ? 1 : 0;
        }
        if (c == ' ' || c == '\t') {
            if (start != nullptr && !emit(start, p)) return 0;
            start = nullptr;
        } else if (IsOperatorChar(c)) {
            if (start != nullptr && !emit(start, p)) return 0;
            start = nullptr;
            if (!emit(p, p + 1)) return 0;
        } else if (start == nullptr) {
            start = p;
        }
    }
}

std::int32_t IsNumber(std::string_view text) {
    if (text.empty()) return 0;
    for (const char c : text) {
        if (c != '.' && (c < '0' || c > '9')) return 0;
    }
    return 1;
}

double NumberValue(std::string_view text) {
    // The longest prefix of the form digits [ '.' digits ].
    std::size_t end = 0;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    const std::size_t integerDigits = end;
    std::size_t fractionDigits = 0;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
            ++end;
            ++fractionDigits;
        }
    }
    if (integerDigits + fractionDigits == 0) return 0.0;

    // Up to 15 significant digits and a scale of at most 10^22 are exact in a
    // double, so one division gives the correctly rounded value.
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::uint64_t mantissa = 0;
    int significant = 0;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '.') continue;
        if (mantissa != 0 || text[i] != '0') ++significant;
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (significant > 15) break;
    }
    if (significant <= 15 && fractionDigits <= 22) {
        return static_cast<double>(mantissa) / kPowersOfTen[fractionDigits];
    }

    // Long literals: the library's correctly rounded conversion.
    char buffer[kItemNameSize + 1];
    buffer[0] = '0';  // so that ".5" reads as "0.5"
    std::memcpy(buffer + 1, text.data(), end);
    double value = 0.0;
    std::from_chars(buffer, buffer + end + 1, value);
    return value;
}

std::int32_t CExprEngine::Classify(std::string_view text, ExprItem*& row) {
    // Rows are tried in table order; only those whose name starts with the
    // token's first byte can match.
    std::uint32_t candidates =
        text.empty() ? 0 : kRowsByFirstByte[static_cast<unsigned char>(text[0])];
    while (candidates != 0) {
        const int index = std::countr_zero(candidates);
        candidates &= candidates - 1;
        if (index < m_tableCount && text == m_table[index].name) {
            row = &m_table[index];
            return m_table[index].kind;
        }
    }
    if (IsNumber(text)) {
        row = nullptr;
        return KIND_NUMBER;
    }
    row = FindOrAddVariable(text);
    return KIND_VARIABLE;
}

std::int32_t CExprEngine::BuildTokens(const RawTokenList& raw, TokenList& tokens) {
    tokens.count = 0;
    for (std::int32_t i = 0; i < raw.count; ++i) {
        const char* text = raw.text[i];
        const std::size_t length = std::strlen(text);
        ExprItem* row = nullptr;
        ExprItem& token = tokens.items[tokens.count];
        token.kind = Classify(std::string_view(text, length), row);
        std::memcpy(token.name, text, length + 1);
        token.ref = nullptr;
        token.prec = 0;
        switch (token.kind) {
            case KIND_PAREN:
            case KIND_FUNCTION:
            case KIND_OPERATOR:
                token.prec = row->prec;
                break;
            case KIND_NUMBER:
                SetItemValue(token, NumberValue(std::string_view(text, length)));
                break;
            case KIND_VARIABLE:
                token.ref = row;
                break;
        }
        ++tokens.count;
    }
    return 1;
}
