// Telling whether two file names mean the same file.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "batch/SameFile.h"

namespace {

using quorvane::batch::NameSameFile;

TEST(NameSameFile, SpellingsOfOneMissingFileAreTheSameFile) {
    // Identity cannot tell for a file that does not exist; the spelling can.
    TempFolder folder;
    const std::string path = folder.Path("none.txt");
    EXPECT_TRUE(NameSameFile(path, path));
    EXPECT_TRUE(NameSameFile(path, folder.Path().string() + "/./none.txt"));
    EXPECT_TRUE(NameSameFile(path, folder.Path().string() + "/sub/../none.txt"));
}

TEST(NameSameFile, DifferentFilesAreNot) {
    TempFolder folder;
    const std::string a = folder.Write("a.txt", "1");
    const std::string b = folder.Write("b.txt", "1");
    EXPECT_FALSE(NameSameFile(a, b));
    EXPECT_FALSE(NameSameFile(a, folder.Path("A.TXT")));
    EXPECT_FALSE(NameSameFile(folder.Path("none.txt"), folder.Path("other.txt")));  // both missing
    EXPECT_FALSE(NameSameFile(a, ""));
    EXPECT_FALSE(NameSameFile("", ""));
}

}  // namespace
