// Writes the working page into the folder given as the only argument, as
// the program does at start-up, for the checks in a real browser engine.
#include "page/WorkingPage.h"
#include "style/StyleDocument.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_working_page FOLDER\n");
        return 2;
    }
    SetStartupDirectory(argv[1]);
    WriteWorkingPage();
    // WriteWorkingPage reports nothing; tell the caller when no page came out.
    std::ifstream written(WorkingPagePath(), std::ios::binary);
    if (!written) {
        std::fprintf(stderr, "write_working_page: no page at %s\n", WorkingPagePath().c_str());
        return 1;
    }
    std::printf("%s\n", WorkingPagePath().c_str());
    return 0;
}
