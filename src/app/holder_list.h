#pragma once

#include "db/connection.h"

#include <QAbstractTableModel>
#include <vector>

namespace zova {

// The main window's list of active holders, newest first. Only what the grid and the search
// need is loaded (code, contract, name, CPF); the selected holder's details are read on demand.
class HolderListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class SearchKind { Titular = 0, Contrato = 1, Codigo = 2, Cpf = 3 };

    using QAbstractTableModel::QAbstractTableModel;

    void load(Connection& conn);
    // Row of the first holder matching the search text, or -1.
    int find(SearchKind kind, const QString& text) const;
    int rowOf(qint64 id) const;
    qint64 idAt(int row) const { return m_rows.at(static_cast<size_t>(row)).id; }
    QString titularAt(int row) const { return m_rows.at(static_cast<size_t>(row)).titular; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row {
        qint64 id;
        QString contrato;
        QString titular;
        QString cpf;
    };
    std::vector<Row> m_rows;
};

} // namespace zova
