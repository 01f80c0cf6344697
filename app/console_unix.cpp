#include "app/console.h"

QStringList commandLineArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void writeConsoleText(const QString& text, std::FILE* stream)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
