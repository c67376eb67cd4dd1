#include "tests/win/ModalScript.h"

#include <atomic>
#include <vector>

namespace {

struct Run {
    HWND owner;
    DWORD thread;
    const std::function<void(HWND)>* script;
    bool found = false;
    bool closed = false;  // by the script, not by the rescue
    std::atomic<bool> commandDone{false};
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

// A visible dialog window of the thread that is not among known; null when none.
HWND NewDialog(DWORD thread, std::initializer_list<HWND> known) {
    HWND result = nullptr;
    for (HWND window : DialogsOf(thread)) {
        bool isKnown = false;
        for (HWND k : known) isKnown |= window == k;
        if (!isKnown) result = window;
    }
    return result;
}

DWORD WINAPI ScriptThread(void* parameter) {
    Run& run = *static_cast<Run*>(parameter);
    // A modal window can only open while the command runs: once it has
    // returned without one, there is nothing to wait for.
    HWND window = nullptr;
    WaitFor([&] { return (window = NewDialog(run.thread, {run.owner})) != nullptr || run.commandDone; });
    if (window) {
        run.found = true;
        (*run.script)(window);
        run.closed = WaitUntilClosed(window);
        if (!run.closed) CloseLeftovers(run);
    }
    return 0;
}

}  // namespace

bool RunWhileModal(HWND owner, int id, const std::function<void(HWND)>& script) {
    return RunWhileModal(owner, [=] { SendMessageW(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0); }, script);
}

bool RunWhileModal(HWND owner, const std::function<void()>& act, const std::function<void(HWND)>& script) {
    Run run;
    run.owner = owner;
    run.thread = GetCurrentThreadId();
    run.script = &script;
    HANDLE thread = CreateThread(nullptr, 0, ScriptThread, &run, 0, nullptr);
    if (!thread) return false;
    act();
    run.commandDone = true;
    const bool finished = WaitForSingleObject(thread, 3 * MODAL_WAIT_MS) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return finished && run.found && run.closed;
}

HWND WaitForNewDialog(DWORD thread, std::initializer_list<HWND> known) {
    HWND result = nullptr;
    WaitFor([&] { return (result = NewDialog(thread, known)) != nullptr; });
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

MessageBoxSeen ReadMessageBox(HWND box) {
    MessageBoxSeen seen;
    seen.owner = GetWindow(box, GW_OWNER);
    seen.caption = WindowText(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        wchar_t className[16] = L"";
        GetClassNameW(child, className, 16);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (lstrcmpiW(className, L"Button") == 0) {
            seen.buttons.push_back(GetDlgCtrlID(child));
            if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) seen.defaultButton = GetDlgCtrlID(child);
        } else if ((style & SS_TYPEMASK) == SS_ICON) {
            seen.icon |= SendMessageW(child, STM_GETICON, 0, 0) != 0;
        } else if (lstrcmpiW(className, L"Static") == 0) {
            seen.text += WindowText(child);
        }
    }
    return seen;
}

MessageBoxSeen AnswerMessageBox(HWND owner, int id, int button) {
    return AnswerMessageBox(owner, [=] { SendMessageW(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0); }, button);
}

MessageBoxSeen AnswerMessageBox(HWND owner, const std::function<void()>& act, int button) {
    MessageBoxSeen seen;
    RunWhileModal(owner, act, [&](HWND box) {
        seen = ReadMessageBox(box);
        Click(box, button);
    });
    return seen;
}
