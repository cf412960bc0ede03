#include "base/programfiles.h"

#include <gtest/gtest.h>

#include <fstream>

#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

class ProgramFilesTest : public ::testing::Test {
protected:
    UserFolders User() const { return {mFolder.Path() / "data", mFolder.Path() / "config"}; }

    static void Touch(const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    }

    test::TempFolder mFolder;
};

TEST_F(ProgramFilesTest, AWritableFolderKeepsEverythingBesideTheProgram) {
    const fs::path program = mFolder.Path() / "build";
    Touch(program / "miniloto-history.csv");
    const ProgramFiles files = LocateProgramFiles(program, User());
    EXPECT_TRUE(files.portable);
    EXPECT_EQ(files.history, program / "Pirumo.mdb");
    EXPECT_EQ(files.settings, fs::path("ピルモ.ini"));
    EXPECT_EQ(files.bundledHistory, program / "miniloto-history.csv");
}

// An unpacked package is writable, yet its layout says installed.
TEST_F(ProgramFilesTest, AnInstalledLayoutUsesTheUserFoldersEvenWhenWritable) {
    const fs::path prefix = mFolder.Path() / "root" / "usr";
    Touch(prefix / "share" / "pirumo" / "miniloto-history.csv");
    fs::create_directories(prefix / "bin");
    const ProgramFiles files = LocateProgramFiles(prefix / "bin", User());
    EXPECT_FALSE(files.portable);
    EXPECT_EQ(files.history, User().data / "Pirumo.mdb");
    EXPECT_EQ(files.settings, User().config / "ピルモ.ini");
    EXPECT_EQ(files.bundledHistory, prefix / "share" / "pirumo" / "miniloto-history.csv");
}

}  // namespace
}  // namespace pirumo
