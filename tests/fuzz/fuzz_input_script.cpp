// Feeds arbitrary text to the test hooks' input script reader.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/testhooks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> errors;
    std::vector<platform::ScriptEvent> events = platform::parseInputScript(text, &errors);
    for (size_t i = 1; i < events.size(); ++i)
        if (events[i - 1].frame > events[i].frame) __builtin_trap();
    for (const platform::ScriptEvent& e : events)
        if (e.frame < 0 || e.line <= 0) __builtin_trap();
    return 0;
}
