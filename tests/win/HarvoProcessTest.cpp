// The real Harvo.exe as a user meets it: started as its own process and ended
// by the three ways of closing; the keyboard moves through its controls.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextWin.h"
#include "resources/resource.h"
#include "tests/support/TestFiles.h"

namespace {

const DWORD WAIT_LIMIT_MS = 20000;

class HarvoProcess : public ::testing::Test {
protected:
    void SetUp() override { Start(L""); }
    // Harvo.exe started with arguments after its own quoted path.
    void Start(const std::wstring& arguments) {
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring exe(path);
        exe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"Harvo.exe";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
        ASSERT_TRUE(CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &process_))
            << GetLastError();
        WaitForInputIdle(process_.hProcess, WAIT_LIMIT_MS);
        // The dialog appears once the process has initialised it; wait for it, bounded.
        for (DWORD waited = 0; !dialog_ && waited < WAIT_LIMIT_MS; waited += 50) {
            dialog_ = FindWindowW(nullptr, L"Harvo - まとめ支援ツール");
            if (!dialog_) Sleep(50);
        }
        ASSERT_NE(dialog_, nullptr) << "the main dialog never appeared";
    }
    void TearDown() override {
        if (process_.hProcess) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, WAIT_LIMIT_MS);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }

    // The exit code once the process has ended, or STILL_ACTIVE after the limit.
    DWORD ExitCode(DWORD limit = WAIT_LIMIT_MS) {
        WaitForSingleObject(process_.hProcess, limit);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    // The id of the control that has the keyboard focus in Harvo's thread.
    int FocusedId() {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(process_.dwThreadId, &info);
        return GetDlgCtrlID(info.hwndFocus);
    }
    // The keys pressed together, as the keyboard sends them, then released.
    void Keys(std::initializer_list<WORD> keys) {
        std::vector<INPUT> inputs(2 * keys.size());
        for (size_t i = 0; i < inputs.size(); ++i) {
            inputs[i].type = INPUT_KEYBOARD;
            inputs[i].ki.wVk = keys.begin()[i % keys.size()];
            inputs[i].ki.dwFlags = i < keys.size() ? 0 : KEYEVENTF_KEYUP;
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        Sleep(200);  // for Harvo to take them
    }
    // A click of the button given (MOUSEEVENTF_LEFTDOWN or RIGHTDOWN) at a point of the screen.
    void Click(POINT at, DWORD down) {
        INPUT clicks[3] = {};
        const DWORD flags[3] = {MOUSEEVENTF_MOVE, down, down << 1};  // each UP flag is its DOWN flag's double
        for (int i = 0; i < 3; ++i) {
            clicks[i].type = INPUT_MOUSE;
            clicks[i].mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
            clicks[i].mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
            clicks[i].mi.dwFlags = flags[i] | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        }
        for (INPUT& click : clicks) {
            SendInput(1, &click, sizeof(INPUT));
            Sleep(100);
        }
    }
    void SetFocusTo(int id) { SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog_, id)), TRUE); }

    PROCESS_INFORMATION process_ = {};
    HWND dialog_ = nullptr;
};

TEST_F(HarvoProcess, ShowsTheMainDialog) {
    EXPECT_TRUE(IsWindowVisible(dialog_));
    EXPECT_NE(GetDlgItem(dialog_, IDC_MAIN_LIST), nullptr);
    PostMessageW(dialog_, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCode(), 0u);
}

TEST_F(HarvoProcess, ExitButtonEndsWithCodeZero) {
    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
    EXPECT_EQ(ExitCode(), 0u);
}

TEST_F(HarvoProcess, SystemMenuCloseEndsWithCodeZero) {
    PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(ExitCode(), 0u);
}

// A click on the close box: found by asking the window where HTCLOSE lies.
TEST_F(HarvoProcess, CloseBoxEndsWithCodeZero) {
    RECT frame;
    GetWindowRect(dialog_, &frame);
    POINT box = {-1, -1};
    for (int y = frame.top; y < frame.top + 40 && box.x < 0; ++y)
        for (int x = frame.right - 1; x > frame.right - 80 && box.x < 0; --x)
            if (SendMessageW(dialog_, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) box = {x - 3, y + 3};
    ASSERT_GE(box.x, 0) << "no close box found";
    SetForegroundWindow(dialog_);
    Click(box, MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(ExitCode(), 0u);
}

// Started with a real thread log's quoted path, blanks and Japanese in it: the
// log is loaded once the window shows. Tab walks the controls in the template's
// order, Shift+Tab back; Enter and Escape do nothing but for Enter on a row,
// which shows its post; Space ticks the row the arrows reach; Ctrl+Z undoes
// the command after it, except in an edit box.
class HarvoWithThreadLog : public HarvoProcess {
protected:
    void SetUp() override {
        REQUIRE_REAL_THREAD_LOGS();
        WriteBytes(log_, ReadBytes(RealThreadLogFolder() + "twoB_2ch_with_id_and_be.dat"));
        Start(L"\"" + ToWide(log_.c_str()) + L"\"");
    }
    std::wstring Text(int id) {
        wchar_t text[MAX_PATH] = L"";
        GetDlgItemTextW(dialog_, id, text, MAX_PATH);
        return text;
    }
    std::vector<int> Ticked() {  // the main list's, by post number
        std::vector<int> rows;
        for (int i = 0; i < 1000; ++i)
            if (SendDlgItemMessageW(dialog_, IDC_MAIN_LIST, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK) == 0x2000) rows.push_back(i + 1);
        return rows;
    }
    TempDir dir_;
    const std::string log_ = dir_.File("スレ ログ.dat");
};

TEST_F(HarvoWithThreadLog, LoadsThePathNamedAndTakesKeys) {
    for (DWORD waited = 0; Text(IDC_STATUS).empty() && waited < WAIT_LIMIT_MS; waited += 100) Sleep(100);
    EXPECT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了");
    EXPECT_EQ(SendDlgItemMessageW(dialog_, IDC_MAIN_LIST, LVM_GETITEMCOUNT, 0, 0), 1000);
    EXPECT_EQ(Text(IDC_LOG_PATH), ToWide(log_.c_str()));

    SetForegroundWindow(dialog_);
    for (int id : {IDC_LOG_PATH, IDC_CHOOSE_LOG, IDC_LOAD, IDC_OUTPUT_PATH, IDC_CHOOSE_OUTPUT, IDC_MAIN_LIST,
                   IDC_RANGE_START, IDC_RANGE_END, IDC_CLEAR_RANGE, IDC_SAME_TRIP, IDC_SAME_ID, IDC_REFERENCED,
                   IDC_CONVERT, IDC_SUB_LIST, IDC_EXIT, IDC_LOG_PATH}) {
        EXPECT_EQ(FocusedId(), id);
        Keys({VK_TAB});
    }
    Keys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(FocusedId(), IDC_LOG_PATH);
    for (int id : {IDC_LOG_PATH, IDC_MAIN_LIST}) {
        SetFocusTo(id);
        Keys({VK_RETURN});
        Keys({VK_ESCAPE});
    }
    EXPECT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了") << "nothing ran";
    Keys({VK_HOME});
    for (int i = 0; i < 4; ++i) Keys({VK_DOWN});
    Keys({VK_SPACE});
    ASSERT_EQ(Ticked(), (std::vector<int>{5}));
    Keys({VK_RETURN});  // Enter on a row shows its post; Escape closes it
    HWND preview = nullptr;
    for (DWORD waited = 0; !(preview = FindWindowW(nullptr, L"レス 5")) && waited < WAIT_LIMIT_MS; waited += 100) Sleep(100);
    EXPECT_NE(preview, nullptr);
    Keys({VK_ESCAPE});
    SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_SAME_ID, BN_CLICKED), 0);
    EXPECT_EQ(Ticked(), (std::vector<int>{5, 6, 7, 8, 9}));
    SetFocusTo(IDC_OUTPUT_PATH);
    Keys({VK_CONTROL, 'Z'});
    EXPECT_EQ(Ticked().size(), 5u) << "in an edit box Ctrl+Z is the edit's";
    SetFocusTo(IDC_SAME_ID);
    Keys({VK_CONTROL, 'Z'});
    EXPECT_EQ(Ticked(), (std::vector<int>{5}));
    EXPECT_EQ(Text(IDC_STATUS), L"元に戻しました");
    SetFocusTo(IDC_MAIN_LIST);
    Keys({VK_SPACE});  // post 5 unticked: the marks are as loaded, so closing asks nothing
    EXPECT_TRUE(Ticked().empty());
    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
    EXPECT_EQ(ExitCode(), 0u);
}

// The emphasis keys work in a list and not in an edit box; a right click on a
// row opens the emphasis menu for it. The conversion keeps what they chose in
// the check file: posts 2 and 3 blue and bold, post 1 red.
TEST_F(HarvoWithThreadLog, EmphasisByKeysAndContextMenu) {
    for (DWORD waited = 0; Text(IDC_STATUS).empty() && waited < WAIT_LIMIT_MS; waited += 100) Sleep(100);
    ASSERT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了");
    SetForegroundWindow(dialog_);
    SetFocusTo(IDC_MAIN_LIST);
    for (WORD key : {VK_HOME, VK_DOWN}) Keys({key});
    Keys({VK_SHIFT, VK_DOWN});  // rows 1 and 2 selected
    Keys({VK_CONTROL, '2'});
    Keys({VK_CONTROL, 'B'});
    SetFocusTo(IDC_OUTPUT_PATH);
    Keys({VK_CONTROL, '1'});  // the edit box's: nothing changes

    RECT header;
    GetWindowRect(reinterpret_cast<HWND>(SendDlgItemMessageW(dialog_, IDC_MAIN_LIST, LVM_GETHEADER, 0, 0)), &header);
    Click({header.left + 30, header.bottom + 4}, MOUSEEVENTF_RIGHTDOWN);  // row 0, now the one selected
    for (DWORD waited = 0; !FindWindowW(L"#32768", nullptr) && waited < WAIT_LIMIT_MS; waited += 100) Sleep(100);
    ASSERT_NE(FindWindowW(L"#32768", nullptr), nullptr) << "no context menu";
    for (WORD key : {VK_DOWN, VK_DOWN, VK_RETURN}) Keys({key});  // 色なし, 赤
    SetFocusTo(IDC_MAIN_LIST);
    Keys({VK_SPACE});  // row 0 ticked: a post for the page

    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_CONVERT, BN_CLICKED), 0);
    for (DWORD waited = 0; Text(IDC_STATUS) != L"変換完了" && waited < WAIT_LIMIT_MS; waited += 100) Sleep(100);
    const std::string chk = ReadBytes(log_.substr(0, log_.size() - 4) + ".chk");
    EXPECT_EQ(chk.substr(2004 + static_cast<unsigned char>(chk[2000])), "HVEM\x01\x22\x22" + std::string(997, '\0'));
    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
    EXPECT_EQ(ExitCode(), 0u) << "the emphasis was saved: nothing to ask";
}

}  // namespace
