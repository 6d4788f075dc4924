// The style document's operations on an arbitrary working page with
// arbitrary selectors, properties and values, through the real load and
// safe store on a folder in memory (/dev/shm where there is one).
#include "style/FileText.h"
#include "page/WorkingPage.h"
#include "style/StyleDocument.h"
#include "tests/fuzz/FuzzInput.h"

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition) std::abort();
}

std::string Page()
{
    std::string page;
    return ReadWholeFile(WorkingPagePath(), page) ? page : "<missing>";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char shm[] = "/dev/shm/glimmerpatch-fuzz-XXXXXX";
    char tmp[] = "/tmp/glimmerpatch-fuzz-XXXXXX";
    const char* folder = mkdtemp(shm);
    if (!folder) folder = mkdtemp(tmp);
    if (!folder) std::abort();
    SetStartupDirectory(folder);
    // libFuzzer ends by exit(): the page and its folder go with it.
    std::atexit([] {
        unlink(WorkingPagePath().c_str());
        rmdir(StartupDirectory().c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const auto fields = fuzzing::Fields(data + 1, size - 1, 4);
    const std::string& selector = fields[0];
    const std::vector<std::string> properties = fuzzing::List(fields[1]);
    const std::vector<std::string> values = fuzzing::List(fields[2]);
    const std::string& before = fields[3];
    if (!WriteWholeFile(WorkingPagePath(), before)) std::abort();
    Check(Page() == before);

    switch (data[0] % 7) {
    case 0:
        Check(StyleDocument::SetProperty(selector, properties[0], values[0]) == StoreResult::Stored);
        // The new declaration line is in the page whole, wherever it went.
        Check(Page().find("\t" + properties[0] + ": " + values[0] + ";\r\n") != std::string::npos);
        break;
    case 1: {
        Check(StyleDocument::SetProperties(selector, properties, values) == StoreResult::Stored);
        const std::size_t last = (properties.size() < values.size() ? properties.size() : values.size()) - 1;
        Check(Page().find("\t" + properties[last] + ": " + values[last] + ";\r\n") != std::string::npos);
        break;
    }
    case 2:
        Check(StyleDocument::RemoveRule(selector) == StoreResult::Stored && Page().size() <= before.size());
        break;
    case 3:
        Check(StyleDocument::RemoveProperty(selector, properties[0]) == StoreResult::Stored);
        Check(Page().size() <= before.size());
        break;
    case 4:
        Check(StyleDocument::RemoveProperties(selector, properties) == StoreResult::Stored);
        Check(Page().size() <= before.size());
        break;
    case 5: {
        std::string property = properties[0];
        const std::string value = StyleDocument::GetPropertyValue(selector, property);
        Check(Page() == before);
        Check(property == properties[0] || property == "\t" + properties[0]);
        Check(value.size() <= before.size());
        break;
    }
    default: {
        const std::string code = StyleDocument::GetStyleCode();
        Check(Page() == before);
        Check(before.find(code) != std::string::npos);
        break;
    }
    }
    return 0;
}
