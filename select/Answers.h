// Which posts answer which: a post answers every other post its anchors name
// (select/Anchors.h, by the rule "OPTION" / "ANCHOR_RANGES" chooses).
#pragma once

#include "posts/Session.h"
#include "select/Anchors.h"
#include "ui/DialogPort.h"

// For each record 0 to 999, how many distinct other posts answer it; an
// anchor of a post to itself does not count.
void CountAnswers(const PostTable& posts, AnchorRule rule, int (&answers)[MAX_POSTS]);

// Which cells of the main list's column "被参照" ShowAnswerCounts writes:
// those with a count, in a list just filled (the others are empty already),
// or every one, after the anchor rule may have changed under a loaded list.
enum class AnswerCells { Counted, Every };

// Fills the main list's column "被参照": the count, nothing where it is 0.
// Every cell is written only while a thread log is loaded.
void ShowAnswerCounts(Session& session, DialogPort& dialog, AnswerCells cells = AnswerCells::Counted);

// "人気レス": marks in the main list every post answered by at least
// "OPTION" / "POPULAR" other posts (taken as 1 to 99).
bool SelectPopular(Session& session, DialogPort& dialog);

// "返信しているレス": marks in the main list every post with an anchor to a
// post marked there before the command (one step: the posts it marks do not
// count as answered in turn).
bool SelectReplies(Session& session, DialogPort& dialog);
