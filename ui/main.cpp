// Rotacle 8.0: the program entry starts the window.
#include "ui/application.h"

int main(int argc, char** argv) { return rotacle::ui::RunRotacle(argc, argv, {}, true); }
