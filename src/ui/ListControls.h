#pragma once

#include <optional>
#include <string>

// The two report-style lists of the main window: one column with a header.
namespace tess {

class ReportList {
public:
    virtual ~ReportList() = default;
    virtual void AddColumn(const std::string& header) = 0;
    // The width of the column, in twips.
    virtual void SetColumnWidth(int twips) = 0;
};

// The interval list: a short list of captions, at most one of them selected.
// Every choice the user makes (a click, also on the selected item, or a move of
// the selection by keyboard) goes to the owner's choice handler; the user can
// never leave the list without a selection once it has one.
class IntervalList : public ReportList {
public:
    virtual void AddItem(const std::string& caption) = 0;
    virtual int Count() const = 0;
    // Selects the item at `index`, 1 to Count(), without handing a choice to the owner.
    virtual void Select(int index) = 0;
    // The 1-based index of the selected item, or 0 when none is selected.
    virtual int SelectedIndex() const = 0;
    virtual std::optional<std::string> SelectedCaption() const = 0;
};

// The list of logged entries: one row per entry, added at the end, for as long
// as the program runs. A toolkit keeps the rows in a LogLineStore and shows the
// rows in sight from it (a virtual, owner-data list), so that a row costs the
// same at a million rows as at ten. While the last row is in sight the list
// follows each new one; once the user scrolls away it stays where it is.
class LogList : public ReportList {
public:
    virtual void Append(const std::string& line) = 0;
    virtual void Clear() = 0;
};

}  // namespace tess
