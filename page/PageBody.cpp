#include "page/PageBody.h"

#include <initializer_list>
#include <string>

// The body is written as line data. Every section is a function that appends
// its lines at a base depth; a line may start with TABs of its own for the
// nesting inside the section, and the base depth is added in front of them.
// The nesting of tables, rows and cells, the classes and the irregular tags
// (an unclosed anchor, cell and "<b>", stray end tags, a missing blank
// between attributes, ids used twice) are what the style selectors rely on,
// so they are kept exactly as they are.

namespace {

using Lines = std::initializer_list<std::string>;

// Placeholder content: the profile owner, the friends and their user ids.
const std::string kOwner = "Jamie";
const char kOwnerUserId[] = "104857601";

struct Friend {
    const char* name;
    const char* userId;
};

const Friend kFriends[8] = {
    {"Robin", "100230417"},  {"Casey", "100558912"},  {"Morgan", "101774305"}, {"Taylor", "102019886"},
    {"Jordan", "103366721"}, {"Riley", "104120593"},  {"Avery", "105902148"},  {"Quinn", "106487230"},
};

const char kSelf[] = "href=\"#self\"";

void Put(std::string& page, int depth, Lines lines)
{
    for (const std::string& line : lines) {
        if (!line.empty()) page.append(static_cast<size_t>(depth), '\t');
        page += line;
        page += "\r\n";
    }
}

// ---------------------------------------------------------------------------
// Repeated parts

// The online-now marker's start tag; N counts 0 to 10 through the page.
std::string MarkerStart(int number, const char* userId)
{
    return "<DIV style=\"width:80px;height:20px;\" ID=\"UserDataNode" + std::to_string(number) +
           "\" CLASS=\"DataPoint=OnlineNow;UserID=" + userId + ";\">";
}

// The marker with its end tag on the next line (everywhere but the
// information cell, where both share one line).
void PutMarker(std::string& page, int depth, int number, const char* userId)
{
    Put(page, depth, {MarkerStart(number, userId), "</div>"});
}

// A link of the navigation bar and the separator line between links.
void PutNavLink(std::string& page, int depth, const std::string& label)
{
    Put(page, depth, {"<a class=\"navbar\" href=\"#self\">" + label, "</a>"});
}

void PutNavSeparator(std::string& page, int depth)
{
    Put(page, depth, {"&nbsp;|&nbsp;"});
}

// A heading cell's text in the left column: the white text on the blue bar.
void PutWhiteHeading(std::string& page, int depth, const std::string& cellStart, const std::string& text)
{
    Put(page, depth, {
        "<tr>",
        "\t" + cellStart,
        "\t\t<span class=\"whitetext12\">" + text,
        "\t\t</span>",
        "\t</td>",
        "</tr>",
    });
}

// One row of two contact icons with the spacer cell between them.
struct ContactIcon {
    std::string cellStart;
    const char* image;
    const char* linkId; // empty: the link has no id
};

void PutContactIcon(std::string& page, int depth, const ContactIcon& icon)
{
    const std::string link = std::string("<a ") + kSelf + (*icon.linkId ? std::string(" id=\"") + icon.linkId + "\"" : "") + ">";
    Put(page, depth, {
        icon.cellStart,
        "\t" + link,
        std::string("\t\t<img src=\"html\\") + icon.image + "\" border=\"0\" align=\"middle\" />",
        "\t</a>",
        "</td>",
    });
}

void PutContactRow(std::string& page, int depth, const ContactIcon& left, int spacerHeight, const ContactIcon& right)
{
    Put(page, depth, {"<tr>"});
    PutContactIcon(page, depth + 1, left);
    Put(page, depth + 1, {
        "<td width=\"15\" height=\"5\" bgcolor=\"#ffffff\">",
        "\t<img src=\"html\\clear.gif\" width=\"15\" height=\"" + std::to_string(spacerHeight) + "\" border=\"0\">",
        "</td>",
    });
    PutContactIcon(page, depth + 1, right);
    Put(page, depth, {"</tr>"});
}

// A detail row of the interests and details tables. The row id is the label
// unquoted, spaces and colon included, followed by "Row".
enum class DetailValue {
    Text,       // the value follows the cell's start tag
    Link,       // the value is a link
    SharedLine, // the label's "</span></td>" and the value cell share a line
};

void PutDetailRow(std::string& page, int depth, const std::string& label, const std::string& value,
                  DetailValue form = DetailValue::Text)
{
    const std::string valueCell =
        "<td id=\"Profile" + label + "\" width=\"175\" bgcolor=\"#d5e8fb\" style=\"WORD-WRAP: break-word\">";
    Put(page, depth, {
        "<tr id=" + label + "Row>",
        "\t<td valign=\"top\" align=\"left\" width=\"100\" bgcolor=\"#b1d0f0\">",
        "\t\t<span class=\"lightbluetext8\">" + label,
    });
    switch (form) {
    case DetailValue::Text:
        Put(page, depth, {"\t\t</span>", "\t</td>", "\t" + valueCell + value, "\t</td>"});
        break;
    case DetailValue::Link:
        Put(page, depth, {"\t\t</span>", "\t</td>", "\t" + valueCell, "\t\t<a href=\"#self\">" + value, "\t\t</a>",
                          "\t</td>"});
        break;
    case DetailValue::SharedLine:
        Put(page, depth, {"\t\t</span></td>" + valueCell + value, "\t</td>"});
        break;
    }
    Put(page, depth, {"</tr>"});
}

// An interest: its detail row and the script that turns its words into links.
void PutInterest(std::string& page, int depth, const std::string& label, const std::string& value)
{
    PutDetailRow(page, depth, label, value);
    Put(page, depth, {"<script language=\"JavaScript\">highlightInterests(\"Profile" + label + "\");", "</script>"});
}

// A cell of the friend grid: name link, picture link and online-now marker.
void PutFriendCell(std::string& page, int depth, int index, const Friend& person)
{
    const std::string nn = (index < 10 ? "0" : "") + std::to_string(index);
    const std::string idStem = "ctl00_Main_ctl00_UserFriends1_FriendRepeater_ctl" + nn;
    Put(page, depth, {
        "<td bgcolor=\"FFFFFF\" align=\"center\" valign=\"top\" width=\"1\">",
        "\t<table border=\"0\" cellspacing=\"0\" align=\"center\">",
        "\t\t<tr>",
        "\t\t\t<td bgcolor=\"FFFFFF\" align=\"center\" valign=\"top\" width=\"107\" style=\"word-wrap:break-word\">&nbsp;",
        "\t\t\t\t<a href=\"#self\" id=\"" + idStem + "_friendLink\">" + person.name,
        "\t\t\t\t</a>",
        "\t\t\t\t&nbsp;",
        "\t\t\t</td>",
        "\t\t</tr>",
        "\t\t<tr>",
        "\t\t\t<td bgcolor=\"FFFFFF\" align=\"center\" valign=\"top\" width=\"25%\">",
        "\t\t\t\t<a href=\"#self\" id=\"" + idStem + "_friendImageLink\">",
        "\t\t\t\t\t<img src=\"html\\no_pic.gif\">",
        "\t\t\t\t</a>",
        "\t\t\t\t<br>",
    });
    PutMarker(page, depth + 4, index + 1, person.userId);
    Put(page, depth, {
        "\t\t\t</td>",
        "\t\t</tr>",
        "\t</table>",
        "</td>",
    });
}

// A row of the friends' comments: the friend's name, picture and marker, then
// the date and the comment.
void PutCommentRow(std::string& page, int depth, const Friend& person, int marker, const char* when)
{
    Put(page, depth, {
        "<tr>",
        "\t<td align=\"center\" valign=\"top\" width=\"150\" bgcolor=\"FF9933\" style=\"word-wrap: break-word\">",
        std::string("\t\t<a href=\"#self\">") + person.name,
        "\t\t</a>",
        "\t\t<br>",
        "\t\t<br>",
        "\t\t<a href=\"#self\">",
        "\t\t\t<img src=\"html\\no_pic.gif\" border=\"0\">",
        "\t\t</a>",
        "\t\t<br>",
    });
    PutMarker(page, depth + 2, marker, person.userId);
    Put(page, depth, {
        "\t\t<br>",
        "\t\t<br>",
        "\t</td>",
        "\t<td bgcolor=\"F9D6B4\" align=\"left\" valign=\"top\" width=\"260\" style=\"word-wrap: break-word\">",
        std::string("\t\t<span class=\"blacktext10\">") + when,
        "\t\t</span>",
        "\t\t<br>",
        "\t\t<br>",
        "\t\tComment from your friend",
        "\t</td>",
        "</tr>",
    });
}

// A footer link; the last one has no target.
void PutFooterLink(std::string& page, int depth, const std::string& label, bool withTarget = true)
{
    Put(page, depth, {
        std::string("<a class=\"text\" href=\"#self\"") + (withTarget ? " target=\"_self\"" : "") + ">",
        "\t<u>" + label,
        "\t</u>",
        "</a>",
    });
}

// ---------------------------------------------------------------------------
// Top of page and navigation bar

void PutPageStart(std::string& page)
{
    Put(page, 0, {
        "<body bgcolor=\"e5e5e5\" alink=\"4e607b\" link=\"4e607b\" vlink=\"4e607b\" bottommargin=\"0\" leftmargin=\"0\" "
        "rightmargin=\"0\" topmargin=\"0\" style=\"visibility:visible; display:block\">",
        "<a name=\"self\">",
        "<div id=\"tipDiv\" style=\"position:absolute; visibility:hidden; z-index:100\">",
        "</div>",
    });
}

void PutTopOfPage(std::string& page)
{
    const std::string inputStyle = "font-family: Verdana, Geneva, Arial, Helvetica, sans-serif; font-size: 10px;";
    Put(page, 0, {
        "<div align=\"center\">",
        "\t<table width=\"800\" border=\"0\" align=\"center\" cellpadding=\"5\" cellspacing=\"0\" bgcolor=\"003399\">",
        "\t\t<form>",
        "\t\t<tr>",
        "\t\t\t<td>&nbsp;",
        "\t\t\t\t<a class=\"navbar\" href=\"#self\">",
        "\t\t\t\t\t<font color=\"FFFFFF\">MySpace.com",
        "\t\t\t\t\t</font>",
        "\t\t\t\t</a>&nbsp;",
        "\t\t\t\t<font color=\"FFFFFF\">|",
        "\t\t\t\t</font>&nbsp;",
        "\t\t\t\t<a class=\"navbar\" href=\"#self\">",
        "\t\t\t\t\t<font color=\"FFFFFF\">Home",
        "\t\t\t\t\t</font>",
        "\t\t\t\t</a>",
        "\t\t\t</td>",
        "\t\t\t<td align=\"left\">",
        "\t\t\t\t<font color=\"FFFFFF\">",
        "\t\t\t\t\tThe Web&nbsp;<input type=\"radio\" name=\"searchtype\" value=\"web\" checked>&nbsp;",
        "\t\t\t\t\tMySpace&nbsp;<input type=\"radio\" name=\"searchtype\" value=\"myspace\">",
        "\t\t\t\t\t<input style=\"" + inputStyle +
            "\" name=\"searchrequest\" type=\"text\" size=\"25\" maxlength=\"75\">&nbsp;&nbsp;&nbsp;",
        "\t\t\t\t\t<input type=\"submit\" value=\"Search\" style=\"" + inputStyle + " background-color:E0FFFF;\">",
        "\t\t\t\t</font>",
        "\t\t\t</td>",
        "\t\t\t<td align=\"right\">",
        "\t\t\t\t<table>",
        "\t\t\t\t\t<tr valign=\"middle\">",
        "\t\t\t\t\t\t<td>",
        "\t\t\t\t\t\t</td>",
        "\t\t\t\t\t\t<td>",
        "\t\t\t\t\t\t\t<a class=\"man\" href=\"#self\">",
        "\t\t\t\t\t\t\t\t<font color=\"FFFFFF\">Help",
        "\t\t\t\t\t\t\t\t</font>",
        "\t\t\t\t\t\t\t</a>",
        "\t\t\t\t\t\t\t<font color=\"FFFFFF\" size=\"1\">|",
        "\t\t\t\t\t\t\t</font>",
        "\t\t\t\t\t\t</td>",
        "\t\t\t\t\t\t<td>",
        "\t\t\t\t\t\t\t<a class=\"man\" href=\"#self\">",
        "\t\t\t\t\t\t\t\t<font color=\"#ffffff\">SignOut",
        "\t\t\t\t\t\t\t\t</font>",
        "\t\t\t\t\t\t\t</a>",
        "\t\t\t\t\t\t</td>",
        "\t\t\t\t\t</tr>",
        "\t\t\t\t</table>",
        "\t\t\t</td>",
        "\t\t</tr>",
        "\t\t<input type=\"hidden\" name=\"SearchBoxID\" value=\"header\"/>",
        "\t\t</form>",
        "\t</table>",
        "\t<table width=\"800\" border=\"0\" align=\"center\" cellspacing=\"0\" cellpadding=\"0\"  bgcolor=\"003399\">",
        "\t\t<tr>",
        "\t\t\t<td height=\"96\" align=\"center\" valign=\"top\">",
        "\t\t\t</td>",
        "\t\t</tr>",
        "\t\t<tr>",
        "\t\t\t<td>",
        "\t\t\t</td>",
        "\t\t</tr>",
        "\t</table>",
        "</div>",
    });
}

void PutNavigationBar(std::string& page)
{
    Put(page, 0, {
        "<div align=\"center\">",
        "\t<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\" width=\"800\">",
        "\t\t<tr>",
        "\t\t\t<td width=\"800\" height=\"26\" bgcolor=\"6698CB\">",
        "\t\t\t\t<table width=\"800\" height=\"26\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
        "\t\t\t\t\t<tr valign=\"middle\">",
        "\t\t\t\t\t\t<td align=\"center\">",
        "\t\t\t\t\t\t\t<font face=\"Arial, Helvetica, sans-serif\" color=\"#000000\">",
    });
    const int d = 8;
    for (const char* label : {"Home", "Browse", "Search", "Invite"}) {
        PutNavLink(page, d, label);
        PutNavSeparator(page, d);
    }
    Put(page, d, {"<span id=\"ctl00_Header_Header1_Span1\">"});
    PutNavLink(page, d + 1, "Film");
    PutNavSeparator(page, d + 1);
    Put(page, d, {"</span>"});
    // The site writes this one link without a blank before "href".
    Put(page, d, {"<a class=\"navbar\"href=\"#self\">Mail", "</a>"});
    PutNavSeparator(page, d);
    for (const char* label : {"Blog", "Favorites", "Forum", "Groups", "Events", "Videos"}) {
        PutNavLink(page, d, label);
        PutNavSeparator(page, d);
    }
    PutNavLink(page, d, "Music");
    Put(page, d, {"<span id=\"ctl00_Header_Header1_Span4\">"});
    PutNavSeparator(page, d + 1);
    PutNavLink(page, d + 1, "Comedy");
    Put(page, d, {"</span>"});
    Put(page, d, {"<span id=\"ctl00_Header_Header1_Span2\">"});
    PutNavSeparator(page, d + 1);
    PutNavLink(page, d + 1, "Classifieds");
    Put(page, d, {"</span>"});
    Put(page, 0, {
        "\t\t\t\t\t\t\t</font>",
        "\t\t\t\t\t\t</td>",
        "\t\t\t\t\t</tr>",
        "\t\t\t\t</table>",
        "\t\t\t</td>",
        "\t\t</tr>",
        "\t</table>",
        "</div>",
    });
}

// The profile style sheet: ids and classes of the service's profile layout,
// most of them not used on this page. Never edited.
void PutProfileStyleSheet(std::string& page)
{
    Put(page, 0, {
        "<style type=\"text/css\">",
        "/* Profile CSS Document */",
        ".section {border:0;}",
        ".heading {background:none; color:inherit;}",
        "#wrap, #header, #topnav, #footer {background:none;}",
        "#mainLayout {background:inherit; color:inherit;}",
        "#mainLayout {margin-left:20px;}",
        "*html #mainLayout {margin-left:22px;}",
        "#mainLayout td {padding-right:15px;}",
        "#profile_networking .cols th {width:100%;}",
        "#profile_contact a {display:block;}",
        "#mainLayout, #mainLayout td {vertical-align:top;}",
        "#mainLayout {border-collapse:separate; margin-top:5px;}",
        "#profile_schools .cols th, #profile_companies .cols th {width:auto;}",
        "#profile_schools .cols td, #profile_companies .cols td {width:50px; text-align:center;}",
        "#profile_info .heading {font-size:155%; font-weight:bold; padding-left:0;}",
        "#profile_info_image, #profile_info_content {float:left;}",
        "#profile_info_image {width:175px;}",
        "#profile_info_content {width:115px;}",
        "#profile_info_image img {margin-bottom:20px;}",
        "#profile_blog_subjects {list-style:none; margin:0; padding:0;}",
        "#profile_calendar .cols th {width:125px;}",
        "#profile_contact img {vertical-align:middle;}",
        "#profile_contact a {float:left; width:49%; font-size:80%;}",
        ".friend {float:left; width:108px; margin-bottom:10px; text-align:center;}",
        "*html .friend {display:inline;}",
        "#profile_network {text-align:center; font-weight:bold; padding:5px 0;}",
        ".advertiserProfile #header {height:auto;}",
        "</style>",
    });
}

// ---------------------------------------------------------------------------
// Left column

void PutNameAndBasicInformation(std::string& page, int d)
{
    Put(page, d, {
        "<table height=\"100\" cellspacing=\"0\" cellpadding=\"0\" width=\"300\" border=\"0\">",
        "\t<tr>",
        "\t\t<td class=\"text\" valign=\"bottom\" align=\"left\" width=\"300\" bgcolor=\"#ffffff\" colspan=\"3\" "
        "style=\"WORD-WRAP:break-word\">",
        "\t\t\t<span class=\"nametext\">" + kOwner,
        "\t\t\t</span>",
        "\t\t\t<br />",
        "\t\t</td>",
        "\t</tr>",
        "\t<tr>",
        "\t\t<td>",
    });
    // "Table2": the photo cell is left open, a bare cell start tag follows,
    // and a stray "</td>" stands after the spacer cell.
    Put(page, d + 3, {
        "<table id=\"Table2\" cellspacing=\"0\" cellpadding=\"0\" width=\"300\" align=\"center\">",
        "\t<tr>",
        "\t\t<td class=\"text\" width=\"75\" bgcolor=\"#ffffff\" height=\"75\">",
        "\t\t\t<a id=\"ctl00_Main_ctl00_UserBasicInformation1_hlDefaultImage\" href=\"#self\">",
        "\t\t\t\t<img src=\"html\\your_photo.gif\" style=\"border-width:0px;\" />",
        "\t\t\t</a>",
        "\t\t<td>",
        "\t\t<td width=\"15\" height=\"75\" bgcolor=\"#ffffff\" class=\"text\">",
        "\t\t\t<img src=\"html\\clear.gif\" width=\"15\" height=\"8\" border=\"0\" alt=\"\">",
        "\t\t</td>",
        "\t\t</td>",
        "\t\t<td class=\"text\" width=\"193\" bgcolor=\"#ffffff\" height=\"75\" align=\"left\">\"Customize\"",
        "\t\t\t<br>",
        "\t\t\t<br>",
        "\t\t\tMale",
        "\t\t\t<br>",
        "\t\t\t25 years old",
        "\t\t\t<br>",
        "\t\t\tAnywhere, NEW YORK",
        "\t\t\t<br>",
        "\t\t\tUnited States",
        "\t\t\t<br>",
        "\t\t\t<br>",
        "\t\t\t" + MarkerStart(0, kOwnerUserId) + "</div>",
        "\t\t\t<br>",
        "\t\t\tLast Login: 11/28/2006",
        "\t\t\t<br>",
        "\t\t</td>",
        "\t</tr>",
        "\t<tr valign=\"middle\" align=\"center\">",
        "\t\t<td>View My:",
        "\t\t\t<a id=\"ctl00_Main_ctl00_UserBasicInformation1_ctrlViewMorePics\" href=\"#self\">Pics",
        "\t\t\t</a>",
        "\t\t\t|",
        "\t\t\t<a href=\"#self\">Videos",
        "\t\t\t</a>",
        "\t\t</td>",
        "\t</tr>",
        "</table>",
    });
    Put(page, d, {
        "\t\t</td>",
        "\t</tr>",
        "</table>",
        "<br>",
    });
}

void PutContactTable(std::string& page, int d)
{
    Put(page, d, {"<table class=\"contactTable\" border=\"1\" cellspacing=\"0\" cellpadding=\"0\" width=\"300\" "
                  "bordercolor=\"#6699cc\">"});
    PutWhiteHeading(page, d + 1,
                    "<td width=\"300\" height=\"15\" bgcolor=\"#6699cc\" class=\"text\" align=\"left\" "
                    "style=\"WORD-WRAP:break-word\">&nbsp;&nbsp;&nbsp;",
                    "Contacting " + kOwner);
    Put(page, d, {
        "\t<tr>",
        "\t\t<td>",
        "\t\t\t<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\" width=\"300\" bordercolor=\"#000000\">",
    });
    const int r = d + 4;
    const std::string firstCell =
        "<td width=\"120\" height=\"5\" nowrap bgcolor=\"#ffffff\" align=\"center\" class=\"text\">";
    const std::string leftCell =
        "<td width=\"130\" nowrap height=\"5\" bgcolor=\"#ffffff\" align=\"center\" class=\"text\" valign=\"top\">";
    const std::string rightCell =
        "<td width=\"150\" nowrap height=\"5\" bgcolor=\"#ffffff\" align=\"center\" class=\"text\" valign=\"top\">";
    const std::string rightMiddleCell =
        "<td width=\"150\" nowrap height=\"2\" bgcolor=\"#ffffff\" align=\"center\" class=\"text\" valign=\"middle\">";
    const Lines outerSpacer = {"<tr>", "\t<td><img src=\"html\\clear.gif\" width=\"1\" height=\"5\" border=\"0\"></td>",
                               "</tr>"};
    const Lines innerSpacer = {
        "<tr>", "\t<td colspan=\"3\"><img src=\"html\\clear.gif\" width=\"1\" height=\"2\" border=\"0\"></td>", "</tr>"};

    Put(page, r, outerSpacer);
    PutContactRow(page, r, {firstCell, "sendMailIcon.gif", ""}, 8, {rightCell, "forwardMailIcon.gif", ""});
    Put(page, r, innerSpacer);
    PutContactRow(page, r, {leftCell, "addFriendIcon.gif", ""}, 1, {rightMiddleCell, "addFavoritesIcon.gif", ""});
    Put(page, r, innerSpacer);
    PutContactRow(page, r, {leftCell, "messagefriend.gif", "ctl00_Main_ctl00_UserContactLinks1_MessageFriendLink"}, 8,
                  {rightCell, "blockuser.gif", ""});
    PutContactRow(page, r, {leftCell, "icon_add_to_group.gif", ""}, 1,
                  {rightMiddleCell, "icon_rank_user4.gif", "ctl00_Main_ctl00_UserContactLinks1_RateFriendLink"});
    Put(page, r, outerSpacer);
    Put(page, d, {
        "\t\t\t</table>",
        "\t\t</td>",
        "\t</tr>",
        "</table>",
        "<br>",
    });
}

void PutWebAddressBox(std::string& page, int d)
{
    const Lines spacer = {"<tr>", "\t<td height=\"10\" valign=\"top\">",
                          "\t\t<img src=\"html\\1by1.gif\" width=\"1\" height=\"10\">", "\t</td>", "</tr>"};
    Put(page, d, {"<table border=\"0\" align=\"center\" cellspacing=\"0\" cellpadding=\"1\" width=\"300\">"});
    Put(page, d + 1, spacer);
    Put(page, d, {
        "\t<tr valign=\"top\">",
        "\t\t<td bgcolor=\"#6699cc\" align=\"center\">",
        "\t\t\t<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
        "\t\t\t\t<tr bgcolor=\"#ffffff\">",
        "\t\t\t\t\t<td>",
        "\t\t\t\t\t\t<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" align=\"center\">",
        "\t\t\t\t\t\t\t<tr>",
        "\t\t\t\t\t\t\t\t<td width=\"70%\">",
        "\t\t\t\t\t\t\t\t\t<div align=\"left\">",
        "\t\t\t\t\t\t\t\t\t\t<strong>&nbsp;MySpace URL:&nbsp;",
        "\t\t\t\t\t\t\t\t\t\t</strong>",
        "\t\t\t\t\t\t\t\t\t</div>",
        "\t\t\t\t\t\t\t\t</td>",
        "\t\t\t\t\t\t\t\t<td width=\"30%\">",
        "\t\t\t\t\t\t\t\t</td>",
        "\t\t\t\t\t\t\t</tr>",
        "\t\t\t\t\t\t</table>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t\t<tr bgcolor=\"#ffffff\">",
        "\t\t\t\t\t<td>",
        "\t\t\t\t\t\t<div align=\"left\">&nbsp;&nbsp;",
        "\t\t\t\t\t\t\twww.myspace.com/youraddress",
        "\t\t\t\t\t\t\t&nbsp;&nbsp;",
        "\t\t\t\t\t\t</div>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t</table>",
        "\t\t</td>",
        "\t</tr>",
    });
    Put(page, d + 1, spacer);
    Put(page, d, {"</table>", "<br />", ""});
}

// Turns the words of an interest cell into search links (runs of words
// joined by blanks count as one item), unless the cell already holds markup.
void PutInterestsScript(std::string& page, int d)
{
    Put(page, d, {
        "<script language=\"JavaScript\">",
        "\tfunction highlightInterests(IDString)",
        "\t{",
        "\t\tvar cell = document.getElementById(IDString);",
        "\t\tif (cell == null)",
        "\t\t\treturn;",
        "\t\tvar html = cell.innerHTML;",
        "\t\tif (html.indexOf(\"<\") != -1 || html.indexOf(\">\") != -1 || html.indexOf(\"<z>\") != -1)",
        "\t\t\treturn;",
        R"(		var item = /([^\s,()\-:;*\/\\.!?{}\[\]+]+(?:\s+[^\s,()\-:;*\/\\.!?{}\[\]+]+)*)/g;)",
        R"(		cell.innerHTML = html.replace(item, '<A HREF="#" CLASS="searchlinksmall" onclick="executeSearch(this.innerHTML);return false;">$1</A>');)",
        "\t}",
        "\tfunction executeSearch(linkRef)",
        "\t{",
        "\t\twindow.location = \"#self\";",
        "\t}",
        "</script>",
    });
}

void PutInterests(std::string& page, int d)
{
    Put(page, d, {"<table id=\"Table1\" bordercolor=\"#6699cc\" cellspacing=\"0\" cellpadding=\"0\" width=\"300\" "
                  "bgcolor=\"#6699cc\" border=\"1\">"});
    PutWhiteHeading(page, d + 1,
                    "<td class=\"text\" valign=\"middle\" align=\"left\" width=\"300\" bgcolor=\"#6699cc\" wrap=\"\" "
                    "style=\"WORD-WRAP:break-word\">&nbsp;&nbsp;&nbsp;",
                    kOwner + "'s Interests");
    Put(page, d, {
        "\t<tr valign=\"top\">",
        "\t\t<td>",
        "\t\t\t<table id=\"Table2\" bordercolor=\"#000000\" cellspacing=\"3\" cellpadding=\"3\" width=\"300\" "
        "align=\"center\" bgcolor=\"#ffffff\" border=\"0\">",
    });
    const int r = d + 4;
    PutInterest(page, r, "General", "Your general interests here");
    PutInterest(page, r, "Music", "Your music here");
    PutInterest(page, r, "Movies", "Your movies here");
    PutInterest(page, r, "Television", "Your television here");
    PutInterest(page, r, "Books", "Your books here");
    Put(page, d, {"\t\t\t</table>", "\t\t</td>", "\t</tr>", "</table>", "<br>"});
}

void PutDetails(std::string& page, int d)
{
    Put(page, d, {"<table bordercolor=\"#6699cc\" cellspacing=\"0\" cellpadding=\"0\" width=\"300\" "
                  "bgcolor=\"#6699cc\" border=\"1\">"});
    PutWhiteHeading(page, d + 1,
                    "<td class=\"text\" valign=\"center\" align=\"left\" width=\"300\" bgcolor=\"#6699cc\" "
                    "height=\"10\" wrap=\"\" style=\"WORD-WRAP:break-word\">&nbsp;&nbsp;&nbsp;",
                    "&nbsp;" + kOwner + "'s Details");
    Put(page, d, {
        "\t<tr valign=\"top\">",
        "\t\t<td>",
        "\t\t\t<table bordercolor=\"000000\" cellspacing=\"3\" cellpadding=\"3\" width=\"300\" align=\"center\" "
        "bgcolor=\"ffffff\" border=\"0\">",
    });
    const int r = d + 4;
    PutDetailRow(page, r, "Status:", "Your Status");
    PutDetailRow(page, r, "Here for:", "Friends");
    PutDetailRow(page, r, "Hometown:", "Your hometown");
    PutDetailRow(page, r, "Body type:", "5' 9&quot; / Athletic");
    PutDetailRow(page, r, "Ethnicity:", "Your ethnicity");
    PutDetailRow(page, r, "Zodiac Sign:", "Leo", DetailValue::Link);
    PutDetailRow(page, r, "Smoke / Drink:", "Yes / No");
    PutDetailRow(page, r, "Education:", "Your education", DetailValue::SharedLine);
    PutDetailRow(page, r, "Occupation:", "Your occupation");
    Put(page, d, {"\t\t\t</table>", "\t\t</td>", "\t</tr>", "</table>", "<br>"});
}

void PutSchoolSearchForm(std::string& page, int d)
{
    Put(page, d, {
        "<form action=\"index.cfm\" method=\"get\" name=\"SchoolSearch\">",
        "\t<input type=\"hidden\" name=\"Mytoken\" value=\"20061128093015\">",
        "\t<input type=\"hidden\" name=\"fuseaction\" value=\"find\">",
        "\t<input type=\"hidden\" name=\"circuitaction\" value=\"search\">",
        "\t<input type=\"hidden\" name=\"searchType\" value=\"network\">",
        "\t<input type=\"hidden\" name=\"f_first_name\">",
        "\t<input type=\"hidden\" name=\"f_Last_name\">",
        "\t<input type=\"hidden\" name=\"InterestType\" value=\"SCH-REF\">",
        "\t<input type=\"hidden\" name=\"f_email\">",
        "\t<input type=\"hidden\" name=\"f_search_criteria\">",
        "\t<input type=\"hidden\" name=\"page\" value=\"0\">",
        "\t<input type=\"hidden\" name=\"Major\">",
        "\t<input type=\"hidden\" name=\"Clubs\">",
        "\t<input type=\"hidden\" name=\"CurrentCourses\">",
        "</form>",
        "<script language=\"javascript\">",
        "\tfunction findMajors( SchoolId, major )",
        "\t{",
        "\t\tdocument.SchoolSearch.Major.value = major;",
        "\t\tdocument.SchoolSearch.f_search_criteria.value = SchoolId;",
        "\t\tdocument.SchoolSearch.submit();",
        "\t}",
        "</script>",
    });
}

void PutSchools(std::string& page, int d)
{
    Put(page, d, {"<table bordercolor=\"#6699cc\" cellspacing=\"0\" cellpadding=\"0\" width=\"300\" border=\"1\">"});
    PutWhiteHeading(page, d + 1,
                    "<td class=\"text\" valign=\"middle\" align=\"left\" width=\"300\" bgcolor=\"#6699cc\" "
                    "height=\"10\" wrap=\"\" style=\"WORD-WRAP:break-word\">&nbsp;&nbsp;&nbsp;",
                    kOwner + "'s Schools");
    Put(page, d, {
        "\t<tr valign=\"top\">",
        "\t\t<td>",
        "\t\t\t<table bordercolor=\"#000000\" cellspacing=\"3\" cellpadding=\"3\" width=\"300\" align=\"center\" "
        "border=\"0\">",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t<td valign=\"top\" align=\"left\" width=\"240\" bgcolor=\"b1d0f0\">",
        "\t\t\t\t\t\t<a href=\"#self\">Sample State University",
        "\t\t\t\t\t\t</a>",
        "\t\t\t\t\t\t<br>",
        "\t\t\t\t\t\tAnywhere, NY",
        "\t\t\t\t\t\t<br>",
        "\t\t\t\t\t\tGraduated:&nbsp;",
        "\t\t\t\t\t\t<a id=\"ctl00_Main_ctl00_UserSchoolDisplay1_SchoolRepeater_ctl00_linkGraduated\" "
        "title=\"1998\" href=\"#self\">1998",
        "\t\t\t\t\t\t</a>",
        "\t\t\t\t\t\t<br>",
        "\t\t\t\t\t\tStudent status: Alumni",
        "\t\t\t\t\t\t<br>",
        "\t\t\t\t\t\tDegree: Bachelor's Degree",
        "\t\t\t\t\t\t<br>",
        "\t\t\t\t\t\tMajor: Computer Science",
        "\t\t\t\t\t\t<br>",
        "\t\t\t\t\t\t<a id=\"ctl00_Main_ctl00_UserSchoolDisplay1_SchoolRepeater_ctl00_ctrlGreekLink\" href=\"#self\">",
        "\t\t\t\t\t\t</a>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t\t<td valign=\"top\" align=\"middle\" width=\"60\" bgcolor=\"d5e8fb\">1994 to 1998",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t</table>",
        "\t\t</td>",
        "\t</tr>",
        "</table>",
        "<br>",
    });
}

// The companies box; the networking box has the same frame with a wider
// heading cell and its own body table.
std::string CompaniesHeadingCell(const char* extra)
{
    return std::string("<td class=\"text\" valign=\"center\" align=\"left\" width=\"300\" bgcolor=\"6699cc\" "
                       "height=\"10\"") +
           extra + " wrap=\"\" style=\"word-wrap:break-word\">&nbsp;&nbsp;&nbsp;";
}

void PutCompanies(std::string& page, int d)
{
    Put(page, d, {"<table bordercolor=\"6699cc\" cellspacing=\"0\" cellpadding=\"0\" width=\"300\" border=\"1\">"});
    PutWhiteHeading(page, d + 1, CompaniesHeadingCell(""), kOwner + "'s Companies");
    Put(page, d, {
        "\t<tr valign=\"top\">",
        "\t\t<td>",
        "\t\t\t<table bordercolor=\"6699cc\" cellspacing=\"3\" cellpadding=\"3\" width=\"300\" align=\"center\" "
        "border=\"0\">",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t<td valign=\"top\" align=\"left\" width=\"240\" bgcolor=\"b1d0f0\">"
        "Company Name<br />Anywhere, US<br />Position<br /><br>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t\t<td valign=\"top\" align=\"middle\" width=\"60\" bgcolor=\"d5e8fb\">Now",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t</table>",
        "\t\t</td>",
        "\t</tr>",
        "</table>",
        "<br>",
    });
}

void PutNetworking(std::string& page, int d)
{
    const std::string stem = "ctl00_Main_ctl00_UserNetworking1_networkRepeater_ctl00_link";
    Put(page, d, {"<table bordercolor=\"6699cc\" cellspacing=\"0\" cellpadding=\"0\" width=\"300\" border=\"1\">"});
    PutWhiteHeading(page, d + 1, CompaniesHeadingCell(" colspan=\"2\""), kOwner + "'s Networking");
    Put(page, d, {
        "\t<tr valign=\"top\">",
        "\t\t<td>",
        "\t\t\t<table bordercolor=\"000000\" cellspacing=\"3\" cellpadding=\"3\" width=\"300\" align=\"center\" "
        "border=\"0\">",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t<td bgcolor=\"b1d0f0\" colspan=\"2\">",
        "\t\t\t\t\t\t<a id=\"" + stem + "Category\" title=\"Technology\" href=\"#self\">Technology",
        "\t\t\t\t\t\t</a> -",
        "\t\t\t\t\t\t<a id=\"" + stem + "Skill\" title=\"IT\" href=\"#self\">IT",
        "\t\t\t\t\t\t</a> -",
        "\t\t\t\t\t\t<a id=\"" + stem + "Role\" title=\"Developer\" href=\"#self\">Developer",
        "\t\t\t\t\t\t</a>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t<td bgcolor=\"d5e8fb\">",
        "\t\t\t\t\t\t<br>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t</table>",
        "\t\t</td>",
        "\t</tr>",
        "</table>",
        "<br>",
    });
}

void PutLeftColumn(std::string& page, int d)
{
    Put(page, d, {"<br>"});
    PutNameAndBasicInformation(page, d);
    PutContactTable(page, d);
    PutWebAddressBox(page, d);
    PutInterestsScript(page, d);
    PutInterests(page, d);
    PutDetails(page, d);
    PutSchoolSearchForm(page, d);
    PutSchools(page, d);
    PutCompanies(page, d);
    PutNetworking(page, d);
}

// ---------------------------------------------------------------------------
// Right column

void PutExtendedNetwork(std::string& page, int d)
{
    Put(page, d, {
        "<table id=\"Table1\" bordercolor=\"#000000\" height=\"75\" cellspacing=\"0\" cellpadding=\"0\" width=\"435\" "
        "border=\"1\">",
        "\t<tr>",
        "\t\t<td valign=\"middle\" align=\"center\" width=\"435\" style=\"word-wrap:break-word\">",
        "\t\t\t<span class=\"blacktext12\">",
        "\t\t\t\t<span id=\"ctl00_Main_ctl00_UserNetwork1_ctrlMessage\">" + kOwner + " is in your extended network",
        "\t\t\t\t</span>",
        "\t\t\t\t<br>",
        "\t\t\t</span>",
        "\t\t</td>",
        "\t</tr>",
        "</table>",
        "<br>",
    });
}

void PutBlog(std::string& page, int d)
{
    Put(page, d, {
        "<table bordercolor=\"000000\" cellspacing=\"3\" cellpadding=\"0\" width=\"435\" align=\"center\" "
        "bgcolor=\"ffffff\" border=\"0\">",
        "\t<tr>",
        "\t\t<td width=\"435\" style=\"word-wrap:break-word\">",
        "\t\t\t<span class=\"btext\">" + kOwner + "'s Latest Blog Entry&nbsp;",
        "\t\t\t</span>",
        "\t\t\t[",
        "\t\t\t<a href=\"#self\">Subscribe to this Blog",
        "\t\t\t</a>",
        "\t\t\t]",
        "\t\t\t<br>",
        "\t\t\t<br>",
        "\t\t</td>",
        "\t</tr>",
    });
    for (int entry = 1; entry <= 3; ++entry) {
        Put(page, d, {
            "\t<tr valign=\"top\">",
            "\t\t<td width=\"435\" style=\"word-wrap:break-word\">Blog Entry " + std::to_string(entry) + "&nbsp;",
            "\t\t\t(",
            "\t\t\t<a href=\"#self\">view more",
            "\t\t\t</a>",
            "\t\t\t)",
            "\t\t\t<br>",
            "\t\t\t<br>",
            "\t\t</td>",
            "\t</tr>",
        });
    }
    Put(page, d, {
        "\t<tr>",
        "\t\t<td valign=\"top\" align=\"left\" bgcolor=\"ffffff\" height=\"25\">",
        "\t\t\t[",
        "\t\t\t<a href=\"#self\">View All Blog Entries",
        "\t\t\t</a>",
        "\t\t\t]",
        "\t\t</td>",
        "\t</tr>",
        "</table>",
        "<br>",
    });
}

// Each blurb cell ends with a stray "</style>" line, as the site writes it.
void PutBlurbs(std::string& page, int d)
{
    const std::string cell = "<td valign=\"top\" align=\"left\" width=\"435\" bgcolor=\"ffffff\" "
                             "style=\"word-wrap: break-word\">";
    Put(page, d, {
        "<table bordercolor=\"ffcc99\" cellspacing=\"0\" cellpadding=\"0\" width=\"435\" bgcolor=\"ffcc99\" "
        "border=\"0\">",
        "\t<tr>",
        "\t\t<td class=\"text\" valign=\"center\" align=\"left\" width=\"300\" bgcolor=\"ffcc99\" height=\"17\" "
        "wrap=\"\" style=\"word-wrap: break-word\">&nbsp;&nbsp;&nbsp;",
        "\t\t\t<span class=\"orangetext15\">" + kOwner + "'s Blurbs",
        "\t\t\t</span>",
        "\t\t</td>",
        "\t</tr>",
        "\t<tr>",
        "\t\t<td>",
        "\t\t\t<table bordercolor=\"000000\" cellspacing=\"3\" cellpadding=\"3\" width=\"435\" align=\"center\" "
        "bgcolor=\"ffffff\" border=\"0\">",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t" + cell,
        "\t\t\t\t\t\t<span class=\"orangetext15\">About me:",
        "\t\t\t\t\t\t</span>",
        "\t\t\t\t\t\t<br>Blurb 1",
        "\t\t\t\t\t\t</style>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t" + cell,
        "\t\t\t\t\t\t<span class=\"orangetext15\">Who I'd like to meet:",
        "\t\t\t\t\t\t</span>",
        "\t\t\t\t\t\t<br>",
        "\t\t\t\t\t\tpeople",
        "\t\t\t\t\t\t</style>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t</table>",
        "\t\t</td>",
        "\t</tr>",
        "</table>",
        "<br>",
    });
}

void PutFriendSpace(std::string& page, int d)
{
    Put(page, d, {
        "<table bordercolor=\"000000\" cellspacing=\"0\" cellpadding=\"0\" width=\"435\" border=\"0\">",
        "\t<tr>",
        "\t\t<td class=\"text\" align=\"left\" width=\"435\" bgcolor=\"ffffff\" height=\"20\">",
        "\t\t\t<table height=\"20\" cellspacing=\"0\" cellpadding=\"0\" width=\"435\" bgcolor=\"ffcc99\">",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t<td width=\"435\" style=\"word-wrap:break-word\">&nbsp;&nbsp;&nbsp;",
        "\t\t\t\t\t\t<span class=\"orangetext15\">" + kOwner + "'s Friend Space",
        "\t\t\t\t\t\t</span>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t</table>",
        "\t\t\t<table cellspacing=\"0\" cellpadding=\"5\" width=\"435\" align=\"center\" border=\"0\">",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t<td bgcolor=\"ffffff\" colspan=\"4\" width=\"435\" style=\"word-wrap:break-word\">",
        "\t\t\t\t\t\t<span class=\"btext\">" + kOwner + "&nbsp;has",
        "\t\t\t\t\t\t\t<span class=\"redbtext\">20",
        "\t\t\t\t\t\t\t</span> friends.",
        "\t\t\t\t\t\t</span>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t<td>",
        "\t\t\t\t\t\t<table width=\"435\" border=\"0\" cellspacing=\"0\" cellpadding=\"5\" align=\"center\">",
    });
    const int grid = d + 7;
    for (int row = 0; row < 2; ++row) {
        Put(page, grid, {"<tr>"});
        for (int column = 0; column < 4; ++column) {
            const int index = row * 4 + column;
            PutFriendCell(page, grid + 1, index, kFriends[index]);
        }
        Put(page, grid, {"</tr>"});
    }
    Put(page, grid, {"<tr>", "</tr>"});
    // The link to all friends sits in a div directly inside the table.
    Put(page, d, {
        "\t\t\t\t\t\t</table>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t\t<div id=\"ctl00_Main_ctl00_UserFriends1_pnlAllFriendsLink\">",
        "\t\t\t\t\t<tr id=\"ctl00_Main_ctl00_UserFriends1_Tr1\" valign=\"center\" align=\"right\">",
        "\t\t\t\t\t\t<td bgcolor=\"FFFFFF\" colspan=\"4\">",
        "\t\t\t\t\t\t\t<a class=\"redlink\" href=\"#self\">View All of " + kOwner + "'s Friends",
        "\t\t\t\t\t\t\t</a>",
        "\t\t\t\t\t\t\t<br>",
        "\t\t\t\t\t\t\t<br>",
        "\t\t\t\t\t\t</td>",
        "\t\t\t\t\t</tr>",
        "\t\t\t\t</div>",
        "\t\t\t</table>",
        "\t\t</td>",
        "\t</tr>",
        "</table>",
        "<br>",
    });
}

// The "<b>" before "Displaying" is never closed, as the site writes it.
void PutFriendsComments(std::string& page, int d)
{
    Put(page, d, {
        "<table bordercolor=\"000000\" cellspacing=\"0\" cellpadding=\"0\" width=\"435\" border=\"0\">",
        "\t<tr>",
        "\t\t<td class=\"text\" align=\"left\" width=\"435\" bgcolor=\"ffffff\" height=\"20\">",
        "\t\t\t<table bordercolor=\"ffcc99\" height=\"20\" cellspacing=\"0\" cellpadding=\"0\" width=\"441\" "
        "bgcolor=\"ffcc99\" border=\"1\">",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t<td width=\"441\" style=\"word-wrap: break-word\">",
        "\t\t\t\t\t\t<span class=\"orangetext15\">" + kOwner + "'s Friends Comments",
        "\t\t\t\t\t\t</span>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t</table>",
        "\t\t\t<table bordercolor=\"000000\" cellspacing=\"3\" cellpadding=\"0\" width=\"435\" align=\"center\" "
        "bgcolor=\"ffffff\" border=\"0\">",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t<td>",
        "\t\t\t\t\t\t<b>Displaying",
        "\t\t\t\t\t\t<span class=\"redtext\"> 2",
        "\t\t\t\t\t\t</span>of",
        "\t\t\t\t\t\t<span class=\"redtext\"> 2",
        "\t\t\t\t\t\t</span>comments&nbsp;(",
        "\t\t\t\t\t\t<a href=\"#self\">View All",
        "\t\t\t\t\t\t</a>",
        "\t\t\t\t\t\t|",
        "\t\t\t\t\t\t<a href=\"#self\">Add Comment",
        "\t\t\t\t\t\t</a>",
        "\t\t\t\t\t\t)",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t<td bordercolor=\"ff9933\" bgcolor=\"ffcccc\">",
        "\t\t\t\t\t\t<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" bordercolor=\"FFffff\">",
    });
    const int rows = d + 7;
    PutCommentRow(page, rows, kFriends[0], 9, "11/27/2006 9:14 PM");
    Put(page, rows, {""});
    PutCommentRow(page, rows, kFriends[1], 10, "11/25/2006 4:02 PM");
    Put(page, d, {
        "\t\t\t\t\t\t</table>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t<td align=\"right\">",
        "\t\t\t\t\t\t<a href=\"#self\">Add Comment",
        "\t\t\t\t\t\t</a>",
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t</table>",
        "\t\t</td>",
        "\t</tr>",
        "</table>",
        "<img id=\"ctl00_Main_ctl00_UserComments1_indimg\" width=\"1\" height=\"1\" />",
    });
}

void PutRightColumn(std::string& page, int d)
{
    Put(page, d, {"<br> <!-- NETWORK INFORMATION : BEGIN -->"});
    PutExtendedNetwork(page, d);
    PutBlog(page, d);
    PutBlurbs(page, d);
    PutFriendSpace(page, d);
    PutFriendsComments(page, d);
}

// ---------------------------------------------------------------------------
// Main table, footer and page end

void PutMainTable(std::string& page)
{
    Put(page, 0, {
        "<table width=\"800\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" align=\"center\">",
        "\t<tr>",
        "\t\t<td width=\"20\" bgcolor=\"FFFFFF\">",
        "\t\t\t<img src=\"html\\html\\clear.gif\" width=\"15\" height=\"2\" border=\"0\">",
        "\t\t</td>",
        "\t\t<td width=\"780\" align=\"center\" bgcolor=\"FFFFFF\">",
        "\t\t\t<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\">",
        "\t\t\t\t<tr>",
        "\t\t\t\t\t<td width=\"275\" height=\"33\" align=\"center\" valign=\"top\" bgcolor=\"FFFFFF\">",
    });
    PutLeftColumn(page, 6);
    Put(page, 0, {
        "\t\t\t\t\t</td>",
        "\t\t\t\t\t<td valign=\"top\" align=\"center\" width=\"15\" bgcolor=\"#ffffff\">",
        "\t\t\t\t\t\t<img id=\"ctl00_Main_ctl00_Img2\" height=\"1\" width=\"20\" border=\"0\" />",
        "\t\t\t\t\t</td>",
        "\t\t\t\t\t<td class=\"text\" valign=\"top\" align=\"center\" width=\"435\" bgcolor=\"#ffffff\">",
    });
    PutRightColumn(page, 6);
    Put(page, 0, {
        "\t\t\t\t\t</td>",
        "\t\t\t\t</tr>",
        "\t\t\t</table>",
        "\t\t</td>",
        "\t</tr>",
        "</table>",
        "",
        "",
    });
}

void PutFooter(std::string& page)
{
    Put(page, 0, {
        "<style>",
        "a .text {",
        "\tfont-weight: bold;",
        "\tfont-family: Arial, Helvetica, sans-serif;",
        "}",
        "</style>",
        "",
        "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
        "\t<tr bgcolor=\"#e5e5e5\" valign=\"top\">",
        "\t\t<td>",
        "\t\t\t<div align=\"center\">",
        "\t\t\t\t<div align=\"center\">",
        "\t\t\t\t\t<br/>",
    });
    const int d = 5;
    const char* const labels[] = {"About", "FAQ", "Terms", "Privacy", "Safety Tips", "Contact MySpace",
                                  "Report Inappropriate Content", "Promote!", "Advertise"};
    for (const char* label : labels) {
        PutFooterLink(page, d, label);
        PutNavSeparator(page, d);
    }
    PutFooterLink(page, d, "MySpace International", false);
    Put(page, 0, {
        "\t\t\t\t</div>",
        "\t\t\t\t<br />",
        "\t\t\t\t<br />",
        "\t\t\t\t<font  face=\"Arial, Helvetica, sans-serif\" size=\"0\">&copy; 2003-2006 MySpace.com. "
        "All Rights Reserved.",
        "\t\t\t\t</font>",
        "\t\t\t</div>",
        "\t\t</td>",
        "\t</tr>",
        "</table>",
    });
}

void PutPageEnd(std::string& page)
{
    Put(page, 0, {
        "",
        "",
        "</body>",
        "",
        "<IFRAME SRC=\"\" NAME=\"Q7B2X9K4M1T6R8W3Z5N0P2L7\" ID=\"Q7B2X9K4M1T6R8W3Z5N0P2L7\" "
        "STYLE=\"border:0px;width:0px;height:0px;\">",
        "</IFRAME>",
        "",
        "<style type=\"text/css\">",
        "body, html {visibility:visible !important; display:block !important}",
        "</style>",
        "",
        "</html>",
        "",
        "",
        "<!-- onRequestEnd -->",
        "",
    });
}

} // namespace

void AppendPageBody(std::string& page)
{
    PutPageStart(page);
    PutTopOfPage(page);
    PutNavigationBar(page);
    PutProfileStyleSheet(page);
    PutMainTable(page);
    PutFooter(page);
    PutPageEnd(page);
}
