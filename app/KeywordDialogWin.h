// The keyword question of "キーワード(&K)...": a modal dialog over the main
// dialog with one edit box.
#pragma once

#include <windows.h>

#include <string>

// True with the text typed (UTF-8, so that no character is lost) for OK;
// false for キャンセル, Escape or the close box.
bool AskKeywordWin(HWND owner, std::string& keyword);
