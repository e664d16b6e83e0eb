#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/ConsoleProgram.h"
#include "core/Version.h"

int main(int argc, char* argv[]) {
    // Answered before anything of Qt starts, so it needs no display. The console takes no other
    // option: any other argument is left to Qt, as before.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("quven-console %s\n", quven::kVersion);
            return 0;
        }
    }
    QApplication application(argc, argv);
    quven::ConsoleProgram::prepare(application);
    quven::ConsoleProgram program;
    return QApplication::exec();
}
