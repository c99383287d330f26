#include "EditText.h"

namespace quorvane::window::qt {

namespace {

constexpr char16_t kLoneCrSymbol = u'\u240D';
constexpr char16_t kLoneLfSymbol = u'\u240A';
constexpr char32_t kReplacementCharacter = U'\uFFFD';

// One character of widget text: a code point and how many UTF-16 units it takes.
struct WidgetChar {
    char32_t codePoint;
    qsizetype units;
};

WidgetChar CharAt(QStringView text, qsizetype position) {
    const QChar unit = text[position];
    if (unit.isHighSurrogate() && position + 1 < text.size() &&
        text[position + 1].isLowSurrogate()) {
        return {QChar::surrogateToUcs4(unit, text[position + 1]), 2};
    }
    if (unit.isSurrogate()) {
        return {kReplacementCharacter, 1};
    }
    return {unit.unicode(), 1};
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Appends the member form of one widget character.
void AppendMemberChar(std::string& out, char32_t codePoint) {
    switch (codePoint) {
        case U'\n':
        case QChar::LineSeparator:
        case QChar::ParagraphSeparator:
            out += "\r\n";
            break;
        case kLoneCrSymbol:
            out += '\r';
            break;
        case kLoneLfSymbol:
            out += '\n';
            break;
        default:
            AppendUtf8(out, codePoint);
    }
}

// The length of the member form of one widget character, as AppendMemberChar makes it.
std::size_t MemberLength(char32_t codePoint) {
    switch (codePoint) {
        case U'\n':
        case QChar::LineSeparator:
        case QChar::ParagraphSeparator:
            return 2;
        case kLoneCrSymbol:
        case kLoneLfSymbol:
            return 1;
        default:
            return codePoint < 0x80 ? 1 : codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
    }
}

}  // namespace

QString WidgetText(std::string_view memberText) {
    // Line ends only shrink or keep their length, so the decoded text is
    // rewritten in its own buffer.
    QString text = QString::fromUtf8(memberText.data(), static_cast<qsizetype>(memberText.size()));
    QChar* const chars = text.data();
    const qsizetype size = text.size();
    qsizetype kept = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = chars[i];
        if (c == u'\r' && i + 1 < size && chars[i + 1] == u'\n') {
            chars[kept++] = u'\n';
            ++i;
        } else if (c == u'\r') {
            chars[kept++] = QChar(kLoneCrSymbol);
        } else if (c == u'\n') {
            chars[kept++] = QChar(kLoneLfSymbol);
        } else {
            chars[kept++] = c;
        }
    }
    text.truncate(kept);
    return text;
}

qsizetype WidgetLength(std::string_view memberText) {
    // A CR LF pair is the one character that two decoded characters become.
    qsizetype pairs = 0;
    for (std::size_t lf = memberText.find('\n', 1); lf != std::string_view::npos;
         lf = memberText.find('\n', lf + 1)) {
        pairs += memberText[lf - 1] == '\r' ? 1 : 0;
    }
    return QString::fromUtf8(memberText.data(), static_cast<qsizetype>(memberText.size())).size() -
           pairs;
}

std::string MemberText(QStringView widgetText) {
    std::string text;
    text.reserve(MemberIndex(widgetText, widgetText.size()));
    for (qsizetype i = 0; i < widgetText.size();) {
        const WidgetChar c = CharAt(widgetText, i);
        AppendMemberChar(text, c.codePoint);
        i += c.units;
    }
    return text;
}

std::size_t MemberIndex(QStringView widgetText, qsizetype position) {
    std::size_t index = 0;
    for (qsizetype i = 0; i < position && i < widgetText.size();) {
        const WidgetChar c = CharAt(widgetText, i);
        index += MemberLength(c.codePoint);
        i += c.units;
    }
    return index;
}

qsizetype WidgetPosition(QStringView widgetText, std::size_t memberIndex) {
    std::size_t index = 0;
    qsizetype i = 0;
    while (i < widgetText.size()) {
        const WidgetChar c = CharAt(widgetText, i);
        index += MemberLength(c.codePoint);
        if (index > memberIndex) {
            break;
        }
        i += c.units;
    }
    return i;
}

}  // namespace quorvane::window::qt
