#include "ui/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStringDecoder>

namespace tess {

void QtClipboard::SetText(const std::string& text) {
    QStringDecoder decode(QStringDecoder::System);
    const QString decoded =
        decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    QGuiApplication::clipboard()->setText(decoded);
}

}  // namespace tess
