#include "ui/PointerSetting.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace tess {

namespace {
// The setting a move over the control asks for.
constexpr const char* kHoverSetting = "tessHoverSetting";
}  // namespace

PointerSetting::PointerSetting(QWidget& window) : QObject(&window), window_(window) {}

void PointerSetting::Set(int setting) {
    value_ = setting;
    if (setting == kBusy) {
        window_.setCursor(Qt::WaitCursor);
    } else if (setting == kCustom && hasCustom_) {
        window_.setCursor(custom_);
    } else {
        window_.unsetCursor();
    }
}

void PointerSetting::SetCustom(const QCursor& cursor) {
    custom_ = cursor;
    hasCustom_ = true;
    if (value_ == kCustom) Set(kCustom);
}

void PointerSetting::Watch(QWidget* control, int setting) {
    control->setProperty(kHoverSetting, setting);
    control->setMouseTracking(true);
    control->installEventFilter(this);
    // A move over a control must not also count as one over what lies below it.
    control->setAttribute(Qt::WA_NoMousePropagation);
}

bool PointerSetting::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const QVariant setting = watched->property(kHoverSetting);
        if (setting.isValid() && value_ != kBusy && value_ != setting.toInt()) {
            Set(setting.toInt());
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tess
