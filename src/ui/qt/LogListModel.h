#pragma once

#include <QAbstractListModel>
#include <QString>
#include <cstddef>
#include <string>

#include "ui/LogLineStore.h"

namespace tess {

// The logged entries as a list model: one row per entry, appended at the end,
// and the one column's header text.
class LogListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit LogListModel(QObject* parent = nullptr);
    ~LogListModel() override;

    void SetHeader(const QString& text);
    void Append(const std::string& line);  // UTF-8
    void Clear();
    // The entry exactly as appended; empty for a row that does not exist.
    std::string Entry(int row) const;
    // Memory the entries take, by the model's own count.
    std::size_t BytesHeld() const { return lines_.BytesHeld(); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    LogLineStore lines_;
    QString header_;
};

}  // namespace tess
