#include "ui/Ghost.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <utility>

#include "Vendor.h"
#include "common/AppTitle.h"
#include "common/Dialogs.h"
#include "common/Error.h"
#include "common/Files.h"
#include "resources/Icons.h"
#include "ui/qt/CursorFile.h"
#include "ui/qt/DesignFont.h"
#include "ui/Launcher.h"
#include "ui/QuietReport.h"
#include "ui/qt/Twips.h"

namespace tess {

namespace {

constexpr int kClientWidth = 5655;
constexpr int kClientHeight = 7965;
constexpr int kImageLeft = 840;
constexpr int kImageTop = 750;
constexpr int kButtonLeft = 270;
constexpr int kButtonWidth = 5115;
constexpr int kButtonHeight = 405;
constexpr int kFirstButtonTop = 2010;
// The buttons' pitch, by which the others rise when the video button goes.
constexpr int kButtonPitch = 540;
constexpr int kNoVideoShortening = 510;
constexpr int kNoPictureShortening = 3750;
constexpr int kBelowPicture = 3770;

std::string VendorPage(const char* path) {
    return std::string("https://") + kVendorHost + path;
}

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

Ghost::Ghost(const GhostServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(services.dialogs),
      launcher_(services.launcher),
      programFolder_(services.programFolder.empty() ? ProgramFolder() : services.programFolder),
      pointer_(new PointerSetting(*this)) {
    BuildLayout();
}

void Ghost::BuildLayout() {
    setWindowTitle(QStringLiteral("Ghost"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(icons::LoadIcon(icons::kApplication));
    // Left open, the support window does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    SetHeightTwips(kClientHeight);

    Image1 = new QLabel(this);
    Image1->move(Twips(*this, kImageLeft), Twips(*this, kImageTop));
    Image1->resize(0, 0);

    const QString captions[] = {QStringLiteral("Watch Help/Demo Video For This Software"),
                                QStringLiteral("Common Questions (FAQ)"),
                                QStringLiteral("Email Team Quorvane"),
                                QStringLiteral("Open ") + QString::fromUtf8(kVendorHost)};
    QPushButton** controls[] = {&PushButton3, &PushButton4, &PushButton5, &PushButton6};
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        *controls[i] = new QPushButton(captions[i], this);
        (*controls[i])->setFont(Arial(11.25, true));
        buttons_[i] = {*controls[i], kFirstButtonTop + static_cast<int>(i) * kButtonPitch};
    }
    PlaceButtons();

    // A target the desktop cannot open goes to the diagnostic output only.
    const std::pair<QPushButton*, void (Ghost::*)()> clicks[] = {
        {PushButton3, &Ghost::PushButton3_Click},
        {PushButton4, &Ghost::PushButton4_Click},
        {PushButton5, &Ghost::PushButton5_Click},
        {PushButton6, &Ghost::PushButton6_Click}};
    for (const auto& [button, handler] : clicks) {
        connect(button, &QPushButton::clicked, this,
                [this, handler = handler] { RunQuietly("Ghost", [&] { (this->*handler)(); }); });
    }

    pointer_->Watch(this, PointerSetting::kDefault);
    pointer_->Watch(Image1, PointerSetting::kDefault);
    for (const PlacedButton& placed : buttons_) {
        pointer_->Watch(placed.button, PointerSetting::kCustom);
    }
}

void Ghost::Form_Load() {
    if (loaded_) return;
    loaded_ = true;

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);

    setWindowTitle(QString::fromUtf8(kProductTitle));

    const std::string hand = InProgram("HAND-M.CUR");
    if (FileExists(hand)) {
        // A hand pointer that cannot be read leaves the buttons without one.
        RunQuietly("Ghost.Form_Load", [&] { pointer_->SetCustom(LoadCursorFile(FromUtf8(hand))); });
    }

    Image1->setFrameShape(QFrame::NoFrame);

    const std::string picturePath = InProgram("icon256.gif");
    QPixmap picture;
    // A picture that cannot be read counts as no picture, and is named in the
    // diagnostic output.
    const auto loadPicture = [&] {
        if (!picture.load(FromUtf8(picturePath))) throw Error("Invalid picture " + picturePath);
    };
    if (FileExists(picturePath) && RunQuietly("Ghost.Form_Load", loadPicture)) {
        if (!HasVideo()) HideVideoButton();
        Image1->setPixmap(picture);
        Image1->resize(picture.size());
        MoveButtons({PushButton3, PushButton4, PushButton5, PushButton6}, kBelowPicture);
    } else {
        SetHeightTwips(heightTwips_ - kNoPictureShortening);
        if (!HasVideo()) HideVideoButton();
    }
}

void Ghost::ShowSupport() {
    Form_Load();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void Ghost::ShowOnHelpKey(QWidget& window) {
    auto* key = new QShortcut(QKeySequence::HelpContents, &window);
    connect(key, &QShortcut::activated, this, &Ghost::ShowSupport);
}

void Ghost::PushButton3_Click() {
    const std::string name = FirstVideoName();
    // With no file left in it, the folder itself is what gets opened.
    const std::string target = name.empty() ? VideoFolder() : InFolder(VideoFolder(), name);
    launcher_.OpenUrl(
        QUrl::fromLocalFile(FromUtf8(target)).toString(QUrl::FullyEncoded).toStdString());
}

void Ghost::PushButton4_Click() {
    launcher_.OpenUrl(VendorPage("/question/"));
}

void Ghost::PushButton5_Click() {
    const auto ask = [this](const std::string& text) {
        return dialogs_.Message({text, "", MessageButtons::YesNo, MessageIcon::None});
    };
    if (ask("Most questions can be answered on the 'Common Questions (FAQ)' web site.\r\r"
            "Woud you like to open this site now?") == MessageAnswer::Yes) {
        launcher_.OpenUrl(VendorPage("/question/"));
        return;
    }
    if (ask("As long as your issue hasn't been addressed on the 'Common Questions (FAQ)' web "
            "site, you can contact Team Quorvane directly using the online contact form.\r\r"
            "Would you like to open the contact form now?") == MessageAnswer::Yes) {
        launcher_.OpenUrl(VendorPage("/contact/"));
    }
}

void Ghost::PushButton6_Click() {
    launcher_.OpenUrl(VendorPage("/"));
}

int Ghost::TopTwips(const QPushButton* button) const {
    for (const PlacedButton& placed : buttons_) {
        if (placed.button == button) return placed.topTwips;
    }
    return 0;
}

void Ghost::closeEvent(QCloseEvent* event) {
    // The program's own closes go through; the user's leave the window minimised.
    if (!event->spontaneous()) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    hide();
    showMinimized();
}

std::string Ghost::InProgram(const std::string& name) const {
    return InFolder(programFolder_, name);
}

std::string Ghost::VideoFolder() const {
    return InProgram("Video");
}

// The first ordinary file of the folder Video (not hidden, not a system file,
// not a folder) in the order the file system lists them; "" when there is none.
std::string Ghost::FirstVideoName() const {
    const QStringList names = QDir(FromUtf8(VideoFolder())).entryList(QDir::Files, QDir::Unsorted);
    return names.isEmpty() ? std::string() : names.first().toStdString();
}

bool Ghost::HasVideo() const {
    const std::string name = FirstVideoName();
    return !name.empty() && FileExists(InFolder(VideoFolder(), name));
}

void Ghost::HideVideoButton() {
    PushButton3->hide();
    MoveButtons({PushButton4, PushButton5, PushButton6}, -kButtonPitch);
    SetHeightTwips(heightTwips_ - kNoVideoShortening);
}

void Ghost::MoveButtons(const QList<QPushButton*>& buttons, int twips) {
    for (PlacedButton& placed : buttons_) {
        if (buttons.contains(placed.button)) placed.topTwips += twips;
    }
    PlaceButtons();
}

void Ghost::PlaceButtons() {
    for (const PlacedButton& placed : buttons_) {
        placed.button->setGeometry(Twips(*this, kButtonLeft), Twips(*this, placed.topTwips),
                                   Twips(*this, kButtonWidth), Twips(*this, kButtonHeight));
    }
}

void Ghost::SetHeightTwips(int twips) {
    heightTwips_ = twips;
    setFixedSize(Twips(*this, kClientWidth), Twips(*this, heightTwips_));
}

}  // namespace tess
