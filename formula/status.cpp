#include "formula/status.h"

TMyStat MyStat;

void RecordError(std::uint8_t code, const std::string& message)
{
    if (!MyStat.Message.empty())
        return;
    MyStat.Code = code;
    MyStat.Message = message;
}

void ClearStatus()
{
    MyStat.Code = 0;
    MyStat.Message.clear();
}
