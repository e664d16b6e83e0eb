#include <QApplication>

#include "app/ConsoleProgram.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quven::ConsoleProgram::prepare(application);
    quven::ConsoleProgram program;
    return QApplication::exec();
}
