// The real Harvo.exe as a user meets it: started as its own process and ended
// by the three ways of closing; Enter and Escape leave it running.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"

namespace {

const DWORD WAIT_LIMIT_MS = 20000;

class HarvoProcess : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring exe(path);
        exe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"Harvo.exe";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + exe + L"\"";
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
    INPUT clicks[3] = {};
    const DWORD flags[3] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 3; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dx = MulDiv(box.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        clicks[i].mi.dy = MulDiv(box.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        clicks[i].mi.dwFlags = flags[i] | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    for (INPUT& click : clicks) {
        SendInput(1, &click, sizeof(INPUT));
        Sleep(100);
    }
    EXPECT_EQ(ExitCode(), 0u);
}

TEST_F(HarvoProcess, EnterAndEscapeDoNothing) {
    SetForegroundWindow(dialog_);
    HWND edit = GetDlgItem(dialog_, IDC_LOG_PATH);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        for (HWND target : {edit, dialog_}) {
            PostMessageW(target, WM_KEYDOWN, key, 1);
            PostMessageW(target, WM_KEYUP, key, 0xC0000001);
        }
    }
    EXPECT_EQ(ExitCode(1500), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(IsWindow(dialog_));
    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
    EXPECT_EQ(ExitCode(), 0u);
}

}  // namespace
