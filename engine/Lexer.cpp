// Cutting a line into tokens and classifying them against the operator table.
#include <array>
#include <bit>
#include <charconv>
#include <cstring>

#include "ExprEngine.h"
#include "Lexing.h"
#include "OperatorTable.h"

// Raw token texts are padded far enough for the table's names to be read as words.
static_assert(kTableNameBytes <= kPaddedNameBytes);

namespace {

// What a byte does in a line being cut.
enum CharClass : std::uint8_t {
    kGathered,      // part of a name or number
    kSeparator,     // blank or tab
    kOperatorChar,  // a token of its own
    kLineEnd,       // NUL or newline
};

constexpr std::array<CharClass, 256> kCharClasses = [] {
    std::array<CharClass, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        if (kOperatorChars[static_cast<std::size_t>(c)])
            classes[static_cast<std::size_t>(c)] = kOperatorChar;
    }
    classes[' '] = kSeparator;
    classes['\t'] = kSeparator;
    classes['\0'] = kLineEnd;
    classes['\n'] = kLineEnd;
    return classes;
}();

// The bytes at which the comment cut looks closer: the end, a newline, a '/'.
constexpr std::array<bool, 256> kCommentStops = [] {
    std::array<bool, 256> stops{};
    stops['\0'] = true;
    stops['\n'] = true;
    stops['/'] = true;
    return stops;
}();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::size_t CutComment(char* text) {
    char* p = text;
    for (;; ++p) {
        if (!kCommentStops[static_cast<unsigned char>(*p)]) continue;
        if (*p != '/' || p[1] == '/') break;
    }
    *p = '\0';
    return static_cast<std::size_t>(p - text);
}

void CExprEngine::StripComment(char* text) const { CutComment(text); }

// Blanks and tabs separate tokens; each operator character is a token of its
// own; every other byte is gathered into names and numbers. A token over 63
// characters or a line of more than 512 tokens fails the line (0). Each text
// is stored with its NUL padding (kPaddedNameBytes) and its length.
std::int32_t CExprEngine::SplitLine(const char* text, RawTokenList& raw) const {
    std::int32_t count = 0;
    const char* p = text;
    for (;;) {
        char c = *p;
        const CharClass kind = kCharClasses[static_cast<unsigned char>(c)];
        if (kind == kSeparator) {
            ++p;
            continue;
        }
        if (kind == kLineEnd) break;
        if (count == kListRoom) {
            raw.count = count;
            return 0;
        }
        char* slot = raw.text[count];
        std::memset(slot, 0, kPaddedNameBytes);
        std::size_t length = 0;
        if (kind == kOperatorChar) {
            slot[length++] = c;
            ++p;
        } else {
            do {
                if (length == kItemNameSize - 1) {
                    raw.count = count;
                    return 0;
                }
                slot[length++] = c;
                c = *++p;
            } while (kCharClasses[static_cast<unsigned char>(c)] == kGathered);
            slot[length] = '\0';
        }
        raw.length[count++] = static_cast<std::uint8_t>(length);
    }
    raw.count = count;
    return 1;
}

std::int32_t IsNumber(std::string_view text) {
    if (text.empty()) return 0;
    for (const char c : text) {
        if (c != '.' && !IsDigit(c)) return 0;
    }
    return 1;
}

double NumberValue(std::string_view text) {
    // The longest prefix of the form digits [ '.' digits ], its digits read
    // into one integer as they come (wrapping harmlessly when there are more
    // than 19 of them: the integer is then not used).
    std::uint64_t mantissa = 0;
    std::size_t end = 0;
    while (end < text.size() && IsDigit(text[end])) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[end] - '0');
        ++end;
    }
    std::size_t digits = end;
    std::size_t fractionDigits = 0;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && IsDigit(text[end])) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[end] - '0');
            ++end;
            ++fractionDigits;
        }
        digits += fractionDigits;
    }
    if (digits == 0) return 0.0;

    // An integer of at most 2^53 and a scale of at most 10^22 are exact in a
    // double, so one division gives the correctly rounded value.
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (digits <= 19 && mantissa <= (std::uint64_t{1} << 53) && fractionDigits <= 22) {
        const double whole = static_cast<double>(mantissa);
        return fractionDigits == 0 ? whole : whole / kPowersOfTen[fractionDigits];
    }

    // Long literals: the library's correctly rounded conversion.
    char buffer[kItemNameSize + 1];
    buffer[0] = '0';  // so that ".5" reads as "0.5"
    std::memcpy(buffer + 1, text.data(), end);
    double value = 0.0;
    std::from_chars(buffer, buffer + end + 1, value);
    return value;
}

inline int CExprEngine::TableRowOf(const char* padded, std::size_t length) const {
    // Rows are tried in table order; only those whose name starts with the
    // text's first byte can match. No name of the table is as long as
    // kTableNameBytes.
    if (length >= kTableNameBytes) return -1;
    std::uint64_t word;
    std::memcpy(&word, padded, sizeof word);
    std::uint32_t candidates = kRowsByFirstByte[static_cast<unsigned char>(padded[0])];
    while (candidates != 0) {
        const int index = std::countr_zero(candidates);
        candidates &= candidates - 1;
        std::uint64_t name;
        std::memcpy(&name, m_table[index].name, sizeof name);
        if (index < m_tableCount && name == word &&
            kRowNameLengths[static_cast<std::size_t>(index)] == length) {
            return index;
        }
    }
    return -1;
}

std::int32_t CExprEngine::Classify(std::string_view text, ExprItem*& row) {
    char padded[kTableNameBytes] = {};
    if (text.size() < kTableNameBytes) std::memcpy(padded, text.data(), text.size());
    const int index = TableRowOf(padded, text.size());
    if (index >= 0) {
        row = &m_table[index];
        return m_table[index].kind;
    }
    if (IsNumber(text)) {
        row = nullptr;
        return KIND_NUMBER;
    }
    row = FindOrAddVariable(text);
    return KIND_VARIABLE;
}

// Classifies each raw token as Classify does, on the padded texts of the list.
std::int32_t CExprEngine::BuildTokens(const RawTokenList& raw, TokenList& tokens) {
    for (std::int32_t i = 0; i < raw.count; ++i) {
        const char* text = raw.text[i];
        const std::size_t length = raw.length[i];
        ExprItem& token = tokens.items[i];
        CopyTokenName(token.name, text, length);
        token.ref = nullptr;
        const int index = TableRowOf(text, length);
        if (index >= 0) {
            token.kind = m_table[index].kind;
            token.prec = m_table[index].prec;
            continue;
        }
        token.prec = 0;
        const std::string_view view(text, length);
        if (IsNumber(view)) {
            token.kind = KIND_NUMBER;
            SetItemValue(token, NumberValue(view));
        } else {
            token.kind = KIND_VARIABLE;
            token.ref = FindOrAddVariable(view);
        }
    }
    tokens.count = raw.count;
    return 1;
}
