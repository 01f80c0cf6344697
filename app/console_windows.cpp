#include "app/console.h"

#include <qt_windows.h>
#include <shellapi.h>

QStringList commandLineArguments(int argc, char** argv)
{
    QStringList arguments;
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
        return arguments;
    }
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void writeConsoleText(const QString& text, std::FILE* stream)
{
    // The program is a window program: started from a console it has no
    // standard handles of its own and writes to the console it came from.
    HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    bool attached = false;
    if ((handle == nullptr || handle == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        handle = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        attached = true;
    }
    DWORD mode = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(text.utf16()), static_cast<DWORD>(text.size()),
                      &written, nullptr);
        if (attached)
            CloseHandle(handle);
        return;
    }
    if (attached && handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
    // A pipe or a file gets UTF-8.
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}
