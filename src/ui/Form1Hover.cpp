#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <initializer_list>

#include "ui/Form1.h"
#include "ui/qt/QtIntervalList.h"
#include "ui/qt/QtLogList.h"

namespace tess {

namespace {

// A list asks for the default pointer wherever the mouse is over it.
void WatchList(PointerSetting& pointer, QWidget* list) {
    pointer.Watch(list, PointerSetting::kDefault);
    // Scroll areas rather than item views: the log list paints its own rows.
    auto views = list->findChildren<QAbstractScrollArea*>();
    if (auto* view = qobject_cast<QAbstractScrollArea*>(list)) views.append(view);
    for (QAbstractScrollArea* view : views) {
        if (view != list) pointer.Watch(view, PointerSetting::kDefault);
        pointer.Watch(view->viewport(), PointerSetting::kDefault);
    }
}

}  // namespace

// The hand over the push buttons, the arrow over the window, its frames and its
// lists; the other controls leave the setting as it is.
void Form1::InstallHoverHandlers() {
    for (QWidget* area : std::initializer_list<QWidget*>{this, Frame1, Frame2, Frame3}) {
        pointer_->Watch(area, PointerSetting::kDefault);
    }
    WatchList(*pointer_, ListView1);
    WatchList(*pointer_, ListView2);
    for (QWidget* button :
         std::initializer_list<QWidget*>{PushButton1, PushButton2, PushButton3, PushButton4,
                                         PushButton5, PushButton6, PushButton7}) {
        pointer_->Watch(button, PointerSetting::kCustom);
    }
    for (QWidget* quiet : std::initializer_list<QWidget*>{Text1, Check4, Check8, ProgressBar1}) {
        quiet->setAttribute(Qt::WA_NoMousePropagation);
    }
}

}  // namespace tess
