// Every id of the program's resources and controls, shared by Harvo.rc and the code.
#ifndef HARVO_RESOURCE_H
#define HARVO_RESOURCE_H

#define IDD_MAIN 101
#define IDR_MAIN_MENU 102
#define IDI_HARVO 103
#define IDD_SETTINGS 104
#define IDD_POST_PREVIEW 105
#define IDD_KEYWORD 106

// Static labels that no code addresses.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Main dialog
#define IDC_MAIN_LIST 1001
#define IDC_SUB_LIST 1002
#define IDC_CHOOSE_LOG 1003
#define IDC_LOG_PATH 1004
#define IDC_LOAD 1005
#define IDC_SAME_TRIP 1006
#define IDC_OUTPUT_PATH 1007
#define IDC_CHOOSE_OUTPUT 1008
#define IDC_SAME_ID 1009
#define IDC_REFERENCED 1010
#define IDC_CONVERT 1011
#define IDC_EXIT 1012
#define IDC_STATUS 1013
#define IDC_RANGE_START 1023
#define IDC_CLEAR_RANGE 1024
#define IDC_RANGE_END 1025
// Labels that move when the window grows
#define IDC_SUB_LABEL 1071
#define IDC_RANGE_TILDE 1072
// The ticked rows of both lists, at the right of the status line
#define IDC_MARK_COUNTS 1074

// Settings dialog IDD_SETTINGS ("ｷｬﾝｾﾙ" is IDCANCEL)
#define IDC_SET_BODY_MODE 1014
#define IDC_SET_NAME_MODE 1015
#define IDC_SET_BODY_COLOUR 1016
#define IDC_SET_CHOOSE_BODY_COLOUR 1017
#define IDC_SET_APPLY 1018
#define IDC_SET_NAME_COLOUR 1019
#define IDC_SET_CHOOSE_NAME_COLOUR 1020
#define IDC_SET_OK 1021
#define IDC_SET_REWRITE_DAT 1022
#define IDC_SET_MAIL_OUTPUT 1023
#define IDC_SET_CSS_MODE 1024
#define IDC_SET_CHARSET_NONE 1050
#define IDC_SET_CHARSET_SHIFT_JIS 1051
#define IDC_SET_CHARSET_UTF8 1052
#define IDC_SET_OPEN_PAGE 1053
#define IDC_SET_LOCAL_LINKS 1054
#define IDC_SET_REPLY_ORDER 1055
#define IDC_SET_COPY_CSS 1056
#define IDC_SET_ANCHOR_RANGES 1057
#define IDC_SET_POPULAR 1058
#define IDC_SET_LINKS 1059
#define IDC_SET_NO_MAIL_LINKS 1060

// Keyword question IDD_KEYWORD (OK is IDOK, "キャンセル" IDCANCEL)
#define IDC_KEYWORD_TEXT 1080

// Post preview IDD_POST_PREVIEW (its one button "閉じる" is IDOK)
#define IDC_PREVIEW_TEXT 1026

// Menu IDR_MAIN_MENU
#define IDM_SETTINGS 40001
#define IDM_VERSION 40002
#define IDM_LOAD_CHECK_FILE 40003
#define IDM_UNDO 40004
// 編集 → 強調, also the target lists' context menu: the emphasis of the selected rows' posts
#define IDM_COLOUR_NONE 40100
#define IDM_COLOUR_RED 40101
#define IDM_COLOUR_BLUE 40102
#define IDM_COLOUR_GREEN 40103
#define IDM_COLOUR_ORANGE 40104
#define IDM_COLOUR_PURPLE 40105
#define IDM_SIZE_NORMAL 40110
#define IDM_SIZE_LARGE 40111
#define IDM_SIZE_LARGER 40112
#define IDM_BOLD 40120
#define IDM_AA 40125
#define IDM_PLAIN 40130
// Menu "選択": marking commands of the main list
#define IDM_SELECT_STARTER 40201
#define IDM_SELECT_POPULAR 40202
#define IDM_SELECT_KEYWORD 40203
#define IDM_SELECT_REPLIES 40204
#define IDM_COPY_PAGE 40140

// Keys of the main dialog: Ctrl+Z for IDM_UNDO, Ctrl+Shift+C for IDM_COPY_PAGE
#define IDR_MAIN_KEYS 1070
// Keys of the target lists: Ctrl+0 to Ctrl+5 and Ctrl+B for the emphasis
#define IDR_LIST_KEYS 1073

#endif
