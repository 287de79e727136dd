#include "server/ids.h"

namespace tov::server {

static_assert(kProgId == "tovserver.myQuendal");

}  // namespace tov::server
