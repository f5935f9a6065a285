#include "core/error.h"

#include <cerrno>
#include <cstring>
#include <QCoreApplication>

namespace ravelbook {

QString reasonFor(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("Error", "the disk is full");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("Error", "permission denied");
    case ENAMETOOLONG:
        return QCoreApplication::translate("Error", "the name is too long");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("Error", "its folder does not exist");
    case EROFS:
        return QCoreApplication::translate("Error", "the disk is read-only");
    case EISDIR:
        return QCoreApplication::translate("Error", "it is a folder, not a file");
    case EIO:
        return QCoreApplication::translate("Error",
                                           "the disk could not be written (input/output error)");
    default:
        return QString::fromLocal8Bit(std::strerror(error)).toLower();
    }
}

} // namespace ravelbook
