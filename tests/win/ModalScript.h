// Acting on the modal windows a command opens, as a user would. The test's
// thread sends the command and so sits in the window's own message loop; a
// second thread finds the window, runs the script on it and closes whatever
// the script left open, so that no test can hang. Every wait is bounded.
//
// Scripts only look and act: they record what they saw into the test's
// variables, and the test checks them once the command has returned.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

const DWORD MODAL_WAIT_MS = 10000;

// Sends command id to owner while script runs on the first dialog window that
// appears on this thread. False when none appeared, or when the script did
// not close it (it is then closed for the script).
bool RunWhileModal(HWND owner, int id, const std::function<void(HWND window)>& script);
// The same with act run instead of the command (a message sent, a key pressed).
bool RunWhileModal(HWND owner, const std::function<void()>& act, const std::function<void(HWND window)>& script);

// The first visible dialog window of the thread that is not among known,
// waited for up to MODAL_WAIT_MS; null when none appeared.
HWND WaitForNewDialog(DWORD thread, std::initializer_list<HWND> known);

// True once condition holds, false when it did not within MODAL_WAIT_MS.
bool WaitFor(const std::function<bool()>& condition);
bool WaitUntilClosed(HWND window);

// A click on a button, posted as the mouse's would arrive: it may open or
// close a window, so nothing waits for its effect.
void Click(HWND window, int id);
// The same with the effect done on return (radio buttons, check boxes).
void ClickNow(HWND window, int id);
// The control that has the focus in the window's thread, null when none has.
HWND FocusOf(HWND window);
// A key pressed on that control (on the window when none has the focus).
void PressKey(HWND window, WPARAM key);

std::wstring WindowText(HWND window);

// What a message box shows: its owner, caption and text, the ids of its
// visible buttons in the order of its controls, the default one, an icon.
struct MessageBoxSeen {
    HWND owner = nullptr;
    std::wstring caption, text;
    std::vector<int> buttons;
    int defaultButton = 0;
    bool icon = false;
};
MessageBoxSeen ReadMessageBox(HWND box);

// Sends command id to owner and answers the message box it opens with
// button; what the box showed (no owner when none opened).
MessageBoxSeen AnswerMessageBox(HWND owner, int id, int button);
MessageBoxSeen AnswerMessageBox(HWND owner, const std::function<void()>& act, int button);
