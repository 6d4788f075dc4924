#include "page/SiteStyleSheet.h"

#include <initializer_list>
#include <utility>

// The service's own style sheet, kept in its compact one-rule-per-line form:
// "selector {property:value; property:value;}", colours as "rgb(r,g,b)"
// without blanks, group comments on lines of their own behind one TAB. The
// long regular families (text classes, link classes, colour, width and
// height classes, padding and margin) are tables below; the rest are quoted
// rules.

namespace {

const char kFontList[] = "verdana,arial,sans-serif,helvetica";

// Link state colours in the service's shorthand.
const char kB[] = "color:rgb(0,51,153);";
const char kR[] = "color:rgb(204,0,0);";
const char kW[] = "color:rgb(255,255,255);";

void Line(std::string& page, const std::string& text)
{
    page += text;
    page += "\r\n";
}

void Comment(std::string& page, const char* text)
{
    page += "\t/* ";
    page += text;
    page += " */\r\n";
}

void Rule(std::string& page, const std::string& selector, const std::string& declarations)
{
    Line(page, selector + " {" + declarations + "}");
}

void Rules(std::string& page, std::initializer_list<std::pair<const char*, const char*>> rules)
{
    for (const auto& rule : rules) Rule(page, rule.first, rule.second);
}

// ---- Text classes ------------------------------------------------------

struct TextClass {
    const char* selector;
    const char* size;
    const char* colour;
    const char* weight;
    const char* extra;    // further declarations, or nullptr
    const char* fontList; // nullptr: the service's default list
};

const TextClass kTextClasses[] = {
    {".text", "8pt", "rgb(0,0,0)", "normal", nullptr, nullptr},
    {".spacetext", "10pt", "rgb(0,0,0)", "normal", "line-height: 18pt;", "arial,verdana,sans-serif,helvetica"},
    {".redtext", "10pt", "rgb(204,0,0)", "normal", nullptr, nullptr},
    {".redtext8", "8pt", "rgb(204,0,0)", "normal", nullptr, nullptr},
    {".redtext8b", "8pt", "rgb(204,0,0)", "bold", nullptr, nullptr},
    {".redbtext", "10pt", "rgb(204,0,0)", "normal", nullptr, nullptr},
    {".redtext12b", "12pt", "rgb(204,0,0)", "bold", nullptr, nullptr},
    {".bluebtext", "10pt", "rgb(0,51,153)", "normal", nullptr, nullptr},
    {".bluetext13", "13pt", "rgb(0,51,153)", "bold", nullptr, nullptr},
    {".redbtext", "10pt", "rgb(204,0,0)", "normal", nullptr, nullptr}, // the service states it twice
    {".utext", "9pt", "rgb(0,0,0)", "normal", "text-decoration:underline;", nullptr},
    {".orangetext", "10pt", "rgb(255,152,0)", "bold", nullptr, nullptr},
    {".orangetext2", "8pt", "rgb(255,153,51)", "bold", nullptr, nullptr},
    {".orangetext15", "9pt", "rgb(255,102,0)", "bold", nullptr, nullptr},
    {".lightbluetext8", "8pt", "rgb(51,102,153)", "bold", nullptr, nullptr},
    {".bluetext", "10pt", "rgb(0,51,153)", "normal", nullptr, nullptr},
    {".bluetext8", "8pt", "rgb(0,51,153)", "bold", nullptr, nullptr},
    {".whitetext7", "7pt", "rgb(255,255,255)", "bold", nullptr, nullptr},
    {".whitetext11", "11pt", "rgb(255,255,255)", "bold", nullptr, nullptr},
    {".whitetext12", "9pt", "rgb(255,255,255)", "bold", nullptr, nullptr},
    {".whitetext15", "15pt", "rgb(255,255,255)", "bold", nullptr, nullptr},
    {".blacktext15", "15pt", "rgb(0,0,0)", "normal", nullptr, nullptr},
    {".blacktext13", "13pt", "rgb(0,0,0)", "bold", nullptr, nullptr},
    {".blacktext12", "12pt", "rgb(0,0,0)", "bold", nullptr, nullptr},
    {".blacktext11", "11pt", "rgb(0,0,0)", "bold", nullptr, nullptr},
    {".nametext", "12pt", "rgb(0,0,0)", "bold", nullptr, nullptr},
    {".blacktext12nb", "12pt", "rgb(0,0,0)", "normal", nullptr, nullptr},
    {".blacktext10", "10pt", "rgb(0,0,0)", "bold", nullptr, nullptr},
    {".blacktext10nb", "10pt", "rgb(0,0,0)", "normal", nullptr, nullptr},
    {".blacktext9", "9pt", "rgb(0,0,0)", "bold", nullptr, nullptr},
    {".blacktext8", "8pt", "rgb(0,0,0)", "bold", nullptr, nullptr},
    {".blacktext8nb", "8pt", "rgb(0,0,0)", "normal", nullptr, nullptr},
    {".blacktext7", "7pt", "rgb(0,0,0)", "normal", nullptr, nullptr},
    {".footer", "8pt", "rgb(0,0,0)", "bold", nullptr, nullptr},
    {".skip", "8pt", "rgb(0,0,0)", "normal", "text-align:right;", nullptr},
    {".blacktext14bu", "14pt", "rgb(0,0,0)", "normal", "text-decoration:underline;", nullptr},
};

void AppendTextClass(std::string& page, const TextClass& text)
{
    std::string declarations = std::string("font-family:") + (text.fontList ? text.fontList : kFontList) + ";";
    declarations += std::string(" font-size:") + text.size + ";";
    declarations += std::string(" color:") + text.colour + ";";
    declarations += std::string(" font-weight:") + text.weight + ";";
    if (text.extra) declarations += std::string(" ") + text.extra;
    Rule(page, text.selector, declarations);
}

// ---- Link classes --------------------------------------------------------

// A link class: a base rule in the service's font list, then one rule for
// each of the states ":link", ":active", ":visited" and ":hover".
struct LinkClass {
    const char* selector;
    const char* base;       // declarations after the font family
    const char* states[4];  // link, active, visited, hover
    const char* stateExtra; // appended to every state rule, or nullptr
};

const char kUnderline[] = "text-decoration:underline;";

const LinkClass kLinkClasses[] = {
    {"a", "font-size:8pt; font-weight:bold; text-decoration:underline;", {kB, kB, kB, kR}, nullptr},
    {"a.chat", "font-size:8pt; font-weight:normal;", {kB, kB, kB, kR}, kUnderline},
    {"a.chatToolbar", "font-size:8pt; font-weight:bold; text-decoration:underline;", {kB, kB, kB, kR}, kUnderline},
    {"a.readmail", "font-size:8pt; font-weight:normal; text-decoration:underline;", {"color: Purple;", kB, kB, kR},
     nullptr},
    {"a.redlink", "font-size:8pt; font-weight:bold; text-decoration:underline;", {kR, kR, kR, kR}, nullptr},
    {"a.blink", "font-size:8pt; font-weight:normal; text-decoration:underline;",
     {"color:rgb(0,0,0);", "color:rgb(0,0,0);", "color:rgb(0,0,0);", kR}, nullptr},
    {"a.white", "font-size:8pt; text-decoration:underline;", {kW, kR, kW, kR}, nullptr},
    {"a.white7", "font-size:7pt; text-decoration:underline;", {kW, kR, kW, kR}, nullptr},
    {"a.black7", "font-size:7pt; text-decoration:underline;", {"color: Black;", kR, "color:Black;", kR}, nullptr},
    {"a.navbar", "font-size:8pt; font-weight:normal; text-decoration:underline;",
     {kW, kW, kW, "color:rgb(4,12,92);"}, nullptr},
    {"a.skip", "font-size:8pt; font-weight:bold; text-decoration:underline; text-align:right;", {kB, kB, kB, kR},
     nullptr},
    {"a.redlink7", "font-size:7pt; font-weight:bold; text-decoration:underline;", {kR, kR, kR, kR}, nullptr},
    {"a.graylink7", "font-size:7pt; font-weight:bold; text-decoration:underline;",
     {"color:Gray;", "color:Gray;", "color:Gray;", "color:Gray;"}, nullptr},
    {"a.graylink7light", "font-size:7pt; font-weight:normal; text-decoration:underline;",
     {"color:Gray;", "color:Gray;", "color:Gray;", "color:Gray;"}, nullptr},
    {"a.bluelink", "font-size:8pt; font-weight:bold; text-decoration:underline;", {kB, "color:red;", kB, "color:red;"},
     nullptr},
    {"a.searchlinkBig", "font-size:10pt; font-weight:bold; text-decoration:underline;",
     {"color:rgb(0,102,145);", "color:red;", "color:rgb(0,102,145);", "color:red;"}, nullptr},
    {"a.searchlinkSmall", "font-size:8pt; font-weight:normal; text-decoration:underline;",
     {"color:black;", "color:red;", "color:black;", "color:red;"}, nullptr},
};

void AppendLinkClass(std::string& page, const LinkClass& link)
{
    static const char* const kStates[] = {":link", ":active", ":visited", ":hover"};
    Rule(page, link.selector, std::string("font-family:") + kFontList + "; " + link.base);
    for (int i = 0; i < 4; ++i) {
        std::string declarations = link.states[i];
        if (link.stateExtra) declarations += std::string(" ") + link.stateExtra;
        Rule(page, std::string(link.selector) + kStates[i], declarations);
    }
}

// ---- Element class triples ----------------------------------------------

// One rule each for the table, tr and td elements of a class.
struct ClassTriple {
    const char* name;
    const char* declarations;
};

void AppendTriple(std::string& page, const ClassTriple& triple)
{
    for (const char* element : {"table", "tr", "td"}) Rule(page, std::string(element) + "." + triple.name, triple.declarations);
}

const ClassTriple kTableColours[] = {
    {"grey", "background-color:rgb(221,221,221);"},
    {"white", "background-color:rgb(255,255,255);"},
    {"accent_light", "background-color:rgb(201,215,232);"},
    {"accent_dark", "background-color:rgb(112,165,230);"},
    {"action", "background-color:rgb(221,221,221);"},
    {"blue_light", "background-color:rgb(204,204,204);"},
    {"blue_dark", "background-color:rgb(204,204,204);"},
};

const ClassTriple kNewClassTriples[] = {
    {"blue_border", "border-style:solid; border-width:2px; border-color:rgb(102,153,204);"},
    {"red_border", "border-style:solid; border-width:2px; border-color:rgb(204,0,0);"},
    {"black_border", "border-style:solid; border-width:2px; border-color:black;"},
    {"white", "background-color:rgb(255,255,255);"},
    {"blue_header", "font-size:9pt; font-weight:bold; color:rgb(255,255,255); background-color:rgb(102,153,204);"},
    {"orange_header", "font-size:9pt; font-weight:bold; color:rgb(255,255,255); background-color:rgb(255,153,0);"},
    {"red_header", "font-size:9pt; font-weight:bold; color:rgb(255,255,255); background-color:rgb(204,0,0);"},
    {"blue_white", "color:rgb(0,51,153); background-color:rgb(255,255,255);"},
    {"blue_dark_bold", "font-weight:bold; color:rgb(0,51,153); background-color:rgb(177,208,240);"},
    {"blue_dark_nobold_black", "font-weight:normal; color:rgb(0,0,0); background-color:rgb(177,208,240);"},
    {"blue_light_nobold", "font-weight:normal; background-color:rgb(213,232,251);"},
    {"blue_light_bold", "font-weight:bold; background-color:rgb(213,232,251);"},
};

const LinkClass kNewLinkClasses[] = {
    {"a.blue_white", "font-size:8pt; font-weight:bold; text-decoration:none;", {kB, kB, kB, kR}, nullptr},
};

// The service follows each of these bases with the plain link states again.
const char* const kPlainLinkBases[][2] = {
    {"a.rob", "font-size:8pt; font-weight:bold;"},
    {"a.bert", "font-size:10pt; font-weight:bold;"},
    {"a.spiel", "font-size:9pt; font-weight:normal;"},
    {"a.man", "font-size:8pt; font-weight:normal;"},
};

const char kStruckRed[] = "color:rgb(204,0,0); text-decoration:line-through;";

const LinkClass kClassifiedLinks[] = {
    {"a.classifiedAds", "font-size:8pt; font-weight:bold; text-decoration:underline;", {kB, kB, kB, kR}, kUnderline},
    {"a.classifiedListing", "font-size:8pt; font-weight:normal; text-decoration:underline;", {kB, kB, kB, kR},
     kUnderline},
    {"a.classifiedSmallLink", "font-size:7pt; font-weight:normal; text-decoration:underline;", {kB, kB, kB, kR},
     kUnderline},
    {"a.classifiedsTitle", "font-size:10pt; font-weight:bold; text-decoration:underline;", {kB, kB, kB, kR},
     kUnderline},
    {"a.classifiedsHome", "font-size:8pt; font-weight:bold; text-decoration:underline;", {kB, kB, kB, kR},
     kUnderline},
    {"a.classifiedsViewAll", "font-size:8pt; font-weight:normal; text-decoration:underline;", {kB, kB, kB, kR},
     kUnderline},
    {"a.classifiedsDone", "font-size:8pt; font-weight:bold; color:rgb(204,0,0); text-decoration:line-through;",
     {kStruckRed, kStruckRed, kStruckRed, kStruckRed}, nullptr},
};

// ---- Colour families -----------------------------------------------------

struct NamedColour {
    const char* name;
    const char* rgb;
    bool sideBorders; // also .borXT, .borXB, .borXL, .borXR
    const char* note; // comment after every rule of the colour, or nullptr
};

const NamedColour kNamedColours[] = {
    {"White", "rgb(255,255,255)", false, nullptr},
    {"Blue", "rgb(0,51,153)", true, nullptr},
    {"LtBlue", "rgb(213,232,251)", true, nullptr},
    {"DkBlue", "rgb(4,12,92)", false, nullptr},
    {"NavBlue", "rgb(102,152,203)", true, nullptr},
    {"Grey", "rgb(229,229,229)", true, nullptr},
    {"DkGrey", "rgb(102,102,102)", true, nullptr},
    {"Red", "rgb(204,0,0)", false, nullptr},
    {"Peach", "rgb(255,204,153)", false, nullptr},
    {"Purple", "rgb(153,102,204)", false, nullptr},
    {"Green", "rgb(0,153,0)", false, nullptr},
    {"Orange", "rgb(255,102,0)", true, "Alternative rgb(255,152,0)"},
    {"Black", "rgb(0,0,0)", true, nullptr},
};

void ColourRule(std::string& page, const NamedColour& colour, const std::string& selector,
                const std::string& declarations)
{
    Rule(page, selector, declarations);
    if (colour.note) Comment(page, colour.note);
}

void AppendColourFamilies(std::string& page)
{
    Comment(page, "Background");
    for (const NamedColour& colour : kNamedColours)
        ColourRule(page, colour, std::string(".bg") + colour.name, std::string("background-color:") + colour.rgb + ";");

    Comment(page, "Border");
    static const char* const kSides[][2] = {{"T", "top"}, {"B", "bottom"}, {"L", "left"}, {"R", "right"}};
    for (const NamedColour& colour : kNamedColours) {
        const std::string name = std::string(".bor") + colour.name;
        ColourRule(page, colour, name, std::string("border:1px solid ") + colour.rgb + ";");
        if (!colour.sideBorders) continue;
        for (const auto& side : kSides)
            ColourRule(page, colour, name + side[0], std::string("border-") + side[1] + ":1px solid " + colour.rgb + ";");
    }

    Comment(page, "Font Color");
    for (const NamedColour& colour : kNamedColours)
        ColourRule(page, colour, std::string(".txt") + colour.name, std::string("color:") + colour.rgb + ";");
}

// ---- Dimensions and spacing ----------------------------------------------

const int kWidths[] = {10,  20,  25,  50,  75,  100, 125, 150, 175, 200, 210, 225, 250, 260, 270,
                       275, 300, 325, 350, 375, 400, 450, 500, 525, 550, 600, 625, 650, 800};
const int kShortHeights[] = {15, 20, 25, 50, 75};
const int kTallHeightFirst = 100, kTallHeightLast = 400, kTallHeightStep = 25;

void AppendDimensions(std::string& page)
{
    Comment(page, "Dimensions");
    Comment(page, "Widths");
    for (int width : kWidths) Rule(page, ".w" + std::to_string(width), "width:" + std::to_string(width) + "px;");
    Comment(page, "Heights");
    auto height = [&page](int h) { Rule(page, ".h" + std::to_string(h), "height:" + std::to_string(h) + "px;"); };
    for (int h : kShortHeights) height(h);
    for (int h = kTallHeightFirst; h <= kTallHeightLast; h += kTallHeightStep) height(h);
}

// Padding and margin share their names: "" all sides, "TB" top and bottom,
// "RL" right and left.
struct Spacing {
    const char* sides;
    int pixels;
};

const Spacing kSpacings[] = {{"", 2},  {"", 3},   {"", 5},   {"", 10},  {"TB", 5},  {"TB", 10},
                             {"TB", 15}, {"RL", 5}, {"RL", 10}, {"RL", 15}, {"RL", 20}};

void AppendSpacing(std::string& page, const char* heading, const char* none, const char* prefix, const char* property)
{
    Comment(page, heading);
    Rule(page, none, std::string(property) + ":0;");
    for (const Spacing& spacing : kSpacings) {
        const std::string px = std::to_string(spacing.pixels) + "px;";
        const std::string selector = std::string(".") + prefix + spacing.sides + std::to_string(spacing.pixels);
        const std::string p = property;
        if (std::string(spacing.sides) == "TB")
            Rule(page, selector, p + "-top:" + px + " " + p + "-bottom:" + px);
        else if (std::string(spacing.sides) == "RL")
            Rule(page, selector, p + "-right:" + px + " " + p + "-left:" + px);
        else
            Rule(page, selector, p + ":" + px);
    }
}

// ---- The groups in page order ----------------------------------------------

void AppendOpeningRules(std::string& page)
{
    Rules(page, {
        {".verdana12", "font-family:verdana; font-size:12px; font-weight:normal; color:rgb(0,0,0);"},
        {".button", "padding-left:.6em; padding-right:.6em; padding-top:0.2em; padding-bottom:0.2em; "
                    "color:rgb(0,0,0); background-color:rgb(213,232,251); font-weight:bold; font-size:100%; "
                    "border-style:groove; border-color:rgb(102,153,204); border-width : 2;"},
    });

    Comment(page, "REDEFINED TAGS");
    Rules(page, {
        {".admin", "font-family:verdana; font-size:14px; font-weight:bold; color:rgb(0,51,153);"},
        {".openedmail", "font-family:verdana; font-size:11px; color:rgb(68,68,68);"},
        {".mailtext", "font-family:verdana; font-size:11px; color:rgb(0,51,153);"},
        {".mailtext:link", "color:rgb(0,51,153);"},
        {".mailtext:visited", "color:rgb(85,85,85);"},
        {".classifiedstext", "font-family:verdana; font-size:12px; color:rgb(0,51,153);"},
        {".classifiedstext:link", "color:rgb(0,51,153);"},
        {".mailtext:hover", "color:rgb(255,0,0);"},
        {"body, td, li, p, div, textarea",
         "font-family:verdana,arial,sans-serif,helvetica; font-size:8pt; color:rgb(0,0,0); font-weight:normal;"},
    });
}

void AppendTextRules(std::string& page)
{
    Comment(page, "TEXT DEFAULTS");
    for (const TextClass& text : kTextClasses) AppendTextClass(page, text);
    for (const LinkClass& link : kLinkClasses) AppendLinkClass(page, link);

    Comment(page, "TEXT FORMATTING");
    Comment(page, "DEFAULT FONT, SIZE 8, BLACK");
    Rules(page, {
        {".btext, .itext", "font-size:8pt; color:rgb(0,0,0);"},
        {".btext", "font-weight:bold;"},
        {".itext", "font-style:italic;"},
    });
    Comment(page, "DEFAULT FONT, SIZE 8, COLORS");
    Rules(page, {
        {".bwtext, .rtext, .rbtext, .subhead", "font-size:8pt; font-weight:bold;"},
        {".bwtext", "color:rgb(255,255,255);"},
        {".rtext", "color:rgb(204,0,0);"},
        {".rbtext", "color:rgb(204,0,0); font-weight:bold;"},
        {".subhead", "color:rgb(37,40,114);"},
    });
    Comment(page, "DEFAULT FONT, SIZE 8");
    Rules(page, {
        {".stext, .sbtext, .swtext", "font-size:8pt;"},
        {".stext", "color:rgb(85,85,85);"},
        {".sbtext", "font-weight:bold; color:rgb(0,0,0);"},
        {".swtext", "color:rgb(255,255,255);"},
    });
    Comment(page, "DEFAULT FONT, SIZE 11");
    Rules(page, {
        {".head11, .text11", "font-size:11pt;"},
        {".head11", "font-weight:bold; color:rgb(37,40,114);"},
        {".text11", "color:rgb(0,0,0);"},
    });
    Comment(page, "DEFAULT FONT, SIZE 13");
    Rules(page, {
        {"td.head11, td.text11", "font-size:11pt;"},
        {"td.head11", "font-weight:bold; color:rgb(37,40,114);"},
        {"td.text11", "color:rgb(0,0,0);"},
    });
    Comment(page, "DEFAULT FONT, SIZE 13");
    Rules(page, {
        {"td.head13, td.text13", "font-size:13pt;"},
        {"td.head13", "font-weight:bold; color:rgb(37,40,114);"},
        {"td.text13", "color:rgb(0,0,0);"},
    });
}

void AppendTableColours(std::string& page)
{
    Comment(page, "TABLE COLORS");
    for (const ClassTriple& triple : kTableColours) AppendTriple(page, triple);
    Rules(page, {
        {".alpha", "filter:alpha(opacity=25);opacity: 0.5;-moz-opacity:0.5;"},
        {".required", "font-size:12px; color:rgb(255,51,0); line-height: 130%;"},
        {".warning", "font-size:14px; color:rgb(255,51,0); font-weight:bold; line-height: 130%;"},
    });
}

void AppendNewClasses(std::string& page)
{
    Line(page, "\t/*-----------------------NEW");
    Line(page, "\tCLASSES-----------------------*/");
    for (const ClassTriple& triple : kNewClassTriples) AppendTriple(page, triple);
    for (const LinkClass& link : kNewLinkClasses) AppendLinkClass(page, link);
    for (const auto& base : kPlainLinkBases) {
        Rule(page, base[0], std::string("font-family:") + kFontList + "; " + base[1]);
        Rules(page, {
            {"a:link", "color:rgb(0,51,153); text-decoration:none;"},
            {"a:active", "color:rgb(204,0,0); text-decoration:underline;"},
            {"a:visited", "color:rgb(0,51,153); text-decoration:none;"},
            {"a:hover", "color:rgb(204,0,0); text-decoration:underline;"},
        });
    }
    for (const LinkClass& link : kClassifiedLinks) AppendLinkClass(page, link);
    Line(page, "\t/*----------------------END OF NEW");
    Line(page, "\tCLASSES-----------------------*/");
}

void AppendSearchStyles(std::string& page)
{
    Comment(page, "Myspace Search styles - begins");
    Rules(page, {
        {"#searchResultPageBody", "width:800px; margin:0 auto; text-align:left;"},
        {"#resultsContent", "float:left; width:560px; padding:0 10px 0 0;"},
        {"#resultsPages", "clear:both; padding:10px 0; text-align:center;"},
        {"#sponsoredLinksRight", "float:right; width:220px; margin:0 0 10px 10px;"},
        {"#friendFinder", "width:560px; margin:0 0 10px 0;"},
        {"#friendFinder form", "margin:0; padding:0;"},
        {"#friendFinder fieldset", "border:1px solid rgb(102,153,204); padding:5px 10px 10px 10px;"},
        {"#friendFinder legend", "padding:0 0 0 20px; font-weight:bold; color:rgb(0,51,153); "
                                 "background:url(http://images.example.com/images/icon_friends.gif) no-repeat left center;"},
        {"#friendFinder input", "font-size:8pt; margin:0 5px 0 0;"},
        {".url", "color:rgb(0,128,0);"},
    });
    Comment(page, "Myspace Search styles - ends");
}

void AppendGeneralRules(std::string& page)
{
    Comment(page, "Links");
    Rules(page, {
        {"a:link, a:active, a:visited", "color:rgb(0,51,153);"},
        {"a:hover", "color:rgb(204,0,0); text-decoration:underline;"},
    });
    Comment(page, "Lists");
    Rules(page, {
        {".simpleList li", "margin:0; padding:0; list-style:none;"},
        {"#yourschools dl", "margin:0; padding:0;"},
        {"#yourschools dt", "font-weight:bold; margin:0;"},
        {"#yourschools dd", "margin:0 0 8px 0;"},
    });
    Comment(page, "Forms");
    Rules(page, {
        {".form label, .form input, .form select", "float:left; margin:0 0 5px 0;"},
        {".form label", "width:120px; text-align:right; padding:0 5px 0 0;"},
    });
    Comment(page, "Div's");
    Rules(page, {
        {"#wrap", "width:800px; margin:0 auto; background-color:rgb(255,255,255); text-align:left;"},
        {"#main", "width:800px; margin:0 auto;"},
        {"#content", "padding:10px; text-align:left;"},
        {"#contentWrap", "width:100%; overflow:hidden;"},
        {"#header a, #topnav a", "color:rgb(255,255,255); text-decoration:none;"},
        {"#topnav a:hover", "color:rgb(4,12,92); text-decoration:underline;"},
        {"#header_bandJoin", "float:right; padding:5px 10px 0 0;"},
    });
    Comment(page, "Classes");
    Rules(page, {
        {".clear", "clear:both;"},
        {".left", "float:left;"},
        {".right", "float:right;"},
        {".advert", "margin:0 auto 10px auto; text-align:center;"},
        {".relative", "position:relative;"},
    });
}

void AppendFontRules(std::string& page)
{
    Comment(page, "Font Size");
    Rules(page, {
        {".txt1", "font-size:1em;"},
        {".txt2", "font-size:1.25em;"},
        {".txt3", "font-size:1.5em;"},
        {".txt4", "font-size:1.75em;"},
        {".txt5", "font-size:2em;"},
    });
    Comment(page, "Font Alignment");
    Rules(page, {
        {".txtleft", "text-align:left;"},
        {".txtcenter", "text-align:center;"},
        {".txtright", "text-align:right;"},
        {".txtjustify", "text-align:justify;"},
    });
    Comment(page, "Font Line Height");
    Rules(page, {
        {".txtL2", "line-height:125%;"},
        {".txtL3", "line-height:150%;"},
        {".txtL4", "line-height:175%;"},
        {".txtL5", "line-height:200%;"},
    });
    Comment(page, "Links");
    Rules(page, {
        {".whiteLink a", "color:rgb(255,255,255);"},
        {".noline a", "text-decoration:none;"},
    });
}

void AppendClosingRules(std::string& page)
{
    AppendSpacing(page, "Padding", ".noPad", "pad", "padding");
    AppendSpacing(page, "Margin", ".noMar", "mar", "margin");
    Comment(page, "Visibility");
    Rules(page, {
        {".off", "visibility:hidden;"},
        {".on", "display:block;"},
        {"#greybox", "width:458px; padding:10px; background-color:rgb(242,245,247); border:1px solid rgb(208,228,253);"},
        {".BoxedAdLinks", "width:300px; margin:0 auto 10px auto; padding:5px; border:1px solid rgb(204,204,204);"},
    });
}

} // namespace

void AppendSiteStyleSheet(std::string& page)
{
    Line(page, "<style type=\"text/css\">");
    AppendOpeningRules(page);
    AppendTextRules(page);
    AppendTableColours(page);
    AppendNewClasses(page);
    AppendSearchStyles(page);
    AppendGeneralRules(page);
    AppendColourFamilies(page);
    AppendFontRules(page);
    AppendDimensions(page);
    AppendClosingRules(page);
    Line(page, "</style>");
}
