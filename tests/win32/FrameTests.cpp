// The dialog's frame: the help text, the about box from the system menu, the
// icons, and every way of ending the program.
#include <atomic>
#include <thread>

#include "ProgramWindows.h"
#include "QuorvaneProcess.h"
#include "ScreenPicture.h"
#include "TestGroups.h"
#include "resource.h"
#include "window/HelpText.h"

namespace {

void CheckHelp(Checker& check, QuorvaneProcess& program) {
    check.Case("frame: \"&Help\" shows the operators and functions, changes nothing");
    const std::string expression = program.Text(IDC_EXPRESSION);
    const std::string result = program.Text(IDC_RESULT);
    const Interaction help = program.Click(IDC_HELP_BUTTON);
    check.True("handled", help.returned);
    if (!check.Equal("one message", static_cast<long long>(help.messages.size()), 1)) return;
    const std::string& text = help.messages.front();
    check.Equal("text", text, std::string(quorvane::window::HelpText()));
    check.Equal("expression box", program.Text(IDC_EXPRESSION), expression);
    check.Equal("result box", program.Text(IDC_RESULT), result);
}

struct AboutVisit {
    std::wstring caption;
    bool showsIcon = false;           // the first control is an icon static with an icon
    std::vector<std::wstring> texts;  // of the controls after it
};

AboutVisit LookAtAboutBox(HWND dialog) {
    AboutVisit visit;
    visit.caption = WideWindowText(dialog);
    HWND child = GetWindow(dialog, GW_CHILD);
    visit.showsIcon = child != nullptr &&
                      (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                      SendWithTimeout(child, STM_GETICON, 0, 0) != 0;
    for (child = GetWindow(child, GW_HWNDNEXT); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        visit.texts.push_back(WideWindowText(child));
    }
    return visit;
}

// How the about box is reached: the system command itself, or the system
// menu opened from the keyboard and its last item chosen. (Its access key A
// is not used: wine's own system menu has an item with the same key.)
enum class AboutRoute { Command, Menu };

Interaction OpenAboutBox(QuorvaneProcess& program, AboutRoute route, const DialogHandler& onAbout) {
    if (route == AboutRoute::Command) {
        return program.Send(program.Dialog(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0, onAbout);
    }
    // The window system may close the menu at once, before it shows, when a
    // focus change from a box that has just closed reaches the program late
    // (its X focus events); a person would open it again, and so does this.
    bool chosen = false;
    for (int attempt = 0; attempt < 3 && !chosen; ++attempt) {
        std::atomic<bool> closed{false};
        std::thread chooser([&] {
            HWND menu = nullptr;
            WaitUntil([&] {
                const std::vector<HWND> menus =
                    VisibleTopLevelWindows(program.ProcessId(), L"#32768");
                if (!menus.empty()) menu = menus.front();
                return menu != nullptr || closed;
            });
            if (menu == nullptr) return;
            PressKey(menu, VK_END);
            PressKey(menu, VK_RETURN);
            chosen = true;
        });
        program.Send(program.Dialog(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
        closed = true;
        chooser.join();
    }
    // The chosen item's command comes to the dialog after the menu has closed.
    HWND about = nullptr;
    return program.AnswerUntil([&] { return about != nullptr && !IsWindow(about); },
                               [&](HWND dialog) {
                                   about = dialog;
                                   onAbout(dialog);
                               });
}

void CheckAboutBox(Checker& check, QuorvaneProcess& program, AboutRoute route, const char* how,
                   const std::function<void(HWND)>& close) {
    check.Case(
        std::string("frame: ") +
        (route == AboutRoute::Menu ? "the system menu's last item" : "system command 0x0010") +
        " opens the about box; " + how + " closes it");
    const std::string expression = program.Text(IDC_EXPRESSION);
    AboutVisit visit;
    const Interaction about = OpenAboutBox(program, route, [&](HWND dialog) {
        visit = LookAtAboutBox(dialog);
        close(dialog);
    });
    check.True("handled", about.returned);
    check.Equal("about boxes", about.otherDialogs, 1);
    check.Equal("messages", static_cast<long long>(about.messages.size()), 0);
    check.Equal("caption", visit.caption, Wide("关于 Quorvane"));
    check.True("application icon", visit.showsIcon);
    const std::wstring expected[] = {Wide("Quorvane 1.0 版"), Wide("版权所有 (C) 2026"),
                                     Wide("确定")};
    if (check.Equal("controls after the icon", static_cast<long long>(visit.texts.size()), 3)) {
        for (std::size_t i = 0; i < visit.texts.size(); ++i) {
            check.Equal("control " + std::to_string(i), visit.texts[i], expected[i]);
        }
    }
    check.Equal("main dialog untouched", program.Text(IDC_EXPRESSION), expression);
}

// The control with the focus in the program's thread that owns the dialog.
HWND FocusOf(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus != nullptr ? info.hwndFocus : dialog;
}

// Whether the screen shows the application icon in the dialog's caption: the
// icon's navy, green and yellow are all found there. (The icon handles
// themselves cannot be asked for from another process under wine.)
bool CaptionShowsAppIcon(HWND dialog) {
    RECT frame;
    GetWindowRect(dialog, &frame);
    const ScreenPicture caption({frame.left, frame.top, frame.left + 40, frame.top + 32});
    bool navy = false;
    bool green = false;
    bool yellow = false;
    for (const DWORD pixel : caption.Pixels()) {
        const DWORD rgb = pixel & 0xFFFFFF;
        navy = navy || rgb == 0x000080;
        green = green || rgb == 0x008000;
        yellow = yellow || rgb == 0xFFFF00;
    }
    return navy && green && yellow;
}

void CheckCaptionIcon(Checker& check, QuorvaneProcess& program) {
    check.Case("frame: the caption shows the application icon");
    check.True("icon in the caption", CaptionShowsAppIcon(program.Dialog()));
}

// Starts the program, ends it one way, and checks that the process ended.
void CheckEnding(Checker& check, TestContext& context, const char* how,
                 const std::function<void(QuorvaneProcess&)>& end) {
    check.Case(std::string("frame: ") + how + " ends the program");
    QuorvaneProcess program(context.program, context.folder.Path());
    if (!check.True("main dialog shown", program.Started())) return;
    end(program);
    DWORD exitCode = 1;
    check.True("process ended", program.WaitForExit(exitCode));
    check.Equal("exit code", exitCode, 0);
}

}  // namespace

void RunFrameTests(TestContext& context) {
    Checker& check = context.check;
    {
        QuorvaneProcess program(context.program, context.folder.Path());
        if (!CheckStarted(check, program, "frame")) return;

        CheckHelp(check, program);
        CheckAboutBox(check, program, AboutRoute::Menu, "Escape",
                      [](HWND dialog) { PressKey(FocusOf(dialog), VK_ESCAPE); });
        CheckAboutBox(check, program, AboutRoute::Command, "Enter",
                      [](HWND dialog) { PressKey(FocusOf(dialog), VK_RETURN); });
        CheckAboutBox(check, program, AboutRoute::Command, "\"确定\"",
                      [](HWND dialog) { PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); });
        CheckAboutBox(check, program, AboutRoute::Command, "the close box",
                      [](HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); });
        CheckCaptionIcon(check, program);
    }
    CheckEnding(check, context, "\"&Exit\"",
                [](QuorvaneProcess& program) { program.Click(IDCANCEL); });
    CheckEnding(check, context, "Escape in the expression box", [](QuorvaneProcess& program) {
        program.FocusOn(IDC_EXPRESSION);
        PressKey(program.Control(IDC_EXPRESSION), VK_ESCAPE);
    });
    CheckEnding(check, context, "the system menu's Close", [](QuorvaneProcess& program) {
        program.Send(program.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
}
