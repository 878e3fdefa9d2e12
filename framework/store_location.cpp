#include "store_location.h"

#include <QStandardPaths>

namespace velmora {

std::string defaultStorePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return (folder + QStringLiteral("/velmora/store.db")).toStdString();
}

}  // namespace velmora
