// The profile cases the native profile tests and the comparison with the
// system's profile functions under Wine both read: the bytes of a section
// written every way a user might, and the lookups into it.
#pragma once

#include <string>

// Ends without a line end; each reader adds what it needs around it.
const std::string PROFILE_SECTIONS =
    "  [ Sec ]  trailing\r\n"
    "  Key1  =   spaced value   \r\n"
    "NaMe1=val1\r\nkey7=a=b\r\ndup=first\r\ndup=second\r\nkey5=\r\nkey6\r\n"
    "key2=\"quoted\"\r\nkey3='single'\r\nkey4=\"unbalanced\r\nmixed=\"x'\r\n"
    "key8=val ; not a comment\r\n;key9=commented\r\nc\t=\tTAB\t\x1A\r\n"
    "sjis=表ソゾ\r\nア=katakana a\r\n"
    "[broken\r\n[ゾ\r\nafter=still in Sec\r\n"
    "[two words]\nlf=only\n"
    "[CR]\rcr=only\r"
    "[sec]\r\nz=second copy of Sec";

struct ProfileLookup {
    const char* section;
    const char* key;
    const char* expected;  // null: not found
};
const ProfileLookup PROFILE_LOOKUPS[] = {
    {"Sec", "key1", "spaced value"}, {"Sec", "key7", "a=b"}, {"Sec", "dup", "first"}, {"Sec", "key5", ""},
    {"Sec", "key6", nullptr}, {"Sec", "key2", "quoted"}, {"Sec", "key3", "single"},
    {"Sec", "key4", "\"unbalanced"}, {"Sec", "key8", "val ; not a comment"}, {"Sec", "key9", nullptr},
    {"Sec", ";key9", "commented"}, {"Sec", "c", "TAB"}, {"Sec", "sjis", "表ソゾ"}, {"Sec", "ア", "katakana a"},
    {"Sec", "ヂ", nullptr},  // trail bytes 0x41 and 0x61 are not letters
    {"Sec", "after", "still in Sec"}, {"\x83", "after", nullptr}, {"Sec", "z", nullptr},
    {"two words", "LF", "only"}, {"cr", "cr", "only"},
};
