// The settings dialog opened from the main dialog's menu and driven as a user
// would, the program INI beside the test program checked afterwards; the
// colour choosers and the version box, real ones.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainDialogWin.h"
#include "platform/Profile.h"
#include "resources/resource.h"
#include "settings/SettingsDialogWin.h"
#include "settings/VersionWin.h"
#include "tests/scriv/ScrivFixture.h"
#include "tests/win/ModalScript.h"

namespace {

// What the dialog shows.
struct Shown {
    int modeButton;
    std::wstring body, name;
    bool redat, mail;
    int charsetButton;
    bool openPage, localLinks;
};

bool operator==(const Shown& a, const Shown& b) {
    return a.modeButton == b.modeButton && a.body == b.body && a.name == b.name && a.redat == b.redat &&
           a.mail == b.mail && a.charsetButton == b.charsetButton && a.openPage == b.openPage &&
           a.localLinks == b.localLinks;
}

// The one button of the group that is selected; -1 for several.
int Selected(HWND settings, std::initializer_list<int> group) {
    int selected = 0;
    for (int id : group)
        if (IsDlgButtonChecked(settings, id) == BST_CHECKED) selected = selected ? -1 : id;
    return selected;
}

Shown Read(HWND settings) {
    Shown shown = {0, WindowText(GetDlgItem(settings, IDC_SET_BODY_COLOUR)),
                   WindowText(GetDlgItem(settings, IDC_SET_NAME_COLOUR)),
                   IsDlgButtonChecked(settings, IDC_SET_REWRITE_DAT) == BST_CHECKED,
                   IsDlgButtonChecked(settings, IDC_SET_MAIL_OUTPUT) == BST_CHECKED,
                   Selected(settings, {IDC_SET_CHARSET_NONE, IDC_SET_CHARSET_SHIFT_JIS, IDC_SET_CHARSET_UTF8}),
                   IsDlgButtonChecked(settings, IDC_SET_OPEN_PAGE) == BST_CHECKED,
                   IsDlgButtonChecked(settings, IDC_SET_LOCAL_LINKS) == BST_CHECKED};
    shown.modeButton = Selected(settings, {IDC_SET_BODY_MODE, IDC_SET_NAME_MODE, IDC_SET_CSS_MODE});
    return shown;
}

class SettingsDialogTest : public ScrivTest {
protected:
    void SetUp() override {
        ScrivTest::SetUp();
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        main_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), nullptr, MainDlgProc,
                                   reinterpret_cast<LPARAM>(&state_));
        ASSERT_NE(main_, nullptr) << GetLastError();
        ShowWindow(main_, SW_SHOW);
        Init();  // after the main dialog's own InitLog: records go to this test's folder
        RemoveIni();
    }
    void TearDown() override {
        if (main_) DestroyWindow(main_);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        RemoveIni();
        ScrivTest::TearDown();
    }

    static std::string IniFile() { return ProgramDir() + "Harvo.ini"; }
    static void RemoveIni() { plat::systemFileOps.remove(IniFile().c_str()); }
    // The key's value, "(none)" when it is missing.
    static std::string Value(const char* section, const char* key) {
        std::string value;
        return ProfileFind(ReadBytes(IniFile()), section, key, &value) ? value : "(none)";
    }
    static std::string Values() {
        return Value("EXCHANGE", "KIND") + "|" + Value("COLOR", "TEXT") + "|" + Value("COLOR", "NAME") + "|" +
               Value("EXCHANGE", "REDAT") + "|" + Value("EXCHANGE", "MAIL_OUTPUT") + "|" + Value("EXCHANGE", "CHARSET") +
               "|" + Value("OPTION", "OPEN_PAGE") + "|" + Value("OPTION", "LOCAL_LINKS") + "|" + Value("OPTION", "ORDER") +
               "|" + Value("OPTION", "LINKS") + "|" + Value("OPTION", "MAIL_LINKS") + "|" + Value("OPTION", "COPY_CSS") +
               "|" + Value("OPTION", "ANCHOR_RANGES") + "|" + Value("OPTION", "POPULAR");
    }

    // Opens the settings dialog from the menu and runs script on it.
    void Settings(const std::function<void(HWND)>& script) {
        ASSERT_TRUE(RunWhileModal(main_, IDM_SETTINGS, script)) << "the settings dialog did not open or close";
        EXPECT_TRUE(IsWindowEnabled(main_)) << "the main dialog takes input again";
    }

    MainDialogState state_{StaticPostTable()};  // a fresh run: the colour choosers start anew
    HWND main_ = nullptr;
};

TEST_F(SettingsDialogTest, ControlsAreWhereTheTemplatePutsThem) {
    const LONG TYPE = BS_TYPEMASK;
    const LONG RADIO = BS_TYPEMASK | WS_TABSTOP | WS_GROUP;
    // The selected output-mode button is a tab stop: the system makes it so,
    // which lets the keyboard reach the group.
    const struct { int id; const wchar_t* className; const wchar_t* text; RECT units; LONG style; LONG mask; } controls[] = {
        {IDCANCEL, L"Button", L"ｷｬﾝｾﾙ", {86, 241, 42, 14}, BS_DEFPUSHBUTTON | WS_TABSTOP, TYPE | WS_TABSTOP},
        {IDC_SET_BODY_MODE, L"Button", L"本文色変更", {13, 19, 52, 10}, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, RADIO},
        {IDC_SET_NAME_MODE, L"Button", L"名前色変更", {66, 19, 51, 10}, BS_AUTORADIOBUTTON, RADIO},
        {IDC_SET_BODY_COLOUR, L"Edit", L"", {7, 62, 70, 12}, ES_AUTOHSCROLL | WS_TABSTOP,
         ES_MULTILINE | ES_AUTOHSCROLL | WS_TABSTOP},
        {IDC_SET_CHOOSE_BODY_COLOUR, L"Button", L"文字色変更", {83, 61, 38, 13}, BS_PUSHBUTTON | WS_TABSTOP,
         TYPE | WS_TABSTOP},
        {IDC_SET_NAME_COLOUR, L"Edit", L"", {7, 97, 70, 12}, ES_AUTOHSCROLL | WS_TABSTOP,
         ES_MULTILINE | ES_AUTOHSCROLL | WS_TABSTOP},
        {IDC_SET_CHOOSE_NAME_COLOUR, L"Button", L"文字色変更", {82, 96, 38, 13}, BS_PUSHBUTTON | WS_TABSTOP,
         TYPE | WS_TABSTOP},
        {IDC_SET_APPLY, L"Button", L"適用", {45, 242, 32, 13}, BS_PUSHBUTTON | WS_TABSTOP, TYPE | WS_TABSTOP},
        {IDC_SET_OK, L"Button", L"OK", {8, 242, 32, 13}, BS_PUSHBUTTON | WS_TABSTOP, TYPE | WS_TABSTOP},
        {IDC_SET_REWRITE_DAT, L"Button", L"datファイルを再変換する", {7, 125, 113, 12}, BS_AUTOCHECKBOX | WS_TABSTOP,
         TYPE | WS_TABSTOP},
        {IDC_SET_MAIL_OUTPUT, L"Button", L"メール欄出力する", {7, 142, 113, 12}, BS_AUTOCHECKBOX | WS_TABSTOP,
         TYPE | WS_TABSTOP},
        {IDC_SET_CSS_MODE, L"Button", L"CSS色指定", {13, 32, 99, 10}, BS_AUTORADIOBUTTON, RADIO},
        {IDC_SET_OPEN_PAGE, L"Button", L"変換後にページを開く", {7, 159, 113, 12},
         BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, TYPE | WS_GROUP | WS_TABSTOP},
        {IDC_SET_LOCAL_LINKS, L"Button", L"アンカーをページ内リンクにする", {7, 176, 120, 12}, BS_AUTOCHECKBOX | WS_TABSTOP,
         TYPE | WS_TABSTOP},
        {IDC_SET_CHARSET_NONE, L"Button", L"指定なし", {13, 205, 52, 10}, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
         RADIO},
        {IDC_SET_CHARSET_SHIFT_JIS, L"Button", L"Shift_JIS", {66, 205, 51, 10}, BS_AUTORADIOBUTTON, RADIO},
        {IDC_SET_CHARSET_UTF8, L"Button", L"UTF-8", {13, 218, 99, 10}, BS_AUTORADIOBUTTON, RADIO},
    };
    struct Seen { std::wstring className, text; RECT expected, actual; LONG style; };
    std::vector<Seen> seen;
    std::wstring caption, focus;
    std::vector<std::wstring> groups;
    RECT client = {}, size = {0, 0, 292, 262};
    std::vector<int> tabOrder;
    bool exclusive = false, colourBoxesFollowTheMode = true;
    RECT box = {}, owner = {};
    Settings([&](HWND settings) {
        caption = WindowText(settings);
        GetWindowRect(settings, &box);
        GetWindowRect(main_, &owner);
        GetClientRect(settings, &client);
        MapDialogRect(settings, &size);
        for (const auto& c : controls) {
            HWND control = GetDlgItem(settings, c.id);
            Seen s = {};
            wchar_t className[64] = L"";
            GetClassNameW(control, className, 64);
            s.className = className;
            s.text = WindowText(control);
            s.style = GetWindowLongW(control, GWL_STYLE);
            s.expected = c.units;
            MapDialogRect(settings, &s.expected);
            GetWindowRect(control, &s.actual);
            MapWindowPoints(nullptr, settings, reinterpret_cast<POINT*>(&s.actual), 2);
            seen.push_back(s);
        }
        // The group boxes' own texts, whichever children they are.
        for (HWND child = GetWindow(settings, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if ((GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) groups.push_back(WindowText(child));
        focus = WindowText(FocusOf(settings));
        HWND first = GetNextDlgTabItem(settings, nullptr, FALSE);
        for (HWND item = first; item && tabOrder.size() < 20;) {
            tabOrder.push_back(GetDlgCtrlID(item));
            item = GetNextDlgTabItem(settings, item, FALSE);
            if (item == first) break;
        }
        // Each output-mode button clears the other two, each character-set button
        // the other two, and the groups leave each other alone.
        exclusive = true;
        for (int chosen : {IDC_SET_CSS_MODE, IDC_SET_NAME_MODE, IDC_SET_BODY_MODE, IDC_SET_CSS_MODE}) {
            ClickNow(settings, chosen);
            exclusive &= Read(settings).modeButton == chosen && Read(settings).charsetButton == IDC_SET_CHARSET_NONE;
            // The colour boxes and their buttons are greyed in the style-sheet mode alone.
            for (int id : {IDC_SET_BODY_COLOUR, IDC_SET_CHOOSE_BODY_COLOUR, IDC_SET_NAME_COLOUR, IDC_SET_CHOOSE_NAME_COLOUR})
                colourBoxesFollowTheMode &= !IsWindowEnabled(GetDlgItem(settings, id)) == (chosen == IDC_SET_CSS_MODE);
        }
        for (int chosen : {IDC_SET_CHARSET_UTF8, IDC_SET_CHARSET_SHIFT_JIS, IDC_SET_CHARSET_NONE}) {
            ClickNow(settings, chosen);
            exclusive &= Read(settings).charsetButton == chosen && Read(settings).modeButton == IDC_SET_CSS_MODE;
        }
        Click(settings, IDCANCEL);
    });
    EXPECT_EQ(caption, L"設定");
    EXPECT_TRUE(colourBoxesFollowTheMode);
    EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1) << "centred on the main window";
    EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    EXPECT_EQ(groups, (std::vector<std::wstring>{L"出力方式", L"ページの文字コード", L"ページの作り", L"レスの選択"}));
    EXPECT_EQ(focus, L"ｷｬﾝｾﾙ");
    EXPECT_EQ(tabOrder, (std::vector<int>{IDCANCEL, IDC_SET_BODY_MODE, IDC_SET_BODY_COLOUR, IDC_SET_CHOOSE_BODY_COLOUR,
                                          IDC_SET_NAME_COLOUR, IDC_SET_CHOOSE_NAME_COLOUR, IDC_SET_APPLY, IDC_SET_OK,
                                          IDC_SET_REWRITE_DAT, IDC_SET_MAIL_OUTPUT, IDC_SET_OPEN_PAGE,
                                          IDC_SET_LOCAL_LINKS, IDC_SET_CHARSET_NONE, IDC_SET_REPLY_ORDER, IDC_SET_LINKS,
                                          IDC_SET_NO_MAIL_LINKS, IDC_SET_COPY_CSS, IDC_SET_ANCHOR_RANGES,
                                          IDC_SET_POPULAR}));
    EXPECT_TRUE(exclusive);
    ASSERT_EQ(seen.size(), std::size(controls));
    for (size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(controls[i].id);
        EXPECT_EQ(seen[i].className, controls[i].className);
        EXPECT_EQ(seen[i].text, controls[i].text);
        EXPECT_EQ(seen[i].style & controls[i].mask, controls[i].style);
        EXPECT_EQ(seen[i].actual.left, seen[i].expected.left);
        EXPECT_EQ(seen[i].actual.top, seen[i].expected.top);
        EXPECT_EQ(seen[i].actual.right - seen[i].actual.left, seen[i].expected.right);
        EXPECT_EQ(seen[i].actual.bottom - seen[i].actual.top, seen[i].expected.bottom);
    }
    EXPECT_EQ(ReadBytes(IniFile()), "") << "nothing stored";
}

// What opening shows for a program INI, and what a user's changes store:
// "OK" stores and closes, "適用" stores and leaves the dialog open.
TEST_F(SettingsDialogTest, OpensWithTheIniAndStoresOnOkAndApply) {
    const struct {
        const char* what;
        const char* ini;  // null: no file
        Shown shown;
        std::function<void(HWND)> change;
        int storeButton;
        const char* stored;  // KIND|TEXT|NAME|REDAT|MAIL_OUTPUT|CHARSET|OPEN_PAGE|LOCAL_LINKS|ORDER|LINKS|MAIL_LINKS|COPY_CSS|ANCHOR_RANGES|POPULAR
    } cases[] = {
        {"no file", nullptr, {IDC_SET_BODY_MODE, L"", L"", false, false, IDC_SET_CHARSET_NONE, false, false},
         [](HWND) {}, IDC_SET_OK, "0|||0|0|0|0|0|0|0|1|0|0|3"},
        {"KIND 5, CHARSET 7, page settings on", "[EXCHANGE]\r\nKIND=5\r\nCHARSET=7\r\n[OPTION]\r\nOPEN_PAGE=1\r\nLOCAL_LINKS=1\r\nORDER=1\r\nMAIL_LINKS=0\r\nPOPULAR=12\r\n",
         {IDC_SET_NAME_MODE, L"", L"", false, false, IDC_SET_CHARSET_NONE, true, true},
         [](HWND s) {
             ClickNow(s, IDC_SET_OPEN_PAGE);
             ClickNow(s, IDC_SET_ANCHOR_RANGES);
             SetDlgItemTextW(s, IDC_SET_POPULAR, L"5");
         },
         IDC_SET_APPLY, "1|||0|0|0|0|1|1|0|0|0|1|5"},
        {"style sheet then body colour, typed texts",
         "[EXCHANGE]\r\nKIND=1\r\nREDAT=1\r\nMAIL_OUTPUT=2\r\n[COLOR]\r\nTEXT=#ff0000\r\nNAME=緑\r\n",
         {IDC_SET_NAME_MODE, L"#ff0000", L"緑", true, false, IDC_SET_CHARSET_NONE, false, false},
         [](HWND s) {
             ClickNow(s, IDC_SET_CHARSET_UTF8);
             ClickNow(s, IDC_SET_CSS_MODE);
             ClickNow(s, IDC_SET_BODY_MODE);
             ClickNow(s, IDC_SET_MAIL_OUTPUT);
             SetDlgItemTextW(s, IDC_SET_BODY_COLOUR, L"red");
         },
         IDC_SET_OK, "0|red|緑|1|1|2|0|0|0|0|1|0|0|3"},
        {"style sheet, everything cleared",
         "[EXCHANGE]\r\nKIND=99\r\nMAIL_OUTPUT=1\r\nCHARSET=1\r\n[COLOR]\r\nNAME=#00FF00\r\n",
         {IDC_SET_CSS_MODE, L"", L"#00FF00", false, true, IDC_SET_CHARSET_SHIFT_JIS, false, false},
         [](HWND s) {
             ClickNow(s, IDC_SET_MAIL_OUTPUT);
             ClickNow(s, IDC_SET_REWRITE_DAT);
             SetDlgItemTextW(s, IDC_SET_NAME_COLOUR, L"");
         },
         IDC_SET_APPLY, "99|||1|0|1|0|0|0|0|1|0|0|3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveIni();
        if (c.ini) WriteBytes(IniFile(), c.ini);
        Shown shown = {};
        std::string storedWhileOpen;
        Settings([&](HWND settings) {
            shown = Read(settings);
            c.change(settings);
            if (c.storeButton == IDC_SET_OK) {
                Click(settings, IDC_SET_OK);
                return;
            }
            ClickNow(settings, IDC_SET_APPLY);
            if (IsWindowVisible(settings)) storedWhileOpen = Values();
            Click(settings, IDCANCEL);
        });
        EXPECT_TRUE(shown == c.shown) << shown.modeButton;
        EXPECT_EQ(Values(), c.stored);
        if (c.storeButton == IDC_SET_APPLY) {
            EXPECT_EQ(storedWhileOpen, c.stored);
        }
    }
}

// ｷｬﾝｾﾙ, Escape, Enter and the close box store nothing; what was applied stays.
TEST_F(SettingsDialogTest, ClosingWithoutOkKeepsWhatWasStored) {
    const std::string ini = "[EXCHANGE]\r\nKIND=99\r\n";
    const struct { const char* what; std::function<void(HWND)> close; } closers[] = {
        {"ｷｬﾝｾﾙ", [](HWND s) { Click(s, IDCANCEL); }},
        {"Escape", [](HWND s) { PressKey(s, VK_ESCAPE); }},
        {"Enter", [](HWND s) { PressKey(s, VK_RETURN); }},
        {"close box", [](HWND s) { PostMessageW(s, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& closer : closers) {
        SCOPED_TRACE(closer.what);
        WriteBytes(IniFile(), ini);
        Settings([&](HWND settings) {
            ClickNow(settings, IDC_SET_NAME_MODE);
            ClickNow(settings, IDC_SET_REWRITE_DAT);  // the focus is now on a check box
            SetDlgItemTextW(settings, IDC_SET_BODY_COLOUR, L"blue");
            closer.close(settings);
        });
        EXPECT_EQ(ReadBytes(IniFile()), ini);
    }

    Settings([&](HWND settings) {
        SetDlgItemTextW(settings, IDC_SET_NAME_COLOUR, L"#123456");
        ClickNow(settings, IDC_SET_APPLY);
        SetDlgItemTextW(settings, IDC_SET_NAME_COLOUR, L"#654321");
        Click(settings, IDCANCEL);
    });
    EXPECT_EQ(Values(), "99||#123456|0|0|0|0|0|0|0|1|0|0|3");
    Shown reopened = {};
    Settings([&](HWND settings) {
        reopened = Read(settings);
        Click(settings, IDCANCEL);
    });
    EXPECT_TRUE(reopened == (Shown{IDC_SET_CSS_MODE, L"", L"#123456", false, false, IDC_SET_CHARSET_NONE, false, false}));
}

// What the colour chooser showed while it was open.
struct ChooserSeen {
    bool opened, buttonDisabled, ownerless, compact, focusBack;
    std::wstring offered;  // red, green, blue of the colour selected at first
};

const int CHOOSER_RED = 706, CHOOSER_GREEN = 707, CHOOSER_BLUE = 708, CHOOSER_DEFINE = 719;

// Presses a colour button of the settings dialog and answers the chooser: with
// a colour typed into its full form and OK, with OK alone (rgb null) or with
// its cancel button. Returns once the button is usable and focused again.
ChooserSeen UseChooser(HWND settings, int button, const wchar_t* const* rgb, bool cancel = false) {
    ChooserSeen seen = {};
    Click(settings, button);
    HWND chooser = WaitForNewDialog(GetWindowThreadProcessId(settings, nullptr), {settings, GetWindow(settings, GW_OWNER)});
    if (!chooser) return seen;
    seen.opened = true;
    seen.buttonDisabled = !IsWindowEnabled(GetDlgItem(settings, button));
    seen.ownerless = GetWindow(chooser, GW_OWNER) == nullptr;
    seen.compact = !IsWindowVisible(GetDlgItem(chooser, CHOOSER_RED));
    seen.offered = WindowText(GetDlgItem(chooser, CHOOSER_RED)) + L"," + WindowText(GetDlgItem(chooser, CHOOSER_GREEN)) +
                   L"," + WindowText(GetDlgItem(chooser, CHOOSER_BLUE));
    if (rgb) {
        ClickNow(chooser, CHOOSER_DEFINE);
        for (int i = 0; i < 3; ++i) SetDlgItemTextW(chooser, CHOOSER_RED + i, rgb[i]);
    }
    Click(chooser, cancel ? IDCANCEL : IDOK);
    WaitUntilClosed(chooser);
    HWND pressed = GetDlgItem(settings, button);
    seen.focusBack = WaitFor([&] { return IsWindowEnabled(pressed) && FocusOf(settings) == pressed; });
    return seen;
}

// The first chooser of each button offers red and blue; each then offers the
// colour last chosen with it, for the rest of the run; a cancel changes nothing.
TEST_F(SettingsDialogTest, ColourChoosersOfferTheirSeedAndFillTheEdit) {
    const wchar_t* const green[] = {L"0", L"255", L"0"};
    const wchar_t* const teal[] = {L"0", L"128", L"64"};
    std::vector<ChooserSeen> seen;
    std::vector<std::wstring> edits;
    Settings([&](HWND s) {
        seen.push_back(UseChooser(s, IDC_SET_CHOOSE_BODY_COLOUR, nullptr));
        edits.push_back(WindowText(GetDlgItem(s, IDC_SET_BODY_COLOUR)));
        seen.push_back(UseChooser(s, IDC_SET_CHOOSE_NAME_COLOUR, green));
        edits.push_back(WindowText(GetDlgItem(s, IDC_SET_NAME_COLOUR)));
        seen.push_back(UseChooser(s, IDC_SET_CHOOSE_BODY_COLOUR, teal));
        edits.push_back(WindowText(GetDlgItem(s, IDC_SET_BODY_COLOUR)));
        SetDlgItemTextW(s, IDC_SET_BODY_COLOUR, L"typed");
        seen.push_back(UseChooser(s, IDC_SET_CHOOSE_BODY_COLOUR, green, true));
        edits.push_back(WindowText(GetDlgItem(s, IDC_SET_BODY_COLOUR)));
        Click(s, IDCANCEL);
    });
    Settings([&](HWND s) {
        seen.push_back(UseChooser(s, IDC_SET_CHOOSE_BODY_COLOUR, nullptr, true));
        seen.push_back(UseChooser(s, IDC_SET_CHOOSE_NAME_COLOUR, nullptr, true));
        edits.push_back(WindowText(GetDlgItem(s, IDC_SET_BODY_COLOUR)));
        Click(s, IDCANCEL);
    });
    ASSERT_EQ(seen.size(), 6u);
    const wchar_t* offered[] = {L"255,0,0", L"0,0,255", L"255,0,0", L"0,128,64", L"0,128,64", L"0,255,0"};
    for (size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(seen[i].opened && seen[i].buttonDisabled && seen[i].ownerless && seen[i].compact);
        EXPECT_TRUE(seen[i].focusBack) << "the button is usable and has the focus again";
        EXPECT_EQ(seen[i].offered, offered[i]);
    }
    EXPECT_EQ(edits, (std::vector<std::wstring>{L"#FF0000", L"#00FF00", L"#008040", L"typed", L""}));
    EXPECT_EQ(Log().find("ChooseColor"), std::string::npos) << "a cancel is no failure";
    EXPECT_FALSE(PathExists(IniFile()));
}

// A chooser that fails, not cancelled, is logged with the chooser's own code.
TEST_F(SettingsDialogTest, FailingChooserIsLogged) {
    HWND settings = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SETTINGS), main_,
                                       SettingsDlgProc, reinterpret_cast<LPARAM>(&state_.session));
    ASSERT_NE(settings, nullptr);
    SetDlgItemTextW(settings, IDC_SET_BODY_COLOUR, L"kept");
    chooseColour = [](CHOOSECOLORW* choice) -> BOOL {
        choice->Flags |= CC_ENABLETEMPLATE;  // a template the program does not hold
        choice->hInstance = reinterpret_cast<HWND>(GetModuleHandleW(nullptr));
        choice->lpTemplateName = L"NoSuchTemplate";
        return ChooseColorW(choice);
    };
    SetLastError(0);
    const bool result = ChooseColourFor(settings, IDC_SET_CHOOSE_BODY_COLOUR, state_.session.colours);
    const DWORD code = CommDlgExtendedError();
    chooseColour = ChooseColorW;
    EXPECT_FALSE(result);
    ASSERT_NE(code, 0u);
    char codeLine[64];
    snprintf(codeLine, sizeof codeLine, "※ GetLastError=0x%08lx\r\n", code);
    EXPECT_NE(Log().find(INDENT + "Error：ChooseColor()\r\n" + INDENT + codeLine), std::string::npos) << Log();
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(settings, IDC_SET_CHOOSE_BODY_COLOUR)));
    EXPECT_EQ(WindowText(GetDlgItem(settings, IDC_SET_BODY_COLOUR)), L"kept");
    EXPECT_EQ(state_.session.colours.bodySeed, RGB(255, 0, 0));
    DestroyWindow(settings);
}

// Controls that cannot be found are logged with the system's code for a
// missing control (never an earlier call's); nothing is written.
TEST_F(SettingsDialogTest, MissingControlsAreLogged) {
    SetLastError(ERROR_SUCCESS);
    GetDlgItem(main_, IDC_SET_NAME_MODE);
    const DWORD code = GetLastError();  // 1421 on Windows; none under Wine
    char codeLine[64];
    snprintf(codeLine, sizeof codeLine, "※ GetLastError=0x%08lx\r\n", code);

    SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(LoadSettingsIntoDialog(main_, state_.session.iniPath));
    SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(SaveSettingsFromDialog(main_, state_.session.iniPath));
    EXPECT_FALSE(PathExists(IniFile()));
    const std::string log = Log();
    // A record without an error code has no code lines.
    const std::string record = INDENT + "Error：GetDlgItem()\r\n" + (code ? INDENT + codeLine : "\r\n");
    const size_t first = log.find(record);
    EXPECT_NE(first, std::string::npos) << log;
    EXPECT_NE(log.find(record, first + 1), std::string::npos) << "one record each";
    EXPECT_NE(log.find("SetConfig.cpp "), std::string::npos);
}

TEST_F(SettingsDialogTest, VersionBoxShowsTheFileVersion) {
    const MessageBoxSeen box = AnswerMessageBox(main_, IDM_VERSION, IDOK);
    EXPECT_EQ(box.owner, main_);
    EXPECT_EQ(box.caption, L"バージョン情報");
    EXPECT_EQ(box.text, L"Version 0.1.8.2");
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(box.icon);
}

// A file without a version resource shows nothing and is logged.
TEST_F(SettingsDialogTest, NoVersionResourceShowsNoBox) {
    const std::string file = dir_.File("plain.txt");
    WriteBytes(file, "no version here");
    EXPECT_EQ(ShowFileVersion(main_, std::wstring(file.begin(), file.end()).c_str()), 0);
    const std::string log = Log();
    EXPECT_NE(log.find("Version.cpp "), std::string::npos);
    EXPECT_NE(log.find(INDENT + "GetFileVersionInfoSize失敗\r\n"), std::string::npos) << log;
}

}  // namespace
