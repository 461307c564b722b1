#include "ui/qt/QtWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "common/Error.h"
#include "resources/Icons.h"
#include "ui/PointerSetting.h"
#include "ui/qt/CursorFile.h"
#include "ui/qt/DesignFont.h"
#include "ui/qt/HiddenWindowState.h"
#include "ui/qt/Twips.h"

namespace tess {

namespace {

// The control a watched widget belongs to.
constexpr const char* kControlProperty = "tessControl";

QString FromUtf8(const char* text) {
    return QString::fromUtf8(text);
}

void SetBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void ApplyBackground(QWidget& widget, Background background) {
    if (background == Background::White) SetBackground(widget, Qt::white);
}

QWidget* MakeStandardControl(const ControlDesign& control, QWidget* parent) {
    const QString caption = FromUtf8(control.caption);
    switch (control.kind) {
        case ControlKind::Frame:
            return new QGroupBox(caption, parent);
        case ControlKind::ProgressBar: {
            auto* bar = new QProgressBar(parent);
            bar->setRange(0, 100);
            bar->setValue(0);
            bar->setTextVisible(false);
            return bar;
        }
        case ControlKind::TextBox:
            return new QLineEdit(parent);
        case ControlKind::PushButton:
            return new QPushButton(caption, parent);
        case ControlKind::CheckBox:
            return new QCheckBox(caption, parent);
        case ControlKind::Image:
        case ControlKind::ListView:
            break;
    }
    return new QLabel(parent);
}

bool TakesFocus(ControlKind kind) {
    return kind != ControlKind::Frame && kind != ControlKind::ProgressBar &&
           kind != ControlKind::Image;
}

}  // namespace

QtWindow::QtWindow(const WindowDesign& design, const ListMaker& makeList)
    : design_(design), scrollArea_(new QScrollArea(this)), client_(new QWidget) {
    setWindowTitle(FromUtf8(design.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->setWidget(client_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollArea_);
    Resize(design.clientWidth, design.clientHeight);
    if (design.font.family != nullptr) setFont(DesignFont(design.font));
    ApplyBackground(*this, design.background);
    ApplyBackground(*client_, design.background);
    if (design.icon != nullptr) SetIcon(design.icon);
    BuildControls(makeList);
    SetTabOrder();
}

void QtWindow::BuildControls(const ListMaker& makeList) {
    for (const ControlDesign& control : design_.controls) {
        QWidget* const parent =
            control.parent == kWindowItself ? client_ : controls_.at(control.parent);
        QWidget* const widget = control.kind == ControlKind::ListView
                                    ? makeList(control, parent)
                                    : MakeStandardControl(control, parent);
        const TwipsRect& place = control.place;
        if (control.kind == ControlKind::Image) {
            // Sized by its picture; none yet.
            widget->move(Twips(*this, place.left), Twips(*this, place.top));
            widget->resize(0, 0);
        } else {
            widget->setGeometry(Twips(*this, place.left), Twips(*this, place.top),
                                Twips(*this, place.width), Twips(*this, place.height));
        }
        if (control.font.family != nullptr) widget->setFont(DesignFont(control.font));
        ApplyBackground(*widget, control.background);
        controls_.push_back(widget);
    }
}

// Frames, progress bars and pictures take no focus.
void QtWindow::SetTabOrder() {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& control : design_.controls) {
        if (TakesFocus(control.kind)) order.push_back(&control);
    }
    std::sort(order.begin(), order.end(), [](const ControlDesign* a, const ControlDesign* b) {
        return a->tabIndex < b->tabIndex;
    });
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(&Control(order[i - 1]->id), &Control(order[i]->id));
    }
}

QWidget& QtWindow::Control(ControlId id) const {
    return *controls_.at(static_cast<std::size_t>(id));
}

std::string QtWindow::Caption() const {
    return windowTitle().toStdString();
}

void QtWindow::SetCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
}

WindowState QtWindow::State() const {
    return windowState() & Qt::WindowMinimized ? WindowState::Minimized : WindowState::Normal;
}

void QtWindow::SetState(WindowState state) {
    SetWindowStateKeepingHidden(
        *this, state == WindowState::Minimized ? Qt::WindowMinimized : Qt::WindowNoState);
}

bool QtWindow::Visible() const {
    return isVisible();
}

void QtWindow::Show() {
    if (!isVisible()) MatchNativeWindowState(*this);
    show();
}

void QtWindow::Hide() {
    hide();
}

void QtWindow::Focus() {
    raise();
    activateWindow();
}

void QtWindow::SetIcon(const std::string& name) {
    setWindowIcon(icons::LoadIcon(QString::fromStdString(name)));
}

void QtWindow::SetMousePointer(int setting) {
    pointer_ = setting;
    if (setting == PointerSetting::kBusy) {
        setCursor(Qt::WaitCursor);
    } else if (setting == PointerSetting::kCustom && mouseIcon_) {
        setCursor(*mouseIcon_);
    } else {
        unsetCursor();
    }
}

bool QtWindow::LoadMouseIcon(const std::string& path) {
    std::optional<QCursor> cursor = LoadCursorFile(QString::fromStdString(path));
    if (!cursor) return false;
    mouseIcon_ = std::move(cursor);
    if (pointer_ == PointerSetting::kCustom) SetMousePointer(pointer_);
    return true;
}

void QtWindow::SetButtonFace(ControlId control) {
    const QColor face = QApplication::palette().color(QPalette::Button);
    if (control == kWindowItself) SetBackground(*this, face);
    SetBackground(control == kWindowItself ? *client_ : Control(control), face);
}

// The skin is a Qt style sheet.
void QtWindow::LoadSkin(const std::string& path) {
    QFile skin(QString::fromStdString(path));
    if (!skin.open(QIODevice::ReadOnly)) throw Error(skin.errorString().toStdString());
    setStyleSheet(QString::fromUtf8(skin.readAll()));
}

void QtWindow::Resize(int widthTwips, int heightTwips) {
    client_->setFixedSize(Twips(*this, widthTwips), Twips(*this, heightTwips));
    FitToScreen();
}

void QtWindow::FitToScreen() {
    const QScreen* const screen = this->screen();
    if (screen == nullptr) return FitInto(client_->size());
    // The frame is known once the window manager has framed the shown window.
    const QSize frame = frameGeometry().size() - geometry().size();
    FitInto(screen->availableGeometry().size() - frame);
}

void QtWindow::FitInto(const QSize& room) {
    const QSize client = client_->size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollArea_);
    // A scroll bar for one direction takes room from the other.
    bool wide = false;
    bool tall = false;
    for (int pass = 0; pass < 2; ++pass) {
        wide = client.width() + (tall ? bar : 0) > room.width();
        tall = client.height() + (wide ? bar : 0) > room.height();
    }
    const QSize wanted(client.width() + (tall ? bar : 0), client.height() + (wide ? bar : 0));
    setFixedSize(wanted.boundedTo(room).expandedTo(QSize(4 * bar, 4 * bar)));
}

void QtWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* const native = windowHandle()) {
        connect(native, &QWindow::screenChanged, this, &QtWindow::FitToScreen,
                Qt::UniqueConnection);
    }
    FitToScreen();
}

void QtWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    FitToScreen();
}

void QtWindow::ConnectClicks(ControlId button, std::function<void()> handler) {
    connect(&Control<QPushButton>(button), &QPushButton::clicked, this, std::move(handler));
}

void QtWindow::HandPointerMovesTo(std::function<void(ControlId)> handler) {
    onPointerMove_ = std::move(handler);
    WatchPointer(*this, kWindowItself);
    WatchPointer(*client_, kWindowItself);
    for (const ControlDesign& control : design_.controls) {
        QWidget& widget = Control(control.id);
        WatchPointer(widget, control.id);
        if (control.kind != ControlKind::ListView) continue;
        for (QWidget* part : widget.findChildren<QWidget*>()) WatchPointer(*part, control.id);
    }
}

void QtWindow::WatchPointer(QWidget& widget, ControlId id) {
    widget.setProperty(kControlProperty, id);
    widget.setMouseTracking(true);
    widget.installEventFilter(this);
    widget.setAttribute(Qt::WA_NoMousePropagation);
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && onPointerMove_) {
        const QVariant id = watched->property(kControlProperty);
        if (id.isValid()) onPointerMove_(id.toInt());
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tess
