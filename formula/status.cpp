#include "formula/status.h"

TMyStat MyStat;

void recordError(std::uint8_t code, FormulaMessage message, std::vector<std::string> args)
{
    if (!MyStat.Message.empty())
        return;
    setError(code, message, std::move(args));
}

void setError(std::uint8_t code, FormulaMessage message, std::vector<std::string> args)
{
    MyStat.Code = code;
    MyStat.Message = formulaMessageText(message, args);
    MyStat.MessageId = message;
    MyStat.MessageArgs = std::move(args);
}

void clearMessage()
{
    MyStat.Message.clear();
    MyStat.MessageId = FormulaMessage::None;
    MyStat.MessageArgs.clear();
}

void clearStatus()
{
    MyStat.Code = 0;
    clearMessage();
}
