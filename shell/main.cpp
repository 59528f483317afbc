#include "shell/Startup.h"

int main(int argc, char* argv[]) {
    return Vexlor::Run_Vexlor(argc, argv);
}
