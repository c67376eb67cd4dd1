// Drives a running Harvo.exe from outside, as a user would, for screenshots
// and timings:
//   harvo_driver load PATH      load the thread log PATH (a Windows path)
//   harvo_driver tick N...      tick the rows numbered N in both lists
//   harvo_driver time-load PATH time the whole load command against a plain read
//   harvo_driver time-command ID [RUNS]  time a button's command (mean of RUNS, default 5)
//   harvo_driver menu ID        choose a menu item and wait for the window it opens
//   harvo_driver set ID TEXT     put TEXT into the control ID
//   harvo_driver dismiss        close the window open over the main dialog
//   harvo_driver rect           print the screen rectangle of the window open over the
//                               main dialog, or of the main dialog, as WxH+X+Y
//   harvo_driver open N         focus row N of the sub list, press Enter on it and wait
//                               for the post's window
//   harvo_driver emphasise ID N...  select rows N of the sub list, with the focus
//                               on it, and choose the emphasis command ID
//   harvo_driver answer ID      press button ID of the window open over the main dialog
//   harvo_driver tab            press Tab once in the main dialog, as the keyboard does
//   harvo_driver size W H       size the main dialog to W x H pixels (0 0: its smallest)
//   harvo_driver maximise       maximise the main dialog
//   harvo_driver close          press "終了"
// Every wait is bounded; the exit code is 0 on success.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

// The main dialog once it is shown.
HWND FindHarvo() {
    for (int waited = 0; waited < 30000; waited += 100) {
        HWND dialog = FindWindowW(nullptr, L"Harvo - まとめ支援ツール");
        if (dialog && IsWindowVisible(dialog)) return dialog;
        Sleep(100);
    }
    return nullptr;
}

double Seconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Sends a button's command and returns its duration in milliseconds.
double Command(HWND dialog, int id) {
    const double start = Seconds();
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    return (Seconds() - start) * 1000;
}

double Load(HWND dialog, const wchar_t* path) {
    SetDlgItemTextW(dialog, IDC_LOG_PATH, path);
    return Command(dialog, IDC_LOAD);
}

double PlainRead(const wchar_t* path) {
    const double start = Seconds();
    FILE* f = _wfopen(path, L"rb");
    if (!f) return -1;
    std::vector<char> bytes(1 << 20);
    while (fread(bytes.data(), 1, bytes.size(), f) > 0) {
    }
    fclose(f);
    return (Seconds() - start) * 1000;
}

void PrintStatus(HWND dialog) {
    wchar_t status[256] = L"";
    GetDlgItemTextW(dialog, IDC_STATUS, status, 256);
    const LRESULT rows = SendDlgItemMessageW(dialog, IDC_MAIN_LIST, LVM_GETITEMCOUNT, 0, 0);
    char text[512];
    WideCharToMultiByte(CP_UTF8, 0, status, -1, text, sizeof text, nullptr, nullptr);
    printf("status=%s rows=%d\n", text, static_cast<int>(rows));
}

// The visible window owned by the main dialog (a modal dialog or message box), or null.
HWND OpenedOver(HWND dialog) {
    struct Search {
        HWND owner, found;
    } search = {dialog, nullptr};
    EnumThreadWindows(
        GetWindowThreadProcessId(dialog, nullptr),
        [](HWND window, LPARAM p) -> BOOL {
            Search& s = *reinterpret_cast<Search*>(p);
            if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == s.owner) s.found = window;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Sets the state of rows in both lists, or in the sub list only; a list
// message's item must lie in the list's own process. False when out of reach.
bool SetRowStates(HWND dialog, const std::vector<int>& rows, UINT mask, UINT state, bool subOnly) {
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    void* remote = process ? VirtualAllocEx(process, nullptr, sizeof(LVITEMW), MEM_COMMIT, PAGE_READWRITE) : nullptr;
    if (!remote) {
        fprintf(stderr, "cannot reach Harvo's memory\n");
        return false;
    }
    LVITEMW item = {};
    item.stateMask = mask;
    item.state = state;
    WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    for (int row : rows) {
        for (int list : {IDC_MAIN_LIST, IDC_SUB_LIST})
            if (!subOnly || list == IDC_SUB_LIST)
                SendDlgItemMessageW(dialog, list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                                    reinterpret_cast<LPARAM>(remote));
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return true;
}

// The window a posted action opens over the main dialog, waited for (bounded).
HWND WaitForOpened(HWND dialog) {
    HWND opened = nullptr;
    for (int waited = 0; !opened && waited < 10000; waited += 100) {
        opened = OpenedOver(dialog);
        if (!opened) Sleep(100);
    }
    if (!opened) fprintf(stderr, "no window opened\n");
    return opened;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: harvo_driver load PATH | set ID TEXT | tick N... | open N | answer ID | time-load PATH | "
                        "time-command ID [RUNS] | menu ID | dismiss | rect | tab | size W H | maximise | close\n");
        return 2;
    }
    HWND dialog = FindHarvo();
    if (!dialog) {
        fprintf(stderr, "Harvo's main dialog did not appear\n");
        return 1;
    }
    const std::wstring verb = argv[1];
    if (verb == L"load" && argc == 3) {
        printf("load_ms=%.1f\n", Load(dialog, argv[2]));
        PrintStatus(dialog);
    } else if (verb == L"set" && argc == 4) {
        SetDlgItemTextW(dialog, _wtoi(argv[2]), argv[3]);
    } else if (verb == L"time-load" && argc == 3) {
        const int runs = 5;
        double load = 0, read = 0;
        for (int i = 0; i < runs; ++i) {
            read += PlainRead(argv[2]);
            load += Load(dialog, argv[2]);
        }
        printf("plain_read_ms=%.2f load_command_ms=%.1f ratio=%.0f (mean of %d)\n", read / runs, load / runs,
               load / read, runs);
        PrintStatus(dialog);
    } else if (verb == L"time-command" && (argc == 3 || argc == 4)) {
        const int id = _wtoi(argv[2]), runs = argc == 4 && _wtoi(argv[3]) > 0 ? _wtoi(argv[3]) : 5;
        double total = 0, slowest = 0;
        for (int i = 0; i < runs; ++i) {
            const double ms = Command(dialog, id);
            total += ms;
            if (ms > slowest) slowest = ms;
        }
        printf("command=%d mean_ms=%.1f max_ms=%.1f (of %d)\n", id, total / runs, slowest, runs);
        PrintStatus(dialog);
    } else if (verb == L"tick") {
        std::vector<int> rows;
        for (int i = 2; i < argc; ++i) rows.push_back(_wtoi(argv[i]) - 1);
        if (!SetRowStates(dialog, rows, LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(2), false)) return 1;
    } else if (verb == L"open" && argc == 3) {
        const int row = _wtoi(argv[2]) - 1;
        const UINT focus = LVIS_FOCUSED | LVIS_SELECTED;
        if (!SetRowStates(dialog, {row}, focus, focus, true)) return 1;
        SendDlgItemMessageW(dialog, IDC_SUB_LIST, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
        // The key goes to the list with the focus, through the dialog manager, as a user's would.
        HWND list = GetDlgItem(dialog, IDC_SUB_LIST);
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
        PostMessageW(list, WM_KEYDOWN, VK_RETURN, 1);
        if (!WaitForOpened(dialog)) return 1;
    } else if (verb == L"emphasise" && argc >= 4) {
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_SUB_LIST)), TRUE);
        std::vector<int> rows;
        for (int i = 3; i < argc; ++i) rows.push_back(_wtoi(argv[i]) - 1);
        if (!SetRowStates(dialog, {-1}, LVIS_SELECTED, 0, true) || !SetRowStates(dialog, rows, LVIS_SELECTED, LVIS_SELECTED, true))
            return 1;
        Command(dialog, _wtoi(argv[2]));
    } else if (verb == L"answer" && argc == 3) {
        HWND opened = WaitForOpened(dialog);
        if (!opened) return 1;
        PostMessageW(GetDlgItem(opened, _wtoi(argv[2])), BM_CLICK, 0, 0);
    } else if (verb == L"menu" && argc == 3) {
        // The item opens a modal window owned by the main dialog: wait for it, bounded.
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(_wtoi(argv[2]), 0), 0);
        if (!WaitForOpened(dialog)) return 1;
    } else if (verb == L"dismiss") {
        HWND opened = OpenedOver(dialog);
        if (opened) PostMessageW(opened, WM_CLOSE, 0, 0);
        for (int waited = 0; opened && IsWindowVisible(opened) && waited < 10000; waited += 100) Sleep(100);
    } else if (verb == L"rect") {
        HWND opened = OpenedOver(dialog);
        RECT r;
        GetWindowRect(opened ? opened : dialog, &r);
        printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    } else if (verb == L"tab") {
        SetForegroundWindow(dialog);
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_TAB;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
        Sleep(300);
    } else if (verb == L"size" && argc == 4) {
        SetWindowPos(dialog, nullptr, 0, 0, _wtoi(argv[2]), _wtoi(argv[3]), SWP_NOMOVE | SWP_NOZORDER);
        Sleep(300);
    } else if (verb == L"maximise") {
        ShowWindow(dialog, SW_MAXIMIZE);
        Sleep(300);
    } else if (verb == L"close") {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
    } else {
        fprintf(stderr, "unknown command\n");
        return 2;
    }
    return 0;
}
