// The thread log reader's log texts (first and second texts of its records).
#pragma once

const char LOG_BAD_FILE_NAME[] = "ファイル名異常";
const char LOG_NO_FILE_NAME[] = "ファイル名設定なし";
const char LOG_DAT_FILE[] = "datファイル";
const char LOG_FOPEN[] = "fopen()";
const char LOG_OPEN_FAILED[] = "datファイルオープン失敗";
const char LOG_FREAD[] = "fread()";
const char LOG_READ_FAILED[] = "datファイル読み込み失敗";
const char LOG_SIZE_OVER[] = "サイズオーバー";
const char LOG_SIZE_OVER_LINE[] = "データNo=%d";  // the post number of the dropped line
const char LOG_LINE_RULE[] = "-------------------------------------";
const char LOG_LINE_NUMBER[] = "【データNo=%4d】";   // the post number of the line being split
const char LOG_DATA_MAX[] = "データＭＡＸ";
const char LOG_TITLE[] = "[スレッドタイトル]";
const char LOG_DATE[] = "日付";
const char LOG_ID[] = "ID";
const char LOG_NO_ID[] = "IDなし";
const char LOG_KOTE[] = "コテ";
const char LOG_TRIP[] = "トリップ";
