// SPDX-License-Identifier: GPL-3.0-or-later

#include "TerminalAnswers.h"

#include "core/LanguageModule.h"
#include "core/StringTable.h"
#include "core/Version.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTranslator>

std::optional<int> AnswerInTerminal(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const InfoOption asked = FindInfoOption(arguments);
    if (asked == InfoOption::None)
        return std::nullopt;
    // No display is needed to answer: a core application, gone before the program's own.
    QCoreApplication app(argc, argv);
    QTranslator english;
    InstallEnglishModule(english);
    QTextStream out(stdout);
    if (asked == InfoOption::Help)
        out << LoadResString(kProgramHelpId) << Qt::endl;
    else
        out << VersionLine(QStringLiteral("skarnholtdb")) << Qt::endl;
    return 0;
}
