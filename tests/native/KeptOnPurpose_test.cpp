// Behaviours that look like faults and are kept on purpose: pages and style
// files already written, or the property handlers, rely on them. Each entry
// names what it keeps and why; a change to any of them is a change of what
// the program writes, never a fix by the way.
#include "sections/PropertyHandlers.h"
#include "sections/PropertyTable.h"
#include "style/FileText.h"
#include "style/StyleDocument.h"
#include "style/StyleFile.h"
#include "tests/native/FakePage.h"
#include "tests/native/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace sections;
using testing_support::FakePage;
using testing_support::ReadFileOrMissing;
using testing_support::SmallPage;
using testing_support::WorkingFolder;
using testing_support::WriteFileOrFail;

namespace {

const std::string kMarker = StyleFile::kMarkerComment;
const std::string kEnd = StyleFile::kBlockEnd;
const std::string kBlock = kMarker + "\r\n<style type=\"text/css\">\r\nbody{\r\n\tcolor: red;\r\n}\r\n" + kEnd;
// A page in the working page's shape around a style block written whole.
std::string Around(const std::string& block)
{
    return "<html>\r\n<style type=\"text/css\">\r\nbody{\r\n}\r\n</style>\r\n\r\n\r\n" + block +
           "\r\n<body>\r\n</body>\r\n</html>\r\n";
}

// The working page after an edit of the given page.
std::string After(const WorkingFolder& folder, const std::string& before, const std::function<void()>& edit)
{
    folder.SetPage(before);
    edit();
    return folder.Page();
}

// Loads a style file of the given text into the working page.
StyleFile::Outcome Load(const WorkingFolder& folder, const std::string& text)
{
    const std::string file = JoinPath(folder.Path(), "kept.css");
    WriteFileOrFail(file, text);
    return StyleFile::LoadStyleFileIntoPage(file);
}

// Runs a check box's handler with the box ticked.
void Tick(SectionPageId page, int id)
{
    FakePage controls;
    controls.checked.insert(id);
    RunPropertyHandler(*RouteCommand(page, id, 0), controls);
}

struct Kept {
    const char* keeps;
    const char* why;
    std::function<void(const WorkingFolder&)> check;
};

const Kept kKept[] = {
    {"a declaration key is a prefix match, and only the first matching line of the block goes",
     "setting \"border\" has always removed a \"border-style\" line first; pages written so stay as they were",
     [](const WorkingFolder& f) {
         EXPECT_EQ(After(f, SmallPage("td{\r\n\tborder-style: solid;\r\n\tborder: none;\r\n\tborder: 1px;\r\n}\r\n"),
                         [] { StyleDocument::SetProperty("td{", "border", "2px"); }),
                   SmallPage("td{\r\n\tborder: none;\r\n\tborder: 1px;\r\n\tborder: 2px;\r\n}\r\n"));
     }},
    {"a selector is found by plain substring search from the marker word",
     "a selector first found inside a longer one edits that block; the default block orders shorter ones first",
     [](const WorkingFolder& f) {
         EXPECT_EQ(After(f, SmallPage("table table table{\r\n}\r\ntable table{\r\n}\r\n"),
                         [] { StyleDocument::SetProperty("table table{", "left", "0px"); }),
                   SmallPage("table table table{\r\n\tleft: 0px;\r\n}\r\ntable table{\r\n}\r\n"));
     }},
    {"GetPropertyValue leaves a TAB in front of the caller's property text when the selector is found",
     "the border handlers pass that text on, so their lines begin with two TABs in pages already written",
     [](const WorkingFolder& f) {
         const std::string blocks = "a{\r\n\tcolor: rgb(0, 0, 0);\r\n}\r\nb{\r\n\twidth: 1px;\r\n}\r\n";
         const std::string page = After(f, SmallPage(blocks), [] {
             std::string property = "color";
             EXPECT_EQ(StyleDocument::GetPropertyValue("a{", property), "rgb(0, 0, 0)");
             EXPECT_EQ(property, "\tcolor");
             std::string later = "width";
             EXPECT_EQ(StyleDocument::GetPropertyValue("a{", later), "") << "in a later block";
             EXPECT_EQ(later, "\twidth");
             std::string missing = "width";
             EXPECT_EQ(StyleDocument::GetPropertyValue("missing{", missing), "");
             EXPECT_EQ(missing, "width") << "untouched when the selector is missing";
             StyleDocument::SetProperty("a{", property, "blue");
         });
         EXPECT_EQ(page, SmallPage("a{\r\n\tcolor: rgb(0, 0, 0);\r\n\t\tcolor: blue;\r\n}\r\nb{\r\n\twidth: 1px;\r\n}\r\n"));
         EXPECT_EQ(After(f, SmallPage("table table table{\r\n}\r\ntable table table td{\r\n}\r\n"),
                         [] { Tick(SectionPageId::Borders, 1557); }),
                   SmallPage("table table table{\r\n\t\tborder-style: none;\r\n}\r\n"
                             "table table table td{\r\n\t\tborder-style: none;\r\n}\r\n"))
             << "Remove default borders";
     }},
    {"without the marker word, edits put a new block at the very start and the style code is the first 8 bytes",
     "the plain search rules of the operations, which every stored page has been edited by",
     [](const WorkingFolder& f) {
         EXPECT_EQ(After(f, "<html>\r\n</style>\r\n",
                         [] {
                             StyleDocument::SetProperty("a{", "color", "red");
                             StyleDocument::RemoveRule("a{");
                         }),
                   "a{\r\n\tcolor: red;\r\n}\r\n<html>\r\n</style>\r\n");
         f.SetPage("no marker here");
         EXPECT_EQ(StyleDocument::GetStyleCode(), "no marke");
     }},
    {"a block without \"}\" CR LF puts the new line at the page's start; a line without \";\" CR LF stays",
     "the same search rules: the end of the block or of the line is -1, and nothing is cut",
     [](const WorkingFolder& f) {
         EXPECT_EQ(After(f, SmallPage("a{\r\n\tcolor: red;\r\n"),
                         [] { StyleDocument::SetProperty("a{", "color", "blue"); }),
                   "\tcolor: blue;\r\n" + SmallPage("a{\r\n\tcolor: red;\r\n"));
         EXPECT_EQ(After(f, SmallPage("a{\r\n\tcolor: red\r\n}\r\n"),
                         [] { StyleDocument::SetProperty("a{", "color", "blue"); }),
                   SmallPage("a{\r\n\tcolor: red\r\n\tcolor: blue;\r\n}\r\n"));
     }},
    {"the style file loader accepts text before the marker and puts it into the page; a save starts at the marker",
     "style files only have to hold the marker comment; files with a note in front have always loaded",
     [](const WorkingFolder& f) {
         const std::string other = kMarker + "\r\n<style type=\"text/css\">\r\ntd{\r\n}\r\n" + kEnd;
         EXPECT_EQ(After(f, Around(kBlock), [&] { EXPECT_EQ(Load(f, "note\r\n" + other), StyleFile::Outcome::Done); }),
                   Around("note\r\n" + other));
         const std::string file = JoinPath(f.Path(), "again.css");
         ASSERT_EQ(StyleFile::WriteStyleFileFromPage(file), StyleFile::Outcome::Done);
         EXPECT_EQ(ReadFileOrMissing(file), other);
     }},
    {"a style block ends at the first \"</style>\" CR LF after the marker, wherever it lies",
     "a file without its closing line takes in the page up to the next one, and the next load replaces all of it",
     [](const WorkingFolder& f) {
         const std::string open = kMarker + "\r\n<style type=\"text/css\">\r\np{\r\n}\r\n";
         const std::string later = "<div>\r\n</style>\r\n";
         EXPECT_EQ(After(f, Around(kBlock + "<p>\r\n" + later), [&] { Load(f, open); }),
                   Around(open + "<p>\r\n" + later));
         EXPECT_EQ(After(f, f.Page(), [&] { Load(f, kBlock); }), Around(kBlock));
         // With no closing line at all nothing is removed: the text goes in front.
         EXPECT_EQ(After(f, Around(open), [&] { Load(f, kBlock); }), Around(kBlock + open));
     }},
    {"the contact image rules write \"300 px\" and \"150 px\", a blank before the unit",
     "the rules as the program has always written them into pages and style files",
     [](const WorkingFolder& f) {
         f.SetPage(SmallPage(""));
         Tick(SectionPageId::Contact, 1550);
         EXPECT_NE(f.Page().find("\twidth: 300 px !important;\r\n\theight: 150 px !important;\r\n"), std::string::npos);
     }},
};

} // namespace

TEST(KeptOnPurpose, EveryOddBehaviourStaysAsItWas)
{
    for (const Kept& kept : kKept) {
        SCOPED_TRACE(std::string(kept.keeps) + " (" + kept.why + ")");
        WorkingFolder folder("glimmer-kept");
        kept.check(folder);
    }
}
