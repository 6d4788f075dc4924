// Every property handler over a fake section page whose controls hold
// arbitrary states (colours, texts, check marks, up-down ranges, enabled or
// not) and arbitrary up-down notifications, on the default working page or an
// arbitrary one.
#include "page/WorkingPage.h"
#include "sections/PropertyHandlers.h"
#include "sections/PropertyTable.h"
#include "style/FileText.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/native/FakePage.h"

#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

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
    static const std::string defaultPage = WorkingPageText();
    FuzzedDataProvider input(data, size);
    const auto& table = sections::PropertyTable();
    const sections::PropertyRow& row = table[input.ConsumeIntegralInRange<std::size_t>(0, table.size() - 1)];

    testing_support::FakePage page;
    std::vector<int> ids = {row.controlId, row.edit, row.button, row.label};
    ids.insert(ids.end(), row.switched.begin(), row.switched.end());
    for (int id : ids) {
        if (input.ConsumeBool()) page.colors[id] = input.ConsumeIntegral<std::uint32_t>();
        if (input.ConsumeBool()) page.texts[id] = input.ConsumeRandomLengthString(64);
        if (input.ConsumeBool()) page.checked.insert(id);
        if (input.ConsumeBool()) page.ranges[id] = input.ConsumeIntegral<std::uint32_t>();
        if (input.ConsumeBool()) page.disabled.insert(id);
    }
    sections::UpDownChange change;
    change.position = input.ConsumeIntegral<int>();
    change.delta = input.ConsumeIntegral<int>();
    const std::string text = input.ConsumeBool() ? defaultPage : input.ConsumeRemainingBytesAsString();
    if (!WriteWholeFile(WorkingPagePath(), text)) std::abort();

    sections::RunPropertyHandler(row, page, change);
    return 0;
}
