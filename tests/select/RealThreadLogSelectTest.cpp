// Every selection command on the real thread logs, checked against posts per
// trip, posts per ID and anchors counted here from the files' bytes.
#include <map>
#include <regex>
#include <set>

#include "select/RangeClear.h"
#include "select/ReferencedResponses.h"
#include "select/SamePosterSelect.h"
#include "tests/support/ProgramFixture.h"
#include "threadlog/LoadCommand.h"

namespace {

struct RawPost {
    std::string trip, id;
    std::set<int> anchors;  // the post numbers 1 to 1000 its body refers to
};

std::string Field(const std::string& line, int index) {
    size_t from = 0;
    for (int k = 0; k < index; ++k) from = line.find("<>", from) + 2;
    return line.substr(from, line.find("<>", from) - from);
}

std::vector<RawPost> RawPosts(const std::string& bytes) {
    static const std::regex trip("</b>(.*?) ?<b>"), id("ID:(.*?)(?: BE:.*)?$"),
        anchor("&gt;&gt;[ \t\n\v\f\r]*\\+?(\\d+)");
    std::vector<RawPost> posts;
    for (size_t start = 0, end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = bytes.substr(start, end - start), body = Field(line, 3), date = Field(line, 2);
        const std::string name = Field(line, 0);
        RawPost post;
        std::smatch m;
        if (std::regex_search(name, m, trip)) post.trip = m[1];
        if (std::regex_search(date, m, id)) post.id = m[1];
        for (std::sregex_iterator it(body.begin(), body.end(), anchor), none; it != none; ++it) {
            const std::string digits = (*it)[1];
            const long n = digits.size() <= 9 ? std::stol(digits) : 0;
            if (n >= 1 && n <= MAX_POSTS) post.anchors.insert(static_cast<int>(n));
        }
        posts.push_back(post);
    }
    return posts;
}

class RealThreadLogSelectTest : public ProgramTest {
protected:
    void Load(const std::string& path) {
        dialog_.texts[IDC_LOG_PATH] = path;
        dialog_.answers = {true};  // the ticks of the step before are thrown away
        ASSERT_TRUE(LoadThreadLog(session_, dialog_));
    }
};

// Every 40th post, and the first post of the commonest non-empty key.
Posts SomePosts(const std::vector<RawPost>& posts, std::string RawPost::*key) {
    std::set<int> marked;
    for (size_t n = 1; n <= posts.size(); n += 40) marked.insert(static_cast<int>(n));
    std::map<std::string, int> postsPerKey;
    for (const RawPost& p : posts)
        if (!(p.*key).empty()) ++postsPerKey[p.*key];
    std::string commonest;
    int most = 0;
    for (const auto& [value, count] : postsPerKey)
        if (count > most) commonest = value, most = count;
    for (size_t i = 0; i < posts.size() && !commonest.empty(); ++i)
        if (posts[i].*key == commonest) {
            marked.insert(static_cast<int>(i + 1));
            break;
        }
    return Posts(marked.begin(), marked.end());
}

// The marked posts, and every post sharing a non-empty key with one of them.
Posts SamePoster(const Posts& marked, const std::vector<RawPost>& posts, std::string RawPost::*key) {
    std::map<std::string, Posts> postsPerKey;
    for (size_t i = 0; i < posts.size(); ++i)
        if (!(posts[i].*key).empty()) postsPerKey[posts[i].*key].push_back(static_cast<int>(i + 1));
    std::set<int> result(marked.begin(), marked.end());
    for (int n : marked) {
        const std::string& value = posts[static_cast<size_t>(n - 1)].*key;
        if (!value.empty()) result.insert(postsPerKey[value].begin(), postsPerKey[value].end());
    }
    return Posts(result.begin(), result.end());
}

TEST_F(RealThreadLogSelectTest, SelectionsMatchCountsOfTheFiles) {
    REQUIRE_REAL_THREAD_LOGS();
    const std::string folder = RealThreadLogFolder();
    size_t addedById = 0, addedByTrip = 0, referenced = 0;
    for (const char* name : {"js2ch_1379534723.dat", "twoB_1193443676.dat", "twoB_1264432017.dat",
                             "twoB_2ch_with_id.dat", "twoB_2ch_with_id_and_be.dat", "twoB_with-trip.dat"}) {
        SCOPED_TRACE(name);
        const std::vector<RawPost> posts = RawPosts(ReadBytes(folder + name));
        const int count = static_cast<int>(posts.size());

        const struct {
            bool (*command)(Session&, DialogPort&);
            std::string RawPost::*key;
            size_t* added;
        } families[] = {{SelectSameId, &RawPost::id, &addedById}, {SelectSameTrip, &RawPost::trip, &addedByTrip}};
        for (const auto& f : families) {
            const Posts marked = SomePosts(posts, f.key), expected = SamePoster(marked, posts, f.key);
            Load(folder + name);
            Tick(IDC_MAIN_LIST, marked);
            f.command(session_, dialog_);
            EXPECT_EQ(Ticked(IDC_MAIN_LIST), expected);
            *f.added += expected.size() - marked.size();
        }

        // Every third post's references.
        Load(folder + name);
        Posts thirds;
        std::set<int> anchors;
        for (int n = 1; n <= count; n += 3) {
            thirds.push_back(n);
            const std::set<int>& refs = posts[static_cast<size_t>(n - 1)].anchors;
            anchors.insert(refs.begin(), refs.end());
        }
        Tick(IDC_MAIN_LIST, thirds);
        ExtractReferencedResponses(session_, dialog_);
        EXPECT_EQ(Ticked(IDC_SUB_LIST), Posts(anchors.begin(), anchors.end()));
        for (int i = 0; i < MAX_POSTS; ++i) {
            ASSERT_EQ(postTable[i].mainCheck, i % 3 == 0 && i < count ? 1 : 0) << i;
            ASSERT_EQ(postTable[i].subCheck, anchors.count(i + 1) ? 1 : 0) << i;
        }
        referenced += anchors.size();

        // Then clear posts 10 to 200 of both lists.
        dialog_.texts[IDC_RANGE_START] = "10";
        dialog_.texts[IDC_RANGE_END] = "200";
        dialog_.answers = {true};
        ClearChecksInRange(session_, dialog_);
        Posts keptMain, keptSub;
        for (int n : thirds)
            if (n < 10 || n > 200) keptMain.push_back(n);
        for (int n : anchors)
            if (n < 10 || n > 200) keptSub.push_back(n);
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), keptMain);
        EXPECT_EQ(Ticked(IDC_SUB_LIST), keptSub);
    }
    // The files do exercise the commands.
    EXPECT_GT(addedById, 10u) << addedById;
    EXPECT_GT(addedByTrip, 10u) << addedByTrip;
    EXPECT_GT(referenced, 100u) << referenced;
}

// Post 458 answers "&gt;&gt;450-453": its first number, or by ANCHOR_RANGES=1 the range.
TEST_F(RealThreadLogSelectTest, RangeAnchorOfARealLog) {
    REQUIRE_REAL_THREAD_LOGS();
    for (const bool ranges : {false, true}) {
        WriteProgramIni(ranges ? "[OPTION]\r\nANCHOR_RANGES=1\r\n" : "");
        Load(RealThreadLogFolder() + "twoB_1264432017.dat");
        Tick(IDC_MAIN_LIST, {458});
        ExtractReferencedResponses(session_, dialog_);
        EXPECT_EQ(Ticked(IDC_SUB_LIST), ranges ? (Posts{450, 451, 452, 453}) : (Posts{450}));
    }
}

}  // namespace
