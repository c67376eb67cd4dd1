// Every file operation of a command made to fail in turn: the Nth call, once
// (transient) or from then on (persistent), for N = 1, 2, 3 ... until a run
// completes without reaching N. Whatever fails, each file the command writes
// is as it was or wholly new, no temporary file stays behind, and the result,
// the status line and the log say what happened.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "html/ConvertCommand.h"
#include "select/CheckFile.h"
#include "settings/SettingsForm.h"
#include "threadlog/LoadCommand.h"
#include "tests/html/HtmlFixture.h"
#include "tests/support/FaultSweep.h"
#include "tests/support/FaultyFiles.h"
#include "tests/support/ProgramFixture.h"

namespace {


const char THREAD[] =
    "名無し<>sage<>2009/01/01 ID:aaa<>一つ目<>スレタイ\n"
    "名無し </b>◆trip <b><><>2009/01/02 ID:bbb<>二つ目<>\n"
    "名無し<><>2009/01/03 ID:aaa<>三つ目 &gt;&gt;1<>\n"
    "名無し<><>2009/01/04 ID:ccc<>四つ目<>\n";
const std::string OLD = "the file of an earlier run\r\n";
const uint32_t INJECTED = FaultyFiles::INJECTED_ERROR;
// Calls made only to put a written file in place: one that fails leaves a target as it was.
const unsigned REPLACING = FaultyFiles::Flush | FaultyFiles::Move;

class HardeningTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Load(THREAD);
        Tick(IDC_MAIN_LIST, {1, 3});
        Tick(IDC_SUB_LIST, {2, 3, 999});
    }

    // Back to the start of a run: the targets with their old bytes, no
    // temporary file, an empty log with a fresh count.
    void Reset(const std::vector<std::string>& targets) {
        for (const std::string& target : targets) {
            WriteBytes(target, OLD);
            std::filesystem::remove(target + "~tmp");
        }
        std::filesystem::remove(LogPath());
        scrivState.writtenCount = 0;
    }

    // Only a temporary file that the system refused to delete may stay.
    void ExpectNoLeftovers(const Outcome& outcome, const std::set<std::string>& before) {
        const bool removeRefused = outcome.failedOps & FaultyFiles::Remove;
        for (const std::string& name : FolderNames(dir_.path())) {
            const bool leftover = !before.count(name);
            EXPECT_TRUE(!leftover || (removeRefused && name.size() > 4 && name.substr(name.size() - 4) == "~tmp"))
                << name;
        }
        for (const std::string& name : before) EXPECT_TRUE(PathExists(dir_.File(name))) << name;
    }

    // Under a transient fault the log works again at once: every code it
    // shows must be the failing call's, kept through the clean-up.
    void ExpectOnlyTheInjectedCode() {
        for (const std::string& record : Records()) {
            const bool hasCode = record.find("GetLastError") != std::string::npos;
            EXPECT_TRUE(!hasCode || record.find(Code(INJECTED)) != std::string::npos) << record;
        }
    }

    // How many records start with start.
    int CountRecords(const std::string& start) {
        int count = 0;
        for (const std::string& record : Records()) count += StartsWith(record, start);
        return count;
    }

    // What a sweep covered, in the XML or JSON report (--gtest_output).
    static void RecordSwept(const std::string& scenario, Fault fault, Swept swept) {
        const std::string name = scenario + (fault == Fault::Transient ? "_transient" : "_persistent");
        RecordProperty(name + "_calls", swept.calls);
        RecordProperty(name + "_runs", swept.runs);
    }

    std::string Page() const { return dir_.File("page.html"); }
    std::string Chk() const { return dir_.File("page.chk"); }
    std::string Redat() const { return dir_.File("page_RE.dat"); }
};

const char CHECK_FILE_FAILURE[] = "ERROR|Harvo.cpp|チェックレスファイル書き込み Error：";
const char REDAT_FAILURE[] = "ERROR|Harvo.cpp|datファイル再書き込み Error：fopen()";

TEST_F(HardeningTest, ConversionInEachMode) {
    const std::vector<std::string> targets = {Page(), Chk(), Redat()};
    const int modes[] = {0, 1, 99};
    auto convert = [&] {
        dialog_.texts[IDC_OUTPUT_PATH] = Page();
        dialog_.texts[IDC_STATUS] = "前の表示";
        dialog_.answers = {true};  // replace the old page
        return ConvertToHtml(session_, dialog_);
    };
    // The fault-free result of each mode: the page, then the check file and
    // the reduced thread log, which no mode changes.
    std::map<int, std::string> pages;
    std::string chk, redat;
    for (int mode : modes) {
        WriteProgramIni("[EXCHANGE]\r\nKIND=" + std::to_string(mode) + "\r\nREDAT=1\r\n");
        Reset(targets);
        ASSERT_EQ(convert(), 1);
        pages[mode] = ReadBytes(Page());
        chk = ReadBytes(Chk());
        redat = ReadBytes(Redat());
        ASSERT_NE(pages[mode], OLD);
        ASSERT_TRUE(mode == 0 || pages[mode] != pages[0]);
    }
    Reset(targets);
    const std::set<std::string> before = FolderNames(dir_.path());

    for (int mode : modes) {
        WriteProgramIni("[EXCHANGE]\r\nKIND=" + std::to_string(mode) + "\r\nREDAT=1\r\n");
        for (Fault fault : {Fault::Transient, Fault::Persistent}) {
            SCOPED_TRACE("KIND=" + std::to_string(mode));
            const Swept swept = SweepFaults(fault, [&] { Reset(targets); }, convert, [&](const Outcome& o) {
                const std::string page = ReadBytes(Page()), newChk = ReadBytes(Chk()), newRedat = ReadBytes(Redat());
                // A program INI that could not be read has its defaults: the
                // body colour mode, and no reduced thread log.
                const bool iniUnread = o.failedOps & (FaultyFiles::Open | FaultyFiles::Read);
                EXPECT_TRUE(page == OLD || page == pages[mode] || (iniUnread && page == pages[0]))
                    << page.size() << " bytes";
                EXPECT_TRUE(newChk == OLD || newChk == chk) << newChk.size() << " bytes";
                EXPECT_TRUE(newRedat == OLD || newRedat == redat) << newRedat.size() << " bytes";
                EXPECT_EQ(o.result, page == OLD ? 0 : 1);
                EXPECT_EQ(dialog_.texts[IDC_STATUS], o.result ? "変換完了" : "HTMLファイルへの変換に失敗しました");
                if (!o.result) {
                    EXPECT_EQ(newChk, OLD) << "nothing follows a page not written";
                    EXPECT_EQ(newRedat, OLD);
                }
                ExpectNoLeftovers(o, before);
                if (o.fault == Fault::Persistent) return;
                // One call failed: one step at most was lost, and its record tells.
                ExpectOnlyTheInjectedCode();
                EXPECT_TRUE(!(o.failedOps & REPLACING) || page == OLD || newChk == OLD || newRedat == OLD);
                if (!o.result) {
                    EXPECT_EQ(CountRecords("TRACE|ERROR:fopen()|出力ファイルオープンエラー") +
                                  CountRecords("ERROR|ERROR:fwrite()|出力ファイル書き込みエラー|" + Code(INJECTED)),
                              1);
                    return;
                }
                EXPECT_LE((newChk == OLD) + (newRedat == OLD), 1);
                EXPECT_EQ(CountRecords(CHECK_FILE_FAILURE), newChk == OLD ? 1 : 0);
                const int redatRecords = CountRecords(REDAT_FAILURE);
                EXPECT_TRUE(newRedat == OLD ? redatRecords == 1 || (iniUnread && redatRecords == 0) : redatRecords == 0);
            });
            EXPECT_GT(swept.calls, MAX_POSTS) << "every line of the reduced thread log is at least one write";
            RecordSwept("conversion_KIND" + std::to_string(mode), fault, swept);
        }
    }
}

TEST_F(HardeningTest, CheckFileSave) {
    Reset({Chk()});
    SaveCheckFile(postTable, Page().c_str());
    const std::string chk = ReadBytes(Chk());
    ASSERT_NE(chk, OLD);
    Reset({Chk()});
    const std::set<std::string> before = FolderNames(dir_.path());
    for (Fault fault : {Fault::Transient, Fault::Persistent}) {
        const Swept swept = SweepFaults(fault, [&] { Reset({Chk()}); }, [&] {
            SaveCheckFile(postTable, Page().c_str());
            return 1;
        },
                                [&](const Outcome& o) {
                                    const std::string now = ReadBytes(Chk());
                                    EXPECT_TRUE(now == OLD || now == chk) << now.size() << " bytes";
                                    ExpectNoLeftovers(o, before);
                                    if (o.fault == Fault::Persistent) return;
                                    ExpectOnlyTheInjectedCode();
                                    EXPECT_TRUE(!(o.failedOps & REPLACING) || now == OLD);
                                    EXPECT_EQ(CountRecords(CHECK_FILE_FAILURE), now == OLD ? 1 : 0);
                                });
        EXPECT_EQ(swept.calls, 8) << "open, four writes, flush, close, move";
        EXPECT_EQ(swept.runs, 8);
        RecordSwept("check_file_save", fault, swept);
    }
}

// The settings are written one by one, each replacing the file: after
// any fault each key holds its old or its new value, every other line as the
// user wrote it.
TEST_F(HardeningTest, SettingsStore) {
    const SettingsForm form = {IDC_SET_CSS_MODE, "green", "#000080", true, true, IDC_SET_CHARSET_UTF8, true, true,
                               true, true, true, true, true, 7};
    const char* const oldLines[] = {"KIND=0",        "TEXT=red",        "NAME=blue",      "REDAT=0",
                                    "MAIL_OUTPUT=0", "CHARSET=0",       "OPEN_PAGE=0",    "LOCAL_LINKS=0",
                                    "ORDER=0",       "LINKS=0",         "MAIL_LINKS=1",   "COPY_CSS=0",
                                    "ANCHOR_RANGES=0", "POPULAR=3"};
    const char* const newLines[] = {"KIND=99",       "TEXT=green",      "NAME=#000080",   "REDAT=1",
                                    "MAIL_OUTPUT=1", "CHARSET=2",       "OPEN_PAGE=1",    "LOCAL_LINKS=1",
                                    "ORDER=1",       "LINKS=1",         "MAIL_LINKS=0",   "COPY_CSS=1",
                                    "ANCHOR_RANGES=1", "POPULAR=7"};
    const char* const failures[] = {"出力方式書き込み失敗",         "本文カラー書き込み失敗",
                                    "名前カラー書き込み失敗",       "datファイル再変換設定エラー",
                                    nullptr,                        "文字コード設定書き込み失敗",
                                    "変換後に開く設定書き込み失敗", "ページ内リンク設定書き込み失敗",
                                    "返信順設定書き込み失敗",       "リンク設定書き込み失敗",
                                    "メール欄リンク設定書き込み失敗", "Harvo.css設定書き込み失敗",
                                    "アンカー範囲設定書き込み失敗", "人気レス設定書き込み失敗"};
    const int keys = 14;
    const unsigned all = (1u << keys) - 1;
    // The file with the keys in mask written.
    auto ini = [&](unsigned mask) {
        auto key = [&](int i) { return std::string(mask >> i & 1 ? newLines[i] : oldLines[i]) + "\r\n"; };
        std::string options;
        for (int i = 6; i < keys; ++i) options += key(i);
        return "; 手で書いた設定\r\n[EXCHANGE]\r\n" + key(0) + key(3) + key(4) + key(5) + "\r\n[COLOR]\r\n" + key(1) +
               key(2) + "[OPTION]\r\n" + options + "[OTHER]\r\nKEEP=ソ表\r\n";
    };
    auto prepare = [&] {
        Reset({});
        WriteProgramIni(ini(0));
    };
    prepare();
    ASSERT_TRUE(WriteSettingsForm(session_.iniPath, form));
    ASSERT_EQ(ReadBytes(session_.iniPath), ini(all));
    prepare();
    const std::set<std::string> before = FolderNames(dir_.path());
    for (Fault fault : {Fault::Transient, Fault::Persistent}) {
        const Swept swept = SweepFaults(
            fault, prepare, [&] { return WriteSettingsForm(session_.iniPath, form); },
            [&](const Outcome& o) {
                const std::string now = ReadBytes(session_.iniPath);
                unsigned mask = 0;
                for (int i = 0; i < keys; ++i)
                    if (now.find(std::string("\n") + newLines[i] + "\r") != std::string::npos) mask |= 1u << i;
                ASSERT_EQ(now, ini(mask)) << "not old and new keys line by line";
                EXPECT_EQ(o.result, mask == all ? 1 : 0);
                ExpectNoLeftovers(o, before);
                if (o.fault == Fault::Persistent) {
                    EXPECT_EQ(mask & (mask + 1), 0u) << "from the fault on nothing is written";
                    return;
                }
                // One call failed: one key at most kept its old value, and its record tells.
                ExpectOnlyTheInjectedCode();
                for (int i = 0; i < keys; ++i) {
                    const std::string record = "ERROR|Error：WritePrivateProfileString()|" +
                                               (failures[i] ? std::string(failures[i]) + "|" : "") + Code(INJECTED);
                    EXPECT_EQ(Logged(record), !(mask >> i & 1)) << newLines[i];
                }
                EXPECT_LE(CountRecords("ERROR"), 1);
                EXPECT_TRUE(!(o.failedOps & REPLACING) || mask != all);
            });
        EXPECT_EQ(swept.calls, keys * 9) << "per key a read of four calls and a replacing write of five";
        RecordSwept("settings_store", fault, swept);
    }
}

// A load reads the thread log in chunks: whatever fails, the lists show
// either the new thread whole, or the old one with its marks (the file could
// not be opened), or nothing and say so (the reading broke off); never a
// thread cut short as if it were whole.
TEST_F(HardeningTest, LoadOfAThreadLog) {
    Init("LOGLEVEL=0\r\n");
    std::string bytes;
    for (int n = 1; n <= 40; ++n)
        bytes += "名無し<><>2009/01/01 ID:" + std::to_string(n) + "<>" + std::string(4000, 'x') + "<>題\n";
    const std::string oldPath = dir_.File("1234.dat"), newPath = dir_.File("big.dat");
    WriteBytes(newPath, bytes);
    auto rows = [&](int list) {
        std::vector<std::string> cells;
        for (const MemoryDialog::Row& row : dialog_.lists[list].rows)
            cells.insert(cells.end(), row.cells.begin(), row.cells.end());
        return cells;
    };
    auto prepare = [&] {
        Reset({});
        dialog_.answers = {true, true};  // throw away the ticks of the case before, and of this one
        Load(THREAD);
        Tick(IDC_MAIN_LIST, {1, 3});
        dialog_.texts[IDC_LOG_PATH] = newPath;
    };
    auto load = [&] { return LoadThreadLog(session_, dialog_); };
    prepare();
    const std::vector<std::string> oldMain = rows(IDC_MAIN_LIST);
    ASSERT_EQ(load(), 1);
    const std::vector<std::string> newMain = rows(IDC_MAIN_LIST), newSub = rows(IDC_SUB_LIST);
    ASSERT_EQ(dialog_.lists[IDC_MAIN_LIST].rows[39].cells[3], "40");
    for (Fault fault : {Fault::Transient, Fault::Persistent}) {
        const Swept swept = SweepFaults(fault, prepare, load, [&](const Outcome& o) {
            const std::string status = dialog_.texts[IDC_STATUS];
            if (o.result != 1) {
                EXPECT_EQ(status, "ファイルを開けませんでした");
            }
            if (o.result == 1) {
                EXPECT_EQ(status, "ファイル読み込み完了");
                EXPECT_EQ(rows(IDC_MAIN_LIST), newMain);
                EXPECT_EQ(rows(IDC_SUB_LIST), newSub);
                EXPECT_STREQ(session_.loadedLogPath, newPath.c_str());
                EXPECT_FALSE(dialog_.ShowsTicked(IDC_MAIN_LIST, 0));
            } else if (session_.loadedLogPath == oldPath) {  // the file could not be opened
                EXPECT_TRUE(o.failedOps & FaultyFiles::Open);
                EXPECT_EQ(rows(IDC_MAIN_LIST), oldMain);
                EXPECT_TRUE(dialog_.ShowsTicked(IDC_MAIN_LIST, 0));
                EXPECT_STREQ(postTable[0].title, "スレタイ");
            } else {
                EXPECT_TRUE(o.failedOps & FaultyFiles::Read);
                for (const std::string& cell : rows(IDC_SUB_LIST)) EXPECT_TRUE(cell.empty() || isdigit(cell[0])) << cell;
                EXPECT_EQ(postTable[0].title[0], '\0');
                EXPECT_STREQ(session_.loadedLogPath, "");
                if (o.fault == Fault::Transient) {
                    EXPECT_TRUE(Logged("ERROR|fread()|datファイル読み込み失敗|" + Code(INJECTED)));
                }
            }
        });
        EXPECT_GE(swept.calls, 5) << "an open, the reads of a 160 KB file in chunks, a close";
        RecordSwept("load", fault, swept);
    }
}

// A record that reaches the size limit on its own sets off a rotation of
// three generations. The records' functions leave the caller's last-error
// value as it was, whatever fails.
TEST_F(HardeningTest, ScrivRecordThatRotates) {
    Init("GENERAL=3\r\nMAXSIZE=1\r\n");
    const std::string live = LogPath(), one = dir_.File("trace01.log"), two = dir_.File("trace02.log");
    const std::string text(1100, 'b');
    const uint32_t CALLER_ERROR = 1234;
    const struct {
        const char* name;
        std::function<int()> record;
    } records[] = {
        {"Scriv", [&] { return Scriv(1, 0, text.c_str(), "Harvo.cpp", 7); }},
        {"ScrivEx", [&] { return ScrivEx(1, 0, text.c_str(), nullptr); }},
        {"ScrivInt", [&] { return ScrivInt(1, 0, text.c_str(), 7); }},
    };
    auto prepare = [&] {
        WriteBytes(live, "live\r\n");
        WriteBytes(one, "one\r\n");
        WriteBytes(two, "two\r\n");
        scrivState.writtenCount = 0;
    };
    for (const auto& r : records) {
        SCOPED_TRACE(r.name);
        uint32_t lastError = 0;
        auto run = [&] {
            plat::SetLastErrorCode(CALLER_ERROR);
            const int result = r.record();
            lastError = plat::GetLastErrorCode();
            return result;
        };
        prepare();
        ASSERT_EQ(run(), 0) << "a rotation in which every move succeeded";
        const std::string moved = ReadBytes(one);  // the live file with the whole record
        ASSERT_FALSE(PathExists(live));
        ASSERT_EQ(ReadBytes(two), "one\r\n");
        const std::string header = moved.substr(0, moved.find("\r\n", 6) + 2);
        const std::vector<std::string> whole = {"live\r\n", header, moved, "one\r\n", "two\r\n"};

        for (Fault fault : {Fault::Transient, Fault::Persistent}) {
            const Swept swept = SweepFaults(fault, prepare, run, [&](const Outcome& o) {
                EXPECT_EQ(lastError, CALLER_ERROR);
                std::vector<std::string> found;
                for (const std::string& path : {live, one, two}) {
                    if (!PathExists(path)) continue;
                    found.push_back(ReadBytes(path));
                    EXPECT_NE(std::find(whole.begin(), whole.end(), found.back()), whole.end())
                        << path << " holds " << found.back().size() << " bytes";
                }
                std::sort(found.begin(), found.end());
                EXPECT_EQ(std::adjacent_find(found.begin(), found.end()), found.end()) << "a move leaves no copy";
                EXPECT_TRUE(std::count(found.begin(), found.end(), "live\r\n") +
                                std::count(found.begin(), found.end(), header) +
                                std::count(found.begin(), found.end(), moved) ==
                            1)
                    << "the live file is never lost";
                if (o.result == 0) {
                    // A generation that looked absent is passed over, as one that is.
                    if (!(o.failedOps & FaultyFiles::Exists)) {
                        EXPECT_EQ(ReadBytes(one), moved);
                        EXPECT_EQ(ReadBytes(two), "one\r\n");
                        EXPECT_FALSE(PathExists(live));
                    }
                } else {
                    const bool notRotated =
                        PathExists(live) && ReadBytes(one) == "one\r\n" && ReadBytes(two) == "two\r\n";
                    EXPECT_TRUE((o.failedOps & FaultyFiles::Move) || notRotated)
                        << "a failed move, or a record cut short and not counted";
                }
            });
            EXPECT_EQ(swept.calls, 12) << "two appends of three calls, then three looks, a delete and two moves";
            RecordSwept(std::string(r.name) + "_rotation", fault, swept);
        }
    }
}

}  // namespace
