// The selection buttons on the real main dialog: the check boxes of the real
// list views they change, their status texts, and the clear question, found
// and answered through its own buttons as a user would.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "app/MainDialogProc.h"
#include "app/Win32DialogPort.h"
#include "resources/resource.h"
#include "settings/ProgramIni.h"
#include "tests/support/TestFiles.h"
#include "threadlog/PostTable.h"

namespace {

using Posts = std::vector<int>;

// Posts 1 and 3 share a trip, post 4 has it in lower case; posts 1 and 4
// share an ID, post 5 has it in lower case. Post 1 refers to posts 3 and 5.
const char kThread[] =
    "名無し</b>◆Trip1 <b><>sage<>2009/01/01 ID:AAA<>&gt;&gt;3 と &gt;&gt; 5<>題名\n"
    "名無し<><>2009/01/01 ID:BBB<>二<>\n"
    "名無し</b>◆Trip1 <b><><>2009/01/01 ID:CCC<>三<>\n"
    "名無し</b>◆trip1 <b><><>2009/01/01 ID:AAA<>四<>\n"
    "名無し<><>2009/01/01 ID:aaa<>五<>\n";

// What a message box showed before it was answered.
struct SeenBox {
    bool found = false;
    HWND owner = nullptr;
    std::wstring text;
    Posts buttons;  // the ids of its visible buttons, in the order of its controls
    int defaultButton = 0;
    bool icon = false;
};

// Waits on a second thread for the message box with the given caption (the
// dialog is blocked in it), records what it shows and presses one of its
// buttons. Every wait is bounded: should the box never match, any modal
// popup of the dialog is ended with No after the limit, so no test hangs.
class BoxAnswerer {
public:
    static const DWORD LIMIT_MS = 10000;

    BoxAnswerer(HWND dialog, const wchar_t* caption, int button)
        : dialog_(dialog), caption_(caption), button_(button) {
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ~BoxAnswerer() { Finish(); }

    // Called once the command has returned; what the box showed.
    const SeenBox& Finish() {
        finished_ = true;
        if (thread_) {
            WaitForSingleObject(thread_, 2 * LIMIT_MS);
            CloseHandle(thread_);
            thread_ = nullptr;
        }
        return seen_;
    }

private:
    static DWORD WINAPI Run(void* self) {
        static_cast<BoxAnswerer*>(self)->Answer();
        return 0;
    }

    void Answer() {
        for (DWORD waited = 0; !finished_ && waited < 2 * LIMIT_MS; waited += 20) {
            HWND box = FindWindowW(L"#32770", caption_);
            if (box && IsWindowVisible(box)) {
                Record(box);
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(box, button_)));
                return;
            }
            HWND popup = GetWindow(dialog_, GW_ENABLEDPOPUP);
            if (waited >= LIMIT_MS && popup && popup != dialog_) PostMessageW(popup, WM_COMMAND, IDNO, 0);
            Sleep(20);
        }
    }

    void Record(HWND box) {
        seen_.found = true;
        seen_.owner = GetWindow(box, GW_OWNER);
        EnumChildWindows(box, RecordControl, reinterpret_cast<LPARAM>(&seen_));
    }

    // Buttons by their ids, the default one by its style; the text and the
    // icon from the static controls.
    static BOOL CALLBACK RecordControl(HWND child, LPARAM seenBox) {
        SeenBox& seen = *reinterpret_cast<SeenBox*>(seenBox);
        if (!IsWindowVisible(child)) return TRUE;
        wchar_t className[32] = L"";
        GetClassNameW(child, className, 32);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (lstrcmpiW(className, L"Button") == 0) {
            const int id = GetDlgCtrlID(child);
            seen.buttons.push_back(id);
            if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) seen.defaultButton = id;
        } else if (lstrcmpiW(className, L"Static") == 0) {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                if (SendMessageW(child, STM_GETICON, 0, 0)) seen.icon = true;
            } else {
                wchar_t text[512] = L"";
                GetWindowTextW(child, text, 512);
                seen.text += text;
            }
        }
        return TRUE;
    }

    HWND dialog_;
    const wchar_t* caption_;
    int button_;
    HANDLE thread_ = nullptr;
    std::atomic<bool> finished_{false};
    SeenBox seen_;
};

class SelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        ClearPostTable();
        dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), nullptr, MainDlgProc, 0);
        ASSERT_NE(dialog_, nullptr) << GetLastError();
        // The program INI of these tests lies in their own folder.
        snprintf(iniPath, sizeof iniPath, "%s", dir_.File("Harvo.ini").c_str());
        const std::string log = dir_.File("スレッド.dat");
        WriteBytes(log, kThread);
        Win32DialogPort(dialog_).SetText(IDC_LOG_PATH, log.c_str());
        Command(IDC_LOAD);
        ASSERT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了");
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        ClearPostTable();
        iniPath[0] = '\0';
    }

    std::wstring Text(int id) {
        wchar_t text[256] = L"";
        GetDlgItemTextW(dialog_, id, text, 256);
        return text;
    }
    void Command(int id) { SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void Tick(int list, const Posts& numbers) {
        for (int n : numbers) ListView_SetCheckState(GetDlgItem(dialog_, list), n - 1, TRUE);
    }
    // The post numbers whose check boxes are ticked.
    Posts Ticked(int list) {
        Posts numbers;
        for (int i = 0; i < MAX_POSTS; ++i)
            if (ListView_GetCheckState(GetDlgItem(dialog_, list), i)) numbers.push_back(i + 1);
        return numbers;
    }
    SeenBox ClearAnswering(int button) {
        BoxAnswerer answerer(dialog_, L"消去確認", button);
        Command(IDC_CLEAR_RANGE);
        return answerer.Finish();
    }

    TempDir dir_;
    HWND dialog_ = nullptr;
};

TEST_F(SelectionTest, SameTripAndSameIdTickTheMainList) {
    const struct {
        int button;
        Posts marked, expected;
        const wchar_t* status;
    } cases[] = {
        {IDC_SAME_TRIP, {1}, {1, 3}, L"同トリップ抽出完了"},
        {IDC_SAME_TRIP, {2}, {2}, L"同トリップ抽出完了"},
        {IDC_SAME_ID, {1}, {1, 4}, L"同ＩＤ抽出完了"},
        {IDC_SAME_ID, {3, 5}, {3, 5}, L"同ＩＤ抽出完了"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        Command(IDC_LOAD);  // a fresh load drops every mark
        Tick(IDC_MAIN_LIST, c.marked);
        Command(c.button);
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), c.expected);
        EXPECT_EQ(Ticked(IDC_SUB_LIST), Posts{});
        EXPECT_EQ(Text(IDC_STATUS), c.status);
    }
}

TEST_F(SelectionTest, ReferencedResponsesTickTheSubList) {
    Tick(IDC_MAIN_LIST, {1, 2});
    Tick(IDC_SUB_LIST, {4});
    Command(IDC_REFERENCED);
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{3, 4, 5}));
    EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{1, 2}));
    EXPECT_EQ(Text(IDC_STATUS), L"参照レス抽出完了");
    EXPECT_EQ(postTable[0].mainCheck + postTable[1].mainCheck, 2);
    EXPECT_EQ(postTable[4].subCheck, 1);

    WriteBytes(iniPath, "[OPTION]\r\nSUBCHECK=1\r\n");
    Command(IDC_REFERENCED);
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{1, 2, 3, 4, 5}));
}

TEST_F(SelectionTest, ClearAnsweredYesClearsBothLists) {
    Tick(IDC_MAIN_LIST, {1, 2, 3, 4, 5, 1000});
    Tick(IDC_SUB_LIST, {1, 2, 3, 4, 5, 1000});
    SetDlgItemTextW(dialog_, IDC_RANGE_START, L"2");
    SetDlgItemTextW(dialog_, IDC_RANGE_END, L"4");

    const SeenBox box = ClearAnswering(IDYES);
    ASSERT_TRUE(box.found) << "no question was asked";
    EXPECT_EQ(box.owner, dialog_);
    EXPECT_EQ(box.text, L"ターゲットチェックをクリアしてもよろしいでしょうか");
    EXPECT_EQ(box.buttons, (Posts{IDYES, IDNO}));
    EXPECT_EQ(box.defaultButton, IDNO);
    EXPECT_FALSE(box.icon);

    EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{1, 5, 1000}));
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{1, 5, 1000}));
    EXPECT_EQ(Text(IDC_STATUS), L"");
    EXPECT_EQ(Text(IDC_RANGE_START), L"2") << "the edits keep their texts";
}

TEST_F(SelectionTest, ClearAnsweredNoKeepsEveryMark) {
    Tick(IDC_MAIN_LIST, {1, 2, 3});
    Tick(IDC_SUB_LIST, {2});
    SetDlgItemTextW(dialog_, IDC_RANGE_START, L"1");
    SetDlgItemTextW(dialog_, IDC_RANGE_END, L"1000");
    EXPECT_TRUE(ClearAnswering(IDNO).found);
    EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{1, 2, 3}));
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{2}));
    EXPECT_EQ(Text(IDC_STATUS), L"消去をキャンセルしました");
}

// A bad range asks nothing and clears nothing.
TEST_F(SelectionTest, BadRangeIsShownWithoutAQuestion) {
    Tick(IDC_MAIN_LIST, {3});
    const struct {
        const wchar_t *start, *end, *status;
    } cases[] = {
        {L"", L"3", L"クリア範囲エラー（開始）"},
        {L"4294967299", L"3", L"クリア範囲エラー（開始）"},
        {L"3", L"1001", L"クリア範囲エラー（終了）"},
        {L"10", L"3", L"クリア範囲エラー"},
    };
    for (const auto& c : cases) {
        SetDlgItemTextW(dialog_, IDC_RANGE_START, c.start);
        SetDlgItemTextW(dialog_, IDC_RANGE_END, c.end);
        EXPECT_FALSE(ClearAnswering(IDYES).found);
        EXPECT_EQ(Text(IDC_STATUS), c.status);
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{3}));
    }
}

}  // namespace
