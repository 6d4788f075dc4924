#include "page/DefaultStyleBlock.h"

void AppendDefaultStyleBlock(std::string& page)
{
    page += "<!-- Glimmerpatch -->\r\n<style type=\"text/css\">\r\nbody{\r\n}\r\n</style>\r\n";
}
