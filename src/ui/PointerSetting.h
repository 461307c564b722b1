#pragma once

#include <QCursor>
#include <QObject>

class QWidget;

namespace tess {

// The mouse-pointer setting of a window: the default pointer (0), the
// hourglass (11) or the window's own custom pointer (99). Moving the mouse
// over a watched control asks for that control's setting, which is taken
// unless the window shows the hourglass.
class PointerSetting : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefault = 0;
    static constexpr int kBusy = 11;
    static constexpr int kCustom = 99;

    explicit PointerSetting(QWidget& window);

    int value() const { return value_; }
    // Shows the setting on the window; the custom setting without a custom
    // pointer shows the default one.
    void Set(int setting);

    // The custom pointer (the window's mouse icon).
    void SetCustom(const QCursor& cursor);
    bool HasCustom() const { return hasCustom_; }
    const QCursor& Custom() const { return custom_; }

    // Moves over `control` ask for `setting`.
    void Watch(QWidget* control, int setting);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    int value_ = kDefault;
    QCursor custom_;
    bool hasCustom_ = false;
};

}  // namespace tess
