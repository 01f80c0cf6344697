#include "exercises/script.h"

#include "formula/packetdata.h"
#include "formula/random.h"

#include <charconv>
#include <numbers>

std::string piText()
{
    // 17 significant digits identify a double uniquely; to_chars ignores the locale.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::numbers::pi,
                                      std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

void defineStepVariables(TMyPacketData& data, const std::vector<std::string>& randomNames)
{
    data.AddVariable("~p", piText());
    randomizeFromClock();
    for (const std::string& name : randomNames)
        data.AddVariable(name, std::to_string(randomBelow(100)));
}
