// SPDX-License-Identifier: GPL-3.0-or-later
// The "tolvazen" command: which data folder it runs the window in, what it
// creates there on first use and what it leaves alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

#include "tests/store/example_record.h"

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& file)
{
    return Slurp(file.string());
}

void Write(const fs::path& file, const std::string& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// A home folder of its own, a current folder, and a stand-in for the window
// program that notes the folder it was started in.
class Launcher : public ::testing::Test {
protected:
    void SetUp() override
    {
        home = root / "home";
        current = root / "lab";
        fs::create_directories(home);
        fs::create_directories(current);
        window = root / "window";
        Write(window, "#!/bin/sh\npwd >> \"$STARTED_IN\"\n");
        fs::permissions(window, fs::perms::owner_all);
    }

    // Runs the command with `arguments` from the current folder; what it
    // printed lands in Said().
    int Run(const std::string& arguments = "", const fs::path& windowPath = {}) const
    {
        const std::string command = "cd '" + current.string() + "' && env -u XDG_CONFIG_HOME HOME='"
                                    + home.string() + "' TOLVAZEN_WINDOW='"
                                    + (windowPath.empty() ? window : windowPath).string()
                                    + "' STARTED_IN='" + (root / "started").string() + "' '"
                                    TOLVAZEN_LAUNCHER "' " + arguments + " > '"
                                    + (root / "said").string() + "' 2>&1";
        return WEXITSTATUS(std::system(command.c_str()));
    }
    std::string Said() const { return Read(root / "said"); }
    std::string StartedIn() const { return Read(root / "started"); }
    fs::path Documents() const { return home / "Documents" / "Tolvazen"; }

    TempDir temp;
    const fs::path root = temp.Path();
    fs::path home, current, window;
};

}

TEST_F(Launcher, FirstUseCreatesTheDocumentsFolderWithSettingsAndASampleRecord)
{
    ASSERT_EQ(Run(), 0) << Said();
    EXPECT_EQ(Read(Documents() / "tolvazen.ini"), "tolvazen.dat\r\n");
    EXPECT_EQ(Read(Documents() / "tolvazen.dat"), ExampleRecordBytes());
    EXPECT_EQ(StartedIn(), Documents().string() + "\n");
}

TEST_F(Launcher, TheDocumentsFolderIsTheOneTheUserConfigured)
{
    Write(home / ".config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    ASSERT_EQ(Run(), 0) << Said();
    EXPECT_EQ(StartedIn(), (home / "Dokumente" / "Tolvazen").string() + "\n");
    EXPECT_FALSE(fs::exists(Documents()));
}

TEST_F(Launcher, ACurrentFolderWithSettingsIsUsedAsItIs)
{
    Write(current / "tolvazen.ini", "shared.dat\r\n");
    ASSERT_EQ(Run(), 0) << Said();
    EXPECT_EQ(StartedIn(), current.string() + "\n");
    EXPECT_FALSE(fs::exists(current / "tolvazen.dat"));
    EXPECT_FALSE(fs::exists(home / "Documents"));
}

TEST_F(Launcher, AGivenFolderIsUsedAndFilledLikeTheDocumentsFolder)
{
    Write(current / "tolvazen.ini", "shared.dat\r\n");
    ASSERT_EQ(Run("other/data"), 0) << Said();
    EXPECT_EQ(StartedIn(), (current / "other" / "data").string() + "\n");
    EXPECT_EQ(Read(current / "other" / "data" / "tolvazen.dat"), ExampleRecordBytes());
}

TEST_F(Launcher, LaterRunsLeaveExistingFilesAlone)
{
    ASSERT_EQ(Run(), 0);
    Write(Documents() / "tolvazen.ini", "other.dat\r\n");
    Write(Documents() / "tolvazen.dat", "#\r\nsaved by the user\r\n");

    ASSERT_EQ(Run(), 0) << Said();
    EXPECT_EQ(Read(Documents() / "tolvazen.ini"), "other.dat\r\n");
    EXPECT_EQ(Read(Documents() / "tolvazen.dat"), "#\r\nsaved by the user\r\n");
    EXPECT_FALSE(fs::exists(Documents() / "other.dat"));
}

TEST_F(Launcher, OnlyAMissingFileIsCreated)
{
    Write(Documents() / "tolvazen.ini", "tolvazen.dat\r\n");
    ASSERT_EQ(Run(), 0);
    EXPECT_EQ(Read(Documents() / "tolvazen.dat"), ExampleRecordBytes());

    fs::remove(Documents() / "tolvazen.ini");
    ASSERT_EQ(Run(), 0);
    EXPECT_EQ(Read(Documents() / "tolvazen.ini"), "tolvazen.dat\r\n");
}

TEST_F(Launcher, HelpNamesTheFolderInUseAndStartsNothing)
{
    ASSERT_EQ(Run("--help"), 0);
    EXPECT_NE(Said().find("Data folder in use: " + Documents().string() + "\n"), std::string::npos) << Said();
    EXPECT_NE(Said().find("first line of\ntolvazen.ini"), std::string::npos) << Said();

    Write(current / "tolvazen.ini", "shared.dat\r\n");
    ASSERT_EQ(Run("-h"), 0);
    EXPECT_NE(Said().find("Data folder in use: " + current.string() + "\n"), std::string::npos) << Said();
    EXPECT_FALSE(fs::exists(home / "Documents"));
    EXPECT_FALSE(fs::exists(root / "started"));
}

TEST_F(Launcher, WrongUseOrAMissingWindowSaysSoAndCreatesNothing)
{
    const struct {
        std::string arguments;
        bool windowMissing;
        int status;
        std::string said;
    } cases[] = {
        {"--folder x", false, 2, "unknown option --folder"},
        {"one two", false, 2, "one data folder at most"},
        {"", true, 1, "/missing is missing"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.arguments, c.windowMissing ? root / "missing" : fs::path()), c.status) << c.arguments;
        EXPECT_NE(Said().find(c.said), std::string::npos) << Said();
    }
    EXPECT_FALSE(fs::exists(home / "Documents"));
    EXPECT_FALSE(fs::exists(root / "started"));
}
