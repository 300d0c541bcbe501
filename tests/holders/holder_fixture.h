#pragma once

#include "support/session_test.h"

#include <optional>

namespace zova::test {

// A logged-in operator's session with builders for the rows the holder window works on.
// "Today" is 17/05/2024.
class HolderTest : public SessionTest {
protected:
    // A stored holder; only what a test sets differs from a plausible active holder.
    struct Holder {
        qint64 id = 1;
        QString titular = QStringLiteral("JOSE DA SILVA");
        QString cpf = QStringLiteral("   .   .   -  ");
        QString status = QStringLiteral("ATIVO");
        QDate datacontrato { 2024, 1, 10 };
        qint64 planId = 1;
        QString planName = QStringLiteral("PLANO OURO");
        QString valorparcela = QStringLiteral("45.00");
        QString utilizou = QStringLiteral("NÃO");
        QString tipo = QStringLiteral("NOVO");
    };
    void insertHolder(const Holder& h)
    {
        const QString contrato = QStringLiteral("%1/%2/%3")
                                     .arg(h.datacontrato.year())
                                     .arg(h.datacontrato.month(), 2, 10, QLatin1Char('0'))
                                     .arg(h.id, 5, 10, QLatin1Char('0'));
        conn().exec(
            QStringLiteral("insert into clientes (id, contrato, titular, vendedor, cobrador, nascimento, "
                           "sexo, cpf, estadocivil, endereco, numero, telefone, celular, bairro, cidade, "
                           "cep, uf, plano, pagamento, datacontrato, vencimento, valorparcela, status, "
                           "tipo, utilizou, carne, religiao, seguro) values (?, ?, ?, 'ANA VENDAS', "
                           "'PEDRO COBRA', '1960-03-15', 'MASCULINO', ?, 'CASADO(A)', 'RUA DAS FLORES', "
                           "'12', '(43)99999-0000', '(  )     -    ', 'CENTRO', 'IBAITI', '84.900-000', "
                           "'PR', '  /  /    ', ?, ?, '10', ?, ?, ?, ?, 1, '', ?)"),
            { h.id, contrato, h.titular, h.cpf, h.planName, h.datacontrato, h.valorparcela, h.status, h.tipo,
                h.utilizou, h.planId });
    }

    void insertPlan(
        qint64 id, const QString& name, const QString& valor, const QString& extra = QStringLiteral("0"))
    {
        conn().exec(QStringLiteral("insert into planos values (?, ?, 'DESCRICAO', ?, 0, ?, 0)"),
            { id, name, valor, extra });
    }

    void insertSellerAndCollector()
    {
        conn().exec(
            QStringLiteral("insert into vendedores (id, nome, status) values (1, 'ANA VENDAS', 'ATIVO')"));
        conn().exec(
            QStringLiteral("insert into cobradores (id, nome, status) values (1, 'PEDRO COBRA', 'ATIVO')"));
    }

    void insertDependent(qint64 id, qint64 holder, const QString& nome,
        const QString& grau = QStringLiteral("FILHO(A)"), const QString& status = QStringLiteral("ATIVO"))
    {
        conn().exec(QStringLiteral("insert into dependentes values (?, ?, ?, 'FEMININO', ?, '01/02/2010', "
                                   "'   .   .   -  ', null, null, ?)"),
            { id, holder, nome, grau, status });
    }

    // One installment of `holder` in `table` ("boleto", "boleto_fechado", "boleto_atrasado").
    void insertInstallment(const QString& table, qint64 holder, int parcela = 1)
    {
        conn().exec(
            QString(QStringLiteral("insert into ") + table
                + QStringLiteral(" (id_boleto, id_cliente, parcela_boleto, valor_parcela_boleto, "
                                 "vencimento_parcela_boleto, status_parcela_boleto) values (?, ?, ?, 45, "
                                 "'2024-06-10', 'ABERTO')")),
            { holder * 100 + parcela, holder, parcela });
    }

    // The grace-period parameter; std::nullopt leaves `parametros` without a usable row.
    void setCarencia(std::optional<int> days)
    {
        conn().exec(QStringLiteral("delete from parametros"));
        if (days)
            conn().exec(QStringLiteral("insert into parametros values (null, ?)"), { qint64(*days) });
    }
};

} // namespace zova::test
