#pragma once

#include <string>
#include <vector>

#include "posts/Session.h"
#include "ui/DialogPort.h"

// The words of a keyword (UTF-8): the pieces between blanks, half-width
// (U+0020) or full-width (U+3000).
std::vector<std::string> KeywordWords(const std::string& keyword);

// "キーワード(&K)...": asks for a keyword and marks in the main list every post
// whose text, as the post preview shows it, holds each of its words (compared
// as Unicode text, case-sensitive). An empty keyword marks nothing; キャンセル
// changes nothing and leaves the status line empty.
bool SelectByKeyword(Session& session, DialogPort& dialog);
