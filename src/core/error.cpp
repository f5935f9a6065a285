#include "core/error.h"

#include <cerrno>
#include <cstring>

namespace ravelbook {

QString reasonFor(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("the disk is full");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission denied");
    case ENAMETOOLONG:
        return QStringLiteral("the name is too long");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("its folder does not exist");
    case EROFS:
        return QStringLiteral("the disk is read-only");
    case EISDIR:
        return QStringLiteral("it is a folder, not a file");
    case EIO:
        return QStringLiteral("the disk could not be written (input/output error)");
    default:
        return QString::fromLocal8Bit(std::strerror(error)).toLower();
    }
}

} // namespace ravelbook
