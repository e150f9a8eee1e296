#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "solver/NumberText.h"
#include "task/Task.h"

// The characters of a task cut into its words: numbers, x, signs, brackets.
namespace task::lexer {

enum class T { Number, X, Plus, Minus, Times, Divide, Colon, Power, Open, Close, Relation, IntervalOpen,
               IntervalClose, Semicolon, Comma, In, Word, End };

struct Token {
    T type = T::End;
    std::size_t at = 0;  // its first character
    solver::DecimalNumber number;
    long power = 0;  // of a power: ^2, ², ⁻⁵
    Relation relation = Relation::Equal;
    std::u32string word;
};

// The words of TEXT, ending with End; a TaskError thrown where one cannot
// be read, or where brackets open inside more than deepestBrackets others.
std::vector<Token> Tokens(std::u32string_view text);

bool IsBlank(char32_t c);
bool IsDigit(char32_t c);

// A message of what cannot be read, and where: " (znak 7)."
TaskError ErrorAt(std::size_t at, std::string message);
std::string Place(std::size_t at);
TaskError UnknownCharacter(std::u32string_view text, std::size_t at);

}  // namespace task::lexer
