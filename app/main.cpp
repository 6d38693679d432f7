#include "AppMain.h"

int main(int argc, char* argv[]) {
    return pelmoraMain(argc, argv);
}
