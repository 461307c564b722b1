#pragma once

#include "ui/Form1.h"
#include "ui/qt/QtControls.h"
#include "ui/qt/QtWindow.h"

class QCloseEvent;

namespace tess {

class QtIntervalList;
class QtLogList;

// The main window over Qt: the controls of form1::kDesign, with the user's
// clicks, ends of edits, choices, pointer moves, the help key, minimising and close
// requests handed to its behaviour, Form1, which it owns.
class QtForm1 : public QtWindow {
public:
    explicit QtForm1(const Form1Services& services);

    Form1& Logic() { return form_; }
    QtLogList& ListView1() const;
    QtIntervalList& ListView2() const;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HandEventsOver();

    QtFrame frame1_;
    QtProgressBar progressBar1_;
    QtTextBox text1_;
    QtButton pushButton5_;
    QtCheckBox check4_;
    QtCheckBox check8_;
    Form1 form_;
};

}  // namespace tess
