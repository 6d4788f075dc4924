// The sixteen section pages as data, in tab order: title, dialog template,
// template size, and the groups from left to right with their x and width,
// control ids and initial values. Each line reads like the catalogue tables:
//
//   Font(caption, x, width, colour, family, size edit, up-down, weight, style,
//        align, underline, default colour, family, size, weight)
//   LinkState(caption, x, width, colour, underline, default colour, ticked)
//
// 0 stands for a control the group does not have. The Background, Borders,
// Size and Contact pages have groups of their own kinds below. How a kind of
// group lays out its controls is in SectionCatalogue.cpp.
#include "sections/SectionCatalogue.h"

namespace sections {
namespace {

constexpr ColorValue Rgb(int red, int green, int blue)
{
    return static_cast<ColorValue>(red) | (static_cast<ColorValue>(green) << 8) |
           (static_cast<ColorValue>(blue) << 16);
}

constexpr ColorValue kWhite = Rgb(255, 255, 255);

CatalogueGroup Group(GroupKind kind, const char* caption, int x, int width)
{
    CatalogueGroup group;
    group.kind = kind;
    group.caption = caption;
    group.x = x;
    group.width = width;
    return group;
}

CatalogueGroup Font(const char* caption, int x, int width, int color, int family, int sizeEdit, int upDown,
                    int weight, int fontStyle, int align, int underline, ColorValue defaultColor,
                    const char* initialFamily, const char* initialSize, const char* initialWeight)
{
    CatalogueGroup group = Group(GroupKind::Font, caption, x, width);
    group.ids.color = color;
    group.ids.family = family;
    group.ids.sizeEdit = sizeEdit;
    group.ids.upDown = upDown;
    group.ids.weight = weight;
    group.ids.fontStyle = fontStyle;
    group.ids.align = align;
    group.ids.check = underline;
    group.defaultColor = defaultColor;
    group.family = initialFamily;
    group.size = initialSize;
    group.weight = initialWeight;
    return group;
}

// A font group with a "NOTE:" label under its family drop-down.
CatalogueGroup WithNote(CatalogueGroup group, const char* note, int width)
{
    group.note = note;
    group.noteWidth = width;
    return group;
}

CatalogueGroup LinkState(const char* caption, int x, int width, int color, int underline, ColorValue defaultColor,
                         bool ticked)
{
    CatalogueGroup group = Group(GroupKind::LinkState, caption, x, width);
    group.ids.color = color;
    group.ids.check = underline;
    group.defaultColor = defaultColor;
    group.underlineTicked = ticked;
    return group;
}

constexpr bool kClear = false;
constexpr bool kTicked = true;

// Background page: a colour button and, for "Content Color", "Transparent".
CatalogueGroup ColorGroup(const char* caption, int x, int width, int color, int transparent, ColorValue defaultColor)
{
    CatalogueGroup group = Group(GroupKind::Color, caption, x, width);
    group.ids.color = color;
    group.ids.check = transparent;
    group.defaultColor = defaultColor;
    return group;
}

// A check box outside any group box; its text is the caption.
CatalogueGroup StandAloneCheckBox(const char* text, int x, int y, int width, int id)
{
    CatalogueGroup group = Group(GroupKind::CheckBox, text, x, width);
    group.y = y;
    group.ids.check = id;
    return group;
}

CatalogueGroup ContactImage(const char* caption, int x, int width, int useImage, int urlLabel, int urlEdit, int apply)
{
    CatalogueGroup group = Group(GroupKind::Image, caption, x, width);
    group.ids.check = useImage;
    group.ids.urlLabel = urlLabel;
    group.ids.urlEdit = urlEdit;
    group.ids.apply = apply;
    return group;
}

// Background page: the contact layout plus labelled position, repeat and
// attachment drop-downs.
CatalogueGroup BackgroundImage(const char* caption, int x, int width, int useImage, int urlLabel, int urlEdit,
                               int apply, int positionLabel, int position, int repeatLabel, int repeat,
                               int attachmentLabel, int attachment)
{
    CatalogueGroup group = ContactImage(caption, x, width, useImage, urlLabel, urlEdit, apply);
    group.ids.positionLabel = positionLabel;
    group.ids.position = position;
    group.ids.repeatLabel = repeatLabel;
    group.ids.repeat = repeat;
    group.ids.attachmentLabel = attachmentLabel;
    group.ids.attachment = attachment;
    return group;
}

// Borders page: Style label and drop-down, Color label and button, Width
// label, edit and up-down.
CatalogueGroup Border(const char* caption, int x, int width, int styleLabel, int style, int colorLabel, int color,
                      int widthLabel, int widthEdit, int upDown)
{
    CatalogueGroup group = Group(GroupKind::Border, caption, x, width);
    group.ids.styleLabel = styleLabel;
    group.ids.styleList = style;
    group.ids.colorLabel = colorLabel;
    group.ids.color = color;
    group.ids.widthLabel = widthLabel;
    group.ids.sizeEdit = widthEdit;
    group.ids.upDown = upDown;
    group.defaultColor = kWhite;
    return group;
}

// Size page: "Custom Width", then the Width label, edit and up-down.
CatalogueGroup Width(const char* caption, int x, int width, int customWidth, int widthLabel, int widthEdit, int upDown)
{
    CatalogueGroup group = Group(GroupKind::Width, caption, x, width);
    group.ids.check = customWidth;
    group.ids.widthLabel = widthLabel;
    group.ids.sizeEdit = widthEdit;
    group.ids.upDown = upDown;
    return group;
}

std::vector<CataloguePage> MakeCatalogue()
{
    using P = SectionPageId;
    std::vector<CataloguePage> pages;

    pages.push_back({P::Background, " Background ", 103, 923, 116, "Default", {
        ColorGroup("Background Color", 83, 68, 1002, 0, Rgb(229, 229, 229)),
        ColorGroup("Content Color", 162, 133, 1012, 1557, kWhite),
        StandAloneCheckBox("Remove default background", 309, 7, 69, 1556),
        BackgroundImage("Image", 388, 531, 1555, 1003, 1007, 1063, 1004, 1008, 1005, 1009, 1006, 1010),
    }});

    // No automatic entry on this page's colour buttons.
    pages.push_back({P::Borders, " Borders ", 115, 797, 114, "", {
        StandAloneCheckBox("Remove default borders", 82, 7, 69, 1557),
        Border("Content Borders", 161, 204, 1562, 1563, 1559, 1564, 1560, 1579, 1580),
        Border("Navbar Border", 375, 204, 1569, 1567, 1571, 1570, 1568, 1581, 1582),
        Border("Top Border", 589, 204, 1576, 1574, 1578, 1577, 1575, 1583, 1584),
    }});

    pages.push_back({P::Size, " Size ", 117, 355, 132, "Default", {
        Width("Top", 84, 128, 1658, 1645, 1646, 1647),
        Width("Content", 222, 128, 1660, 1652, 1653, 1654),
    }});

    pages.push_back({P::TopOfPage, " Top of Page ", 101, 969, 122, "Default", {
        Font("Topmost Text", 84, 365, 1034, 1036, 1630, 1629, 1053, 1040, 1041, 0, kWhite, "Verdana", "8", "normal"),
        LinkState("Links", 459, 119, 1043, 1078, kWhite, kClear),
        LinkState("Links Visited", 588, 119, 1045, 1080, kWhite, kClear),
        LinkState("Links Hover", 717, 119, 1047, 1082, Rgb(4, 12, 92), kTicked),
        LinkState("Links Active", 846, 119, 1049, 1084, kWhite, kClear),
    }});

    pages.push_back({P::Navbar, " Navbar ", 104, 1165, 140, "Default", {
        Font("Navbar Links", 84, 367, 1046, 1048, 1626, 1625, 1059, 1042, 0, 1092, kWhite, "Verdana", "8", "normal"),
        LinkState("Links Visited", 460, 119, 1066, 1086, kWhite, kClear),
        LinkState("Links Hover", 589, 119, 1052, 1088, Rgb(4, 12, 92), kTicked),
        LinkState("Links Active", 718, 119, 1054, 1090, kWhite, kClear),
        Font("Navbar Dividers", 847, 315, 1056, 1057, 1628, 1627, 1061, 1044, 0, 0, Rgb(0, 0, 0),
             "Helvetica", "8", "normal"),
    }});

    pages.push_back({P::NameInfo, " Name/Info ", 102, 1595, 130, "Default", {
        Font("Name Text", 84, 365, 1072, 1073, 1620, 1619, 1075, 1076, 1665, 0, Rgb(0, 0, 0), "Verdana", "12", "bold"),
        Font("Basic Info", 459, 368, 1077, 1081, 1622, 1621, 1095, 1093, 1667, 0, Rgb(0, 0, 0),
             "Helvetica", "8", "bold"),
        WithNote(Font("Pics Videos Links", 837, 366, 1112, 1114, 1624, 1623, 1127, 1123, 0, 1110, Rgb(0, 51, 153),
                      "Verdana", "8", "bold"),
                 "NOTE: Due to MySpace formatting this also controls links in Details, Networking, etc. sections",
                 298),
        LinkState("Links Visited", 1213, 119, 1098, 1099, Rgb(0, 51, 153), kClear),
        LinkState("Links Hover", 1342, 119, 1106, 1100, Rgb(204, 0, 0), kTicked),
        LinkState("Links Active", 1471, 119, 1109, 1101, Rgb(0, 51, 153), kClear),
    }});

    pages.push_back({P::Contact, " Contact ", 105, 865, 122, "Default", {
        Font("Heading", 84, 387, 1120, 1124, 1590, 1589, 1130, 1132, 1673, 0, kWhite, "Verdana", "9", "bold"),
        ContactImage("Image", 481, 379, 1550, 1552, 1553, 1554),
    }});

    pages.push_back({P::MySpaceUrl, " MySpace Url ", 108, 841, 130, "Default", {
        Font("MySpace URL", 84, 371, 1136, 1138, 1640, 1639, 1142, 1144, 1669, 0, Rgb(0, 0, 0), "Verdana", "8", "bold"),
        Font("Address", 465, 371, 1145, 1147, 1642, 1641, 1156, 1154, 1671, 0, Rgb(0, 0, 0), "Verdana", "8", "normal"),
    }});

    pages.push_back({P::Profile, " Profile ", 107, 1919, 135, "Default", {
        Font("Headings", 84, 367, 1159, 1160, 1632, 1631, 1165, 1167, 1675, 0, kWhite, "Verdana", "9", "bold"),
        Font("Subheadings", 461, 367, 1170, 1172, 1634, 1633, 1176, 1178, 1677, 0, Rgb(51, 102, 153),
             "Verdana", "8", "bold"),
        Font("Interests Links", 839, 366, 1181, 1183, 1636, 1635, 1187, 1189, 0, 1190, Rgb(0, 0, 0),
             "Verdana", "8", "normal"),
        LinkState("Links Visited", 1215, 119, 1193, 1194, Rgb(0, 0, 0), kClear),
        LinkState("Links Hover", 1344, 119, 1197, 1198, Rgb(255, 0, 0), kTicked),
        LinkState("Links Active", 1473, 119, 1201, 1202, Rgb(255, 0, 0), kClear),
        WithNote(Font("Text", 1603, 312, 1203, 1205, 1638, 1637, 1213, 1211, 0, 0, Rgb(0, 0, 0),
                      "Verdana", "8", "normal"),
                 "NOTE: This also controls \"View My\" in the name section", 229),
    }});

    pages.push_back({P::ExtendedNetwork, " Extended Network ", 106, 459, 119, "Default", {
        Font("Extended Network text", 84, 371, 1217, 1219, 1594, 1593, 1223, 1225, 1681, 0, Rgb(0, 0, 0),
             "Verdana", "12", "bold"),
    }});

    pages.push_back({P::Blog, " Blog ", 109, 1491, 122, "Default", {
        Font("Latest Entry", 84, 315, 1228, 1230, 1577, 1578, 1234, 1236, 0, 0, Rgb(0, 0, 0), "Verdana", "8", "bold"),
        Font("Entries", 409, 315, 1239, 1241, 1579, 1580, 1245, 1247, 0, 0, Rgb(0, 0, 0), "Verdana", "8", "normal"),
        Font("Links", 734, 366, 1250, 1252, 1581, 1582, 1256, 1258, 0, 1259, Rgb(0, 51, 153), "Verdana", "8", "bold"),
        LinkState("Links Visited", 1110, 119, 1262, 1263, Rgb(0, 51, 153), kClear),
        LinkState("Links Hover", 1239, 119, 1266, 1267, Rgb(204, 0, 0), kTicked),
        LinkState("Links Active", 1368, 119, 1270, 1271, Rgb(0, 51, 153), kClear),
    }});

    pages.push_back({P::Blurb, " Blurb ", 110, 1163, 122, "Default", {
        Font("Heading", 84, 369, 1274, 1276, 1580, 1579, 1280, 1282, 1683, 0, Rgb(255, 102, 0),
             "Verdana", "9", "bold"),
        Font("Subheadings", 463, 369, 1285, 1287, 1582, 1581, 1291, 1293, 1685, 0, Rgb(255, 102, 0),
             "Verdana", "9", "bold"),
        Font("Text", 843, 315, 1296, 1298, 1584, 1583, 1302, 1304, 0, 0, Rgb(0, 0, 0), "Verdana", "8", "normal"),
    }});

    pages.push_back({P::FriendSpace, " FriendSpace ", 111, 2635, 122, "Default", {
        WithNote(Font("Heading", 84, 370, 1307, 1309, 1610, 1609, 1313, 1315, 1687, 0, Rgb(255, 102, 0),
                      "Verdana", "9", "bold"),
                 "NOTE: Also controls Friends Comments heading", 223),
        Font("Text", 464, 315, 1318, 1320, 1612, 1611, 1324, 1326, 0, 0, Rgb(0, 0, 0), "Verdana", "8", "bold"),
        Font("Text Number", 789, 315, 1329, 1331, 1614, 1613, 1335, 1337, 0, 0, Rgb(204, 0, 0),
             "Verdana", "10", "normal"),
        Font("Name Links", 1114, 366, 1340, 1342, 1616, 1615, 1346, 1348, 0, 1349, Rgb(0, 51, 153),
             "Verdana", "8", "bold"),
        LinkState("Name Links Visited", 1490, 119, 1352, 1353, Rgb(0, 51, 153), kClear),
        LinkState("Name Links Hover", 1620, 119, 1356, 1357, Rgb(204, 0, 0), kTicked),
        LinkState("Name Links Active", 1748, 119, 1360, 1361, Rgb(0, 51, 153), kClear),
        Font("View All Link", 1877, 366, 1364, 1366, 1618, 1617, 1370, 1372, 0, 1373, Rgb(204, 0, 0),
             "Verdana", "8", "bold"),
        LinkState("View All Link Visited", 2253, 119, 1376, 1377, Rgb(204, 0, 0), kClear),
        LinkState("View All Link Hover", 2382, 119, 1380, 1381, Rgb(204, 0, 0), kTicked),
        LinkState("View All Link Active", 2511, 119, 1384, 1385, Rgb(204, 0, 0), kClear),
    }});

    pages.push_back({P::FriendsComments, " FriendsComments ", 112, 3691, 122, "Default", {
        Font("Text", 84, 315, 1389, 1391, 1596, 1595, 1395, 1397, 0, 0, Rgb(0, 0, 0), "Verdana", "8", "bold"),
        Font("Text Number", 409, 315, 1400, 1402, 1598, 1597, 1502, 1407, 0, 0, Rgb(204, 0, 0),
             "Verdana", "10", "normal"),
        Font("View/Add Links", 734, 366, 1410, 1412, 1600, 1599, 1416, 1418, 0, 1419, Rgb(0, 51, 153),
             "Verdana", "8", "bold"),
        LinkState("View/Add Links Visited", 1110, 119, 1422, 1423, Rgb(0, 51, 153), kClear),
        LinkState("View/Add Links Hover", 1239, 119, 1426, 1427, Rgb(204, 0, 0), kTicked),
        LinkState("View/Add Links Active", 1368, 119, 1430, 1431, Rgb(0, 51, 153), kClear),
        Font("Name Links", 1497, 366, 1434, 1436, 1602, 1601, 1440, 1442, 0, 1443, Rgb(0, 51, 153),
             "Verdana", "8", "bold"),
        LinkState("Name Links Visited", 1873, 119, 1446, 1447, Rgb(0, 51, 153), kClear),
        LinkState("Name Links Hover", 2002, 119, 1450, 1451, Rgb(204, 0, 0), kTicked),
        LinkState("Name Links Active", 2131, 119, 1454, 1455, Rgb(0, 51, 153), kClear),
        Font("Date/Time", 2261, 315, 1458, 1460, 1604, 1603, 1464, 1466, 0, 0, Rgb(0, 0, 0), "Verdana", "10", "bold"),
        Font("Comments", 2587, 315, 1469, 1471, 1606, 1605, 1475, 1477, 0, 0, Rgb(0, 0, 0), "Verdana", "8", "normal"),
        Font("Add Comment Link", 2913, 366, 1480, 1482, 1608, 1607, 1486, 1488, 0, 1489, Rgb(0, 51, 153),
             "Verdana", "8", "bold"),
        LinkState("Add Comment Link Visited", 3289, 119, 1492, 1493, Rgb(0, 51, 153), kClear),
        LinkState("Add Comment Link Hover", 3419, 119, 1496, 1497, Rgb(204, 0, 0), kTicked),
        LinkState("Add Comment Link Active", 3549, 119, 1500, 1501, Rgb(0, 51, 153), kClear),
    }});

    // Narrow link-state groups without "Underline" boxes.
    pages.push_back({P::BottomNavbar, " Bottom Navbar ", 113, 963, 116, "Default", {
        Font("Bottom Navbar Links", 84, 315, 1505, 1507, 1586, 1585, 1511, 1513, 0, 0, Rgb(0, 51, 153),
             "Verdana", "8", "normal"),
        LinkState("Links Visited", 409, 68, 1517, 0, Rgb(0, 51, 153), kClear),
        LinkState("Links Hover", 487, 68, 1521, 0, Rgb(204, 0, 0), kClear),
        LinkState("Links Active", 565, 68, 1525, 0, Rgb(0, 51, 153), kClear),
        Font("Navbar Dividers", 643, 315, 1529, 1531, 1588, 1587, 1535, 1537, 0, 0, Rgb(0, 0, 0),
             "Verdana", "8", "normal"),
    }});

    pages.push_back({P::Copyright, " Copyright ", 114, 403, 119, "Default", {
        Font("Copyright", 84, 315, 1540, 1542, 1643, 1591, 1546, 1548, 0, 0, Rgb(0, 0, 0), "Verdana", "8", "normal"),
    }});

    return pages;
}

} // namespace

const std::vector<CataloguePage>& SectionCatalogue()
{
    static const std::vector<CataloguePage> pages = MakeCatalogue();
    return pages;
}

} // namespace sections
