#include "page/PageBody.h"

void AppendPageBody(std::string& page)
{
    page += "<body>\r\n</body>\r\n</html>\r\n";
}
