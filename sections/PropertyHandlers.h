// The property handlers: each turns the state of one control into
// declarations of the style block and stores them through StyleDocument; the
// one place that runs them then asks the main frame to refresh the preview,
// as the row's refresh column says, and tells it whether the stores reached
// the page. The seven table-driven kinds are one routine each over their
// PropertyRow; the nine special handlers have logic of their own. Handlers
// keep no state between runs.
#pragma once

#include "sections/PageControls.h"
#include "sections/PropertyTable.h"

#include <string>
#include <vector>

namespace sections {

// The data of an up-down's UDN_DELTAPOS (NMUPDOWN iPos and iDelta).
struct UpDownChange {
    int position = 0;
    int delta = 0;
};

// Runs the row's handler against the page's controls, then sends the refresh
// (PageControls::SendRefresh, kPageChangedMessage) at most once, after the
// handler's last edit of the working page: not when it edited nothing, nor
// while the check box of a row that refreshes only when cleared is ticked.
// Size handlers take the up-down's notification data; every other kind
// ignores it. The page answers the routed message with 0 afterwards. Returns
// whether every store of the change reached the working page.
StoreResult RunPropertyHandler(const PropertyRow& row, PageControls& page, const UpDownChange& change = {});

// "rgb(r, g, b)" of a colour value; the top byte is ignored.
std::string RgbText(ColorValue color);

// An image address as "Apply Image" writes it into an unquoted url(): "%"
// and two upper-case hex digits stand for every byte outside printable ASCII
// (control characters, line ends and DEL; the UTF-8 bytes of a letter such as
// "\xC3\xA9", so that the page stays pure ASCII and every browser reads the
// address the same in any code page) and for the blank, '"', "'", "(", ")",
// "\\", "<" and ">", which would end the url() or the style element or make
// the declaration invalid. Every other byte stays as typed.
std::string EscapeImageAddress(const std::string& address);

// The rule blocks that the Contact page's "Use Image" writes when ticked and
// removes when cleared, in order.
struct ContactImageRule {
    std::string selector;
    std::vector<std::string> properties;
    std::vector<std::string> values;
};
const std::vector<ContactImageRule>& ContactImageRules();

} // namespace sections
