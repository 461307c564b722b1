#pragma once

#include <QWidget>
#include <string>

#include "ui/history/HistoryWindow.h"
#include "ui/qt/QtTickTimer.h"

class QCloseEvent;
class QComboBox;
class QLabel;
class QResizeEvent;

namespace tess {

class QtLevelChart;
class QtRuntimeChart;
class QtSessionTable;

// A caption shown by a label.
class QtLabelCaption : public CaptionControl {
public:
    explicit QtLabelCaption(QLabel& label) : label_(label) {}
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;

private:
    QLabel& label_;
};

// A choice list over a drop-down combo box.
class QtChoiceList : public ChoiceList {
public:
    explicit QtChoiceList(QComboBox& box) : box_(box) {}
    void AddChoice(const std::string& caption) override;
    void Choose(int index) override;
    int Chosen() const override;

private:
    QComboBox& box_;
};

// The battery history window over Qt: its controls stand where LayOutHistory
// puts them, the charts draw what HistoryWindow, which it owns, lays out, and
// the user's choices, the surfaces' paints and the close go to it.
class QtHistoryWindow : public QWidget, public HistoryFrame {
public:
    // `format` is the log writer's own.
    explicit QtHistoryWindow(const DateTimeFormat& format);

    HistoryWindow& Logic() { return history_; }
    QtLevelChart& LevelChart() const { return *levelChart_; }
    QtSessionTable& Sessions() const { return *sessions_; }
    QComboBox& Range() const { return *range_; }

    // HistoryFrame
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    bool Visible() const override;
    void ShowInFront() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void LayOut();

    QLabel* summary_;
    QComboBox* range_;
    QtLevelChart* levelChart_;
    QtSessionTable* sessions_;
    QLabel* runtimeCaption_;
    QtRuntimeChart* runtimeChart_;
    QtLabelCaption summaryCaption_;
    QtChoiceList rangeChoice_;
    QtLabelCaption runtimeCaptionText_;
    QtTickTimer reader_;
    SteadyStopwatch stopwatch_;
    HistoryWindow history_;
};

}  // namespace tess
