#include "tests/win/ModalScript.h"

#include <vector>

namespace {

struct Run {
    HWND owner;
    DWORD thread;
    const std::function<void(HWND)>* script;
    bool found;
    bool closed;  // by the script, not by the rescue
};

std::vector<HWND> DialogsOf(DWORD thread) {
    std::vector<HWND> found;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM list) {
            wchar_t name[16] = L"";
            GetClassNameW(window, name, 16);
            if (IsWindowVisible(window) && wcscmp(name, L"#32770") == 0)
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Closes, newest first, every dialog window the script left open over the owner.
void CloseLeftovers(const Run& run) {
    for (int round = 0; round < 20; ++round) {
        bool any = false;
        for (HWND window : DialogsOf(run.thread)) {
            if (window == run.owner) continue;
            PostMessageW(window, WM_CLOSE, 0, 0);
            any = true;
        }
        if (!any) return;
        Sleep(250);
    }
}

DWORD WINAPI ScriptThread(void* parameter) {
    Run& run = *static_cast<Run*>(parameter);
    if (HWND window = WaitForNewDialog(run.thread, {run.owner})) {
        run.found = true;
        (*run.script)(window);
        run.closed = WaitUntilClosed(window);
        if (!run.closed) CloseLeftovers(run);
    }
    return 0;
}

}  // namespace

bool RunWhileModal(HWND owner, int id, const std::function<void(HWND)>& script) {
    Run run = {owner, GetCurrentThreadId(), &script, false, false};
    HANDLE thread = CreateThread(nullptr, 0, ScriptThread, &run, 0, nullptr);
    if (!thread) return false;
    SendMessageW(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    const bool finished = WaitForSingleObject(thread, 3 * MODAL_WAIT_MS) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return finished && run.found && run.closed;
}

HWND WaitForNewDialog(DWORD thread, std::initializer_list<HWND> known) {
    HWND result = nullptr;
    WaitFor([&] {
        for (HWND window : DialogsOf(thread)) {
            bool isKnown = false;
            for (HWND k : known) isKnown |= window == k;
            if (!isKnown) result = window;
        }
        return result != nullptr;
    });
    return result;
}

bool WaitFor(const std::function<bool()>& condition) {
    for (DWORD waited = 0; waited < MODAL_WAIT_MS; waited += 20) {
        if (condition()) return true;
        Sleep(20);
    }
    return condition();
}

bool WaitUntilClosed(HWND window) {
    return WaitFor([window] { return !IsWindow(window) || !IsWindowVisible(window); });
}

void Click(HWND window, int id) { PostMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); }

void ClickNow(HWND window, int id) { SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); }

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

void PressKey(HWND window, WPARAM key) {
    HWND target = FocusOf(window) ? FocusOf(window) : window;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = L"";
    GetWindowTextW(window, text, 1024);
    return text;
}
