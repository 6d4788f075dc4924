// The style property table, page by page in tab order. Each line reads like
// the catalogue: group caption, controls, selector. Codes of the controls:
//
//   C id "literal"   colour picker button: colour handler, "color" (the
//                    Background page's buttons write "background-color"),
//                    with the literal written for the automatic colour
//   F id             "Font Family" drop-down: text handler, "font-family"
//   S edit, up-down  "Font Size" spin box: size handler on the up-down,
//                    "font-size" in "pt"
//   W id             "Font Weight" drop-down: text handler, "font-weight"
//   T id             "Font Style" drop-down: text handler, "font-style"
//   A id             "Align" drop-down: alignment handler
//   U id             "Underline" check box: underline handler
//
// The Background, Borders, Size and Contact pages use the longer codes below
// for their own controls.
#include "sections/PropertyTableData.h"

namespace sections {
namespace table_data {
namespace {

PropertyRow Control(HandlerKind kind, int id, const char* property, const char* literal = "")
{
    PropertyRow row;
    row.kind = kind;
    row.trigger = TriggerOf(kind);
    row.controlId = id;
    row.property = property;
    row.literal = literal;
    return row;
}

// An empty property: the page's colour property is filled in on expansion.
PropertyRow C(int id, const char* automaticLiteral) { return Control(HandlerKind::Color, id, "", automaticLiteral); }
PropertyRow F(int id) { return Control(HandlerKind::Text, id, "font-family"); }
PropertyRow W(int id) { return Control(HandlerKind::Text, id, "font-weight"); }
PropertyRow T(int id) { return Control(HandlerKind::Text, id, "font-style"); }
PropertyRow A(int id) { return Control(HandlerKind::Alignment, id, "text-align"); }
PropertyRow U(int id) { return Control(HandlerKind::Underline, id, "text-decoration"); }

PropertyRow SizeControl(int edit, int upDown, const char* property, const char* unit)
{
    PropertyRow row = Control(HandlerKind::Size, upDown, property, unit);
    row.edit = edit;
    return row;
}

PropertyRow S(int edit, int upDown) { return SizeControl(edit, upDown, "font-size", "pt"); }

PropertyRow Special(SpecialHandler special, int id, const char* property)
{
    PropertyRow row = Control(HandlerKind::Special, id, property);
    row.special = special;
    return row;
}

// Background page.

// A drop-down of the "Image" group, written as selected.
PropertyRow Text(int id, const char* property) { return Control(HandlerKind::Text, id, property); }

// "Transparent" takes the colour button, property and automatic literal of
// the "C" control on its line: unticking it does what that button does.
PropertyRow Transparent(int id) { return Special(SpecialHandler::Transparent, id, ""); }

PropertyRow RemoveDefaultBackground(int id, const char* property)
{
    return Special(SpecialHandler::RemoveDefaultBackground, id, property);
}

PropertyRow UseImage(int id, const char* property, int urlEdit, std::vector<int> imageControls)
{
    PropertyRow row = Special(SpecialHandler::BackgroundUseImage, id, property);
    row.refresh = Refresh::WhenCleared;
    row.edit = urlEdit;
    row.switched = std::move(imageControls);
    return row;
}

PropertyRow ApplyImage(int id, const char* property, int urlEdit)
{
    PropertyRow row = Special(SpecialHandler::BackgroundApplyImage, id, property);
    row.edit = urlEdit;
    return row;
}

// Borders page.

PropertyRow RemoveDefaultBorders(int id, const char* property, const char* cellSelector)
{
    PropertyRow row = Special(SpecialHandler::RemoveDefaultBorders, id, property);
    row.cellSelector = cellSelector;
    return row;
}

// The controls of a border group in the order Style, Color label, colour
// button, Width label, width edit, up-down. The "Content Borders" style also
// names the cell rule that keeps border-style "none" when it goes to "none".
PropertyRow Style(int style, int colorLabel, int colorButton, int widthLabel, int widthEdit, int upDown,
                  const char* cellSelector = "")
{
    PropertyRow row = Control(HandlerKind::BorderStyle, style, "border-style");
    row.label = colorLabel;
    row.button = colorButton;
    row.edit = widthEdit;
    row.switched = {colorLabel, widthLabel, colorButton, upDown, widthEdit};
    row.cellSelector = cellSelector;
    return row;
}

PropertyRow BorderColor(int id) { return Control(HandlerKind::BorderColor, id, "border-color"); }
PropertyRow BorderWidth(int edit, int upDown) { return SizeControl(edit, upDown, "border-width", "px"); }

// Size page: check box, Width label, edit, up-down and the edit's start number.
PropertyRow CustomWidth(int id, int widthLabel, int widthEdit, int upDown, const char* startNumber)
{
    PropertyRow row = Special(SpecialHandler::CustomWidth, id, "width");
    row.refresh = Refresh::WhenCleared;
    row.literal = startNumber;
    row.edit = widthEdit;
    row.switched = {widthLabel, upDown, widthEdit};
    return row;
}

PropertyRow Width(int edit, int upDown) { return SizeControl(edit, upDown, "width", "px"); }

// Contact page: check box, "Image URL" label, URL edit, "Apply Image".
PropertyRow ContactUseImage(int id, int urlLabel, int urlEdit, int applyButton)
{
    PropertyRow row = Special(SpecialHandler::ContactUseImage, id, "");
    row.refresh = Refresh::WhenCleared;
    row.edit = urlEdit;
    row.switched = {urlLabel, urlEdit, applyButton};
    return row;
}

PropertyRow ContactApplyImage(int id, const char* property, int urlEdit)
{
    PropertyRow row = Special(SpecialHandler::ContactApplyImage, id, property);
    row.edit = urlEdit;
    return row;
}

// An empty caption: more controls of the group on the line before.
Line Group(const char* caption, std::vector<PropertyRow> controls, const char* selector)
{
    return Line{{caption}, std::move(controls), selector, "", false};
}

// A control outside any group box.
Line NoGroup(std::vector<PropertyRow> controls, const char* selector)
{
    return Line{{""}, std::move(controls), selector, "", true};
}

Line LinkStates(std::vector<std::string> captions, std::vector<PropertyRow> controls, const char* linkGroup)
{
    return Line{std::move(captions), std::move(controls), "", linkGroup, false};
}

std::vector<PageLines> MakePageTables()
{
    std::vector<PageLines> pages;

    pages.push_back({SectionPageId::Background, "background-color", {
        Group("Background Color", {C(1002, "rgb(229, 229, 229)")},
              "body{"),
        Group("Content Color", {C(1012, "none"), Transparent(1557)},
              "table table table td{"),
        NoGroup({RemoveDefaultBackground(1556, "background-color")},
              "body, table, td{"),
        Group("Image", {UseImage(1555, "background-image", 1007,
                                 {1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1063}),
                        ApplyImage(1063, "background-image", 1007),
                        Text(1008, "background-position"), Text(1009, "background-repeat"),
                        Text(1010, "background-attachment")},
              "body{"),
    }});

    pages.push_back({SectionPageId::Borders, "color", {
        NoGroup({RemoveDefaultBorders(1557, "border-style", "table table table td{")},
              "table table table{"),
        Group("Content Borders", {Style(1563, 1559, 1564, 1560, 1579, 1580, "table table table td{"),
                                  BorderColor(1564), BorderWidth(1579, 1580)},
              "table table table{"),
        Group("Navbar Border", {Style(1567, 1571, 1570, 1568, 1581, 1582),
                                BorderColor(1570), BorderWidth(1581, 1582)},
              "div table tr td table tr td{"),
        Group("Top Border", {Style(1574, 1578, 1577, 1575, 1583, 1584),
                             BorderColor(1577), BorderWidth(1583, 1584)},
              "div table form tr td{"),
    }});

    pages.push_back({SectionPageId::Size, "color", {
        Group("Top", {CustomWidth(1658, 1645, 1646, 1647, "800"), Width(1646, 1647)},
              "div table{"),
        Group("Content", {CustomWidth(1660, 1652, 1653, 1654, "435"), Width(1653, 1654)},
              "table table table{"),
    }});

    pages.push_back({SectionPageId::TopOfPage, "color", {
        Group("Topmost Text", {C(1034, "rgb(255, 255, 255)")},
              "div table form tr td font, div table form tr td table tr td font{"),
        Group("", {F(1036), S(1630, 1629), W(1053), T(1040)},
              "div table form tr td font, div table form tr td a.navbar, div table form tr td table tr td a.man, "
              "div table form tr td table tr td font{"),
        Group("", {A(1041)},
              "div table form tr td{"),
        Group("Links", {C(1043, "rgb(255, 255, 255)"), U(1078)},
              "div table form tr td a.navbar:link font, div table form tr td table tr td a.man:link font{"),
        LinkStates({"Links Visited", "Links Hover", "Links Active"},
                   {C(1045, "rgb(255, 255, 255)"), C(1047, "rgb(4, 12, 92)"), C(1049, "rgb(255, 255, 255)"),
                    U(1080), U(1082), U(1084)},
                   "Links"),
    }});

    pages.push_back({SectionPageId::Navbar, "color", {
        Group("Navbar Links", {C(1046, "rgb(255, 255, 255)"), U(1092)},
              "div table tr td table tr td font a.navbar:link{"),
        Group("", {F(1048), S(1626, 1625), W(1059), T(1042)},
              "div table tr td table tr td font a.navbar{"),
        LinkStates({"Links Visited", "Links Hover", "Links Active"},
                   {C(1066, "rgb(255, 255, 255)"), C(1052, "rgb(4, 12, 92)"), C(1054, "rgb(255, 255, 255)"),
                    U(1086), U(1088), U(1090)},
                   "Navbar Links"),
        Group("Navbar Dividers", {C(1056, "rgb(0, 0, 0)"), F(1057), S(1628, 1627), W(1061), T(1044)},
              "div table tr td table tr td font{"),
    }});

    pages.push_back({SectionPageId::NameInfo, "color", {
        Group("Name Text", {C(1072, "rgb(0, 0, 0)"), F(1073), S(1620, 1619), W(1075), T(1076), A(1665)},
              ".nametext{"),
        Group("Basic Info", {C(1077, "rgb(0, 0, 0)"), F(1081), S(1622, 1621), W(1095), T(1093), A(1667)},
              "table tr td table tr td table tr td .text{"),
        Group("Pics Videos Links", {C(1112, "rgb(0, 51, 153)"), U(1110)},
              "table tr td table tr td table tr td a:link{"),
        Group("", {F(1114), S(1624, 1623), W(1127), T(1123)},
              "table tr td table tr td table tr td a{"),
        LinkStates({"Links Visited", "Links Hover", "Links Active"},
                   {C(1098, "rgb(0, 51, 153)"), C(1106, "rgb(204, 0, 0)"), C(1109, "rgb(0, 51, 153)"),
                    U(1099), U(1100), U(1101)},
                   "Pics Videos Links"),
    }});

    pages.push_back({SectionPageId::Contact, "color", {
        Group("Heading", {C(1120, "rgb(255, 255, 255)"), F(1124), S(1590, 1589), W(1130), T(1132), A(1673)},
              "table tr td table .contactTable tr td .whitetext12{"),
        // "Use Image" writes the five contact image rules (PropertyHandlers.cpp).
        Group("Image", {ContactUseImage(1550, 1552, 1553, 1554),
                        ContactApplyImage(1554, "background-image", 1553)},
              ".contactTable{"),
    }});

    pages.push_back({SectionPageId::MySpaceUrl, "color", {
        Group("MySpace URL", {C(1136, "rgb(0, 0, 0)"), F(1138), S(1640, 1639), W(1142), T(1144), A(1669)},
              "table tr td table tr td table tr td table tr td div strong{"),
        Group("Address", {C(1145, "rgb(0, 0, 0)"), F(1147), S(1642, 1641), W(1156), T(1154), A(1671)},
              "table tr td table tr td table tr td div{"),
    }});

    pages.push_back({SectionPageId::Profile, "color", {
        Group("Headings", {C(1159, "rgb(255, 255, 255)"), F(1160), S(1632, 1631), W(1165), T(1167), A(1675)},
              "table tr td table tr td .text .whitetext12{"),
        Group("Subheadings", {C(1170, "rgb(51,102,153)"), F(1172), S(1634, 1633), W(1176), T(1178), A(1677)},
              "table tr td table tr td table tr td .lightbluetext8{"),
        Group("Interests Links", {C(1181, "rgb(0, 0, 0)"), U(1190)},
              "table tr td table tr td table tr td a.searchlinkSmall:link{"),
        Group("", {F(1183), S(1636, 1635), W(1187), T(1189)},
              "table tr td table tr td table tr td a.searchlinkSmall{"),
        LinkStates({"Links Visited", "Links Hover", "Links Active"},
                   {C(1193, "rgb(0, 0, 0)"), C(1197, "rgb(255, 0, 0)"), C(1201, "rgb(255, 0, 0)"),
                    U(1194), U(1198), U(1202)},
                   "Interests Links"),
        Group("Text", {C(1203, "rgb(0, 0, 0)"), F(1205), S(1638, 1637), W(1213), T(1211)},
              "table tr td table tr td table tr td{"),
    }});

    pages.push_back({SectionPageId::ExtendedNetwork, "color", {
        Group("Extended Network text",
              {C(1217, "rgb(0, 0, 0)"), F(1219), S(1594, 1593), W(1223), T(1225), A(1681)},
              "table tr td.text table tr td .blacktext12{"),
    }});

    pages.push_back({SectionPageId::Blog, "color", {
        Group("Latest Entry", {C(1228, "rgb(0, 0, 0)"), F(1230), S(1577, 1578), W(1234), T(1236)},
              "table tr td.text table tr td .btext{"),
        Group("Entries", {C(1239, "rgb(0, 0, 0)"), F(1241), S(1579, 1580), W(1245), T(1247)},
              "table tr td.text table tr td{"),
        Group("Links", {C(1250, "rgb(0, 51, 153)"), U(1259)},
              "table tr td.text table tr td a:link{"),
        Group("", {F(1252), S(1581, 1582), W(1256), T(1258)},
              "table tr td.text table tr td a{"),
        LinkStates({"Links Visited", "Links Hover", "Links Active"},
                   {C(1262, "rgb(0, 51, 153)"), C(1266, "rgb(204, 0, 0)"), C(1270, "rgb(0, 51, 153)"),
                    U(1263), U(1267), U(1271)},
                   "Links"),
    }});

    pages.push_back({SectionPageId::Blurb, "color", {
        Group("Heading", {C(1274, "rgb(255, 102, 0)"), F(1276), S(1580, 1579), W(1280), T(1282), A(1683)},
              "table tr td.text table tr td.text .orangetext15{"),
        Group("Subheadings", {C(1285, "rgb(255, 102, 0)"), F(1287), S(1582, 1581), W(1291), T(1293), A(1685)},
              "table tr td.text table tr td table tr td .orangetext15{"),
        Group("Text", {C(1296, "rgb(0, 0, 0)"), F(1298), S(1584, 1583), W(1302), T(1304)},
              "table tr td.text table tr td table tr td{"),
    }});

    pages.push_back({SectionPageId::FriendSpace, "color", {
        Group("Heading", {C(1307, "rgb(255, 102, 0)"), F(1309), S(1610, 1609), W(1313), T(1315), A(1687)},
              "table tr td.text table tr td.text table tr td .orangetext15{"),
        Group("Text", {C(1318, "rgb(0, 0, 0)"), F(1320), S(1612, 1611), W(1324), T(1326)},
              "table tr td.text table tr td.text table tr td .btext{"),
        Group("Text Number", {C(1329, "rgb(204, 0, 0)"), F(1331), S(1614, 1613), W(1335), T(1337)},
              "table tr td.text table tr td.text table tr td .btext .redbtext{"),
        Group("Name Links", {C(1340, "rgb(0, 51, 153)"), U(1349)},
              "table tr td.text table tr td.text table tr td table tr td table tr td a:link{"),
        Group("", {F(1342), S(1616, 1615), W(1346), T(1348)},
              "table tr td.text table tr td.text table tr td table tr td table tr td a{"),
        LinkStates({"Name Links Visited", "Name Links Hover", "Name Links Active"},
                   {C(1352, "rgb(0, 51, 153)"), C(1356, "rgb(204, 0, 0)"), C(1360, "rgb(0, 51, 153)"),
                    U(1353), U(1357), U(1361)},
                   "Name Links"),
        Group("View All Link", {C(1364, "rgb(204, 0, 0)"), U(1373)},
              "table tr td.text table tr td.text table tr td a.redlink:link{"),
        Group("", {F(1366), S(1618, 1617), W(1370), T(1372)},
              "table tr td.text table tr td.text table tr td a.redlink{"),
        LinkStates({"View All Link Visited", "View All Link Hover", "View All Link Active"},
                   {C(1376, "rgb(204, 0, 0)"), C(1380, "rgb(204, 0, 0)"), C(1384, "rgb(204, 0, 0)"),
                    U(1377), U(1381), U(1385)},
                   "View All Link"),
    }});

    pages.push_back({SectionPageId::FriendsComments, "color", {
        Group("Text", {C(1389, "rgb(0, 0, 0)"), F(1391), S(1596, 1595), W(1395), T(1397)},
              "table tr td.text table tr td.text table tr td b{"),
        Group("Text Number", {C(1400, "rgb(204, 0, 0)"), F(1402), S(1598, 1597), W(1502), T(1407)},
              "table tr td.text table tr td.text table tr td b .redtext{"),
        Group("View/Add Links", {C(1410, "rgb(0, 51, 153)"), U(1419)},
              "table tr td.text table tr td.text table tr td b a:link{"),
        Group("", {F(1412), S(1600, 1599), W(1416), T(1418)},
              "table tr td.text table tr td.text table tr td b a{"),
        LinkStates({"View/Add Links Visited", "View/Add Links Hover", "View/Add Links Active"},
                   {C(1422, "rgb(0, 51, 153)"), C(1426, "rgb(204, 0, 0)"), C(1430, "rgb(0, 51, 153)"),
                    U(1423), U(1427), U(1431)},
                   "View/Add Links"),
        Group("Name Links", {C(1434, "rgb(0, 51, 153)"), U(1443)},
              "table tr td.text table tr td.text table tr td table tr td a:link{"),
        Group("", {F(1436), S(1602, 1601), W(1440), T(1442)},
              "table tr td.text table tr td.text table tr td table tr td a{"),
        LinkStates({"Name Links Visited", "Name Links Hover", "Name Links Active"},
                   {C(1446, "rgb(0, 51, 153)"), C(1450, "rgb(204, 0, 0)"), C(1454, "rgb(0, 51, 153)"),
                    U(1447), U(1451), U(1455)},
                   "Name Links"),
        Group("Date/Time", {C(1458, "rgb(0, 0, 0)"), F(1460), S(1604, 1603), W(1464), T(1466)},
              "table tr td.text table tr td.text table tr td table tr td .blacktext10{"),
        Group("Comments", {C(1469, "rgb(0, 0, 0)"), F(1471), S(1606, 1605), W(1475), T(1477)},
              "table tr td.text table tr td.text table tr td table tr td{"),
        Group("Add Comment Link", {C(1480, "rgb(0, 51, 153)"), U(1489)},
              "table tr td.text table tr td.text table tr td a:link{"),
        Group("", {F(1482), S(1608, 1607), W(1486), T(1488)},
              "table tr td.text table tr td.text table tr td a{"),
        LinkStates({"Add Comment Link Visited", "Add Comment Link Hover", "Add Comment Link Active"},
                   {C(1492, "rgb(0, 51, 153)"), C(1496, "rgb(204, 0, 0)"), C(1500, "rgb(0, 51, 153)"),
                    U(1493), U(1497), U(1501)},
                   "Add Comment Link"),
    }});

    // No "Underline" boxes on this page.
    pages.push_back({SectionPageId::BottomNavbar, "color", {
        Group("Bottom Navbar Links", {C(1505, "rgb(0, 51, 153)")},
              "table tr td div div a:link{"),
        Group("", {F(1507), S(1586, 1585), W(1511), T(1513)},
              "table tr td div div a.text{"),
        LinkStates({"Links Visited", "Links Hover", "Links Active"},
                   {C(1517, "rgb(0, 51, 153)"), C(1521, "rgb(204, 0, 0)"), C(1525, "rgb(0, 51, 153)")},
                   "Bottom Navbar Links"),
        Group("Navbar Dividers", {C(1529, "rgb(0, 0, 0)"), F(1531), S(1588, 1587), W(1535), T(1537)},
              "table tr td div div{"),
    }});

    pages.push_back({SectionPageId::Copyright, "color", {
        Group("Copyright", {C(1540, "rgb(0, 0, 0)"), F(1542), S(1643, 1591), W(1546), T(1548)},
              "table tr td div font{"),
    }});

    return pages;
}

} // namespace

const std::vector<PageLines>& PageTables()
{
    static const std::vector<PageLines> pages = MakePageTables();
    return pages;
}

} // namespace table_data
} // namespace sections
