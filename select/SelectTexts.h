// The selection commands' status texts and log texts.
#pragma once

const char STATUS_SAME_TRIP_DONE[] = "同トリップ抽出完了";
const char STATUS_SAME_ID_DONE[] = "同ＩＤ抽出完了";
const char STATUS_REFERENCED_DONE[] = "参照レス抽出完了";

const char STATUS_RANGE_START_ERROR[] = "クリア範囲エラー（開始）";
const char STATUS_RANGE_END_ERROR[] = "クリア範囲エラー（終了）";
const char STATUS_RANGE_ERROR[] = "クリア範囲エラー";
const char STATUS_CLEAR_CANCELLED[] = "消去をキャンセルしました";
const char QUESTION_CLEAR[] = "ターゲットチェックをクリアしてもよろしいでしょうか";
const char QUESTION_CLEAR_CAPTION[] = "消去確認";
const char LOG_CLEAR_CANCELLED[] = "消去キャンセル";

// The main list's marking commands of the menu "選択": "…（N件）" follows each,
// N the posts it newly marked.
const char STATUS_STARTER_DONE[] = "スレ主の書き込み選択完了";
const char STATUS_STARTER_NO_ID[] = "1番の書き込みにIDがありません";
const char STATUS_POPULAR_DONE[] = "人気レス選択完了";
const char STATUS_KEYWORD_DONE[] = "キーワード選択完了";
const char STATUS_REPLIES_DONE[] = "返信レス選択完了";
