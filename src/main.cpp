#include "app/TernaryMain.h"

int main(int argc, char* argv[])
{
    return TernaryMain(argc, argv);
}
