// The settings dialog's and the version display's log and user texts.
#pragma once

// Settings dialog: error records.
const char LOG_DIALOG_BOX_FAILED[] = "DialogBoxでエラー";
const char LOG_GET_DLG_ITEM[] = "Error：GetDlgItem()";
const char LOG_CHECK_DLG_BUTTON[] = "Error：CheckDlgButton()";
const char LOG_WRITE_PROFILE[] = "Error：WritePrivateProfileString()";
// The second texts of a failed write, by key; "MAIL_OUTPUT" has none.
const char LOG_KIND_NOT_WRITTEN[] = "出力方式書き込み失敗";
const char LOG_TEXT_NOT_WRITTEN[] = "本文カラー書き込み失敗";
const char LOG_NAME_NOT_WRITTEN[] = "名前カラー書き込み失敗";
const char LOG_REDAT_NOT_WRITTEN[] = "datファイル再変換設定エラー";
const char LOG_CHARSET_NOT_WRITTEN[] = "文字コード設定書き込み失敗";
const char LOG_OPEN_PAGE_NOT_WRITTEN[] = "変換後に開く設定書き込み失敗";
const char LOG_LOCAL_LINKS_NOT_WRITTEN[] = "ページ内リンク設定書き込み失敗";
const char LOG_ORDER_NOT_WRITTEN[] = "返信順設定書き込み失敗";
const char LOG_LINKS_NOT_WRITTEN[] = "リンク設定書き込み失敗";
const char LOG_MAIL_LINKS_NOT_WRITTEN[] = "メール欄リンク設定書き込み失敗";
const char LOG_COPY_CSS_NOT_WRITTEN[] = "Harvo.css設定書き込み失敗";
const char LOG_ANCHOR_RANGES_NOT_WRITTEN[] = "アンカー範囲設定書き込み失敗";
const char LOG_POPULAR_NOT_WRITTEN[] = "人気レス設定書き込み失敗";
const char LOG_CHOOSE_COLOR[] = "Error：ChooseColor()";

// The colour chooser's result as the colour edits take it: red, green, blue.
const char COLOUR_TEXT_FORMAT[] = "#%02X%02X%02X";

// Version display.
const char VERSION_FORMAT[] = "Version %d.%d.%d.%d";
const char VERSION_CAPTION[] = "バージョン情報";
const char LOG_VERSION_SIZE_FAILED[] = "GetFileVersionInfoSize失敗";
const char LOG_VERSION_MEMORY_FAILED[] = "メモリの確保失敗";
const char LOG_VERSION_READ_FAILED[] = "GetFileVersionInfo失敗";
