// The writers of the three output modes and the ID grouping of the style-sheet
// mode. Each writer writes the posts marked in either list (records 0 to 999
// that hold a post) as one HTML page at outputPath, replacing the page there
// only once the new one is wholly written: true when written, false when not (the old
// page, if any, then stays as it was). A non-zero mailFlag shows mail fields.
#pragma once

#include "html/HtmlPage.h"
#include "html/PageOptions.h"

// Bodies of posts marked in the main list in colour (none when colour is empty).
bool WriteBodyColourHtml(const PostTable& posts, const char* outputPath, const char* colour, int mailFlag, const PageForm& form = {});
// Names of posts marked in the main list in colour; every other name green.
bool WriteNameColourHtml(const PostTable& posts, const char* outputPath, const char* colour, int mailFlag, const PageForm& form = {});
// Classes for a style sheet: the target class and the tag kind of options.
bool WriteStyleSheetHtml(const PostTable& posts, const char* outputPath, const StyleSheetOptions& options, int mailFlag,
                        const PageForm& form = {});

// Sets idGroup of records 0 to 999: when grouped, every record marked in the
// main list gets the number of its poster ID (1, 2, 3 ... in order of first
// appearance among them); every other record gets 0.
void NumberIdGroups(PostTable& posts, bool grouped);
