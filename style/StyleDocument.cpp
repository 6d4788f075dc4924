#include "style/StyleDocument.h"

#include "style/FileText.h"
#include "style/TextPrimitives.h"

namespace {

const char kMarkerWord[] = "Glimmerpatch";
const char kBlockEnd[] = "}\r\n";
const char kDeclarationEnd[] = ";\r\n";

std::string& PagePathValue()
{
    static std::string value;
    return value;
}

// Removes the first declaration line with the key inside the block that
// starts at s. Returns true when a line was removed.
bool RemoveDeclaration(std::string& page, TextPosition s, const std::string& key)
{
    const TextPosition e = Find(page, kBlockEnd, s);
    const TextPosition d = Find(page, key, s);
    if (d == -1 || d >= e) return false;
    const TextPosition t = Find(page, kDeclarationEnd, d);
    // Without a ";\r\n" the count is negative and nothing is removed.
    const TextPosition count = t == -1 ? -1 : t - d + 3;
    Delete(page, d, count);
    return count > 0;
}

// Replaces the property's declaration inside the block at s, or adds it as
// the block's last line.
void SetDeclaration(std::string& page, TextPosition s, const std::string& property, const std::string& value)
{
    const std::string key = "\t" + property;
    RemoveDeclaration(page, s, key);
    Insert(page, Find(page, kBlockEnd, s), key + ": " + value + kDeclarationEnd);
}

} // namespace

namespace StyleDocument {

void SetPagePath(const std::string& path)
{
    PagePathValue() = path;
}

const std::string& PagePath()
{
    return PagePathValue();
}

bool LoadPage(std::string& page)
{
    return ReadWholeFile(PagePath(), page);
}

StoreResult StorePage(const std::string& page)
{
    return WriteWholeFile(PagePath(), page) ? StoreResult::Stored : StoreResult::Failed;
}

StoreResult SetProperty(const std::string& selector, const std::string& property, const std::string& value)
{
    return SetProperties(selector, {property}, {value});
}

StoreResult SetProperties(const std::string& selector, const std::vector<std::string>& properties,
                          const std::vector<std::string>& values)
{
    std::string page;
    if (!LoadPage(page)) return StoreResult::Failed;
    const TextPosition m = Find(page, kMarkerWord, 0);
    const TextPosition s = Find(page, selector, m);
    const std::size_t count = properties.size() < values.size() ? properties.size() : values.size();
    if (s != -1) {
        for (std::size_t i = 0; i < count; ++i)
            SetDeclaration(page, s, properties[i], values[i]);
    } else {
        std::string block = selector + "\r\n";
        for (std::size_t i = 0; i < count; ++i)
            block += "\t" + properties[i] + ": " + values[i] + kDeclarationEnd;
        block += kBlockEnd;
        Insert(page, Find(page, "</style>", m), block);
    }
    return StorePage(page);
}

StoreResult RemoveRule(const std::string& selector)
{
    std::string page;
    if (!LoadPage(page)) return StoreResult::Failed;
    const TextPosition m = Find(page, kMarkerWord, 0);
    const TextPosition s = Find(page, selector, m);
    if (s == -1) return StoreResult::Stored;
    const TextPosition e = Find(page, kBlockEnd, s);
    // A block without its closing line is left alone rather than cut short.
    if (e == -1) return StoreResult::Stored;
    Delete(page, s, e - s + 3);
    return StorePage(page);
}

StoreResult RemoveProperty(const std::string& selector, const std::string& property)
{
    return RemoveProperties(selector, {property});
}

StoreResult RemoveProperties(const std::string& selector, const std::vector<std::string>& properties)
{
    std::string page;
    if (!LoadPage(page)) return StoreResult::Failed;
    const TextPosition m = Find(page, kMarkerWord, 0);
    const TextPosition s = Find(page, selector, m);
    StoreResult result = StoreResult::Stored;
    if (s == -1) return result;
    for (const auto& property : properties) {
        if (RemoveDeclaration(page, s, "\t" + property)) result = StorePage(page);
    }
    return result;
}

std::string GetPropertyValue(const std::string& selector, std::string& property)
{
    std::string page;
    if (!LoadPage(page)) return std::string();
    const TextPosition m = Find(page, kMarkerWord, 0);
    const TextPosition s = Find(page, selector, m);
    if (s == -1) return std::string();
    const TextPosition e = Find(page, kBlockEnd, s);
    Insert(property, 0, "\t");
    const TextPosition d = Find(page, property, s);
    if (d == -1 || d >= e) return std::string();
    const TextPosition c = Find(page, ":", d);
    const TextPosition q = Find(page, ";", c);
    if (c == -1 || q == -1) return std::string();
    return Extract(page, c + 2, q - c - 2);
}

std::string GetStyleCode()
{
    std::string page;
    if (!LoadPage(page)) return std::string();
    const TextPosition m = Find(page, kMarkerWord, 0);
    const TextPosition b = Find(page, "<style type=", m);
    const TextPosition c = Find(page, "</style>", b);
    return Extract(page, b, c - b + 8);
}

} // namespace StyleDocument
