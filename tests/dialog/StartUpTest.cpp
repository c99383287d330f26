// The dialog's initialisation, its message map and system command, and the
// application's start-up sequence.
#include <memory>
#include <string>
#include <vector>

#include "DialogTest.h"
#include "TempFolder.h"
#include "window/QuorvaneApp.h"

using quorvane::window::AppPlatform;
using quorvane::window::CQuorvaneApp;
using quorvane::window::CQuorvaneDlg;
using quorvane::window::DialogWindow;
using quorvane::window::IconHandle;
using quorvane::window::IconSize;
using quorvane::window::kButtonClicked;
using quorvane::window::SkinLibrary;
using quorvane::window::scripted::ScriptedWindow;

namespace {

constexpr int kFileSideControls[] = {IDC_INPUT_FILE, IDC_OUTPUT_FILE, IDC_BROWSE_INPUT,
                                     IDC_BROWSE_OUTPUT};

TEST_F(DialogTest, OpensWithTheSampleLinesAndTheirResults) {
    Open();
    EXPECT_EQ(Text(IDC_EXPRESSION), kSampleText);
    EXPECT_EQ(Text(IDC_RESULT), kSampleResults);
    EXPECT_TRUE(window.Messages().empty());
    EXPECT_TRUE(window.EditorStarts().empty());
    EXPECT_TRUE(window.FileRequests().empty());
    EXPECT_EQ(window.Focus(), IDC_EXPRESSION);  // the first tab stop
}

TEST_F(DialogTest, OpensWithTheFileOptionsOffAndTheirControlsDisabled) {
    Open();
    for (const int id : kFileSideControls) EXPECT_FALSE(window.At(id).enabled) << id;
    EXPECT_FALSE(window.IsChecked(IDC_INPUT_FROM));
    EXPECT_FALSE(window.IsChecked(IDC_OUTPUT_TO));
    EXPECT_EQ(Text(IDC_INPUT_FILE), "");
    EXPECT_EQ(Text(IDC_OUTPUT_FILE), "");
    for (const int id : {IDC_EXPRESSION, IDC_RESULT, IDOK, IDCANCEL, IDC_HELP_BUTTON,
                         IDC_INPUT_FROM, IDC_OUTPUT_TO, IDC_KEY_BACKSPACE, IDC_KEY_SIN}) {
        EXPECT_TRUE(window.At(id).enabled) << id;
    }
}

TEST_F(DialogTest, OpensWithTheAboutItemAndBothIcons) {
    Open();
    ASSERT_EQ(window.SystemMenuItems().size(), 1u);
    EXPECT_EQ(window.SystemMenuItems()[0].commandId, 0x0010u);
    EXPECT_EQ(window.SystemMenuItems()[0].text, "关于 Quorvane(&A)...");

    // The icon loaded once, and kept for both sizes.
    EXPECT_EQ(window.IconLoads(), 1);
    const std::vector<std::pair<IconHandle, IconSize>> expected = {
        {ScriptedWindow::kAppIcon, IconSize::Big}, {ScriptedWindow::kAppIcon, IconSize::Small}};
    EXPECT_EQ(window.Icons(), expected);
}

TEST_F(DialogTest, AnEmptyAboutStringAddsNoMenuItem) {
    window.SetResourceString(IDS_ABOUTBOX, "");
    Open();
    EXPECT_TRUE(window.SystemMenuItems().empty());
    EXPECT_EQ(Text(IDC_RESULT), kSampleResults);  // the rest of the start is unchanged
}

TEST_F(DialogTest, AWindowWithoutSystemMenuGetsNoItem) {
    window.SetHasSystemMenu(false);
    Open();
    EXPECT_TRUE(window.SystemMenuItems().empty());
    EXPECT_EQ(window.Icons().size(), 2u);
}

TEST_F(DialogTest, TheAboutBoxOpensForTheAboutCommandWhateverItsLowBits) {
    Open();
    window.SystemCommand(0x0010);
    EXPECT_EQ(window.AboutBoxes(), 1);
    window.SystemCommand(0x0013);
    EXPECT_EQ(window.AboutBoxes(), 2);
    window.SystemCommand(0x001F);
    EXPECT_EQ(window.AboutBoxes(), 3);
    EXPECT_EQ(Text(IDC_EXPRESSION), kSampleText);
    EXPECT_EQ(Text(IDC_RESULT), kSampleResults);
}

TEST_F(DialogTest, OtherSystemCommandsOpenNoAboutBox) {
    Open();
    for (const unsigned command : {0x0000u, 0x0020u, 0x0110u, 0xF010u /* move */,
                                   0xF060u /* close */, 0xF120u /* restore */}) {
        window.SystemCommand(command);
    }
    EXPECT_EQ(window.AboutBoxes(), 0);
    EXPECT_FALSE(window.Ended());
}

TEST_F(DialogTest, NoButtonOpensTheAboutBox) {
    Open();
    for (int id = 0; id < 1100; ++id) {
        if (!window.HasControl(id) || id == IDCANCEL) continue;
        window.QueueFileAnswer(std::nullopt);  // the browse buttons are cancelled
        window.Click(id);
    }
    EXPECT_EQ(window.AboutBoxes(), 0);
}

TEST_F(DialogTest, HelpShowsTheOperatorListAndChangesNothing) {
    Open();
    window.Type(IDC_RESULT, "typed");
    window.Click(IDC_HELP_BUTTON);

    const std::string rule(45, '_');
    const std::string expected =
        std::string("Following operator supported: \n\n\n") + "\t+ - * / % ( )     \n\n" +
        "\tabs   acos   asin   atan   atan2   \n\n" + "\tceil  cos    cosh  \n\n" +
        "\texp   exp10  exp2  \n\n" + "\tfloor \n\n" + "\tlog   log10  log2  \n\n" + "\tpow  \n\n" +
        "\tround \n\n" + "\tsin   sinh   sqrt\n\n" + "\ttan   tanh\n\n" + rule + "\n\n" +
        "        Contact: quorvane@example.org";
    ASSERT_EQ(window.Messages().size(), 1u);
    EXPECT_EQ(window.Messages()[0], expected);
    EXPECT_EQ(Text(IDC_EXPRESSION), kSampleText);
    EXPECT_EQ(Text(IDC_RESULT), "typed");
    EXPECT_EQ(window.AboutBoxes(), 0);
}

TEST_F(DialogTest, ExitEndsTheDialogWithCancel) {
    Open();
    window.Click(IDCANCEL);
    EXPECT_TRUE(window.Ended());
    EXPECT_EQ(window.EndResult(), IDCANCEL);
    EXPECT_TRUE(window.Messages().empty());
}

TEST_F(DialogTest, CalcEvaluatesWithoutClosing) {
    Open();
    window.Type(IDC_EXPRESSION, "2*3");
    window.Click(IDOK);
    EXPECT_EQ(Text(IDC_RESULT), "6.00   \r\n");
    EXPECT_FALSE(window.Ended());
}

TEST_F(DialogTest, NotificationsOutsideTheMapDoNothing) {
    Open();
    window.Type(IDC_EXPRESSION, "2*3");
    window.PlaceCaret(IDC_EXPRESSION, 1);
    const int kEditChanged = 0x0300;
    for (const int id : {IDC_EXPRESSION, IDC_RESULT, 1005, 1007, 1011, 1036, 1067, 1080}) {
        dialog.OnCommand(kButtonClicked, id);
    }
    for (const int id : {IDOK, IDCANCEL, IDC_HELP_BUTTON, IDC_KEY_7}) {
        dialog.OnCommand(kEditChanged, id);
    }
    EXPECT_EQ(Text(IDC_EXPRESSION), "2*3");
    EXPECT_EQ(Text(IDC_RESULT), kSampleResults);
    EXPECT_TRUE(window.Messages().empty());
    EXPECT_FALSE(window.Ended());
}

// Every way of evaluating runs the evaluation once, and no other button runs
// it: with "&Output To" on, each evaluation writes the output file and starts
// the editor.
TEST(DialogEvaluation, EveryWayOfEvaluatingRunsTheEvaluationOnce) {
    TempFolder folder;
    const std::string output = folder.Path("out.txt");
    ScriptedWindow window;
    CQuorvaneDlg dialog(window);
    window.Open(dialog);
    EXPECT_EQ(window.ControlText(IDC_RESULT), kSampleResults);  // the initialisation

    window.Click(IDC_OUTPUT_TO);
    window.Type(IDC_OUTPUT_FILE, output);
    window.Click(IDOK);
    EXPECT_EQ(window.EditorStarts().size(), 1u);
    window.Click(IDC_KEY_EQUALS);
    EXPECT_EQ(window.EditorStarts().size(), 2u);

    window.Click(IDC_INPUT_FROM);
    window.QueueFileAnswer(folder.Write("in.txt", "7*6\n"));
    window.Click(IDC_BROWSE_INPUT);
    EXPECT_EQ(window.EditorStarts().size(), 3u);
    EXPECT_EQ(window.ControlText(IDC_RESULT), "42.00   \r\n");

    window.QueueFileAnswer(folder.Path("other.txt"));
    window.Click(IDC_BROWSE_OUTPUT);  // picks a name only
    window.Click(IDC_KEY_7);
    window.Click(IDC_HELP_BUTTON);
    EXPECT_EQ(window.EditorStarts().size(), 3u);
    EXPECT_EQ(window.Messages().size(), 1u) << "the help text only";
}

// The application's start-up, recorded call by call.
class RecordingPlatform : public AppPlatform, public SkinLibrary {
  public:
    std::uintptr_t InstanceHandle() const override { return 0x400000; }
    SkinLibrary& Skin() override { return *this; }
    std::unique_ptr<DialogWindow> NewMainWindow() override {
        auto window = std::make_unique<ScriptedWindow>();
        window->SetSession([this](ScriptedWindow& open) {
            calls.push_back(open.ControlText(IDC_RESULT) == std::string(kSampleResults)
                                ? "dialog running with its results"
                                : "dialog running without results");
            open.Click(IDCANCEL);
        });
        created = window.get();
        calls.push_back("new window");
        return window;
    }
    std::uintptr_t WindowHandle(const DialogWindow& window) const override {
        return static_cast<const ScriptedWindow&>(window).IsOpen() ? 0x1234 : 0;
    }

    void Init(std::uintptr_t instance, int a, int b, int c) override {
        calls.push_back("Init " + std::to_string(instance) + " " + std::to_string(a) + " " +
                        std::to_string(b) + " " + std::to_string(c));
    }
    void LoadSkinFile(const char* fileName) override {
        calls.push_back(std::string("LoadSkinFile ") + fileName);
    }
    void SetWindowSkin(std::uintptr_t window, const char* skinName) override {
        const bool dialogMade = created != nullptr && created->IconLoads() == 1;
        calls.push_back("SetWindowSkin " + std::to_string(window) + " " + skinName +
                        (dialogMade ? " after the dialog object" : " before the dialog object"));
    }
    void SetDialogSkin(const char* skinName) override {
        calls.push_back(std::string("SetDialogSkin ") + skinName);
    }

    std::vector<std::string> calls;
    ScriptedWindow* created = nullptr;
};

TEST(ApplicationStartUp, SkinsThenRunsTheDialogAndEnds) {
    RecordingPlatform platform;
    CQuorvaneApp app(platform);
    EXPECT_FALSE(app.InitInstance());
    const std::vector<std::string> expected = {
        "Init 4194304 0 0 0",   "LoadSkinFile xpgrean.smf",
        "new window",           "SetWindowSkin 0 MainFrame after the dialog object",
        "SetDialogSkin Dialog", "dialog running with its results",
    };
    EXPECT_EQ(platform.calls, expected);
}

}  // namespace
