#include "tests/scriv/ScrivFixture.h"
#include "tests/support/FaultyFiles.h"

namespace {

TEST(ScrivConfig, SizeLimitFromMaxsize) {
    const struct { int kilobytes; uint32_t limit; } table[] = {
        {512, 523264}, {1, 1024}, {0, 524288}, {-5, 524288}, {2, 1024},
        {10240, 10239u * 1024}, {10241, 523264}, {3, 2048},
    };
    for (const auto& row : table) EXPECT_EQ(SizeLimitFromIni(row.kilobytes), row.limit) << row.kilobytes;
}

TEST(ScrivConfig, GenerationsFromGeneral) {
    const struct { int value; int32_t generations; } table[] = {
        {0, 0}, {1, 1}, {3, 3}, {99, 99}, {100, 3}, {-1, 3},
    };
    for (const auto& row : table) EXPECT_EQ(GenerationsFromIni(row.value), row.generations) << row.value;
}

TEST(ScrivConfig, GenerationNames) {
    const struct { const char* path; int generation; const char* name; } table[] = {
        {"C:\\logs\\trace.log", 0, "C:\\logs\\trace.log"},
        {"C:\\logs\\trace.log", 1, "C:\\logs\\trace01.log"},
        {"C:\\logs\\trace.log", 12, "C:\\logs\\trace12.log"},
        {"C:\\logs\\trace.log", 99, "C:\\logs\\trace99.log"},
        {"C:\\logs\\trace", 2, "C:\\logs\\trace02"},                  // no '.' at all
        {"C:\\logs.d\\trace", 1, "C:\\logs.d\\trace01"},              // a dotted folder keeps its name
        {"C:\\logs.d\\trace.old.log", 1, "C:\\logs.d\\trace.old01.log"},
        {"/var/log/app.log", 3, "/var/log/app03.log"},
        {"C:\\logs\\a.bソ", 1, "C:\\logs\\a01.bソ"},                  // ソ ends in 0x5C, not a separator
    };
    for (const auto& row : table) EXPECT_EQ(GenerationName(row.path, row.generation), row.name) << row.path;
}

// A generation's name that would pass 259 bytes is refused, never cut (found
// by fuzzing): the live log then stays where it is and the rotation fails.
TEST_F(ScrivTest, GenerationNameTooLongForAPathIsRefused) {
    const auto logOf = [&](size_t length) {
        const std::string folder = dir_.File("");
        return folder + std::string(length - folder.size() - 4, 'n') + ".log";
    };
    EXPECT_EQ(GenerationName(logOf(257).c_str(), 1).size(), 259u);
    const std::string path = logOf(258);
    EXPECT_EQ(GenerationName(path.c_str(), 1), "");
    EXPECT_EQ(GenerationName(path.c_str(), 0), path);
    WriteBytes(path, "live\r\n");
    EXPECT_FALSE(RotateLogFiles(path.c_str(), 3));
    EXPECT_EQ(ReadBytes(path), "live\r\n");
}

TEST_F(ScrivTest, DefaultsWithoutIni) {
    InitLog(dir_.File("none.ini").c_str());
    EXPECT_EQ(scrivState.generations, 3);
    EXPECT_EQ(scrivState.sizeLimit, 523264u);
    EXPECT_EQ(scrivState.logLevel, 1);
    EXPECT_EQ(std::string(scrivState.logPath), ProgramDir() + "trace.log");
    EXPECT_EQ(std::string(scrivState.startDir), ProgramDir());
    EXPECT_TRUE(scrivState.initialised);
}

TEST_F(ScrivTest, IniValuesAndTheirReplacements) {
    Init("GENERAL=100\r\nMAXSIZE=10241\r\nLOGLEVEL=-3\r\n");
    EXPECT_EQ(scrivState.generations, 3);
    EXPECT_EQ(scrivState.sizeLimit, 523264u);
    EXPECT_EQ(scrivState.logLevel, -3);
    EXPECT_EQ(std::string(scrivState.iniPath), IniPath());
    EXPECT_EQ(std::string(scrivState.logPath), LogPath());

    Init("GENERAL=abc\r\nMAXSIZE=abc\r\nLOGLEVEL=2\r\n");  // not numbers: read as 0
    EXPECT_EQ(scrivState.generations, 0);
    EXPECT_EQ(scrivState.sizeLimit, 524288u);
    EXPECT_EQ(scrivState.logLevel, -1) << "no generations switches logging off";
}

TEST_F(ScrivTest, LoggingOffTouchesNoFile) {
    WriteBytes(LogPath(), "old\r\n");
    Init("GENERAL=0\r\nMAXSIZE=1\r\n");
    for (int i = 0; i < 50; ++i) EXPECT_EQ(ScrivEx(0, 0, "error", nullptr), 0);
    InitLog(IniPath().c_str());
    EXPECT_EQ(Log(), "old\r\n");
    EXPECT_FALSE(PathExists(dir_.File("trace01.log")));
}

TEST_F(ScrivTest, EachInitialisationShiftsTheGenerations) {
    WriteBytes(LogPath(), "live\r\n");
    Init("GENERAL=3\r\n");
    EXPECT_FALSE(PathExists(LogPath()));
    EXPECT_EQ(ReadBytes(dir_.File("trace01.log")), "live\r\n");
    InitLog(IniPath().c_str());
    EXPECT_FALSE(PathExists(dir_.File("trace01.log")));
    EXPECT_EQ(ReadBytes(dir_.File("trace02.log")), "live\r\n");
    ScrivEx(1, 0, "third run", nullptr);
    InitLog(IniPath().c_str());
    EXPECT_FALSE(PathExists(dir_.File("trace02.log"))) << "the oldest generation is deleted";
    EXPECT_NE(ReadBytes(dir_.File("trace01.log")).find("third run"), std::string::npos);
}

TEST_F(ScrivTest, TwoGenerationsDeleteWhatTheFirstInitialisationMoved) {
    WriteBytes(LogPath(), "live\r\n");
    Init("GENERAL=2\r\n");
    EXPECT_EQ(ReadBytes(dir_.File("trace01.log")), "live\r\n");
    InitLog(IniPath().c_str());
    EXPECT_FALSE(PathExists(dir_.File("trace01.log")));
    EXPECT_FALSE(PathExists(dir_.File("trace02.log")));
}

TEST_F(ScrivTest, OneGenerationDeletesTheLiveFile) {
    WriteBytes(LogPath(), "live\r\n");
    Init("GENERAL=1\r\n");
    EXPECT_FALSE(PathExists(LogPath()));
    EXPECT_FALSE(PathExists(dir_.File("trace01.log")));
}

// The record that reaches the limit stays whole in generation 1 and the next
// one opens a new live file. The check is by content: a line end counts as
// one character but takes two bytes.
TEST_F(ScrivTest, RecordReachingTheLimitStaysWhole) {
    Init("MAXSIZE=1\r\n");  // limit 1024 characters
    int rotatedAt = 0;
    for (int i = 1; i <= 40 && rotatedAt == 0; ++i)
        if (ScrivEx(1, 0, ("record " + std::to_string(i)).c_str(), "xxxxxxxxxxxxxxxxxxxx") == 0) rotatedAt = i;
    ASSERT_GT(rotatedAt, 1);
    const std::string moved = ReadBytes(dir_.File("trace01.log"));
    const std::string last = "record " + std::to_string(rotatedAt) + "\r\n" + INDENT + "xxxxxxxxxxxxxxxxxxxx\r\n\r\n";
    EXPECT_EQ(moved.substr(moved.size() - last.size()), last);
    EXPECT_FALSE(PathExists(LogPath()));
    EXPECT_EQ(scrivState.writtenCount, 0u);

    ScrivEx(1, 0, "next", nullptr);
    EXPECT_EQ(Log(), HeaderLine(" === TRACE === ") + INDENT + "next\r\n\r\n");
    EXPECT_EQ(scrivState.writtenCount, 25u + 15 + 1 + 26 + 4 + 2);
}

TEST_F(ScrivTest, DottedFolderAndExtensionlessPathRotate) {
    const std::string folder = dir_.File("logs.d");
    MakeDir(folder);
    const std::string path = folder + "/trace";
    WriteBytes(path, "live\r\n");
    Init("PATH=" + path + "\r\n");
    EXPECT_EQ(ReadBytes(path + "01"), "live\r\n");
    EXPECT_FALSE(PathExists(path));
}

// A move that fails does not stop the others; the rotation reports failure,
// the count is reset and later records are still written.
TEST_F(ScrivTest, FailedMoveIsRememberedAndTheRotationGoesOn) {
    Init("GENERAL=4\r\nMAXSIZE=1\r\n");
    WriteBytes(dir_.File("trace02.log"), "two\r\n");
    WriteBytes(dir_.File("trace01.log"), "one\r\n");
    int result;
    {
        FaultyFiles faults(1, FaultyFiles::Fault::Transient, FaultyFiles::Move);
        result = ScrivEx(1, 0, std::string(1100, 'b').c_str(), nullptr);  // reaches the limit on its own
        EXPECT_TRUE(faults.fired());
        EXPECT_EQ(faults.calls(), 3) << "every generation is still tried";
    }
    EXPECT_EQ(result, 1) << "a rotation with a failed move";
    EXPECT_FALSE(PathExists(dir_.File("trace03.log"))) << "generation 2 failed to move on";
    EXPECT_EQ(ReadBytes(dir_.File("trace02.log")), "one\r\n") << "the next move replaced it";
    EXPECT_EQ(ReadBytes(dir_.File("trace01.log")).substr(0, 2), "[2") << "the live file moved";
    EXPECT_EQ(scrivState.writtenCount, 0u);
    EXPECT_EQ(ScrivEx(1, 0, "later", nullptr), 1);
    EXPECT_NE(Log().find("later"), std::string::npos);
}

}  // namespace
