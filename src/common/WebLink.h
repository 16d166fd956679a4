#pragma once

#include <QString>

namespace common {

// Opens a web address in the default browser; tells the user when it cannot.
void OpenWebLink(const QString& address);

} // namespace common
