// Web addresses in a post's body made links, and addresses of pictures
// shown as pictures. Boards write addresses as plain text, often without the
// leading "h" ("ttp://") so that they are not linked: the link gets it back,
// the text stays as written.
#pragma once

#include <string>
#include <string_view>

// Appends body to out with each address outside markup made a link: an
// address starts with http://, https://, ttp://, ttps://, tp:// or tps:// (not
// right after an ASCII letter or digit, so "ftp://" stays text), runs over
// the bytes of a URL up to an escaped "<", ">" or '"', and has at least one
// byte after "//". One whose path ends in .jpg, .jpeg, .png, .gif or .webp
// becomes a picture inside its link. Tags and whole anchors are left as they are.
void AppendWithAddressLinks(std::string_view body, std::string& out);
