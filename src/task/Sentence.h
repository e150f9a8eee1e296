#pragma once

#include <vector>

#include "task/Lexer.h"
#include "task/Task.h"

// A task copied as printed: the words of its sentences read for what they
// ask and say, leaving the formulas and their statements to the parser.
namespace task::sentence {

// What the words among TOKENS say; TOKENS left with the formulas and the
// words of their statements ("dla x ∈", "miejsca zerowe to"), the sentences
// between them made into commas. A TaskError thrown at a word it does not
// know, or one it cannot join with the rest ("nie" alone).
Sentence Read(std::vector<lexer::Token>& tokens);

// The words that ask ASK again, as the task's text writes them: "współrzędne wierzchołka".
std::string AskText(Ask ask);

}  // namespace task::sentence
