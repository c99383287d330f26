// The "File" group: the two check boxes and the two browse buttons.
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "DialogTest.h"
#include "TempFolder.h"
#include "batch/Messages.h"

namespace {

using ::PrintTo;
using quorvane::batch::MsgFileNotExist;
using quorvane::batch::MsgOpenFailed;
using quorvane::window::FileDialogKind;
using quorvane::window::FileDialogRequest;

class FileOptionsTest : public DialogTest {
  protected:
    // Enabled state of every control of the window.
    std::map<int, bool> EnabledStates() const {
        std::map<int, bool> states;
        for (int id = 0; id < 1100; ++id) {
            if (window.HasControl(id)) states[id] = window.At(id).enabled;
        }
        return states;
    }

    TempFolder folder;
};

constexpr const char* kProgramPath = "/opt/quorvane/bin/quorvane";
constexpr const char* kTextFiles = "txt\xE6\x96\x87\xE4\xBB\xB6";  // "txt" and the word for file

struct Side {
    const char* name;
    int checkBox;
    int nameBox;
    int browseButton;
    FileDialogRequest request;  // what its browse button asks for
};

const Side kSides[] = {
    {"Input",
     IDC_INPUT_FROM,
     IDC_INPUT_FILE,
     IDC_BROWSE_INPUT,
     {FileDialogKind::Open, "*.txt", "", false, kTextFiles, "*.txt", kProgramPath}},
    {"Output",
     IDC_OUTPUT_TO,
     IDC_OUTPUT_FILE,
     IDC_BROWSE_OUTPUT,
     {FileDialogKind::Save, "", "*.txt", true, kTextFiles, "*.txt", kProgramPath}},
};

class SideTest : public FileOptionsTest, public ::testing::WithParamInterface<Side> {};

TEST_P(SideTest, TickingEnablesItsNameBoxAndBrowseButtonOnly) {
    const Side& side = GetParam();
    Open();
    std::map<int, bool> expected = EnabledStates();
    window.Click(side.checkBox);
    expected[side.nameBox] = true;
    expected[side.browseButton] = true;
    EXPECT_EQ(EnabledStates(), expected);
    EXPECT_TRUE(window.IsChecked(side.checkBox));
    EXPECT_EQ(Text(IDC_RESULT), kSampleResults);  // nothing is evaluated
    EXPECT_TRUE(window.Messages().empty());
}

TEST_P(SideTest, ClearingDisablesThemAndKeepsTheName) {
    const Side& side = GetParam();
    Open();
    const std::map<int, bool> before = EnabledStates();
    window.Click(side.checkBox);
    window.Type(side.nameBox, "/some/name.txt");
    window.Click(side.checkBox);
    EXPECT_EQ(EnabledStates(), before);
    EXPECT_FALSE(window.IsChecked(side.checkBox));
    EXPECT_EQ(Text(side.nameBox), "/some/name.txt");

    window.Click(side.checkBox);
    EXPECT_EQ(Text(side.nameBox), "/some/name.txt");
    EXPECT_TRUE(window.At(side.nameBox).enabled);
}

TEST_P(SideTest, AMissingControlIsLeftOut) {
    const Side& side = GetParam();
    window.RemoveControl(side.browseButton);
    Open();
    EXPECT_FALSE(window.At(side.nameBox).enabled);
    window.Click(side.checkBox);
    EXPECT_TRUE(window.At(side.nameBox).enabled);
}

TEST_P(SideTest, TheFileDialogStartsInTheProgramsPathWithTextFiles) {
    const Side& side = GetParam();
    window.SetProgramPath(kProgramPath);
    Open();
    window.Click(side.checkBox);
    window.QueueFileAnswer(std::nullopt);
    window.Click(side.browseButton);
    ASSERT_EQ(window.FileRequests().size(), 1u);
    const FileDialogRequest& actual = window.FileRequests()[0];
    EXPECT_EQ(actual.kind, side.request.kind);
    EXPECT_EQ(actual.defaultExtension, side.request.defaultExtension);
    EXPECT_EQ(actual.initialName, side.request.initialName);
    EXPECT_EQ(actual.overwritePrompt, side.request.overwritePrompt);
    EXPECT_EQ(actual.typeDescription, side.request.typeDescription);
    EXPECT_EQ(actual.typePattern, side.request.typePattern);
    EXPECT_EQ(actual.initialFolder, side.request.initialFolder);
}

TEST_F(FileOptionsTest, APickedInputFileIsEvaluatedAtOnce) {
    const std::string path = folder.Write("in.txt", "1+1\n7*6\n");
    OpenWith(true, false);
    window.Type(IDC_EXPRESSION, "typed");
    window.QueueFileAnswer(path);
    window.Click(IDC_BROWSE_INPUT);
    EXPECT_EQ(Text(IDC_INPUT_FILE), path);
    EXPECT_EQ(Text(IDC_EXPRESSION), "1+1\r\n7*6\r\n");
    EXPECT_EQ(Text(IDC_RESULT), "2.00   \r\n42.00   \r\n");
    EXPECT_TRUE(window.Messages().empty());
    EXPECT_TRUE(window.EditorStarts().empty());
}

TEST_F(FileOptionsTest, APickedInputFileIsWrittenOutWhenOutputIsOn) {
    const std::string in = folder.Write("in.txt", "7*6\n");
    const std::string out = folder.Path("out.txt");
    OpenWith(true, true);
    window.Type(IDC_OUTPUT_FILE, out);
    window.QueueFileAnswer(in);
    window.Click(IDC_BROWSE_INPUT);
    EXPECT_EQ(Text(IDC_RESULT), "42.00   \r\n");
    EXPECT_EQ(TempFolder::Read(out), "7*6 = 42.00\r\r\n\r\r\n\r\n");
    EXPECT_EQ(window.EditorStarts(), std::vector<std::string>{out});
}

TEST_F(FileOptionsTest, APickedMissingInputFileIsReported) {
    const std::string path = folder.Path("typed-in-the-dialog.txt");
    OpenWith(true, false);
    window.QueueFileAnswer(path);
    window.Click(IDC_BROWSE_INPUT);
    EXPECT_EQ(Text(IDC_INPUT_FILE), path);
    EXPECT_EQ(window.Messages(), std::vector<std::string>{MsgFileNotExist(path)});
    EXPECT_EQ(Text(IDC_RESULT), kSampleResults);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(FileOptionsTest, APickedOutputFileIsOnlyNamed) {
    const std::string path = folder.Path("out.txt");
    OpenWith(false, true);
    window.Type(IDC_RESULT, "typed result");
    window.QueueFileAnswer(path);
    window.Click(IDC_BROWSE_OUTPUT);
    EXPECT_EQ(Text(IDC_OUTPUT_FILE), path);
    EXPECT_EQ(Text(IDC_RESULT), "typed result");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(window.EditorStarts().empty());
    EXPECT_TRUE(window.Messages().empty());
}

TEST_P(SideTest, ACancelledDialogChangesNothing) {
    const Side& side = GetParam();
    const std::string in = folder.Write("in.txt", "1+1\n");
    OpenWith(true, true);
    window.Type(IDC_EXPRESSION, "typed");
    window.Type(IDC_RESULT, "typed result");
    window.Type(IDC_INPUT_FILE, in);
    window.Type(IDC_OUTPUT_FILE, "typed output");
    window.QueueFileAnswer(std::nullopt);
    window.Click(side.browseButton);

    EXPECT_EQ(window.FileRequests().size(), 1u);
    EXPECT_EQ(Text(IDC_EXPRESSION), "typed");
    EXPECT_EQ(Text(IDC_RESULT), "typed result");
    EXPECT_EQ(Text(IDC_INPUT_FILE), in);
    EXPECT_EQ(Text(IDC_OUTPUT_FILE), "typed output");
    EXPECT_TRUE(window.Messages().empty());
    EXPECT_TRUE(window.EditorStarts().empty());
}

INSTANTIATE_TEST_SUITE_P(FileOptions, SideTest, ::testing::ValuesIn(kSides), CaseName());

// Files handed to the dialog from outside (the command line, a drop on the
// window) with both options off: the first is taken as a picked input file.
struct GivenFiles {
    const char* name;
    std::function<std::vector<std::string>(const TempFolder&)> paths;
    std::function<std::string(const TempFolder&)> message;  // "": none
    const char* expression;                                 // afterwards
    const char* results;
};

const GivenFiles kGivenFiles[] = {
    {"FirstOfSeveral",
     [](const TempFolder& f) {
         return std::vector{f.Write("in.txt", "6*7\n"), f.Write("other.txt", "1+1\n")};
     },
     [](const TempFolder&) { return std::string(); }, "6*7\r\n", "42.00   \r\n"},
    {"Missing", [](const TempFolder& f) { return std::vector{f.Path("missing.txt")}; },
     [](const TempFolder& f) { return MsgFileNotExist(f.Path("missing.txt")); }, kSampleText.data(),
     kSampleResults.data()},
    {"AFolder", [](const TempFolder& f) { return std::vector{f.Path().string()}; },
     [](const TempFolder& f) { return MsgOpenFailed(f.Path().string()); }, kSampleText.data(),
     kSampleResults.data()},
};

class GivenFilesTest : public FileOptionsTest, public ::testing::WithParamInterface<GivenFiles> {};

TEST_P(GivenFilesTest, TheFirstIsTakenAsAPickedInputFile) {
    const GivenFiles& given = GetParam();
    const std::vector<std::string> paths = given.paths(folder);
    Open();
    std::map<int, bool> expectedStates = EnabledStates();
    expectedStates[IDC_INPUT_FILE] = true;
    expectedStates[IDC_BROWSE_INPUT] = true;
    window.OpenFiles(paths);
    EXPECT_TRUE(window.IsChecked(IDC_INPUT_FROM));
    EXPECT_EQ(EnabledStates(), expectedStates);
    EXPECT_EQ(Text(IDC_INPUT_FILE), paths.front());
    EXPECT_EQ(Text(IDC_EXPRESSION), given.expression);
    EXPECT_EQ(Text(IDC_RESULT), given.results);
    const std::string message = given.message(folder);
    EXPECT_EQ(window.Messages(),
              message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
}

INSTANTIATE_TEST_SUITE_P(FileOptions, GivenFilesTest, ::testing::ValuesIn(kGivenFiles), CaseName());

}  // namespace
