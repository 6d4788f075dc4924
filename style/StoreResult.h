// Whether an edit of the working page reached the file: what the style
// document's operations return, the property handlers pass on with their
// refresh, and the main frame tells the user of.
#pragma once

// What an edit of the working page came to.
enum class StoreResult {
    Stored, // the change is on the page, or there was nothing to change
    Failed, // the page could not be read or written; it holds what it held before
};

// The result of several edits made for one change: failed when any failed.
inline StoreResult operator&(StoreResult first, StoreResult second)
{
    return first == StoreResult::Failed ? first : second;
}
inline StoreResult& operator&=(StoreResult& result, StoreResult next)
{
    return result = result & next;
}
