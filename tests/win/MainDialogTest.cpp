// The real main dialog, created from its resource template and driven by the
// messages a user's actions send.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/MainDialogWin.h"
#include "app/DialogPortWin.h"
#include "resources/resource.h"
#include "tests/support/TestFiles.h"
#include "tests/win/RealMainDialog.h"
#include "posts/PostTable.h"
#include "settings/ProgramIni.h"
#include "ui/TargetLists.h"

namespace {

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(dialog_, nullptr) << GetLastError(); }

    std::wstring Text(int id) { return real_.Text(id); }
    std::wstring Cell(int list, int row, int column) { return real_.Cell(list, row, column); }
    int RowCount(int list) { return real_.RowCount(list); }
    void Command(int id) { real_.Command(id); }

    RealMainDialog real_;
    HWND dialog_ = real_.hwnd();
    PostTable& postTable = real_.session().posts;
};

// Every control stands where the template puts it, in dialog units.
TEST_F(MainDialogTest, ControlsAreWhereTheTemplatePutsThem) {
    const struct { int id; const wchar_t* className; const wchar_t* caption; RECT units; } controls[] = {
        {IDC_LOG_PATH, L"Edit", L"", {90, 7, 286, 12}},
        {IDC_CHOOSE_LOG, L"Button", L"ファイル選択", {378, 7, 47, 12}},
        {IDC_LOAD, L"Button", L"ファイル\n読み込み", {436, 7, 48, 29}},
        {IDC_OUTPUT_PATH, L"Edit", L"", {91, 24, 285, 12}},
        {IDC_CHOOSE_OUTPUT, L"Button", L"ファイル選択", {379, 24, 47, 12}},
        {IDC_MAIN_LIST, L"SysListView32", L"", {7, 53, 421, 149}},
        {IDC_RANGE_START, L"Edit", L"", {436, 47, 20, 11}},
        {IDC_RANGE_END, L"Edit", L"", {464, 47, 19, 11}},
        {IDC_CLEAR_RANGE, L"Button", L"チェッククリア", {436, 64, 48, 11}},
        {IDC_SAME_TRIP, L"Button", L"同トリ選択", {436, 89, 48, 14}},
        {IDC_SAME_ID, L"Button", L"同ＩＤ選択", {436, 108, 48, 14}},
        {IDC_REFERENCED, L"Button", L"参照レス抽出", {436, 130, 48, 25}},
        {IDC_CONVERT, L"Button", L"変換", {436, 167, 48, 36}},
        {IDC_SUB_LIST, L"SysListView32", L"", {7, 220, 477, 157}},
        {IDC_STATUS, L"Static", L"", {7, 384, 300, 14}},
        {IDC_MARK_COUNTS, L"Static", L"", {310, 384, 110, 14}},
        {IDC_EXIT, L"Button", L"終了", {426, 382, 58, 16}},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.id);
        HWND control = GetDlgItem(dialog_, c.id);
        ASSERT_NE(control, nullptr);
        wchar_t className[64];
        GetClassNameW(control, className, 64);
        EXPECT_STREQ(className, c.className);
        EXPECT_EQ(Text(c.id), c.caption);
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        EXPECT_TRUE(style & WS_VISIBLE);
        EXPECT_EQ((style & WS_TABSTOP) != 0, c.id != IDC_STATUS && c.id != IDC_MARK_COUNTS);
        if (wcscmp(c.className, L"Button") == 0) {
            EXPECT_EQ(style & 0xF, BS_PUSHBUTTON) << "no default button";
        }

        // The dialog manager maps the origin and the size each on its own.
        RECT expected = c.units;
        MapDialogRect(dialog_, &expected);
        RECT actual;
        GetWindowRect(control, &actual);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right - actual.left, expected.right);
        EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
    }
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog_, IDC_STATUS), GWL_STYLE) & SS_SUNKEN);
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog_, IDC_LOAD), GWL_STYLE) & BS_MULTILINE);
    EXPECT_EQ(GetDlgItem(dialog_, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(dialog_, IDCANCEL), nullptr);

    wchar_t caption[64];
    GetWindowTextW(dialog_, caption, 64);
    EXPECT_STREQ(caption, L"Harvo - まとめ支援ツール");
    const LONG style = GetWindowLongW(dialog_, GWL_STYLE);
    EXPECT_FALSE(style & WS_VISIBLE) << "created hidden";
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME);
    EXPECT_TRUE(style & WS_SYSMENU);
}

TEST_F(MainDialogTest, MenuCarriesItsItems) {
    HMENU menu = GetMenu(dialog_);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    wchar_t text[64];
    const wchar_t* popups[] = {L"編集(&E)", L"選択(&S)", L"ツール(&T)", L"ヘルプ(&H)"};
    const wchar_t* selections[] = {L"スレ主の書き込み(&O)", L"人気レス(&P)", L"キーワード(&K)...", L"返信しているレス(&R)"};
    ASSERT_EQ(GetMenuItemCount(GetSubMenu(menu, 1)), 4);
    for (UINT i = 0; i < 4; ++i) {
        GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        EXPECT_STREQ(text, popups[i]);
        GetMenuStringW(menu, IDM_SELECT_STARTER + i, text, 64, MF_BYCOMMAND);
        EXPECT_STREQ(text, selections[i]);
        EXPECT_EQ(GetMenuItemID(GetSubMenu(menu, 1), static_cast<int>(i)), IDM_SELECT_STARTER + i);
        EXPECT_TRUE(GetMenuState(menu, IDM_SELECT_STARTER + i, MF_BYCOMMAND) & MF_GRAYED) << "before a load";
    }
    GetMenuStringW(menu, IDM_UNDO, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"元に戻す(&U)\tCtrl+Z");
    EXPECT_TRUE(GetMenuState(menu, IDM_UNDO, MF_BYCOMMAND) & MF_GRAYED) << "nothing to undo yet";
    for (int id : {IDM_COLOUR_NONE, IDM_COLOUR_PURPLE, IDM_SIZE_LARGER, IDM_AA, IDM_PLAIN})
        EXPECT_TRUE(GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) << id << ": greyed before a load";
    GetMenuStringW(menu, IDM_COPY_PAGE, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"ページのHTMLをコピー(&C)\tCtrl+Shift+C");
    EXPECT_TRUE(GetMenuState(menu, IDM_COPY_PAGE, MF_BYCOMMAND) & MF_GRAYED) << "nothing loaded yet";
    ACCEL keys[4];
    ASSERT_EQ(CopyAcceleratorTableW(LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_KEYS)), keys, 4), 2);
    EXPECT_EQ(keys[1].fVirt, FVIRTKEY | FCONTROL | FSHIFT);
    EXPECT_EQ(keys[1].key, 'C');
    EXPECT_EQ(keys[1].cmd, IDM_COPY_PAGE);
    GetMenuStringW(menu, IDM_SETTINGS, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"設定(&S)");
    GetMenuStringW(menu, IDM_LOAD_CHECK_FILE, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"チェックファイル読み込み");
    GetMenuStringW(menu, IDM_VERSION, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"バージョン情報(&B)");
}

TEST_F(MainDialogTest, ListsHaveChecksGridLinesAndColumns) {
    for (int list : {IDC_MAIN_LIST, IDC_SUB_LIST}) {
        const LRESULT style = SendDlgItemMessageW(dialog_, list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
        EXPECT_EQ(style & (LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES), LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
        HWND header = reinterpret_cast<HWND>(SendDlgItemMessageW(dialog_, list, LVM_GETHEADER, 0, 0));
        EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), list == IDC_MAIN_LIST ? 6 : 5);
    }
    const struct { int list; int column; const wchar_t* header; int width; } columns[] = {
        {IDC_MAIN_LIST, 1, L"名前", 250}, {IDC_MAIN_LIST, 4, L"日付", 200}, {IDC_MAIN_LIST, 5, L"被参照", 50},
        {IDC_SUB_LIST, 1, L"名前（＆トリップ）", 250}, {IDC_SUB_LIST, 4, L"本文", 500},
    };
    for (const auto& c : columns) {
        wchar_t text[64] = L"";
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = 64;
        SendDlgItemMessageW(dialog_, c.list, LVM_GETCOLUMNW, static_cast<WPARAM>(c.column),
                            reinterpret_cast<LPARAM>(&column));
        EXPECT_STREQ(text, c.header);
        EXPECT_EQ(column.cx, c.width);
    }
}

TEST_F(MainDialogTest, LoadFillsBothListsAndHandTicksReachTheTable) {
    TempDir dir;
    const std::string path = dir.File("スレッド.dat");
    WriteBytes(path, "ハンドル </b>◆Trip <b><>sage<>2009/01/01 ID:AbC<>最初<>題名\n"
                     "</b>◆Only <b><><>2009/01/02 ID:XyZ<>" + std::string(4095, 'b') + "<>\n"
                     "名無し<><>2009/01/03<>三番目<>\n");
    Win32DialogPort port(dialog_);

    // First a thread of 1001 posts, left scrolled to its end with a row selected.
    std::string longThread;
    for (int i = 0; i < 1001; ++i) longThread += "<><>d<>b<>\n";
    WriteBytes(dir.File("long.dat"), longThread);
    port.SetText(IDC_LOG_PATH, dir.File("long.dat").c_str());
    Command(IDC_LOAD);
    EXPECT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了（1001件目以降は読み込んでいません）");
    for (int list : {IDC_MAIN_LIST, IDC_SUB_LIST}) {
        SendDlgItemMessageW(dialog_, list, LVM_ENSUREVISIBLE, 999, FALSE);
        ListView_SetItemState(GetDlgItem(dialog_, list), 990, LVIS_SELECTED, LVIS_SELECTED);
        ASSERT_GT(SendDlgItemMessageW(dialog_, list, LVM_GETTOPINDEX, 0, 0), 900);
    }

    port.SetText(IDC_LOG_PATH, path.c_str());
    Command(IDC_LOAD);
    EXPECT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了");
    for (int list : {IDC_MAIN_LIST, IDC_SUB_LIST}) {
        EXPECT_EQ(SendDlgItemMessageW(dialog_, list, LVM_GETTOPINDEX, 0, 0), 0) << "post 1 at the top";
        EXPECT_EQ(SendDlgItemMessageW(dialog_, list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
    }
    ASSERT_EQ(RowCount(IDC_MAIN_LIST), 1000);
    ASSERT_EQ(RowCount(IDC_SUB_LIST), 1000);
    EXPECT_EQ(Cell(IDC_MAIN_LIST, 0, 1), L"ハンドル ");
    EXPECT_EQ(Cell(IDC_MAIN_LIST, 0, 2), L"◆Trip");
    EXPECT_EQ(Cell(IDC_SUB_LIST, 0, 1), L"ハンドル ◆Trip");
    EXPECT_EQ(Cell(IDC_MAIN_LIST, 1, 1), L"</b>◆Only <b>");
    EXPECT_EQ(Cell(IDC_MAIN_LIST, 1, 3), L"XyZ");
    EXPECT_EQ(Cell(IDC_SUB_LIST, 1, 4), std::wstring(1023, L'b'));
    EXPECT_EQ(Cell(IDC_SUB_LIST, 2, 4), L"三番目");
    EXPECT_EQ(Cell(IDC_MAIN_LIST, 999, 0), L"1000");
    EXPECT_EQ(Cell(IDC_MAIN_LIST, 999, 1), L"");

    // Ticking the row numbered 3 in both lists marks record 2 alone, at once.
    ListView_SetCheckState(GetDlgItem(dialog_, IDC_MAIN_LIST), 2, TRUE);
    ListView_SetCheckState(GetDlgItem(dialog_, IDC_SUB_LIST), 2, TRUE);
    for (int i = 0; i < MAX_POSTS; ++i) {
        ASSERT_EQ(postTable[i].mainCheck, i == 2 ? 1 : 0) << i;
        ASSERT_EQ(postTable[i].subCheck, i == 2 ? 1 : 0) << i;
    }
}

TEST_F(MainDialogTest, OtherIdsAreLeftToTheSystem) {
    for (int id : {IDC_LOG_PATH, IDC_RANGE_END, IDOK, IDCANCEL, 40999})  // IDOK, IDCANCEL: Enter, Escape
        EXPECT_EQ(MainDlgProc(dialog_, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), 0), FALSE) << id;
    EXPECT_EQ(MainDlgProc(dialog_, WM_COMMAND, MAKEWPARAM(IDC_LOAD, BN_CLICKED), 0), TRUE);
    EXPECT_EQ(Text(IDC_STATUS), L"読み込み対象ファイルの設定がありません");
}

// Sized 200 x 100 larger, each control follows its edges, the lists sharing the
// height; closed, the window leaves its box in the program INI.
TEST_F(MainDialogTest, SizedWindowLaysOutAndIsKept) {
    const int moves[][5] = {{IDC_LOG_PATH, 0, 0, 200, 0},    {IDC_SAME_TRIP, 200, 0, 200, 0},
                            {IDC_MAIN_LIST, 0, 0, 200, 50},  {IDC_SUB_LIST, 0, 50, 200, 100},
                            {IDC_STATUS, 0, 100, 200, 100},  {IDC_EXIT, 200, 100, 200, 100},
                            {IDC_MARK_COUNTS, 200, 100, 200, 100}};
    RECT before[7], window;
    for (int i = 0; i < 7; ++i) GetWindowRect(GetDlgItem(dialog_, moves[i][0]), &before[i]);
    GetWindowRect(dialog_, &window);
    SetWindowPos(dialog_, nullptr, 0, 0, window.right - window.left + 200, window.bottom - window.top + 100,
                 SWP_NOMOVE | SWP_NOZORDER);
    for (int i = 0; i < 7; ++i) {
        RECT r;
        GetWindowRect(GetDlgItem(dialog_, moves[i][0]), &r);
        EXPECT_EQ(std::vector<LONG>({r.left - before[i].left, r.top - before[i].top, r.right - before[i].right, r.bottom - before[i].bottom}),
                  std::vector<LONG>(moves[i] + 1, moves[i] + 5)) << moves[i][0];
    }
    TempDir dir;
    Session& session = real_.session();
    snprintf(session.iniPath, sizeof session.iniPath, "%s", dir.File("Harvo.ini").c_str());
    DestroyWindow(dialog_);
    EXPECT_NE(ReadBytes(session.iniPath).find("WIDTH=" + std::to_string(window.right - window.left + 200)), std::string::npos);
}

}  // namespace
