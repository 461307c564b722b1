#include "ui/qt/QtClipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "common/LargePages.h"

namespace tess {

namespace {

class QtClipboardText : public ClipboardText {
public:
    explicit QtClipboardText(std::size_t bytes) {
        bytes_.reserve(static_cast<qsizetype>(bytes));
        PreferLargePages(bytes_.data(), static_cast<std::size_t>(bytes_.capacity()));
    }
    void Append(std::string_view utf8) override {
        bytes_.append(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }
    void Put() override {
        bytes_.squeeze();
        // Both formats share the one buffer; the clipboard owns the data from here.
        auto* data = new QMimeData;
        data->setData(QStringLiteral("text/plain;charset=utf-8"), bytes_);
        data->setData(QStringLiteral("text/plain"), bytes_);
        bytes_ = QByteArray();
        QGuiApplication::clipboard()->setMimeData(data);
    }

private:
    QByteArray bytes_;
};

}  // namespace

std::unique_ptr<ClipboardText> QtClipboard::NewText(std::size_t bytes) {
    return std::make_unique<QtClipboardText>(bytes);
}

}  // namespace tess
