// Common ground for the writers' tests: a fresh post table, the program INI and
// the log in a fresh folder, and the pages' fixed heads and foot.
#pragma once

#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "settings/ProgramIni.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TestText.h"
#include "posts/PostTable.h"

const char TITLE[] = "スレタイ";

inline std::string BodyColourHead(const std::string& title) {
    return Lines({"<html>", "<head>",
                  R"(<link rel="stylesheet" type="text/css" href="Harvo.css" media="all" />)",
                  "<title>" + title + "</title>", "</head>",
                  "<body bgcolor=#efefef text=black link=blue alink=red vlink=#660099>",
                  "<font size=+1 color=red>" + title + "</font>", "<dl>"});
}
inline std::string NameColourHead(const std::string& title) {
    return Lines({"<html>", "<head>", "<title>" + title + "</title>", "</head>",
                  "<body bgcolor=#efefef text=black link=blue alink=red vlink=#660099>",
                  "<font size=+1 color=red>" + title + "</font>", "<dl>"});
}
inline std::string StyleSheetHead(const std::string& title) {
    return Lines({"<html>", "<head>",
                  R"(<link rel="stylesheet" type="text/css" href="Harvo.css" media="all" />)",
                  "<title>" + title + "</title>", "</head>", "<body>",
                  R"(<span class="hvTitle">)" + title + "</span>", "<dl>"});
}
const std::string FOOT = Lines({"</dl>", "</body>", "</html>"});

struct TestPost {
    const char* name;
    const char* mail;
    const char* dateId;
    const char* id;
    const char* body;
};
// The post of the worked examples.
constexpr TestPost ANON = {"Anon", "", "2005/01/01 ID:abc", "abc", "Hi"};

// Puts a post into the record of post number n of posts, marked as given.
inline void SetPost(PostTable& posts, int n, const TestPost& post, int mainCheck, int subCheck) {
    PostRecord& r = posts[n - 1];
    strcpy(r.name, post.name);
    strcpy(r.mail, post.mail);
    strcpy(r.dateId, post.dateId);
    strcpy(r.id, post.id);
    strcpy(r.body, post.body);
    r.mainCheck = mainCheck;
    r.subCheck = subCheck;
}

class HtmlTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        strcpy(postTable[0].title, TITLE);
    }

    void SetPost(int n, const TestPost& post, int mainCheck, int subCheck) {
        ::SetPost(postTable, n, post, mainCheck, subCheck);
    }
    std::string PagePath() const { return dir_.File("page.html"); }
    std::string Page() const { return ReadBytes(PagePath()); }
};
