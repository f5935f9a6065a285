#include "app/qt_messages.h"

#include <QString>
#include <QtGlobal>

namespace ravelbook {

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    qtDefaultHandler(type, context, message);
}

} // namespace

void quietenQtNotes() {
    qtDefaultHandler = qInstallMessageHandler(quietHandler);
}

} // namespace ravelbook
