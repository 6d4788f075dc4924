#include "page/DefaultStyleBlock.h"

#include <initializer_list>

const char kMarkerComment[] = "<!-- Glimmerpatch -->";

namespace {

using Declarations = std::vector<std::string>;

// Short forms of the table below. font() is the four font lines in a fixed
// order, colour() one color line, link() a color line and its decoration.
Declarations Font(const char* family, const char* weight, const char* size)
{
    return {std::string("font-family: ") + family + ";", std::string("font-weight: ") + weight + ";",
            "font-style: normal;", std::string("font-size: ") + size + ";"};
}

std::string Rgb(int r, int g, int b)
{
    return "rgb(" + std::to_string(r) + ", " + std::to_string(g) + ", " + std::to_string(b) + ")";
}

Declarations Colour(int r, int g, int b)
{
    return {"color: " + Rgb(r, g, b) + ";"};
}

Declarations Link(int r, int g, int b, const char* decoration)
{
    return {"color: " + Rgb(r, g, b) + ";", std::string("text-decoration: ") + decoration + ";"};
}

Declarations Join(std::initializer_list<Declarations> parts)
{
    Declarations all;
    for (const Declarations& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Declarations kNone;
constexpr bool kBlank = true;
constexpr bool kNoBlank = false;

} // namespace

const std::vector<DefaultRuleBlock>& DefaultRuleBlocks()
{
    // One row per rule block, numbered as on the page. "position:relative;"
    // keeps the site's own spelling without a blank after the colon.
    static const std::vector<DefaultRuleBlock> blocks = {
        /*  1 */ {"body{", {"background-image: none;", "background-color: rgb(229, 229, 229);"}, kBlank},
        /*  2 */ {"body, table, td{", {"background-color: none;"}, kBlank},
        /*  3 */ {"div table{", kNone, kNoBlank},
        /*  4 */ {"div table form tr td table{", {"width: auto;"}, kBlank},
        /*  5 */ {"div table form tr td{", kNone, kNoBlank},
        /*  6 */ {"div table form tr td table tr td{", {"border: none;"}, kNoBlank},
        /*  7 */ {"div table tr td table tr td{", kNone, kBlank},
        /*  8 */ {"table table{", kNone, kNoBlank},
        /*  9 */ {"table table table{", {"position:relative;", "left: -6px;"}, kNoBlank},
        /* 10 */ {"table table table td{", {"width: auto;"}, kNoBlank},
        /* 11 */ {"table table table table{", {"position:relative;", "left: 0px;", "border: none;"}, kNoBlank},
        /* 12 */ {"table table table table table{", {"width: 100% !important;"}, kBlank},
        /* 13 */ {"div table form tr td font, div table form tr td a.navbar, div table form tr td table tr td a.man, "
                  "div table form tr td table tr td font{",
                  Font("Verdana", "normal", "8pt"), kBlank},
        /* 14 */ {"div table form tr td font, div table form tr td table tr td font{", Colour(255, 255, 255), kNoBlank},
        /* 15 */ {"div table form tr td a.navbar:link font, div table form tr td table tr td a.man:link font{",
                  Link(255, 255, 255, "none"), kNoBlank},
        /* 16 */ {"div table form tr td a.navbar:visited font, div table form tr td table tr td a.man:visited font{",
                  Link(255, 255, 255, "none"), kNoBlank},
        /* 17 */ {"div table form tr td a.navbar:hover font, div table form tr td table tr td a.man:hover font{",
                  Link(4, 12, 92, "underline"), kNoBlank},
        /* 18 */ {"div table form tr td a.navbar:active font, div table form tr td table tr td a.man:active font{",
                  Link(255, 255, 255, "none"), kBlank},
        /* 19 */ {"div table tr td table tr td font a.navbar{", Font("Verdana", "normal", "8pt"), kNoBlank},
        /* 20 */ {"div table tr td table tr td font a.navbar:link{", Link(255, 255, 255, "none"), kNoBlank},
        /* 21 */ {"div table tr td table tr td font a.navbar:visited{", Link(255, 255, 255, "none"), kNoBlank},
        /* 22 */ {"div table tr td table tr td font a.navbar:hover{", Link(4, 12, 92, "underline"), kNoBlank},
        /* 23 */ {"div table tr td table tr td font a.navbar:active{", Link(255, 255, 255, "none"), kNoBlank},
        /* 24 */ {"div table tr td table tr td font{", Join({Font("Helvetica", "normal", "8pt"), Colour(0, 0, 0)}), kBlank},
        /* 25 */ {".nametext{", Join({Font("Verdana", "bold", "12pt"), Colour(0, 0, 0)}), kNoBlank},
        /* 26 */ {"table tr td table tr td table tr td .text{", Join({Font("Helvetica", "bold", "8pt"), Colour(0, 0, 0)}),
                  kNoBlank},
        /* 27 */ {"table tr td table tr td table tr td{", Join({Font("Verdana", "normal", "8pt"), Colour(0, 0, 0)}), kNoBlank},
        /* 28 */ {"table tr td table tr td table tr td a{", Font("Verdana", "bold", "8pt"), kNoBlank},
        /* 29 */ {"table tr td table tr td table tr td a:link{", Link(0, 51, 153, "none"), kNoBlank},
        /* 30 */ {"table tr td table tr td table tr td a:visited{", Link(0, 51, 153, "none"), kNoBlank},
        /* 31 */ {"table tr td table tr td table tr td a:hover{", Link(204, 0, 0, "underline"), kNoBlank},
        /* 32 */ {"table tr td table tr td table tr td a:active{", Link(0, 51, 153, "none"), kBlank},
        /* 33 */ {"table tr td table tr td table tr td table tr td div strong{",
                  Join({Font("Verdana", "bold", "8pt"), Colour(0, 0, 0)}), kNoBlank},
        /* 34 */ {"table tr td table tr td table tr td div{", Join({Font("Verdana", "normal", "8pt"), Colour(0, 0, 0)}),
                  kBlank},
        /* 35 */ {"table tr td table tr td .text .whitetext12{",
                  Join({Font("Verdana", "bold", "9pt"), Colour(255, 255, 255)}), kBlank},
        /* 36 */ {"table tr td table tr td table tr td .lightbluetext8{",
                  Join({Font("Verdana", "bold", "8pt"), Colour(51, 102, 153)}), kNoBlank},
        /* 37 */ {"table tr td table tr td table tr td a.searchlinkSmall{", Font("Verdana", "normal", "8pt"), kNoBlank},
        /* 38 */ {"table tr td table tr td table tr td a.searchlinkSmall:link{", Link(0, 0, 0, "none"), kNoBlank},
        /* 39 */ {"table tr td table tr td table tr td a.searchlinkSmall:visited{", Link(0, 0, 0, "none"), kNoBlank},
        /* 40 */ {"table tr td table tr td table tr td a.searchlinkSmall:hover{", Link(255, 0, 0, "underline"), kNoBlank},
        /* 41 */ {"table tr td table tr td table tr td a.searchlinkSmall:active{", Link(255, 0, 0, "none"), kBlank},
        /* 42 */ {"table tr td table .contactTable tr td .whitetext12{",
                  Join({Font("Verdana", "bold", "9pt"), Colour(255, 255, 255), {"display: inline;"}}), kBlank},
        /* 43 */ {"table tr td.text table tr td .blacktext12{", Join({Font("Verdana", "bold", "12pt"), Colour(0, 0, 0)}),
                  kBlank},
        /* 44 */ {"table tr td.text table tr td .btext{", Join({Font("Verdana", "bold", "8pt"), Colour(0, 0, 0)}), kNoBlank},
        /* 45 */ {"table tr td.text table tr td{", Join({Font("Verdana", "normal", "8pt"), Colour(0, 0, 0)}), kNoBlank},
        /* 46 */ {"table tr td.text table tr td a{", Font("Verdana", "bold", "8pt"), kNoBlank},
        /* 47 */ {"table tr td.text table tr td a:link{", Link(0, 51, 153, "none"), kNoBlank},
        /* 48 */ {"table tr td.text table tr td a:visited{", Link(0, 51, 153, "none"), kNoBlank},
        /* 49 */ {"table tr td.text table tr td a:hover{", Link(204, 0, 0, "underline"), kNoBlank},
        /* 50 */ {"table tr td.text table tr td a:active{", Link(0, 51, 153, "none"), kBlank},
        /* 51 */ {"table tr td.text table tr td.text .orangetext15{",
                  Join({Font("Verdana", "bold", "9pt"), Colour(255, 102, 0), {"display: inline;"}}), kNoBlank},
        /* 52 */ {"table tr td.text table tr td table tr td .orangetext15{",
                  Join({Font("Verdana", "bold", "9pt"), Colour(255, 102, 0), {"display: inline;"}}), kNoBlank},
        /* 53 */ {"table tr td.text table tr td table tr td{", Join({Font("Verdana", "normal", "8pt"), Colour(0, 0, 0)}),
                  kBlank},
        /* 54 */ {"table tr td.text table tr td.text table tr td .orangetext15{",
                  Join({Font("Verdana", "bold", "9pt"), Colour(255, 102, 0), {"display: inline;"}}), kNoBlank},
        /* 55 */ {"table tr td.text table tr td.text table tr td .btext{",
                  Join({Font("Verdana", "bold", "8pt"), Colour(0, 0, 0)}), kNoBlank},
        /* 56 */ {"table tr td.text table tr td.text table tr td .btext .redbtext{",
                  Join({Font("Verdana", "normal", "10pt"), Colour(204, 0, 0)}), kBlank},
        /* 57 */ {"table tr td.text table tr td.text table tr td table tr td table tr td a{", Font("Verdana", "bold", "8pt"),
                  kNoBlank},
        /* 58 */ {"table tr td.text table tr td.text table tr td table tr td table tr td a:link{",
                  Link(0, 51, 153, "none"), kNoBlank},
        /* 59 */ {"table tr td.text table tr td.text table tr td table tr td table tr td a:visited{",
                  Link(0, 51, 153, "none"), kNoBlank},
        /* 60 */ {"table tr td.text table tr td.text table tr td table tr td table tr td a:hover{",
                  Link(204, 0, 0, "underline"), kNoBlank},
        /* 61 */ {"table tr td.text table tr td.text table tr td table tr td table tr td a:active{",
                  Link(0, 51, 153, "none"), kBlank},
        /* 62 */ {"table tr td.text table tr td.text table tr td a.redlink{", Font("Verdana", "bold", "8pt"), kNoBlank},
        /* 63 */ {"table tr td.text table tr td.text table tr td a.redlink:link{", Link(204, 0, 0, "none"), kNoBlank},
        /* 64 */ {"table tr td.text table tr td.text table tr td a.redlink:visited{", Link(204, 0, 0, "none"), kNoBlank},
        /* 65 */ {"table tr td.text table tr td.text table tr td a.redlink:hover{", Link(204, 0, 0, "underline"), kNoBlank},
        /* 66 */ {"table tr td.text table tr td.text table tr td a.redlink:active{", Link(204, 0, 0, "none"), kBlank},
        /* 67 */ {"table tr td.text table tr td.text table tr td b{", Join({Font("Verdana", "bold", "8pt"), Colour(0, 0, 0)}),
                  kNoBlank},
        /* 68 */ {"table tr td.text table tr td.text table tr td b .redtext{",
                  Join({Font("Verdana", "normal", "10pt"), Colour(204, 0, 0)}), kNoBlank},
        /* 69 */ {"table tr td.text table tr td.text table tr td b a{", Font("Verdana", "bold", "8pt"), kNoBlank},
        /* 70 */ {"table tr td.text table tr td.text table tr td b a:link{", Link(0, 51, 153, "none"), kNoBlank},
        /* 71 */ {"table tr td.text table tr td.text table tr td b a:visited{", Link(0, 51, 153, "none"), kNoBlank},
        /* 72 */ {"table tr td.text table tr td.text table tr td b a:hover{", Link(204, 0, 0, "underline"), kNoBlank},
        /* 73 */ {"table tr td.text table tr td.text table tr td b a:active{", Link(0, 51, 153, "none"), kBlank},
        /* 74 */ {"table tr td.text table tr td.text table tr td table tr td a{", Font("Verdana", "bold", "8pt"), kNoBlank},
        /* 75 */ {"table tr td.text table tr td.text table tr td table tr td a:link{", Link(0, 51, 153, "none"), kNoBlank},
        /* 76 */ {"table tr td.text table tr td.text table tr td table tr td a:visited{", Link(0, 51, 153, "none"),
                  kNoBlank},
        /* 77 */ {"table tr td.text table tr td.text table tr td table tr td a:hover{", Link(204, 0, 0, "underline"),
                  kNoBlank},
        /* 78 */ {"table tr td.text table tr td.text table tr td table tr td a:active{", Link(0, 51, 153, "none"),
                  kNoBlank},
        /* 79 */ {"table tr td.text table tr td.text table tr td table tr td .blacktext10{",
                  Join({Font("Verdana", "bold", "10pt"), Colour(0, 0, 0)}), kNoBlank},
        /* 80 */ {"table tr td.text table tr td.text table tr td table tr td{",
                  Join({Font("Verdana", "normal", "8pt"), Colour(0, 0, 0)}), kNoBlank},
        /* 81 */ {"table tr td.text table tr td.text table tr td a{", Font("Verdana", "bold", "8pt"), kNoBlank},
        /* 82 */ {"table tr td.text table tr td.text table tr td a:link{", Link(0, 51, 153, "none"), kNoBlank},
        /* 83 */ {"table tr td.text table tr td.text table tr td a:visited{", Link(0, 51, 153, "none"), kNoBlank},
        /* 84 */ {"table tr td.text table tr td.text table tr td a:hover{", Link(204, 0, 0, "underline"), kNoBlank},
        /* 85 */ {"table tr td.text table tr td.text table tr td a:active{", Link(0, 51, 153, "none"), kBlank},
        /* 86 */ {"table tr td div div a.text{", Font("Verdana", "normal", "8pt"), kNoBlank},
        /* 87 */ {"table tr td div div a:link{", Colour(0, 51, 153), kNoBlank},
        /* 88 */ {"table tr td div div a:visited{", Colour(0, 51, 153), kNoBlank},
        /* 89 */ {"table tr td div div a:hover{", Colour(204, 0, 0), kNoBlank},
        /* 90 */ {"table tr td div div a:active{", Colour(0, 51, 153), kNoBlank},
        /* 91 */ {"table tr td div div{", Join({Font("Verdana", "normal", "8pt"), Colour(0, 0, 0)}), kBlank},
        /* 92 */ {"table tr td div font{", Join({Font("Verdana", "normal", "8pt"), Colour(0, 0, 0)}), kNoBlank},
    };
    return blocks;
}

void AppendDefaultStyleBlock(std::string& page)
{
    page += kMarkerComment;
    page += "\r\n<style type=\"text/css\">\r\n";
    for (const DefaultRuleBlock& block : DefaultRuleBlocks()) {
        page += block.selector;
        page += "\r\n";
        for (const std::string& declaration : block.declarations) {
            page += '\t';
            page += declaration;
            page += "\r\n";
        }
        page += block.blankAfter ? "}\r\n\r\n" : "}\r\n";
    }
    page += "</style>\r\n";
}
