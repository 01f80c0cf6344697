#include "formula/status.h"

TMyStat MyStat;

void recordError(std::uint8_t code, const std::string& message)
{
    if (!MyStat.Message.empty())
        return;
    MyStat.Code = code;
    MyStat.Message = message;
}

void clearStatus()
{
    MyStat.Code = 0;
    MyStat.Message.clear();
}
