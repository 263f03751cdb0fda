#include "command_line.h"

#include "ui_language.h"

#include <QtGlobal>
#include <cstdio>
#include <string_view>

namespace {

constexpr int kWrongUsage = 2;

constexpr char kUsageText[] =
    QT_TRANSLATE_NOOP("CommandLine", "Использование: pet [--help | --version] [параметры Qt]\n");

constexpr char kHelpText[] = QT_TRANSLATE_NOOP(
    "CommandLine", "Использование: pet [--help | --version] [параметры Qt]\n"
                   "Виртуальный питомец: чёрный кот в окне на рабочем столе.\n"
                   "\n"
                   "  -h, --help   показать эту справку и выйти\n"
                   "  --version    показать версию и выйти\n"
                   "\n"
                   "Программа понимает и общие параметры Qt, например -platform ИМЯ,\n"
                   "-display ДИСПЛЕЙ, -style СТИЛЬ, -session КОД. Подробнее: man pet.\n");

constexpr char kVersionText[] = QT_TRANSLATE_NOOP("CommandLine", "Питомец %1\n");

constexpr char kUnknownOptionText[] =
    QT_TRANSLATE_NOOP("CommandLine", "pet: неизвестный параметр «%1»\n");

// Qt's own options, each with one or two leading dashes: those followed by a
// value, those written as name=value, and those that stand alone. The platform
// plugin for X takes -display, -name, -visual, -nograb and -dograb.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform",   "platformpluginpath", "platformtheme", "plugin",       "session", "style",
    "stylesheet", "qwindowgeometry",    "geometry",      "qwindowtitle", "title",   "qwindowicon",
    "icon",       "qmljsdebugger",      "display",       "name",         "visual"};
constexpr std::string_view kQtOptionsWithEquals[] = {"style=", "stylesheet=", "qmljsdebugger="};
constexpr std::string_view kQtFlags[] = {"reverse", "testability", "widgetcount", "nograb",
                                         "dograb"};

std::string_view optionName(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-')
        return {};
    argument.remove_prefix(argument[1] == '-' ? 2 : 1);
    return argument;
}

template <std::size_t N> bool listed(std::string_view name, const std::string_view (&names)[N]) {
    for (std::string_view known : names)
        if (name == known)
            return true;
    return false;
}

bool qtNameValue(std::string_view name) {
    for (std::string_view prefix : kQtOptionsWithEquals)
        if (name.substr(0, prefix.size()) == prefix)
            return true;
    return false;
}

int printAndEnd(std::FILE* stream, const QString& text, int code) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return code;
}

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        const std::string_view name = optionName(argument);
        if (argument == "--help" || argument == "-h")
            return printAndEnd(stdout, uiText("CommandLine", kHelpText), 0);
        if (argument == "--version")
            return printAndEnd(
                stdout, uiText("CommandLine", kVersionText).arg(QLatin1String(PET_VERSION)), 0);
        if (listed(name, kQtOptionsWithValue) && i + 1 < argc) {
            ++i;
            continue;
        }
        if (listed(name, kQtFlags) || qtNameValue(name))
            continue;
        return printAndEnd(
            stderr,
            uiText("CommandLine", kUnknownOptionText).arg(QString::fromLocal8Bit(argv[i])) +
                uiText("CommandLine", kUsageText),
            kWrongUsage);
    }
    return std::nullopt;
}
