// The style document's edit and read operations on small hand-made pages
// (its odd but kept behaviours are in KeptOnPurpose_test.cpp).
#include "style/FileText.h"
#include "style/StyleDocument.h"
#include "tests/native/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::WorkingFolder;

namespace {

// A page in the working page's shape: another style sheet before the marker
// (which must never be touched), then the style block, then more markup.
const std::string kHead =
    "<html>\r\n<style type=\"text/css\">\r\nbody{\r\n\tcolor: red;\r\n}\r\n</style>\r\n\r\n"
    "<!-- Glimmerpatch -->\r\n<style type=\"text/css\">\r\n";
const std::string kTail = "</style>\r\n\r\n<body>\r\n</body>\r\n";

std::string Page(const std::string& blocks)
{
    return kHead + blocks + kTail;
}

} // namespace

TEST(StyleDocumentSetProperty, ReplacesOnlyTheExactKeyAndAppendsAtBlockEnd)
{
    WorkingFolder folder;
    folder.SetPage(Page("body{\r\n\tcolor: rgb(1, 1, 1);\r\n\tbackground-color: rgb(2, 2, 2);\r\n}\r\n"));
    StyleDocument::SetProperty("body{", "color", "rgb(0, 0, 0)");
    EXPECT_EQ(folder.Page(),
              Page("body{\r\n\tbackground-color: rgb(2, 2, 2);\r\n\tcolor: rgb(0, 0, 0);\r\n}\r\n"));
    // Setting it again keeps exactly one line, still the last of the block.
    StyleDocument::SetProperty("body{", "color", "rgb(9, 9, 9)");
    EXPECT_EQ(folder.Page(),
              Page("body{\r\n\tbackground-color: rgb(2, 2, 2);\r\n\tcolor: rgb(9, 9, 9);\r\n}\r\n"));
}

TEST(StyleDocumentSetProperty, LeavesLaterBlocksAndTheSheetBeforeTheMarkerAlone)
{
    WorkingFolder folder;
    folder.SetPage(Page("table table{\r\n}\r\ntable table table{\r\n\twidth: auto;\r\n}\r\n"));
    StyleDocument::SetProperty("table table{", "width", "10px");
    StyleDocument::SetProperty("body{", "color", "blue");
    EXPECT_EQ(folder.Page(), Page("table table{\r\n\twidth: 10px;\r\n}\r\ntable table table{\r\n\twidth: auto;\r\n}\r\n"
                                  "body{\r\n\tcolor: blue;\r\n}\r\n"));
}

TEST(StyleDocumentSetProperties, EditsInListOrderOrAppendsOneBlock)
{
    WorkingFolder folder;
    folder.SetPage(Page("a{\r\n\theight: 1px;\r\n\tpadding: 3px;\r\n}\r\n"));
    const unsigned long before = WholeFileWriteCount();
    StyleDocument::SetProperties("a{", {"width", "height", "padding"}, {"115px", "28px", "0px"});
    StyleDocument::SetProperties("b{", {"width", "height"}, {"115px", "28px"});
    StyleDocument::SetProperties("c{", {}, {});
    EXPECT_EQ(WholeFileWriteCount() - before, 3u);
    EXPECT_EQ(folder.Page(), Page("a{\r\n\twidth: 115px;\r\n\theight: 28px;\r\n\tpadding: 0px;\r\n}\r\n"
                                  "b{\r\n\twidth: 115px;\r\n\theight: 28px;\r\n}\r\n"
                                  "c{\r\n}\r\n"));
}

TEST(StyleDocumentRemove, RuleAndPropertiesWriteOnlyWhenSomethingGoes)
{
    WorkingFolder folder;
    const std::string blocks = "a{\r\n\tcolor: red;\r\n\twidth: 1px;\r\n\tborder-style: solid;\r\n}\r\n\r\nb{\r\n}\r\n";
    folder.SetPage(Page(blocks));
    unsigned long before = WholeFileWriteCount();
    StyleDocument::RemoveRule("missing{");
    StyleDocument::RemoveProperty("a{", "height");
    StyleDocument::RemoveProperty("missing{", "color");
    StyleDocument::RemoveProperties("b{", {"color", "width"});
    EXPECT_EQ(WholeFileWriteCount(), before);
    EXPECT_EQ(folder.Page(), Page(blocks));

    // Two of three present: two writes, one per declaration removed.
    StyleDocument::RemoveProperties("a{", {"color", "height", "border"});
    EXPECT_EQ(WholeFileWriteCount() - before, 2u);
    EXPECT_EQ(folder.Page(), Page("a{\r\n\twidth: 1px;\r\n}\r\n\r\nb{\r\n}\r\n"));

    // A property of a later block is out of reach of an earlier selector.
    StyleDocument::RemoveProperty("b{", "width");
    EXPECT_EQ(folder.Page(), Page("a{\r\n\twidth: 1px;\r\n}\r\n\r\nb{\r\n}\r\n"));

    StyleDocument::RemoveRule("a{");
    EXPECT_EQ(folder.Page(), Page("\r\nb{\r\n}\r\n"));
}

TEST(StyleDocumentGetStyleCode, SpansStyleTagToClosingTagWithoutMarker)
{
    WorkingFolder folder;
    folder.SetPage(Page("a{\r\n}\r\n"));
    EXPECT_EQ(StyleDocument::GetStyleCode(), "<style type=\"text/css\">\r\na{\r\n}\r\n</style>");
}

TEST(StyleDocumentUnreadablePage, ChangesNothingAndCreatesNothing)
{
    WorkingFolder folder;
    const unsigned long before = WholeFileWriteCount();
    StyleDocument::SetProperty("body{", "color", "red");
    StyleDocument::SetProperties("body{", {"color"}, {"red"});
    StyleDocument::RemoveRule("body{");
    StyleDocument::RemoveProperties("body{", {"color"});
    std::string property = "color";
    EXPECT_EQ(StyleDocument::GetPropertyValue("body{", property), "");
    EXPECT_EQ(property, "color");
    EXPECT_EQ(StyleDocument::GetStyleCode(), "");
    EXPECT_EQ(WholeFileWriteCount(), before);
    EXPECT_EQ(folder.Page(), "<missing>") << "no half page may be created";
}
