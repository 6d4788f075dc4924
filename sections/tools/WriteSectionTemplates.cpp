// Writes the section page templates' resource script to the file named by
// its one argument. Built for the build machine and run during the Windows
// build (sections/CMakeLists.txt).
#include "sections/SectionTemplateText.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.rc\n", argv[0]);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << sections::SectionTemplatesText();
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
