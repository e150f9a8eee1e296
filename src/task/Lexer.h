#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "solver/NumberText.h"
#include "task/Task.h"

// The characters of a task cut into its words: numbers, letters, signs, brackets.
namespace task::lexer {

// Letter: one letter, a variable, a function's name or an unknown; Root: x₁ or
// x₂ (x1 and x2 typed together); LineBreak: one that ends a statement; Stop:
// the end of a sentence (".", "?", "!"); Bar: "|" of an absolute value.
enum class T { Number, Letter, Root, Plus, Minus, Times, Divide, Colon, Power, Open, Close, Relation, IntervalOpen,
               IntervalClose, Semicolon, Comma, In, Infinity, Word, LineBreak, Stop, Bar, End };

struct Token {
    T type = T::End;
    std::size_t at = 0;  // its first character
    solver::DecimalNumber number;
    long power = 0;  // of a power: ^2, ², ⁻⁵; of a Root: 1 or 2
    char32_t letter = 0;  // of a Letter, a Root
    Relation relation = Relation::Equal;
    std::u32string word;
};

// The words of TEXT, ending with End; a TaskError thrown where one cannot
// be read, or where brackets open inside more than deepestBrackets others.
std::vector<Token> Tokens(std::u32string_view text);

// LETTERS as the word the reader knows, in any case and without Polish
// letters ("WIERZCHOLEK" is "wierzchołek", "zw" is "ZW"); "" for no word.
std::u32string KnownWord(std::u32string_view letters);

bool IsBlank(char32_t c);
bool IsDigit(char32_t c);

// A message of what cannot be read, and where: " (znak 7)."
TaskError ErrorAt(std::size_t at, std::string message);
std::string Place(std::size_t at);
TaskError UnknownCharacter(std::u32string_view text, std::size_t at);

}  // namespace task::lexer
