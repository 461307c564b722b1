#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "ui/PointerSetting.h"

class QLabel;
class QPushButton;

namespace tess {

class Dialogs;
class Launcher;

// Everything the support window uses from outside itself; all of it outlives the window.
struct GhostServices {
    Dialogs& dialogs;
    Launcher& launcher;
    // Where the optional files are looked up; empty: the program folder.
    std::string programFolder = {};
};

// The support window: the application icon, an optional picture and the links
// to the help video and to the vendor's pages. It is loaded hidden; its window
// icon is the main window's icon.
class Ghost : public QWidget {
    Q_OBJECT
public:
    explicit Ghost(const GhostServices& services, QWidget* parent = nullptr);

    // The load steps: colours, caption, hand pointer, picture, help video and
    // layout. They run once, on the first call; the window stays hidden.
    void Form_Load();

    // Brings the window up in front, restored when it was minimised.
    void ShowSupport();
    // The help key (F1) on `window` brings the support window up.
    void ShowOnHelpKey(QWidget& window);

    void PushButton3_Click();  // help video
    void PushButton4_Click();  // common questions
    void PushButton5_Click();  // contact, asking first
    void PushButton6_Click();  // home page

    // The pointer setting (PointerSetting's values) and the hand pointer.
    int MousePointer() const { return pointer_->value(); }
    void SetMousePointer(int setting) { pointer_->Set(setting); }
    bool HasMouseIcon() const { return pointer_->HasCustom(); }

    // The design measures in twips, after the load steps' adjustments: the
    // height of the window and the top of one of its buttons.
    int HeightTwips() const { return heightTwips_; }
    int TopTwips(const QPushButton* button) const;

    QLabel* Image1 = nullptr;
    QPushButton* PushButton3 = nullptr;
    QPushButton* PushButton4 = nullptr;
    QPushButton* PushButton5 = nullptr;
    QPushButton* PushButton6 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct PlacedButton {
        QPushButton* button;
        int topTwips;
    };

    void BuildLayout();
    std::string InProgram(const std::string& name) const;
    std::string VideoFolder() const;
    std::string FirstVideoName() const;
    bool HasVideo() const;
    void HideVideoButton();
    void MoveButtons(const QList<QPushButton*>& buttons, int twips);
    void PlaceButtons();
    void SetHeightTwips(int twips);

    Dialogs& dialogs_;
    Launcher& launcher_;
    std::string programFolder_;
    PointerSetting* pointer_;
    std::array<PlacedButton, 4> buttons_{};
    int heightTwips_ = 0;
    bool loaded_ = false;
};

}  // namespace tess
