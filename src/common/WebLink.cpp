#include "common/WebLink.h"

#include "platform/Services.h"

namespace common {

void OpenWebLink(const QString& address) {
    if (!platform::Shell::instance().openUrl(address))
        platform::msgBox(QStringLiteral("You must be connected to the internet for these links to work properly"));
}

} // namespace common
