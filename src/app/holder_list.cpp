#include "app/holder_list.h"

using namespace Qt::StringLiterals;

namespace zova {

void HolderListModel::load(Connection& conn)
{
    const ResultSet rs = conn.query(
        u"select id, contrato, titular, cpf from clientes where status = 'ATIVO' order by id desc"_s);
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(static_cast<size_t>(rs.rowCount()));
    for (int r = 0; r < rs.rowCount(); ++r)
        m_rows.push_back({ rs.integer(r, 0), rs.text(r, 1), rs.text(r, 2), rs.text(r, 3) });
    endResetModel();
}

int HolderListModel::find(SearchKind kind, const QString& text) const
{
    if (kind == SearchKind::Codigo) {
        bool ok = false;
        const qint64 id = text.trimmed().toLongLong(&ok);
        return ok ? rowOf(id) : -1;
    }
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const Row& r = m_rows[i];
        const QString& field = kind == SearchKind::Titular ? r.titular
            : kind == SearchKind::Contrato                 ? r.contrato
                                                           : r.cpf;
        if (field.startsWith(text, Qt::CaseInsensitive))
            return static_cast<int>(i);
    }
    return -1;
}

int HolderListModel::rowOf(qint64 id) const
{
    // Newest first: ids descend, so the row can be found by bisection.
    auto it
        = std::lower_bound(m_rows.begin(), m_rows.end(), id, [](const Row& r, qint64 v) { return r.id > v; });
    return it != m_rows.end() && it->id == id ? static_cast<int>(it - m_rows.begin()) : -1;
}

int HolderListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int HolderListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant HolderListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const Row& r = m_rows[static_cast<size_t>(index.row())];
    switch (index.column()) {
    case 0:
        return QString::number(r.id);
    case 1:
        return r.contrato;
    default:
        return r.titular;
    }
}

QVariant HolderListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QString titles[] = { u"Cód."_s, u"Contrato"_s, u"Titular"_s };
    return titles[section];
}

} // namespace zova
