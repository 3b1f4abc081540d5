// Клебоны: the program.
#include "shell/application.h"

int main(int argc, char** argv) { return klebony::runKlebony(argc, argv); }
