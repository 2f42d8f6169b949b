// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/commandline.h"

#include "core/identity.h"

#include <QCommandLineParser>

#include <algorithm>
#include <iterator>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

// The options QGuiApplication and QApplication take from the command line, with or without a
// value (Qt lists them nowhere it can be asked): accepted here and left for Qt, which removes them
// before the program looks.
const char *const QtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "style",         "stylesheet", "session",
    "display",     "geometry",           "title",         "name",       "qmljsdebugger",
};
const char *const QtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

void addQtOptions(QCommandLineParser &parser)
{
    for (const char *name : QtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), u"value"_s);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : QtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString usage(const QCommandLineParser &parser)
{
    QString text = parser.helpText();
    text.replace(u"<executable_name>"_s, identity::ProgramName);
    return text + u"\nQt's own options (-platform, -style, ...) are accepted as well.\n"
                  u"See %1(6) for the setting the program keeps.\n"_s.arg(identity::ProgramName);
}

// "--platform=xcb" and "-platform=xcb" as "-platform" "xcb"; everything else as it stands.
QStringList splitQtOptions(const QStringList &arguments)
{
    QStringList split;
    for (const QString &argument : arguments) {
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = argument.left(equals).remove(0, argument.startsWith(u"--"_s) ? 2 : 1);
        const bool qtOption =
            equals > 0 && argument.startsWith(u'-') &&
            std::any_of(std::begin(QtOptionsWithValue), std::end(QtOptionsWithValue),
                        [&name](const char *known) { return name == QLatin1StringView(known); });
        if (qtOption)
            split << u'-' + name << argument.mid(equals + 1);
        else
            split << argument;
    }
    return split;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options are words after a single dash ("-platform xcb"); ours have a short form too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        u"Tells you your planetary archetype: type your first name and pick your date of birth,\n"
        u"and it finds your zodiac sign, its ruling planet and that planet's archetype."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Shows this help and exits."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Shows the version and exits."_s);
    parser.addOption(help);
    parser.addOption(version);
    addQtOptions(parser);

    using Action = CommandLine::Action;
    if (!parser.parse(arguments)) {
        const QString error = identity::ProgramName + u": "_s + parser.errorText() + u'\n';
        return {Action::Error, error + usage(parser), 2, {}};
    }
    if (parser.isSet(help))
        return {Action::Help, usage(parser), 0, {}};
    if (parser.isSet(version))
        return {Action::Version, identity::ProgramName + u' ' + identity::Version + u'\n', 0, {}};
    return {Action::Run, {}, 0, splitQtOptions(arguments)};
}

} // namespace planetarch
