#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string SampleRecord =
    "\r\n"
    "#\r\n"
    "\xC4\xE0\xF2\xE0: 05.03.2007\r\n"
    "\xC2\xF0\xE5\xEC\xFF: 14:27\r\n"
    "0.05000000       \xCF\xEE\xE3\xF0\xE5\xF8\xED\xEE\xF1\xF2\xFC\r\n"
    "3       \xCA\xEE\xEB-\xE2\xEE \xF2\xEE\xF7\xE5\xEA\r\n"
    "8       \xCA\xEE\xEB-\xE2\xEE \xED\xF3\xEB\xE5\xE9 \xE7\xE0 \xE7\xEF\xF2.\r\n"
    "0.00000000    = X%(1)\r\n"
    "0.01200000    = D(1)\r\n"
    "5.00000000    = X%(2)\r\n"
    "0.26000000    = D(2)\r\n"
    "20.00000000    = X%(4)\r\n"
    "1.01300000    = D(4)\r\n"
    "0.3\r\n"
    "0.75\r\n";

std::string Read(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

// A temporary folder with a stand-in for the program that notes the folder it
// was started in.
class RunTolvazen : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "run-tolvazen-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        program = root / "program";
        Write(program, "#!/bin/sh\npwd >> \"$STARTED_IN\"\n");
        fs::permissions(program, fs::perms::owner_all);
        dataDir = root / "new" / "data";
    }
    void TearDown() override { fs::remove_all(root); }

    int Run(const fs::path& programPath) const
    {
        const std::string command = "DATA_DIR='" + dataDir.string() + "' STARTED_IN='"
                                    + (root / "started").string() + "' '" RUN_TOLVAZEN "' '"
                                    + programPath.string() + "' > '" + (root / "said").string()
                                    + "' 2>&1";
        return std::system(command.c_str());
    }

    fs::path root, program, dataDir;
};

}

TEST_F(RunTolvazen, FirstUseCreatesTheFolderWithSettingsAndASampleRecord)
{
    ASSERT_EQ(Run(program), 0) << Read(root / "said");
    EXPECT_EQ(Read(dataDir / "tolvazen.ini"), "tolvazen.dat\r\n");
    EXPECT_EQ(Read(dataDir / "tolvazen.dat"), SampleRecord);
    EXPECT_EQ(Read(root / "started"), dataDir.string() + "\n");
}

TEST_F(RunTolvazen, LaterRunsLeaveExistingFilesAlone)
{
    ASSERT_EQ(Run(program), 0);
    Write(dataDir / "tolvazen.ini", "other.dat\r\n");
    Write(dataDir / "tolvazen.dat", "#\r\nsaved by the user\r\n");

    ASSERT_EQ(Run(program), 0) << Read(root / "said");
    EXPECT_EQ(Read(dataDir / "tolvazen.ini"), "other.dat\r\n");
    EXPECT_EQ(Read(dataDir / "tolvazen.dat"), "#\r\nsaved by the user\r\n");
    EXPECT_EQ(Read(root / "started"), dataDir.string() + "\n" + dataDir.string() + "\n");
}

TEST_F(RunTolvazen, OnlyAMissingFileIsCreated)
{
    fs::create_directories(dataDir);
    Write(dataDir / "tolvazen.ini", "tolvazen.dat\r\n");

    ASSERT_EQ(Run(program), 0);
    EXPECT_EQ(Read(dataDir / "tolvazen.dat"), SampleRecord);

    fs::remove(dataDir / "tolvazen.ini");
    ASSERT_EQ(Run(program), 0);
    EXPECT_EQ(Read(dataDir / "tolvazen.ini"), "tolvazen.dat\r\n");
}

TEST_F(RunTolvazen, WithoutTheProgramSaysSoAndCreatesNothing)
{
    EXPECT_NE(Run(root / "missing"), 0);
    EXPECT_NE(Read(root / "said").find("not built yet"), std::string::npos);
    EXPECT_FALSE(fs::exists(dataDir));
}
