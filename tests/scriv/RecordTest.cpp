#include <cstdio>
#include <cstring>

#include "tests/scriv/ScrivFixture.h"

namespace {

std::string SystemText(uint32_t code) {
    char text[512];
    return plat::ErrorText(code, text, sizeof text) ? text : "";
}

TEST_F(ScrivTest, ErrorRecordWithSourcePosition) {
    Init();
    const std::string systemText = SystemText(5);
    ASSERT_FALSE(systemText.empty());
    EXPECT_EQ(systemText.find_first_of("\r\n"), std::string::npos) << "the system's text must be one line";

    EXPECT_EQ(Scriv(0, 5, "Error：GetDlgItem()", "C:\\src\\Harvo.cpp", 117), 1);

    EXPECT_EQ(Log(), HeaderLine(" 【  ERROR  】 ") +
                         INDENT + "C:\\src\\Harvo.cpp 117行目 \r\n" +
                         INDENT + "Error：GetDlgItem()\r\n" +
                         INDENT + "※ GetLastError=0x00000005\r\n" +
                         INDENT + "※ " + systemText + "\r\n" +
                         "\r\n");
}

TEST_F(ScrivTest, TraceRecordOfTwoTexts) {
    Init();
    EXPECT_EQ(ScrivEx(1, 0, "datファイル", "C:\\ログ\\1234.dat"), 1);
    EXPECT_EQ(Log(), HeaderLine(" === TRACE === ") + INDENT + "datファイル\r\n" + INDENT +
                         "C:\\ログ\\1234.dat\r\n\r\n");
}

TEST_F(ScrivTest, NamedAndUnnamedIntegers) {
    Init("LOGLEVEL=2\r\n");
    ScrivInt(2, 0, "ERROR:fread()", -5);
    ScrivInt(1, 0, nullptr, 7);
    EXPECT_EQ(Log(), HeaderLine(" ★★★ DEBUG ★★★ ") + INDENT + "'ERROR:fread()' ---> -5\r\n\r\n" +
                         HeaderLine(" === TRACE === ") + INDENT + "データ = 7\r\n\r\n");
}

TEST_F(ScrivTest, MissingAndEmptyItemsContributeNothing) {
    Init();
    ScrivEx(1, 0, nullptr, nullptr);
    ScrivEx(1, 0, "", "second");
    ScrivEx(1, 0, "first", "");
    Scriv(1, 0, "message", nullptr, 99);
    const std::string trace = HeaderLine(" === TRACE === ");
    EXPECT_EQ(Log(), trace + "\r\n\r\n" +
                         trace + "\r\n" + INDENT + "second\r\n\r\n" +
                         trace + INDENT + "first\r\n\r\n" +
                         trace + "\r\n" + INDENT + "message\r\n\r\n");
}

TEST_F(ScrivTest, TextsWithLineEndsAreWrittenAsTheyAre) {
    Init();
    ScrivEx(1, 0, "one\ntwo", nullptr);
    EXPECT_EQ(Log(), HeaderLine(" === TRACE === ") + INDENT + "one\r\ntwo\r\n\r\n");
}

TEST_F(ScrivTest, CodeWithoutSystemTextWritesTheCodeLineAlone) {
    Init();
    const uint32_t unknown = 0x20001234;
    ASSERT_EQ(SystemText(unknown), "");
    ScrivEx(0, unknown, "fopen()", "x.html");
    EXPECT_EQ(Log(), HeaderLine(" 【  ERROR  】 ") + INDENT + "fopen()\r\n" + INDENT + "x.html\r\n" + INDENT +
                         "※ GetLastError=0x20001234\r\n\r\n");
}

TEST_F(ScrivTest, FormattedTextsStopAt1023Bytes) {
    Init();
    const std::string longName(2000, 'n');
    Scriv(1, 0, nullptr, longName.c_str(), 1);
    ScrivInt(1, 0, longName.c_str(), 1);
    const std::string log = Log();
    const std::string cut(1023, 'n');
    EXPECT_NE(log.find(INDENT + cut + "\r\n"), std::string::npos);
    EXPECT_NE(log.find(INDENT + "'" + std::string(1022, 'n') + "\r\n"), std::string::npos);
    EXPECT_EQ(log.find(std::string(1024, 'n')), std::string::npos);
}

// Kinds against levels: a record is written exactly when kind <= level, and
// kinds without a name carry no marker.
TEST_F(ScrivTest, LevelFilter) {
    for (int level : {-1, 0, 1, 2, 3}) {
        for (int kind : {-2, -1, 0, 1, 2, 3}) {
            SCOPED_TRACE("level " + std::to_string(level) + " kind " + std::to_string(kind));
            Init("LOGLEVEL=" + std::to_string(level) + "\r\n");
            const int result = ScrivEx(kind, 0, "text", nullptr);
            if (kind <= level) {
                EXPECT_EQ(result, 1);
                const char* marker = kind == 0 ? " 【  ERROR  】 " : kind == 1 ? " === TRACE === "
                                   : kind == 2 ? " ★★★ DEBUG ★★★ " : "";
                EXPECT_EQ(Log(), HeaderLine(marker) + INDENT + "text\r\n\r\n");
            } else {
                EXPECT_EQ(result, 0);
                EXPECT_FALSE(PathExists(LogPath()));
            }
        }
    }
}

TEST_F(ScrivTest, CallersLastErrorSurvivesEveryPath) {
    const uint32_t sentinel = 1234;
    auto check = [&](const char* what, auto call) {
        plat::SetLastErrorCode(sentinel);
        call();
        EXPECT_EQ(plat::GetLastErrorCode(), sentinel) << what;
    };
    Init();
    check("written", [] { Scriv(0, 5, "m", "f", 1); });
    check("filtered", [] { ScrivEx(2, 0, "a", "b"); });
    check("integer", [] { ScrivInt(0, 2, "n", 1); });
    Init("PATH=" + dir_.File("missing") + "/sub/trace.log\r\n");
    check("unopenable", [] { ScrivEx(0, 3, "a", "b"); });
}

TEST_F(ScrivTest, UnopenableLogDropsTheRecordWhole) {
    const std::string folder = dir_.File("missing");
    Init("PATH=" + folder + "/trace.log\r\n");
    EXPECT_EQ(ScrivEx(0, 0, "a", "b"), 1);
    EXPECT_EQ(Scriv(0, 2, "a", "f", 1), 1);
    EXPECT_FALSE(PathExists(folder));
}

// Without InitLog the level is 0: a trace is dropped without initialising the
// library, and the first error initialises it (with its rotation) and is
// written even where the configuration it loads would filter it out.
class ImplicitInitTest : public ScrivTest {
protected:
    void SetUp() override {
        ScrivTest::SetUp();
        defaultIni_ = ProgramDir() + "Scriv.ini";
        ASSERT_FALSE(PathExists(defaultIni_)) << "a Scriv.ini beside the test program would change its results";
    }
    void TearDown() override {
        std::remove(defaultIni_.c_str());
        ScrivTest::TearDown();
    }
    std::string defaultIni_;
};

TEST_F(ImplicitInitTest, FirstErrorInitialisesAndRotates) {
    WriteBytes(defaultIni_, "[TRACE]\r\nPATH=" + LogPath() + "\r\n");
    WriteBytes(LogPath(), "previous run\r\n");

    EXPECT_EQ(ScrivEx(1, 0, "trace", nullptr), 0);
    EXPECT_FALSE(scrivState.initialised);

    EXPECT_EQ(ScrivEx(0, 0, "error", nullptr), 1);
    EXPECT_TRUE(scrivState.initialised);
    EXPECT_EQ(ReadBytes(dir_.File("trace01.log")), "previous run\r\n");
    EXPECT_EQ(Log(), HeaderLine(" 【  ERROR  】 ") + INDENT + "error\r\n\r\n");
    ScrivEx(1, 0, "now a trace passes", nullptr);
    EXPECT_NE(Log().find("now a trace passes"), std::string::npos);
}

TEST_F(ImplicitInitTest, TheInitialisingRecordIsWrittenEvenWhenLoggingIsOff) {
    WriteBytes(defaultIni_, "[TRACE]\r\nGENERAL=0\r\nPATH=" + LogPath() + "\r\n");
    EXPECT_EQ(ScrivEx(0, 0, "first", nullptr), 1);
    EXPECT_EQ(scrivState.logLevel, -1);
    EXPECT_EQ(ScrivEx(0, 0, "second", nullptr), 0);
    EXPECT_EQ(ScrivEx(-1, 0, "negative kinds still pass", nullptr), 1);
    const std::string log = Log();
    EXPECT_NE(log.find("first"), std::string::npos);
    EXPECT_EQ(log.find("second"), std::string::npos);
    EXPECT_NE(log.find("negative kinds still pass"), std::string::npos);
}

TEST_F(ScrivTest, TermLogChangesNothing) {
    Init();
    ScrivEx(1, 0, "before", nullptr);
    const ScrivState before = scrivState;
    TermLog();
    EXPECT_EQ(memcmp(&before, &scrivState, sizeof before), 0);
    ScrivEx(1, 0, "after", nullptr);
    EXPECT_NE(Log().find("after"), std::string::npos);
}

}  // namespace
