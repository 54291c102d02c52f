#include "platform/qt/run_qt_program.h"

int main(int argc, char* argv[]) { return shiftpad::run_qt_program(argc, argv); }
