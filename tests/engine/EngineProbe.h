// Runs the engine's steps on a line and shows lists as text, for the tests.
#pragma once

#include <cmath>
#include <memory>
#include <string>

#include "ExprEngine.h"

namespace quorvane::engine {

struct EngineProbe {
    VariableList variables;
    CExprEngine engine{variables};
    std::unique_ptr<RawTokenList> raw = std::make_unique<RawTokenList>();
    std::unique_ptr<TokenList> tokens = std::make_unique<TokenList>();
    std::unique_ptr<TokenList> postfix = std::make_unique<TokenList>();
    std::string cutLine;  // the line last cut, in which its tokens name their texts

    // Strips the comment and cuts the line; returns SplitLine's status.
    std::int32_t Split(const std::string& line) {
        cutLine = line;
        cutLine.append(kTextPadding, '\0');
        CExprEngine::StripComment(cutLine.data());
        return engine.SplitLine(cutLine.c_str(), *raw);
    }
    std::int32_t Tokenize(const std::string& line) {
        const std::int32_t status = Split(line);
        if (status == 1) engine.BuildTokens(*raw, *tokens);
        return status;
    }
    std::int32_t Convert(const std::string& line) {
        postfix->count = 0;
        return engine.ParseLine(line, *postfix);
    }

    // The value of the one number token that the text makes; not a number
    // when it makes anything else.
    double LiteralValue(const std::string& text) {
        const bool number =
            Tokenize(text) == 1 && tokens->count == 1 && tokens->items[0].kind == KIND_NUMBER;
        return number ? tokens->items[0].value : std::nan("");
    }

    std::string RawText() const {
        std::string text;
        for (int i = 0; i < raw->count; ++i) {
            const RawToken& token = raw->tokens[i];
            text += (i ? "|" : "") + cutLine.substr(token.column - 1u, token.length);
        }
        return text;
    }
    // Postfix records separated by blanks; a sign shows as "neg" or "pos".
    std::string PostfixText() const {
        std::string text;
        for (int i = 0; i < postfix->count; ++i) {
            const ExprItem& item = postfix->items[i];
            std::string name(engine.TokenText(item));
            if (item.kind == KIND_FUNCTION && name == "-") name = "neg";
            if (item.kind == KIND_FUNCTION && name == "+") name = "pos";
            text += (i ? " " : "") + name;
        }
        return text;
    }
};

}  // namespace quorvane::engine
